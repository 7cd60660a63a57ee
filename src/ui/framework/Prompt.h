#pragma once
// The prompt seam: every message box, file or folder picker and program
// start goes through one object, so that tests can answer and record them
// instead of blocking on a real dialog or starting a real program.
#include <windows.h>

#include <string>
#include <vector>

// One program start through the shell (the fields of SHELLEXECUTEINFOW that
// the program sets; no verb, no owner, no process handle is ever asked for).
struct LaunchRequest {
    std::string file;
    std::string parameters;
    std::string directory;  // working folder of the started program; empty: inherit ours
    int show = SW_SHOW;
};

// A file-open picker (GetOpenFileNameW); it never changes the current
// directory.
struct FileDialogRequest {
    HWND owner = nullptr;
    std::string title;  // empty: the system's own title
    std::string defaultExtension;
    std::string filter;  // "|"-separated pairs, ending in "||" or "|"
    DWORD flags = 0;     // OFN_* flags
};

class Prompt {
public:
    virtual ~Prompt() = default;

    // MessageBoxW; with iconResource the box shows that icon of the program
    // (MessageBoxIndirectW with MB_USERICON). Returns IDOK, IDYES, ...
    virtual int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type,
                            int iconResource = 0) = 0;

    // The shell's folder browser opened at initialFolder; empty when cancelled
    // or when the chosen item has no file-system path.
    virtual std::string BrowseForFolder(HWND owner, const std::string& title,
                                        const std::string& initialFolder, UINT flags) = 0;

    // A file-open picker; true with the chosen full paths when confirmed.
    virtual bool PickFiles(const FileDialogRequest& request, std::vector<std::string>& paths) = 0;

    // Starts a program or opens a document; never waits for it.
    virtual bool Launch(const LaunchRequest& request) = 0;
};

// The window that boxes, pickers and questions belong to: the innermost
// modal dialog that is open, else the application's main window; none while
// there is no window yet. An owned box disables its owner, so the user
// cannot give the window another command while the box is up, and closing
// the box brings back the window the user was working in.
HWND WindowInUse();

// The prompt in force: the real one unless a test installed its own.
Prompt& ThePrompt();

// Installs a replacement (tests); nullptr puts the real one back.
void SetPrompt(Prompt* prompt);
