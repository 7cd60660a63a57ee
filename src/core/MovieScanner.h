#pragma once
// Which files are movie files, walks and counts of a folder's movie files,
// and the small path helpers the rest of the program shares. Nothing is
// cached: every call asks the file system afresh. Paths are absolute
// Windows paths in UTF-8 with the backslash as separator, of any length; the
// walks never return a path that ends in a separator.
#include <functional>
#include <string>
#include <vector>

#include "platform/Paths.h"

// One entry of a folder listing.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
    unsigned long long size = 0;
    bool readOnly = false;
    bool isLink = false;  // a reparse point: symbolic link, junction or mount point
};

// Calls visit for every entry of the folder matching the pattern ("." and
// ".." left out) in the file system's order: one reading of the folder,
// nothing when it cannot be read.
void ForEachFolderEntry(const std::string& folder, const std::function<void(const FolderEntry&)>& visit,
                        const std::string& pattern = "*.*");

// The movie extensions, in the order the movie test tries them.
const std::vector<std::string>& MovieExtensions();

// The fixed filter text the main window shows (display only).
extern const char kMovieFileFilterText[];

// True when the extension of the path's file name begins with one of the
// movie extensions, regardless of letter case (".mpg", ".MPG", ".mpg2" and
// ".tsx" are all movies; a dot in a folder name does not count).
bool IsMovieFile(const std::string& path);

// Appends the full path of every movie file in the folder (and, with
// recursive set, in its sub-folders, depth first where each sub-folder was
// met), in the file system's enumeration order. An empty pattern means
// "*.*". A folder that cannot be read adds nothing.
void ListMovieFiles(const std::string& folder, const std::string& pattern, bool recursive,
                    std::vector<std::string>& paths);

// Counts the movie files and the metadata files (movie path + ".txt", with
// or without its movie, not empty) that lie directly in the folder.
void CountFolderFiles(const std::string& folder, int& movieCount, int& metadataCount);

// Appends the bare name of every sub-folder ("." and ".." and the program's
// own work folder left out).
void ListSubFolders(const std::string& folder, std::vector<std::string>& names);

// True when the movie's metadata file (movie path + ".txt") can be read and
// is not empty (an empty one gives pyTivo nothing).
bool HasMetadataFile(const std::string& moviePath);

// True when a file at the path can be opened for reading (false for a
// folder, a missing file or a file locked by another program).
bool FileExists(const std::string& path);

// True when the path is a directory on a drive of known type.
bool IsFolderOnDrive(const std::string& path);

// The text fitted to maxLength characters with "..." in the middle; the
// tail keeps about seven tenths of the room.
std::string ShortenForDisplay(const std::string& text, int maxLength);
