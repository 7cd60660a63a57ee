#pragma once
// Runs the real main window in-process for a test: a start folder of its
// own as current directory, a scripted prompt, the window made from its
// template (hidden), and helpers that send what a user's clicks send.
#include <memory>
#include <string>

#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "ui/framework/WinApp.h"
#include "ui/main/ReelmarkDlg.h"

// Registers the common controls and loads the rich edit library once.
void PrepareWindowClasses();

class MainWindowHarness {
public:
    MainWindowHarness();
    ~MainWindowHarness();

    // Writes reelmark.ini in the start folder (before Start).
    void WriteIni(const std::string& text) const;
    // An INI whose movie folder is that folder (and whose other keys default).
    void WriteIniForFolder(const std::string& folder, const std::string& moreSettings = std::string()) const;
    // Constructs the main window object and creates its window.
    void Start();
    // Sends WM_CLOSE, as the close box does; the window object stays.
    void Close();

    CReelmarkDlg& Dialog() { return *dialog_; }
    HWND Hwnd() const { return dialog_->m_hWnd; }
    HWND Item(int id) const { return ::GetDlgItem(dialog_->m_hWnd, id); }
    std::string Text(int id) const;
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return ::IsDlgButtonChecked(dialog_->m_hWnd, id) == BST_CHECKED; }

    // A button click, a menu or toolbar command (notification code 0).
    void Click(int id);
    // Selects a combo item as the user does: the selection, then CBN_SELCHANGE.
    void ChooseComboItem(int id, int index);
    std::string ComboText(int id) const;
    // Selects list entries as the user does, then LBN_SELCHANGE.
    void SelectListEntries(const std::vector<int>& indexes);

    std::string LogText() const { return dialog_->Log().Text(); }
    std::string IniPath() const { return start / "reelmark.ini"; }
    std::string IniText() const { return ReadFileBytes(IniPath()); }

    // Set before Start to let the start-up splash show as in the program.
    bool showSplash = false;

    TempFolder start;   // the folder the program runs in
    TempFolder movies;  // the movie folders of the test
    // The journals of the runs the test makes, in a folder of its own.
    EnvironmentScope runs{"REELMARK_RUNS", start / "runs"};
    ScriptedPrompt prompt;

private:
    // The application whose main window the dialog is, as in the program.
    CWinApp app_;
    std::unique_ptr<CurrentDirectoryScope> directory_;
    std::unique_ptr<CReelmarkDlg> dialog_;
};

// Lines of the log text without their 24-character time stamps and ": ".
std::vector<std::string> LogMessages(const std::string& logText);
