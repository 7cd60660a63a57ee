// The watch over a movie folder: which movies get their metadata files and
// when (on a clock the tests turn by hand), and the whole watch run with
// the system's notifications, a folder that goes and comes back, and stop.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <mutex>
#include <thread>

#include "core/log/ActivityLog.h"
#include "core/log/UserMessage.h"
#include "core/runs/LibraryWatch.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/StopSignal.h"
#include "support/TempFolder.h"

namespace {

class LibraryWatchTest : public ::testing::Test {
protected:
    LibraryWatchTest()
    {
        dir.MakeFolder("Films");
        request.generate.folder = dir / "Films";
        request.generate.seriesTitleText = "Films";
        request.generate.metadata.seriesId = "MV991234";
        request.settleSeconds = 30;
        log.SetListener([this](const std::string& line) {
            std::lock_guard<std::mutex> hold(linesLock);
            lines += line;
        });
    }

    std::string Lines()
    {
        std::lock_guard<std::mutex> hold(linesLock);
        return lines;
    }
    bool HasMetadata(const std::string& movie) const { return PathExists(dir / ("Films\\" + movie + ".txt")); }
    // A movie finished long ago.
    void WriteOld(const std::string& movie, const std::string& bytes = "a movie")
    {
        dir.WriteFile("Films\\" + movie, bytes);
        AgeFile(dir / ("Films\\" + movie));
    }
    FolderChange Written(const std::string& path) const { return {FolderChange::Kind::Written, NativePath(path)}; }
    FolderChange Removed(const std::string& path) const { return {FolderChange::Kind::Removed, NativePath(path)}; }

    TempFolder dir;
    MessageShowerScope quiet{nullptr};
    WatchRequest request;
    ActivityLog log;
    StopSignal stop;
    std::mutex linesLock;
    std::string lines;
};

}  // namespace

TEST_F(LibraryWatchTest, AMovieThatIsStillGrowingGetsItsFileOnlyOnceItHasSettled)
{
    // With the system telling of each write, and without (a network share:
    // only the file's own size and time show the change).
    for (const bool told : {true, false}) {
        SCOPED_TRACE(told ? "told" : "not told");
        const std::string movie = told ? "told.mkv" : "untold.mkv";
        LibraryWatch watch(request, log, stop);
        dir.WriteFile("Films\\" + movie, "x");
        ASSERT_TRUE(watch.Pass(0));
        EXPECT_EQ(std::vector<std::string>{movie}, watch.Waiting());
        // Written every ten seconds for a minute, once rewritten in place.
        for (int t = 10; t <= 60; t += 10) {
            if (t == 40)
                SetLastWrite(dir / ("Films\\" + movie), 1331000000, 0);
            else
                dir.WriteFile("Films\\" + movie, std::string(static_cast<size_t>(t), 'x'));
            if (told)
                watch.Take(Written(movie), t);
            watch.Settle(t);
            EXPECT_FALSE(HasMetadata(movie)) << t;
        }
        watch.Settle(89);
        EXPECT_FALSE(HasMetadata(movie));
        EXPECT_EQ(90, watch.NextSettle());
        watch.Settle(90);
        EXPECT_TRUE(HasMetadata(movie));
        EXPECT_TRUE(watch.Waiting().empty());
    }
}

TEST_F(LibraryWatchTest, AMovieWhoseTimeAloneChangedBetweenTwoChecksWaitsAgain)
{
    // A copy that writes the bytes in place (or sets the time at its end)
    // keeps the size; the time still tells it was written meanwhile.
    for (const bool told : {true, false}) {
        SCOPED_TRACE(told ? "told" : "not told");
        const std::string movie = told ? "told.mkv" : "untold.mkv";
        LibraryWatch watch(request, log, stop);
        dir.WriteFile("Films\\" + movie, "same size");
        ASSERT_TRUE(watch.Pass(0));
        ASSERT_EQ(std::vector<std::string>{movie}, watch.Waiting());
        SetLastWrite(dir / ("Films\\" + movie), 1331000100, 0);
        if (told)
            watch.Take(Written(movie), 10);
        watch.Settle(told ? 10 : 30);
        watch.Settle(39);
        EXPECT_FALSE(HasMetadata(movie)) << "the time changed since the last look";
        watch.Settle(told ? 40 : 60);
        EXPECT_TRUE(HasMetadata(movie));
    }
}

