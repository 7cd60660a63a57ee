// Long runs in the window: Generate, Delete Selected and the copy run show
// their progress, keep the window answering, refuse a second command and
// stop after the file at hand when cancelled.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/controls/RunProgressDlg.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"
#include "resource.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"

namespace {

using Strings = std::vector<std::string>;

class RunProgress : public ::testing::Test {
protected:
    RunProgress()
    {
        for (const char* movie : {"A.mpg", "B.mpg", "C.mpg", "D.mpg", "E.mpg"})
            w.movies.WriteFile(std::string("Films\\") + movie, "movie");
        w.WriteIniForFolder(w.movies / "Films");
        w.Start();
    }
    ~RunProgress() override { CRunProgressDlg::Observer() = nullptr; }

    // Watches the run: records what its window shows at each file and lets
    // the test act there (step counted from 0).
    void Watch(std::function<void(CRunProgressDlg&, int step)> act = nullptr)
    {
        CRunProgressDlg::Observer() = [this, act](CRunProgressDlg& window) {
            shown.push_back(window.GetWindowText() + " | " + window.GetDlgItemText(IDC_RUN_PROGRESS) + " | " +
                            window.GetDlgItemText(IDC_RUN_FILE));
            if (act)
                act(window, static_cast<int>(shown.size()) - 1);
        };
    }
    static void PressCancel(CRunProgressDlg& window)
    {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(window.GetDlgItem(IDCANCEL)));
    }
    // Whether a window of this test (not of another one running beside it)
    // has the title.
    static bool ThisThreadShows(const wchar_t* title)
    {
        std::pair<const wchar_t*, bool> search{title, false};
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND window, LPARAM data) {
                auto* found = reinterpret_cast<std::pair<const wchar_t*, bool>*>(data);
                wchar_t text[128] = {};
                ::GetWindowTextW(window, text, 128);
                found->second = found->second || wcscmp(text, found->first) == 0;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.second;
    }
    std::string Film(const std::string& name) const { return w.movies / ("Films\\" + name); }

    MainWindowHarness w;
    Strings shown;
};

}  // namespace

TEST_F(RunProgress, GenerateShowsEachFileAndCancelStopsAfterTheOneAtHand)
{
    Watch([](CRunProgressDlg& window, int step) {
        if (step == 2)
            PressCancel(window);
    });
    w.Click(1008);

    EXPECT_EQ(
        (Strings{"Generating metadata files | 1 of 5 | A.mpg", "Generating metadata files | 2 of 5 | B.mpg",
                 "Generating metadata files | 3 of 5 | C.mpg"}),
        shown);
    // The files before the cancel point are written, the rest untouched.
    EXPECT_EQ((Strings{"A.mpg", "A.mpg.txt", "B.mpg", "B.mpg.txt", "C.mpg", "D.mpg", "E.mpg"}),
              NamesInFolder(w.movies / "Films"));
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Create Meta Files Cancelled", w.prompt.messages[0].caption);
    EXPECT_EQ("2 Metadata Files Created - 0 replaced - 0 skipped - 0 failed - 3 cancelled", w.prompt.messages[0].text);
    EXPECT_FALSE(ThisThreadShows(L"Generating metadata files")) << "the progress window is gone";
}

TEST_F(RunProgress, WhileARunIsGoingOtherFileCommandsAreGreyedAndRefused)
{
    bool greyed = false;
    Watch([&](CRunProgressDlg&, int step) {
        if (step != 1)
            return;
        greyed = !w.Enabled(1008) && !w.Enabled(1027) && !w.Dialog().ToolBar().IsButtonEnabled(1008);
        w.Click(1018);
        w.Click(1027);   // Delete Selected
        w.Click(1008);   // Generate again
        w.Click(32785);  // the copy dialog
    });
    w.Click(1008);

    EXPECT_TRUE(greyed);
    EXPECT_EQ(5u, shown.size()) << "one run, its five files";
    ASSERT_EQ(1u, w.prompt.messages.size()) << "no delete question, no second summary";
    EXPECT_EQ("5 Metadata Files Created - 0 skipped!", w.prompt.messages[0].text);
    EXPECT_TRUE(w.Enabled(1008)) << "given back when the run ends";
    EXPECT_TRUE(w.Dialog().ToolBar().IsButtonEnabled(1008));
}

