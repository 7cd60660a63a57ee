// The watch behind a download manager (on a clock the tests turn by hand):
// the movie first and its .nfo a moment later, an upgrade that replaces a
// movie by another of the same episode, and a file somebody changed, which
// is never Reelmark's to redo or remove.
#include <gtest/gtest.h>

#include "core/files/RunHistory.h"
#include "core/files/TextFile.h"
#include "core/files/WrittenFiles.h"
#include "core/log/ActivityLog.h"
#include "core/log/UserMessage.h"
#include "core/runs/LibraryWatch.h"
#include "core/runs/UndoRun.h"
#include "core/runs/WatchFollow.h"
#include "platform/FileSystem.h"
#include "platform/StopSignal.h"
#include "support/TempFolder.h"

namespace {

class WatchFollowTest : public ::testing::Test {
protected:
    WatchFollowTest() : written(dir / "Reelmark.written")
    {
        dir.MakeFolder("TV");
        request.generate.folder = dir / "TV";
        request.generate.seriesTitleText = "TV";
        request.generate.metadata.seriesId = "SH991234";
        request.generate.metadata.description = "Home movies";
        request.generate.metadata.movieMode = false;
        request.generate.metadata.isEpisode = "true";
        request.generate.metadata.parseNames = true;
        request.generate.written = &written;
        request.settleSeconds = 30;
        log.SetListener([this](const std::string& line) { lines += line; });
    }

    std::string File(const std::string& movie) const { return ReadFileBytes(dir / ("TV\\" + movie + ".txt")); }
    void WriteOld(const std::string& movie)
    {
        dir.WriteFile("TV\\" + movie, "a movie");
        AgeFile(dir / ("TV\\" + movie));
    }
    FolderChange Written(const std::string& path) const { return {FolderChange::Kind::Written, NativePath(path)}; }
    FolderChange Removed(const std::string& path) const { return {FolderChange::Kind::Removed, NativePath(path)}; }
    bool Logged(const std::string& text) const { return lines.find(text) != std::string::npos; }

    TempFolder dir;
    WrittenFiles written;
    MessageShowerScope quiet{nullptr};
    WatchRequest request;
    ActivityLog log;
    StopSignal stop;
    std::string lines;
};

}  // namespace

TEST_F(WatchFollowTest, AMovieFirstAndItsNfoTwoSecondsLaterGetsItsFileRedoneWithWhatTheNfoLacks)
{
    WriteOld("Lost.S01E01.mkv");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    EXPECT_NE(std::string::npos, File("Lost.S01E01.mkv").find("description : Home movies\r\n"));

    dir.WriteFile("TV\\Lost.S01E01.nfo",
                  "<episodedetails><title>Pilot</title><plot>A crash.</plot><aired>2004-09-22</aired>"
                  "</episodedetails>");
    watch.Take(Written("Lost.S01E01.nfo"), 2);
    EXPECT_EQ(32, watch.NextSettle()) << "the .nfo settles first";
    watch.Settle(31);
    EXPECT_NE(std::string::npos, File("Lost.S01E01.mkv").find("description"));
    watch.Settle(32);
    const std::string redone = File("Lost.S01E01.mkv");
    EXPECT_EQ(std::string::npos, redone.find("description")) << redone;
    EXPECT_EQ(std::string::npos, redone.find("episodeTitle")) << "the .nfo's title stays";
    EXPECT_EQ(std::string::npos, redone.find("movieYear")) << "its air date reaches the TiVo";
    EXPECT_NE(std::string::npos, redone.find("seriesId : SH"));
    EXPECT_TRUE(Logged("Redoing " + (dir / "TV\\Lost.S01E01.mkv.txt")));

    // Changed by hand, the file is the user's: a new .nfo leaves it alone.
    dir.WriteFile("TV\\Lost.S01E01.mkv.txt", redone + "description : Mine\r\n");
    dir.WriteFile("TV\\Lost.S01E01.nfo", "<episodedetails><title>Pilot</title></episodedetails>");
    watch.Take(Written("Lost.S01E01.nfo"), 40);
    watch.Settle(70);
    EXPECT_EQ(redone + "description : Mine\r\n", File("Lost.S01E01.mkv"));
}

TEST_F(WatchFollowTest, AFileThatOtherFilesNowDescribeWholeGoes)
{
    WriteOld("Cars.S01E01.mkv");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    ASSERT_FALSE(File("Cars.S01E01.mkv").empty());
    dir.WriteFile("TV\\.meta\\Cars.S01E01.mkv.txt",
                  "title : Cars\nseriesTitle : Cars\nseriesId : SH1\nepisodeNumber : 101\ndescription : Cars.\nmovieYear : 2006\n"
                  "isEpisode : true\ntvRating : x3\nstarRating : x5\n");
    watch.Take(Written(".meta\\Cars.S01E01.mkv.txt"), 1);
    watch.Settle(31);
    EXPECT_FALSE(PathExists(dir / "TV\\Cars.S01E01.mkv.txt"));
    EXPECT_TRUE(Logged("Removed " + (dir / "TV\\Cars.S01E01.mkv.txt") +
                       ": the files pyTivo reads beside its movie now give every value."));
    // Told that it went, the movie is looked at once more, and once only.
    watch.Take(Removed("Cars.S01E01.mkv.txt"), 31);
    watch.Settle(61);
    ASSERT_TRUE(watch.Pass(100));
    size_t said = 0;
    for (size_t at = lines.find("nothing to add"); at != std::string::npos; at = lines.find("nothing to add", at + 1))
        ++said;
    EXPECT_EQ(1u, said) << lines;
    EXPECT_FALSE(PathExists(dir / "TV\\Cars.S01E01.mkv.txt"));
}