TEST_F(LibraryWatchTest, AMovieThatCannotBeOpenedWaitsUntilItCanBe)
{
    // A copy on Windows holds its file locked until the last byte.
    WriteOld("locked.mkv");
    LibraryWatch watch(request, log, stop);
    {
        ReadingDenied locked(dir / "Films\\locked.mkv");
        if (!locked.Denied())
            GTEST_SKIP() << "no file can be kept from this program here";
        ASSERT_TRUE(watch.Pass(0));
        watch.Settle(30);
        EXPECT_FALSE(HasMetadata("locked.mkv"));
    }
    // Unchanged, now open to read: it waits its time once more.
    watch.Settle(59);
    EXPECT_FALSE(HasMetadata("locked.mkv"));
    watch.Settle(60);
    EXPECT_TRUE(HasMetadata("locked.mkv"));
}

TEST_F(LibraryWatchTest, APipeNamedLikeAMovieIsToldOnceAndTheOthersGetTheirFiles)
{
    // Opened to see whether it can be read, a pipe would keep the watch
    // waiting for a writer for ever.
    WriteOld("A.mkv");
    WriteOld("C.mkv");
    if (!MakeFifo(dir / "Films\\B.mkv"))
        GTEST_SKIP() << "no named pipes here";
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    EXPECT_TRUE(HasMetadata("A.mkv"));
    EXPECT_TRUE(HasMetadata("C.mkv"));
    for (const double now : {30.0, 60.0, 90.0})
        watch.Settle(now);
    dir.WriteFile("Films\\D.mkv", "new");
    watch.Take(Written("D.mkv"), 100);
    watch.Settle(130);
    EXPECT_TRUE(HasMetadata("D.mkv"));
    EXPECT_FALSE(HasMetadata("B.mkv"));
    EXPECT_EQ(std::vector<std::string>{}, watch.Waiting());
    const std::string told = "Not a file, left out: " + (dir / "Films\\B.mkv") + "\n";
    EXPECT_NE(std::string::npos, Lines().find(told)) << Lines();
    EXPECT_EQ(Lines().find("Not a file"), Lines().rfind("Not a file")) << "told once";
}

TEST_F(LibraryWatchTest, TheStartPassWritesWhatGenerateWritesAndNewMoviesWaitTheirTime)
{
    WriteOld("Old.mkv");
    WriteOld("Kept.mkv");
    dir.WriteFile("Films\\Kept.mkv.txt", "the user's own");
    dir.WriteFile("Films\\Fresh.mkv", "being copied");
    dir.WriteFile("Renamed.mkv", "finished long ago");
    AgeFile(dir / "Renamed.mkv");
    LibraryWatch watch(request, log, stop);

    ASSERT_TRUE(watch.Pass(0));
    EXPECT_TRUE(HasMetadata("Old.mkv"));
    EXPECT_FALSE(HasMetadata("Fresh.mkv"));
    EXPECT_EQ("the user's own", ReadFileBytes(dir / "Films\\Kept.mkv.txt"));
    // Only what was written is logged, as generate logs it.
    EXPECT_NE(std::string::npos, Lines().find("Generating metadata. Processing 1 files\n"));
    EXPECT_NE(std::string::npos, Lines().find("Creating metadata file 1 of 1: " + (dir / "Films\\Old.mkv.txt")));
    EXPECT_EQ(std::string::npos, Lines().find("Kept.mkv"));

    // A finished movie renamed into the folder waits its time too: nothing
    // says it will not be written to at once.
    std::rename((dir / "Renamed.mkv").c_str(), (dir / "Films\\Renamed.mkv").c_str());
    watch.Take(Written("Renamed.mkv"), 5);
    // The system also tells of files Reelmark writes and of its work folder.
    watch.Take(Written("Old.mkv.txt"), 5);
    watch.Take(Written("~reelmark-1-1.tmp"), 5);
    watch.Take(Written("Kept.mkv"), 6);
    watch.Settle(34);
    EXPECT_FALSE(HasMetadata("Renamed.mkv"));
    watch.Settle(36);
    EXPECT_TRUE(HasMetadata("Renamed.mkv"));
    EXPECT_TRUE(HasMetadata("Fresh.mkv"));
    EXPECT_EQ("the user's own", ReadFileBytes(dir / "Films\\Kept.mkv.txt"));
    EXPECT_EQ(std::string::npos, Lines().find("Kept.mkv"));
    EXPECT_EQ(std::vector<std::string>{}, watch.Waiting());
}

