// Edit Selected Meta Text in the running main window: the editor on one
// selected movie, saved, cancelled, refused input, and files it must not
// or cannot change.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/files/WorkFolder.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "resource.h"
#include "support/MainWindowHarness.h"

namespace {

void Click(CDialog& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

class MetadataEditor : public ::testing::Test {
protected:
    void TearDown() override { CDialog::ModalObserver() = nullptr; }

    void StartWith(const std::vector<std::string>& movies)
    {
        for (const std::string& movie : movies)
            w.movies.WriteFile("Films\\" + movie);
        w.WriteIniForFolder(w.movies / "Films");
        w.Start();
    }
    std::string MetadataPath(const std::string& movie) const
    {
        return w.movies / ("Films\\" + movie + ".txt");
    }
    int IndexOf(const std::string& movie) const
    {
        return static_cast<int>(
            ::SendMessageA(w.Item(1001), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(movie.c_str())));
    }

    // Selects that one movie and presses Edit Selected Meta Text with these
    // steps of the user inside the editor; false when no editor opened.
    bool Edit(const std::string& movie, const std::function<void(CDialog&)>& steps)
    {
        w.SelectListEntries({IndexOf(movie)});
        bool opened = false;
        CDialog::ModalObserver() = [&](CDialog& dialog) {
            opened = true;
            steps(dialog);
        };
        w.Click(IDC_EDIT_META);
        CDialog::ModalObserver() = nullptr;
        return opened;
    }

    MainWindowHarness w;
};

}  // namespace

TEST_F(MetadataEditor, ANewFileStartsAsTheTemplateAndSavesTheEditedFields)
{
    StartWith({"Holiday.mpg", "Other.avi"});
    w.Click(IDC_SELECT_ALL);
    EXPECT_FALSE(w.Enabled(IDC_EDIT_META)) << "one movie at a time";

    ASSERT_TRUE(Edit("Holiday.mpg", [&](CDialog& dialog) {
        EXPECT_EQ("Edit Metadata - Holiday.mpg.txt", dialog.GetWindowText());
        EXPECT_EQ("Holiday", dialog.GetDlgItemText(IDC_EDITOR_TITLE));
        EXPECT_EQ("R - Restricted, < 17 Req Parent", dialog.GetDlgItemText(IDC_EDITOR_MPAA_RATING));
        EXPECT_EQ(8, ::SendDlgItemMessageW(dialog, IDC_EDITOR_TV_RATING, CB_GETCOUNT, 0, 0));
        ::SendDlgItemMessageW(dialog, IDC_EDITOR_TV_RATING, CB_SETCURSEL, 3, 0);
        dialog.SetDlgItemText(IDC_EDITOR_EPISODE_NUMBER, "3");
        dialog.SetDlgItemText(IDC_EDITOR_AIR_DATE, "2012-05-04");
        dialog.SetDlgItemText(IDC_EDITOR_DESCRIPTION, "Two\r\nlines");
        dialog.SetDlgItemText(IDC_EDITOR_ACTORS, "Ann \xc3\xa9\r\nBob\r\n");
        ::CheckDlgButton(dialog, IDC_EDITOR_IS_EPISODE, BST_CHECKED);
        Click(dialog, IDOK);
    }));
    const std::string expected =
        "title : Holiday\r\nseriesTitle : Holiday\r\nepisodeTitle : \r\nseriesId : " + w.Text(IDC_SERIES_ID) +
        "\r\nmovieYear : 2012\r\ndescription : Two lines\r\nisEpisode : true\r\n"
        "mpaaRating : R4\r\nstarRating : x5\r\nepisodeNumber : 3\r\n"
        "originalAirDate : 2012-05-04T00:00:00Z\r\ntvRating : x3\r\n"
        "vActor : Ann \xe9\r\nvActor : Bob\r\n";
    EXPECT_EQ(expected, ReadFileBytes(MetadataPath("Holiday.mpg")));
    EXPECT_NE(std::string::npos, w.LogText().find("Metadata file saved: " + MetadataPath("Holiday.mpg")));
    // The list was filled again: the movie is marked.
    EXPECT_EQ(RGB(225, 225, 51), ::SendMessageA(w.Item(1001), LB_GETITEMDATA, IndexOf("Holiday.mpg"), 0));
    EXPECT_TRUE(w.prompt.messages.empty());
}

TEST_F(MetadataEditor, CancelKeepsTheFileAndRefusedInputKeepsTheEditorOpen)
{
    const std::string file = "title : Caf\xe9\r\nx-note\r\nepisodeNumber : 1x04\r\nmpaaRating : N7\r\n";
    w.movies.WriteFile("Films\\Caf\xc3\xa9.mpg.txt", file);
    StartWith({"Caf\xc3\xa9.mpg"});
    const std::string path = MetadataPath("Caf\xc3\xa9.mpg");
    const std::string log = w.LogText();

    ASSERT_TRUE(Edit("Caf\xc3\xa9.mpg", [&](CDialog& dialog) {
        EXPECT_EQ("Caf\xc3\xa9", dialog.GetDlgItemText(IDC_EDITOR_TITLE));
        EXPECT_EQ("x-note\r\n", dialog.GetDlgItemText(IDC_EDITOR_OTHER_LINES));
        EXPECT_EQ("N7", dialog.GetDlgItemText(IDC_EDITOR_MPAA_RATING)) << "a code without an item, as it is";
        dialog.SetDlgItemText(IDC_EDITOR_TITLE, "Changed");
        Click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(file, ReadFileBytes(path));
    EXPECT_EQ(log, w.LogText());

    ASSERT_TRUE(Edit("Caf\xc3\xa9.mpg", [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_EDITOR_EPISODE_NUMBER, "4b");
        Click(dialog, IDOK);
        EXPECT_EQ(file, ReadFileBytes(path)) << "refused: nothing written";
        dialog.SetDlgItemText(IDC_EDITOR_EPISODE_NUMBER, "4");
        Click(dialog, IDOK);
    }));
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("The episode number takes digits only, such as 7 or 104.", w.prompt.messages[0].text);
    EXPECT_EQ("title : Caf\xe9\r\nx-note\r\nepisodeNumber : 4\r\nmpaaRating : N7\r\n", ReadFileBytes(path));
}

TEST_F(MetadataEditor, ASaveKeepsEachUnchangedLineByteForByteWithItsLineEnd)
{
    // Written on Linux (bare line feeds), one line by Notepad, a last line
    // without its end, a name in Windows-1252.
    const std::string file = "title : Caf\xe9\nx-note\r\nepisodeNumber : 1\n# end";
    w.movies.WriteFile("Films\\A.mpg.txt", file);
    StartWith({"A.mpg"});
    ASSERT_TRUE(Edit("A.mpg", [&](CDialog& dialog) { Click(dialog, IDOK); }));
    EXPECT_EQ(file, ReadFileBytes(MetadataPath("A.mpg"))) << "nothing changed";
    ASSERT_TRUE(Edit("A.mpg", [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_EDITOR_EPISODE_NUMBER, "2");
        dialog.SetDlgItemText(IDC_EDITOR_ACTORS, "Ren\xc3\xa9");
        Click(dialog, IDOK);
    }));
    EXPECT_EQ("title : Caf\xe9\nx-note\r\nepisodeNumber : 2\n# end\nvActor : Ren\xe9\n",
              ReadFileBytes(MetadataPath("A.mpg")));
}

TEST_F(MetadataEditor, ALongNameLeavesOutItsMiddleSoTheCaptionKeepsItsEndAndWhereTheFileLies)
{
    const std::string movie = "Show Name - 1x02 - A Rather Long Episode Title That Goes On and On.mkv";
    w.movies.WriteFile("Films\\.meta\\" + movie + ".txt", "title : Kept\r\n");
    StartWith({movie});
    std::string caption;
    ASSERT_TRUE(Edit(movie, [&](CDialog& dialog) {
        caption = dialog.GetWindowText();
        Click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(0u, caption.find("Edit Metadata - .meta\\Show Name - ")) << caption;
    EXPECT_EQ(caption.size() - 31, caption.rfind(".mkv.txt (pyTivo reads it last)")) << caption;
    EXPECT_NE(std::string::npos, caption.find("...")) << caption;
}

TEST_F(MetadataEditor, AReadOnlyFileIsNotOpenedAndAFailedSaveKeepsTheEditorOpen)
{
    w.movies.WriteFile("Films\\Kept.mpg.txt", "title : Kept\r\n");
    w.movies.WriteFile("Films\\Open.mpg.txt", "title : Open\r\n");
    StartWith({"Kept.mpg", "Open.mpg"});
    SetReadOnly(MetadataPath("Kept.mpg"), true);
    EXPECT_FALSE(Edit("Kept.mpg", [](CDialog&) {}));
    SetReadOnly(MetadataPath("Kept.mpg"), false);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_NE(std::string::npos, w.prompt.messages[0].text.find("read-only"));

    // The file turns read-only while the editor is open: the save is refused
    // with a box, and the editor stays with what was typed.
    ASSERT_TRUE(Edit("Open.mpg", [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_EDITOR_TITLE, "New");
        SetReadOnly(MetadataPath("Open.mpg"), true);
        Click(dialog, IDOK);
        EXPECT_EQ("New", dialog.GetDlgItemText(IDC_EDITOR_TITLE));
        Click(dialog, IDCANCEL);
    }));
    SetReadOnly(MetadataPath("Open.mpg"), false);
    ASSERT_EQ(2u, w.prompt.messages.size());
    EXPECT_EQ("Metadata File Not Saved", w.prompt.messages[1].caption);
    EXPECT_EQ("title : Open\r\n", ReadFileBytes(MetadataPath("Open.mpg")));
}

TEST_F(MetadataEditor, SaveAsksBeforeWritingOverAChangeMadeMeanwhileAndKeepingItIsTheDefault)
{
    w.movies.WriteFile("Films\\A.mpg.txt", "title : A\r\n");
    StartWith({"A.mpg", "B.mpg"});
    const std::string path = MetadataPath("A.mpg");

    ASSERT_TRUE(Edit("A.mpg", [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_EDITOR_TITLE, "Mine");
        w.movies.WriteFile("Films\\A.mpg.txt", "title : Theirs\r\n");
        w.prompt.answers = {IDCANCEL};
        Click(dialog, IDOK);
        EXPECT_EQ("title : Theirs\r\n", ReadFileBytes(path)) << "Cancel keeps what is on the disk";
        EXPECT_EQ("Mine", dialog.GetDlgItemText(IDC_EDITOR_TITLE)) << "and the editor with what was typed";
        w.prompt.answers = {IDOK};
        Click(dialog, IDOK);
    }));
    ASSERT_EQ(2u, w.prompt.messages.size());
    const auto& box = w.prompt.messages[0];
    EXPECT_EQ("Metadata File Changed", box.caption);
    EXPECT_EQ(path + "\nhas been changed by another program since the editor opened it.\n\nClick OK to write "
                     "your version over it, or Cancel to keep the file as it is now.",
              box.text);
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2), box.type);
    EXPECT_NE(w.Hwnd(), box.owner) << "owned by the editor";
    EXPECT_EQ("title : Mine\r\n", ReadFileBytes(path));

    // A new file that another program wrote meanwhile is asked about too.
    w.prompt.messages.clear();
    ASSERT_TRUE(Edit("B.mpg", [&](CDialog& dialog) {
        w.movies.WriteFile("Films\\B.mpg.txt", "title : Theirs\r\n");
        w.prompt.answers = {IDCANCEL};
        Click(dialog, IDOK);
        Click(dialog, IDCANCEL);
    }));
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_NE(std::string::npos, w.prompt.messages[0].text.find("\nhas been made by another program"));
    EXPECT_EQ("title : Theirs\r\n", ReadFileBytes(MetadataPath("B.mpg")));
}

TEST_F(MetadataEditor, AMovieDeletedMeanwhileGetsNoMetadataFile)
{
    StartWith({"Gone.mpg"});
    ASSERT_TRUE(Edit("Gone.mpg", [&](CDialog& dialog) {
        ASSERT_EQ(0u, DeleteFileItself(w.movies / "Films\\Gone.mpg", false));
        Click(dialog, IDOK);
        Click(dialog, IDCANCEL);
    }));
    EXPECT_FALSE(PathExists(MetadataPath("Gone.mpg")));
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Metadata File Not Saved", w.prompt.messages[0].caption);
    EXPECT_EQ("The movie is not there any more: " + (w.movies / "Films\\Gone.mpg") +
                  "\nNo metadata file is written for it.",
              w.prompt.messages[0].text);
}

TEST_F(MetadataEditor, FilesItCannotShowAreRefusedOrConvertedNeverWrittenInMixedForms)
{
    // "title : Été" in UTF-16, little-endian with its mark.
    const std::string utf16("\xFF\xFEt\0i\0t\0l\0e\0 \0:\0 \0\xC9\0t\0\xE9\0\r\0\n\0", 28);
    const std::string withNul("title : A\0B\r\n", 13);
    w.movies.WriteFile("Films\\Wide.mpg.txt", utf16);
    w.movies.WriteFile("Films\\Nul.mpg.txt", withNul);
    w.movies.WriteFile("Films\\Big.mpg.txt", "description : " + std::string(20000, 'x') + "\r\n");
    StartWith({"Wide.mpg", "Nul.mpg", "Big.mpg"});

    EXPECT_FALSE(Edit("Nul.mpg", [](CDialog&) {}));
    EXPECT_FALSE(Edit("Big.mpg", [](CDialog&) {}));
    w.prompt.answers = {IDNO};
    EXPECT_FALSE(Edit("Wide.mpg", [](CDialog&) {}));
    ASSERT_EQ(3u, w.prompt.messages.size());
    EXPECT_EQ("The metadata file holds NUL bytes, which the editor cannot show: " + MetadataPath("Nul.mpg") +
                  "\nIt is left as it is.",
              w.prompt.messages[0].text);
    EXPECT_EQ("The file is too big for a metadata file: " + MetadataPath("Big.mpg") +
                  " (20,016 bytes)\nThe editor opens files of up to 16,384 bytes; it is left as it is.",
              w.prompt.messages[1].text);
    EXPECT_EQ("Metadata File In UTF-16", w.prompt.messages[2].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), w.prompt.messages[2].type);
    EXPECT_EQ(withNul, ReadFileBytes(MetadataPath("Nul.mpg")));
    EXPECT_EQ(utf16, ReadFileBytes(MetadataPath("Wide.mpg")));

