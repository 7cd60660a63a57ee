// reelmark-cli generate --lookup and watch --lookup against the fake TMDB on
// 127.0.0.1: each file gets its own values where the library's own files
// lack them, an ambiguous show keeps what it had and is named with its
// candidates, a second run asks nothing, and a server that refuses the
// key or answers nonsense costs the run nothing but TMDB's values.
#include <gtest/gtest.h>

#include <future>

#include <nlohmann/json.hpp>

#include "cli/CliArguments.h"
#include "cli/CliTmdbFixture.h"
#include "cli/CliWatch.h"
#include "platform/StopSignal.h"

namespace {

using CliGenerateLookup = CliTmdbFixture;

const char kRose[] = "Library\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.Rose.mkv.txt";
const char kOffice[] = "Library\\Downloads\\The.Office.S01E01.mkv.txt";
const char kDaily[] = "Library\\Downloads\\The.Daily.Show.2012.03.04.mkv.txt";
const char kHeat[] = "Library\\Heat (1995).mkv.txt";

// Every request answered 200 with the body.
void AnswerAllWith(FakeTmdb& server, const std::string& body)
{
    server.AnswerWith([body](const FakeRequest&) {
        FakeReply reply;
        reply.body = body;
        return reply;
    });
}

bool Holds(const std::string& text, const std::string& line)
{
    return text.find(line + "\r\n") != std::string::npos;
}

}  // namespace

TEST_F(CliGenerateLookup, EachFileGetsItsOwnValuesTheAmbiguousShowItsCandidatesAndASecondRunAsksNothing)
{
    dir.WriteFile("reelmark.ini", kIni);
    // The library's own .nfo gives Heat a plot: TMDB's overview stays under it.
    dir.WriteFile("Library\\Heat (1995).nfo", "<movie><title>Heat</title><plot>Our own words.</plot></movie>");
    EXPECT_EQ(0, Run({"generate", dir / "Library", "--recursive", "--parse-names", "--lookup", "--tmdb-key", kKey}))
        << err.str();
    EXPECT_EQ(9, tmdb.RequestCount());
    const std::string rose = ReadFileBytes(dir / kRose);
    for (const char* line : {"episodeTitle : Rose", "description : Rose meets the Doctor.",
                             "originalAirDate : 2005-03-26T00:00:00Z", "vActor : Eccleston|Christopher",
                             "vGuestStar : Coduri|Camille", "vDirector : Boak|Keith", "tvRating : x4"})
        EXPECT_TRUE(Holds(rose, line)) << line << "\n" << rose;
    const std::string daily = ReadFileBytes(dir / kDaily);
    EXPECT_TRUE(Holds(daily, "episodeTitle : Guest Three")) << daily;
    const std::string heat = ReadFileBytes(dir / kHeat);
    EXPECT_TRUE(Holds(heat, "mpaaRating : R4")) << heat;
    EXPECT_TRUE(Holds(heat, "vDirector : Mann|Michael")) << heat;
    EXPECT_EQ(std::string::npos, heat.find("Obsessive")) << heat;
    EXPECT_EQ(std::string::npos, heat.find("First line")) << heat;
    // The ambiguous show keeps what it would have had: the template's.
    const std::string office = ReadFileBytes(dir / kOffice);
    EXPECT_EQ(std::string::npos, office.find("Pilot")) << office;
    EXPECT_EQ(std::string::npos, office.find("Scranton")) << office;
    const std::string log = out.str();
    EXPECT_NE(std::string::npos, log.find("Not matched on TMDB: \"The Office\", 1 file: 2 shows on TMDB are named "
                                          "\"The Office\". Candidates: tv/2316  The Office (2005)  The everyday "
                                          "lives of office employees in Scranton,...; tv/2996  The Office (2001)  A "
                                          "mockumentary about a paper merchant in Slough."))
        << log;
    EXPECT_NE(std::string::npos, log.find("Looked up on TMDB: 4 movie files, 3 matched; 9 requests, 0 answers from "
                                          "the cache."))
        << log;
    EXPECT_NE(std::string::npos, log.find("values from TMDB): " + dir / kRose)) << log;
    EXPECT_NE(std::string::npos, log.find("(7 from TMDB)): " + dir / kHeat)) << log;
    EXPECT_NE(std::string::npos, err.str().find("Looking up on TMDB: 4 of 4 shows and movies")) << err.str();

    // Files there are skipped; what TMDB gave them comes from the cache.
    EXPECT_EQ(0, Run({"generate", dir / "Library", "--recursive", "--parse-names", "--lookup", "--tmdb-key", kKey,
                      "--replace", "--dry-run"}));
    EXPECT_EQ(9, tmdb.RequestCount());
    EXPECT_NE(std::string::npos, out.str().find("== write " + dir / kRose + " (")) << out.str();
    EXPECT_NE(std::string::npos, out.str().find("episodeTitle : Rose\n")) << out.str();
    EXPECT_NE(std::string::npos, out.str().find("0 requests, 9 answers from the cache")) << out.str();

    // Files the run skips are not looked up, even with nothing in the cache.
    UseCache("cold");
    EXPECT_EQ(0, Run({"generate", dir / "Library", "--recursive", "--parse-names", "--lookup", "--tmdb-key", kKey}));
    EXPECT_EQ(9, tmdb.RequestCount());
    EXPECT_NE(std::string::npos, out.str().find("All 4 Metadata Files skipped!!")) << out.str();
}

