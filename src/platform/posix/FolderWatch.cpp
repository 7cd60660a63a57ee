#include "platform/FolderWatch.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <map>
#include <unordered_map>

#include "platform/Paths.h"
#include "platform/StopSignal.h"

#ifdef __linux__
#include <sys/inotify.h>

namespace {

// What tells of a file that came or went or was written whole. A write
// alone (IN_MODIFY) is left out: a copy would wake the watch for every
// block; the end of the write (IN_CLOSE_WRITE) and a new size seen later
// tell enough.
constexpr uint32_t kFolderMask = IN_CREATE | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE |
                                 IN_ONLYDIR | IN_DONT_FOLLOW | IN_EXCL_UNLINK;
constexpr uint32_t kRootMask = kFolderMask | IN_DELETE_SELF | IN_MOVE_SELF;

std::string Join(const std::string& relative, const char* name)
{
    return relative.empty() ? std::string(name) : relative + kSeparator + name;
}

bool IsAtOrBelow(const std::string& path, const std::string& folder)
{
    return path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == kSeparator);
}

// A number the system keeps in a file of /proc; -1 when it cannot be read.
long long ProcNumber(const char* path)
{
    std::ifstream file(path);
    long long value = -1;
    return file >> value ? value : -1;
}

}  // namespace

WatchLimit FolderWatch::LimitOf(SystemError error)
{
    // A user namespace has its own limit below the system's: the lower counts.
    const auto lower = [](const char* system, const char* space) {
        const long long a = ProcNumber(system);
        const long long b = ProcNumber(space);
        return a < 0 ? b : b < 0 ? a : std::min(a, b);
    };
    if (error == ENOSPC)
        return {"fs.inotify.max_user_watches",
                lower("/proc/sys/fs/inotify/max_user_watches", "/proc/sys/user/max_inotify_watches")};
    if (error == EMFILE)
        return {"fs.inotify.max_user_instances",
                lower("/proc/sys/fs/inotify/max_user_instances", "/proc/sys/user/max_inotify_instances")};
    return {};
}

struct FolderWatch::State {
    int descriptor = -1;
    int root = -1;
    std::string folder;
    std::unordered_map<int, std::string> pathOf;  // by watch: the folder below the watched one
    std::map<std::string, int> watchOf;           // the other way round

    void Forget(int watch)
    {
        const auto found = pathOf.find(watch);
        if (found == pathOf.end())
            return;
        watchOf.erase(found->second);
        pathOf.erase(found);
    }
    // Lets go of a folder that was renamed away, with the folders below it:
    // their watches would name them by their old paths.
    void ForgetFoldersAt(const std::string& relative)
    {
        for (auto at = watchOf.lower_bound(relative); at != watchOf.end() && IsAtOrBelow(at->first, relative);) {
            inotify_rm_watch(descriptor, at->second);
            pathOf.erase(at->second);
            at = watchOf.erase(at);
        }
    }
    void Take(const inotify_event& event, std::vector<FolderChange>& changes);
};

void FolderWatch::State::Take(const inotify_event& event, std::vector<FolderChange>& changes)
{
    using Kind = FolderChange::Kind;
    if (event.mask & IN_Q_OVERFLOW) {
        changes.push_back({Kind::Lost, std::string()});
        return;
    }
    if (event.wd == root && (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED))) {
        changes.push_back({Kind::Gone, std::string()});
        return;
    }
    if (event.mask & IN_IGNORED) {
        Forget(event.wd);
        return;
    }
    const auto folderOf = pathOf.find(event.wd);
    if (folderOf == pathOf.end() || event.len == 0 || event.name[0] == '\0')
        return;
    const std::string path = Join(folderOf->second, event.name);
    if (event.mask & (IN_MOVED_FROM | IN_DELETE)) {
        if (event.mask & IN_ISDIR)
            ForgetFoldersAt(path);
        changes.push_back({Kind::Removed, path});
    } else {
        changes.push_back({Kind::Written, path});
    }
}

FolderWatch::FolderWatch() : state_(std::make_unique<State>()) {}

FolderWatch::~FolderWatch()
{
    Stop();
}

SystemError FolderWatch::Start(const std::string& folder, bool)
{
    Stop();
    state_->descriptor = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (state_->descriptor < 0)
        return errno;
    state_->root = inotify_add_watch(state_->descriptor, folder.c_str(), kRootMask);
    if (state_->root < 0) {
        const SystemError error = errno;
        Stop();
        return error;
    }
    state_->folder = StripTrailingSeparator(folder);
    state_->pathOf[state_->root] = std::string();
    state_->watchOf[std::string()] = state_->root;
    return 0;
}

void FolderWatch::Stop()
{
    if (state_->descriptor >= 0)
        ::close(state_->descriptor);
    *state_ = State();
}

bool FolderWatch::IsWatching() const
{
    return state_->descriptor >= 0;
}

SystemError FolderWatch::Cover(const std::string& relative)
{
    if (state_->descriptor < 0 || state_->watchOf.count(relative))
        return 0;
    const std::string path = state_->folder + kSeparator + relative;
    const int watch = inotify_add_watch(state_->descriptor, path.c_str(), kFolderMask);
    if (watch < 0)
        return errno;
    // The same folder reached by a new name (renamed while the changes
    // were lost) keeps its watch under the new name.
    state_->Forget(watch);
    state_->pathOf[watch] = relative;
    state_->watchOf[relative] = watch;
    return 0;
}

void FolderWatch::Wait(double seconds, const StopSignal& stop, std::vector<FolderChange>& changes)
{
    if (state_->descriptor < 0) {
        stop.WaitFor(seconds);
        return;
    }
    pollfd waits[2] = {{state_->descriptor, POLLIN, 0}, {stop.Descriptor(), POLLIN, 0}};
    const double ms = seconds > 0 ? seconds * 1000 : 0;
    if (::poll(waits, 2, ms < 2e9 ? static_cast<int>(ms) : 2000000000) <= 0 || !(waits[0].revents & POLLIN))
        return;
    alignas(inotify_event) char buffer[64 * 1024];
    ssize_t got;
    while ((got = ::read(state_->descriptor, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + got;) {
            const inotify_event* event = reinterpret_cast<const inotify_event*>(at);
            state_->Take(*event, changes);
            at += sizeof(inotify_event) + event->len;
        }
    }
}

#else

// Without inotify nothing tells of changes: the caller's passes over the
// whole folder find every new file.
struct FolderWatch::State {
    bool watching = false;
};

FolderWatch::FolderWatch() : state_(std::make_unique<State>()) {}
FolderWatch::~FolderWatch() = default;

SystemError FolderWatch::Start(const std::string&, bool)
{
    state_->watching = true;
    return 0;
}

void FolderWatch::Stop()
{
    state_->watching = false;
}

bool FolderWatch::IsWatching() const
{
    return state_->watching;
}

SystemError FolderWatch::Cover(const std::string&)
{
    return 0;
}

WatchLimit FolderWatch::LimitOf(SystemError)
{
    return {};
}

void FolderWatch::Wait(double seconds, const StopSignal& stop, std::vector<FolderChange>&)
{
    stop.WaitFor(seconds);
}

#endif
