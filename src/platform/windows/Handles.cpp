#include "platform/windows/Handles.h"

#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

// The functions of ntdll that these use, found once.
template <typename Function>
Function Ntdll(const char* name)
{
    return reinterpret_cast<Function>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name));
}

using CreateFileCall = LONG(NTAPI*)(HANDLE*, ACCESS_MASK, OBJECT_ATTRIBUTES*, IO_STATUS_BLOCK*, LARGE_INTEGER*,
                                    ULONG, ULONG, ULONG, ULONG, void*, ULONG);
using SetInformationCall = LONG(NTAPI*)(HANDLE, IO_STATUS_BLOCK*, void*, ULONG, int);
using StatusToErrorCall = ULONG(NTAPI*)(LONG);

SystemError ErrorOfStatus(LONG status)
{
    static const auto toError = Ntdll<StatusToErrorCall>("RtlNtStatusToDosError");
    return status == 0 ? 0 : toError ? toError(status) : ERROR_GEN_FAILURE;
}

// Whether the two names are one, as the system compares names.
bool SameName(const std::wstring& a, const std::wstring& b)
{
    return !a.empty() && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// What the name of the handle says, where only the name can tell: the
// entry itself lies in its folder under its own name, what a link led to
// lies elsewhere.
Opened ByName(HANDLE file, const std::wstring& folderName, const std::string& name)
{
    return SameName(folderName + L"\\" + Widen(name), NameOfOpened(file)) ? Opened::Itself : Opened::Elsewhere;
}

bool IsReparsePoint(HANDLE file)
{
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    return GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof(tag)) &&
           (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

unsigned long long TimeValue(const FILETIME& time)
{
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void TakeAttributes(PathInfo& info, DWORD attributes, DWORD sizeHigh, DWORD sizeLow, const FILETIME& lastWrite)
{
    info.exists = true;
    info.isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    info.size = info.isFolder ? 0 : (static_cast<unsigned long long>(sizeHigh) << 32) | sizeLow;
    info.lastWrite = TimeValue(lastWrite);
}

bool UnderWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

std::wstring NameOfOpened(HANDLE file)
{
    // Asked of the kernel: Wine's GetFinalPathNameByHandleW stops at 260
    // characters.
    using QueryObject = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    static const auto query = Ntdll<QueryObject>("NtQueryObject");
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

HANDLE OpenEntry(const std::string& path, DWORD access, DWORD share)
{
    return CreateFileW(FilePath(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

Opened WhatIsOpen(HANDLE file, const std::string& path)
{
    if (IsReparsePoint(file))
        return Opened::Link;
    if (!UnderWine())
        return Opened::Itself;
    std::string parent = ParentFolderOf(StripTrailingSeparator(path));
    if (parent.size() == 2 && parent[1] == ':')
        parent += kSeparator;
    HANDLE folder = CreateFileW(FilePath(parent).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return Opened::Elsewhere;
    const std::wstring folderName = NameOfOpened(folder);
    CloseHandle(folder);
    return ByName(file, folderName, LastPathComponent(path));
}

Opened WhatIsOpenWithin(HANDLE file, HANDLE folder, const std::string& name)
{
    if (IsReparsePoint(file))
        return Opened::Link;
    return UnderWine() ? ByName(file, NameOfOpened(folder), name) : Opened::Itself;
}

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

SystemError OpenWithin(HANDLE folder, const std::string& name, ACCESS_MASK access, ULONG share,
                       ULONG disposition, ULONG options, HANDLE* opened)
{
    static const auto create = Ntdll<CreateFileCall>("NtCreateFile");
    *opened = nullptr;
    std::wstring wide = Widen(name);
    // One name within the folder: never a path that climbs out of it.
    if (!create || wide.empty() || wide == L"." || wide == L".." || wide.find_first_of(L"\\/:") != std::wstring::npos)
        return ERROR_INVALID_NAME;
    if (wide.size() > 32767)
        return ERROR_FILENAME_EXCED_RANGE;
    UNICODE_STRING text;
    text.Buffer = &wide[0];
    text.Length = text.MaximumLength = static_cast<USHORT>(wide.size() * sizeof(wchar_t));
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
    IO_STATUS_BLOCK status = {};
    const ULONG synchronous = 0x00000020;  // FILE_SYNCHRONOUS_IO_NONALERT
    HANDLE handle = nullptr;
    const LONG result = create(&handle, access | SYNCHRONIZE, &attributes, &status, nullptr, FILE_ATTRIBUTE_NORMAL,
                               share, disposition, options | synchronous, nullptr, 0);
    if (result < 0)
        return ErrorOfStatus(result);
    *opened = handle;
    return 0;
}

SystemError NameWithin(HANDLE file, HANDLE folder, const std::string& name, bool replace, bool link)
{
    static const auto set = Ntdll<SetInformationCall>("NtSetInformationFile");
    const std::wstring wide = Widen(name);
    if (!set || wide.empty() || wide.find_first_of(L"\\/:") != std::wstring::npos)
        return ERROR_INVALID_NAME;
    // FILE_RENAME_INFORMATION and FILE_LINK_INFORMATION are laid out alike.
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + wide.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = replace;
    info->RootDirectory = folder;
    info->FileNameLength = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    std::copy(wide.begin(), wide.end(), info->FileName);
    const int fileRenameInformation = 10;
    const int fileLinkInformation = 11;
    IO_STATUS_BLOCK status = {};
    return ErrorOfStatus(set(file, &status, info, static_cast<ULONG>(buffer.size()),
                             link ? fileLinkInformation : fileRenameInformation));
}

bool SameFile(HANDLE a, HANDLE b)
{
    // The file numbers alone (FileInternalInformation): both were opened
    // within folders held on one volume, where a hard link cannot lead to
    // another. Wine answers it from the file's own facts, where the volume's
    // serial number costs a round trip to its mount manager for every file.
    using QueryInformation = LONG(NTAPI*)(HANDLE, IO_STATUS_BLOCK*, void*, ULONG, int);
    static const auto query = Ntdll<QueryInformation>("NtQueryInformationFile");
    const int fileInternalInformation = 6;
    LARGE_INTEGER x = {};
    LARGE_INTEGER y = {};
    IO_STATUS_BLOCK status = {};
    return query && query(a, &status, &x, sizeof(x), fileInternalInformation) == 0 &&
           query(b, &status, &y, sizeof(y), fileInternalInformation) == 0 && x.QuadPart == y.QuadPart;
}

SystemError CheckRegularFile(HANDLE file)
{
    FILE_STANDARD_INFO standard = {};
    if (GetFileType(file) != FILE_TYPE_DISK)
        return kErrorNotAFile;
    if (GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof(standard)) && standard.Directory)
        return ERROR_DIRECTORY;
    return 0;
}

bool ReadOpened(HANDLE file, std::string& bytes, size_t most, SystemError& error)
{
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
    if (!ok)
        error = GetLastError();
    return ok;
}
