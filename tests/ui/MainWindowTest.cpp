// The main window run in-process: start, folder switch, template panel,
// list, tree, Generate, close.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "core/settings/IniFile.h"
#include "core/settings/Version.h"
#include "platform/Text.h"
#include "resource.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"

namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string Setting(const std::string& iniPath, const std::string& key)
{
    CIniFile ini;
    std::string section = key == "PythonLoc" || key == "OverwriteMetadata" ? "Config" : "Settings";
    return ini.ReadValue(key, section, iniPath);
}

bool IsSeriesId(const std::string& id, const std::string& prefix)
{
    return id.size() == 8 && id.compare(0, 2, prefix) == 0 && id.compare(2, 2, "99") == 0 &&
           std::all_of(id.begin() + 4, id.end(), ::isdigit);
}

class MainWindow : public ::testing::Test {
protected:
    MainWindowHarness w;
};

}  // namespace

TEST_F(MainWindow, FirstStartWithoutIniCreatesItWithEveryDefault)
{
    w.Start();
    const std::string ini = w.start / "reelmark.ini";
    EXPECT_EQ("C:\\", w.Text(1003));
    EXPECT_EQ("C:\\Program Files (x86)\\pyTivo\\pyTivo.py", Setting(ini, "PythonLoc"));
    EXPECT_EQ("MV994401", Setting(ini, "SeriesID"));
    EXPECT_TRUE(IsSeriesId(w.Text(1011), "MV")) << w.Text(1011);
    EXPECT_EQ("*.mpg;*.mpeg;*.wmv;*.avi;*.mov;*.flv;*.swf;*.rmvb;*.mkv;*.m4v;*.mp4;*.ts", w.Text(1006));
    EXPECT_EQ("MV movies", w.ComboText(1010));
    EXPECT_EQ("3 (***) stars", w.ComboText(1020));
    EXPECT_EQ("R - Restricted, < 17 Req Parent", w.ComboText(1017));
    EXPECT_EQ("TV-G - General Audiences", w.ComboText(1023));
    EXPECT_FALSE(w.Checked(1000));
    const std::string titleStart = std::string("Reelmark [ver ") + kReelmarkVersion + "] - ";
    EXPECT_EQ(titleStart, w.Dialog().GetWindowText().substr(0, titleStart.size()));
}

TEST_F(MainWindow, StartReadsTheStoredTemplateButMakesANewSeriesId)
{
    w.movies.WriteFile("Show\\Ep 1.avi");
    w.WriteIniForFolder(w.movies / "Show",
                        "SeriesID=SH990001\r\nSeriesType=sh\r\nStarRating=4\r\nTvRating=TV-14\r\n"
                        "MpaaRating=no such rating\r\nIsEpisode=True\r\nSeriesDesc=Line one\r\n"
                        "[Config]\r\nOverwriteMetadata=true\r\n");
    w.Start();
    EXPECT_EQ("SH general TV shows", w.ComboText(1010));
    EXPECT_EQ("4 (****) stars", w.ComboText(1020));
    EXPECT_EQ("TV-14 - Parents Strongly Cautioned ", w.ComboText(1023));
    // A rating that names no item takes the default, said in the log, and
    // is never saved empty.
    EXPECT_EQ("R - Restricted, < 17 Req Parent", w.ComboText(1017));
    EXPECT_TRUE(Contains(
        LogMessages(w.LogText()),
        "<WARNING>The setting MpaaRating=no such rating in " + w.IniPath() +
            " is none of its values: \"G - General Audiences\", \"PG - Parental Guidance\", \"PG-13 - "
            "Parents Strongly Cautioned\", \"R - Restricted, < 17 Req Parent\", \"X (Hard Core Sex)\", "
            "\"NC-17 - No One 17\", \"NR - Not Rated\" (or the start of one, such as \"R\"); it takes its "
            "default \"R - Restricted, < 17 Req Parent\"."));
    EXPECT_FALSE(w.Checked(1021)) << "only exactly \"true\" ticks the box";
    EXPECT_TRUE(w.Checked(1024));
    EXPECT_NE("SH990001", w.Text(1011));
    EXPECT_TRUE(IsSeriesId(w.Text(1011), "SH"));
    EXPECT_EQ("Line one", w.Text(1014));
    w.Close();
    EXPECT_NE(std::string::npos, w.IniText().find("MpaaRating=R - Restricted, < 17 Req Parent\r\n"));
}

