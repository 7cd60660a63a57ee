// reelmark-cli watch: its command line, and a whole watch run in-process
// until it is asked to stop.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "cli/CliArguments.h"
#include "cli/CliFixture.h"
#include "cli/CliUsage.h"
#include "cli/CliWatch.h"
#include "core/files/RunHistory.h"
#include "platform/StopSignal.h"

namespace {

using CliWatch = CliFixture;

}  // namespace

TEST(CliWatchArguments, TheWatchTakesItsOwnOptionsAndNoOthers)
{
    CliArguments parsed;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"watch", "/srv/movies", "--recursive", "--parse-names", "--meta-folder", "--settle",
                                   "0", "--rescan", "1440", "--ini", "/etc/reelmark.ini"},
                                  parsed, error))
        << error;
    EXPECT_EQ(CliCommand::Watch, parsed.command);
    EXPECT_EQ("/srv/movies", parsed.Folder());
    EXPECT_TRUE(parsed.recursive && parsed.parseNames && parsed.metaFolder);
    EXPECT_EQ(0, parsed.settleSeconds);
    EXPECT_EQ(1440, parsed.rescanMinutes);
    EXPECT_EQ("/etc/reelmark.ini", parsed.iniFile);
    ASSERT_TRUE(ParseCliArguments({"WATCH", "/srv/movies"}, parsed, error));
    EXPECT_EQ(30, parsed.settleSeconds);
    EXPECT_EQ(60, parsed.rescanMinutes);
    // The documented maxima themselves are taken (one past them is not, below).
    ASSERT_TRUE(ParseCliArguments({"watch", "/srv", "--settle", "86400", "--rescan", "10080"}, parsed, error))
        << error;
    EXPECT_EQ(86400, parsed.settleSeconds);
    EXPECT_EQ(10080, parsed.rescanMinutes);

    const struct {
        std::vector<std::string> args;
        const char* error;
    } bad[] = {
        {{"watch", "/srv", "--replace"}, "--replace does not belong to the watch command"},
        {{"watch", "/srv", "--dry-run"}, "--dry-run does not belong to the watch command"},
        {{"watch", "/srv", "--json"}, "--json does not belong to the watch command"},
        {{"watch", "/srv", "--settle"}, "--settle needs a number of seconds from 0 to 86400"},
        {{"watch", "/srv", "--settle", "soon"}, "--settle needs a number of seconds from 0 to 86400, not \"soon\""},
        {{"watch", "/srv", "--settle", "86401"}, "--settle needs a number of seconds from 0 to 86400, not \"86401\""},
        {{"watch", "/srv", "--settle", "1", "--settle", "2"}, "--settle is given more than once"},
        {{"watch", "/srv", "--rescan", "-5"}, "--rescan needs a number of minutes from 0 to 10080 (a week), not \"-5\""},
        {{"watch", "/srv", "--rescan", "10081"},
         "--rescan needs a number of minutes from 0 to 10080 (a week), not \"10081\""},
        {{"watch", "/srv", "/tv"}, "too many arguments from \"/tv\" on (put a FOLDER with spaces in double quotes)"},
        {{"generate", "/srv", "--settle", "5"}, "--settle does not belong to the generate command"},
        {{"list", "/srv", "--rescan", "5"}, "--rescan does not belong to the list command"},
        {{"show", "/srv", "--ini", "x"}, "--ini does not belong to the show command"},
    };
    for (const auto& c : bad) {
        EXPECT_FALSE(ParseCliArguments(c.args, parsed, error)) << ::testing::PrintToString(c.args);
        EXPECT_EQ(c.error, error);
    }
}

TEST_F(CliWatch, RunsUntilStoppedWritingNewMoviesAndLeavesNothingBehind)
{
    dir.WriteFile("Films\\Old.mkv", "finished");
    AgeFile(dir / "Films\\Old.mkv");
    dir.WriteFile("Films\\Kept.mkv");
    dir.WriteFile("Films\\Kept.mkv.txt", "mine");
    CliArguments arguments;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"watch", dir / "Films", "--settle", "0"}, arguments, error));
    StopSignal stop;
    auto running = std::async(std::launch::async, [&] { return WatchCommand(arguments, out, err, stop); });
    const auto appears = [](const std::string& path) {
        for (int round = 0; round < 300 && !PathExists(path); ++round)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return PathExists(path);
    };
    EXPECT_TRUE(appears(dir / "Films\\Old.mkv.txt"));
    dir.WriteFile("Films\\New.mkv", "copied");
    EXPECT_TRUE(appears(dir / "Films\\New.mkv.txt"));

    stop.Request();
    ASSERT_EQ(std::future_status::ready, running.wait_for(std::chrono::seconds(5)));
    EXPECT_EQ(0, running.get());
    EXPECT_EQ("mine", ReadFileBytes(dir / "Films\\Kept.mkv.txt"));
    EXPECT_EQ((std::vector<std::string>{"Kept.mkv", "Kept.mkv.txt", "New.mkv", "New.mkv.txt", "Old.mkv", "Old.mkv.txt"}),
              NamesInFolder(dir / "Films"));
    // Every line printed and in the log file, the last that it stopped.
    const std::vector<std::string> messages = Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ("Watching " + (dir / "Films") +
                  " for new movies: each gets its metadata file once unchanged for 0 seconds; a full pass every 60 "
                  "minutes.",
              messages.front());
    EXPECT_EQ("Stopped watching " + (dir / "Films") + ".", messages.back());
    EXPECT_NE(std::string::npos, ReadFileBytes(dir / "Reelmark.log").find("Stopped watching"));
    // Each file it wrote is a run that can be undone.
    const std::vector<RunRecord> runs = ListRuns(dir / "runs");
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ("Watch", runs[0].header.what);
    EXPECT_EQ(1, runs[0].Count(RunStep::Kind::Create));
}
