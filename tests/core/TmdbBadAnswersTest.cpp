// What the lookup does with bad answers and a bad cache: a refused key,
// a missing show, server errors, a slow server, a cut connection, no JSON,
// a huge answer, TLS where the server speaks none, a corrupt cache file,
// a cache folder that cannot be written. Each gives a clear line and the
// file unmatched (or the run going on without the cache); nothing is kept
// of a bad answer.
#include <gtest/gtest.h>

#include "core/lookup/TmdbCache.h"
#include "core/lookup/TmdbClient.h"
#include "core/lookup/TmdbLookup.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/FakeTmdb.h"
#include "support/TempFolder.h"

namespace {

const char kKey[] = "0123456789abcdef0123456789abcdef";

LookupItem Heat()
{
    LookupItem item;
    item.kind = TmdbKind::Movie;
    item.name = "Heat";
    item.year = 1995;
    return item;
}

LookupItem Rose()
{
    LookupItem item;
    item.kind = TmdbKind::Show;
    item.name = "Doctor Who";
    item.year = 2005;
    item.season = 1;
    item.episode = 1;
    return item;
}

LookupReport LookUp(TmdbClient& client, const std::vector<LookupItem>& items = {Heat(), Rose()})
{
    return LookUpOnTmdb(items, client, TmdbMatches());
}

FakeReply Reply(int status, std::string body)
{
    FakeReply reply;
    reply.status = status;
    reply.body = std::move(body);
    return reply;
}

}  // namespace

TEST(TmdbBadAnswers, ARefusedKeyStopsEveryLookupWithOneLine)
{
    FakeTmdb tmdb("the-right-key");
    AddSampleCatalogue(tmdb);
    TmdbSettings settings = tmdb.ClientSettings();
    settings.key = kKey;  // not the server's
    settings.atOnce = 1;  // one title after the other: the second is never asked
    TmdbClient client(settings);
    const LookupReport report = LookUp(client);
    EXPECT_EQ(1, tmdb.RequestCount());
    ASSERT_EQ(1u, report.notices.size());
    EXPECT_EQ("TMDB refused the key (401): Invalid API key: You must be granted a valid key. Nothing more was "
              "looked up.",
              report.notices[0]);
    for (const LookupOutcome& outcome : report.outcomes) {
        EXPECT_NE(LookupOutcome::State::Matched, outcome.state);
        EXPECT_NE(std::string::npos, outcome.reason.find("TMDB refused the key (401)")) << outcome.reason;
        EXPECT_EQ(std::string::npos, outcome.reason.find(kKey));
    }
}

TEST(TmdbBadAnswers, NoKeyAsksNothingAndSaysSoOnce)
{
    FakeTmdb tmdb;
    TmdbSettings settings = tmdb.ClientSettings();
    settings.key.clear();
    TmdbClient client(settings);
    const LookupReport report = LookUp(client);
    EXPECT_EQ(0, tmdb.RequestCount());
    EXPECT_EQ(std::vector<std::string>{"No TMDB key is set: nothing was looked up."}, report.notices);
    EXPECT_EQ(LookupOutcome::State::NotLookedUp, report.outcomes[0].state);
}