TEST_F(CliGenerateLookup, ARefusedKeyNoKeyOrNonsenseCostsTheRunOnlyTmdbsValues)
{
    const struct {
        const char* what;
        std::vector<std::string> key;
        std::function<void(FakeTmdb&)> serve;
        const char* said;
    } cases[] = {
        {"no key", {}, nullptr, "No TMDB key is set: nothing was looked up."},
        {"a wrong key", {"--tmdb-key", kWrongKey}, nullptr, "TMDB refused the key (401)"},
        {"no JSON", {"--tmdb-key", kKey}, [](FakeTmdb& server) { AnswerAllWith(server, "<html>busy</html>"); },
         "no usable answer from TMDB: TMDB's answer to search/movie?query=Heat&year=1995 cannot be read: the "
         "answer is no JSON"},
        {"fields of another type", {"--tmdb-key", kKey},
         [](FakeTmdb& server) {
             AnswerAllWith(server, R"({"page": "one", "results": {"id": "x"}, "total_results": []})");
         },
         "Not matched on TMDB: \"Heat\" (1995), 1 file"},
    };
    dir.WriteFile("reelmark.ini", kIni);
    int run = 0;
    for (const auto& c : cases) {
        UseCache("cache" + std::to_string(++run));
        FakeTmdb server(kKey);
        AddSampleCatalogue(server);
        if (c.serve)
            c.serve(server);
        EnvironmentScope url("REELMARK_TMDB_URL", server.BaseUrl());
        std::vector<std::string> args = {"generate", dir / "Library", "--recursive", "--parse-names", "--lookup",
                                         "--replace"};
        args.insert(args.end(), c.key.begin(), c.key.end());
        EXPECT_EQ(0, Run(args)) << c.what << ": " << err.str();
        const std::string log = out.str();
        EXPECT_NE(std::string::npos, log.find(c.said)) << c.what << "\n" << log;
        EXPECT_NE(std::string::npos, log.find("4 Metadata Files Created - 0 skipped!")) << c.what << "\n" << log;
        // Every file as without the lookup: the name's and the template's values.
        const std::string rose = ReadFileBytes(dir / kRose);
        EXPECT_TRUE(Holds(rose, "episodeTitle : Rose")) << c.what << "\n" << rose;
        EXPECT_TRUE(Holds(rose, "description : First line second line")) << c.what << "\n" << rose;
        EXPECT_EQ(std::string::npos, rose.find("Eccleston")) << c.what;
        for (const std::string& key : {std::string(kKey), std::string(kWrongKey)})
            EXPECT_EQ(std::string::npos, (log + err.str()).find(key)) << c.what;
    }
}

TEST_F(CliGenerateLookup, OfflineTheCacheAloneAnswersAndWhatItLacksIsLeftUnmatched)
{
    EXPECT_EQ(0, Run({"generate", dir / "Library", "--parse-names", "--lookup", "--tmdb-key", kKey,
                      "--dry-run"}));
    EXPECT_EQ(2, tmdb.RequestCount());
    EXPECT_EQ(0, Run({"generate", dir / "Library", "--recursive", "--parse-names", "--lookup", "--offline"}));
    EXPECT_EQ(2, tmdb.RequestCount());
    EXPECT_TRUE(Holds(ReadFileBytes(dir / kHeat), "vDirector : Mann|Michael"));
    EXPECT_NE(std::string::npos, out.str().find("the cache holds no answer to search/tv?query=The%20Office (offline)"))
        << out.str();
    EXPECT_NE(std::string::npos, out.str().find("4 Metadata Files Created - 0 skipped!")) << out.str();
}

