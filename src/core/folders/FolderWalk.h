#pragma once
// The movie folder and every folder below it, for the sub-folder view of the
// movie list, its Generate and reelmark-cli's --recursive. One pass: each
// folder is read once (a FolderIndex, which also tells which movies have
// metadata files); nothing is asked name by name.
#include <functional>
#include <string>
#include <vector>

#include "core/folders/FolderIndex.h"

class ActivityLog;

// Whether the walk goes into this entry of a folder: a folder that is no
// link (a junction or symbolic link may lead back up the tree, into a loop,
// or to another disk) and not the program's own work folder.
bool WalkEntersFolder(const FolderEntry& entry);

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

// "Dr Who\Season 1\a.mpg" -> "Dr Who\Season 1"; "" for a bare name.
std::string RelativeFolderOf(const std::string& relativePath);
// "Dr Who\Season 1" and "a.mpg" -> "Dr Who\Season 1\a.mpg"; "" and "a.mpg" -> "a.mpg".
std::string RelativePathOf(const std::string& relativeFolder, const std::string& name);
