#include "cli/CliLookup.h"

#include <vector>

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliTemplate.h"
#include "cli/JsonText.h"
#include "core/folders/FolderIndex.h"
#include "core/library/LibraryPlan.h"
#include "core/library/MovieList.h"
#include "core/log/ActivityLog.h"
#include "core/lookup/TmdbCache.h"
#include "core/lookup/TmdbClient.h"
#include "core/lookup/TmdbLookup.h"
#include "core/lookup/TmdbMatch.h"
#include "core/lookup/TmdbSetup.h"
#include "core/runs/GenerateLookup.h"
#include "platform/HomeFolder.h"
#include "platform/Paths.h"

namespace {

// The files of the command line, planned as Generate would plan them with
// names read.
struct LookedUpFiles {
    std::vector<std::string> paths;
    std::vector<LookupItem> items;
    int unread = 0;
};

bool AddPath(const std::string& given, const CliArguments& arguments, const Settings& settings, ActivityLog& log,
             LookedUpFiles& files, std::ostream& err)
{
    std::string path;
    bool isFolder = false;
    if (!ResolvePath(given, path, isFolder, err))
        return false;
    const std::string folder = isFolder ? path : ParentFolderOf(path);
    std::vector<std::string> entries;
    if (!isFolder) {
        entries.push_back(FileNameOf(path, true));
    } else {
        for (const MovieListing& movie : arguments.recursive ? ListMoviesBelow(folder, log, nullptr, nullptr, &files.unread)
                                                             : MoviesIn(FolderIndex(folder)))
            entries.push_back(movie.name);
    }
    MetadataTemplate metadata = TemplateFromSettings(settings, LastPathComponent(folder));
    metadata.parseNames = true;
    const LibraryPlan plan = PlanLibrary(folder, entries, metadata);
    for (const PlannedMovie& movie : plan.movies)
        files.paths.push_back(movie.moviePath);
    for (LookupItem& item : LookupItemsOf(plan))
        files.items.push_back(std::move(item));
    return true;
}


std::string JsonValue(const PyTivoValue& value)
{
    if (value.kind != PyTivoValue::Kind::List)
        return JsonString(value.text);
    std::string items;
    for (const PyTivoItem& item : value.items)
        items += (items.empty() ? "" : ", ") + JsonString(item.text);
    return "[" + items + "]";
}

const char* StateName(LookupOutcome::State state)
{
    switch (state) {
    case LookupOutcome::State::Matched:
        return "matched";
    case LookupOutcome::State::Unmatched:
        return "unmatched";
    default:
        return "not looked up";
    }
}

void PrintLines(const LookedUpFiles& files, const LookupReport& report, std::ostream& out)
{
    for (size_t i = 0; i < files.paths.size(); ++i) {
        const LookupOutcome& outcome = report.outcomes[i];
        const TmdbKind kind = files.items[i].kind;
        out << files.paths[i] << "\n";
        if (outcome.state != LookupOutcome::State::Matched) {
            out << "  " << StateName(outcome.state) << ": " << outcome.reason << "\n";
            for (const TmdbCandidate& candidate : outcome.candidates)
                out << "  candidate " << CandidateText(kind, candidate) << "\n";
            continue;
        }
        out << "  TMDB " << CandidateText(kind, outcome.match, 0) << "\n";
        for (const auto& [key, value] : outcome.values) {
            if (value.kind == PyTivoValue::Kind::List) {
                for (const PyTivoItem& item : value.items)
                    out << "  " << key << " : " << item.text << "\n";
            } else {
                out << "  " << key << " : " << value.text << "\n";
            }
        }
    }
}

void PrintJson(const LookedUpFiles& files, const LookupReport& report, std::ostream& out)
{
    int counts[3] = {0, 0, 0};
    out << "{\"movies\": [";
    for (size_t i = 0; i < files.paths.size(); ++i) {
        const LookupOutcome& outcome = report.outcomes[i];
        const TmdbKind kind = files.items[i].kind;
        ++counts[static_cast<int>(outcome.state)];
        out << (i ? ",\n  " : "\n  ") << "{\"movie\": " << JsonString(files.paths[i]) << ", \"lookup\": \""
            << StateName(outcome.state) << "\"";
        if (outcome.state == LookupOutcome::State::Matched) {
            out << ", \"tmdb\": " << JsonCandidate(kind, outcome.match) << ", \"values\": {";
            bool first = true;
            for (const auto& [key, value] : outcome.values) {
                out << (first ? "" : ", ") << JsonString(key) << ": " << JsonValue(value);
                first = false;
            }
            out << "}";
        } else {
            out << ", \"reason\": " << JsonString(outcome.reason) << ", \"candidates\": [";
            for (size_t c = 0; c < outcome.candidates.size(); ++c)
                out << (c ? ", " : "") << JsonCandidate(kind, outcome.candidates[c]);
            out << "]";
        }
        out << "}";
    }
    out << (files.paths.empty() ? "]" : "\n]") << ", \"notices\": [";
    for (size_t n = 0; n < report.notices.size(); ++n)
        out << (n ? ", " : "") << JsonString(report.notices[n]);
    out << "], \"totals\": {\"movies\": " << files.paths.size() << ", \"matched\": " << counts[0]
        << ", \"unmatched\": " << counts[1] << ", \"notLookedUp\": " << counts[2]
        << ", \"requests\": " << report.totals.requests << ", \"fromCache\": " << report.totals.fromCache
        << ", \"unreadFolders\": " << files.unread << "}}\n";
}

int CandidatesCommand(const CliArguments& arguments, TmdbClient& client, std::ostream& out, std::ostream& err)
{
    const TmdbFound found = FindOnTmdb(arguments.candidates, client);
    if (!found.why.empty()) {
        err << "reelmark-cli: " << found.why << "\n";
        return kExitFailed;
    }
    if (arguments.json) {
        out << "{\"name\": " << JsonString(arguments.candidates) << ", \"candidates\": [";
        size_t n = 0;
        for (const TmdbKind kind : {TmdbKind::Show, TmdbKind::Movie}) {
            for (const TmdbCandidate& candidate : kind == TmdbKind::Show ? found.shows : found.movies)
                out << (n++ ? ",\n  " : "\n  ") << JsonCandidate(kind, candidate);
        }
        out << (n ? "\n]}\n" : "]}\n");
        return kExitSuccess;
    }
    for (const TmdbKind kind : {TmdbKind::Show, TmdbKind::Movie}) {
        for (const TmdbCandidate& candidate : kind == TmdbKind::Show ? found.shows : found.movies)
            out << CandidateText(kind, candidate) << "\n";
    }
    out << found.shows.size() << (found.shows.size() == 1 ? " show, " : " shows, ") << found.movies.size()
        << (found.movies.size() == 1 ? " movie" : " movies") << " on TMDB; choose one with --match \"NAME=ID\"\n";
    return kExitSuccess;
}

}  // namespace

