// Generate from the main window with "Look up titles and descriptions
// (TMDB)" ticked, against the fake TMDB on 127.0.0.1: the lookup's progress
// in the run's window with Cancel, each file's own values, and the "Choose
// on TMDB" dialog of an ambiguous show whose choice the settings keep.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "resource.h"
#include "support/ControlTexts.h"
#include "support/EnvironmentScope.h"
#include "support/FakeTmdb.h"
#include "support/MainWindowHarness.h"
#include "ui/controls/ColorListBox.h"
#include "ui/controls/RunProgressDlg.h"

namespace {

const char kKey[] = "0123456789abcdef0123456789abcdef";

class LookupFromWindow : public ::testing::Test {
protected:
    LookupFromWindow() : url_("REELMARK_TMDB_URL", tmdb.BaseUrl()), cache_("LOCALAPPDATA", w.start / "cache")
    {
        AddSampleCatalogue(tmdb);
        for (const char* movie : {"Heat (1995).mkv", "The.Office.S01E01.mkv"})
            w.movies.WriteFile(std::string("Shows\\") + movie);
        w.WriteIni("[Config]\r\nParseNames=true\r\nLookup=true\r\nTmdbKey=" + std::string(kKey) +
                   "\r\n[Settings]\r\nTargetDir=" + w.movies / "Shows" + "\r\n");
    }
    ~LookupFromWindow() override
    {
        CDialog::ModalObserver() = nullptr;
        CRunProgressDlg::Observer() = nullptr;
    }

    static void Select(CDialog& dialog, int list, int index)
    {
        ::SendDlgItemMessageA(dialog.m_hWnd, list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, list)));
    }
    std::string DetailOf(const std::string& movie) const
    {
        HWND list = w.Item(IDC_MOVIE_LIST);
        const LRESULT index = ::SendMessageA(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(movie.c_str()));
        const auto* box = static_cast<const CColorListBox*>(CWnd::FromHandlePermanent(list));
        return box->DetailOf(static_cast<int>(index));
    }
    static std::string ListText(CDialog& dialog, int list, int index)
    {
        char text[512] = {};
        ::SendDlgItemMessageA(dialog.m_hWnd, list, LB_GETTEXT, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(text));
        return text;
    }

    // What the TiVo Shows of the movie: the rows of what the TiVo shows, and
    // of what the next Generate adds with the part's heading (empty when
    // the part is hidden), "field | value | from" each.
    void OpenTiVoView(const std::string& movie, std::vector<std::string>& rows, std::vector<std::string>& adds)
    {
        const LRESULT index = ::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_FINDSTRINGEXACT, -1,
                                             reinterpret_cast<LPARAM>(movie.c_str()));
        ASSERT_GE(index, 0) << movie;
        w.SelectListEntries({static_cast<int>(index)});
        bool opened = false;
        CDialog::ModalObserver() = [&](CDialog& dialog) {
            opened = true;
            rows = ListViewRows(dialog.GetDlgItem(IDC_TIVO_FIELDS), 3);
            adds.clear();
            if (::IsWindowVisible(dialog.GetDlgItem(IDC_TIVO_ADDS))) {
                adds = ListViewRows(dialog.GetDlgItem(IDC_TIVO_ADDS), 3);
                adds.insert(adds.begin(), dialog.GetDlgItemText(IDC_TIVO_ADDS_LABEL));
            }
            dialog.EndDialog(IDCANCEL);
        };
        w.Dialog().SendMessage(WM_COMMAND, ID_TIVO_VIEW, 0);
        CDialog::ModalObserver() = nullptr;
        EXPECT_TRUE(opened);
    }
    static bool Has(const std::vector<std::string>& rows, const std::string& text)
    {
        return std::any_of(rows.begin(), rows.end(),
                           [&text](const std::string& row) { return row.find(text) != std::string::npos; });
    }

    FakeTmdb tmdb{kKey};
    MainWindowHarness w;
    EnvironmentScope url_;
    EnvironmentScope cache_;
};

}  // namespace

