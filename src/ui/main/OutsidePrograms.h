#pragma once
// Starting the outside programs (pyTivo in a console, the help viewer) and
// the shell's folder picker. Every start goes through the prompt seam and
// is never waited for.
#include <windows.h>

#include <string>

// The help command run in a hidden console.
constexpr const char* kHelpCommand = "hh.exe Reelmark.chm";

// Runs the command text in a console started in folder: visible and kept
// open afterwards ("/k") when showConsole is set, hidden and closed when the
// command returns ("/c") otherwise. The started console gets folder as its
// working folder; ours stays as it is. A folder that does not exist leaves
// the console in our current directory. True when the shell took the start.
bool RunInConsole(const std::string& folder, const std::string& command, bool showConsole);

// Why the pyTivo script at pythonLoc must not be started; empty when it may.
// A "%" anywhere in it is refused: the command processor expands "%name%"
// even inside quotes, and a batch file's association hands the whole path
// to it, so "a%OS%b.bat" would run another script ("aWindows_NTb.bat").
std::string PyTivoLaunchProblem(const std::string& pythonLoc);

// Starts the pyTivo script at pythonLoc in a visible console in its folder;
// nothing is started when PyTivoLaunchProblem names a problem.
bool LaunchPyTivo(const std::string& pythonLoc);

// Opens the help document with the help viewer, both written to helpFolder.
bool ShowHelpDocument(const std::string& helpFolder);

// "Launch PyTivo" is offered exactly when the script can be opened for
// reading.
bool IsPyTivoAvailable(const std::string& pythonLoc);

// The shell's folder browser opened at initialFolder; empty when cancelled
// or when the chosen item has no file-system path.
std::string BrowseForFolder(HWND owner, const std::string& title, const std::string& initialFolder,
                            UINT flags);

// The movie folder choice: "Select folder", file-system folders only.
std::string ChooseMovieFolder(HWND owner, const std::string& currentFolder);
