#pragma once
// The lookup of a library's files on TMDB: what each file's metadata would
// get from TMDB (pyTivo's keys, source "TMDB"), or why it gets nothing. A
// show is asked once for all its files: one search (none when the user has
// chosen its TMDB id), its own answer, and one answer per season its files
// need, each from the cache when it holds it; a movie is one search and
// its own answer. Shows and movies are looked up on 4 threads; the caller's
// thread hears the progress and may stop the lookup.
#include <functional>
#include <string>
#include <vector>

#include "core/lookup/TmdbAnswers.h"
#include "core/pytivo/PyTivoValues.h"

class TmdbCache;
class TmdbClient;
struct TmdbSettings;
struct LibraryPlan;
struct PlanValueLayer;

// One file to look up: what the library's names say of it.
struct LookupItem {
    TmdbKind kind = TmdbKind::Movie;
    std::string name;     // the show's name or the movie's title
    int year = 0;         // the show's or the movie's year; 0: not known
    int season = -1;      // an episode's season (0: specials); -1: not known
    int episode = -1;     // its episode; -1: not known
    int lastEpisode = -1;   // the last episode a file of several holds
    std::string airDate;  // a daily show's episode: "YYYY-MM-DD"
};

struct LookupOutcome {
    enum class State { Matched, Unmatched, NotLookedUp };
    State state = State::NotLookedUp;
    TmdbCandidate match;    // the show or movie taken (id, name, year)
    PyTivoValues values;    // what TMDB gives the file
    // Unmatched for want of a single candidate: those the user may choose from.
    std::vector<TmdbCandidate> candidates;
    std::string reason;     // unmatched or not looked up: why
};

struct LookupProgress {
    int titles = 0;      // shows and movies to look up
    int titlesDone = 0;
    int requests = 0;    // sent to TMDB
    int fromCache = 0;   // answers the cache gave
    int unmatched = 0;   // files without a match so far
};

struct LookupReport {
    std::vector<LookupOutcome> outcomes;  // one per item, in their order
    LookupProgress totals;
    // Lines for the user, each once: a refused key, the cache, no key.
    std::vector<std::string> notices;
    bool stopped = false;
};

// The TMDB ids the user chose (the [Matches] settings, --match): a name,
// with its year or without, to a show's or a movie's id.
class TmdbMatches {
public:
    // name: "Doctor Who" or "Doctor Who (2005)"; id: "57243", or
    // "tv/57243" / "movie/550" for one kind only. False for an id that is
    // no such text.
    bool Add(const std::string& name, const std::string& id);
    // The id chosen for the name and year (a choice with the year first,
    // then one without); 0 when none.
    long long Find(TmdbKind kind, const std::string& name, int year) const;

private:
    struct Choice {
        std::string name;  // normalized
        int year;
        int kind;  // -1 either, else a TmdbKind
        long long id;
    };
    std::vector<Choice> choices_;
};

// The plan's files as lookups: each movie by its title and year, each
// episode by its show's name and year, its season and episode or the day
// its name gives. The plan must read names (MetadataTemplate::parseNames).
std::vector<LookupItem> LookupItemsOf(const LibraryPlan& plan);

// progress: called on the caller's thread now and then and at the end;
// false stops the lookup (what was not looked up stays NotLookedUp).
LookupReport LookUpOnTmdb(const std::vector<LookupItem>& items, TmdbClient& client, const TmdbMatches& matches,
                          const std::function<bool(const LookupProgress&)>& progress = nullptr);

// A matched file's values as the layer Generate lays over its plan
// (GenerateRequest::layOver): origin "TMDB", one line per value (a list
// key's items each on a line of their own), under the library's own files
// (overOtherFiles false). No lines for a file without a match.
PlanValueLayer TmdbLayerOf(const LookupOutcome& outcome);

// The values the cache alone gives the plan's files (nothing is sent,
// whatever tmdb says), laid under the library's own files as a
// Generate with the lookup lays them, each movie's keys planned again
// without other files (PlanAgainst): what a list of the files shows before
// anything is looked up or written.
void LayCachedValuesOver(LibraryPlan& plan, TmdbSettings tmdb, const TmdbMatches& matches, TmdbCache& cache);

// What TMDB finds for a name ("Doctor Who (2005)": with its year), shows
// and movies, for the user to choose from; why holds what went wrong.
struct TmdbFound {
    std::vector<TmdbCandidate> shows;
    std::vector<TmdbCandidate> movies;
    std::string why;
};
TmdbFound FindOnTmdb(const std::string& name, TmdbClient& client);

// "Doctor Who (2005)" as "Doctor Who" and 2005; a name without a year as it is.
void SplitNameAndYear(const std::string& text, std::string& name, int& year);
