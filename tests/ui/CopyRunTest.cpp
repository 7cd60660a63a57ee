// The copy run of the copy dialog: confirmation, files copied and skipped,
// a failure that stops the run, progress texts, log lines, the summary and
// the refresh of the main window.
#include <algorithm>
#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "ui/CopyDialogHarness.h"

namespace {

using Strings = std::vector<std::string>;

class CopyRun : public ::testing::Test, protected CopyDialogHarness {
protected:
    // Source files a.mpg, b.mpg, c.mpg in movies\Src, listed in the dialog.
    void OpenWithThreeFiles()
    {
        for (const char* name : {"a.mpg", "b.mpg", "c.mpg"})
            w.movies.WriteFile(std::string("Src\\") + name, std::string("movie ") + name);
        Open();
        AddFiles({Source("a.mpg"), Source("b.mpg"), Source("c.mpg")});
        w.prompt.messages.clear();
    }
    std::string Source(const std::string& name) const { return w.movies / ("Src\\" + name); }
    // Log messages written since the dialog was filled.
    Strings RunLog()
    {
        Strings all = LogMessages(w.LogText());
        return Strings(all.begin() + logStart_, all.end());
    }
    void MarkLog() { logStart_ = LogMessages(w.LogText()).size(); }

private:
    size_t logStart_ = 0;
};

}  // namespace

TEST_F(CopyRun, CopiesNewFilesSkipsExistingOnesAndRefreshesTheMainWindow)
{
    w.movies.WriteFile("Target\\a.mpg", "kept");
    OpenWithThreeFiles();
    EXPECT_EQ("0", w.Text(1005));
    // The progress bar as each log line is written.
    Strings texts;
    std::vector<int> positions;
    w.Dialog().Log().SetListener([&](const std::string&) {
        texts.push_back(Dialog().CopyProgress().GetWindowText());
        positions.push_back(Dialog().CopyProgress().GetPos());
    });
    MarkLog();
    Click(IDC_COPY_START);
    w.Dialog().Log().SetListener(nullptr);

    ASSERT_EQ(2u, w.prompt.messages.size());
    EXPECT_EQ("There are 1 files already on the folder: " + Target() +
                  ".\nYou must set the overwrite check to write over these\nfiles or they will be skipped."
                  "\n\nDo you want to continue and skip duplicate files?",
              w.prompt.messages[0].text);
    EXPECT_EQ("Warning: Duplicate File Will Be Skipped", w.prompt.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), w.prompt.messages[0].type);
    EXPECT_EQ(WindowInUse(), w.prompt.messages[0].owner);
    EXPECT_EQ("File copy complete: 2 files copied.", w.prompt.messages[1].text);
    EXPECT_EQ("Copy Complete", w.prompt.messages[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), w.prompt.messages[1].type);

    // The run's own lines; the main window's refresh logs after them.
    Strings log = RunLog();
    log.resize(std::min<size_t>(log.size(), 4));
    texts.resize(std::min<size_t>(texts.size(), 4));
    positions.resize(std::min<size_t>(positions.size(), 4));
    EXPECT_EQ((Strings{"Copy File \"" + Target() + "\\a.mpg\" already exists - skipped!",
                       "File \"" + Source("b.mpg") + "\" copied to: " + Target() + "\\",
                       "File \"" + Source("c.mpg") + "\" copied to: " + Target() + "\\",
                       "File copy complete: 2 files copied."}),
              log);
    EXPECT_EQ((Strings{"Starting copy file process: 3 files...",
                       "File skipped - already exists: " + Source("a.mpg") + " - ",
                       "File copied: " + Source("b.mpg"), "Completed"}),
              texts);
    // The bar moves with the bytes: a file's line comes when the bar has
    // reached its end.
    EXPECT_EQ((std::vector<int>{1, 66, 100, 100}), positions);
    EXPECT_EQ(0, Dialog().CopyProgress().showPercent);
    EXPECT_FALSE(::GetWindowLongA(Dialog().CopyProgress(), GWL_STYLE) & WS_VISIBLE);

    EXPECT_EQ("kept", ReadFileBytes(Target() + "\\a.mpg"));
    EXPECT_EQ("movie b.mpg", ReadFileBytes(Target() + "\\b.mpg"));
    EXPECT_EQ((Strings{"a.mpg", "b.mpg", "c.mpg"}), NamesInFolder(Target()));
    EXPECT_EQ("3", w.Text(1005)) << "the main window lists the copied movies";
    EXPECT_EQ("yellow", RowColour("b.mpg"));
    EXPECT_EQ(3, Dialog().ExistingCount());

    // Again: every file is there now and is skipped.
    w.prompt.messages.clear();
    Click(IDC_COPY_START);
    ASSERT_EQ(2u, w.prompt.messages.size());
    EXPECT_EQ(0u, w.prompt.messages[0].text.find("There are 3 files already on the folder: "));
    EXPECT_EQ("File copy complete: 0 files copied.", w.prompt.messages[1].text);
}

