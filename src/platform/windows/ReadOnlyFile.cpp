#include "platform/ReadOnlyFile.h"

#include <windows.h>

#include <algorithm>

#include "platform/Text.h"

ReadOnlyFile::~ReadOnlyFile()
{
    if (handle_)
        CloseHandle(handle_);
}

bool ReadOnlyFile::Open(const std::string& path, SystemError* error, bool* notAFile)
{
    *notAFile = false;
    // Sharing deleting too: a user may delete or rename the movie while its
    // tags are read, as Explorer lets them.
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *error = GetLastError();
        // A folder cannot be opened without backup semantics.
        if (*error == ERROR_ACCESS_DENIED) {
            const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
            *notAFile = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        }
        return false;
    }
    // A pipe or a device reads as something else than a file on a disk.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        *notAFile = true;
        return false;
    }
    handle_ = file;
    return true;
}

bool ReadOnlyFile::IsOpen() const
{
    return handle_ != nullptr;
}

unsigned long long ReadOnlyFile::Size() const
{
    LARGE_INTEGER size = {};
    if (!handle_ || !GetFileSizeEx(handle_, &size))
        return 0;
    return static_cast<unsigned long long>(size.QuadPart);
}

long long ReadOnlyFile::ReadAt(unsigned long long offset, void* buffer, size_t count, SystemError* error)
{
    size_t done = 0;
    while (done < count) {
        OVERLAPPED at = {};
        const unsigned long long where = offset + done;
        at.Offset = static_cast<DWORD>(where);
        at.OffsetHigh = static_cast<DWORD>(where >> 32);
        const DWORD asked = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 24));
        DWORD got = 0;
        if (!ReadFile(handle_, static_cast<char*>(buffer) + done, asked, &got, &at)) {
            const DWORD code = GetLastError();
            if (code == ERROR_HANDLE_EOF)
                break;
            *error = code;
            return -1;
        }
        if (got == 0)
            break;
        done += got;
    }
    bytesRead_ += done;
    return static_cast<long long>(done);
}
