// The watch at the system's limits: folders the system will not watch are
// named with the limit and left to the full passes.
#include <gtest/gtest.h>

#include "core/log/ActivityLog.h"
#include "core/log/UserMessage.h"
#include "core/runs/LibraryWatch.h"
#include "platform/StopSignal.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include "support/posix/ChildProcess.h"
#endif

namespace {

class WatchLimitsTest : public ::testing::Test {
protected:
    WatchLimitsTest()
    {
        request.generate.folder = dir / "Films";
        request.generate.seriesTitleText = "Films";
        request.generate.metadata.seriesId = "MV991234";
        request.recursive = true;
        request.settleSeconds = 0;
        request.retrySeconds = 0.05;
        for (const char* movie : {"A\\a.mkv", "B\\b.mkv", "C\\c.mkv", "D\\d.mkv", "E\\e.mkv"}) {
            dir.WriteFile(std::string("Films\\") + movie, "a movie");
            AgeFile(dir / (std::string("Films\\") + movie));
        }
    }

#ifndef _WIN32
    // The watch's log until its first pass is written, run in a user
    // namespace whose limit of watched folders is `watches`.
    std::string WatchWithLimit(int watches)
    {
        return InChildProcess([&] {
            if (!EnterOwnNamespace(false) ||
                !WriteProcFile("/proc/sys/user/max_inotify_watches", std::to_string(watches)))
                return std::string(kChildSkips) + "no user namespace with a limit of its own here";
            MessageShowerScope quiet(nullptr);
            ActivityLog log;
            StopSignal stop;
            std::string lines;
            log.SetListener([&](const std::string& line) {
                lines += line;
                if (line.find("Metadata Files Created") != std::string::npos)
                    stop.Request();
            });
            RunWatch(request, log, stop);
            return lines;
        });
    }
#endif

    TempFolder dir;
    WatchRequest request;
};

}  // namespace

TEST(UnwatchedLine, NamesTheLimitTheFoldersAndThePasses)
{
    const WatchLimit limit{"fs.inotify.max_user_watches", 8192};
    EXPECT_EQ(
        "The system's limit fs.inotify.max_user_watches (8192 here) is reached: 120 folders below /srv/tv "
        "are "
        "not watched for changes; the full pass every 60 minutes finds their new movies. Raise the limit "
        "(sysctl fs.inotify.max_user_watches) to have them watched.",
        UnwatchedLine(limit, 120, false, "/srv/tv", 3600));
    EXPECT_EQ(
        "The system's limit fs.inotify.max_user_instances is reached: /srv/tv is not watched for changes; no "
        "full pass comes after the one at start, so its new movies wait until the watch starts again. Raise "
        "the limit (sysctl fs.inotify.max_user_instances) to have it watched.",
        UnwatchedLine({"fs.inotify.max_user_instances", -1}, 1, true, "/srv/tv", 0));
    EXPECT_NE(std::string::npos,
              UnwatchedLine(limit, 1, false, "/srv/tv", 90)
                  .find("1 folder below /srv/tv is not watched for changes; the full pass every 1.5 "
                        "minutes finds their new movies"));
}

#ifndef _WIN32
TEST_F(WatchLimitsTest, FoldersBeyondTheSystemsLimitAreNamedAndThePassWritesTheirMovies)
{
    // The folder itself and two of its five folders below can be watched.
    const std::string lines = WatchWithLimit(3);
    if (lines.rfind(kChildSkips, 0) == 0)
        GTEST_SKIP() << lines;
    EXPECT_NE(std::string::npos,
              lines.find(
                  "<WARNING>The system's limit fs.inotify.max_user_watches (3 here) is reached: 3 folders "
                  "below " +
                  (dir / "Films") +
                  " are not watched for changes; the full pass every 60 minutes "
                  "finds their new movies. Raise the limit (sysctl fs.inotify.max_user_watches) to have them "
                  "watched.\n"))
        << lines;
    EXPECT_EQ(std::string::npos, lines.find("Could not watch")) << lines;
    EXPECT_NE(std::string::npos, lines.find("5 Metadata Files Created")) << lines;
    for (const char* file : {"A\\a.mkv.txt", "B\\b.mkv.txt", "C\\c.mkv.txt", "D\\d.mkv.txt", "E\\e.mkv.txt"})
        EXPECT_TRUE(PathExists(dir / (std::string("Films\\") + file))) << file;
}

TEST_F(WatchLimitsTest, AFolderTheSystemWillNotWatchAtAllIsLeftToThePasses)
{
    const std::string lines = WatchWithLimit(0);
    if (lines.rfind(kChildSkips, 0) == 0)
        GTEST_SKIP() << lines;
    EXPECT_NE(std::string::npos,
              lines.find("<WARNING>The system's limit fs.inotify.max_user_watches (0 here) is reached: " +
                         (dir / "Films") +
                         " is not watched for changes; the full pass every 60 minutes finds its "
                         "new movies."))
        << lines;
    EXPECT_EQ(std::string::npos, lines.find("Cannot watch")) << lines;
    EXPECT_NE(std::string::npos, lines.find("5 Metadata Files Created")) << lines;
}
#endif
