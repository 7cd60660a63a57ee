// The system's word of changes in a watched folder, and the request to
// stop that ends every wait at once.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/FolderWatch.h"
#include "platform/StopSignal.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include "support/posix/ChildProcess.h"
#endif

namespace {

using Kind = FolderChange::Kind;

class FolderWatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.MakeFolder("Watched\\Sub");
        ASSERT_EQ(0u, watch.Start(dir / "Watched", true));
        ASSERT_EQ(0u, watch.Cover("Sub"));
    }

    // Waits for changes until one of this kind and path has come (at most
    // a few seconds; the system tells at once, but not in the same call).
    bool Sees(Kind kind, const std::string& path)
    {
        for (int round = 0; round < 50; ++round) {
            for (const FolderChange& change : seen) {
                if (change.kind == kind && change.path == NativePath(path))
                    return true;
            }
            watch.Wait(0.1, stop, seen);
        }
        return false;
    }
    std::string Seen() const
    {
        std::string text;
        for (const FolderChange& change : seen)
            text += std::to_string(static_cast<int>(change.kind)) + " " + change.path + "\n";
        return text;
    }

    TempFolder dir;
    StopSignal stop;
    FolderWatch watch;
    std::vector<FolderChange> seen;
};

}  // namespace

TEST_F(FolderWatchTest, NewRenamedAndRemovedFilesAreTold)
{
    dir.WriteFile("outside.mkv", "a finished movie");
    const struct {
        const char* what;
        std::function<void()> act;
        Kind kind;
        const char* path;
    } cases[] = {
        {"a new file", [&] { dir.WriteFile("Watched\\new.mkv", "bytes"); }, Kind::Written, "new.mkv"},
        {"a file renamed in from outside",
         [&] { std::rename((dir / "outside.mkv").c_str(), (dir / "Watched\\moved.mkv").c_str()); }, Kind::Written,
         "moved.mkv"},
        {"a new folder", [&] { dir.MakeFolder("Watched\\Season 1"); }, Kind::Written, "Season 1"},
        {"a deleted file", [&] { DeleteFileItself(dir / "Watched\\new.mkv", false); }, Kind::Removed, "new.mkv"},
        {"a file renamed away",
         [&] { std::rename((dir / "Watched\\moved.mkv").c_str(), (dir / "gone.mkv").c_str()); }, Kind::Removed,
         "moved.mkv"},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_TRUE(Sees(c.kind, c.path)) << c.what << "; seen:\n" << Seen();
    }
}

// Wine's watch of a subtree tells nothing of folders that were there before
// it started, and names a renamed folder by its old name; nor does it tell
// that the watched folder went (the watch run looks at it now and then).
// Windows itself does all three.
#ifndef _WIN32
TEST_F(FolderWatchTest, AFolderBelowThatIsRenamedIsToldByItsNewName)
{
    dir.WriteFile("Watched\\Sub\\deep.mkv", "bytes");
    EXPECT_TRUE(Sees(Kind::Written, "Sub\\deep.mkv")) << Seen();
    const size_t before = seen.size();
    std::rename((dir / "Watched\\Sub").c_str(), (dir / "Watched\\Other").c_str());
    EXPECT_TRUE(Sees(Kind::Removed, "Sub")) << Seen();
    EXPECT_TRUE(Sees(Kind::Written, "Other")) << Seen();
    // Before the new name is covered, a change in it is told by that name
    // (a subtree watch) or not at all, never by the old name.
    dir.WriteFile("Watched\\Other\\early.mkv", "bytes");
    watch.Wait(0.2, stop, seen);
    ASSERT_EQ(0u, watch.Cover("Other"));
    dir.WriteFile("Watched\\Other\\x.mkv", "bytes");
    EXPECT_TRUE(Sees(Kind::Written, "Other\\x.mkv")) << Seen();
    for (size_t i = before; i < seen.size(); ++i)
        EXPECT_NE(0u, seen[i].path.find(NativePath("Sub\\"))) << Seen();
}

TEST_F(FolderWatchTest, TheWatchedFolderGoingIsTold)
{
    RemoveFolderItself(dir / "Watched\\Sub");
    ASSERT_EQ(0u, RemoveFolderItself(dir / "Watched"));
    EXPECT_TRUE(Sees(Kind::Gone, "")) << Seen();
}
#endif

TEST_F(FolderWatchTest, AStopRequestEndsAWaitAtOnce)
{
    auto waited = std::async(std::launch::async, [this] {
        std::vector<FolderChange> changes;
        watch.Wait(30, stop, changes);
        return changes.size();
    });
    stop.Request();
    ASSERT_EQ(std::future_status::ready, waited.wait_for(std::chrono::seconds(5)));
    EXPECT_TRUE(stop.Requested());
    // It stays requested: every later wait ends at once too.
    EXPECT_TRUE(stop.WaitFor(30));
    watch.Stop();
    std::vector<FolderChange> changes;
    watch.Wait(30, stop, changes);
    EXPECT_TRUE(changes.empty());
}

#ifndef _WIN32
TEST(StopSignalTest, TheSystemsRequestsAreTakenWhileTheObjectLives)
{
    // What ran before (here: ignoring SIGHUP) is back afterwards.
    std::signal(SIGHUP, SIG_IGN);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        StopSignal stop;
        stop.TakeSystemRequests();
        EXPECT_FALSE(stop.WaitFor(0));
        std::raise(signal);
        EXPECT_TRUE(stop.WaitFor(0)) << signal;
    }
    struct sigaction now = {};
    sigaction(SIGHUP, nullptr, &now);
    EXPECT_EQ(SIG_IGN, now.sa_handler);
    std::signal(SIGHUP, SIG_DFL);
}
#endif

#ifndef _WIN32
TEST(FolderWatchLimit, AFolderBeyondTheSystemsLimitIsRefusedWithTheLimitNamed)
{
    TempFolder dir;
    for (const char* folder : {"Watched\\A", "Watched\\B", "Watched\\C"})
        dir.MakeFolder(folder);
    // In a user namespace of its own the test may lower the limit of
    // watched folders to 2: the folder itself and one below.
    const std::string said = InChildProcess([&] {
        if (!EnterOwnNamespace(false) || !WriteProcFile("/proc/sys/user/max_inotify_watches", "2"))
            return std::string(kChildSkips) + "no user namespace with a limit of its own here";
        FolderWatch watch;
        std::string report =
            std::to_string(watch.Start(dir / "Watched", true)) + " " + std::to_string(watch.Cover("A")) + " ";
        const SystemError beyond = watch.Cover("B");
        const WatchLimit limit = FolderWatch::LimitOf(beyond);
        report += SystemErrorLine(beyond) + " " + limit.name + " " + std::to_string(limit.value);
        return report + " " + FolderWatch::LimitOf(kErrorAccessDenied).name + "|";
    });
    if (said.rfind(kChildSkips, 0) == 0)
        GTEST_SKIP() << said;
    EXPECT_EQ("0 0 No space left on device. fs.inotify.max_user_watches 2 |", said);
}
#endif