TEST_F(MainWindow, ChoosingAFolderSetsTitleListTreeAndLogs)
{
    w.movies.WriteFile("Video\\Dr Who\\Ep 1.mpg");
    w.movies.WriteFile("Video\\Dr Who\\Ep 1.mpg.txt", "title : Ep 1\r\n");
    w.movies.WriteFile("Video\\Dr Who\\Ep 2.avi");
    w.movies.MakeFolder("Video\\Other");
    w.WriteIniForFolder(w.movies / "Video\\Other");
    w.Start();

    w.prompt.folders.push_back(w.movies / "Video\\Dr Who");
    w.Click(1004);
    ASSERT_EQ(1u, w.prompt.folderQuestions.size());
    EXPECT_EQ("Select folder", w.prompt.folderQuestions[0].title);
    EXPECT_EQ(w.movies / "Video\\Other", w.prompt.folderQuestions[0].initialFolder);
    EXPECT_EQ(0x49u, w.prompt.folderQuestions[0].flags);
    EXPECT_EQ(w.movies / "Video\\Dr Who", w.Text(1003));
    EXPECT_EQ("Dr Who", w.Text(1009));
    EXPECT_EQ("2", w.Text(1005));
    EXPECT_EQ(w.movies / "Video\\Dr Who", w.Dialog().CurrentSettings().TargetDir);
    auto log = LogMessages(w.LogText());
    EXPECT_TRUE(Contains(log, "Switching to new folder directory: " + w.movies / "Video\\Dr Who"));
    EXPECT_TRUE(Contains(log, "Found 2 movie files in folder directory."));

    // Cancelling the picker changes nothing and logs nothing.
    size_t lines = LogMessages(w.LogText()).size();
    w.Click(57601);
    EXPECT_EQ(w.movies / "Video\\Dr Who", w.Text(1003));
    EXPECT_EQ(lines, LogMessages(w.LogText()).size());
}

TEST_F(MainWindow, ASeasonFolderGivesItsShowAsTheSeriesTitle)
{
    w.movies.WriteFile("Doctor Who\\Season 1\\Rose.mkv");
    w.movies.WriteFile("Doctor Who\\Specials\\Invasion.mkv");
    w.WriteIniForFolder(w.movies / "Doctor Who\\Season 1");
    w.Start();
    w.Click(IDC_RESET_TREE);
    EXPECT_EQ("Doctor Who", w.Text(IDC_SERIES_TITLE));
    // Its own node is the one selected.
    EXPECT_EQ(0u, SelectedTreeText(w.Item(IDC_FOLDER_TREE)).find("Season 1"));
    w.Dialog().SwitchFolder(w.movies / "Doctor Who\\Specials", true);
    EXPECT_EQ("Doctor Who", w.Text(IDC_SERIES_TITLE));
}

TEST_F(MainWindow, ADriveRootEmptiesTheSeriesTitle)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    w.Dialog().SwitchFolder("Z:\\", false);
    EXPECT_EQ("", w.Text(1009));
    EXPECT_EQ("", w.Dialog().CurrentSettings().SeriesTitle);
}

