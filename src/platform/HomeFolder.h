#pragma once
// Where the program keeps its settings file, its log and its help files.
#include <functional>
#include <string>

// The folder the program keeps reelmark.ini, Reelmark.log and the help files
// in (on Windows see ChooseHomeFolder; elsewhere the current folder), made if
// it does not exist yet. Asked once at start; every path made from it is
// absolute, so that nothing later depends on the current directory (which
// pickers and started programs must never move our files with).
std::string HomeFolder();

// The per-user folder for what the program keeps between runs that nobody
// edits (the journals of its runs): %LOCALAPPDATA%\Reelmark on Windows,
// elsewhere $XDG_STATE_HOME/reelmark, else ~/.local/state/reelmark. Not
// made here; empty when the environment names no such place.
std::string UserStateFolder();
// The user's own folder for files the program can make again (answers of
// online services): %LOCALAPPDATA%\Reelmark\cache on Windows,
// $XDG_CACHE_HOME/reelmark else ~/.cache/reelmark elsewhere. Not made
// here; empty when the system names no such place.
std::string UserCacheFolder();

#ifdef _WIN32
// The name of the per-user folder inside the user's application data folder.
extern const char kPerUserFolderName[];

// The rule behind HomeFolder(): the current folder, except when that is the
// program's own folder and the program there is an installed copy (it came
// with an uninstaller, or its folder cannot be written, as in Program Files).
// A Start-menu shortcut starts the program in its own folder, and an
// installed copy must neither write there nor share its settings between
// users: it then uses kPerUserFolderName inside appDataFolder. Without an
// application data folder ("") the current folder stays. isInstalledCopy is
// asked only when the current folder is the program's, so that no other
// folder is ever probed. Folders are compared as Windows names them: letter
// case, separators and a trailing backslash do not count.
std::string ChooseHomeFolder(const std::string& currentFolder, const std::string& programFolder,
                             const std::string& appDataFolder, const std::function<bool()>& isInstalledCopy);
#endif
