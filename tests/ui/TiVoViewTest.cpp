// What the TiVo Shows in the running main window: the fields pyTivo sends
// for the selected movie with their files, what a .meta file takes over,
// and the list's colours for each kind of metadata.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "resource.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"
#include "support/TestFiles.h"

namespace {

// The rows of the view's list, "field | shown | from" each.
std::vector<std::string> Rows(CDialog& dialog)
{
    return ListViewRows(dialog.GetDlgItem(IDC_TIVO_FIELDS), 3);
}

class TiVoView : public ::testing::Test {
protected:
    void TearDown() override { CDialog::ModalObserver() = nullptr; }

    // Opens the view with the command (the menu, or a double click) on the
    // movie; the rows and notes it showed.
    bool Open(const std::string& movie, WPARAM command, std::vector<std::string>& rows, std::string& notes,
              std::string* problems = nullptr)
    {
        const LRESULT index = ::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_FINDSTRINGEXACT, -1,
                                             reinterpret_cast<LPARAM>(movie.c_str()));
        w.SelectListEntries({static_cast<int>(index)});
        bool opened = false;
        CDialog::ModalObserver() = [&](CDialog& dialog) {
            opened = true;
            rows = Rows(dialog);
            fromCut = FromCellsCut(dialog);
            notes = dialog.GetDlgItemText(IDC_TIVO_NOTES);
            if (problems)
                *problems = dialog.GetDlgItemText(IDC_TIVO_PROBLEMS);
            dialog.EndDialog(IDCANCEL);
        };
        w.Dialog().SendMessage(WM_COMMAND, command, reinterpret_cast<LPARAM>(w.Item(IDC_MOVIE_LIST)));
        CDialog::ModalObserver() = nullptr;
        return opened;
    }

    COLORREF ColourOf(const std::string& movie) const
    {
        const LRESULT index = ::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_FINDSTRINGEXACT, -1,
                                             reinterpret_cast<LPARAM>(movie.c_str()));
        return static_cast<COLORREF>(::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_GETITEMDATA, index, 0));
    }

    // How many cells of the From column are wider than the column, so that
    // the list cuts their ends.
    static int FromCellsCut(CDialog& dialog)
    {
        HWND list = dialog.GetDlgItem(IDC_TIVO_FIELDS);
        const LRESULT width = ::SendMessageW(list, LVM_GETCOLUMNWIDTH, 2, 0);
        int cut = 0;
        for (int row = 0, n = ListView_GetItemCount(list); row < n; ++row) {
            wchar_t text[512] = {};
            LVITEMW item = {};
            item.iSubItem = 2;
            item.pszText = text;
            item.cchTextMax = 512;
            ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            cut += ::SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)) + 12 > width;
        }
        return cut;
    }

    MainWindowHarness w;
    int fromCut = 0;
};

}  // namespace

TEST_F(TiVoView, EachFieldWithItsFileAndWhatAMetaFileTakesOverFromTheUsersOwn)
{
    w.movies.WriteFile("Show\\default.txt", "seriesTitle : The Show\r\n");
    w.movies.WriteFile("Show\\Season 1\\e1.mkv");
    w.movies.WriteFile("Show\\Season 1\\e1.mkv.txt", "episodeTitle : Pilot\r\ndescription : Mine\r\n");
    w.movies.WriteFile("Show\\Season 1\\.meta\\e1.mkv.txt", "description : Sonarr's\n");
    w.movies.WriteFile("Show\\Season 1\\e2.mkv");
    w.movies.WriteFile("Show\\Season 1\\e2.nfo", "<episodedetails><title>Two</title></episodedetails>");
    w.movies.WriteFile("Show\\Season 1\\e3.mkv");
    w.WriteIniForFolder(w.movies / "Show\\Season 1");
    w.Start();

    // Its own file yellow; only files pyTivo reads besides (here the
    // show's default.txt above) light blue.
    EXPECT_EQ(RGB(225, 225, 51), ColourOf("e1.mkv"));
    EXPECT_EQ(RGB(176, 216, 248), ColourOf("e2.mkv"));
    EXPECT_EQ(RGB(176, 216, 248), ColourOf("e3.mkv"));

    std::vector<std::string> rows;
    std::string notes;
    ASSERT_TRUE(Open("e1.mkv", ID_TIVO_VIEW, rows, notes));
    ASSERT_GE(rows.size(), 4u);
    // A file outside the movie's folder by its whole path, its middle left
    // out where the column is too narrow.
    const std::string above = w.movies / "Show\\default.txt";
    EXPECT_EQ(0u, rows[0].find("Title | The Show | " + above.substr(0, 3))) << rows[0];
    EXPECT_EQ(rows[0].size() - 12, rows[0].rfind("\\default.txt")) << rows[0];
    EXPECT_EQ("Episode title | Pilot | e1.mkv.txt", rows[1]);
    EXPECT_EQ("Description | Sonarr's | .meta\\e1.mkv.txt", rows[3]);
    EXPECT_EQ(0u, notes.find("Not shown: description \"Mine\" of e1.mkv.txt. .meta\\e1.mkv.txt is read after it "
                             "and sets it.\r\n"))
        << notes;
    EXPECT_NE(std::string::npos, notes.find("Read: " + (w.movies / "Show\\Season 1\\.meta\\e1.mkv.txt")));

    // A double click opens it too, on the movie it hits.
    ASSERT_TRUE(Open("e2.mkv", MAKEWPARAM(IDC_MOVIE_LIST, LBN_DBLCLK), rows, notes));
    EXPECT_EQ("Episode title | Two | e2.nfo", rows.at(1));
    EXPECT_TRUE(w.prompt.messages.empty());
}