    w.prompt.answers = {IDYES};
    ASSERT_TRUE(Edit("Wide.mpg", [&](CDialog& dialog) {
        EXPECT_EQ("\xC3\x89t\xC3\xA9", dialog.GetDlgItemText(IDC_EDITOR_TITLE));
        dialog.SetDlgItemText(IDC_EDITOR_EPISODE_NUMBER, "4");
        Click(dialog, IDOK);
    }));
    EXPECT_EQ("title : \xC9t\xE9\r\nepisodeNumber : 4\r\n", ReadFileBytes(MetadataPath("Wide.mpg")));
}

TEST_F(MetadataEditor, ASaveRemovesWhatSavesThatWereCutShortLeftInTheFolder)
{
    w.movies.WriteFile("Films\\~reelmark-77-1.tmp\\3", "cut short");
    w.movies.WriteFile("Films\\~reelmark-77-1.tmp\\marker", WorkFolderMarker("~reelmark-77-1.tmp"));
    StartWith({"A.mpg"});
    ASSERT_TRUE(Edit("A.mpg", [&](CDialog& dialog) { Click(dialog, IDOK); }));
    EXPECT_EQ((std::vector<std::string>{"A.mpg", "A.mpg.txt"}), NamesInFolder(w.movies / "Films"));
}

