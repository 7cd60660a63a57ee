// The sub-folder tick of the main window (1000): the list of the movie
// folder and every folder below it, Generate and Delete Selected over it,
// the tick kept in the settings, and nothing changed while it is off.
#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "resource.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"

namespace {

constexpr COLORREF kYellow = RGB(225, 225, 51);

class RecursiveList : public ::testing::Test {
protected:
    RecursiveList()
    {
        w.movies.WriteFile("Shows\\top.mpg");
        w.movies.WriteFile("Shows\\Dr Who\\Season 1\\e1.mpg");
        w.movies.WriteFile("Shows\\Dr Who\\Season 1\\e1.mpg.txt", "title : mine\r\n");
        w.movies.WriteFile("Shows\\Dr Who\\e0.avi");
    }

    std::string Shows(const std::string& relative) const { return w.movies / ("Shows\\" + relative); }

    // What a click on the box does: it ticks itself, then tells the window.
    void Tick(bool on)
    {
        ::SendMessageA(w.Item(IDC_RECURSIVE), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        w.Click(IDC_RECURSIVE);
    }

    std::vector<std::string> Sorted() const
    {
        std::vector<std::string> entries = ListBoxTexts(w.Item(1001));
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    COLORREF ColourOf(const std::string& entry) const
    {
        const LRESULT index =
            ::SendMessageA(w.Item(1001), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(entry.c_str()));
        return static_cast<COLORREF>(::SendMessageA(w.Item(1001), LB_GETITEMDATA, index, 0));
    }

    MainWindowHarness w;
};

}  // namespace

TEST_F(RecursiveList, TheTickListsEveryFolderBelowAndIsKeptInTheSettings)
{
    w.WriteIniForFolder(w.movies / "Shows");
    w.Start();
    EXPECT_TRUE(w.Enabled(IDC_RECURSIVE));
    EXPECT_FALSE(w.Checked(IDC_RECURSIVE));
    EXPECT_EQ(std::vector<std::string>{"top.mpg"}, ListBoxTexts(w.Item(1001)));

    Tick(true);
    EXPECT_EQ((std::vector<std::string>{"Dr Who\\Season 1\\e1.mpg", "Dr Who\\e0.avi", "top.mpg"}), Sorted());
    EXPECT_EQ("3", w.Text(IDC_FILE_COUNT));
    EXPECT_EQ(kYellow, ColourOf("Dr Who\\Season 1\\e1.mpg"));
    EXPECT_EQ(RGB(255, 255, 255), ColourOf("Dr Who\\e0.avi"));

    w.Click(IDC_SELECT_ALL);
    EXPECT_EQ(3, static_cast<int>(::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_GETSELCOUNT, 0, 0)));
    EXPECT_TRUE(w.Enabled(IDC_DELETE_SELECTED));

    w.Close();
    EXPECT_NE(std::string::npos, w.IniText().find("Recursive=true\r\n"));
}

TEST_F(RecursiveList, TheTickFromTheSettingsGeneratesAndDeletesBesideEachMovie)
{
    w.WriteIniForFolder(w.movies / "Shows",
                        "IsEpisode=true\r\nSeriesType=SH general TV shows\r\nRecursive=true\r\n");
    w.Start();
    ASSERT_TRUE(w.Checked(IDC_RECURSIVE));
    ASSERT_EQ("3", w.Text(IDC_FILE_COUNT));

    w.Click(IDC_GENERATE);
    EXPECT_EQ("title : mine\r\n", ReadFileBytes(Shows("Dr Who\\Season 1\\e1.mpg.txt")));
    EXPECT_EQ(0u, ReadFileBytes(Shows("Dr Who\\e0.avi.txt")).find("title : Dr Who\r\n"));
    // The movie folder's own movies carry the Series Title field.
    EXPECT_EQ(0u, ReadFileBytes(Shows("top.mpg.txt")).find("title : Personal Movies\r\n"));
    EXPECT_EQ(kYellow, ColourOf("Dr Who\\e0.avi"));  // the list was read again

    w.prompt.messages.clear();
    const LRESULT index = ::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_FINDSTRINGEXACT, -1,
                                         reinterpret_cast<LPARAM>("Dr Who\\Season 1\\e1.mpg"));
    w.SelectListEntries({static_cast<int>(index)});
    w.Click(IDC_DELETE_SELECTED);
    EXPECT_FALSE(PathExists(Shows("Dr Who\\Season 1\\e1.mpg")));
    EXPECT_FALSE(PathExists(Shows("Dr Who\\Season 1\\e1.mpg.txt")));
    EXPECT_TRUE(PathExists(Shows("Dr Who\\Season 1")));
    EXPECT_TRUE(PathExists(Shows("Dr Who\\e0.avi")));
    EXPECT_EQ((std::vector<std::string>{"Dr Who\\e0.avi", "top.mpg"}), Sorted());
}

