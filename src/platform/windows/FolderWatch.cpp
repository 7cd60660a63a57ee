#include "platform/FolderWatch.h"

#include <windows.h>

#include "platform/Paths.h"
#include "platform/StopSignal.h"
#include "platform/Text.h"

namespace {

// New names, removed ones, and writes (a copy that goes on keeps its file's
// last-write time moving).
constexpr DWORD kFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;
// 64 KiB: more is refused over a network.
constexpr DWORD kBufferWords = 64 * 1024 / sizeof(DWORD);

}  // namespace

struct FolderWatch::State {
    HANDLE folder = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;
    OVERLAPPED overlapped = {};
    bool subtree = false;
    bool pending = false;
    std::string path;
    std::string longPath;  // the folder's long name, to take reported short names back to long ones
    DWORD buffer[kBufferWords];

    bool Ask()
    {
        ZeroMemory(&overlapped, sizeof overlapped);
        overlapped.hEvent = event;
        pending = ReadDirectoryChangesW(folder, buffer, sizeof buffer, subtree, kFilter, nullptr, &overlapped,
                                        nullptr) != FALSE;
        return pending;
    }
    std::string LongName(const std::string& relative) const;
    void Take(DWORD bytes, std::vector<FolderChange>& changes) const;
};

// A name may come in its short form ("MOVIE~1.MKV"), which names no
// metadata file: the long one it stands for, while it is there.
std::string FolderWatch::State::LongName(const std::string& relative) const
{
    if (relative.find('~') == std::string::npos || longPath.empty())
        return relative;
    const std::wstring shortPath = FilePath(path + kSeparator + relative);
    std::wstring found(32768, L'\0');
    const DWORD length = GetLongPathNameW(shortPath.c_str(), &found[0], static_cast<DWORD>(found.size()));
    if (length == 0 || length >= found.size())
        return relative;
    const std::string full = PlainPath(found.substr(0, length));
    if (full.size() <= longPath.size() + 1 || CompareFileNames(full.substr(0, longPath.size()), longPath) != 0)
        return relative;
    return full.substr(longPath.size() + 1);
}

void FolderWatch::State::Take(DWORD bytes, std::vector<FolderChange>& changes) const
{
    using Kind = FolderChange::Kind;
    if (bytes == 0) {
        // The system's buffer overflowed: it kept no names.
        changes.push_back({Kind::Lost, std::string()});
        return;
    }
    const char* at = reinterpret_cast<const char*>(buffer);
    for (;;) {
        const FILE_NOTIFY_INFORMATION* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(at);
        const std::string name =
            Narrow(std::wstring(info->FileName, info->FileNameLength / sizeof(WCHAR)));
        if (info->Action == FILE_ACTION_REMOVED || info->Action == FILE_ACTION_RENAMED_OLD_NAME)
            changes.push_back({Kind::Removed, name});
        else
            changes.push_back({Kind::Written, LongName(name)});
        if (info->NextEntryOffset == 0)
            break;
        at += info->NextEntryOffset;
    }
}

FolderWatch::FolderWatch() : state_(std::make_unique<State>()) {}

FolderWatch::~FolderWatch()
{
    Stop();
}

SystemError FolderWatch::Start(const std::string& folder, bool subtree)
{
    Stop();
    State& state = *state_;
    state.folder = CreateFileW(FilePath(folder).c_str(), FILE_LIST_DIRECTORY,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (state.folder == INVALID_HANDLE_VALUE)
        return GetLastError();
    state.event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    state.subtree = subtree;
    state.path = StripTrailingSeparator(folder);
    std::wstring found(32768, L'\0');
    const DWORD length = GetLongPathNameW(FilePath(folder).c_str(), &found[0], static_cast<DWORD>(found.size()));
    state.longPath = length > 0 && length < found.size() ? StripTrailingSeparator(PlainPath(found.substr(0, length)))
                                                         : std::string();
    if (!state.event || !state.Ask()) {
        const SystemError error = GetLastError();
        Stop();
        return error;
    }
    return 0;
}

void FolderWatch::Stop()
{
    State& state = *state_;
    if (state.pending) {
        // The system writes into the buffer until the request is over.
        DWORD bytes = 0;
        CancelIoEx(state.folder, &state.overlapped);
        GetOverlappedResult(state.folder, &state.overlapped, &bytes, TRUE);
        state.pending = false;
    }
    if (state.folder != INVALID_HANDLE_VALUE)
        CloseHandle(state.folder);
    if (state.event)
        CloseHandle(state.event);
    state.folder = INVALID_HANDLE_VALUE;
    state.event = nullptr;
}

bool FolderWatch::IsWatching() const
{
    return state_->folder != INVALID_HANDLE_VALUE;
}

SystemError FolderWatch::Cover(const std::string&)
{
    return 0;
}

// One watch covers the subtree: no number of folders runs out.
WatchLimit FolderWatch::LimitOf(SystemError)
{
    return {};
}

void FolderWatch::Wait(double seconds, const StopSignal& stop, std::vector<FolderChange>& changes)
{
    State& state = *state_;
    if (!state.pending) {
        stop.WaitFor(seconds);
        return;
    }
    const HANDLE waits[2] = {state.event, stop.Event()};
    const double ms = seconds > 0 ? seconds * 1000 : 0;
    if (WaitForMultipleObjects(2, waits, FALSE, ms < 4e9 ? static_cast<DWORD>(ms) : INFINITE - 1) != WAIT_OBJECT_0)
        return;
    DWORD bytes = 0;
    state.pending = false;
    if (!GetOverlappedResult(state.folder, &state.overlapped, &bytes, FALSE)) {
        const DWORD error = GetLastError();
        changes.push_back({error == ERROR_NOTIFY_ENUM_DIR ? FolderChange::Kind::Lost : FolderChange::Kind::Gone,
                           std::string()});
    } else {
        state.Take(bytes, changes);
    }
    if (!state.Ask())
        changes.push_back({FolderChange::Kind::Gone, std::string()});
}