TEST_F(WatchFollowTest, AnUpgradeDropsAnUntouchedFileAndKeepsAHandEditedOneUnderTheNewName)
{
    WriteOld("Show.S01E02.720p.mkv");
    WriteOld("Show.S01E03.720p.mkv");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    const std::string untouched = File("Show.S01E02.720p.mkv");
    dir.WriteFile("TV\\Show.S01E03.720p.mkv.txt", "title : Edited by hand\r\n");

    // Sonarr's upgrade: the new movie comes, the old one goes.
    for (const char* episode : {"02", "03"}) {
        const std::string old = std::string("Show.S01E") + episode + ".720p.mkv";
        const std::string upgrade = std::string("Show.S01E") + episode + ".1080p.mkv";
        dir.WriteFile("TV\\" + upgrade, "a better movie");
        watch.Take(Written(upgrade), 5);
        std::remove((dir / ("TV\\" + old)).c_str());
        watch.Take(Removed(old), 6);
        EXPECT_FALSE(PathExists(dir / ("TV\\" + old + ".txt")));
    }
    EXPECT_TRUE(Logged("Removed " + (dir / "TV\\Show.S01E02.720p.mkv.txt") +
                       ": its movie was replaced by Show.S01E02.1080p.mkv, and nobody changed the file since "
                       "Reelmark wrote it."));
    EXPECT_EQ("title : Edited by hand\r\n", File("Show.S01E03.1080p.mkv"));
    EXPECT_TRUE(Logged("Renamed " + (dir / "TV\\Show.S01E03.720p.mkv.txt") + " to " +
                       (dir / "TV\\Show.S01E03.1080p.mkv.txt")));
    // The new movie whose file went gets its own once settled; the other keeps the edited one.
    watch.Settle(35);
    EXPECT_EQ(untouched, File("Show.S01E02.1080p.mkv"));
    EXPECT_EQ("title : Edited by hand\r\n", File("Show.S01E03.1080p.mkv"));
}

TEST_F(WatchFollowTest, APassHandsAFileWhoseMovieWentToTheUpgradeItWasNotToldOf)
{
    WriteOld("Show.S01E04.720p.mkv");
    {
        LibraryWatch before(request, log, stop);
        ASSERT_TRUE(before.Pass(0));
    }
    dir.WriteFile("TV\\Show.S01E04.720p.mkv.txt", "title : Mine\r\n");
    std::remove((dir / "TV\\Show.S01E04.720p.mkv").c_str());
    WriteOld("Show.S01E04.1080p.mkv");
    WriteOld("Show.S01E05.1080p.mkv");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    EXPECT_EQ("title : Mine\r\n", File("Show.S01E04.1080p.mkv"));
    EXPECT_FALSE(PathExists(dir / "TV\\Show.S01E04.720p.mkv.txt"));
    EXPECT_EQ(0u, File("Show.S01E05.1080p.mkv").find("title : Show\r\n")) << "another episode is none of its";
}

TEST(SameEpisode, OneShowSeasonAndEpisodeOrOneDay)
{
    EXPECT_TRUE(SameEpisode("Show.S01E02.720p.mkv", "Show.S01E02.1080p.WEB-DL.mkv"));
    EXPECT_TRUE(SameEpisode("Show.Name.S01E02.mkv", "show name - 1x02 - Title.avi"));
    EXPECT_TRUE(SameEpisode("Daily.2012.03.04.mkv", "Daily - 2012-03-04 - Guest.mkv"));
    EXPECT_FALSE(SameEpisode("Show.S01E02.mkv", "Show.S01E03.mkv"));
    EXPECT_FALSE(SameEpisode("Show.S01E02.mkv", "Other.S01E02.mkv"));
    EXPECT_FALSE(SameEpisode("Show.S01E02.mkv", "Show.S01E02E03.mkv"));
    EXPECT_FALSE(SameEpisode("Daily.2012.03.04.mkv", "Daily.2012.03.05.mkv"));
    EXPECT_FALSE(SameEpisode("Heat (1995).mkv", "Heat (1995) 1080p.mkv")) << "movies are left alone";
}

