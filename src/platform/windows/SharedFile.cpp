#include "platform/SharedFile.h"

#include <windows.h>

#include <algorithm>

#include "platform/Text.h"
#include "platform/windows/Handles.h"

namespace {

// How long a writer waits for the lock before it writes without it.
constexpr DWORD kLockWaitMilliseconds = 5000;
// The high half of the offset of the locked byte (2^62).
constexpr DWORD kLockOffsetHigh = 0x40000000;

OVERLAPPED At(long long offset)
{
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// The writers' lock on an open file, for as long as it lives.
class WriteLock {
public:
    explicit WriteLock(HANDLE file) : file_(file)
    {
        const ULONGLONG start = GetTickCount64();
        do {
            OVERLAPPED at = At(static_cast<long long>(kLockOffsetHigh) << 32);
            if (LockFileEx(file_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
                held_ = true;
                return;
            }
            if (GetLastError() != ERROR_LOCK_VIOLATION)
                return;  // a file system without locks: written all the same
            Sleep(1);
        } while (GetTickCount64() - start < kLockWaitMilliseconds);
    }
    ~WriteLock()
    {
        OVERLAPPED at = At(static_cast<long long>(kLockOffsetHigh) << 32);
        if (held_)
            UnlockFileEx(file_, 0, 1, 0, &at);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    HANDLE file_;
    bool held_ = false;
};

// Writes every byte, at the offset or (offset < 0) where the handle writes;
// false when the system took fewer, with how many it took.
bool WriteAll(HANDLE file, const std::string& bytes, long long offset, size_t& done)
{
    done = 0;
    while (done < bytes.size()) {
        const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        OVERLAPPED at = At(offset + static_cast<long long>(done));
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data() + done, piece, &wrote, offset < 0 ? nullptr : &at))
            return false;
        if (wrote == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += wrote;
    }
    return true;
}

}  // namespace

AppendFile::~AppendFile()
{
    if (handle_)
        CloseHandle(handle_);
}

SystemError AppendFile::Open(const std::string& path)
{
    // Leave to append only, without the right to write anywhere else: then
    // the system itself puts every write at the end as it is then. A handle
    // that may write anywhere asks for the end and writes there in two
    // steps (under Wine), and pieces of programs that append at once cross.
    HANDLE file = CreateFileW(FilePath(path).c_str(), FILE_APPEND_DATA | FILE_READ_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    // Only a regular file: a pipe would keep the program waiting once full.
    if (const SystemError code = CheckRegularFile(file)) {
        CloseHandle(file);
        return code;
    }
    handle_ = file;
    path_ = path;
    return 0;
}

bool AppendFile::IsOpen() const
{
    return handle_ != nullptr;
}

SystemError AppendFile::Append(const std::string& bytes, const std::string& lineEnd)
{
    const WriteLock lock(handle_);
    LARGE_INTEGER end = {};
    if (!GetFileSizeEx(handle_, &end))
        return GetLastError();
    char last = '\n';
    DWORD got = 0;
    OVERLAPPED before = At(end.QuadPart - 1);
    const bool cut = !lineEnd.empty() && end.QuadPart > 0 && ReadFile(handle_, &last, 1, &got, &before) &&
                     got == 1 && last != '\n';
    size_t done = 0;
    if (WriteAll(handle_, cut ? lineEnd + bytes : bytes, -1, done))
        return 0;
    const SystemError code = GetLastError();
    // Whole pieces or nothing, unless a program that does not take the lock
    // wrote after what went in (cutting would take that too). This handle
    // may only append, so the cut is made through one that may write.
    LARGE_INTEGER now = {};
    if (done > 0 && GetFileSizeEx(handle_, &now) && now.QuadPart == end.QuadPart + static_cast<long long>(done)) {
        HANDLE writer = CreateFileW(FilePath(path_).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (writer != INVALID_HANDLE_VALUE) {
            SetFilePointerEx(writer, end, nullptr, FILE_BEGIN);
            SetEndOfFile(writer);
            CloseHandle(writer);
        }
    }
    return code;
}

unsigned long long AppendFile::Size()
{
    LARGE_INTEGER size = {};
    return GetFileSizeEx(handle_, &size) ? static_cast<unsigned long long>(size.QuadPart) : 0;
}

SystemError AppendFile::Flush()
{
    return FlushFileBuffers(handle_) ? 0 : GetLastError();
}

SystemError RewriteSharedFile(const std::string& path, bool make,
                              const std::function<bool(const std::string& bytes, std::string& now)>& rewrite)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, make ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    SystemError code = CheckRegularFile(file);
    if (code != 0) {
        CloseHandle(file);
        return code;
    }
    {
        const WriteLock lock(file);
        std::string bytes;
        char buffer[65536];
        DWORD got = 0;
        for (;;) {
            OVERLAPPED at = At(static_cast<long long>(bytes.size()));
            if (!ReadFile(file, buffer, sizeof(buffer), &got, &at)) {
                code = GetLastError() == ERROR_HANDLE_EOF ? 0 : GetLastError();
                break;
            }
            if (got == 0)
                break;
            bytes.append(buffer, got);
        }
        std::string now;
        size_t done = 0;
        if (code == 0 && rewrite(bytes, now)) {
            LARGE_INTEGER size = {};
            size.QuadPart = static_cast<long long>(now.size());
            if (!WriteAll(file, now, 0, done) || !SetFilePointerEx(file, size, nullptr, FILE_BEGIN) ||
                !SetEndOfFile(file))
                code = GetLastError();
        }
    }
    CloseHandle(file);
    return code;
}
