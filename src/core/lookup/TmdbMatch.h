#pragma once
// Which TMDB show or movie a name of the library stands for, never by a
// guess: a candidate is taken only when its name or original name is the
// library's name once both are normalized, its year is the library's year
// when the library gives one, and no other candidate is so. Otherwise
// nothing is taken, and the candidates are there for the user to choose
// from (a choice is remembered by the caller: name -> TMDB id).
#include <string>
#include <vector>

#include "core/lookup/TmdbAnswers.h"

// A name as names are compared: letters in lower case, Latin letters
// without their accents ("é" is "e", "ß" is "ss"), "&" as "and", every
// other character that is no letter or digit (spaces, dots, apostrophes,
// dashes) left out: "Marvel's Agents of S.H.I.E.L.D." and "Marvels Agents
// of S H I E L D" are both "marvelsagentsofshield".
std::string NormalizedTitle(const std::string& name);

struct TmdbChoice {
    bool matched = false;
    TmdbCandidate candidate;  // the one taken
    // Without a match, why ("2 shows are named \"The Office\"").
    std::string reason;
};

// name: the show's or movie's name as the library gives it; year: its year,
// 0 when the library gives none.
TmdbChoice ChooseCandidate(const std::string& name, int year, TmdbKind kind,
                           const std::vector<TmdbCandidate>& found);

// The first words of an overview, for a list of candidates: at most
// `words` words, "..." after them when there were more.
std::string OverviewStart(const std::string& overview, size_t words = 12);

// "tv" or "movie", as ids are given: "tv/57243".
const char* TmdbKindName(TmdbKind kind);
// A candidate for a list to choose from: "tv/57243  Doctor Who (2005)" and
// the first words of its overview (none when words is 0).
std::string CandidateText(TmdbKind kind, const TmdbCandidate& candidate, size_t words = 12);
