#pragma once
// The answers of list and generate for scripts (--json): one JSON document
// on standard output, one entry per movie and the totals, in the style of
// show --json. Paths are full paths.
//
//   list:     {"folder": F, "movies": [{"movie": P, "hasMetadata": B,
//              "otherSources": B, "state": "own" | "other" | "none"}, ...],
//              "totals": {"movies": N, "withMetadata": N, "unreadFolders": N}}
//   generate: {"folder": F, "movies": [{"movie": P, "metadataFile": P,
//              "result": "created" | "replaced" | "skipped" | "failed",
//              "reason": T (failed; a skip with nothing to add),
//              "plan": T (other files describe the movie)}, ...],
//              "refused": T (a refused run only),
//              "lookup": {"requests": N, "fromCache": N, "unmatched":
//              [{"kind": "tv" | "movie", "name": T, "year": N, "files": N,
//              "reason": T, "candidates": [candidate, ...]}, ...]}
//              (--lookup only; a candidate as lookup --json gives it),
//              "totals": {"created": N, "replaced": N, "skipped": N,
//              "failed": N, "unreadFolders": N}}
#include <ostream>
#include <string>
#include <vector>

#include "core/folders/FolderIndex.h"

struct FileOutcome;
struct GenerateLookupResult;
struct GenerateResult;

// The list of movies, each a path below folder.
void PrintListJson(const std::string& folder, const std::vector<MovieListing>& movies, int unread,
                   std::ostream& out);

// The answer of a generate run, each movie printed as its outcome comes,
// so that a large library is never held in memory twice.
class GenerateJson {
public:
    GenerateJson(const std::string& folder, std::ostream& out);
    void Add(const FileOutcome& outcome);
    // lookup: what --lookup did; nullptr without it.
    void Finish(const GenerateResult& result, int unread, const GenerateLookupResult* lookup = nullptr);

private:
    std::ostream& out_;
    bool first_ = true;
};
