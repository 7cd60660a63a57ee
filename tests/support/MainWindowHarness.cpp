#include "support/MainWindowHarness.h"

#include <windows.h>

#include <commctrl.h>

#include <sstream>

#include "resource.h"

void PrepareWindowClasses()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    LoadLibraryA("riched20.dll");
    done = true;
}

MainWindowHarness::MainWindowHarness()
{
    PrepareWindowClasses();
    directory_ = std::make_unique<CurrentDirectoryScope>(start.Path());
}

MainWindowHarness::~MainWindowHarness()
{
    app_.m_pMainWnd = nullptr;
    dialog_.reset();
    directory_.reset();
}

void MainWindowHarness::WriteIni(const std::string& text) const
{
    start.WriteFile("reelmark.ini", text);
}

void MainWindowHarness::WriteIniForFolder(const std::string& folder, const std::string& moreSettings) const
{
    WriteIni("[Settings]\r\nTargetDir=" + folder + "\r\n" + moreSettings);
}

void MainWindowHarness::Start()
{
    dialog_ = std::make_unique<CReelmarkDlg>();
    app_.m_pMainWnd = dialog_.get();
    // A splash would cover the window and wait for its timer.
    CSplashWnd::EnableSplash(showSplash);
    dialog_->Create(IDD_REELMARK);
    // What the program does once its window shows: the list, the tree.
    dialog_->CompleteStart(true);
}

void MainWindowHarness::Close()
{
    ::SendMessageA(Hwnd(), WM_CLOSE, 0, 0);
}

std::string MainWindowHarness::Text(int id) const
{
    return dialog_->GetDlgItemText(id);
}

void MainWindowHarness::Click(int id)
{
    ::SendMessageA(Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

void MainWindowHarness::ChooseComboItem(int id, int index)
{
    ::SendMessageA(Item(id), CB_SETCURSEL, index, 0);
    ::SendMessageA(Hwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

std::string MainWindowHarness::ComboText(int id) const
{
    HWND combo = Item(id);
    int index = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (index < 0)
        return std::string();
    char text[256] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

void MainWindowHarness::SelectListEntries(const std::vector<int>& indexes)
{
    HWND list = Item(1001);
    ::SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int index : indexes)
        ::SendMessageA(list, LB_SETSEL, TRUE, index);
    ::SendMessageA(Hwnd(), WM_COMMAND, MAKEWPARAM(1001, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::vector<std::string> LogMessages(const std::string& logText)
{
    std::vector<std::string> messages;
    std::istringstream in(logText);
    std::string line;
    std::string current;
    while (std::getline(in, line)) {
        // A line starts with a stamp such as "Sun Dec  6,2026 15:12:03: ".
        bool stamped = line.size() >= 26 && line[15] == ' ' && line[18] == ':' && line[24] == ':';
        if (stamped) {
            messages.push_back(line.substr(26));
        } else if (!messages.empty()) {
            messages.back() += "\n" + line;
        }
    }
    return messages;
}
