#include "platform/HeldFolder.h"

#include <vector>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/windows/Handles.h"

namespace {

// What a held folder's handle may do. Without FILE_SHARE_DELETE nobody can
// rename or remove the folder while it is held, so its path goes on naming
// it; a folder held as one's own is opened with DELETE access, which
// another program's own hold does not share (a sharing violation).
DWORD AccessFor(HeldFolder::Hold hold)
{
    const DWORD reading = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
    return hold == HeldFolder::Hold::Own ? reading | DELETE : reading;
}
const DWORD kHeldSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
const DWORD kAnySharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool IsFolder(HANDLE handle)
{
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    return GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof(tag)) &&
           (tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

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

SystemError HeldFolder::Take(const HeldFolder* parent, const std::string& name, Hold)
{
    if (parent) {
        path_ = parent->path_ + kSeparator + name;
        name_ = name;
    }
    return 0;
}

SystemError HeldFolder::OpenChosen(const std::string& path)
{
    Close();
    HANDLE folder = path.empty() ? INVALID_HANDLE_VALUE
                                 : CreateFileW(FilePath(path).c_str(), AccessFor(Hold::Shared), kHeldSharing, nullptr,
                                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return path.empty() ? ERROR_PATH_NOT_FOUND : GetLastError();
    if (!IsFolder(folder)) {
        CloseHandle(folder);
        return ERROR_DIRECTORY;
    }
    handle_ = folder;
    path_ = StripTrailingSeparator(path);
    name_.clear();
    return 0;
}

SystemError HeldFolder::OpenIn(const HeldFolder& parent, const std::string& name, Hold hold)
{
    Close();
    HANDLE folder = nullptr;
    const SystemError code = OpenWithin(parent.handle_, name, AccessFor(hold), kHeldSharing, kFileOpen,
                                        kDirectoryFile | kOpenReparsePoint | kOpenForBackup, &folder);
    if (code != 0)
        return code;
    // A junction or link is opened itself and shows as a reparse point;
    // Wine opens the folder it leads to, which its name gives away.
    if (WhatIsOpenWithin(folder, parent.handle_, name) != Opened::Itself) {
        CloseHandle(folder);
        return kErrorLink;
    }
    handle_ = folder;
    return Take(&parent, name, hold);
}

SystemError HeldFolder::MakeIn(const HeldFolder& parent, const std::string& name, bool hidden, Hold hold)
{
    Close();
    // Made where the name is free, a link's name not being free.
    HANDLE folder = nullptr;
    const SystemError code =
        OpenWithin(parent.handle_, name, AccessFor(hold) | (hidden ? FILE_WRITE_ATTRIBUTES : 0), kHeldSharing,
                   kFileCreate, kDirectoryFile | kOpenForBackup, &folder);
    if (code != 0)
        return code;
    if (hidden) {
        FILE_BASIC_INFO basic = {};
        basic.FileAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN;
        SetFileInformationByHandle(folder, FileBasicInfo, &basic, sizeof(basic));
    }
    handle_ = folder;
    return Take(&parent, name, hold);
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

PathInfo HeldFolder::InspectEntry(const std::string& name) const
{
    PathInfo info;
    HANDLE entry = nullptr;
    info.error = OpenWithin(handle_, name, FILE_READ_ATTRIBUTES, kAnySharing, kFileOpen,
                            kOpenReparsePoint | kOpenForBackup, &entry);
    BY_HANDLE_FILE_INFORMATION about = {};
    if (info.error == 0 && !GetFileInformationByHandle(entry, &about))
        info.error = GetLastError();
    if (entry)
        CloseHandle(entry);
    if (info.error != 0)
        return info;
    TakeAttributes(info, about.dwFileAttributes, about.nFileSizeHigh, about.nFileSizeLow, about.ftLastWriteTime);
    return info;
}

bool HeldFolder::ReadEntry(const std::string& name, std::string& bytes, SystemError* error, size_t most) const
{
    HANDLE file = nullptr;
    SystemError code = OpenWithin(handle_, name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, kFileOpen,
                                  kNonDirectoryFile | kOpenReparsePoint, &file);
    if (code == 0 && WhatIsOpenWithin(file, handle_, name) != Opened::Itself)
        code = kErrorLink;
    if (code == 0)
        code = CheckRegularFile(file);
    const bool read = code == 0 && ReadOpened(file, bytes, most, code);
    if (file)
        CloseHandle(file);
    if (!read && error)
        *error = code;
    return read;
}

SystemError HeldFolder::DeleteEntry(const std::string& name) const
{
    HANDLE entry = nullptr;
    SystemError code = OpenWithin(handle_, name, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, kAnySharing,
                                  kFileOpen, kOpenReparsePoint | kOpenForBackup, &entry);
    if (code != 0)
        return code;
    switch (WhatIsOpenWithin(entry, handle_, name)) {
        case Opened::Elsewhere:
            code = kErrorLink;  // Wine would delete what it leads to
            break;
        case Opened::Link:
            code = DeleteOpened(entry, true);
            break;
        case Opened::Itself:
            // A folder is no file (as DeleteFileW says of it).
            code = IsFolder(entry) ? ERROR_ACCESS_DENIED : DeleteOpened(entry, true);
            break;
    }
    CloseHandle(entry);
    return code;
}

bool HeldFolder::RemoveIfEmpty()
{
    // Through the held handle: exactly this folder goes, and only when
    // empty (the system refuses otherwise).
    const bool removed = handle_ && DeleteOpened(handle_, false) == 0;
    Close();
    return removed;
}

NewFile::~NewFile()
{
    Discard();
}

void NewFile::Discard()
{
    if (!handle_)
        return;
    // Through its own handle: whatever its name leads to by now is not
    // touched.
    if (!named_)
        DeleteOpened(handle_, true);
    CloseHandle(handle_);
    handle_ = nullptr;
}

SystemError NewFile::Make(const HeldFolder& folder, const std::string& name)
{
    Discard();
    HANDLE file = nullptr;
    const SystemError code = OpenWithin(folder.Handle(), name, GENERIC_WRITE | DELETE | FILE_READ_ATTRIBUTES, 0,
                                        kFileCreate, kNonDirectoryFile, &file);
    if (code != 0)
        return code;
    handle_ = file;
    folder_ = &folder;
    name_ = name;
    named_ = false;
    return 0;
}

SystemError NewFile::Write(const std::string& bytes, bool flush)
{
    DWORD written = 0;
    if (!bytes.empty() && !WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return GetLastError();
    if (written != bytes.size())
        return ERROR_DISK_FULL;
    return flush && !FlushFileBuffers(handle_) ? GetLastError() : 0;
}

SystemError NewFile::MoveTo(const HeldFolder& folder, const std::string& name, bool replace)
{
    if (!handle_)
        return ERROR_FILE_NOT_FOUND;
    // Wine's rename that should not replace takes the name of a link that
    // leads nowhere; a hard link never takes a name that anything holds.
    const bool link = !replace && UnderWine();
    SystemError code = NameWithin(handle_, folder.Handle(), name, replace, link);
    if (code == ERROR_NOT_SUPPORTED || code == ERROR_INVALID_FUNCTION)
        code = NameWithin(handle_, folder.Handle(), name, replace, false);  // no hard links there
    if (code != 0)
        return code;
    if (UnderWine()) {
        // Wine renames and links by the folders' names: the file that now
        // bears the name within the held folder must be this one, else a
        // folder on the way was swapped for a link meanwhile.
        HANDLE named = nullptr;
        const bool here = OpenWithin(folder.Handle(), name, FILE_READ_ATTRIBUTES, kAnySharing, kFileOpen,
                                     kNonDirectoryFile, &named) == 0 &&
                          SameFile(named, handle_);
        if (named)
            CloseHandle(named);
        if (!here) {
            named_ = !link;  // a renamed file is no longer where it was made
            return kErrorLink;
        }
    }
    if (link)
        DeleteOpened(handle_, true);  // the name it was made under goes as it closes
    named_ = true;
    return 0;
}
