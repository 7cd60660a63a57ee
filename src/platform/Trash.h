#pragma once
// The Recycle Bin, for the window's Delete Selected (Windows only: nothing
// else deletes what a user may want back). A file goes there through the
// system's own delete that can be undone, and the bin holds the files of
// one call as one deletion. Under Wine the bin is the desktop's trash
// ($XDG_DATA_HOME/Trash, else ~/.local/share/Trash), which takes only files
// of its own file system.
#include <string>
#include <vector>

#include "platform/SystemError.h"

// For each file, whether it can go to a Recycle Bin: its volume has one
// (on Windows a fixed disk whose bin the user has not turned off; under
// Wine, the trash's own file system, tried with a file of the program's
// own once for each folder) and its path is short enough for the bin. A
// network share or a removable disk has none: a file there can only be
// deleted for good.
std::vector<bool> CanRecycle(const std::vector<std::string>& paths);

// Sends the files (and only files, never through a link: the caller sees
// to that) to the Recycle Bin in one call, in their order, asking nothing.
// 0, or the shell's code when anything failed (the caller looks at which
// files are still there).
SystemError SendToRecycleBin(const std::vector<std::string>& paths);