TEST_F(LibraryWatchTest, AMetadataFileThatIsThereIsNeverReplaced)
{
    // Beside the movie, or in ".meta" when that is where the files go.
    for (const bool metaFolder : {false, true}) {
        SCOPED_TRACE(metaFolder ? ".meta" : "beside");
        request.generate.metaFolder = metaFolder;
        const std::string kept = metaFolder ? "Films\\.meta\\A.mkv.txt" : "Films\\A.mkv.txt";
        WriteOld("A.mkv");
        dir.WriteFile(kept, "mine");
        LibraryWatch watch(request, log, stop);
        ASSERT_TRUE(watch.Pass(0));
        watch.Take(Written("A.mkv"), 1);
        // It came only after the movie was taken in.
        WriteOld("B.mkv");
        watch.Take(Written("B.mkv"), 1);
        dir.WriteFile(metaFolder ? "Films\\.meta\\B.mkv.txt" : "Films\\B.mkv.txt", "a media manager's");
        watch.Settle(31);
        EXPECT_EQ("mine", ReadFileBytes(dir / kept));
        EXPECT_EQ("a media manager's",
                  ReadFileBytes(dir / (metaFolder ? "Films\\.meta\\B.mkv.txt" : "Films\\B.mkv.txt")));
        EXPECT_EQ("", Lines());
        DeleteFileItself(dir / "Films\\B.mkv", false);
    }
}