TEST_F(CliGenerateLookup, TheLookupsOptionsGoWithLookupAndLookupWithNameReading)
{
    const struct {
        std::vector<std::string> args;
        const char* error;
    } bad[] = {
        {{"generate", "/srv", "--lookup"}, "--lookup needs --parse-names"},
        {{"watch", "/srv", "--lookup"}, "--lookup needs --parse-names"},
        {{"generate", "/srv", "--parse-names", "--offline"}, "--offline goes with --lookup"},
        {{"generate", "/srv", "--parse-names", "--tmdb-key", "k"}, "--tmdb-key goes with --lookup"},
        {{"watch", "/srv", "--parse-names", "--match", "Heat=949"}, "--match goes with --lookup"},
        {{"generate", "/srv", "--parse-names", "--lookup", "--candidates", "Heat"},
         "--candidates does not belong to the generate command"},
        {{"lookup", "/srv", "--lookup"}, "--lookup does not belong to the lookup command"},
    };
    CliArguments parsed;
    std::string error;
    for (const auto& c : bad) {
        EXPECT_FALSE(ParseCliArguments(c.args, parsed, error)) << ::testing::PrintToString(c.args);
        EXPECT_EQ(c.error, error);
    }
    ASSERT_TRUE(ParseCliArguments({"watch", "/srv", "--parse-names", "--lookup", "--offline", "--match", "Heat=949",
                                   "--tmdb-key", "k"},
                                  parsed, error))
        << error;
    EXPECT_TRUE(parsed.lookup && parsed.offline);
    EXPECT_EQ("k", parsed.tmdbKey);
    EXPECT_EQ(std::vector<std::string>{"Heat=949"}, parsed.matches);
}

TEST_F(CliGenerateLookup, TheWatchLooksUpEachMovieThatComesAndAsksOnceForAShow)
{
    dir.WriteFile("Shows\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.Rose.mkv");
    CliArguments arguments;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"watch", dir / "Shows", "--recursive", "--parse-names", "--lookup", "--settle", "0",
                                   "--tmdb-key", kKey},
                                  arguments, error))
        << error;
    StopSignal stop;
    auto running = std::async(std::launch::async, [&] { return WatchCommand(arguments, out, err, stop); });
    const auto waitFor = [](const std::string& path) {
        for (int i = 0; i < 500 && ReadFileBytes(path).empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return ReadFileBytes(path);
    };
    const std::string rose = waitFor(dir / "Shows\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.Rose.mkv.txt");
    EXPECT_TRUE(Holds(rose, "vActor : Eccleston|Christopher")) << rose;
    const int asked = tmdb.RequestCount();
    EXPECT_EQ(3, asked);  // the search, the show, its season
    dir.WriteFile("Shows\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E02.mkv");
    const std::string world = waitFor(dir / "Shows\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E02.mkv.txt");
    EXPECT_TRUE(Holds(world, "episodeTitle : The End of the World")) << world;
    EXPECT_EQ(asked, tmdb.RequestCount());
    stop.Request();
    EXPECT_EQ(0, running.get());
}

TEST_F(CliGenerateLookup, JsonSaysWhatTheLookupAskedAndTheUnmatchedWithTheirCandidates)
{
    dir.WriteFile("reelmark.ini", kIni);
    const std::vector<std::string> args = {"generate", dir / "Library", "--recursive", "--parse-names",
                                           "--lookup",  "--tmdb-key",   kKey,          "--json"};
    EXPECT_EQ(0, Run(args)) << err.str();
    nlohmann::json document = nlohmann::json::parse(out.str());
    const nlohmann::json& lookup = document["lookup"];
    EXPECT_EQ(9, lookup["requests"]);
    EXPECT_EQ(0, lookup["fromCache"]);
    ASSERT_EQ(1u, lookup["unmatched"].size());
    const nlohmann::json& office = lookup["unmatched"][0];
    EXPECT_EQ("tv", office["kind"]);
    EXPECT_EQ("The Office", office["name"]);
    EXPECT_EQ(0, office["year"]);
    EXPECT_EQ(1, office["files"]);
    EXPECT_NE(std::string::npos, office["reason"].get<std::string>().find("2 shows on TMDB")) << office;
    ASSERT_EQ(2u, office["candidates"].size());
    EXPECT_EQ(2316, office["candidates"][0]["id"]);
    EXPECT_EQ(2005, office["candidates"][0]["year"]);
    EXPECT_EQ(2996, office["candidates"][1]["id"]);
    EXPECT_EQ(4u, document["movies"].size());
    // No progress line beside the JSON answer.
    EXPECT_EQ(std::string::npos, err.str().find("Looking up on TMDB")) << err.str();

    // Again, the files replaced: all from the cache, nothing asked.
    std::vector<std::string> again = args;
    again.push_back("--replace");
    EXPECT_EQ(0, Run(again)) << err.str();
    document = nlohmann::json::parse(out.str());
    EXPECT_EQ(0, document["lookup"]["requests"]);
    EXPECT_LT(0, document["lookup"]["fromCache"].get<int>());
    EXPECT_EQ(9, tmdb.RequestCount());

    // Without --lookup the answer has no lookup.
    EXPECT_EQ(0, Run({"generate", dir / "Library", "--recursive", "--parse-names", "--json"})) << err.str();
    EXPECT_FALSE(nlohmann::json::parse(out.str()).contains("lookup"));
}
