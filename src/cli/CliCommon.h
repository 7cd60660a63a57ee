#pragma once
// What reelmark-cli's commands share: their exit codes and how a FOLDER or
// PATH given on the command line is checked.
#include <ostream>
#include <string>

constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// The run finished, but part of it could not be done: a folder below could
// not be read. A scheduled task must learn that part of the library was
// left out.
constexpr int kExitIncomplete = 3;
// check: the movies checked have problems pyTivo or the TiVo will get wrong.
constexpr int kExitProblems = 4;

// The folder as an absolute path (the scanner and the log want one, and a
// relative "." has no name to take the series title from); false with a
// message on err when it is missing, not a folder or cannot be read.
bool ResolveFolder(const std::string& given, std::string& folder, std::ostream& err);

// A path that names a movie file or a folder, made absolute; false with a
// message on err when nothing is there.
bool ResolvePath(const std::string& given, std::string& path, bool& isFolder, std::ostream& err);