TEST_F(LibraryWatchTest, FoldersThatComeAreLookedThroughAndMoviesThatGoAreForgotten)
{
    request.recursive = true;
    request.generate.isEpisodeTicked = true;
    request.generate.metadata.movieMode = false;
    request.generate.metadata.isEpisode = "true";
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    // A season moved in whole: the system tells only of its folder.
    dir.WriteFile("Films\\Dr Who\\Season 2\\e1.mkv", "x");
    dir.WriteFile("Films\\Dr Who\\Season 2\\e2.mkv", "x");
    dir.WriteFile("Films\\Dr Who\\Special.mkv", "x");
    watch.Take(Written("Dr Who"), 1);
    EXPECT_EQ((std::vector<std::string>{NativePath("Dr Who\\Season 2\\e1.mkv"), NativePath("Dr Who\\Season 2\\e2.mkv"),
                                        NativePath("Dr Who\\Special.mkv")}),
              watch.Waiting());
    // One is deleted while it waits, one renamed in the folder.
    DeleteFileItself(dir / "Films\\Dr Who\\Season 2\\e1.mkv", false);
    watch.Take(Removed("Dr Who\\Season 2\\e1.mkv"), 2);
    std::rename((dir / "Films\\Dr Who\\Season 2\\e2.mkv").c_str(), (dir / "Films\\Dr Who\\Season 2\\e3.mkv").c_str());
    watch.Take(Removed("Dr Who\\Season 2\\e2.mkv"), 2);
    watch.Take(Written("Dr Who\\Season 2\\e3.mkv"), 2);
    watch.Settle(40);
    EXPECT_EQ((std::vector<std::string>{"e3.mkv", "e3.mkv.txt"}), NamesInFolder(dir / "Films\\Dr Who\\Season 2"));
    EXPECT_NE(std::string::npos,
              Lines().find("Creating metadata file 2 of 2: " + (dir / "Films\\Dr Who\\Season 2\\e3.mkv.txt\n")))
        << Lines();
    // An episode's series title is its show's, as generate --recursive gives it.
    EXPECT_NE(std::string::npos,
              ReadFileBytes(dir / "Films\\Dr Who\\Season 2\\e3.mkv.txt").find("seriesTitle : Dr Who\r\n"));

    // A metadata file that is deleted is written again.
    DeleteFileItself(dir / "Films\\Dr Who\\Season 2\\e3.mkv.txt", false);
    watch.Take(Removed("Dr Who\\Season 2\\e3.mkv.txt"), 50);
    watch.Settle(80);
    EXPECT_TRUE(PathExists(dir / "Films\\Dr Who\\Season 2\\e3.mkv.txt"));

    // Without --recursive the folders below are not the watch's.
    request.recursive = false;
    LibraryWatch flat(request, log, stop);
    dir.WriteFile("Films\\Dr Who\\e9.mkv", "x");
    flat.Take(Written("Dr Who\\e9.mkv"), 0);
    flat.Take(Written("Dr Who"), 0);
    EXPECT_TRUE(flat.Waiting().empty());
}

TEST_F(LibraryWatchTest, WithNamesReadANewEpisodeGetsItsShowsOwnSeriesId)
{
    request.recursive = true;
    request.generate.metadata.parseNames = true;
    WriteOld("Dr Who\\Dr.Who.S01E01.mkv");
    WriteOld("Heat (1995).mkv");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    const std::string first = ReadFileBytes(dir / "Films\\Dr Who\\Dr.Who.S01E01.mkv.txt");
    const size_t id = first.find("seriesId : ");
    ASSERT_NE(std::string::npos, id);
    EXPECT_EQ(std::string::npos, first.find("MV991234"));

    // Alone in its run, it would take the template's ID: one folder, one show.
    dir.WriteFile("Films\\Dr Who\\Dr.Who.S01E02.mkv", "x");
    watch.Take(Written("Dr Who\\Dr.Who.S01E02.mkv"), 1);
    watch.Settle(31);
    const std::string second = ReadFileBytes(dir / "Films\\Dr Who\\Dr.Who.S01E02.mkv.txt");
    EXPECT_NE(std::string::npos, second.find(first.substr(id, first.find('\n', id) - id))) << second;
}

namespace {

// The whole watch on a thread of its own, with the system's notifications
// and a real clock, its times made short.
class RunWatchTest : public LibraryWatchTest {
protected:
    RunWatchTest()
    {
        request.settleSeconds = 0.05;
        request.passSeconds = 0;
        request.retrySeconds = 0.05;
    }
    ~RunWatchTest() override
    {
        stop.Request();
        if (running.valid())
            running.wait();
    }
    void Start()
    {
        running = std::async(std::launch::async, [this] { RunWatch(request, log, stop); });
    }
    // Waits (a few seconds at most) until the log holds the text, or holds
    // it that many times.
    bool Logs(const std::string& text, size_t times = 1)
    {
        const auto count = [&] {
            const std::string lines = Lines();
            size_t found = 0;
            for (size_t at = lines.find(text); at != std::string::npos; at = lines.find(text, at + 1))
                ++found;
            return found;
        };
        for (int round = 0; round < 300 && count() < times; ++round)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return count() >= times;
    }
    bool Stops()
    {
        stop.Request();
        return running.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    }
    // Work folders anywhere below the temporary folder.
    std::vector<std::string> WorkFoldersLeft() const
    {
        std::vector<std::string> left;
        for (const std::string& folder : {dir.Path(), dir / "Films", dir / "Moved"}) {
            for (const std::string& name : NamesInFolder(folder)) {
                if (name.compare(0, 9, "~reelmark") == 0)
                    left.push_back(name);
            }
        }
        return left;
    }

