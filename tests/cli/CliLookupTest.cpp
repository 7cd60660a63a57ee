// reelmark-cli lookup against the fake TMDB on 127.0.0.1: what each file
// of a library would get, the match, the candidates; the key, the address
// and the chosen ids from the command line, the environment and the
// settings file, each over the next; the cache that makes a second run
// ask nothing; the key never printed.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/CliTmdbFixture.h"

namespace {

using CliLookup = CliTmdbFixture;

}  // namespace

TEST_F(CliLookup, PrintsEachFilesValuesOrCandidatesAndASecondRunAsksNothing)
{
    EXPECT_EQ(0, Run({"lookup", "--recursive", "--tmdb-key", kKey, dir / "Library"}));
    const std::string printed = out.str();
    const std::string rose = dir / "Library\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.Rose.mkv";
    EXPECT_NE(std::string::npos, printed.find(rose + "\n  TMDB tv/57243  Doctor Who (2005)\n")) << printed;
    EXPECT_NE(std::string::npos, printed.find("  episodeTitle : Rose\n")) << printed;
    EXPECT_NE(std::string::npos, printed.find("  vActor : Eccleston|Christopher\n")) << printed;
    EXPECT_NE(std::string::npos, printed.find("  episodeTitle : Guest Three\n")) << printed;
    EXPECT_NE(std::string::npos, printed.find("  mpaaRating : R4\n")) << printed;
    EXPECT_NE(std::string::npos,
              printed.find("  unmatched: 2 shows on TMDB are named \"The Office\"\n"
                           "  candidate tv/2316  The Office (2005)  The everyday lives of office employees in "
                           "Scranton, Pennsylvania.\n"
                           "  candidate tv/2996  The Office (2001)  A mockumentary about a paper merchant in "
                           "Slough.\n"))
        << printed;
    EXPECT_NE(std::string::npos, printed.find("4 movie files, 3 matched on TMDB; 9 requests, 0 answers from the cache\n"))
        << printed;
    EXPECT_NE(std::string::npos, err.str().find("Looking up on TMDB: 4 of 4 shows and movies")) << err.str();
    const int asked = tmdb.RequestCount();
    EXPECT_EQ(9, asked);

    EXPECT_EQ(0, Run({"lookup", "--recursive", "--tmdb-key", kKey, dir / "Library"}));
    EXPECT_EQ(asked, tmdb.RequestCount());
    EXPECT_NE(std::string::npos, out.str().find("0 requests, 9 answers from the cache\n")) << out.str();
}

TEST_F(CliLookup, JsonHoldsTheMatchTheValuesAndTheCandidatesAndNoProgressLine)
{
    EXPECT_EQ(0, Run({"lookup", "--json", "--tmdb-key", kKey, dir / "Library\\Downloads"}));
    const nlohmann::json document = nlohmann::json::parse(out.str());
    ASSERT_EQ(2u, document["movies"].size());
    const nlohmann::json& daily = document["movies"][0];
    EXPECT_EQ(dir / "Library\\Downloads\\The.Daily.Show.2012.03.04.mkv", daily["movie"]);
    EXPECT_EQ("matched", daily["lookup"]);
    EXPECT_EQ(2224, daily["tmdb"]["id"]);
    EXPECT_EQ("tv", daily["tmdb"]["kind"]);
    EXPECT_EQ("Guest Three", daily["values"]["episodeTitle"]);
    EXPECT_EQ("2012-03-04T00:00:00Z", daily["values"]["originalAirDate"]);
    const nlohmann::json& office = document["movies"][1];
    EXPECT_EQ("unmatched", office["lookup"]);
    EXPECT_EQ(2, office["candidates"].size());
    EXPECT_EQ(2996, office["candidates"][1]["id"]);
    EXPECT_EQ(1, document["totals"]["matched"]);
    EXPECT_EQ(1, document["totals"]["unmatched"]);
    EXPECT_EQ(std::string::npos, err.str().find("Looking up")) << err.str();
}

TEST_F(CliLookup, TheKeyOfTheCommandLineGoesOverTheEnvironmentsOverTheSettings)
{
    const struct {
        const char* what;
        const char* argument;
        const char* environment;
        const char* setting;
        int exitCode;
    } cases[] = {
        {"the settings alone", "", "", kKey, 0},
        {"the environment over the settings", "", kWrongKey, kKey, 1},
        {"the environment alone", "", kKey, "", 0},
        {"the command line over the environment", kWrongKey, kKey, kKey, 1},
        {"the command line over both", kKey, kWrongKey, kWrongKey, 0},
    };
    int run = 0;
    for (const auto& c : cases) {
        UseCache("cache" + std::to_string(++run));  // each run asks TMDB anew
        dir.WriteFile("reelmark.ini", std::string(" [Config]\r\n TmdbKey=") + c.setting + "\r\n");
        EnvironmentScope key("REELMARK_TMDB_KEY", c.environment);
        std::vector<std::string> args = {"lookup", dir / "Library\\Heat (1995).mkv"};
        if (*c.argument)
            args.insert(args.end(), {"--tmdb-key", c.argument});
        EXPECT_EQ(c.exitCode, Run(args)) << c.what << ": " << err.str();
        // No key is ever shown, the right one or a wrong one.
        for (const char* key : {kKey, kWrongKey}) {
            EXPECT_EQ(std::string::npos, out.str().find(key)) << c.what;
            EXPECT_EQ(std::string::npos, err.str().find(key)) << c.what;
        }
        if (c.exitCode)
            EXPECT_NE(std::string::npos, err.str().find("reelmark-cli: TMDB refused the key (401)")) << err.str();
    }
}

