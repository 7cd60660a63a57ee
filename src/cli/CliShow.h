#pragma once
// reelmark-cli show: what pyTivo makes of each movie's metadata sources.
#include <ostream>

struct CliArguments;

// Shows each PATH (a movie file, or a folder's movies, with --recursive
// those of the folders below too) as lines or, with --json, as one JSON
// array; returns the exit code.
int ShowCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);
