#include <algorithm>
#include <gtest/gtest.h>

#include "ui/main/SettingsDlg.h"
#include "ui/controls/StatusLogDlg.h"
#include "resource.h"
#include "support/ScriptedPrompt.h"

namespace {

class StatusLogDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadLibraryA("riched20.dll"));
        log.SetClock([] { return std::time_t(1700000000); });
        log.AddLogEntry("", LogSeverity::Information, "first entry");
        ASSERT_TRUE(dialog.Create(IDD_STATUS_LOG, nullptr));
    }

    // What the box shows, with line ends as the log keeps them.
    std::string BoxText() const
    {
        std::string text = dialog.GetDlgItemText(IDC_LOG_TEXT);
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    }

    void Click(int id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
    }

    static void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    // Presses a key in the window while another dialog's modal loop runs, as
    // when the status log is open beside the program's main window.
    void PressKeyDuringModalLoop(WPARAM key)
    {
        CDialog::ModalObserver() = [&](CDialog& modal) {
            PostMessageA(dialog.m_hWnd, WM_KEYDOWN, key, 0);
            modal.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
        };
        SettingsDlg other;
        other.DoModal();
        CDialog::ModalObserver() = nullptr;
    }

    ActivityLog log;
    CStatusLogDlg dialog{log};
};

}  // namespace

TEST_F(StatusLogDlgTest, EveryWayOfClosingOnlyHidesAndShowingAgainShowsTheLogAsItStands)
{
    ScriptedPrompt prompt;
    EXPECT_FALSE(dialog.IsWindowVisible());
    std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"OK", [&] { Click(IDOK); }},
        {"Cancel", [&] { Click(IDCANCEL); }},
        {"close box",
         [&] {
             dialog.SendMessage(WM_CLOSE);
             Pump();
         }},
        {"Enter", [&] { PressKeyDuringModalLoop(VK_RETURN); }},
        {"Escape", [&] { PressKeyDuringModalLoop(VK_ESCAPE); }},
    };
    int entry = 0;
    for (auto& [name, close] : ways) {
        log.AddLogEntry("", LogSeverity::Information, "entry %d", ++entry);
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(dialog.IsWindowVisible()) << name;
        EXPECT_EQ(log.Text(), BoxText()) << name;
        close();
        EXPECT_TRUE(IsWindow(dialog.m_hWnd)) << name;
        EXPECT_FALSE(dialog.IsWindowVisible()) << name;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(StatusLogDlgTest, EntryWrittenWhileShownAppearsOnlyWhenShownAgain)
{
    dialog.ShowWindow(SW_SHOW);
    const std::string shown = log.Text();
    log.AddLogEntry("", LogSeverity::Warning, "written while open");
    EXPECT_EQ(shown, BoxText());
    dialog.ShowWindow(SW_HIDE);
    dialog.ShowWindow(SW_SHOW);
    EXPECT_NE(std::string::npos, BoxText().find("written while open"));
}

TEST_F(StatusLogDlgTest, ShowsALongLogWhole)
{
    for (int i = 0; i < 1500; ++i)
        log.AddLogEntry("", LogSeverity::Information,
                        "Writing metadata file: Z:\\Movies\\Series %04d.mpg.txt", i);
    ASSERT_GT(log.Text().size(), 70000u);
    dialog.ShowWindow(SW_SHOW);
    EXPECT_EQ(log.Text(), BoxText());
}

TEST_F(StatusLogDlgTest, ClearLogAsksFirstAndNoLeavesEverything)
{
    ScriptedPrompt prompt;
    prompt.answers.push_back(IDNO);
    dialog.ShowWindow(SW_SHOW);
    const std::string before = log.Text();
    Click(IDC_LOG_CLEAR);
    ASSERT_EQ(1u, prompt.messages.size());
    EXPECT_EQ("Do you want to erase the entire log contents?", prompt.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONHAND), prompt.messages[0].type);
    EXPECT_EQ(before, log.Text());
    EXPECT_EQ(before, BoxText());
}

TEST_F(StatusLogDlgTest, ClearLogYesLeavesExactlyTheErasedEntryInLogAndBox)
{
    ScriptedPrompt prompt;
    prompt.answers.push_back(IDYES);
    dialog.ShowWindow(SW_SHOW);
    Click(IDC_LOG_CLEAR);
    EXPECT_EQ(1u, prompt.messages.size());  // the entry itself shows no box
    std::time_t now = 1700000000;
    std::tm local = {};
    localtime_s(&local, &now);
    const std::string expected =
        FormatLogLine(LogTimeStamp(local), LogSeverity::Information, "Log content erased by user...");
    EXPECT_EQ(expected, log.Text());
    EXPECT_EQ(expected, dialog.logText);
    EXPECT_EQ(expected, BoxText());
}
