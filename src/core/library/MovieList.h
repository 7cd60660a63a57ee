#pragma once
// The movies of the movie list and of reelmark-cli list: each with whether
// it has its own metadata file (from the folder's one reading) and whether
// other files pyTivo reads hold metadata for it (a .nfo, a default.txt, the
// ".meta" folder; from the pyTivo view's folder readings, no file opened).
#include <functional>
#include <string>
#include <vector>

#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"

class ActivityLog;

// The movie files of the folder in the order names are shown.
std::vector<MovieListing> ListMoviesWithMetadata(const std::string& folder);

// The movie files of the folder and of every folder below it, each as its
// path relative to the folder, in the walk's order (each folder's movies in
// name order). keepGoing (when given) is asked at every folder; false stops
// the walk and the result is what was found until then, with stopped set.
// Folders that could not be read are counted in *unread.
std::vector<MovieListing> ListMoviesBelow(const std::string& folder, ActivityLog& log,
                                          const std::function<bool(const WalkedFolder&)>& keepGoing = nullptr,
                                          bool* stopped = nullptr, int* unread = nullptr);