TEST(TmdbBadAnswers, EachBadAnswerLeavesItsFileUnmatchedWithTheReasonAndNothingCached)
{
    const struct {
        const char* what;
        FakeReply reply;
        int times;
        const char* reason;
    } cases[] = {
        {"server errors every time", Reply(500, "{}"), 4, "no usable answer from TMDB: TMDB answered 500 (4 tries)"},
        {"no JSON", Reply(200, "{\"results\":[{\"id\":949,"), 1,
         "no usable answer from TMDB: TMDB's answer to search/movie?query=Heat&year=1995 cannot be read: the "
         "answer is no JSON ("},
        {"a JSON list", Reply(200, "[]"), 1, "no usable answer from TMDB: TMDB's answer to search/movie?query=Heat&year=1995 "
                                            "cannot be read: the answer is no JSON object"},
        {"no results list", Reply(200, "{\"results\":\"none\"}"), 1,
         "no usable answer from TMDB: TMDB's answer to search/movie?query=Heat&year=1995 cannot be read: the answer "
         "holds no list of results"},
        {"a huge answer", Reply(200, "{\"x\":\"" + std::string(9u << 20, 'x') + "\"}"), 1,
         "no usable answer from TMDB: the answer is larger than"},
        {"an unknown status", Reply(418, FakeTmdb::ErrorBody(6, "Teapot.")), 1,
         "no usable answer from TMDB: TMDB answered 418 to search/movie?query=Heat&year=1995: Teapot."},
    };
    for (const auto& c : cases) {
        FakeTmdb tmdb(kKey);
        AddSampleCatalogue(tmdb);
        tmdb.AnswerNext(c.reply, c.times);
        TempFolder cacheFolder;
        TmdbCache cache(cacheFolder.Path());
        TmdbSettings settings = tmdb.ClientSettings();
        settings.atOnce = 1;
        TmdbClient client(settings, &cache);
        const LookupReport report = LookUp(client, {Heat()});
        const LookupOutcome& heat = report.outcomes[0];
        EXPECT_EQ(LookupOutcome::State::Unmatched, heat.state) << c.what;
        EXPECT_EQ(0u, heat.reason.find(c.reason)) << c.what << ": " << heat.reason;
        EXPECT_FALSE(PathExists(cache.PathOf(SearchMoviesQuery("Heat", 1995).Text()))) << c.what;
    }
}

TEST(TmdbBadAnswers, ASlowServerACutConnectionAndTlsFailTheFileNotTheRun)
{
    FakeTmdb tmdb(kKey);
    AddSampleCatalogue(tmdb);
    FakeReply slow = Reply(200, "{}");
    slow.delaySeconds = 10;
    FakeReply cut = Reply(200, "{\"page\":1,\"results\":[],\"total_pages\":1,\"total_results\":0}");
    cut.cut = true;
    tmdb.AnswerNext(slow, 1);
    tmdb.AnswerNext(cut, 1);
    TmdbSettings settings = tmdb.ClientSettings();
    settings.timeoutSeconds = 0.3;
    settings.attempts = 2;
    settings.atOnce = 1;
    TmdbClient client(settings);
    const LookupReport report = LookUp(client);
    const LookupOutcome& heat = report.outcomes[0];
    EXPECT_EQ(LookupOutcome::State::Unmatched, heat.state);
    EXPECT_NE(std::string::npos, heat.reason.find("(2 tries)")) << heat.reason;
    // The next title is asked as ever.
    EXPECT_EQ(LookupOutcome::State::Matched, report.outcomes[1].state) << report.outcomes[1].reason;

    settings.baseUrl = "https://127.0.0.1:" + std::to_string(tmdb.Server().Port()) + "/3";
    settings.timeoutSeconds = 5;
    TmdbClient secure(settings);
    const int before = tmdb.RequestCount();
    const LookupReport tls = LookUp(secure, {Heat()});
    EXPECT_EQ(LookupOutcome::State::Unmatched, tls.outcomes[0].state);
    EXPECT_EQ(0u, tls.outcomes[0].reason.find("no usable answer from TMDB: ")) << tls.outcomes[0].reason;
    EXPECT_EQ(before + 1, tmdb.RequestCount());  // not tried again
}

