// The optional fields of the template panel (genres, original air date)
// and titles read from file names, as the main window runs them.
#include <windows.h>

#include <gtest/gtest.h>

#include "resource.h"
#include "support/MainWindowHarness.h"

namespace {

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(TemplateFields, ShowTheSettingsFeedThePreviewAndTheFilesAndAreSavedAtClose)
{
    MainWindowHarness w;
    w.movies.WriteFile("Shows\\Show.Name.S01E02.Episode.Title.720p.HDTV.mkv");
    w.WriteIni("[Config]\r\nParseNames=true\r\n[Settings]\r\nTargetDir=" + (w.movies / "Shows") +
               "\r\nGenre=Drama\r\nOriginalAirDate=2012-03-31\r\n");
    w.Start();
    EXPECT_EQ("Drama", w.Text(IDC_GENRE));
    EXPECT_EQ("2012-03-31", w.Text(IDC_AIR_DATE));
    EXPECT_FALSE(w.Enabled(IDC_AIR_DATE)) << "the movie layout writes no air date";
    EXPECT_TRUE(Has(w.Text(IDC_PREVIEW), "starRating : x5\r\nvProgramGenre : Drama"));
    EXPECT_FALSE(Has(w.Text(IDC_PREVIEW), "originalAirDate"));

    w.ChooseComboItem(IDC_SERIES_TYPE, 1);  // SH: the episode layout
    EXPECT_TRUE(w.Enabled(IDC_AIR_DATE));
    // Tab goes from New ID to the new fields, then on to the description.
    const HWND window = w.Dialog().m_hWnd;
    EXPECT_EQ(w.Item(IDC_GENRE), GetNextDlgTabItem(window, w.Item(IDC_NEW_ID), FALSE));
    EXPECT_EQ(w.Item(IDC_AIR_DATE), GetNextDlgTabItem(window, w.Item(IDC_GENRE), FALSE));
    EXPECT_TRUE(Has(w.Text(IDC_PREVIEW), "originalAirDate : 2012-03-31T00:00:00Z\r\nvProgramGenre : Drama"));
    ::SetWindowTextA(w.Item(IDC_GENRE), "Comedy; Family");  // the edit tells its change as typing does
    EXPECT_TRUE(Has(w.Text(IDC_PREVIEW), "vProgramGenre : Comedy\r\nvProgramGenre : Family"));

    w.Click(IDC_GENERATE);
    const std::string written =
        ReadFileBytes(w.movies / "Shows\\Show.Name.S01E02.Episode.Title.720p.HDTV.mkv.txt");
    // The name's show wins over the template's title; one show in one
    // folder keeps the typed air date.
    EXPECT_TRUE(Has(written, "seriesTitle : Show Name\r\nepisodeTitle : Episode Title\r\n")) << written;
    EXPECT_TRUE(Has(written, "episodeNumber : 102\r\noriginalAirDate : 2012-03-31T00:00:00Z\r\n")) << written;

    w.Close();
    const std::string ini = w.IniText();
    EXPECT_TRUE(Has(ini, "Genre=Comedy; Family\r\n")) << ini;
    EXPECT_TRUE(Has(ini, "ParseNames=true\r\n")) << ini;
}

TEST(TemplateFields, AStartAndCloseWithoutThemLeavesTheirKeysOut)
{
    MainWindowHarness w;
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    EXPECT_EQ("", w.Text(IDC_GENRE));
    EXPECT_FALSE(Has(w.Text(IDC_PREVIEW), "vProgramGenre"));
    w.Close();
    const std::string ini = w.IniText();
    for (const char* key : {"ParseNames", "Genre", "OriginalAirDate"})
        EXPECT_FALSE(Has(ini, key)) << ini;
}
