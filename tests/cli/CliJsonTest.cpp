// list --json and generate --json: one JSON document on standard output,
// an entry per movie and the totals, the log kept off standard output.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "cli/JsonText.h"
#include "platform/SystemError.h"

namespace {

using CliJson = CliFixture;

std::string Movie(const std::string& path, const std::string& result, const std::string& reason = "")
{
    return "{\"movie\": " + JsonString(path) + ", \"metadataFile\": " + JsonString(path + ".txt") +
           ", \"result\": \"" + result + "\"" + (reason.empty() ? "" : ", \"reason\": " + JsonString(reason)) +
           "}";
}

}  // namespace

TEST_F(CliJson, GenerateAnswersWithEachMoviesOutcomeAndTheTotals)
{
    dir.WriteFile("Films\\A.mpg");
    dir.WriteFile("Films\\B.mpg");
    dir.WriteFile("Films\\B.mpg.txt", "old");
    dir.WriteFile("Films\\C.mpg");
    dir.WriteFile("Films\\C.mpg.txt", "protected");
    SetReadOnly(dir / "Films\\C.mpg.txt");
    const std::string folder = dir / "Films";

    EXPECT_EQ(0, Run({"generate", "--json", folder}));
    EXPECT_EQ("{\"folder\": " + JsonString(folder) + ", \"movies\": [\n " + Movie(dir / "Films\\A.mpg", "created") +
                  ",\n " + Movie(dir / "Films\\B.mpg", "skipped") + ",\n " + Movie(dir / "Films\\C.mpg", "skipped") +
                  "\n], \"totals\": {\"created\": 1, \"replaced\": 0, \"skipped\": 2, \"failed\": 0, "
                  "\"unreadFolders\": 0}}\n",
              out.str());
    // The log goes to standard error and the log file only.
    EXPECT_NE(std::string::npos, err.str().find("Creating metadata file 1 of 3: " + (dir / "Films\\A.mpg")));
    EXPECT_NE(std::string::npos, ReadFileBytes(dir / "Reelmark.log").find("1 Metadata Files Created - 2 skipped!"));

    EXPECT_EQ(1, Run({"generate", "--json", "--replace", folder}));
    EXPECT_EQ("{\"folder\": " + JsonString(folder) + ", \"movies\": [\n " + Movie(dir / "Films\\A.mpg", "replaced") +
                  ",\n " + Movie(dir / "Films\\B.mpg", "replaced") + ",\n " +
                  Movie(dir / "Films\\C.mpg", "failed", SystemErrorLine(kErrorAccessDenied)) +
                  "\n], \"totals\": {\"created\": 0, \"replaced\": 2, \"skipped\": 0, \"failed\": 1, "
                  "\"unreadFolders\": 0}}\n",
              out.str());
}

TEST_F(CliJson, ARefusedRunIsStillOneDocument)
{
    // An air date that is no date would be written wrongly: nothing is.
    dir.WriteFile("reelmark.ini", " [Settings]\r\n IsEpisode=true\r\n OriginalAirDate=soon\r\n");
    dir.WriteFile("Show\\e1.mkv");
    EXPECT_EQ(1, Run({"generate", dir / "Show", "--json"}));
    EXPECT_EQ("{\"folder\": " + JsonString(dir / "Show") +
                  ", \"movies\": [], \"refused\": \"The original air date \\\"soon\\\" is not a date.\\nType it as "
                  "YYYY-MM-DD, for example 2012-03-31, or leave it empty.\", \"totals\": {\"created\": 0, "
                  "\"replaced\": 0, \"skipped\": 0, \"failed\": 0, \"unreadFolders\": 0}}\n",
              out.str());
    EXPECT_FALSE(PathExists(dir / "Show\\e1.mkv.txt"));
}

TEST_F(CliJson, ListAnswersWithEachMovieAndTheCounts)
{
    dir.WriteFile("Shows\\b.mpg");
    dir.WriteFile("Shows\\b.mpg.txt", "title : b\r\n");
    dir.WriteFile("Shows\\d.mpg");
    dir.WriteFile("Shows\\Dr Who\\a \"quoted\".mkv");
    dir.WriteFile("Shows\\Dr Who\\default.txt", "description : Cars.\r\n");
    dir.WriteFile("Shows\\Locked\\c.mkv");
    const std::string shows = dir / "Shows";

    // Its own metadata file, metadata only from other files, none.
    EXPECT_EQ(0, Run({"list", shows, "--json"}));
    EXPECT_EQ("{\"folder\": " + JsonString(shows) + ", \"movies\": [\n {\"movie\": " + JsonString(dir / "Shows\\b.mpg") +
                  ", \"hasMetadata\": true, \"otherSources\": false, \"state\": \"own\"},\n {\"movie\": " + JsonString(dir / "Shows\\d.mpg") +
                  ", \"hasMetadata\": false, \"otherSources\": false, \"state\": \"none\"}\n], \"totals\": {\"movies\": 2, \"withMetadata\": 1, "
                  "\"unreadFolders\": 0}}\n",
              out.str());

    ReadingDenied locked(dir / "Shows\\Locked");
    if (!locked.Denied())
        GTEST_SKIP() << "no folder can be kept from this program here";
    EXPECT_EQ(3, Run({"list", "--recursive", "--json", shows}));
    EXPECT_EQ("{\"folder\": " + JsonString(shows) + ", \"movies\": [\n {\"movie\": " + JsonString(dir / "Shows\\b.mpg") +
                  ", \"hasMetadata\": true, \"otherSources\": false, \"state\": \"own\"},\n {\"movie\": " + JsonString(dir / "Shows\\d.mpg") +
                  ", \"hasMetadata\": false, \"otherSources\": false, \"state\": \"none\"},\n {\"movie\": " +
                  JsonString(dir / "Shows\\Dr Who\\a \"quoted\".mkv") +
                  ", \"hasMetadata\": false, \"otherSources\": true, \"state\": \"other\"}\n], \"totals\": {\"movies\": 3, \"withMetadata\": 1, "
                  "\"unreadFolders\": 1}}\n",
              out.str());
    EXPECT_NE(std::string::npos, err.str().find("Could not read folder (skipped): " + (dir / "Shows\\Locked")));
}

TEST_F(CliJson, ADryRunHasNoJsonAnswer)
{
    EXPECT_EQ(2, Run({"generate", dir.Path(), "--json", "--dry-run"}));
    EXPECT_EQ(0u, err.str().find("reelmark-cli: --json and --dry-run do not go together\n"));
    EXPECT_EQ("", out.str());
}