TEST_F(RecursiveList, GenerateNeverFollowsALinkNamedLikeAWorkFolderInAnyFolder)
{
    w.movies.WriteFile("Elsewhere\\important.doc", "the user's");
    w.movies.WriteFile("Elsewhere\\1", "named like a temporary file");
    AgeFile(w.movies / "Elsewhere\\important.doc");
    AgeFile(w.movies / "Elsewhere\\1");
    for (const char* folder : {"", "Dr Who\\", "Dr Who\\Season 1\\"}) {
        for (const char* name : {"~reelmark.tmp", "~reelmark-3-3.tmp"}) {
            if (!MakeLink(Shows(std::string(folder) + name), w.movies / "Elsewhere"))
                GTEST_SKIP() << "no symbolic links here";
        }
    }
    w.WriteIniForFolder(w.movies / "Shows", "Recursive=true\r\n");
    w.Start();
    w.Click(IDC_GENERATE);

    EXPECT_EQ((std::vector<std::string>{"1", "important.doc"}), NamesInFolder(w.movies / "Elsewhere"));
    EXPECT_EQ("the user's", ReadFileBytes(w.movies / "Elsewhere\\important.doc"));
    for (const char* movie : {"top.mpg.txt", "Dr Who\\e0.avi.txt"})
        EXPECT_TRUE(PathExists(Shows(movie))) << movie;
}

TEST_F(RecursiveList, WithTheTickOffTheSettingsAndMetadataFilesAreAsBefore)
{
    // The settings file as this version always wrote it: every key, no tick.
    const std::string ini =
        " [Config]\r\n OverwriteMetadata=false\r\n PythonLoc=C:\\py\\pyTivo.py\r\n [Settings]\r\n"
        " TvRating=TV-G - General Audiences\r\n MpaaRating=R - Restricted, < 17 Req Parent\r\n"
        " StarRating=3 (***) stars\r\n SeriesType=MV movies\r\n SeriesDesc=Home\r\n IsEpisode=false\r\n"
        " SeriesID=MV994401\r\n SeriesTitle=Shows\r\n TargetDir=" +
        w.movies / "Shows" + "\r\n";
    w.WriteIni(ini);
    w.Start();
    ::SetWindowTextA(w.Item(IDC_SERIES_ID), "MV994401");
    w.Click(IDC_GENERATE);
    w.Close();

    EXPECT_EQ(ini, w.IniText());
    EXPECT_EQ(
        "title : top\r\nseriesTitle : top\r\nepisodeTitle : \r\nseriesId : MV994401\r\nmovieYear : 2012\r\n"
        "description : Home\r\nisEpisode : false\r\nmpaaRating : R4\r\nstarRating : x5\r\n",
        ReadFileBytes(Shows("top.mpg.txt")));
    EXPECT_FALSE(PathExists(Shows("Dr Who\\e0.avi.txt")));
}

TEST_F(RecursiveList, EachMovieShowsItsNameWithItsFolderApartAndWhatItsFileWillSay)
{
    w.movies.WriteFile("Shows\\Doctor Who\\Season 1\\Doctor.Who.2005.S01E01.Rose.mkv");
    w.WriteIniForFolder(w.movies / "Shows", "Recursive=true\r\n[Config]\r\nParseNames=true\r\n");
    w.Start();
    // The entries stay the paths from the movie folder: the commands act
    // on them by name.
    const std::string rose = "Doctor Who\\Season 1\\Doctor.Who.2005.S01E01.Rose.mkv";
    const std::vector<std::string> entries = Sorted();
    ASSERT_NE(entries.end(), std::find(entries.begin(), entries.end(), rose));
    const auto height = [&](const std::string& entry) {
        const LRESULT index =
            ::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(entry.c_str()));
        return static_cast<int>(::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_GETITEMHEIGHT, index, 0));
    };
    // A movie below shows three lines (its name, its folder, what its file
    // will say), one of the movie folder's own two.
    const int line = height("top.mpg") / 2;
    EXPECT_EQ(3 * line, height(rose));
    // The window says what the template no longer stamps on every file.
    EXPECT_TRUE(::GetWindowLongW(w.Item(IDC_NAMES_NOTE), GWL_STYLE) & WS_VISIBLE);

    // Setup > Options: the names setting turned off and on again shows in
    // the list at once, as in the note.
    for (const UINT tick : {BST_UNCHECKED, BST_CHECKED}) {
        CDialog::ModalObserver() = [tick](CDialog& dialog) {
            ::CheckDlgButton(dialog.m_hWnd, IDC_SETTINGS_PARSE_NAMES, tick);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDOK)));
        };
        w.Click(ID_OPTIONS);
        CDialog::ModalObserver() = nullptr;
        EXPECT_EQ((tick == BST_CHECKED ? 3 : 2) * line, height(rose)) << tick;
        EXPECT_EQ(tick == BST_CHECKED, (::GetWindowLongW(w.Item(IDC_NAMES_NOTE), GWL_STYLE) & WS_VISIBLE) != 0);
    }
}
