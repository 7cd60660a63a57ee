#include "platform/Trash.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/Environment.h"
#include "platform/Text.h"
#include "platform/windows/Handles.h"

namespace {

// The volume the path lies on ("C:\", "\\server\share\", "Z:\dev\shm\"),
// upper case; empty when the system cannot tell.
std::wstring VolumeOf(const std::string& path)
{
    wchar_t volume[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(Widen(path).c_str(), volume, MAX_PATH))
        return std::wstring();
    std::wstring text = volume;
    CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    if (!text.empty() && text.back() != L'\\')
        text += L'\\';
    return text;
}

// A path of the host's as a path of Wine's drives; empty without one.
std::string DosPathOf(const std::string& unixPath)
{
    using DosNameCall = wchar_t*(CDECL*)(const char*);
    static const auto dosName =
        reinterpret_cast<DosNameCall>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name"));
    wchar_t* name = dosName ? dosName(unixPath.c_str()) : nullptr;
    const std::string path = name ? Narrow(name) : std::string();
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

// Wine's trash, where its shell puts what it recycles, as a path of its
// drives; empty when there is none. Its shell takes $XDG_DATA_HOME (as
// Wine 8 passes it; later versions name it WINE_HOST_XDG_DATA_HOME) when
// absolute, else the home folder WINEHOMEDIR ("\??\Z:\home\user", or
// "\??\unix/home/user"). Its folders are made as the shell makes them, so
// that nothing goes missing for want of them.
std::string WineTrashFolder()
{
    std::string trash;
    for (const char* name : {"WINE_HOST_XDG_DATA_HOME", "XDG_DATA_HOME"}) {
        const std::string data = EnvironmentValue(name);
        if (trash.empty() && !data.empty() && data.front() == '/')
            trash = DosPathOf(data + "/Trash");
    }
    const std::string home = EnvironmentValue("WINEHOMEDIR");
    const std::string unixHome = "\\??\\unix";
    if (trash.empty() && home.compare(0, unixHome.size(), unixHome) == 0)
        trash = DosPathOf(home.substr(unixHome.size()) + "/.local/share/Trash");
    else if (trash.empty() && home.compare(0, 4, "\\??\\") == 0)
        trash = home.substr(4) + "\\.local\\share\\Trash";
    if (trash.empty())
        return trash;
    for (const std::string& folder : {trash, trash + "\\files", trash + "\\info"})
        SHCreateDirectoryExW(nullptr, Widen(folder).c_str(), nullptr);
    const DWORD files = GetFileAttributesW(Widen(trash + "\\files").c_str());
    const DWORD info = GetFileAttributesW(Widen(trash + "\\info").c_str());
    const bool made = files != INVALID_FILE_ATTRIBUTES && (files & FILE_ATTRIBUTE_DIRECTORY) &&
                      info != INVALID_FILE_ATTRIBUTES && (info & FILE_ATTRIBUTE_DIRECTORY);
    return made ? trash : std::string();
}

// Whether a file of the folder can be renamed into Wine's trash: tried
// with a new file of the program's own, through its handle alone (which
// deletes it again, wherever it went).
bool RenameReachesTrash(const std::string& folder)
{
    static const std::string trash = WineTrashFolder();
    if (trash.empty())
        return false;
    const std::string name = FormatText("~reelmark-bin-%lu.tmp", GetCurrentProcessId());
    HANDLE probe = CreateFileW(FilePath(folder + "\\" + name).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return false;
    const std::wstring target = FilePath(trash + "\\files\\" + name);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), rename->FileName);
    const bool renamed =
        SetFileInformationByHandle(probe, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())) != FALSE;
    FILE_DISPOSITION_INFO dispose = {TRUE};
    SetFileInformationByHandle(probe, FileDispositionInfo, &dispose, sizeof(dispose));
    CloseHandle(probe);
    return renamed;
}

// A value of the user's Explorer settings; 0 when it is not set.
DWORD ExplorerValue(const std::wstring& key, const wchar_t* name)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    const std::wstring path = L"Software\\Microsoft\\Windows\\CurrentVersion\\" + key;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != 0)
        return 0;
    return value;
}

// Whether Windows keeps a bin on the volume: a fixed disk, with the bin
// neither turned off for every disk nor for this one.
bool WindowsHasBin(const std::wstring& volume)
{
    if (GetDriveTypeW(volume.c_str()) != DRIVE_FIXED || ExplorerValue(L"Policies\\Explorer", L"NoRecycleFiles"))
        return false;
    wchar_t name[MAX_PATH] = {};
    if (!GetVolumeNameForVolumeMountPointW(volume.c_str(), name, MAX_PATH))
        return true;
    // "\\?\Volume{GUID}\": the bin's settings are kept under the GUID.
    std::wstring guid = name;
    const size_t open = guid.find(L'{');
    const size_t close = guid.find(L'}');
    if (open == std::wstring::npos || close == std::wstring::npos)
        return true;
    guid = guid.substr(open, close - open + 1);
    return ExplorerValue(L"Explorer\\BitBucket\\Volume\\" + guid, L"NukeOnDelete") == 0;
}

}  // namespace

std::vector<bool> CanRecycle(const std::vector<std::string>& paths)
{
    std::vector<bool> can;
    std::map<std::string, bool> folders;
    for (const std::string& path : paths) {
        // The shell's delete takes no long-path form.
        const std::wstring volume = Widen(path).size() < MAX_PATH ? VolumeOf(path) : std::wstring();
        if (volume.empty() || !UnderWine()) {
            can.push_back(!volume.empty() && WindowsHasBin(volume));
            continue;
        }
        // Wine moves a file into its trash with a rename, which a file of
        // another file system cannot take: it would delete it for good.
        // Drive letters do not tell file systems apart there (C: and Z:
        // may be one), so a file of the program's own tries the rename.
        const std::string folder = path.substr(0, path.find_last_of('\\'));
        const auto known = folders.find(folder);
        if (known == folders.end())
            can.push_back(folders[folder] = RenameReachesTrash(folder));
        else
            can.push_back(known->second);
    }
    return can;
}

SystemError SendToRecycleBin(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return 0;
    // Each path ends in a NUL, the list in one more.
    std::wstring from;
    for (const std::string& path : paths)
        from += Widen(path) + L'\0';
    from += L'\0';
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    // Into the bin, and no box of the system's own: the window asked
    // every question already.
    operation.fFlags = FOF_ALLOWUNDO | FOF_NO_UI;
    const int code = SHFileOperationW(&operation);
    if (code != 0)
        return static_cast<SystemError>(code);
    return operation.fAnyOperationsAborted ? ERROR_CANCELLED : 0;
}
