// The main window's secondary commands: Options, View Log, Launch PyTivo,
// Help Index, About, the help files written at start and the splash.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "core/settings/IniFile.h"
#include "platform/Text.h"
#include "support/MainWindowHarness.h"
#include "support/ProgramResource.h"
#include "ui/main/ApplicationBinRes.h"
#include "ui/main/ReelmarkApp.h"

namespace {

std::string CurrentDirectory()
{
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

void ClickIn(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// The text of a dialog's box without the carriage returns a rich edit adds.
std::string BoxText(HWND dialog, int id)
{
    char text[65536] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    std::string result = text;
    result.erase(std::remove(result.begin(), result.end(), '\r'), result.end());
    return result;
}

class MainWindowCommands : public ::testing::Test {
protected:
    void TearDown() override { CDialog::ModalObserver() = nullptr; }

    // Runs Options with these steps of the user inside the dialog.
    void RunOptions(std::function<void(CDialog&)> steps)
    {
        CDialog::ModalObserver() = std::move(steps);
        w.Click(32779);
        CDialog::ModalObserver() = nullptr;
    }

    bool PyTivoMenuItemEnabled()
    {
        HMENU actions = ::GetSubMenu(::GetMenu(w.Hwnd()), 1);
        ::SendMessageA(w.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(actions), 1);
        return !(::GetMenuState(actions, 32775, MF_BYCOMMAND) & MF_GRAYED);
    }
    bool PyTivoButtonEnabled() { return w.Dialog().ToolBar().IsButtonEnabled(32775); }

    HWND StatusLog() { return w.Dialog().StatusLog()->m_hWnd; }

    MainWindowHarness w;
};

}  // namespace

TEST_F(MainWindowCommands, OptionsShowsTheLocationAndOkWithAnExistingScriptEnablesLaunch)
{
    w.movies.WriteFile("pyTivo\\pyTivo.py");
    const std::string script = w.movies / "pyTivo\\pyTivo.py";
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    ASSERT_FALSE(PyTivoButtonEnabled());

    std::string shown;
    RunOptions([&](CDialog& dialog) {
        shown = dialog.GetDlgItemText(1023);
        ::SetDlgItemTextA(dialog.m_hWnd, 1023, script.c_str());
        ClickIn(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ("C:\\Program Files (x86)\\pyTivo\\pyTivo.py", shown);
    EXPECT_EQ(script, w.Dialog().CurrentSettings().PythonLoc);
    EXPECT_TRUE(PyTivoButtonEnabled());
    EXPECT_TRUE(PyTivoMenuItemEnabled());

    // Cancel after typing changes neither the setting nor the commands.
    RunOptions([&](CDialog& dialog) {
        shown = dialog.GetDlgItemText(1023);
        ::SetDlgItemTextA(dialog.m_hWnd, 1023, "Z:\\nowhere\\pyTivo.py");
        ClickIn(dialog.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(script, shown);
    EXPECT_EQ(script, w.Dialog().CurrentSettings().PythonLoc);
    EXPECT_TRUE(PyTivoButtonEnabled());
    EXPECT_TRUE(PyTivoMenuItemEnabled());

    // An emptied field is stored as it is and disables both again.
    RunOptions([&](CDialog& dialog) {
        ::SetDlgItemTextA(dialog.m_hWnd, 1023, "");
        ClickIn(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ("", w.Dialog().CurrentSettings().PythonLoc);
    EXPECT_FALSE(PyTivoButtonEnabled());
    EXPECT_FALSE(PyTivoMenuItemEnabled());
    w.Close();
    EXPECT_NE(std::string::npos, w.IniText().find("PythonLoc=\r\n"));
    EXPECT_TRUE(w.prompt.messages.empty());
}

TEST_F(MainWindowCommands, ViewLogShowsTheLogAsItStandsAndEveryButtonOnlyHides)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    ASSERT_NE(nullptr, w.Dialog().StatusLog());
    EXPECT_FALSE(::IsWindowVisible(StatusLog()));

    w.Click(32781);
    EXPECT_TRUE(::IsWindowVisible(StatusLog()));
    EXPECT_EQ(w.LogText(), BoxText(StatusLog(), 1007));

    // A new entry waits until the window is shown again.
    const std::string shown = w.LogText();
    w.Dialog().AddLogEntry("", LogSeverity::Information, "written while open");
    EXPECT_EQ(shown, BoxText(StatusLog(), 1007));
    ClickIn(StatusLog(), IDOK);
    EXPECT_FALSE(::IsWindowVisible(StatusLog()));
    w.Click(32781);
    EXPECT_EQ(w.LogText(), BoxText(StatusLog(), 1007));
    EXPECT_NE(std::string::npos, BoxText(StatusLog(), 1007).find("written while open"));

    ClickIn(StatusLog(), IDCANCEL);  // Escape
    EXPECT_FALSE(::IsWindowVisible(StatusLog()));
    w.Click(32781);
    // The close box: the dialog manager posts Cancel.
    ::SendMessageA(StatusLog(), WM_CLOSE, 0, 0);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_FALSE(::IsWindowVisible(StatusLog()));
    EXPECT_TRUE(::IsWindow(StatusLog()));
    EXPECT_TRUE(w.prompt.messages.empty());
}

TEST_F(MainWindowCommands, ClearLogLeavesOneEntryAndTheLogFileKeepsOnlyWhatFollows)
{
    w.start.WriteFile("Reelmark.log", "Mon Jan  1,2024 10:00:00: an entry of an earlier run\r\n");
    w.movies.WriteFile("a.mpg");
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    ASSERT_NE(std::string::npos, w.LogText().find("an entry of an earlier run"));
    w.Click(32781);

    w.prompt.answers = {IDNO};
    ClickIn(StatusLog(), 1022);
    EXPECT_NE(std::string::npos, w.LogText().find("an entry of an earlier run"));

    w.prompt.answers = {IDYES};
    ClickIn(StatusLog(), 1022);
    ASSERT_EQ(2u, w.prompt.messages.size());
    EXPECT_EQ("Do you want to erase the entire log contents?", w.prompt.messages[1].text);
    EXPECT_EQ(std::vector<std::string>{"Log content erased by user..."}, LogMessages(w.LogText()));
    EXPECT_EQ(w.LogText(), BoxText(StatusLog(), 1007));

    w.Dialog().AddLogEntry("", LogSeverity::Information, "after the erase");
    w.Close();
    std::string file = ReadFileBytes(w.start / "Reelmark.log");
    file.erase(std::remove(file.begin(), file.end(), '\r'), file.end());
    auto saved = LogMessages(file);
    ASSERT_GE(saved.size(), 2u);
    EXPECT_EQ("Log content erased by user...", saved[0]);
    EXPECT_EQ("after the erase", saved[1]);
    EXPECT_EQ(std::string::npos, file.find("earlier run"));
}

TEST_F(MainWindowCommands, PyTivoAndHelpStartInTheirFoldersAndOursNeverMoves)
{
    w.movies.WriteFile("pyTivo\\pyTivo.py");
    w.WriteIniForFolder(w.movies.Path(), "[Config]\r\nPythonLoc=" + w.movies / "pyTivo\\pyTivo.py" + "\r\n");
    w.Start();
    ASSERT_TRUE(PyTivoButtonEnabled());

    w.Click(57666);
    w.Click(32775);
    w.Click(57666);
    ASSERT_EQ(3u, w.prompt.launches.size());
    const LaunchRequest& pyTivo = w.prompt.launches[1];
    EXPECT_EQ("cmd.exe", pyTivo.file);
    EXPECT_EQ("/k \"pyTivo.py\"", pyTivo.parameters);
    EXPECT_EQ(w.movies / "pyTivo", pyTivo.directory);
    EXPECT_EQ(SW_SHOW, pyTivo.show);
    for (size_t i : {0u, 2u}) {
        const LaunchRequest& help = w.prompt.launches[i];
        EXPECT_EQ("cmd.exe", help.file) << i;
        EXPECT_EQ("/c \"hh.exe Reelmark.chm\"", help.parameters) << i;
        EXPECT_EQ(w.start.Path(), help.directory) << i;
        EXPECT_EQ(SW_HIDE, help.show) << i;
    }
    EXPECT_EQ(w.start.Path(), CurrentDirectory());
    EXPECT_TRUE(w.prompt.messages.empty());

    // Settings and log still go to the folder the program started in.
    w.Close();
    EXPECT_TRUE(PathExists(w.start / "reelmark.ini"));
    EXPECT_TRUE(PathExists(w.start / "Reelmark.log"));
    EXPECT_FALSE(PathExists(w.movies / "pyTivo\\reelmark.ini"));
    EXPECT_FALSE(PathExists(w.movies / "pyTivo\\Reelmark.log"));
}

TEST_F(MainWindowCommands, PyTivoScriptNameThatCmdWouldParseIsOpenedDirectly)
{
    w.movies.WriteFile("pyTivo\\run&del.py");
    const std::string script = w.movies / "pyTivo\\run&del.py";
    w.WriteIniForFolder(w.movies.Path(), "[Config]\r\nPythonLoc=" + script + "\r\n");
    w.Start();
    w.Click(32775);
    ASSERT_EQ(1u, w.prompt.launches.size());
    EXPECT_EQ(script, w.prompt.launches[0].file);
    EXPECT_EQ("", w.prompt.launches[0].parameters);
    EXPECT_EQ(w.movies / "pyTivo", w.prompt.launches[0].directory);
    EXPECT_EQ(w.start.Path(), CurrentDirectory());
}

TEST_F(MainWindowCommands, StartWritesBothHelpFilesAndRewritesChangedOnesNextTime)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    EXPECT_TRUE(FileHoldsResource(w.start / "hh.exe", kIdrHhfExeBin));
    EXPECT_TRUE(FileHoldsResource(w.start / "Reelmark.chm", kIdrChmBin));
    EXPECT_EQ(w.start / "hh.exe", w.Dialog().HelpFiles().viewer);
    EXPECT_EQ(w.start / "Reelmark.chm", w.Dialog().HelpFiles().document);
    w.Close();

    w.start.WriteFile("hh.exe", "changed");
    w.start.WriteFile("Reelmark.chm", "changed too");
    w.Start();
    EXPECT_TRUE(FileHoldsResource(w.start / "hh.exe", kIdrHhfExeBin));
    EXPECT_TRUE(FileHoldsResource(w.start / "Reelmark.chm", kIdrChmBin));
    EXPECT_TRUE(w.prompt.messages.empty());
}

TEST_F(MainWindowCommands, HelpFileThatCannotBeWrittenIsALogLineAndTheStartGoesOn)
{
    w.start.WriteFile("hh.exe", "an old viewer");
    ASSERT_TRUE(SetFileAttributesW(FilePath((w.start / "hh.exe")).c_str(), FILE_ATTRIBUTE_READONLY));
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    EXPECT_TRUE(w.prompt.messages.empty());
    auto log = LogMessages(w.LogText());
    EXPECT_EQ(1, std::count_if(log.begin(), log.end(), [&](const std::string& m) {
                  return m.find("Could not write help file: " + w.start / "hh.exe") != std::string::npos;
              }));
    EXPECT_EQ("an old viewer", ReadFileBytes(w.start / "hh.exe"));
    EXPECT_TRUE(FileHoldsResource(w.start / "Reelmark.chm", kIdrChmBin));
    EXPECT_EQ(w.Dialog().GetWindowText().substr(0, 14), "Reelmark [ver ");
}

TEST_F(MainWindowCommands, StartUpSplashCoversTheWindowUntilItsThirdTick)
{
    w.showSplash = true;
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    CSplashWnd* splash = CSplashWnd::Current();
    ASSERT_NE(nullptr, splash);
    HWND wnd = splash->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(wnd));
    EXPECT_EQ(w.Hwnd(), ::GetWindow(wnd, GW_OWNER));
    for (int tick = 1; tick <= 2; ++tick) {
        ::SendMessageA(wnd, WM_TIMER, 1, 0);
        ASSERT_TRUE(::IsWindow(wnd)) << tick;
    }
    ::SendMessageA(wnd, WM_TIMER, 1, 0);
    EXPECT_FALSE(::IsWindow(wnd));
    EXPECT_EQ(nullptr, CSplashWnd::Current());
}

TEST_F(MainWindowCommands, AKeyThroughTheApplicationDismissesTheSplashAndGoesNowhereElse)
{
    w.showSplash = true;
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    ASSERT_NE(nullptr, CSplashWnd::Current());
    HWND wnd = CSplashWnd::Current()->m_hWnd;
    CReelmarkApp app;
    MSG move = {w.Item(1009), WM_MOUSEMOVE, 0, 0, 0, {}};
    EXPECT_FALSE(app.PreTranslateMessage(&move));
    EXPECT_TRUE(::IsWindow(wnd));
    MSG key = {w.Item(1009), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_TRUE(app.PreTranslateMessage(&key));
    EXPECT_FALSE(::IsWindow(wnd));
    EXPECT_EQ(nullptr, CSplashWnd::Current());
    // With no splash up, keys pass on to the window.
    EXPECT_FALSE(app.PreTranslateMessage(&key));
}

TEST_F(MainWindowCommands, AboutStaysUntilAKeyOrClickAndIsIgnoredWhileTheStartSplashShows)
{
    w.showSplash = true;
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    CSplashWnd* startSplash = CSplashWnd::Current();
    ASSERT_NE(nullptr, startSplash);
    w.Click(57664);
    EXPECT_EQ(startSplash, CSplashWnd::Current());
    for (int tick = 0; tick < 3; ++tick)
        ::SendMessageA(startSplash->m_hWnd, WM_TIMER, 1, 0);
    ASSERT_EQ(nullptr, CSplashWnd::Current());

    w.Click(57664);
    CSplashWnd* about = CSplashWnd::Current();
    ASSERT_NE(nullptr, about);
    HWND wnd = about->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(wnd));
    EXPECT_EQ(w.Hwnd(), ::GetWindow(wnd, GW_OWNER));
    for (int tick = 0; tick < 10; ++tick)
        ::SendMessageA(wnd, WM_TIMER, 1, 0);
    EXPECT_TRUE(::IsWindow(wnd));
    CReelmarkApp app;
    MSG release = {wnd, WM_LBUTTONUP, 0, 0, 0, {}};
    EXPECT_FALSE(app.PreTranslateMessage(&release));
    MSG click = {wnd, WM_LBUTTONDOWN, 0, 0, 0, {}};
    EXPECT_TRUE(app.PreTranslateMessage(&click));
    EXPECT_FALSE(::IsWindow(wnd));
    EXPECT_EQ(nullptr, CSplashWnd::Current());
}

TEST_F(MainWindowCommands, APickerThatMovesTheCurrentDirectoryMovesNoFileOfOurs)
{
    w.movies.WriteFile("pyTivo\\pyTivo.py");
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    // A file picker of a system without OFN_NOCHANGEDIR moves the current
    // directory to the folder of the picked file.
    RunOptions([&](CDialog& dialog) {
        ::SetCurrentDirectoryA((w.movies / "pyTivo").c_str());
        ::SetDlgItemTextA(dialog.m_hWnd, 1023, (w.movies / "pyTivo\\pyTivo.py").c_str());
        ClickIn(dialog.m_hWnd, IDOK);
    });
    w.Close();

    EXPECT_NE(std::string::npos, w.IniText().find(" PythonLoc=" + w.movies / "pyTivo\\pyTivo.py" + "\r\n"));
    EXPECT_TRUE(PathExists(w.start / "Reelmark.log"));
    EXPECT_EQ(std::vector<std::string>{"pyTivo.py"}, NamesInFolder(w.movies / "pyTivo"));
}

TEST_F(MainWindowCommands, F1AnywhereOpensTheHelpDocument)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    // What the system posts to the control that has the focus when F1 is
    // pressed (WM_KEYF1); the control's default handling asks for help.
    constexpr UINT kKeyF1 = 0x004D;
    ::PostMessageA(w.Item(1009), kKeyF1, 0, 0);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    w.Click(57670);  // the application's Help command

    ASSERT_EQ(2u, w.prompt.launches.size());
    for (const LaunchRequest& help : w.prompt.launches)
        EXPECT_EQ("/c \"hh.exe Reelmark.chm\"", help.parameters);
}

TEST_F(MainWindowCommands, APyTivoScriptThatCannotBeReadCannotBeLaunched)
{
    w.movies.WriteFile("pyTivo\\pyTivo.py");
    const std::string script = w.movies / "pyTivo\\pyTivo.py";
    w.WriteIniForFolder(w.movies.Path(), "[Config]\r\nPythonLoc=" + script + "\r\n");
    HANDLE held = CreateFileW(FilePath(script).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    w.Start();
    EXPECT_FALSE(PyTivoButtonEnabled());
    EXPECT_FALSE(PyTivoMenuItemEnabled());
    CloseHandle(held);
    EXPECT_TRUE(PyTivoMenuItemEnabled());
}
