#pragma once
// A Generate's files looked up on TMDB before they are written: each file
// the run writes that TMDB matches gets its values as a layer under the
// library's own files (TmdbLayerOf, GenerateRequest::layOver), so that they
// fill only what those files lack and the template fills what TMDB lacks;
// a file without a match keeps what it would have had without the lookup.
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/lookup/TmdbClient.h"
#include "core/lookup/TmdbLookup.h"

class ActivityLog;
struct GenerateRequest;

struct GenerateLookupSetup {
    TmdbSettings tmdb;
    TmdbMatches matches;
    std::string cacheFolder;  // the user's cache folder; empty: no cache
};

// A show or movie whose files the lookup left unmatched: its name and year
// as the files give them, why, and TMDB's candidates (when it found some).
struct UnmatchedTitle {
    TmdbKind kind = TmdbKind::Movie;
    std::string name;
    int year = 0;
    int files = 0;
    std::string reason;
    std::vector<TmdbCandidate> candidates;
};

struct GenerateLookupResult {
    LookupReport report;
    // In the order of their first files.
    std::vector<UnmatchedTitle> unmatched;
};

// Looks up the files a request writes (its entries, or those of
// writeOnly; not those whose metadata file is there and is not to be
// replaced) and sets its layOver. The log gets the lookup's notices, each
// once however many runs look up (a watch's), one line per show or movie
// left unmatched with its candidates, and a line of what the lookup did.
// Titles are looked up by the names read from the files: without name
// reading nothing is looked up and the log says why. Each run has a client
// of its own: TMDB found unreachable or a key refused in one run is asked
// again by the next.
class GenerateLookup {
public:
    explicit GenerateLookup(GenerateLookupSetup setup) : setup_(std::move(setup)) {}
    // progress: as LookUpOnTmdb's (false stops the lookup; the files not
    // looked up are written without TMDB's values).
    GenerateLookupResult Before(GenerateRequest& request, ActivityLog& log,
                        const std::function<bool(const LookupProgress&)>& progress = nullptr);

private:
    void Say(ActivityLog& log, const std::string& notice);

    GenerateLookupSetup setup_;
    std::set<std::string> said_;
};
