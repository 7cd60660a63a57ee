#pragma once
// reelmark-cli lookup: what TMDB would give each movie's metadata file, the
// show or movie it was matched to, or why not and the candidates; with
// --candidates NAME, what TMDB finds for a name. Nothing is written but
// TMDB's answers to the user's cache.
#include <ostream>

struct CliArguments;

int LookupCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);
