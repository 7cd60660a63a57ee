#pragma once
// Which files are movie files (by their whole extension), a folder's
// sub-folders, and the small helpers the rest of the program shares around
// them. Nothing is cached: every call asks the file system afresh. Paths
// are absolute paths in UTF-8 with the system's separator, of any length.
// The walks over a folder are FolderIndex and FolderWalk.
#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

// The movie extensions, dot included, in lower case.
const std::vector<std::string>& MovieExtensions();

// The fixed filter text the main window shows (display only).
extern const char kMovieFileFilterText[];

// True when the extension of the path's file name is one of the movie
// extensions, whole and in any letter case (".mpg" and ".MPG" are movies,
// ".mpg2", ".tsx" and ".mp4a" are not; a dot in a folder name does not
// count).
bool IsMovieFile(const std::string& path);

// Appends the bare name of every sub-folder ("." and ".." and the program's
// own work folder left out).
void ListSubFolders(const std::string& folder, std::vector<std::string>& names);

// True when a file at the path can be opened for reading (false for a
// folder, a missing file or a file locked by another program).
bool FileExists(const std::string& path);

// The text fitted to maxLength characters with "..." in the middle; the
// tail keeps about seven tenths of the room.
std::string ShortenForDisplay(const std::string& text, int maxLength);