TEST_F(LookupFromWindow, ShowsItsProgressWritesEachFilesValuesAndOffersTheCandidatesToChooseFrom)
{
    std::vector<std::string> progress;
    CRunProgressDlg::Observer() = [&progress](CRunProgressDlg& dialog) {
        progress.push_back(dialog.GetDlgItemText(IDC_RUN_FILE));
    };
    std::vector<std::string> titles;
    std::vector<std::string> candidates;
    CDialog::ModalObserver() = [&](CDialog& dialog) {
        titles.push_back(ListText(dialog, IDC_CHOOSE_TITLES, 0));
        candidates = {ListText(dialog, IDC_CHOOSE_CANDIDATES, 0), ListText(dialog, IDC_CHOOSE_CANDIDATES, 1)};
        Select(dialog, IDC_CHOOSE_CANDIDATES, 1);
        titles.push_back(ListText(dialog, IDC_CHOOSE_TITLES, 0));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    w.Start();
    w.Click(IDC_GENERATE);

    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(0u, progress.front().find("Looking up on TMDB: ")) << progress.front();
    EXPECT_EQ(3, tmdb.RequestCount());  // Heat: a search and its answer; The Office: a search
    const std::string heat = ReadFileBytes(w.movies / "Shows\\Heat (1995).mkv.txt");
    EXPECT_NE(std::string::npos, heat.find("mpaaRating : R4\r\n")) << heat;
    EXPECT_NE(std::string::npos, heat.find("vDirector : Mann|Michael\r\n")) << heat;
    const std::string office = ReadFileBytes(w.movies / "Shows\\The.Office.S01E01.mkv.txt");
    EXPECT_EQ(std::string::npos, office.find("Pilot")) << office;
    // The list, refreshed after the run, says what TMDB gives from the
    // cache, asking nothing.
    EXPECT_EQ("movie | Heat | 1995\n11 values from TMDB", DetailOf("Heat (1995).mkv"));
    EXPECT_EQ("episode | The Office | S01E01", DetailOf("The.Office.S01E01.mkv"));
    EXPECT_EQ(3, tmdb.RequestCount());

    // The question, owned by the window, then the dialog.
    ASSERT_FALSE(w.prompt.messages.empty());
    const ScriptedPrompt::Message& asked = w.prompt.messages.back();
    EXPECT_EQ("Not Matched on TMDB", asked.caption);
    EXPECT_EQ(w.Hwnd(), asked.owner);
    ASSERT_EQ(2u, titles.size());
    EXPECT_EQ("The Office, 1 file", titles[0]);
    EXPECT_EQ("The Office, 1 file  ->  tv/2996  The Office (2001)", titles[1]);
    EXPECT_EQ(0u, candidates[0].find("tv/2316  The Office (2005)  The everyday lives")) << candidates[0];
    ASSERT_EQ(1u, w.Dialog().CurrentSettings().Matches.size());
    EXPECT_EQ("The Office", w.Dialog().CurrentSettings().Matches[0].first);
    EXPECT_EQ("tv/2996", w.Dialog().CurrentSettings().Matches[0].second);
    EXPECT_NE(std::string::npos, w.LogText().find("1 TMDB choice kept in the settings")) << w.LogText();

    // The next run takes the choice without a search.
    ::SendMessageA(w.Item(IDC_REPLACE_EXISTING), BM_SETCHECK, BST_CHECKED, 0);
    w.Click(IDC_REPLACE_EXISTING);
    w.Click(IDC_GENERATE);
    EXPECT_NE(std::string::npos, ReadFileBytes(w.movies / "Shows\\The.Office.S01E01.mkv.txt").find(
                                     "episodeTitle : Downsize\r\n"));
}

TEST_F(LookupFromWindow, CancelDuringTheLookupWritesNothing)
{
    tmdb.DelayAnswers(0.3);
    CRunProgressDlg::Observer() = [](CRunProgressDlg& dialog) { dialog.Cancel(); };
    w.Start();
    w.Click(IDC_GENERATE);
    EXPECT_FALSE(PathExists(w.movies / "Shows\\Heat (1995).mkv.txt"));
    EXPECT_FALSE(PathExists(w.movies / "Shows\\The.Office.S01E01.mkv.txt"));
    EXPECT_NE(std::string::npos, w.LogText().find("Generate cancelled during the TMDB lookup: nothing was written."))
        << w.LogText();
}

TEST_F(LookupFromWindow, WithoutAKeyTheRunWritesAsWithoutTheLookupAndTheLogSaysWhy)
{
    w.WriteIni("[Config]\r\nParseNames=true\r\nLookup=true\r\n[Settings]\r\nTargetDir=" + w.movies / "Shows" +
               "\r\n");
    EnvironmentScope noKey("REELMARK_TMDB_KEY", "");
    w.Start();
    w.Click(IDC_GENERATE);
    EXPECT_EQ(0, tmdb.RequestCount());
    EXPECT_TRUE(PathExists(w.movies / "Shows\\Heat (1995).mkv.txt"));
    EXPECT_TRUE(PathExists(w.movies / "Shows\\The.Office.S01E01.mkv.txt"));
    EXPECT_NE(std::string::npos, w.LogText().find("No TMDB key is set: nothing was looked up.")) << w.LogText();
    // Nothing to choose from: the only box is the run's summary.
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Create Meta Files Success", w.prompt.messages[0].caption);
}

TEST_F(LookupFromWindow, WhatTheTiVoShowsNamesTmdbFromTheCacheBeforeAndAfterGenerate)
{
    w.prompt.answers = {IDOK, IDNO};  // the run's summary; no choosing
    w.Start();
    w.Click(IDC_GENERATE);
    const int requests = tmdb.RequestCount();
    std::vector<std::string> rows;
    std::vector<std::string> adds;

    // After the run: the values of the movie's file equal to TMDB's are
    // named as TMDB's; what the TiVo is sent is as it was.
    OpenTiVoView("Heat (1995).mkv", rows, adds);
    EXPECT_TRUE(adds.empty());
    EXPECT_TRUE(Has(rows, "Description | Obsessive master thief Neil McCauley leads a crew. | "
                          "Heat (1995).mkv.txt (TMDB)"));
    EXPECT_TRUE(Has(rows, "MPAA rating | R | Heat (1995).mkv.txt (TMDB)"));
    EXPECT_TRUE(Has(rows, "Actor | Niro|Robert De | Heat (1995).mkv.txt (TMDB)"));
    // The series ID is Reelmark's own.
    const auto seriesId = std::find_if(rows.begin(), rows.end(),
                                       [](const std::string& row) { return row.find("Series ID | MV") == 0; });
    ASSERT_NE(rows.end(), seriesId);
    EXPECT_EQ(std::string::npos, seriesId->find("TMDB")) << *seriesId;
    // A file TMDB did not match: nothing of it is TMDB's.
    OpenTiVoView("The.Office.S01E01.mkv", rows, adds);
    EXPECT_FALSE(Has(rows, "(TMDB)"));
    EXPECT_TRUE(adds.empty());

    // Before its file is written: the TiVo shows what the library's own
    // files give (here the movie's .nfo, whose description TMDB's does not
    // cover), and apart from it what the next Generate adds from TMDB.
    ASSERT_TRUE(DeleteFileA((w.movies / "Shows\\Heat (1995).mkv.txt").c_str()));
    w.movies.WriteFile("Shows\\Heat (1995).nfo", "<movie><plot>Our own plot.</plot></movie>");
    OpenTiVoView("Heat (1995).mkv", rows, adds);
    EXPECT_TRUE(Has(rows, "Description | Our own plot. | Heat (1995).nfo"));
    EXPECT_FALSE(Has(rows, "TMDB"));
    ASSERT_FALSE(adds.empty());
    EXPECT_EQ("Not shown yet: what the next Generate adds from TMDB (its cached values that the library's own "
              "files lack) :",
              adds[0]);
    EXPECT_TRUE(Has(adds, "MPAA rating | R | TMDB"));
    EXPECT_TRUE(Has(adds, "Actor | Pacino|Al | TMDB"));
    EXPECT_TRUE(Has(adds, "Star rating | 3.5 stars | TMDB"));
    EXPECT_TRUE(Has(adds, "Title | Heat | TMDB"));
    EXPECT_FALSE(Has(adds, "Description"));
    EXPECT_FALSE(Has(adds, "Series ID"));
    EXPECT_FALSE(Has(adds, "Year"));  // the .nfo gives one
    // Generate writes what the part said it adds.
    w.Click(IDC_GENERATE);
    const std::string heat = ReadFileBytes(w.movies / "Shows\\Heat (1995).mkv.txt");
    EXPECT_NE(std::string::npos, heat.find("vActor : Pacino|Al\r\n")) << heat;
    EXPECT_EQ(std::string::npos, heat.find("description : Obsessive")) << heat;
    EXPECT_EQ(requests, tmdb.RequestCount());
}
