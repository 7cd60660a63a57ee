#pragma once
// reelmark-cli check: what pyTivo or the TiVo will get wrong about each
// movie's metadata (core/pytivo/TiVoProblems.h).
#include <ostream>

struct CliArguments;

// Checks each PATH (a movie file, or a folder's movies and metadata files,
// with --recursive those of the folders below too) and prints the problems
// as lines or, with --json, as one JSON document; returns the exit code:
// kExitProblems when any was found.
int CheckCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);
