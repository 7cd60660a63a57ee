#include "core/runs/GenerateLookup.h"

#include <map>
#include <memory>
#include <set>
#include <tuple>

#include "core/folders/FolderIndex.h"
#include "core/library/LibraryPlan.h"
#include "core/metadata/MetadataWriter.h"
#include "core/log/ActivityLog.h"
#include "core/lookup/TmdbCache.h"
#include "core/lookup/TmdbMatch.h"
#include "core/runs/GenerateRun.h"
#include "platform/Paths.h"

namespace {

using State = LookupOutcome::State;

std::string Plural(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The shows and movies left unmatched (their files share the reason).
std::vector<UnmatchedTitle> UnmatchedOf(const std::vector<LookupItem>& items, const LookupReport& report)
{
    std::vector<UnmatchedTitle> titles;
    std::map<std::tuple<int, std::string, int, std::string>, size_t> known;
    for (size_t i = 0; i < items.size(); ++i) {
        const LookupOutcome& outcome = report.outcomes[i];
        if (outcome.state != State::Unmatched)
            continue;
        const auto key = std::make_tuple(static_cast<int>(items[i].kind), items[i].name, items[i].year, outcome.reason);
        const auto found = known.find(key);
        if (found != known.end()) {
            ++titles[found->second].files;
            continue;
        }
        known.emplace(key, titles.size());
        titles.push_back({items[i].kind, items[i].name, items[i].year, 1, outcome.reason, outcome.candidates});
    }
    return titles;
}

// One line per show or movie, with the candidates to choose from.
void LogUnmatched(const std::vector<UnmatchedTitle>& titles, ActivityLog& log)
{
    for (const UnmatchedTitle& title : titles) {
        std::string line = "Not matched on TMDB: \"" + title.name + "\"";
        if (title.year)
            line += " (" + std::to_string(title.year) + ")";
        line += ", " + Plural(title.files, "file", "files") + ": " + title.reason + ".";
        if (!title.candidates.empty()) {
            line += " Candidates:";
            for (size_t c = 0; c < title.candidates.size(); ++c)
                line += (c ? "; " : " ") + CandidateText(title.kind, title.candidates[c], 8);
        }
        log.AddLogEntryText("", LogSeverity::Warning, line);
    }
}

// Whether the run will skip a movie: its metadata file is there and is not
// to be replaced. Each folder is read once.
class ExistingFiles {
public:
    explicit ExistingFiles(const GenerateRequest& request) : request_(request) {}
    bool Skipped(const PlannedMovie& movie)
    {
        if (request_.replaceExisting)
            return false;
        const std::string target =
            request_.metaFolder ? MetaFolderPathOf(movie.moviePath) : MetadataPathOf(movie.moviePath);
        std::unique_ptr<FolderIndex>& index = folders_[ParentFolderOf(target)];
        if (!index)
            index = std::make_unique<FolderIndex>(ParentFolderOf(target));
        return HasMetadata(*index, FileNameOf(movie.moviePath, true));
    }

private:
    const GenerateRequest& request_;
    std::map<std::string, std::unique_ptr<FolderIndex>> folders_;
};

}  // namespace

void GenerateLookup::Say(ActivityLog& log, const std::string& notice)
{
    if (said_.insert(notice).second)
        log.AddLogEntryText("", LogSeverity::Warning, notice);
}

GenerateLookupResult GenerateLookup::Before(GenerateRequest& request, ActivityLog& log,
                                            const std::function<bool(const LookupProgress&)>& progress)
{
    GenerateLookupResult result;
    LookupReport& report = result.report;
    if (!request.metadata.parseNames) {
        Say(log, "Nothing was looked up on TMDB: titles are looked up by the names read from the files, and this "
                 "run does not read them.");
        return result;
    }
    const LibraryPlan plan = PlanLibrary(request.folder, request.entries, request.metadata);
    const std::set<std::string> only(request.writeOnly.begin(), request.writeOnly.end());
    std::vector<LookupItem> items;
    std::vector<std::string> entries;
    std::vector<LookupItem> all = LookupItemsOf(plan);
    // A movie whose file the run skips costs TMDB nothing.
    ExistingFiles existing(request);
    for (size_t i = 0; i < plan.movies.size(); ++i) {
        if ((only.empty() || only.count(plan.movies[i].entry)) && !existing.Skipped(plan.movies[i])) {
            items.push_back(std::move(all[i]));
            entries.push_back(plan.movies[i].entry);
        }
    }
    if (items.empty())
        return result;
    TmdbCache cache(setup_.cacheFolder);
    TmdbClient client(setup_.tmdb, &cache);
    report = LookUpOnTmdb(items, client, setup_.matches, progress);
    for (const std::string& notice : report.notices)
        Say(log, notice);
    result.unmatched = UnmatchedOf(items, report);
    LogUnmatched(result.unmatched, log);

    auto layers = std::make_shared<std::map<std::string, PlanValueLayer>>();
    size_t matched = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (report.outcomes[i].state == State::Matched) {
            (*layers)[entries[i]] = TmdbLayerOf(report.outcomes[i]);
            ++matched;
        }
    }
    log.AddLogEntryText("", LogSeverity::Information,
                        "Looked up on TMDB: " + Plural(items.size(), "movie file", "movie files") + ", " +
                            std::to_string(matched) + " matched; " +
                            Plural(report.totals.requests, "request", "requests") + ", " +
                            Plural(report.totals.fromCache, "answer", "answers") + " from the cache" +
                            (report.stopped ? "; stopped before the end." : "."));
    if (!layers->empty()) {
        request.layOver = [layers, before = request.layOver](PlannedMovie& movie) {
            if (before)
                before(movie);
            const auto found = layers->find(movie.entry);
            if (found != layers->end())
                movie.layers.push_back(found->second);
        };
    }
    return result;
}
