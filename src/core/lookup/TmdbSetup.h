#pragma once
// Where a lookup takes its key, TMDB's address and the user's choices
// from, the same for every command and window that looks up.
#include <string>
#include <vector>

#include "core/lookup/TmdbClient.h"
#include "core/lookup/TmdbLookup.h"
#include "core/settings/Settings.h"

// The key given (--tmdb-key) over REELMARK_TMDB_KEY over the settings'
// TmdbKey; REELMARK_TMDB_URL over TmdbUrl over TMDB's own address; the
// program's name and version as its user agent.
TmdbSettings TmdbSettingsFor(const Settings& settings, const std::string& givenKey, bool offline);

// The settings' [Matches] as choices; a choice that names no TMDB id is
// left out and named in leftOut ("NAME=ID").
TmdbMatches TmdbMatchesOf(const Settings& settings, std::vector<std::string>& leftOut);

// Keeps the user's choice in the settings' [Matches]: "Doctor Who (2005)"
// (the name with its year when it has one) = "tv/57243", replacing an
// earlier choice of the same name.
void RememberMatch(Settings& settings, TmdbKind kind, const std::string& name, int year, long long id);
