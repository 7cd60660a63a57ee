// reelmark-cli check: nothing found (0), problems found (4) as lines and as
// JSON, wrong use (2), and the movies of a movie path and of the folders
// below.
#include "cli/CliFixture.h"
#include "cli/JsonText.h"

TEST_F(CliFixture, CheckTellsProblemsWithExitCodeFourAndNothingWithZero)
{
    dir.WriteFile("Clean\\Movie.mkv");
    dir.WriteFile("Clean\\Movie.mkv.txt", "title : Movie\r\nisEpisode : false\r\nmovieYear : 1999\r\n");
    EXPECT_EQ(0, Run({"check", dir / "Clean"}));
    EXPECT_EQ("No problems found in 1 movie\n", out.str());

    dir.WriteFile("Lib\\Show.mkv");
    dir.WriteFile("Lib\\Show.mkv.txt", "episodetitle : Pilot\r\n");
    EXPECT_EQ(4, Run({"check", dir / "Lib"}));
    EXPECT_EQ(dir / "Lib\\Show.mkv.txt" +
                  "\n  ! pyTivo does not use the key \"episodetitle\" (keys are case-sensitive); it was probably "
                  "meant to be \"episodeTitle\"\n1 problem found in 1 movie\n",
              out.str());

    EXPECT_EQ(4, Run({"check", "--json", dir / "Lib"}));
    EXPECT_EQ("{\"problems\": [\n {\"where\": " + JsonString(dir / "Lib\\Show.mkv.txt") +
                  ", \"file\": " + JsonString(dir / "Lib\\Show.mkv.txt") +
                  ", \"kind\": \"unusedKey\", \"text\": \"pyTivo does not use the key \\\"episodetitle\\\" (keys are "
                  "case-sensitive); it was probably meant to be \\\"episodeTitle\\\"\"}\n], \"totals\": {\"movies\": 1, "
                  "\"problems\": 1, \"unreadFolders\": 0}}\n",
              out.str());
}

TEST_F(CliFixture, CheckTakesMoviesAndTheFoldersBelow)
{
    dir.WriteFile("Lib\\Movie.mkv");
    dir.WriteFile("Lib\\Movie.txt", "title : never read\r\n");
    dir.WriteFile("Lib\\Below\\Film.mkv");
    dir.WriteFile("Lib\\Below\\Film.mkv.txt", "movieYear : 2001\r\n");
    EXPECT_EQ(4, Run({"check", dir / "Lib\\Movie.mkv"}));
    EXPECT_NE(std::string::npos, out.str().find("Movie.txt: pyTivo reads \"Movie.mkv.txt\""));
    EXPECT_NE(std::string::npos, out.str().find("found in 1 movie\n"));
    EXPECT_EQ(4, Run({"check", "--recursive", dir / "Lib"}));
    EXPECT_NE(std::string::npos, out.str().find("found in 2 movies\n"));
    EXPECT_NE(std::string::npos, out.str().find("lists it as an episode"));
}

TEST_F(CliFixture, CheckWithoutAPathOrWithOneThatIsNotThereIsWrongUse)
{
    EXPECT_EQ(2, Run({"check"}));
    EXPECT_NE(std::string::npos, err.str().find("PATH is missing"));
    EXPECT_EQ(2, Run({"check", dir / "Missing"}));
    EXPECT_EQ(2, Run({"check", "--dry-run", dir.Path()}));
}
