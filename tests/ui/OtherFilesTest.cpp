// Movies that other files pyTivo reads describe, in the main window: the
// list's plan lines, the one question before a Generate that would hide
// their values, and the setting in Setup Configure.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/files/TextFile.h"
#include "core/pytivo/PyTivoView.h"
#include "platform/Text.h"
#include "resource.h"
#include "support/MainWindowHarness.h"
#include "ui/controls/ColorListBox.h"

namespace {

class OtherFilesWindow : public ::testing::Test {
protected:
    OtherFilesWindow()
    {
        w.movies.WriteFile("Films\\Heat.mkv");
        w.movies.WriteFile("Films\\Heat.nfo",
                           "<movie><title>Heat</title><plot>A heist.</plot><year>1995</year><mpaa>R</mpaa></movie>");
        w.movies.WriteFile("Films\\Ronin.mkv");
        w.movies.WriteFile("Films\\Ronin.nfo", "<movie><plot>A chase.</plot></movie>");
        w.movies.WriteFile("Films\\Plain.avi");
    }
    void TearDown() override { CDialog::ModalObserver() = nullptr; }

    void StartWith(const std::string& config)
    {
        w.WriteIni("[Config]\r\n" + config + "[Settings]\r\nTargetDir=" + (w.movies / "Films") + "\r\n");
        w.Start();
    }
    // The plan line below the movie's entry in the list.
    std::string DetailOf(const std::string& movie) const
    {
        HWND list = w.Item(IDC_MOVIE_LIST);
        const LRESULT index = ::SendMessageA(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(movie.c_str()));
        const auto* box = static_cast<const CColorListBox*>(CWnd::FromHandlePermanent(list));
        return box->DetailOf(static_cast<int>(index));
    }
    std::string File(const std::string& movie) const { return ReadFileBytes(w.movies / ("Films\\" + movie + ".txt")); }
    void RemoveFiles() const
    {
        for (const char* movie : {"Heat.mkv", "Ronin.mkv", "Plain.avi"})
            std::remove((w.movies / ("Films\\" + std::string(movie) + ".txt")).c_str());
    }
    bool Logged(const std::string& message) const
    {
        const std::vector<std::string> lines = LogMessages(w.LogText());
        return std::find(lines.begin(), lines.end(), message) != lines.end();
    }

    MainWindowHarness w;
};

}  // namespace

TEST_F(OtherFilesWindow, TheListSaysWhatEachFileAddsBesideThem)
{
    StartWith("");
    EXPECT_EQ("adds 2 values", DetailOf("Heat.mkv"));
    // Its .nfo gives no year: pyTivo sends 0000, as the .nfo says.
    EXPECT_EQ("adds 5 values", DetailOf("Ronin.mkv"));
    EXPECT_EQ("", DetailOf("Plain.avi")) << "no other file, names not read: the list as it was";

    // The whole template: what it would hide; with names read, below what the file says.
    CDialog::ModalObserver() = [](CDialog& dialog) {
        ::CheckDlgButton(dialog, IDC_SETTINGS_PARSE_NAMES, BST_CHECKED);
        ::CheckDlgButton(dialog, IDC_SETTINGS_FILL_ONLY, BST_UNCHECKED);
        ::CheckDlgButton(dialog, IDC_SETTINGS_WHOLE_TEMPLATE, BST_CHECKED);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    w.Click(ID_OPTIONS);
    EXPECT_EQ("movie | Heat | 2012\nadds 2 values, hides 6 values from Heat.nfo", DetailOf("Heat.mkv"));
    EXPECT_EQ("movie | Plain | 2012", DetailOf("Plain.avi")) << "the whole template, as always";
    w.Close();
    EXPECT_NE(std::string::npos, w.IniText().find("WholeTemplate=true\r\n"));
}

TEST_F(OtherFilesWindow, OneQuestionBeforeAGenerateThatWouldHideTheirValuesAndItsAnswerIsLogged)
{
    StartWith("WholeTemplate=true\r\n");
    const std::string question = "Other files pyTivo reads (a .nfo, a default.txt) describe 2 of the movies. The "
                                 "whole template would hide 9 of their values on the TiVo.";

    // Cancel writes nothing.
    w.prompt.answers = {IDCANCEL};
    w.Click(IDC_GENERATE);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Other Files Describe These Movies", w.prompt.messages[0].caption);
    EXPECT_EQ(0u, w.prompt.messages[0].text.find(question)) << w.prompt.messages[0].text;
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), w.prompt.messages[0].type);
    EXPECT_EQ("", File("Plain.avi"));
    EXPECT_TRUE(Logged("The whole template would hide 9 values of other files for 2 movies; the answer: write nothing."));

    // Yes adds only what they lack.
    w.prompt.answers = {IDYES};
    w.Click(IDC_GENERATE);
    EXPECT_TRUE(Logged("The whole template would hide 9 values of other files for 2 movies; the answer: add only "
                       "what they lack."));
    EXPECT_EQ(std::string::npos, File("Heat.mkv").find("description"));
    EXPECT_EQ(0u, File("Plain.avi").find("title : Plain\r\n"));
    EXPECT_NE(std::string::npos, File("Plain.avi").find("description : (2012)"));

    // No writes the whole template over them, as before.
    RemoveFiles();
    w.prompt.answers = {IDNO};
    w.Click(IDC_GENERATE);
    EXPECT_TRUE(Logged("The whole template would hide 9 values of other files for 2 movies; the answer: write the "
                       "whole template over them."));
    EXPECT_EQ(0u, File("Heat.mkv").find("title : Heat\r\nseriesTitle : Heat\r\n"));
    EXPECT_NE(std::string::npos, File("Heat.mkv").find("description : (2012)"));

}

TEST_F(OtherFilesWindow, AddingOnlyWhatTheyLackHidesNothingAndAsksNothing)
{
    StartWith("");
    w.Click(IDC_GENERATE);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Create Meta Files Success", w.prompt.messages[0].caption);
    EXPECT_EQ(std::string::npos, File("Heat.mkv").find("description"));
    EXPECT_TRUE(Logged("Creating metadata file 1 of 3 (adds 2 values): " + (w.movies / "Films\\Heat.mkv.txt")));
    // What the TiVo shows of Heat is still what its .nfo says.
    const FolderIndex index(w.movies / "Films");
    PyTivoRunCache cache;
    const TiVoShowing shown =
        ShowingOf(ReadPyTivoView(PyTivoFolder(w.movies / "Films", index), *index.Find("Heat.mkv"), cache));
    EXPECT_EQ("Heat", shown.title);
    EXPECT_EQ("A heist.", shown.description);
    EXPECT_EQ("1995", shown.date);
    EXPECT_EQ("R", shown.mpaaRating.name);
    EXPECT_EQ(0u, shown.seriesId.find("MV99"));
    w.Close();
    EXPECT_EQ(std::string::npos, w.IniText().find("WholeTemplate")) << "the setting is stored only once set";
}
