// The copy dialog over the real main window: its empty state, adding and
// removing files, the row checks and colours, sorting, Play Movie, the
// Overwrite Target flag and the disk usage display.
#include <functional>
#include <gtest/gtest.h>

#include "ui/CopyDialogHarness.h"

namespace {

class CopyDialog : public ::testing::Test, protected CopyDialogHarness {};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(CopyDialog, OpensEmptyWithGreyedPicturesAndDisabledButtons)
{
    Open();
    EXPECT_EQ("Copy list contains 0 files.", Dialog().GetWindowText());
    EXPECT_EQ(Target(), Text(IDC_COPY_TARGET));
    EXPECT_EQ(IDB_COPY_GREY, Dialog().ShownPicture(IDC_COPY_START));
    EXPECT_EQ(IDB_PLAY_GREY, Dialog().ShownPicture(IDC_COPY_PLAY));
    EXPECT_FALSE(Enabled(IDC_COPY_SELECT_ALL));
    EXPECT_FALSE(Enabled(IDC_COPY_REMOVE));
    EXPECT_FALSE(Enabled(IDC_COPY_CLEAR_SEL));
    EXPECT_TRUE(Enabled(IDC_COPY_START)) << "the pictures tell, the buttons stay usable";
    EXPECT_EQ("Total (Bytes):", Text(IDC_COPY_TOTAL_LABEL));
    EXPECT_EQ(std::string(16, ' ') + "0", Text(IDC_COPY_TOTAL_BYTES));
    EXPECT_FALSE(::GetWindowLongA(Dialog().CopyProgress(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(3, List().GetColumnCount());

    // The test folder's volume answers: its root, its size and its usage.
    ASSERT_TRUE(Dialog().FreeBytes().has_value());
    EXPECT_EQ(VolumeRootOf(Target()), Text(IDC_COPY_VOLUME_ROOT));
    EXPECT_EQ(0u, Dialog().DiskUsageBar().GetWindowText().find("Disk Usage: ("));
    EXPECT_EQ(0, Dialog().DiskUsageBar().showPercent);
    EXPECT_NE("Total Space", Text(IDC_COPY_VOLUME_SIZE));
    EXPECT_TRUE(w.prompt.messages.empty());
}

TEST_F(CopyDialog, AddsPickedFilesSortedAndCountsDuplicateNames)
{
    w.movies.WriteFile("One\\b.mpg", std::string(1500, 'x'));
    w.movies.WriteFile("One\\a.avi", "abc");
    w.movies.WriteFile("Two\\b.mpg", "other folder, same name");
    Open();
    AddFiles({w.movies / "One\\b.mpg", w.movies / "Two\\b.mpg", w.movies / "One\\a.avi"});

    ASSERT_EQ(1u, w.prompt.fileRequests.size());
    const FileDialogRequest& request = w.prompt.fileRequests[0];
    EXPECT_EQ("Add Additional Movie Files To Copy List", request.title);
    EXPECT_EQ("mpg", request.defaultExtension);
    EXPECT_EQ(static_cast<DWORD>(OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY), request.flags);
    EXPECT_EQ(0u, request.filter.find("All Supported Movie File|*.mpg;*.mpeg;*.wmv;*.avi;*.mov;*.flv;"));
    EXPECT_EQ("Ts Files (*.ts)|*.ts|", request.filter.substr(request.filter.size() - 21));

    EXPECT_EQ((Strings{"a.avi", "b.mpg"}), Column(0));
    EXPECT_EQ((Strings{w.movies / "One", w.movies / "One"}), Column(1));
    EXPECT_EQ((Strings{SizeColumnText(3), SizeColumnText(1500)}), Column(2));
    EXPECT_EQ("Copy list contains 2 files.", Dialog().GetWindowText());
    EXPECT_EQ(SizeColumnText(1503), Text(IDC_COPY_TOTAL_BYTES));
    EXPECT_EQ("Total (1.5 KB):", Text(IDC_COPY_TOTAL_LABEL));
    EXPECT_EQ(IDB_COPY, Dialog().ShownPicture(IDC_COPY_START));
    EXPECT_TRUE(Enabled(IDC_COPY_SELECT_ALL));
    EXPECT_EQ(2u, w.Dialog().CopyList().size());

    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("There were 1 duplicate files not added!", w.prompt.messages[0].text);
    EXPECT_EQ("File Copy Error - Duplicate Files", w.prompt.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), w.prompt.messages[0].type & MB_ICONMASK);

    // Cancelling the picker adds nothing and reports nothing.
    Click(IDC_COPY_ADD);
    EXPECT_EQ(2, List().GetItemCount());
    EXPECT_EQ(1u, w.prompt.messages.size());
}

TEST_F(CopyDialog, AFileOfTheTargetStopsTheRestOfTheSelection)
{
    w.movies.WriteFile("One\\a.mpg");
    w.movies.WriteFile("Target\\here.mpg");
    w.movies.WriteFile("One\\z.mpg");
    Open();
    AddFiles({w.movies / "One\\a.mpg", Target() + "\\here.mpg", w.movies / "One\\z.mpg"});
    EXPECT_EQ((Strings{"a.mpg"}), Column(0));
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Cannot copy files to same destination folder: " + Target(), w.prompt.messages[0].text);
    EXPECT_EQ("File Copy Error", w.prompt.messages[0].caption);
}

TEST_F(CopyDialog, RowsAreColouredByWhatTheRunWillDo)
{
    w.movies.WriteFile("Src\\new.mpg", "new");
    w.movies.WriteFile("Src\\old.mpg", "newer");
    w.movies.WriteFile("Target\\old.mpg", "older");
    Open();
    AddFiles({w.movies / "Src\\new.mpg", w.movies / "Src\\old.mpg", w.movies / "Src\\gone.mpg",
              "Q:\\Nowhere\\lost.mpg"});

    EXPECT_EQ("white", RowColour("new.mpg"));
    EXPECT_EQ("yellow", RowColour("old.mpg"));
    EXPECT_EQ("red", RowColour("gone.mpg"));
    EXPECT_EQ("red", RowColour("lost.mpg"));
    EXPECT_EQ(SizeColumnText(-1), List().GetItemText(RowOf("gone.mpg"), 2));
    EXPECT_EQ(1, Dialog().ExistingCount());
    EXPECT_EQ(1, Dialog().ListError());
    EXPECT_EQ("Illegal source or destination volume in copy list.", Dialog().ListErrorText())
        << "a missing drive is a volume fault, not a missing file";
    EXPECT_EQ(IDB_COPY_STOP, Dialog().ShownPicture(IDC_COPY_START));
    EXPECT_TRUE(w.prompt.messages.empty()) << "a failing row shows no box by itself";

    // Overwrite Target turns the skipped row grey and back.
    ToggleOverwrite();
    EXPECT_EQ("grey", RowColour("old.mpg"));
    EXPECT_EQ(0, Dialog().ExistingCount());
    EXPECT_EQ("white", RowColour("new.mpg"));
    ToggleOverwrite();
    EXPECT_EQ("yellow", RowColour("old.mpg"));
    EXPECT_EQ(1, Dialog().ExistingCount());
    // A rebuild checks the entries in the order they were added: the last failing one speaks.
    EXPECT_EQ("Illegal source or destination volume in copy list.", Dialog().ListErrorText());
}

TEST_F(CopyDialog, ATargetWrittenWithATrailingBackslashCatchesTheSameFile)
{
    w.movies.WriteFile("Target\\same.mpg");
    w.Dialog().SwitchFolder(Target() + "\\", false);
    Open();
    AddFiles({Target() + "\\same.mpg"});
    EXPECT_EQ("red", RowColour("same.mpg"));
    EXPECT_EQ("Duplicate source and destination in copy list.", Dialog().ListErrorText());

    // The run refuses while the row fails.
    Click(IDC_COPY_START);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ(
        "Copy list cannot be executed due to one or more errors:\n "
        "Duplicate source and destination in copy list.",
        w.prompt.messages[0].text);
    EXPECT_EQ("File Copy List Error", w.prompt.messages[0].caption);
}

TEST_F(CopyDialog, RemovesSelectedRowsOnlyOnYes)
{
    for (const char* name : {"a.mpg", "b.mpg", "c.mpg"})
        w.movies.WriteFile(std::string("Src\\") + name);
    Open();
    AddFiles({w.movies / "Src\\a.mpg", w.movies / "Src\\b.mpg", w.movies / "Src\\c.mpg"});
    SelectRows({0, 2});
    EXPECT_TRUE(Enabled(IDC_COPY_REMOVE));
    EXPECT_TRUE(Enabled(IDC_COPY_CLEAR_SEL));

    w.prompt.answers = {IDNO, IDCANCEL};
    Click(IDC_COPY_REMOVE);
    Click(IDC_COPY_REMOVE);
    EXPECT_EQ(3, List().GetItemCount());
    ASSERT_EQ(2u, w.prompt.messages.size());
    EXPECT_EQ("Do you want to remove 2 selected files from copy list?", w.prompt.messages[0].text);
    EXPECT_EQ("Warning", w.prompt.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), w.prompt.messages[0].type);
    EXPECT_EQ(WindowInUse(), w.prompt.messages[0].owner);

    Click(IDC_COPY_REMOVE);  // Yes
    EXPECT_EQ((Strings{"b.mpg"}), Column(0));
    ASSERT_EQ(1u, w.Dialog().CopyList().size());
    EXPECT_EQ("b.mpg", w.Dialog().CopyList()[0].fileName);
    EXPECT_EQ("Copy list contains 1 files.", Dialog().GetWindowText());
    EXPECT_FALSE(Enabled(IDC_COPY_REMOVE));
}

TEST_F(CopyDialog, SelectAllAndClearSelectionRefreshTheButtons)
{
    w.movies.WriteFile("Src\\a.mpg");
    w.movies.WriteFile("Src\\b.mpg");
    Open();
    AddFiles({w.movies / "Src\\a.mpg", w.movies / "Src\\b.mpg"});
    Click(IDC_COPY_SELECT_ALL);
    EXPECT_EQ(2, List().GetSelectedCount());
    EXPECT_TRUE(Enabled(IDC_COPY_REMOVE));
    EXPECT_EQ(IDB_PLAY_GREY, Dialog().ShownPicture(IDC_COPY_PLAY)) << "two rows: nothing to play";
    Click(IDC_COPY_CLEAR_SEL);
    EXPECT_EQ(0, List().GetSelectedCount());
    EXPECT_FALSE(Enabled(IDC_COPY_CLEAR_SEL));
    SelectRows({1});
    EXPECT_EQ(IDB_PLAY, Dialog().ShownPicture(IDC_COPY_PLAY));
}

TEST_F(CopyDialog, ColumnClicksSortAscendingAndSizesNumerically)
{
    w.movies.WriteFile("b\\Zed.mpg", std::string(999, 'x'));
    w.movies.WriteFile("A\\alpha.mpg", std::string(1000, 'x'));
    w.movies.WriteFile("A\\Mid.mpg", std::string(5, 'x'));
    Open();
    AddFiles({w.movies / "b\\Zed.mpg", w.movies / "A\\alpha.mpg", w.movies / "A\\Mid.mpg"});
    EXPECT_EQ((Strings{"alpha.mpg", "Mid.mpg", "Zed.mpg"}), Column(0)) << "names sort without regard to case";

    Notify(LVN_COLUMNCLICK, 2);
    EXPECT_EQ((Strings{"Mid.mpg", "Zed.mpg", "alpha.mpg"}), Column(0)) << "5, 999, then 1,000";
    Notify(LVN_COLUMNCLICK, 2);
    EXPECT_EQ((Strings{"Mid.mpg", "Zed.mpg", "alpha.mpg"}), Column(0)) << "a second click sorts the same way";
    Notify(LVN_COLUMNCLICK, 1);
    EXPECT_EQ(w.movies / "b", Column(1)[2]);
    Notify(LVN_COLUMNCLICK, 0);
    EXPECT_EQ((Strings{"alpha.mpg", "Mid.mpg", "Zed.mpg"}), Column(0));
    // The rows keep their own style records through every sort.
    EXPECT_EQ("white", RowColour("Zed.mpg"));
}

TEST_F(CopyDialog, PlayMovieOpensTheFileItselfWithItsOddName)
{
    w.movies.WriteFile("Src\\a & b.mpg");
    w.movies.WriteFile("Src\\c.mpg");
    Open();
    AddFiles({w.movies / "Src\\a & b.mpg", w.movies / "Src\\c.mpg"});
    Click(IDC_COPY_PLAY);
    EXPECT_TRUE(w.prompt.launches.empty()) << "no row selected: nothing happens";

    SelectRows({0});
    Click(IDC_COPY_PLAY);
    ASSERT_EQ(1u, w.prompt.launches.size());
    const LaunchRequest& launch = w.prompt.launches[0];
    EXPECT_EQ(w.movies / "Src\\a & b.mpg", launch.file);
    EXPECT_EQ("", launch.parameters);
    EXPECT_EQ(w.movies / "Src", launch.directory);
    EXPECT_EQ(SW_SHOWNORMAL, launch.show);
}

TEST_F(CopyDialog, AnUnknownTargetVolumeIsNotTakenForAFullOne)
{
    w.Dialog().SwitchFolder("Q:\\Movies", false);
    Open();
    EXPECT_FALSE(Dialog().FreeBytes().has_value());
    EXPECT_EQ(kDiskUsageUnavailable, Dialog().DiskUsageBar().GetWindowText());
    EXPECT_EQ(0, Dialog().DiskUsageBar().GetPos());
    EXPECT_EQ(IDB_COPY_GREY, Dialog().ShownPicture(IDC_COPY_START));
    for (const auto& message : w.prompt.messages)
        EXPECT_NE("Target Copy Disk Error", message.caption);
}

TEST_F(CopyDialog, CloseKeepsTheOverwriteStateEscapeDoesNot)
{
    // Each opening runs the real command modally; the observer plays the user.
    std::vector<int> shown;
    auto run = [&](std::function<void(HWND)> user) {
        CDialog::ModalObserver() = [&](CDialog& dialog) {
            shown.push_back(::IsDlgButtonChecked(dialog.m_hWnd, IDC_COPY_OVERWRITE));
            HWND box = ::GetDlgItem(dialog.m_hWnd, IDC_COPY_OVERWRITE);
            ::SendMessageA(box, BM_SETCHECK, shown.back() ? BST_UNCHECKED : BST_CHECKED, 0);
            ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_COPY_OVERWRITE, BN_CLICKED),
                           reinterpret_cast<LPARAM>(box));
            user(dialog.m_hWnd);
        };
        ::SendMessageA(w.Hwnd(), WM_COMMAND, ID_COPY_MOVIES, 0);
        CDialog::ModalObserver() = nullptr;
    };
    auto escape = [](HWND dialog) { ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); };
    auto close = [](HWND dialog) { ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };
    auto closeMessage = [](HWND dialog) { ::SendMessageA(dialog, WM_CLOSE, 0, 0); };

    run(escape);  // ticked, then Escape
    EXPECT_EQ(0, w.Dialog().CopyOverwriteFlag());
    run(close);  // ticked, then Close
    EXPECT_EQ(1, w.Dialog().CopyOverwriteFlag());
    run(closeMessage);  // shown ticked, cleared, then WM_CLOSE
    EXPECT_EQ(0, w.Dialog().CopyOverwriteFlag());
    EXPECT_EQ((std::vector<int>{0, 0, 1}), shown);
}

TEST_F(CopyDialog, ReopeningChecksTheSameListAgainstANewTarget)
{
    w.movies.WriteFile("Src\\film.mpg");
    w.movies.WriteFile("Other\\film.mpg");
    Open();
    AddFiles({w.movies / "Src\\film.mpg"});
    EXPECT_EQ("white", RowColour("film.mpg"));
    Dialog().DestroyWindow();

    w.Dialog().SwitchFolder(w.movies / "Other", false);
    Open();
    EXPECT_EQ(w.movies / "Other", Text(IDC_COPY_TARGET));
    EXPECT_EQ("yellow", RowColour("film.mpg"));
    EXPECT_EQ("Copy list contains 1 files.", Dialog().GetWindowText());
}
