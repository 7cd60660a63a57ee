// reelmark-cli as a service runs it: a refusal says which user may not
// enter or write in which folder, and a watch whose folder it cannot reach
// at start waits for it instead of ending (a service manager would start it
// again and again).
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

#include "cli/CliArguments.h"
#include "cli/CliFixture.h"
#include "cli/CliWatch.h"
#include "platform/StopSignal.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "support/posix/ChildProcess.h"
#endif

namespace {

using CliService = CliFixture;

}  // namespace

TEST_F(CliService, AWatchWhoseFolderIsNotThereAtStartWaitsForItUntilStopped)
{
    CliArguments arguments;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"watch", dir / "Later", "--settle", "0"}, arguments, error));
    StopSignal stop;
    auto running = std::async(std::launch::async, [&] { return WatchCommand(arguments, out, err, stop); });
    EXPECT_EQ(std::future_status::timeout, running.wait_for(std::chrono::milliseconds(300)))
        << "the watch ended: " << err.str();
    stop.Request();
    ASSERT_EQ(std::future_status::ready, running.wait_for(std::chrono::seconds(5)));
    EXPECT_EQ(0, running.get());
    const std::vector<std::string> messages = Messages();
    ASSERT_GE(messages.size(), 3u) << out.str();
    EXPECT_EQ("<WARNING>Cannot watch " + (dir / "Later") + ", trying again every 30 seconds: ",
              messages[1].substr(0, messages[1].find(": ") + 2));
    EXPECT_EQ("Stopped watching " + (dir / "Later") + ".", messages.back());
}

#ifndef _WIN32
TEST_F(CliService, ARefusalNamesTheUserAndTheFolderItMayNotEnterOrWriteIn)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can run a test as other users";
    // A library of the user daemon's under a home only daemon may enter;
    // the program runs as nobody.
    dir.WriteFile("home\\Movies\\Holiday.mkv");
    const std::string home = dir / "home";
    const std::string movies = dir / "home\\Movies";
    ASSERT_TRUE(getpwnam("nobody"));
    const passwd* owner = getpwnam("daemon");
    ASSERT_TRUE(owner);
    const uid_t ownerId = owner->pw_uid;
    const gid_t groupId = owner->pw_gid;
    for (const std::string& path : {home, movies, movies + "/Holiday.mkv"})
        ASSERT_EQ(0, chown(path.c_str(), ownerId, groupId));
    ASSERT_EQ(0, chmod(dir.Path().c_str(), 0755));
    ASSERT_EQ(0, chmod(movies.c_str(), 0755));
    // The runs' journals go where nobody may write: the refusals are the
    // library's.
    ASSERT_EQ(0, mkdir((dir / "runs").c_str(), 0700));
    ASSERT_EQ(0, chmod((dir / "runs").c_str(), 01777));
    const std::string group = getgrgid(groupId)->gr_name;
    const auto asNobody = [&](const std::vector<std::string>& args) {
        return InChildProcess([&] {
            if (!BecomeUser("nobody"))
                return std::string(kChildSkips) + "cannot become nobody";
            const int code = Run(args);
            return std::to_string(code) + "\n" + out.str() + err.str();
        });
    };

    ASSERT_EQ(0, chmod(home.c_str(), 0700));
    const std::string cannotEnter = asNobody({"generate", movies});
    if (cannotEnter.rfind(kChildSkips, 0) == 0)
        GTEST_SKIP() << cannotEnter;
    EXPECT_EQ("2\n", cannotEnter.substr(0, 2));
    EXPECT_NE(std::string::npos,
              cannotEnter.find(
                  "reelmark-cli: cannot read the folder " + movies +
                  ": Permission denied. The program runs as the user nobody, who may not enter the "
                  "folder " +
                  home + " (owner daemon, group " + group +
                  ", drwx------): run it as daemon, or let nobody enter it (for the service: User= and "
                  "Group=, see SERVICE in man reelmark-cli)."))
        << cannotEnter;

    ASSERT_EQ(0, chmod(home.c_str(), 0755));
    const std::string cannotWrite = asNobody({"generate", movies});
    EXPECT_EQ("1\n", cannotWrite.substr(0, 2));
    EXPECT_NE(
        std::string::npos,
        cannotWrite.find("Could not write metadata file: " + movies +
                         "/Holiday.mkv.txt\nPermission denied.\nThe program runs as the user nobody, who may "
                         "not write in the folder " +
                         movies + " (owner daemon, group " + group +
                         ", drwxr-xr-x): run it as daemon, or let nobody write there (for the service: User= "
                         "and Group=, see SERVICE in man reelmark-cli).\n"))
        << cannotWrite;
    EXPECT_FALSE(PathExists(movies + "/Holiday.mkv.txt"));
}
#endif
