#include "cli/CliReport.h"

#include "cli/CliLookup.h"
#include "cli/JsonText.h"
#include "core/lookup/TmdbMatch.h"
#include "core/runs/GenerateLookup.h"
#include "core/runs/GenerateRun.h"
#include "platform/Paths.h"

namespace {

// The document's head, up to the opening of its movie list.
void PrintHead(const std::string& folder, std::ostream& out)
{
    out << "{\"folder\": " << JsonString(folder) << ", \"movies\": [";
}

// Ends the movie list; the totals' object follows.
void EndMovies(bool empty, std::ostream& out)
{
    out << (empty ? "]" : "\n]");
}

const char* ResultName(FileResult result)
{
    switch (result) {
        case FileResult::Created:
            return "created";
        case FileResult::Replaced:
            return "replaced";
        case FileResult::Skipped:
            return "skipped";
        case FileResult::Failed:
            break;
    }
    return "failed";
}

}  // namespace

void PrintListJson(const std::string& folder, const std::vector<MovieListing>& movies, int unread,
                   std::ostream& out)
{
    const std::string root = StripTrailingSeparator(folder);
    PrintHead(folder, out);
    int withMetadata = 0;
    for (size_t i = 0; i < movies.size(); ++i) {
        const MovieListing& movie = movies[i];
        withMetadata += movie.hasMetadata ? 1 : 0;
        out << (i ? ",\n " : "\n ") << "{\"movie\": " << JsonString(root + kSeparator + movie.name)
            << ", \"hasMetadata\": " << (movie.hasMetadata ? "true" : "false")
            << ", \"otherSources\": " << (movie.otherSources ? "true" : "false") << ", \"state\": \""
            << (movie.hasMetadata ? "own" : movie.otherSources ? "other" : "none") << "\"}";
    }
    EndMovies(movies.empty(), out);
    out << ", \"totals\": {\"movies\": " << movies.size() << ", \"withMetadata\": " << withMetadata
        << ", \"unreadFolders\": " << unread << "}}\n";
}

GenerateJson::GenerateJson(const std::string& folder, std::ostream& out) : out_(out)
{
    PrintHead(folder, out_);
}

void GenerateJson::Add(const FileOutcome& outcome)
{
    out_ << (first_ ? "\n " : ",\n ") << "{\"movie\": " << JsonString(outcome.moviePath)
         << ", \"metadataFile\": " << JsonString(outcome.metadataPath) << ", \"result\": \""
         << ResultName(outcome.result) << "\"";
    if (outcome.result == FileResult::Failed || !outcome.reason.empty())
        out_ << ", \"reason\": " << JsonString(outcome.reason);
    if (!outcome.plan.empty())
        out_ << ", \"plan\": " << JsonString(outcome.plan);
    out_ << "}";
    first_ = false;
}

void GenerateJson::Finish(const GenerateResult& result, int unread, const GenerateLookupResult* lookup)
{
    EndMovies(first_, out_);
    if (result.refused)
        out_ << ", \"refused\": " << JsonString(result.refusal);
    if (lookup) {
        out_ << ", \"lookup\": {\"requests\": " << lookup->report.totals.requests
             << ", \"fromCache\": " << lookup->report.totals.fromCache << ", \"unmatched\": [";
        for (size_t i = 0; i < lookup->unmatched.size(); ++i) {
            const UnmatchedTitle& title = lookup->unmatched[i];
            out_ << (i ? ",\n  " : "\n  ") << "{\"kind\": \"" << TmdbKindName(title.kind)
                 << "\", \"name\": " << JsonString(title.name) << ", \"year\": " << title.year
                 << ", \"files\": " << title.files << ", \"reason\": " << JsonString(title.reason)
                 << ", \"candidates\": [";
            for (size_t c = 0; c < title.candidates.size(); ++c)
                out_ << (c ? ", " : "") << JsonCandidate(title.kind, title.candidates[c]);
            out_ << "]}";
        }
        out_ << (lookup->unmatched.empty() ? "]}" : "\n]}");
    }
    out_ << ", \"totals\": {\"created\": " << result.created - result.replaced << ", \"replaced\": "
         << result.replaced << ", \"skipped\": " << result.skipped << ", \"failed\": " << result.failed
         << ", \"unreadFolders\": " << unread << "}}\n";
}
