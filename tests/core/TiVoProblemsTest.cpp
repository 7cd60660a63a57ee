// The check of what pyTivo or the TiVo will get wrong: every kind of
// problem in one library, nothing in a clean one, each file's problem told
// once, and the key a misspelt one was probably meant to be.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/pytivo/TiVoProblems.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace {

std::vector<TiVoProblem> Check(const std::string& folder)
{
    PyTivoRunCache cache;
    TiVoCheck check;
    const FolderIndex index(folder);
    check.AddFolder(PyTivoFolder(folder, index), cache);
    return check.Finish();
}

// The problems' texts by kind.
std::multimap<std::string, std::string> ByKind(const std::vector<TiVoProblem>& problems)
{
    std::multimap<std::string, std::string> kinds;
    for (const TiVoProblem& problem : problems)
        kinds.insert({problem.kind, problem.text});
    return kinds;
}

bool Has(const std::multimap<std::string, std::string>& kinds, const std::string& kind, const std::string& part)
{
    const auto range = kinds.equal_range(kind);
    for (auto it = range.first; it != range.second; ++it)
        if (it->second.find(part) != std::string::npos)
            return true;
    return false;
}

}  // namespace

TEST(TiVoProblems, ACleanLibraryHasNone)
{
    TempFolder temp;
    temp.WriteFile("Movie (1999).mkv");
    temp.WriteFile("Movie (1999).mkv.txt",
                   "title : Movie\r\nisEpisode : false\r\nmovieYear : 1999\r\nmpaaRating : PG-13\r\n");
    for (const char* episode : {"Show 1.mkv", "Show 2.mkv"}) {
        temp.WriteFile(episode);
        temp.WriteFile(std::string(episode) + ".txt",
                       "seriesTitle : Show\r\nepisodeTitle : One\r\nseriesId : SH000123\r\nepisodeNumber : 101\r\n"
                       "tvRating : TV-PG\r\nvActor : A\r\n# a comment\r\n\r\n");
    }
    temp.WriteFile("default.txt", "callsign : KTVT\r\n");
    temp.WriteFile("Episode.m4v", TestFileBytes("Episode.m4v"));
    temp.WriteFile(".meta\\default.txt", "displayMajorNumber : 4\r\n");
    temp.WriteFile("Kodi.mkv");  // pyTivo's own reading of a .nfo keeps its genre under vGenre too
    temp.WriteFile("Kodi.nfo", "<movie><title>K</title><genre>Drama</genre></movie>");
    const std::vector<TiVoProblem> problems = Check(temp.Path());
    for (const TiVoProblem& problem : problems)
        ADD_FAILURE() << problem.kind << ": " << problem.where << ": " << problem.text;
}

