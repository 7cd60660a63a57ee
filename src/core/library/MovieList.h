#pragma once
// The movies of the movie list and of reelmark-cli list: each with whether
// it has its own metadata file (from the folder's one reading) and whether
// other files pyTivo reads hold metadata for it (a .nfo, a default.txt, the
// ".meta" folder; from the pyTivo view's folder readings, no file opened).
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/pytivo/PyTivoView.h"

class ActivityLog;

// What other files give each listed movie without a metadata file of its
// own that they describe (ReadOtherSources), read during the listing's own
// walk: a Generate's plan of its file is decided against it (PlanAgainst).
class OtherSourceViews {
public:
    // own: which file is Reelmark's (the one Generate would write).
    explicit OtherSourceViews(OwnFile own) : own_(own) {}

    // The view of the movie at entry (a path below the movie folder);
    // nullptr when no other file describes it.
    const PyTivoView* Of(const std::string& entry) const;
    // Reads the views of the listed movies of one folder (relative: below
    // the movie folder), as their folder readings show them.
    void Read(const PyTivoFolder& folder, const std::string& relative, const std::vector<MovieListing>& movies,
              PyTivoRunCache& cache);

private:
    OwnFile own_;
    std::unordered_map<std::string, PyTivoView> views_;
};

// The movie files of the folder in the order names are shown; with views,
// what other files give them.
std::vector<MovieListing> ListMoviesWithMetadata(const std::string& folder, OtherSourceViews* views = nullptr);

// The movie files of the folder and of every folder below it, each as its
// path relative to the folder, in the walk's order (each folder's movies in
// name order). keepGoing (when given) is asked at every folder; false stops
// the walk and the result is what was found until then, with stopped set.
// Folders that could not be read are counted in *unread. With views, what
// other files give the movies is read on the way.
std::vector<MovieListing> ListMoviesBelow(const std::string& folder, ActivityLog& log,
                                          const std::function<bool(const WalkedFolder&)>& keepGoing = nullptr,
                                          bool* stopped = nullptr, int* unread = nullptr,
                                          OtherSourceViews* views = nullptr);
