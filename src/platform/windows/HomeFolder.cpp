#include "platform/HomeFolder.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/Text.h"

const char kPerUserFolderName[] = "Reelmark";

namespace {

// The uninstaller the installer leaves beside the programs (CMake passes the
// name it gives the installer, so the two cannot drift apart).
constexpr const char kUninstallerName[] = REELMARK_UNINSTALLER_NAME;

// A folder name as compared: backslashes, no trailing backslash.
std::string ComparableFolder(std::string folder)
{
    std::replace(folder.begin(), folder.end(), '/', '\\');
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

// The full long form of a folder, so that a short (8.3) or relative spelling
// of the same folder compares equal; the name as given when it cannot be had.
std::string LongFullPath(const std::string& path)
{
    const std::wstring full = FullPath(Widen(path));
    std::vector<wchar_t> longer(32768);
    const DWORD longLength = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
    if (longLength == 0 || longLength >= longer.size())
        return Narrow(full);
    return Narrow(longer.data());
}

std::string CurrentFolder()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(needed, L'\0');
    folder.resize(GetCurrentDirectoryW(needed, &folder[0]));
    return Narrow(folder);
}

std::string ProgramFolder()
{
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size())
        return std::string();
    const std::string file = Narrow(std::wstring(path.data(), length));
    const size_t separator = file.find_last_of('\\');
    return separator == std::string::npos ? std::string() : file.substr(0, separator);
}

// The user's roaming application data folder, as the system sets it in
// every process's environment (asked there rather than through the shell
// library, which the command-line program would otherwise have to load).
std::string AppDataFolder()
{
    return EnvironmentValue("APPDATA");
}

// Whether a new file can be made in the folder: tried with a file of our own
// that goes again when its handle closes.
bool FolderCanBeWritten(const std::string& folder)
{
    const std::string probe =
        folder + "\\~reelmark-write-test-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file =
        CreateFileW(FilePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS;
    CloseHandle(file);
    return true;
}

bool IsInstalledCopy(const std::string& programFolder)
{
    const std::string uninstaller = programFolder + "\\" + kUninstallerName;
    return GetFileAttributesW(FilePath(uninstaller).c_str()) != INVALID_FILE_ATTRIBUTES ||
           !FolderCanBeWritten(programFolder);
}

}  // namespace

std::string ChooseHomeFolder(const std::string& currentFolder, const std::string& programFolder,
                             const std::string& appDataFolder, const std::function<bool()>& isInstalledCopy)
{
    if (appDataFolder.empty() || programFolder.empty() ||
        CompareNamesIgnoringCase(ComparableFolder(currentFolder), ComparableFolder(programFolder)) != 0 ||
        !isInstalledCopy())
        return currentFolder;
    return StripTrailingSeparator(appDataFolder) + "\\" + kPerUserFolderName;
}

std::string UserStateFolder()
{
    const std::string local = EnvironmentValue("LOCALAPPDATA");
    return local.empty() ? std::string() : StripTrailingSeparator(local) + "\\" + kPerUserFolderName;
}

std::string HomeFolder()
{
    const std::string current = StripTrailingSeparator(CurrentFolder());
    const std::string currentLong = LongFullPath(current);
    const std::string program = ProgramFolder();
    const std::string home = ChooseHomeFolder(currentLong, LongFullPath(program), AppDataFolder(),
                                              [&program] { return IsInstalledCopy(program); });
    if (home == currentLong)
        return current;
    // Made on first use. Should that fail, the current folder stays, and
    // what cannot be written there is reported as it always is.
    CreateDirectoryW(FilePath(home).c_str(), nullptr);
    const DWORD attributes = GetFileAttributesW(FilePath(home).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return current;
    return home;
}

std::string UserCacheFolder()
{
    const std::string local = EnvironmentValue("LOCALAPPDATA");
    if (local.empty())
        return std::string();
    return StripTrailingSeparator(local) + "\\" + kPerUserFolderName + "\\cache";
}