TEST_F(MainWindow, SeriesTypeSwitchesLayoutEpisodeBoxRatingsAndId)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    w.ChooseComboItem(1010, 1);  // sorted: MV, SH, SP, TS
    EXPECT_EQ("SH general TV shows", w.ComboText(1010));
    EXPECT_TRUE(w.Checked(1021));
    EXPECT_FALSE(w.Dialog().MovieMode());
    EXPECT_TRUE(IsSeriesId(w.Text(1011), "SH"));
    EXPECT_NE(std::string::npos, w.Text(1007).find("tvRating : x3"));
    EXPECT_TRUE(w.Enabled(1023));
    EXPECT_FALSE(w.Enabled(1017));

    w.ChooseComboItem(1010, 0);
    EXPECT_FALSE(w.Checked(1021));
    EXPECT_TRUE(w.Dialog().MovieMode());
    EXPECT_NE(std::string::npos, w.Text(1007).find("mpaaRating : R4"));
    EXPECT_TRUE(w.Enabled(1017));
    EXPECT_FALSE(w.Enabled(1023));

    // Is Episode by hand with a movie series type: episode layout, type kept.
    ::SendMessageA(w.Item(1021), BM_SETCHECK, BST_CHECKED, 0);
    w.Click(1021);
    EXPECT_EQ("MV movies", w.ComboText(1010));
    EXPECT_NE(std::string::npos, w.Text(1007).find("episodeTitle : <<< Your Movie File Name Here >>>"));
    EXPECT_TRUE(w.Enabled(1023));
}

TEST_F(MainWindow, RatingChangesGiveANewIdAndTheStarCode)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    w.ChooseComboItem(1017, 0);
    EXPECT_EQ("G - General Audiences", w.Dialog().CurrentSettings().MpaaRating);
    EXPECT_NE(std::string::npos, w.Text(1007).find("mpaaRating : G1"));
    w.ChooseComboItem(1020, 0);
    EXPECT_NE(std::string::npos, w.Text(1007).find("starRating : x1"));
    ::SetWindowTextA(w.Item(1011), "");
    w.Click(1012);
    EXPECT_TRUE(IsSeriesId(w.Text(1011), "MV"));
    EXPECT_NE(std::string::npos, w.Text(1007).find("seriesId : " + w.Text(1011)));
}

TEST_F(MainWindow, StarPictureClickSelectsTheRatingOfItsQuarter)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    ::ShowWindow(w.Hwnd(), SW_SHOWNOACTIVATE);
    RECT button;
    ::GetWindowRect(w.Item(1022), &button);
    const int quarter = (button.right - button.left) / 4;
    const int y = (button.top + button.bottom) / 2;
    const struct {
        int x;
        const char* item;
    } clicks[] = {{button.left + 1, "1 (*) star"},
                  {button.left + quarter + 1, "2 (**) stars"},
                  {button.left + 2 * quarter + 1, "3 (***) stars"},
                  {button.left + 3 * quarter, "4 (****) stars"},
                  {button.right - 1, "4 (****) stars"}};
    for (const auto& click : clicks) {
        ::SetCursorPos(click.x, y);
        // The handler reads where the mouse was when the click was queued.
        ::PostMessageA(w.Hwnd(), WM_COMMAND, MAKEWPARAM(1022, BN_CLICKED),
                       reinterpret_cast<LPARAM>(w.Item(1022)));
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        EXPECT_EQ(click.item, w.ComboText(1020)) << click.x - button.left;
    }
}

TEST_F(MainWindow, MovieListShowsColoursCountsAndFollowsTheSelection)
{
    w.movies.WriteFile("Films\\a.mpg");
    w.movies.WriteFile("Films\\a.mpg.txt", "title : a\r\n");
    w.movies.WriteFile("Films\\b.avi");
    w.movies.WriteFile("Films\\readme.txt");
    w.movies.WriteFile("Films\\Sub\\c.mkv");
    w.WriteIniForFolder(w.movies / "Films");
    w.Start();
    HWND list = w.Item(1001);
    ASSERT_EQ(2, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
    std::vector<std::string> names;
    for (int i = 0; i < 2; ++i) {
        char text[64] = {};
        ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        names.push_back(text);
        COLORREF color = static_cast<COLORREF>(::SendMessageA(list, LB_GETITEMDATA, i, 0));
        EXPECT_EQ(names.back() == "a.mpg" ? RGB(225, 225, 51) : RGB(255, 255, 255), color) << text;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"a.mpg", "b.avi"}), names);
    EXPECT_EQ("2", w.Text(1005));
    EXPECT_TRUE(w.Enabled(1001));

    EXPECT_FALSE(w.Enabled(1027));
    w.Click(1018);
    EXPECT_EQ(2, ::SendMessageA(list, LB_GETSELCOUNT, 0, 0));
    EXPECT_TRUE(w.Enabled(1015));
    EXPECT_FALSE(w.Enabled(1016)) << "the metadata editor takes one movie";
    EXPECT_TRUE(w.Enabled(1027));
    w.Click(1015);
    EXPECT_EQ(0, ::SendMessageA(list, LB_GETSELCOUNT, 0, 0));
    EXPECT_FALSE(w.Enabled(1015));
    EXPECT_FALSE(w.Enabled(1016));
    EXPECT_FALSE(w.Enabled(1027));
    w.SelectListEntries({1});
    EXPECT_TRUE(w.Enabled(1027));
    EXPECT_TRUE(w.Enabled(1016));
}