TEST_F(CopyRun, AnsweringNoCopiesNothing)
{
    OpenWithThreeFiles();
    MarkLog();
    w.prompt.answers = {IDNO};
    Click(IDC_COPY_START);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Are you ready to copy 3 files to the folder: " + Target() + "?", w.prompt.messages[0].text);
    EXPECT_EQ("Ready To Start Copy Process", w.prompt.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), w.prompt.messages[0].type);
    EXPECT_TRUE(NamesInFolder(Target()).empty());
    EXPECT_TRUE(RunLog().empty());
    EXPECT_FALSE(::GetWindowLongA(Dialog().CopyProgress(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(CopyRun, AFailureStopsTheRunAndTheSummaryCountsWhatWasCopied)
{
    OpenWithThreeFiles();
    MarkLog();
    // b.mpg vanishes after the checks, while the confirmation is up.
    w.prompt.whileOpen = [&](const ScriptedPrompt::Message& box) {
        if (box.caption == "Ready To Start Copy Process")
            ::DeleteFileW(FilePath(Source("b.mpg")).c_str());
    };
    Click(IDC_COPY_START);

    ASSERT_EQ(3u, w.prompt.messages.size());
    EXPECT_EQ("File Copy Error", w.prompt.messages[1].caption);
    EXPECT_EQ(0u, w.prompt.messages[1].text.find("Could not copy file: " + Source("b.mpg") + "\n"));
    EXPECT_GT(w.prompt.messages[1].text.size(), ("Could not copy file: " + Source("b.mpg") + "\n").size());
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), w.prompt.messages[1].type & MB_ICONMASK);
    EXPECT_EQ("File copy complete: 1 files copied.", w.prompt.messages[2].text);
    EXPECT_EQ((Strings{"a.mpg"}), NamesInFolder(Target())) << "c.mpg is never tried";
    Strings log = RunLog();
    ASSERT_LE(3u, log.size());
    EXPECT_EQ("File \"" + Source("a.mpg") + "\" copied to: " + Target() + "\\", log[0]);
    EXPECT_EQ("<ERROR> " + w.prompt.messages[1].text, log[1]);
    EXPECT_EQ("File copy complete: 1 files copied.", log[2]);
    // The run ends with the rows checked again: the vanished file now blocks.
    EXPECT_EQ("red", RowColour("b.mpg"));
}

TEST_F(CopyRun, ACopyThatFailsAfterItsBytesWereWrittenLeavesNoTemporaryFile)
{
    // A folder holds the target name: the copy fails and nothing of it
    // stays, neither under the name nor beside it.
    w.movies.WriteFile("Src\\big.mpg", std::string(512 * 1024, 'x'));
    w.movies.WriteFile("Target\\big.mpg\\inside.txt", "kept");
    Open();
    AddFiles({Source("big.mpg")});
    ToggleOverwrite();
    w.prompt.messages.clear();
    Click(IDC_COPY_START);

    ASSERT_EQ(3u, w.prompt.messages.size());
    EXPECT_EQ("File Copy Error", w.prompt.messages[1].caption);
    EXPECT_EQ("File copy complete: 0 files copied.", w.prompt.messages[2].text);
    EXPECT_EQ((Strings{"big.mpg"}), NamesInFolder(Target())) << "no temporary file stays";
    EXPECT_EQ("kept", ReadFileBytes(Target() + "\\big.mpg\\inside.txt"));
}

TEST_F(CopyRun, OverwriteTargetReplacesTheFileInPlace)
{
    w.movies.WriteFile("Src\\a.mpg", "new");
    w.movies.WriteFile("Target\\a.mpg", "old");
    Open();
    AddFiles({Source("a.mpg")});
    ToggleOverwrite();
    w.prompt.messages.clear();
    Click(IDC_COPY_START);
    ASSERT_EQ(2u, w.prompt.messages.size());
    EXPECT_EQ("Ready To Start Copy Process", w.prompt.messages[0].caption);
    EXPECT_EQ("File copy complete: 1 files copied.", w.prompt.messages[1].text);
    EXPECT_EQ("new", ReadFileBytes(Target() + "\\a.mpg"));
    EXPECT_EQ((Strings{"a.mpg"}), NamesInFolder(Target())) << "no \"Copy of \" file";
    EXPECT_EQ("grey", RowColour("a.mpg"));
}

TEST_F(CopyRun, LinksInTheTargetFolderNeverLeadTheRunOutOfIt)
{
    w.movies.WriteFile("Elsewhere\\important.mpg", "the user's film");
    w.movies.WriteFile("Elsewhere\\notes.txt", "the user's notes");
    w.movies.WriteFile("Elsewhere\\1", "named like a temporary file");
    for (const char* name : {"Elsewhere\\important.mpg", "Elsewhere\\notes.txt", "Elsewhere\\1"})
        AgeFile(w.movies / name);
    for (const char* name : {"a.mpg", "b.mpg"})
        w.movies.WriteFile(std::string("Src\\") + name, "new");
    // Named like a movie, like a metadata file, like work folders.
    if (!MakeLink(Target() + "\\a.mpg", w.movies / "Elsewhere\\important.mpg") ||
        !MakeLink(Target() + "\\b.mpg.txt", w.movies / "Elsewhere\\notes.txt") ||
        !MakeLink(Target() + "\\~reelmark.tmp", w.movies / "Elsewhere") ||
        !MakeLink(Target() + "\\~reelmark-9-9.tmp", w.movies / "Elsewhere"))
        GTEST_SKIP() << "no symbolic links here";
    Open();
    AddFiles({Source("a.mpg"), Source("b.mpg")});
    ToggleOverwrite();
    Click(IDC_COPY_START);

    EXPECT_EQ("the user's film", ReadFileBytes(w.movies / "Elsewhere\\important.mpg"));
    EXPECT_EQ("the user's notes", ReadFileBytes(w.movies / "Elsewhere\\notes.txt"));
    EXPECT_EQ((Strings{"1", "important.mpg", "notes.txt"}), NamesInFolder(w.movies / "Elsewhere"));
    // The link named like the movie is replaced by the copy, not written
    // through.
    EXPECT_EQ("new", ReadFileBytes(Target() + "\\a.mpg"));
    EXPECT_FALSE(LeadsElsewhere(Target() + "\\a.mpg"));
    EXPECT_EQ("new", ReadFileBytes(Target() + "\\b.mpg"));
}

TEST_F(CopyRun, RemoveSelWhileTheConfirmationIsUpIsRefused)
{
    OpenWithThreeFiles();
    SelectRows({0, 1, 2});
    w.prompt.whileOpen = [&](const ScriptedPrompt::Message& box) {
        if (box.caption == "Ready To Start Copy Process")
            Click(IDC_COPY_REMOVE);  // a click or a posted command meanwhile
    };
    Click(IDC_COPY_START);

    EXPECT_EQ((Strings{"Ready To Start Copy Process", "Copy Complete"}), Captions());
    EXPECT_EQ((Strings{"a.mpg", "b.mpg", "c.mpg"}), NamesInFolder(Target()));
}

TEST_F(CopyRun, RowsGoneWhileTheConfirmationIsUpCopyNothing)
{
    OpenWithThreeFiles();
    w.prompt.whileOpen = [&](const ScriptedPrompt::Message& box) {
        if (box.caption == "Ready To Start Copy Process")
            List().DeleteAllItems();
    };
    Click(IDC_COPY_START);

    EXPECT_EQ("File copy complete: 0 files copied.", w.prompt.messages.back().text);
    EXPECT_TRUE(NamesInFolder(Target()).empty());
}

TEST_F(CopyRun, ANameTakenByAFolderFailsInsteadOfCopyingBesideIt)
{
    w.movies.WriteFile("Src\\a.mpg", "movie");
    w.movies.WriteFile("Target\\a.mpg\\inside.txt", "kept");
    Open();
    AddFiles({Source("a.mpg")});
    w.prompt.messages.clear();
    Click(IDC_COPY_START);

    EXPECT_EQ((Strings{"Ready To Start Copy Process", "File Copy Error", "Copy Complete"}), Captions());
    EXPECT_EQ("File copy complete: 0 files copied.", w.prompt.messages.back().text);
    EXPECT_EQ((Strings{"a.mpg"}), NamesInFolder(Target())) << "no \"Copy of \" file";
}

TEST_F(CopyRun, BoxesBelongToTheCopyDialogWhileItIsOpen)
{
    // As the main window runs it: modally, its boxes owned by it, so that
    // closing a box brings back the dialog and not the main window.
    w.movies.WriteFile("Target\\in target.mpg");
    HWND copyDialog = nullptr;
    CDialog::ModalObserver() = [&](CDialog& dialog) {
        copyDialog = dialog.m_hWnd;
        w.prompt.fileSelections.push_back({Target() + "\\in target.mpg"});
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_ADD, BN_CLICKED), 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    w.Click(ID_COPY_MOVIES);
    CDialog::ModalObserver() = nullptr;

    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("File Copy Error", w.prompt.messages[0].caption);
    ASSERT_NE(nullptr, copyDialog);
    EXPECT_EQ(copyDialog, w.prompt.messages[0].owner);
    EXPECT_EQ(w.Hwnd(), WindowInUse()) << "the main window again once the dialog is closed";
}