TEST(MayDescribeMovies, TheSourcesPyTivoReadsBesideAMovieAndNotReelmarksOwnFile)
{
    const struct {
        const char* name;
        bool inMeta;
        bool metaFolder;  // Reelmark writes into ".meta"
        bool may;
    } cases[] = {
        {"Heat.nfo", false, false, true},      {"Heat.NFO", false, false, true},
        {"tvshow.nfo", false, false, true},    {"Heat.properties", false, false, true},
        {"default.txt", false, false, true},   {"Default.TXT", false, false, true},
        {"Heat.mkv.txt", false, false, false}, {"Heat.mkv.txt", false, true, true},
        {"Heat.mkv", false, false, false},     {"Heat.nfo.bak", false, false, false},
        {"default.txt", true, false, true},    {"Heat.mkv.txt", true, false, true},
        {"Heat.mkv.txt", true, true, false},   {"default.txt", true, true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.may, MayDescribeMovies(c.name, c.inMeta, c.metaFolder))
            << c.name << (c.inMeta ? " in .meta" : "") << (c.metaFolder ? ", writing into .meta" : "");
}

TEST_F(WatchFollowTest, WhatTheWatchRemovesOrRenamesIsARunThatCanBeUndone)
{
    EnvironmentScope runs("REELMARK_RUNS", dir / "runs");
    request.generate.undoJournal = JournalLimits();
    request.generate.runName = "Watch";
    WriteOld("Cars.S01E01.mkv");
    WriteOld("Show.S01E03.720p.mkv");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    const std::string cars = File("Cars.S01E01.mkv");
    dir.WriteFile("TV\\Show.S01E03.720p.mkv.txt", "title : Edited by hand\r\n");

    // A .meta file that gives every value: the watch's file goes.
    dir.WriteFile("TV\\.meta\\Cars.S01E01.mkv.txt",
                  "title : Cars\nseriesTitle : Cars\nseriesId : SH1\nepisodeNumber : 101\ndescription : Cars.\n"
                  "movieYear : 2006\nisEpisode : true\ntvRating : x3\nstarRating : x5\n");
    watch.Take(Written(".meta\\Cars.S01E01.mkv.txt"), 1);
    watch.Settle(31);
    ASSERT_FALSE(PathExists(dir / "TV\\Cars.S01E01.mkv.txt"));
    std::vector<RunRecord> history = ListRuns(dir / "runs");
    ASSERT_FALSE(history.empty());
    EXPECT_EQ("Watch", history.front().header.what);
    EXPECT_EQ(1, history.front().Count(RunStep::Kind::Remove));
    UndoRequest undo;
    EXPECT_EQ(1, RunUndo(undo, log).putBack);
    EXPECT_EQ(cars, File("Cars.S01E01.mkv"));

    // An upgrade: the edited file takes the new movie's name; undone, it has its old one again.
    dir.WriteFile("TV\\Show.S01E03.1080p.mkv", "a better movie");
    watch.Take(Written("Show.S01E03.1080p.mkv"), 40);
    std::remove((dir / "TV\\Show.S01E03.720p.mkv").c_str());
    watch.Take(Removed("Show.S01E03.720p.mkv"), 41);
    ASSERT_EQ("title : Edited by hand\r\n", File("Show.S01E03.1080p.mkv"));
    history = ListRuns(dir / "runs");
    EXPECT_EQ(1, history.front().Count(RunStep::Kind::Create));
    EXPECT_EQ(1, history.front().Count(RunStep::Kind::Remove));
    const UndoResult renamed = RunUndo(undo, log);
    EXPECT_EQ(1, renamed.putBack);
    EXPECT_EQ(1, renamed.removed);
    EXPECT_EQ("title : Edited by hand\r\n", File("Show.S01E03.720p.mkv"));
    EXPECT_FALSE(PathExists(dir / "TV\\Show.S01E03.1080p.mkv.txt"));
}

TEST_F(WatchFollowTest, EachRunIsShownToBeforeRunAsItWillRunARedoAsOneThatReplaces)
{
    // What a lookup does: values of Reelmark's own under the other files,
    // for the files the run writes (a redo's file is there already).
    std::vector<bool> replacing;
    request.beforeRun = [&replacing](GenerateRequest& run) {
        replacing.push_back(run.replaceExisting);
        run.layOver = [](PlannedMovie& movie) {
            movie.layers.push_back(PlanValueLayer{"TMDB", {{"vActor", "Quinn|Terry"}}, false});
        };
    };
    WriteOld("Lost.S01E01.mkv");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    EXPECT_NE(std::string::npos, File("Lost.S01E01.mkv").find("vActor : Quinn|Terry\r\n"));
    dir.WriteFile("TV\\Lost.S01E01.nfo", "<episodedetails><plot>A crash.</plot></episodedetails>");
    watch.Take(Written("Lost.S01E01.nfo"), 2);
    watch.Settle(32);
    const std::string redone = File("Lost.S01E01.mkv");
    EXPECT_EQ(std::string::npos, redone.find("description")) << redone;
    EXPECT_NE(std::string::npos, redone.find("vActor : Quinn|Terry\r\n")) << redone;
    EXPECT_EQ((std::vector<bool>{false, true}), replacing);
}