TEST_F(CliLookup, TheAddressOfTheEnvironmentGoesOverTheSettings)
{
    FakeTmdb other(kKey);
    AddSampleCatalogue(other);
    dir.WriteFile("reelmark.ini", " [Config]\r\n TmdbUrl=" + other.BaseUrl() + "\r\n");
    EXPECT_EQ(0, Run({"lookup", "--tmdb-key", kKey, dir / "Library\\Heat (1995).mkv"}));
    EXPECT_EQ(2, tmdb.RequestCount());
    EXPECT_EQ(0, other.RequestCount());
    EnvironmentScope none("REELMARK_TMDB_URL", "");
    EXPECT_EQ(0, Run({"lookup", "--offline", dir / "Library\\Downloads"}));
    EXPECT_EQ(0, other.RequestCount());
    EXPECT_NE(std::string::npos, out.str().find("(offline)")) << out.str();
    EXPECT_EQ(0, Run({"lookup", "--tmdb-key", kKey, dir / "Library\\Downloads"}));
    EXPECT_EQ(4, other.RequestCount());  // the settings' address, once the environment names none
}

TEST_F(CliLookup, ChosenIdsComeFromMatchOverTheSettingsFile)
{
    dir.WriteFile("reelmark.ini", " [Matches]\r\n The Office=tv/2316\r\n Heat=not a number\r\n");
    EXPECT_EQ(0, Run({"lookup", "--tmdb-key", kKey, dir / "Library\\Downloads\\The.Office.S01E01.mkv"}));
    EXPECT_NE(std::string::npos, out.str().find("  TMDB tv/2316  The Office (2005)\n")) << out.str();
    EXPECT_NE(std::string::npos, err.str().find("names no TMDB id; it is left out")) << err.str();
    EXPECT_EQ(0, Run({"lookup", "--tmdb-key", kKey, "--match", "The Office=tv/2996", dir / "Library\\Downloads\\The.Office.S01E01.mkv"}));
    EXPECT_NE(std::string::npos, out.str().find("  TMDB tv/2996  The Office (2001)\n")) << out.str();
    EXPECT_EQ(2, Run({"lookup", "--tmdb-key", kKey, "--match", "Heat=tt0113277", dir / "Library"}));
    EXPECT_NE(std::string::npos, err.str().find("--match \"Heat=tt0113277\" needs NAME=ID")) << err.str();
}

TEST_F(CliLookup, CandidatesOfANameAreListedWithTheIdsMatchTakes)
{
    EXPECT_EQ(0, Run({"lookup", "--candidates", "Doctor Who", "--tmdb-key", kKey}));
    EXPECT_EQ("tv/121  Doctor Who (1963)\n"
              "tv/57243  Doctor Who (2005)  The Doctor travels in time.\n"
              "2 shows, 0 movies on TMDB; choose one with --match \"NAME=ID\"\n",
              out.str());
    EXPECT_EQ(0, Run({"lookup", "--candidates", "Heat (1995)", "--json", "--tmdb-key", kKey}));
    const nlohmann::json document = nlohmann::json::parse(out.str());
    ASSERT_EQ(1u, document["candidates"].size());
    EXPECT_EQ("movie", document["candidates"][0]["kind"]);
    EXPECT_EQ(949, document["candidates"][0]["id"]);
}

TEST_F(CliLookup, WithoutAKeyNothingIsAskedAndTheCommandLineIsChecked)
{
    EXPECT_EQ(2, Run({"lookup", dir / "Library"}));
    EXPECT_NE(std::string::npos, err.str().find("reelmark-cli: no TMDB key: give one with --tmdb-key")) << err.str();
    EXPECT_EQ(0, tmdb.RequestCount());
    EXPECT_EQ(2, Run({"lookup", "--candidates", "Heat", dir / "Library"}));
    EXPECT_NE(std::string::npos, err.str().find("--candidates takes no PATH")) << err.str();
    EXPECT_EQ(2, Run({"lookup", "--tmdb-key", kKey}));
    EXPECT_NE(std::string::npos, err.str().find("PATH is missing")) << err.str();
    EXPECT_EQ(2, Run({"generate", dir / "Library", "--offline"}));
    EXPECT_NE(std::string::npos, err.str().find("--offline goes with --lookup")) << err.str();
    EXPECT_EQ(2, Run({"lookup", "--match", "Heat", dir / "Library"}));
    EXPECT_NE(std::string::npos, err.str().find("--match needs NAME=ID")) << err.str();
    EXPECT_EQ(0, tmdb.RequestCount());
}

TEST_F(CliLookup, TheSettingsCommandSaysAKeyIsSetAndNeverShowsIt)
{
    dir.WriteFile("reelmark.ini", std::string(" [Config]\r\n TmdbKey=") + kKey + "\r\n Lookup=true\r\n");
    EXPECT_EQ(0, Run({"settings", "--ini", dir / "reelmark.ini"}));
    EXPECT_NE(std::string::npos,
              out.str().find("TmdbKey=(not shown)    # from the file; the key itself is never shown\n"))
        << out.str();
    EXPECT_NE(std::string::npos, out.str().find("Lookup=true    # from the file; the window's only, reelmark-cli "
                                                "takes --lookup\n"))
        << out.str();
    EXPECT_EQ(std::string::npos, (out.str() + err.str()).find(kKey));
}