TEST_F(MetadataEditor, EachSaveIsARunThatUndoLastRunTakesBack)
{
    w.movies.WriteFile("Films\\A.mpg.txt", "title : Hand made\r\n");
    StartWith({"A.mpg"});
    ASSERT_TRUE(Edit("A.mpg", [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_EDITOR_TITLE, "Changed");
        Click(dialog, IDOK);
    }));
    ASSERT_EQ("title : Changed\r\n", ReadFileBytes(MetadataPath("A.mpg")));

    w.prompt.answers = {IDYES};
    w.Click(ID_UNDO_LAST_RUN);
    ASSERT_FALSE(w.prompt.messages.empty());
    EXPECT_EQ(0u, w.prompt.messages[0].text.find("Undo the last run?\n\nEditor, ")) << w.prompt.messages[0].text;
    EXPECT_NE(std::string::npos, w.prompt.messages[0].text.find(": 1 file replaced\n"));
    EXPECT_EQ("title : Hand made\r\n", ReadFileBytes(MetadataPath("A.mpg")));
}

TEST_F(MetadataEditor, WhatASaveCutShortLeftGoesWhenTheWindowStartsAndWhenTheEditorOpens)
{
    // A save cut short (a crash, a power cut) leaves its work folder with
    // the temporary file and its marker in it, beside the movie or in .meta.
    const auto leaveSaveBehind = [&](const std::string& folder) {
        w.movies.WriteFile(folder + "\\~reelmark-77-1.tmp\\3", "cut short");
        w.movies.WriteFile(folder + "\\~reelmark-77-1.tmp\\marker", WorkFolderMarker("~reelmark-77-1.tmp"));
        AgeFile(w.movies / (folder + "\\~reelmark-77-1.tmp\\3"));
    };
    leaveSaveBehind("Films");
    leaveSaveBehind("Films\\.meta");
    // A user's file that only bears the names is no proof and stays.
    w.movies.WriteFile("Films\\~reelmark-78-1.tmp\\notes.doc", "the user's");
    StartWith({"A.mpg"});
    EXPECT_EQ((std::vector<std::string>{".meta", "A.mpg", "~reelmark-78-1.tmp"}), NamesInFolder(w.movies / "Films"));
    EXPECT_TRUE(NamesInFolder(w.movies / "Films\\.meta").empty());

    leaveSaveBehind("Films");
    ASSERT_TRUE(Edit("A.mpg", [&](CDialog& dialog) {
        EXPECT_EQ((std::vector<std::string>{".meta", "A.mpg", "~reelmark-78-1.tmp"}),
                  NamesInFolder(w.movies / "Films"))
            << "gone before the editor shows";
        Click(dialog, IDCANCEL);
    }));
    EXPECT_EQ("the user's", ReadFileBytes(w.movies / "Films\\~reelmark-78-1.tmp\\notes.doc"));
}