TEST(TmdbBadAnswers, AMissingShowOrSeasonOrEpisodeIsSaid)
{
    FakeTmdb tmdb(kKey);
    AddSampleCatalogue(tmdb);
    TmdbClient client(tmdb.ClientSettings());
    LookupItem season9 = Rose();
    season9.season = 9;
    LookupItem episode9 = Rose();
    episode9.episode = 9;
    LookupItem numberless = Rose();
    numberless.episode = -1;
    TmdbMatches matches;
    matches.Add("Gone Show", "tv/999999");
    LookupItem gone;
    gone.kind = TmdbKind::Show;
    gone.name = "Gone Show";
    gone.season = 1;
    gone.episode = 1;
    const LookupReport report = LookUpOnTmdb({season9, episode9, numberless, gone}, client, matches);
    EXPECT_EQ("TMDB lists no season 9 of \"Doctor Who\"", report.outcomes[0].reason);
    EXPECT_EQ("TMDB lists no episode S01E09 of \"Doctor Who\"", report.outcomes[1].reason);
    EXPECT_EQ("the file's name gives no season and episode and no air date", report.outcomes[2].reason);
    EXPECT_EQ("TMDB has no show of the id 999999 chosen for \"Gone Show\"", report.outcomes[3].reason);
    for (const LookupOutcome& outcome : report.outcomes)
        EXPECT_EQ(LookupOutcome::State::Unmatched, outcome.state);
}

TEST(TmdbBadAnswers, ACorruptCacheFileIsSaidOnceAndAskedAgainAndReplacedWhole)
{
    FakeTmdb tmdb(kKey);
    AddSampleCatalogue(tmdb);
    TempFolder cacheFolder;
    TmdbCache cache(cacheFolder.Path());
    TmdbClient client(tmdb.ClientSettings(), &cache);
    LookUp(client, {Heat()});
    const std::string path = cache.PathOf(MovieQuery(949).Text());
    ASSERT_TRUE(PathExists(path));
    const std::string good = ReadFileBytes(path);
    const std::string header = good.substr(0, good.find('\n') + 1);
    for (const std::string& bad : {std::string("{\"request\":\"movie/949"), std::string("[]\n{}"),
                                   std::string("{\"request\":5,\"saved\":1}\n{}"), std::string(),
                                   header + good.substr(header.size(), 40), header + "[1]"}) {
        cacheFolder.WriteFile("tmdb\\" + FileNameOf(path, true), bad);
        TmdbCache again(cacheFolder.Path());
        TmdbClient fresh(tmdb.ClientSettings(), &again);
        const int before = tmdb.RequestCount();
        const LookupReport report = LookUp(fresh, {Heat()});
        EXPECT_EQ(LookupOutcome::State::Matched, report.outcomes[0].state) << bad;
        EXPECT_EQ(before + 1, tmdb.RequestCount()) << bad;
        ASSERT_EQ(1u, report.notices.size()) << bad;
        const std::string start = "The cached TMDB answer " + path + " cannot be read (";
        EXPECT_EQ(start, report.notices[0].substr(0, start.size()));
        EXPECT_NE(std::string::npos, report.notices[0].find("); it is asked again.")) << report.notices[0];
        EXPECT_EQ(good.size(), ReadFileBytes(path).size()) << bad;
    }
}

TEST(TmdbBadAnswers, ACacheFolderThatCannotBeWrittenIsSaidOnceAndTheRunGoesOn)
{
    FakeTmdb tmdb(kKey);
    AddSampleCatalogue(tmdb);
    TempFolder folder;
    folder.WriteFile("cache", "a file where the folder belongs");
    TmdbCache cache(folder / "cache");
    TmdbClient client(tmdb.ClientSettings(), &cache);
    const LookupReport report = LookUp(client);
    EXPECT_EQ(LookupOutcome::State::Matched, report.outcomes[0].state);
    EXPECT_EQ(LookupOutcome::State::Matched, report.outcomes[1].state);
    ASSERT_EQ(1u, report.notices.size());
    EXPECT_EQ(0u, report.notices[0].find("The TMDB cache folder ")) << report.notices[0];
    EXPECT_NE(std::string::npos, report.notices[0].find("this run keeps no answers")) << report.notices[0];
    EXPECT_EQ("a file where the folder belongs", ReadFileBytes(folder / "cache"));
}