TEST_F(MainWindow, SwitchingToAFolderWithoutMoviesEmptiesAndDisablesTheList)
{
    w.movies.WriteFile("Full\\a.mpg");
    w.movies.MakeFolder("Empty");
    w.WriteIniForFolder(w.movies / "Full");
    w.Start();
    w.Dialog().SwitchFolder(w.movies / "Empty", false);
    EXPECT_EQ(0, ::SendMessageA(w.Item(1001), LB_GETCOUNT, 0, 0));
    EXPECT_FALSE(w.Enabled(1001));
    EXPECT_EQ("0", w.Text(1005));
    // Generate waits for a list with movies; asked anyway (a key), it
    // reports the empty list.
    EXPECT_FALSE(w.Enabled(1008));
    w.Click(1008);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("There are no movie files in the list.", w.prompt.messages[0].text);
}

TEST_F(MainWindow, ClosingSavesSettingsAndLogAndTheNextStartShowsThem)
{
    w.movies.WriteFile("Kids\\a.mpg");
    w.WriteIniForFolder(w.movies / "Kids");
    w.Start();
    w.ChooseComboItem(1017, 1);
    ::SetWindowTextA(w.Item(1014), "First line\r\nSecond line");
    const std::string id = w.Text(1011);
    w.Close();
    EXPECT_EQ("PG - Parental Guidance", Setting(w.start / "reelmark.ini", "MpaaRating"));
    EXPECT_EQ(id, Setting(w.start / "reelmark.ini", "SeriesID"));
    EXPECT_EQ("First line\nSecond line", Setting(w.start / "reelmark.ini", "SeriesDesc"));
    EXPECT_EQ(w.movies / "Kids", Setting(w.start / "reelmark.ini", "TargetDir"));
    const std::string log = ReadFileBytes(w.start / "Reelmark.log");
    EXPECT_NE(std::string::npos, log.find("Found 1 movie files in folder directory.\r\n"));

    MainWindowHarness again;
    again.WriteIni(w.IniText());
    again.Start();
    EXPECT_EQ(w.movies / "Kids", again.Text(1003));
    EXPECT_EQ("PG - Parental Guidance", again.ComboText(1017));
    EXPECT_EQ("First line\r\nSecond line", again.Text(1014));
}

TEST_F(MainWindow, StartingAndClosingNeverFollowALinkNamedLikeAWorkFolder)
{
    w.movies.WriteFile("Elsewhere\\important.doc", "the user's");
    w.movies.WriteFile("Elsewhere\\1", "named like a temporary file");
    AgeFile(w.movies / "Elsewhere\\important.doc");
    AgeFile(w.movies / "Elsewhere\\1");
    if (!MakeLink(w.start / "~reelmark.tmp", w.movies / "Elsewhere") ||
        !MakeLink(w.start / "~reelmark-5-1.tmp", w.movies / "Elsewhere"))
        GTEST_SKIP() << "no symbolic links here";
    w.Start();
    w.Close();

    EXPECT_EQ((std::vector<std::string>{"1", "important.doc"}), NamesInFolder(w.movies / "Elsewhere"));
    EXPECT_EQ("the user's", ReadFileBytes(w.movies / "Elsewhere\\important.doc"));
    const std::vector<std::string> log = LogMessages(w.LogText());
    for (const char* name : {"~reelmark.tmp", "~reelmark-5-1.tmp"})
        EXPECT_TRUE(Contains(log, "<WARNING>Left alone, Reelmark did not make it: " + (w.start / name))) << name;
}

