#pragma once
// The movie folder and every folder below it, for the sub-folder view of the
// movie list, its Generate and reelmark-cli's --recursive. One pass: each
// folder is read once (a FolderIndex, which also tells which movies have
// metadata files); nothing is asked name by name.
#include <functional>
#include <string>
#include <vector>

#include "core/FolderIndex.h"

class ActivityLog;

// Whether the walk goes into this entry of a folder: a folder that is no
// link (a junction or symbolic link may lead back up the tree, into a loop,
// or to another disk) and not the program's own work folder.
bool WalkEntersFolder(const FolderEntry& entry);

// The series title of the movies in the folder at relativeFolder below the
// movie folder (movieFolder, a full path; relativeFolder "" for the movie
// folder itself, whose title is topTitle, the Series Title the user sees):
// the folder's own name, or for a season folder (SeasonOfFolderName) the
// title of the folder above it. When the movie folder is itself a season
// folder and topTitle is still its own name, the folder above it gives the
// title ("D:\TV\Dr Who\Season 1" gives "Dr Who"). A season folder with no
// named folder above it (under a drive root) keeps its own name.
std::string SeriesTitleOfFolder(const std::string& movieFolder, const std::string& relativeFolder,
                                const std::string& topTitle);

// One folder the walk has read.
struct WalkedFolder {
    std::string relative;  // below the movie folder ("" for the movie folder itself)
    const FolderIndex& index;
    // Progress over the movie folder's own sub-folders: the walk is in
    // number `topDone` (from 0) of `topTotal`.
    int topDone;
    int topTotal;
};

// Visits the folder and every folder below it, a folder before its
// sub-folders and these in name order (depth first). A sub-folder that
// cannot be read is logged, counted in *unread (when given) and skipped; a
// linked one is left out and logged once while the program runs.
// visit returns false to stop the walk; the result is false then.
bool WalkFolderTree(const std::string& folder, ActivityLog& log,
                    const std::function<bool(const WalkedFolder&)>& visit, int* unread = nullptr);

// The movie files of the folder and of every folder below it, each as its
// path relative to the folder, with whether it has a metadata file, in the
// walk's order (each folder's movies in name order). keepGoing (when given)
// is asked at every folder; false stops the walk and the result is what was
// found until then, with stopped set. Folders that could not be read are
// counted in *unread.
std::vector<MovieListing> ListMoviesBelow(const std::string& folder, ActivityLog& log,
                                          const std::function<bool(const WalkedFolder&)>& keepGoing = nullptr,
                                          bool* stopped = nullptr, int* unread = nullptr);

// "Dr Who\Season 1\a.mpg" -> "Dr Who\Season 1"; "" for a bare name.
std::string RelativeFolderOf(const std::string& relativePath);