TEST_F(RunProgress, EscapeInTheWindowCancelsTheRunAndTheCloseBoxClosesWhenItHasStopped)
{
    Watch([&](CRunProgressDlg&, int step) {
        if (step == 0)
            w.Dialog().SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Escape
    });
    w.Click(1008);
    EXPECT_EQ(1u, shown.size());
    EXPECT_TRUE(::IsWindow(w.Hwnd())) << "Escape stopped the run, not the program";
    EXPECT_EQ("0 Metadata Files Created - 0 replaced - 0 skipped - 0 failed - 5 cancelled", w.prompt.messages.back().text);

    shown.clear();
    // The settings are written whole only by the close.
    const std::string before = w.IniText();
    Watch([&](CRunProgressDlg&, int step) {
        if (step == 0)
            w.Close();
    });
    w.Click(1008);
    EXPECT_EQ(1u, shown.size());
    EXPECT_EQ(before, w.IniText()) << "not closed in the middle of the run";
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    EXPECT_NE(before, w.IniText()) << "closed once the run had stopped";
}

TEST_F(RunProgress, DeleteShowsEachMovieAndCancelKeepsTheRest)
{
    w.Dialog().CurrentSettings().DeleteForGood = "true";
    Watch([](CRunProgressDlg& window, int step) {
        if (step == 1)
            PressCancel(window);
    });
    w.Click(1018);
    w.Click(1027);

    EXPECT_EQ((Strings{"Deleting movie files | 1 of 5 | A.mpg", "Deleting movie files | 2 of 5 | B.mpg"}),
              shown);
    EXPECT_EQ((Strings{"B.mpg", "C.mpg", "D.mpg", "E.mpg"}), NamesInFolder(w.movies / "Films"));
    EXPECT_EQ("File Delete Cancelled", w.prompt.messages.back().caption);
    EXPECT_EQ("1 files deleted - 0 kept - 0 failed - 4 cancelled", w.prompt.messages.back().text);
}

TEST_F(RunProgress, ARecycleAsksAboutEachMovieFirstAndCancelThenMovesNothing)
{
    Watch([](CRunProgressDlg& window, int step) {
        if (step == 1)
            PressCancel(window);
    });
    w.Click(1018);
    w.Click(1027);

    EXPECT_EQ((Strings{"Moving movie files to the Recycle Bin | 1 of 5 | A.mpg",
                       "Moving movie files to the Recycle Bin | 2 of 5 | B.mpg"}),
              shown);
    EXPECT_EQ((Strings{"A.mpg", "B.mpg", "C.mpg", "D.mpg", "E.mpg"}), NamesInFolder(w.movies / "Films"));
    EXPECT_EQ("0 files deleted - 0 kept - 0 failed - 5 cancelled", w.prompt.messages.back().text);
}

TEST_F(RunProgress, TheCopyRunShowsEachFileAndCancelCopiesNoMore)
{
    w.prompt.folders.push_back(w.movies / "Copies");
    w.movies.MakeFolder("Copies");
    w.Click(1004);
    CCopyMoviesToFolderDlg copy(w.Dialog());
    copy.Create(IDD_COPY_MOVIES, &w.Dialog());
    w.prompt.fileSelections.push_back({Film("A.mpg"), Film("B.mpg"), Film("C.mpg")});
    copy.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_ADD, BN_CLICKED), 0);
    Watch([](CRunProgressDlg& window, int step) {
        if (step == 1)
            PressCancel(window);
    });
    copy.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_START, BN_CLICKED), 0);
    copy.DestroyWindow();

    EXPECT_EQ((Strings{"Copying movie files | 1 of 3 | A.mpg", "Copying movie files | 2 of 3 | B.mpg"}),
              shown);
    EXPECT_EQ((Strings{"A.mpg"}), NamesInFolder(w.movies / "Copies"));
    EXPECT_EQ("Copy Cancelled", w.prompt.messages.back().caption);
    EXPECT_EQ("File copy complete: 1 files copied - 0 skipped - 2 cancelled.", w.prompt.messages.back().text);
}