std::string JsonCandidate(TmdbKind kind, const TmdbCandidate& candidate)
{
    return std::string("{\"kind\": \"") + TmdbKindName(kind) + "\", \"id\": " + std::to_string(candidate.id) +
           ", \"name\": " + JsonString(candidate.name) + ", \"year\": " + std::to_string(candidate.year) +
           ", \"overview\": " + JsonString(OverviewStart(candidate.overview)) + "}";
}

bool PrepareTmdb(const CliArguments& arguments, const Settings& settings, const std::string& iniPath,
                 GenerateLookupSetup& setup, std::ostream& err)
{
    setup.tmdb = TmdbSettingsFor(settings, arguments.tmdbKey, arguments.offline);
    std::vector<std::string> leftOut;
    setup.matches = TmdbMatchesOf(settings, leftOut);
    for (const std::string& choice : leftOut)
        err << "reelmark-cli: the choice " << choice << " in [" << kMatchesSection << "] of " << iniPath
            << " names no TMDB id; it is left out\n";
    for (const std::string& match : arguments.matches) {
        const size_t equals = match.rfind('=');
        if (!setup.matches.Add(match.substr(0, equals), match.substr(equals + 1))) {
            err << "reelmark-cli: --match \"" << match
                << "\" needs NAME=ID with a TMDB id (57243, tv/57243 or movie/949)\n";
            return false;
        }
    }
    setup.cacheFolder = UserCacheFolder();
    if (setup.cacheFolder.empty())
        err << "reelmark-cli: the system names no cache folder for this user; TMDB's answers are not kept\n";
    return true;
}

bool LookupProgressLine::Show(const LookupProgress& progress)
{
    if (!shown_)
        return true;
    const std::string line = "Looking up on TMDB: " + std::to_string(progress.titlesDone) + " of " +
                             std::to_string(progress.titles) + " shows and movies, " +
                             std::to_string(progress.requests) + " requests, " +
                             std::to_string(progress.fromCache) + " from the cache, " +
                             std::to_string(progress.unmatched) + " unmatched";
    if (line != last_) {
        err_ << "\r" << line << std::flush;
        last_ = line;
    }
    return true;
}

LookupProgressLine::~LookupProgressLine()
{
    if (!last_.empty())
        err_ << "\n";
}

int LookupCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    ActivityLog log;
    log.SetListener([&err](const std::string& line) { err << line; });
    Settings settings;
    const std::string iniPath = SettingsFileOf(arguments, HomeFolder());
    GenerateLookupSetup setup;
    if (!ReadCommandSettings(arguments, iniPath, settings, log, err) ||
        !PrepareTmdb(arguments, settings, iniPath, setup, err))
        return kExitUsage;
    if (setup.tmdb.key.empty() && !setup.tmdb.offline) {
        err << "reelmark-cli: no TMDB key: give one with --tmdb-key, REELMARK_TMDB_KEY or TmdbKey in [Config] of "
            << kIniFileName << " (or use --offline for the answers kept in the cache)\n";
        return kExitUsage;
    }
    TmdbCache cache(setup.cacheFolder);
    TmdbClient client(setup.tmdb, &cache);
    if (!arguments.candidates.empty())
        return CandidatesCommand(arguments, client, out, err);

    LookedUpFiles files;
    int exitCode = kExitSuccess;
    for (const std::string& given : arguments.paths) {
        if (!AddPath(given, arguments, settings, log, files, err))
            exitCode = kExitUsage;
    }
    LookupReport report;
    {
        LookupProgressLine line(err, !arguments.json);
        report = LookUpOnTmdb(files.items, client, setup.matches, line.Callback());
    }
    for (const std::string& notice : report.notices)
        err << "reelmark-cli: " << notice << "\n";
    if (arguments.json) {
        PrintJson(files, report, out);
    } else {
        PrintLines(files, report, out);
        int matched = 0;
        for (const LookupOutcome& outcome : report.outcomes)
            matched += outcome.state == LookupOutcome::State::Matched ? 1 : 0;
        out << files.paths.size() << (files.paths.size() == 1 ? " movie file, " : " movie files, ") << matched
            << " matched on TMDB; " << report.totals.requests << " requests, " << report.totals.fromCache
            << " answers from the cache\n";
    }
    if (exitCode != kExitSuccess)
        return exitCode;
    if (client.KeyRefused())
        return kExitFailed;
    return files.unread > 0 ? kExitIncomplete : kExitSuccess;
}
