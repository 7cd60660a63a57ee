#pragma once
// The system's word that something changed in a watched folder, so that a
// program waiting for new files reads nothing until something happens:
// inotify natively, ReadDirectoryChangesW on Windows. A change names a path
// below the watched folder; what is there and whether it matters the
// caller finds out by looking. Changes can be missed (a full queue, a
// network share whose other users the system does not hear): the caller
// looks at everything again now and then.
#include <memory>
#include <string>
#include <vector>

#include "platform/SystemError.h"

class StopSignal;

struct FolderChange {
    enum class Kind {
        Written,  // made, written, renamed to this name, or its times set
        Removed,  // deleted, or renamed away from this name
        Lost,     // the system dropped changes: anything may have changed
        Gone,     // the watched folder went away or can no longer be watched
    };
    Kind kind = Kind::Written;
    // Below the watched folder, with the system's separator; empty for
    // Lost and Gone.
    std::string path;
};

// A limit of the system's that a watch ran into, as an administrator
// raises it.
struct WatchLimit {
    std::string name;      // "fs.inotify.max_user_watches"; empty: the error is no limit
    long long value = -1;  // its value here; -1 when it cannot be read
};

class FolderWatch {
public:
    FolderWatch();
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Starts watching the folder (a watch that runs is stopped first), with
    // subtree the folders below it too; 0 or the system's error code.
    // Where the system watches folder by folder (inotify), a folder below
    // is watched once Cover names it.
    SystemError Start(const std::string& folder, bool subtree);
    // Lets go of the folder; nothing is watched until the next Start.
    void Stop();
    bool IsWatching() const;
    // Watches the folder at the path below the watched one too, where the
    // system watches folder by folder; elsewhere the subtree is watched
    // already. 0 or the error code (the system's number of watches is used
    // up, the folder went). Links are never followed.
    SystemError Cover(const std::string& relative);
    // The limit an error of Start or Cover means: the number of folders
    // one user may watch (natively fs.inotify.max_user_watches, and in a
    // user namespace the lower user.max_inotify_watches) or of watches
    // that user may have (fs.inotify.max_user_instances). None on Windows.
    static WatchLimit LimitOf(SystemError error);
    // Waits until changes come, the seconds have passed or stop is
    // requested; appends what changed in the order the system told it.
    void Wait(double seconds, const StopSignal& stop, std::vector<FolderChange>& changes);

private:
    struct State;
    std::unique_ptr<State> state_;
};
