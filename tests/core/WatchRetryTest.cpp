// The watch tries again the metadata files it could not write (a full
// disk, a folder in the way), on a back-off, without waiting for the next
// full pass (which may never come).
#include <cstdio>
#include <gtest/gtest.h>

#include "core/log/ActivityLog.h"
#include "core/log/UserMessage.h"
#include "core/runs/LibraryWatch.h"
#include "platform/FileSystem.h"
#include "platform/StopSignal.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include <fstream>
#include <sys/mount.h>

#include "support/posix/ChildProcess.h"
#endif

namespace {

class WatchRetryTest : public ::testing::Test {
protected:
    WatchRetryTest()
    {
        dir.MakeFolder("Films");
        request.generate.folder = dir / "Films";
        request.generate.seriesTitleText = "Films";
        request.generate.metadata.seriesId = "MV991234";
        request.settleSeconds = 30;
        request.passSeconds = 0;  // no full pass after the one at start
        log.SetListener([this](const std::string& line) { lines += line; });
    }
    void WriteOld(const std::string& movie)
    {
        dir.WriteFile("Films\\" + movie, "a movie");
        AgeFile(dir / ("Films\\" + movie));
    }
    // How many times the log holds the text since it was last asked.
    size_t Said(const std::string& text)
    {
        size_t found = 0;
        for (size_t at = lines.find(text, asked); at != std::string::npos; at = lines.find(text, at + 1))
            ++found;
        return found;
    }
    void Asked() { asked = lines.size(); }

    TempFolder dir;
    MessageShowerScope quiet{nullptr};
    WatchRequest request;
    ActivityLog log;
    StopSignal stop;
    std::string lines;
    size_t asked = 0;
};

}  // namespace

TEST_F(WatchRetryTest, AFileThatCouldNotBeWrittenIsTriedAgainAfterAMinuteThenLaterUntilItIsWritten)
{
    // A file where the .meta folder should be: nothing can be written into it.
    request.generate.metaFolder = true;
    WriteOld("a.mkv");
    dir.WriteFile("Films\\.meta", "in the way");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    EXPECT_EQ(1u, Said("<WARNING>1 metadata file could not be written; trying again in 1 minute.\n"))
        << lines;
    EXPECT_DOUBLE_EQ(60, watch.NextSettle());

    Asked();
    watch.Settle(59);
    EXPECT_EQ("", lines.substr(asked));
    watch.Settle(60);
    EXPECT_EQ(1u, Said("<WARNING>1 metadata file still cannot be written; trying again in 2 minutes.\n"))
        << lines;
    EXPECT_DOUBLE_EQ(180, watch.NextSettle());

    ASSERT_EQ(0, std::remove((dir / "Films\\.meta").c_str()));
    Asked();
    watch.Settle(179);
    EXPECT_EQ("", lines.substr(asked));
    watch.Settle(180);
    EXPECT_TRUE(PathExists(dir / "Films\\.meta\\a.mkv.txt")) << lines;
    EXPECT_EQ(0u, Said("cannot be written")) << lines;
    EXPECT_GT(watch.NextSettle(), 1e9) << "nothing waits any more";
}

TEST_F(WatchRetryTest, AMovieThatWentMeanwhileIsNotTriedAgain)
{
    request.generate.metaFolder = true;
    WriteOld("a.mkv");
    dir.WriteFile("Films\\.meta", "in the way");
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    ASSERT_EQ(0, std::remove((dir / "Films\\a.mkv").c_str()));
    Asked();
    watch.Settle(60);
    EXPECT_EQ("", lines.substr(asked));
    EXPECT_GT(watch.NextSettle(), 1e9);
}

#ifndef _WIN32
TEST_F(WatchRetryTest, OnAFullDiskOneFileATryTellsItAndAllAreWrittenOnceThereIsRoom)
{
    // A small file system of the test's own, in a user and mount namespace.
    const std::string said = InChildProcess([&] {
        const std::string films = dir / "Films";
        if (!EnterOwnNamespace(true) || mount("tmpfs", films.c_str(), "tmpfs", 0, "size=64k") != 0)
            return std::string(kChildSkips) + "no small file system can be mounted here";
        for (const char* movie : {"a.mkv", "b.mkv", "c.mkv"})
            WriteOld(movie);
        {
            std::ofstream filler(films + "/filler", std::ios::binary);
            const std::string block(4096, 'x');
            for (int i = 0; i < 64 && filler.write(block.data(), block.size()); ++i)
                filler.flush();
        }
        std::string report;
        LibraryWatch watch(request, log, stop);
        watch.Pass(0);
        report += std::to_string(Said("No space left on device")) + " ";
        report +=
            std::to_string(Said("3 metadata files could not be written; trying again in 1 minute.")) + " ";
        Asked();
        watch.Settle(60);
        report += std::to_string(Said("No space left on device")) + " ";
        report +=
            std::to_string(Said("3 metadata files still cannot be written; trying again in 2 minutes.")) +
            " ";
        std::remove((films + "/filler").c_str());
        Asked();
        watch.Settle(180);
        report += std::to_string(Said("Could not write")) + " ";
        for (const char* file : {"/a.mkv.txt", "/b.mkv.txt", "/c.mkv.txt"})
            report += PathExists(films + file) ? "+" : "-";
        return report + (watch.NextSettle() > 1e9 ? " done" : " waits") + "\n" + lines;
    });
    if (said.rfind(kChildSkips, 0) == 0)
        GTEST_SKIP() << said;
    EXPECT_EQ("3 1 1 1 0 +++ done", said.substr(0, said.find('\n'))) << said;
}
#endif
