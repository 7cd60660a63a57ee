#pragma once
// reelmark-cli lookup: what TMDB would give each movie's metadata file, the
// show or movie it was matched to, or why not and the candidates; with
// --candidates NAME, what TMDB finds for a name. Nothing is written but
// TMDB's answers to the user's cache. And what generate --lookup and
// watch --lookup take of it.
#include <functional>
#include <ostream>
#include <string>

#include "core/lookup/TmdbLookup.h"

struct CliArguments;
struct GenerateLookupSetup;
struct Settings;

int LookupCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);

// A candidate as the JSON answers name it: {"kind": "show" | "movie", "id":
// N, "name": T, "year": N, "overview": its first words}.
std::string JsonCandidate(TmdbKind kind, const TmdbCandidate& candidate);

// The key (--tmdb-key over REELMARK_TMDB_KEY over the settings' TmdbKey),
// TMDB's address, the chosen ids (--match over [Matches]) and the user's
// cache folder. False, having said why on err, for a --match that names no
// TMDB id; a choice of the settings that names none is left out and named.
bool PrepareTmdb(const CliArguments& arguments, const Settings& settings, const std::string& iniPath,
                 GenerateLookupSetup& setup, std::ostream& err);

// The console's progress line on the error stream, written over itself as
// the lookup goes on and ended once it is done; none when not shown (with
// --json, standard output holds the JSON answer alone and the error stream
// only the log).
class LookupProgressLine {
public:
    LookupProgressLine(std::ostream& err, bool shown) : err_(err), shown_(shown) {}
    ~LookupProgressLine();
    LookupProgressLine(const LookupProgressLine&) = delete;
    LookupProgressLine& operator=(const LookupProgressLine&) = delete;
    bool Show(const LookupProgress& progress);
    // Show, as a lookup's progress function.
    std::function<bool(const LookupProgress&)> Callback()
    {
        return [this](const LookupProgress& progress) { return Show(progress); };
    }

private:
    std::ostream& err_;
    bool shown_;
    std::string last_;
};