TEST_F(TiVoView, TheMetaFolderSettingWritesIntoMetaAndTheEditorEditsTheFileThatWins)
{
    for (const char* movie : {"a.mpg", "b.mpg"})
        w.movies.WriteFile(std::string("Lib\\") + movie);
    w.movies.WriteFile("Lib\\.meta\\b.mpg.txt", "title : Sonarr's\r\n");
    w.WriteIniForFolder(w.movies / "Lib");
    w.Start();

    // Tools > Options: write into .meta; the setting is kept.
    CDialog::ModalObserver() = [](CDialog& dialog) {
        ::CheckDlgButton(dialog, IDC_SETTINGS_META_FOLDER, BST_CHECKED);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    w.Click(ID_OPTIONS);
    CDialog::ModalObserver() = nullptr;
    w.prompt.messages.clear();
    w.Click(IDC_GENERATE);
    EXPECT_EQ(0u, ReadFileBytes(w.movies / "Lib\\.meta\\a.mpg.txt").find("title : a\r\n"));
    EXPECT_EQ("title : Sonarr's\r\n", ReadFileBytes(w.movies / "Lib\\.meta\\b.mpg.txt"));
    EXPECT_FALSE(PathExists(w.movies / "Lib\\a.mpg.txt"));

    // The editor edits b's .meta file, and its caption says so.
    const LRESULT index =
        ::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("b.mpg"));
    w.SelectListEntries({static_cast<int>(index)});
    std::string caption;
    CDialog::ModalObserver() = [&](CDialog& dialog) {
        caption = dialog.GetWindowText();
        dialog.SetDlgItemText(IDC_EDITOR_TITLE, "Mine");
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    w.Click(IDC_EDIT_META);
    CDialog::ModalObserver() = nullptr;
    EXPECT_EQ("Edit Metadata - .meta\\b.mpg.txt (pyTivo reads it last)", caption);
    EXPECT_EQ("title : Mine\r\n", ReadFileBytes(w.movies / "Lib\\.meta\\b.mpg.txt"));
    w.Close();
    EXPECT_NE(std::string::npos, w.IniText().find("MetaFolder=true\r\n"));
}

TEST_F(TiVoView, ATaggedMovieIsLightBlueItsTagsAreASourceAndItsProblemsAreListed)
{
    w.movies.WriteFile("Lib\\Episode.m4v", TestFileBytes("Episode.m4v"));
    w.movies.WriteFile("Lib\\Other.mkv");
    w.movies.WriteFile("Lib\\Other.mkv.txt", "episodetitle : Pilot\r\ntvRating : TV-14\r\n");
    w.WriteIniForFolder(w.movies / "Lib");
    w.Start();
    EXPECT_EQ(RGB(176, 216, 248), ColourOf("Episode.m4v"));

    std::vector<std::string> rows;
    std::string notes;
    std::string problems;
    ASSERT_TRUE(Open("Episode.m4v", ID_TIVO_VIEW, rows, notes, &problems));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ("Title | Tagged Show | tags in Episode.m4v", rows[0]);
    EXPECT_EQ("Episode title | The Pilot | tags in Episode.m4v", rows[1]);
    EXPECT_EQ("None: pyTivo sends the fields above as they are.\r\n", problems);

    ASSERT_TRUE(Open("Other.mkv", ID_TIVO_VIEW, rows, notes, &problems));
    EXPECT_EQ("! Other.mkv.txt: pyTivo does not use the key \"episodetitle\" (keys are case-sensitive); it was "
              "probably meant to be \"episodeTitle\"\r\n",
              problems);
}

TEST_F(TiVoView, TheFromColumnTellsFilesWithLongNamesApartAndTheChannelShowsAsShowPrintsIt)
{
    const std::string stem = "Show Name - 1x02 - A Rather Long Episode Title That Goes On";
    w.movies.WriteFile("Show\\" + stem + ".mkv");
    w.movies.WriteFile("Show\\" + stem + ".nfo",
                       "<episodedetails><title>From the nfo</title><plot>Plot</plot></episodedetails>");
    w.movies.WriteFile("Show\\" + stem + ".mkv.txt",
                       "episodeTitle : Mine\r\ncallsign : KQED\r\ndisplayMajorNumber : 9\r\n"
                       "displayMinorNumber : 1\r\nepisodeNumber : 102\r\nisEpisode : false\r\n");
    w.WriteIniForFolder(w.movies / "Show");
    w.Start();
    std::vector<std::string> rows;
    std::string notes;
    ASSERT_TRUE(Open(stem + ".mkv", ID_TIVO_VIEW, rows, notes));
    const auto row = [&rows](const std::string& field) {
        for (const std::string& line : rows) {
            if (line.compare(0, field.size() + 3, field + " | ") == 0)
                return line;
        }
        return std::string();
    };
    const auto from = [](const std::string& line) { return line.substr(line.rfind(" | ") + 3); };
    // The two files' names differ only at their ends, which both show.
    const std::string nfo = from(row("Description"));
    const std::string own = from(row("Call sign"));
    EXPECT_NE(nfo, own);
    EXPECT_EQ(nfo.size() - 4, nfo.rfind(".nfo")) << nfo;
    EXPECT_EQ(own.size() - 8, own.rfind(".mkv.txt")) << own;
    EXPECT_EQ(0u, own.find("Show Name")) << own;
    EXPECT_EQ(0, fromCut) << "the list view would cut their ends";
    // The channel, as reelmark-cli show lists it; the episode number is
    // sent for a movie too.
    EXPECT_EQ("Call sign | KQED", row("Call sign").substr(0, 16));
    EXPECT_EQ("Channel number | 9", row("Channel number").substr(0, 18));
    EXPECT_EQ("Sub-channel number | 1", row("Sub-channel number").substr(0, 22));
    EXPECT_EQ("Episode number | 102", row("Episode number").substr(0, 20));
    EXPECT_EQ("", row("Episode title")) << "not sent for a movie";
}

TEST_F(TiVoView, ALinkedMetaFolderIsShownButNeitherGenerateNorTheEditorWritesThroughIt)
{
    w.movies.WriteFile("Lib\\a.mpg");
    w.movies.WriteFile("Lib\\b.mpg");
    w.movies.WriteFile("Elsewhere\\b.mpg.txt", "title : Theirs\r\n");
    if (!MakeLink(w.movies / "Lib\\.meta", w.movies / "Elsewhere"))
        GTEST_SKIP() << "no symbolic links here";
    w.WriteIniForFolder(w.movies / "Lib", "[Config]\r\nMetaFolder=true\r\n");
    w.Start();

    w.Click(IDC_GENERATE);
    EXPECT_EQ(std::vector<std::string>{"b.mpg.txt"}, NamesInFolder(w.movies / "Elsewhere"));
    EXPECT_NE(std::string::npos, w.LogText().find("<WARNING>Left alone: " + (w.movies / "Lib\\.meta") +
                                                  ": a link to another place; nothing is written through a link\n"))
        << w.LogText();

    // The editor shows the file pyTivo reads there, and its Save is refused.
    const LRESULT index =
        ::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("b.mpg"));
    w.SelectListEntries({static_cast<int>(index)});
    std::string title;
    CDialog::ModalObserver() = [&](CDialog& dialog) {
        title = dialog.GetDlgItemText(IDC_EDITOR_TITLE);
        dialog.SetDlgItemText(IDC_EDITOR_TITLE, "Mine");
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    };
    w.Click(IDC_EDIT_META);
    CDialog::ModalObserver() = nullptr;
    EXPECT_EQ("Theirs", title);
    EXPECT_EQ("title : Theirs\r\n", ReadFileBytes(w.movies / "Elsewhere\\b.mpg.txt"));
    EXPECT_EQ(std::vector<std::string>{"b.mpg.txt"}, NamesInFolder(w.movies / "Elsewhere"));
}
