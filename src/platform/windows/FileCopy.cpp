#include "platform/FileCopy.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/Text.h"

namespace {

// Pieces this large keep the calls per file few (each one crosses into the
// system, under Wine into its server too) and are still read and written
// in a moment, so the windows keep answering between them.
const uint64_t kCopyPiece = 8u << 20;

struct HandleCloser {
    using pointer = HANDLE;
    void operator()(HANDLE handle) const
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

bool Succeeded(BOOL done, SystemError& error)
{
    if (!done)
        error = GetLastError();
    return done != FALSE;
}

// Reads the source into the open target piece by piece.
bool CopyBytes(HANDLE from, HANDLE to, uint64_t size, const CopyProgressCall& progress, SystemError& error)
{
    std::vector<char> piece(static_cast<size_t>(std::min(kCopyPiece, std::max<uint64_t>(size, 64u << 10))));
    uint64_t copied = 0;
    for (;;) {
        DWORD read = 0;
        if (!Succeeded(ReadFile(from, piece.data(), static_cast<DWORD>(piece.size()), &read, nullptr), error))
            return false;
        if (read == 0)
            return true;
        DWORD written = 0;
        if (!Succeeded(WriteFile(to, piece.data(), read, &written, nullptr), error))
            return false;
        copied += written;
        if (progress)
            progress(copied, std::max(copied, size));
    }
}

}  // namespace

const SystemError kErrorNameTaken = ERROR_ALREADY_EXISTS;

PathKind ClassifyPath(const std::string& path, SystemError* error, bool* readOnly)
{
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (IsNotFound(code))
            return PathKind::Missing;
        if (error)
            *error = code;
        return PathKind::Unreadable;
    }
    if (readOnly)
        *readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

bool NameLess::operator()(const std::string& a, const std::string& b) const
{
    return CompareNamesIgnoringCase(a, b) < 0;
}

bool IsFullPath(const std::string& path)
{
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.compare(0, 2, "\\\\") == 0;
}

bool IsVolumeRoot(const std::string& path)
{
    std::string rest = path;
    while (!rest.empty() && rest.back() == '\\')
        rest.pop_back();
    if (rest.compare(0, 8, "\\\\?\\UNC\\") == 0)
        rest = "\\\\" + rest.substr(8);
    else if (rest.compare(0, 4, "\\\\?\\") == 0 || rest.compare(0, 4, "\\\\.\\") == 0)
        rest = rest.substr(4);
    if (rest.size() == 2 && rest[1] == ':')
        return true;
    if (rest.compare(0, 2, "\\\\") != 0)
        return false;
    // One backslash after the server's name, none after the share's.
    const size_t share = rest.find('\\', 2);
    return share != std::string::npos && rest.find('\\', share + 1) == std::string::npos;
}

std::string VolumeRootOf(const std::string& path)
{
    std::vector<wchar_t> root(32768, L'\0');
    if (!GetVolumePathNameW(FilePath(path).c_str(), root.data(), static_cast<DWORD>(root.size())))
        return std::string();
    return PlainPath(root.data());
}

int64_t GetFileSize64(const std::string& path)
{
    FileHandle file(CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (file.get() == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.get(), &size))
        return -1;
    return size.QuadPart;
}

bool CopyFileTo(const std::string& source, const std::string& target, const CopyProgressCall& progress,
                SystemError& error)
{
    FileHandle from(CreateFileW(FilePath(source).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    BY_HANDLE_FILE_INFORMATION about;
    if (from.get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(from.get(), &about)) {
        error = GetLastError();
        return false;
    }
    const std::wstring path = FilePath(target);
    FileHandle to(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (to.get() == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    const uint64_t size = (static_cast<uint64_t>(about.nFileSizeHigh) << 32) | about.nFileSizeLow;
    bool copied = CopyBytes(from.get(), to.get(), size, progress, error) &&
                  Succeeded(SetFileTime(to.get(), nullptr, nullptr, &about.ftLastWriteTime), error);
    to.reset();
    if (copied && (about.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
        copied = Succeeded(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY), error);
    if (!copied) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
    return copied;
}

bool RenameFile(const std::string& from, const std::string& to, bool replace, SystemError& error)
{
    return Succeeded(
        MoveFileExW(FilePath(from).c_str(), FilePath(to).c_str(), replace ? MOVEFILE_REPLACE_EXISTING : 0),
        error);
}

bool MakeFolder(const std::string& path, SystemError& error)
{
    return Succeeded(CreateDirectoryW(FilePath(path).c_str(), nullptr), error);
}

bool RemoveFile(const std::string& path, SystemError& error)
{
    return Succeeded(DeleteFileW(FilePath(path).c_str()), error);
}

bool RemoveFolder(const std::string& path, SystemError& error)
{
    return Succeeded(RemoveDirectoryW(FilePath(path).c_str()), error);
}

bool MakeWritable(const std::string& path)
{
    return SetFileAttributesW(FilePath(path).c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}
