#include "platform/FileSystem.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/windows/Handles.h"

bool ForEachFolderEntry(const std::string& folder, const std::function<void(const FolderEntry&)>& visit,
                        const std::string& pattern, SystemError* error, bool)
{
    // The listing gives every entry's details at no cost of their own.
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

void FillEntryDetails(const std::string&, FolderEntry&) {}

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
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(FilePath(path).c_str(), GetFileExInfoStandard, &data)) {
        // A file the system holds without any sharing (a paging file) has
        // its attributes all the same.
        data = WIN32_FILE_ATTRIBUTE_DATA{};
        data.dwFileAttributes = GetFileAttributesW(FilePath(path).c_str());
        if (data.dwFileAttributes == INVALID_FILE_ATTRIBUTES) {
            info.error = GetLastError();
            return info;
        }
    }
    TakeAttributes(info, data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow, data.ftLastWriteTime);
    return info;
}

namespace {

// Opens a file to read it: only a regular file, which the opening never
// waits for; INVALID_HANDLE_VALUE with the code in error.
HANDLE OpenToRead(const std::string& path, SystemError& error)
{
    HANDLE file = path.empty() ? INVALID_HANDLE_VALUE
                               : CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = path.empty() ? ERROR_FILE_NOT_FOUND : GetLastError();
        return file;
    }
    if ((error = CheckRegularFile(file)) != 0) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

}  // namespace

bool CanReadFile(const std::string& path, unsigned long long* size, SystemError* error)
{
    SystemError code = 0;
    HANDLE file = OpenToRead(path, code);
    if (file == INVALID_HANDLE_VALUE) {
        if (error)
            *error = code;
        return false;
    }
    LARGE_INTEGER length = {};
    if (size)
        *size = GetFileSizeEx(file, &length) ? static_cast<unsigned long long>(length.QuadPart) : 0;
    CloseHandle(file);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error, size_t most)
{
    SystemError code = 0;
    HANDLE file = OpenToRead(path, code);
    const bool read = file != INVALID_HANDLE_VALUE && ReadOpened(file, bytes, most, code);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!read && error)
        *error = code;
    return read;
}

bool ReadFilePart(const std::string& path, unsigned long long offset, size_t size, std::string& bytes,
                  SystemError* error)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    SystemError code = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    LARGE_INTEGER start = {};
    start.QuadPart = static_cast<LONGLONG>(offset);
    if (code == 0 && !SetFilePointerEx(file, start, nullptr, FILE_BEGIN))
        code = GetLastError();
    bytes.assign(size, '\0');
    for (size_t done = 0; code == 0 && done < size;) {
        DWORD got = 0;
        const DWORD asked = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 30));
        code = !ReadFile(file, &bytes[done], asked, &got, nullptr) ? GetLastError()
               : got == 0                                           ? ERROR_FILE_NOT_FOUND
                                                                    : 0;
        done += got;
    }
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (code && error)
        *error = code;
    return code == 0;
}

bool IsFolderOnDrive(const std::string& path)
{
    const PathInfo info = InspectPath(path);
    if (!info.isFolder)
        return false;
    const UINT type = GetDriveTypeW(Widen(path).c_str());
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

SystemError MakeFolder(const std::string& path, bool hidden)
{
    if (!CreateDirectoryW(FilePath(path).c_str(), nullptr))
        return GetLastError() == ERROR_ALREADY_EXISTS ? 0 : GetLastError();
    if (hidden)
        SetFileAttributesW(FilePath(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
    return 0;
}

SystemError DeleteFileItself(const std::string& path, bool readOnlyToo)
{
    HANDLE file = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    SystemError code = 0;
    switch (WhatIsOpen(file, path)) {
        case Opened::Elsewhere:
            code = kErrorLink;
            break;
        case Opened::Link:
            code = DeleteOpened(file, readOnlyToo);
            break;
        case Opened::Itself:
            // A folder is no file (as DeleteFileW says of it).
            code = GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof(tag)) &&
                           (tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                       ? ERROR_ACCESS_DENIED
                       : DeleteOpened(file, readOnlyToo);
            break;
    }
    CloseHandle(file);
    return code;
}

SystemError RemoveFolderItself(const std::string& path)
{
    HANDLE folder = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (folder == INVALID_HANDLE_VALUE)
        return GetLastError();
    const SystemError code = WhatIsOpen(folder, path) != Opened::Itself ? kErrorLink : DeleteOpened(folder, false);
    CloseHandle(folder);
    return code;
}

bool LeadsElsewhere(const std::string& path)
{
    HANDLE file = OpenEntry(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool elsewhere = WhatIsOpen(file, path) != Opened::Itself;
    CloseHandle(file);
    return elsewhere;
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

double SteadySeconds()
{
    // The kernel's counter itself: the C++ steady clock of this toolchain
    // would draw in its thread library's ANSI imports.
    LARGE_INTEGER count = {};
    LARGE_INTEGER frequency = {};
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
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
