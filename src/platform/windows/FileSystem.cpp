#include "platform/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

unsigned long long TimeValue(const FILETIME& time)
{
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

SystemError Fail(HANDLE* file, const std::string& path)
{
    const SystemError code = GetLastError();
    CloseHandle(*file);
    *file = INVALID_HANDLE_VALUE;
    DeleteFileW(FilePath(path).c_str());
    return code;
}

}  // namespace

bool ForEachFolderEntry(const std::string& folder, const std::function<void(const FolderEntry&)>& visit,
                        const std::string& pattern, SystemError* error)
{
    if (folder.empty()) {
        if (error)
            *error = ERROR_PATH_NOT_FOUND;
        return false;
    }
    // Behind the long-path prefix, so that deep folders can be read too.
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(
        FilePath(StripTrailingSeparator(folder) + kSeparator + (pattern.empty() ? "*" : pattern)).c_str(),
        &data);
    if (find == INVALID_HANDLE_VALUE) {
        const SystemError code = GetLastError();
        if (error)
            *error = code;
        // A pattern that matches nothing in a folder that is there is no failure.
        return code == ERROR_FILE_NOT_FOUND;
    }
    do {
        FolderEntry entry;
        entry.name = Narrow(data.cFileName);
        entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (entry.isFolder && (entry.name == "." || entry.name == ".."))
            continue;
        entry.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entry.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entry.lastWrite = TimeValue(data.ftLastWriteTime);
        visit(entry);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return true;
}

SystemError CheckFolderReadable(const std::string& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(FilePath(StripTrailingSeparator(folder) + kSeparator + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        // An empty drive root has no entries at all.
        const SystemError code = GetLastError();
        return code == ERROR_FILE_NOT_FOUND ? 0 : code;
    }
    FindClose(find);
    return 0;
}

PathInfo InspectPath(const std::string& path)
{
    PathInfo info;
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        info.error = GetLastError();
        return info;
    }
    info.exists = true;
    info.isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    return info;
}

bool CanReadFile(const std::string& path, unsigned long long* size)
{
    if (path.empty())
        return false;
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER length = {};
    if (size)
        *size = GetFileSizeEx(file, &length) ? static_cast<unsigned long long>(length.QuadPart) : 0;
    CloseHandle(file);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error, size_t most)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (error)
            *error = GetLastError();
        return false;
    }
    bytes.clear();
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        bytes.reserve(std::min(static_cast<size_t>(size.QuadPart), most));
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while (bytes.size() < most &&
           (ok = ReadFile(file, buffer, static_cast<DWORD>(std::min(sizeof(buffer), most - bytes.size())), &got,
                          nullptr) != FALSE) &&
           got > 0)
        bytes.append(buffer, got);
    const DWORD code = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (!ok && error)
        *error = code;
    return ok;
}

bool IsFolderOnDrive(const std::string& path)
{
    const PathInfo info = InspectPath(path);
    if (!info.isFolder)
        return false;
    const UINT type = GetDriveTypeW(Widen(path).c_str());
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

NewFile::~NewFile()
{
    if (!handle_)
        return;
    CloseHandle(handle_);
    if (!named_)
        DeleteFileW(FilePath(path_).c_str());
}

SystemError NewFile::Create(const std::string& path, const std::string& bytes, bool flush)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD written = 0;
    if (!bytes.empty() && !WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return Fail(&file, path);
    if (written != bytes.size()) {
        Fail(&file, path);
        return ERROR_DISK_FULL;
    }
    if (flush && !FlushFileBuffers(file))
        return Fail(&file, path);
    handle_ = file;
    path_ = path;
    return 0;
}

SystemError NewFile::MoveTo(const std::string& path, bool replace)
{
    // Renaming through the handle spares the system a second look-up of
    // the temporary name.
    const std::wstring target = FilePath(path);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = replace;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), info->FileName);
    if (!SetFileInformationByHandle(handle_, FileRenameInfo, info, static_cast<DWORD>(buffer.size())))
        return GetLastError();
    named_ = true;
    return 0;
}

AppendFile::~AppendFile()
{
    if (handle_)
        CloseHandle(handle_);
}

SystemError AppendFile::Open(const std::string& path)
{
    HANDLE file =
        CreateFileW(FilePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    handle_ = file;
    return 0;
}

bool AppendFile::IsOpen() const
{
    return handle_ != nullptr;
}

char AppendFile::LastByte()
{
    LARGE_INTEGER size = {};
    LARGE_INTEGER last = {};
    char byte = '\n';
    DWORD got = 0;
    if (GetFileSizeEx(handle_, &size) && size.QuadPart > 0) {
        last.QuadPart = size.QuadPart - 1;
        if (!SetFilePointerEx(handle_, last, nullptr, FILE_BEGIN) ||
            !ReadFile(handle_, &byte, 1, &got, nullptr) || got != 1)
            byte = '\n';
    }
    return byte;
}

SystemError AppendFile::Append(const std::string& bytes)
{
    LARGE_INTEGER end = {};
    DWORD written = 0;
    const bool wrote = SetFilePointerEx(handle_, LARGE_INTEGER{}, &end, FILE_END) &&
                       WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    const SystemError code = !wrote ? GetLastError() : written != bytes.size() ? ERROR_DISK_FULL : 0;
    if (code == 0)
        return 0;
    SetFilePointerEx(handle_, end, nullptr, FILE_BEGIN);
    SetEndOfFile(handle_);
    return code;
}

SystemError MakeFolder(const std::string& path, bool hidden)
{
    if (!CreateDirectoryW(FilePath(path).c_str(), nullptr))
        return GetLastError() == ERROR_ALREADY_EXISTS ? 0 : GetLastError();
    if (hidden)
        SetFileAttributesW(FilePath(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
    return 0;
}

void RemoveEmptyFolder(const std::string& path)
{
    RemoveDirectoryW(FilePath(path).c_str());
}

bool DeleteFileForce(const std::string& path)
{
    const std::wstring name = FilePath(path);
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(name.c_str()) != FALSE;
}

unsigned long long FileClockNow()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return TimeValue(now);
}

UnixTime UnixTimeOf(unsigned long long fileClock)
{
    // The clock counts from 1601, 11644473600 seconds before 1970.
    const long long ticks = static_cast<long long>(fileClock - 116444736000000000ULL);
    UnixTime time;
    time.seconds = ticks / 10000000 - (ticks % 10000000 < 0 ? 1 : 0);
    time.hundredNanoseconds = static_cast<unsigned>(ticks - time.seconds * 10000000);
    return time;
}

unsigned long ProcessNumber()
{
    return GetCurrentProcessId();
}

std::tm LocalTimeOf(std::time_t moment)
{
    std::tm local = {};
    localtime_s(&local, &moment);
    return local;
}
