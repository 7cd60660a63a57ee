#include "core/runs/GenerateLookup.h"

#include <map>
#include <memory>
#include <set>
#include <tuple>

#include "core/library/LibraryPlan.h"
#include "core/log/ActivityLog.h"
#include "core/lookup/TmdbCache.h"
#include "core/lookup/TmdbMatch.h"
#include "core/runs/GenerateRun.h"

namespace {

using State = LookupOutcome::State;

std::string Plural(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// One line per show or movie left unmatched (its files share the reason),
// with the candidates to choose from.
void LogUnmatched(const std::vector<LookupItem>& items, const LookupReport& report, ActivityLog& log)
{
    using Key = std::tuple<int, std::string, int, std::string>;
    std::map<Key, size_t> files;
    std::vector<std::pair<Key, size_t>> order;  // each key with its first item, in the files' order
    for (size_t i = 0; i < items.size(); ++i) {
        const LookupOutcome& outcome = report.outcomes[i];
        if (outcome.state != State::Unmatched)
            continue;
        const Key key{static_cast<int>(items[i].kind), items[i].name, items[i].year, outcome.reason};
        if (files[key]++ == 0)
            order.emplace_back(key, i);
    }
    for (const auto& [key, first] : order) {
        const LookupItem& item = items[first];
        const LookupOutcome& outcome = report.outcomes[first];
        std::string line = "Not matched on TMDB: \"" + item.name + "\"";
        if (item.year)
            line += " (" + std::to_string(item.year) + ")";
        line += ", " + Plural(files[key], "file", "files") + ": " + outcome.reason + ".";
        if (!outcome.candidates.empty()) {
            line += " Candidates:";
            for (size_t c = 0; c < outcome.candidates.size(); ++c)
                line += (c ? "; " : " ") + CandidateText(item.kind, outcome.candidates[c], 8);
        }
        log.AddLogEntryText("", LogSeverity::Warning, line);
    }
}

}  // namespace

void GenerateLookup::Say(ActivityLog& log, const std::string& notice)
{
    if (said_.insert(notice).second)
        log.AddLogEntryText("", LogSeverity::Warning, notice);
}

LookupReport GenerateLookup::Before(GenerateRequest& request, ActivityLog& log,
                                    const std::function<bool(const LookupProgress&)>& progress)
{
    LookupReport report;
    if (!request.metadata.parseNames) {
        Say(log, "Nothing was looked up on TMDB: titles are looked up by the names read from the files, and this "
                 "run does not read them.");
        return report;
    }
    const LibraryPlan plan = PlanLibrary(request.folder, request.entries, request.metadata);
    const std::set<std::string> only(request.writeOnly.begin(), request.writeOnly.end());
    std::vector<LookupItem> items;
    std::vector<std::string> entries;
    std::vector<LookupItem> all = LookupItemsOf(plan);
    for (size_t i = 0; i < plan.movies.size(); ++i) {
        if (only.empty() || only.count(plan.movies[i].entry)) {
            items.push_back(std::move(all[i]));
            entries.push_back(plan.movies[i].entry);
        }
    }
    if (items.empty())
        return report;
    TmdbCache cache(setup_.cacheFolder);
    TmdbClient client(setup_.tmdb, &cache);
    report = LookUpOnTmdb(items, client, setup_.matches, progress);
    for (const std::string& notice : report.notices)
        Say(log, notice);
    LogUnmatched(items, report, log);

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
    return report;
}