TEST(TiVoProblems, EveryKindIsFound)
{
    TempFolder temp;
    const auto movie = [&](const std::string& name, const std::string& text) {
        temp.WriteFile(name);
        temp.WriteFile(name + ".txt", text);
    };
    movie("Keys.mkv", "episodetitle : x\r\nTitle : y\r\nseriesID : SH1\r\nfooBar : z\r\n");
    movie("Values.mkv", "episodeNumber : 1a\r\ntvRating : TV-99\r\nisEpisode : yes\r\nseriesId : 12345\r\n");
    movie("Film.mkv", "movieYear : 2001\r\noriginalAirDate : 2001-05-05\r\n");
    movie("Lines.mkv", "title : t\r\njust words\r\n");
    movie("S1.mkv", "seriesTitle : Show\r\nseriesId : SH1\r\n");
    movie("S2.mkv", "seriesTitle : Show\r\nseriesId : SH2\r\n");
    movie("T1.mkv", "seriesTitle : A\r\nseriesId : SH9\r\n");
    movie("T2.mkv", "seriesTitle : B\r\nseriesId : SH9\r\n");
    temp.WriteFile("Other.mkv");
    temp.WriteFile("Other.txt", "title : never read\r\n");
    temp.WriteFile(".meta\\Gone.avi.txt", "title : gone\r\n");
    temp.WriteFile("Wide.mkv");
    temp.WriteFile("Wide.mkv.txt", std::string("\xFF\xFEt\0i\0", 6));
    temp.WriteFile("Bad.mkv");
    temp.WriteFile("Bad.nfo", "not xml");
    temp.WriteFile("Silent.mp4", TestFileBytes("Silent.mp4"));
    const auto kinds = ByKind(Check(temp.Path()));
    EXPECT_TRUE(Has(kinds, "unusedKey", "\"episodetitle\" (keys are case-sensitive); it was probably meant to be "
                                        "\"episodeTitle\""));
    EXPECT_TRUE(Has(kinds, "unusedKey", "meant to be \"title\""));
    EXPECT_TRUE(Has(kinds, "unusedKey", "meant to be \"seriesId\""));
    EXPECT_TRUE(Has(kinds, "unusedKey", "\"fooBar\" (keys are case-sensitive)"));
    EXPECT_TRUE(Has(kinds, "episodeNumber", "\"1a\""));
    EXPECT_TRUE(Has(kinds, "rating", "\"TV-99\""));
    EXPECT_TRUE(Has(kinds, "isEpisode", "\"yes\""));
    EXPECT_TRUE(Has(kinds, "seriesId", "\"12345\""));
    EXPECT_TRUE(Has(kinds, "movieAsEpisode", "lists it as an episode"));
    EXPECT_TRUE(Has(kinds, "airDateHidden", "\"2001-05-05\""));
    EXPECT_TRUE(Has(kinds, "noSeparator", "\"just words\""));
    EXPECT_TRUE(Has(kinds, "wrongName", "reads \"Other.mkv.txt\""));
    EXPECT_TRUE(Has(kinds, "movieGone", "\"Gone.avi\""));
    EXPECT_TRUE(Has(kinds, "unreadSource", "UTF-16"));
    EXPECT_TRUE(Has(kinds, "unreadSource", "XML"));
    EXPECT_TRUE(Has(kinds, "unreadSource", "without a sound track"));
    EXPECT_TRUE(Has(kinds, "showSeriesIds", "2 episodes of \"Show\" have different series IDs (\"SH1\", \"SH2\")"));
    EXPECT_TRUE(Has(kinds, "showTitles", "2 episodes of \"SH9\" have different series titles (\"A\", \"B\")"));
}

TEST(TiVoProblems, ANameInOtherLetterCasesWherePyTivoCannotFindIt)
{
    TempFolder temp;
    temp.WriteFile("Case.mkv");
    temp.WriteFile("case.MKV.txt", "title : t\r\n");
    const auto kinds = ByKind(Check(temp.Path()));
#ifdef _WIN32
    // pyTivo on Windows finds it as Windows does.
    EXPECT_EQ(0u, kinds.count("letterCase"));
#else
    EXPECT_TRUE(Has(kinds, "letterCase", "never reads \"case.MKV.txt\""));
#endif
}

TEST(TiVoProblems, AFileSharedByManyMoviesIsToldOnce)
{
    TempFolder temp;
    temp.WriteFile("default.txt", "Genre : x\r\nno separator\r\n");
    for (const char* name : {"A.mkv", "B.mkv", "C.mkv"})
        temp.WriteFile(name);
    const auto kinds = ByKind(Check(temp.Path()));
    EXPECT_EQ(1u, kinds.count("unusedKey"));
    EXPECT_EQ(1u, kinds.count("noSeparator"));
}

TEST(TiVoProblems, TheKeyAMisspeltOneWasMeantToBe)
{
    const struct {
        const char* key;
        const char* meant;
    } cases[] = {
        {"EPISODENUMBER", "episodeNumber"}, {"descriptoin", "description"},  // two letters off
        {"vActors", "vActor"},             {"seriesTitel", "seriesTitle"},
        {"genre", ""},                      {"descrptn", ""},  // three off: nothing near
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.meant, MeantPyTivoKey(c.key)) << c.key;
}
