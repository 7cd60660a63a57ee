#pragma once
// Which files are movie files, walks and counts of a folder's movie files,
// and the small path helpers the rest of the program shares. Nothing is
// cached: every call asks the file system afresh. Paths are absolute paths
// in UTF-8 with the system's separator, of any length; the walks never
// return a path that ends in a separator.
#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

// The movie extensions, in the order the movie test tries them.
const std::vector<std::string>& MovieExtensions();

// The fixed filter text the main window shows (display only).
extern const char kMovieFileFilterText[];

// True when the extension of the path's file name begins with one of the
// movie extensions, regardless of letter case (".mpg", ".MPG", ".mpg2" and
// ".tsx" are all movies; a dot in a folder name does not count).
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
