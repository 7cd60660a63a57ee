// A movie list longer than one piece of its fill (2,000 movies): the window
// answers while it fills, the commands that need the whole list wait, a
// fill asked for meanwhile starts over, and closing stops the fill.
#include <windows.h>

#include <gtest/gtest.h>

#include "resource.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"

namespace {

constexpr int kMovies = 2001;  // one more than a piece

class BigMovieList : public ::testing::Test {
protected:
    BigMovieList()
    {
        w.movies.WriteFile("Shows\\top.mpg");
        for (int i = 0; i < kMovies; ++i)
            w.movies.WriteFile("Shows\\Season " + std::to_string(i % 2) + "\\e" + std::to_string(i) + ".mpg");
        w.WriteIniForFolder(w.movies / "Shows", "Recursive=true\r\n");
    }

    int Count() const { return static_cast<int>(::SendMessageA(w.Item(IDC_MOVIE_LIST), LB_GETCOUNT, 0, 0)); }
    // What a click on the tick does, left for the window to take while it fills.
    void PostTickCleared() const
    {
        ::PostMessageA(w.Item(IDC_RECURSIVE), BM_SETCHECK, BST_UNCHECKED, 0);
        ::PostMessageA(w.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_RECURSIVE, BN_CLICKED),
                       reinterpret_cast<LPARAM>(w.Item(IDC_RECURSIVE)));
    }

    MainWindowHarness w;
};

}  // namespace

TEST_F(BigMovieList, FillsWholeWhileGenerateWaitsAndAFillAskedMeanwhileStartsOver)
{
    w.Start();
    EXPECT_EQ(kMovies + 1, Count());
    EXPECT_EQ(std::to_string(kMovies + 1), w.Text(IDC_FILE_COUNT));
    EXPECT_TRUE(w.Enabled(IDC_GENERATE));
    EXPECT_TRUE(w.Enabled(IDC_MOVIE_LIST));

    // Generate and the tick cleared arrive while the list fills again: the
    // first waits for no list (nothing written, nothing asked), the second
    // fills the list anew once the fill under way has stopped.
    ::PostMessageA(w.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_GENERATE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(w.Item(IDC_GENERATE)));
    PostTickCleared();
    w.Click(IDC_RECURSIVE);
    EXPECT_EQ(std::vector<std::string>{"top.mpg"}, ListBoxTexts(w.Item(IDC_MOVIE_LIST)));
    EXPECT_EQ("1", w.Text(IDC_FILE_COUNT));
    EXPECT_FALSE(PathExists(w.movies / "Shows\\top.mpg.txt"));
    EXPECT_FALSE(PathExists(w.movies / "Shows\\Season 0\\e0.mpg.txt"));
    EXPECT_TRUE(w.Enabled(IDC_GENERATE));

    // Ticked again: the whole library again.
    ::SendMessageA(w.Item(IDC_RECURSIVE), BM_SETCHECK, BST_CHECKED, 0);
    w.Click(IDC_RECURSIVE);
    EXPECT_EQ(kMovies + 1, Count());
}

TEST_F(BigMovieList, ClosingWhileItFillsStopsTheFill)
{
    w.Start();
    ::PostMessageA(w.Hwnd(), WM_CLOSE, 0, 0);
    w.Click(IDC_RECURSIVE);
    EXPECT_LT(Count(), kMovies + 1);
    // The tick was not cleared: the walk was not cancelled by the user.
    EXPECT_NE(std::string::npos, w.IniText().find("Recursive=true\r\n"));
}