TEST_F(MainWindow, EscapeClosesThroughTheNormalCloseAndEnterDoesNothing)
{
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    // The settings are written whole only by the close.
    const std::string before = w.IniText();
    ::SendMessageA(w.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(before, w.IniText());
    ::SendMessageA(w.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_NE(before, w.IniText());
    EXPECT_NE(std::string::npos, w.IniText().find("TargetDir=" + w.movies.Path()));
}

TEST_F(MainWindow, MenuEnablesGenerateWithEntriesAndPyTivoWhenItsScriptExists)
{
    w.movies.WriteFile("pyTivo\\pyTivo.py");
    w.WriteIniForFolder(w.movies.Path(), "");
    w.Start();
    HMENU actions = ::GetSubMenu(::GetMenu(w.Hwnd()), 1);
    ::SendMessageA(w.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(actions), 1);
    EXPECT_TRUE(::GetMenuState(actions, 1008, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(actions, 32775, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(w.Dialog().ToolBar().IsButtonEnabled(32775));

    w.Dialog().CurrentSettings().PythonLoc = w.movies / "pyTivo\\pyTivo.py";
    w.Dialog().SyncFromControls();
    EXPECT_TRUE(w.Dialog().ToolBar().IsButtonEnabled(32775));
    ::SendMessageA(w.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(actions), 1);
    EXPECT_FALSE(::GetMenuState(actions, 32775, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindow, TheActionsMenuDeletesTheSelectionEitherWayAndUndoesTheLastRun)
{
    w.movies.WriteFile("a.mpg");
    w.WriteIniForFolder(w.movies.Path(), "");
    w.Start();
    HMENU actions = ::GetSubMenu(::GetMenu(w.Hwnd()), 1);
    const auto texts = [actions](UINT id) {
        wchar_t text[128] = {};
        ::GetMenuStringW(actions, id, text, 128, MF_BYCOMMAND);
        return Narrow(text);
    };
    EXPECT_EQ("Delete Selected to the Recycle Bin...\tDel", texts(IDC_DELETE_SELECTED));
    EXPECT_EQ("Delete Selected for Good...\tShift+Del", texts(ID_DELETE_FOR_GOOD));
    EXPECT_EQ("Undo Last Run...", texts(ID_UNDO_LAST_RUN));
    ::SendMessageA(w.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(actions), 1);
    EXPECT_TRUE(::GetMenuState(actions, IDC_DELETE_SELECTED, MF_BYCOMMAND) & MF_GRAYED) << "nothing selected";
    EXPECT_TRUE(::GetMenuState(actions, ID_DELETE_FOR_GOOD, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(actions, ID_UNDO_LAST_RUN, MF_BYCOMMAND) & MF_GRAYED);
    w.SelectListEntries({0});
    ::SendMessageA(w.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(actions), 1);
    EXPECT_FALSE(::GetMenuState(actions, IDC_DELETE_SELECTED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(actions, ID_DELETE_FOR_GOOD, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindow, TheNextStartKeepsTheSavedFolderWhateverTheSeriesTitleSays)
{
    // A Series Title typed to name a sibling folder, saved at the last close.
    w.movies.WriteFile("Video\\Drama\\d.mpg");
    w.movies.WriteFile("Video\\Comedy\\c1.mpg");
    w.movies.WriteFile("Video\\Comedy\\c2.mpg");
    w.WriteIniForFolder(w.movies / "Video\\Drama", "SeriesTitle=Comedy\r\n");
    w.Start();

    EXPECT_EQ(w.movies / "Video\\Drama", w.Text(1003));
    EXPECT_EQ(w.movies / "Video\\Drama", w.Dialog().CurrentSettings().TargetDir);
    EXPECT_EQ("1", w.Text(1005));
    EXPECT_EQ("Comedy", w.Text(1009)) << "the title stays as it was typed";
    EXPECT_EQ("Drama - [1]", SelectedTreeText(w.Item(1025)));
}