    std::future<void> running;
};

}  // namespace

TEST_F(RunWatchTest, NewMoviesGetTheirFilesAndAFolderThatGoesIsWaitedFor)
{
    WriteOld("Old.mkv");
    Start();
    ASSERT_TRUE(Logs("Creating metadata file 1 of 1: " + (dir / "Films\\Old.mkv.txt")));

    dir.WriteFile("Films\\New.mkv", "copied");
    ASSERT_TRUE(Logs("Creating metadata file 1 of 1: " + (dir / "Films\\New.mkv.txt"))) << Lines();
    ASSERT_TRUE(Logs("1 Metadata Files Created - 0 skipped!", 2)) << Lines();

    // The folder goes (a share that is unmounted, a folder moved away; Wine
    // keeps a deleted folder while the watch holds it): logged once, tried
    // again.
    ASSERT_EQ(0, std::rename((dir / "Films").c_str(), (dir / "Moved").c_str()));
    ASSERT_TRUE(Logs("<WARNING>Cannot watch " + (dir / "Films") + ", trying again every 0.05 seconds: "))
        << Lines();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    dir.MakeFolder("Films");
    WriteOld("Back.mkv");
    ASSERT_TRUE(Logs("Watching " + (dir / "Films") + " again.")) << Lines();
    EXPECT_TRUE(Logs("Creating metadata file 1 of 1: " + (dir / "Films\\Back.mkv.txt"))) << Lines();
    const std::string before = Lines();
    EXPECT_EQ(before.find("Cannot watch"), before.rfind("Cannot watch"));

    ASSERT_TRUE(Stops());
    EXPECT_NE(std::string::npos, Lines().find("Stopped watching " + (dir / "Films") + ".\n"));
    EXPECT_TRUE(HasMetadata("Back.mkv"));
    EXPECT_EQ(std::vector<std::string>{}, WorkFoldersLeft());
}

TEST_F(RunWatchTest, AStopInTheMiddleOfARunEndsItAndLeavesNoWorkFolder)
{
    for (const char* movie : {"A.mkv", "B.mkv", "C.mkv"})
        WriteOld(movie);
    log.SetListener([this](const std::string& line) {
        if (line.find("Creating metadata file 1 of 3") != std::string::npos)
            stop.Request();
        std::lock_guard<std::mutex> hold(linesLock);
        lines += line;
    });
    Start();
    ASSERT_EQ(std::future_status::ready, running.wait_for(std::chrono::seconds(5)));
    EXPECT_TRUE(HasMetadata("A.mkv"));
    EXPECT_FALSE(HasMetadata("B.mkv"));
    EXPECT_NE(std::string::npos, Lines().find("2 cancelled"));
    EXPECT_EQ(std::vector<std::string>{}, WorkFoldersLeft());
}

TEST_F(RunWatchTest, AFolderThatCannotBeReadIsLoggedAndTriedAgain)
{
    {
        // The watch's thread starts without the rights to read past it.
        ReadingDenied locked(dir / "Films");
        if (!locked.Denied())
            GTEST_SKIP() << "no folder can be kept from this program here";
        Start();
        ASSERT_TRUE(Logs("<WARNING>Cannot watch " + (dir / "Films") + ", trying again every 0.05 seconds: " +
                         SystemErrorLine(kErrorAccessDenied)))
            << Lines();
    }
    WriteOld("Later.mkv");
    ASSERT_TRUE(Logs("Watching " + (dir / "Films") + " again.")) << Lines();
    EXPECT_TRUE(Logs("Creating metadata file 1 of 1: " + (dir / "Films\\Later.mkv.txt"))) << Lines();
}
