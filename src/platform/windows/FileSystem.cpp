#include "platform/FileSystem.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/windows/UnderWine.h"

namespace {

unsigned long long TimeValue(const FILETIME& time)
{
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}


// The name the system gives what the handle holds ("\\??\\C:\\..."). Asked
// of the kernel: Wine's GetFinalPathNameByHandleW stops at 260 characters.
std::wstring NameOfOpened(HANDLE file)
{
    using QueryObject = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    static const auto query =
        reinterpret_cast<QueryObject>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject"));
    const int objectNameInformation = 1;
    std::vector<char> buffer(sizeof(UNICODE_STRING) + 65536);
    ULONG size = 0;
    if (!query || query(file, objectNameInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &size) != 0)
        return std::wstring();
    const auto* name = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
    std::wstring text(name->Buffer, name->Length / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\\')
        text.pop_back();
    return text;
}

// Opens the entry at the path itself: a reparse point is opened, not what
// it leads to.
HANDLE OpenEntry(const std::string& path, DWORD access, DWORD share)
{
    return CreateFileW(FilePath(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// What a handle opened by OpenEntry holds.
enum class Opened { Itself, Link, Elsewhere };

Opened WhatIsOpen(HANDLE file, const std::string& path)
{
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    if (GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof(tag)) &&
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return Opened::Link;
    // Wine opens a link to a file as that file and shows no reparse point
    // for it; only there must the name of what was opened tell.
    if (!UnderWine())
        return Opened::Itself;
    // The entry itself lies in its folder under its own name; what a link
    // led to lies elsewhere.
    std::string parent = ParentFolderOf(StripTrailingSeparator(path));
    if (parent.size() == 2 && parent[1] == ':')
        parent += kSeparator;
    HANDLE folder = CreateFileW(FilePath(parent).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return Opened::Elsewhere;
    const std::wstring expected = NameOfOpened(folder) + L"\\" + Widen(LastPathComponent(path));
    CloseHandle(folder);
    const std::wstring actual = NameOfOpened(file);
    return CompareStringOrdinal(expected.c_str(), static_cast<int>(expected.size()), actual.c_str(),
                                static_cast<int>(actual.size()), TRUE) == CSTR_EQUAL
               ? Opened::Itself
               : Opened::Elsewhere;
}

// Deletes what the handle holds as it closes; with force a read-only mark
// goes first.
SystemError DeleteOpened(HANDLE file, bool force)
{
    FILE_BASIC_INFO basic = {};
    if (force && GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof(basic)) &&
        (basic.FileAttributes & FILE_ATTRIBUTE_READONLY)) {
        FILE_BASIC_INFO plain = {};
        plain.FileAttributes = (basic.FileAttributes & ~FILE_ATTRIBUTE_READONLY) ?: FILE_ATTRIBUTE_NORMAL;
        SetFileInformationByHandle(file, FileBasicInfo, &plain, sizeof(plain));
    }
    FILE_DISPOSITION_INFO dispose = {TRUE};
    return SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof(dispose)) ? 0
                                                                                           : GetLastError();
}

// A new file that could not be written whole goes again, through its own
// handle: whatever its name leads to by now is not touched.
SystemError Fail(HANDLE* file)
{
    const SystemError code = GetLastError();
    DeleteOpened(*file, true);
    CloseHandle(*file);
    *file = INVALID_HANDLE_VALUE;
    return code;
}

}  // namespace

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
    info.exists = true;
    info.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    info.size = info.isFolder ? 0 : (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    info.lastWrite = TimeValue(data.ftLastWriteTime);
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

NewFile::~NewFile()
{
    if (!handle_)
        return;
    if (!named_)
        DeleteOpened(handle_, true);
    CloseHandle(handle_);
}

SystemError NewFile::Create(const std::string& path, const std::string& bytes, bool flush)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD written = 0;
    if (!bytes.empty() && !WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return Fail(&file);
    if (written != bytes.size()) {
        Fail(&file);
        return ERROR_DISK_FULL;
    }
    if (flush && !FlushFileBuffers(file))
        return Fail(&file);
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

HeldFolder::~HeldFolder()
{
    Close();
}

void HeldFolder::Close()
{
    if (handle_)
        CloseHandle(handle_);
    handle_ = nullptr;
}

SystemError HeldFolder::Make(const std::string& path, bool hidden)
{
    // Fails for any name that is taken, a link included.
    if (!CreateDirectoryW(FilePath(path).c_str(), nullptr))
        return GetLastError();
    if (hidden)
        SetFileAttributesW(FilePath(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
    return Open(path);
}

SystemError HeldFolder::Open(const std::string& path)
{
    Close();
    // Without FILE_SHARE_DELETE nobody can rename or remove the folder while
    // it is held, so its path goes on naming it; a folder another program
    // holds so cannot be opened with DELETE access (a sharing violation).
    HANDLE folder = OpenEntry(path, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | DELETE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (folder == INVALID_HANDLE_VALUE)
        return GetLastError();
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    const Opened opened = WhatIsOpen(folder, path);
    if (opened != Opened::Itself ||
        !GetFileInformationByHandleEx(folder, FileAttributeTagInfo, &tag, sizeof(tag)) ||
        !(tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CloseHandle(folder);
        return opened != Opened::Itself ? kErrorLink : ERROR_DIRECTORY;
    }
    handle_ = folder;
    path_ = path;
    return 0;
}

bool HeldFolder::IsOpen() const
{
    return handle_ != nullptr;
}

bool HeldFolder::ForEachEntry(const std::function<void(const FolderEntry&)>& visit) const
{
    // Read through the held handle: a listing by path would open the folder
    // again, which the handle's DELETE access does not share.
    if (!handle_)
        return false;
    std::vector<char> buffer(64 * 1024);
    auto request = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(handle_, request, buffer.data(), static_cast<DWORD>(buffer.size()))) {
        request = FileIdBothDirectoryInfo;
        for (size_t at = 0;;) {
            const auto* item = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer.data() + at);
            FolderEntry entry;
            entry.name = Narrow(std::wstring(item->FileName, item->FileNameLength / sizeof(wchar_t)));
            entry.isFolder = (item->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            entry.size = static_cast<unsigned long long>(item->EndOfFile.QuadPart);
            entry.readOnly = (item->FileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
            entry.isLink = (item->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            entry.lastWrite = static_cast<unsigned long long>(item->LastWriteTime.QuadPart);
            if (entry.name != "." && entry.name != "..")
                visit(entry);
            if (item->NextEntryOffset == 0)
                break;
            at += item->NextEntryOffset;
        }
    }
    return GetLastError() == ERROR_NO_MORE_FILES;
}

SystemError HeldFolder::DeleteEntry(const std::string& name) const
{
    return DeleteFileItself(path_ + kSeparator + name, true);
}

void HeldFolder::RemoveIfEmpty()
{
    // Through the held handle: exactly this folder goes, and only when
    // empty (the system refuses otherwise).
    if (handle_)
        DeleteOpened(handle_, false);
    Close();
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
