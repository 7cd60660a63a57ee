// A library's files looked up on the fake TMDB: each episode its own
// values, daily shows by their day, specials in season 0, an ambiguous
// show unmatched with its candidates, a chosen id, one request per show,
// movie and season, and none at all from a warm cache.
#include <gtest/gtest.h>

#include <thread>

#include "core/library/LibraryPlan.h"
#include "core/library/PlannedKeys.h"
#include "core/lookup/TmdbCache.h"
#include "core/lookup/TmdbClient.h"
#include "core/lookup/TmdbLookup.h"
#include "support/FakeTmdb.h"
#include "support/TempFolder.h"

namespace {

const char kKey[] = "0123456789abcdef0123456789abcdef";

const char* const kLibrary[] = {
    "Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.Rose.720p.mkv",
    "Doctor Who (2005)\\Season 1\\Doctor.Who.S01E02.mkv",
    "Doctor Who (2005)\\Specials\\Doctor Who - 0x01 - The Christmas Invasion.mkv",
    "Downloads\\The.Daily.Show.2012.03.04.mkv",
    "Downloads\\The.Office.S01E01.mkv",
    "Downloads\\Unknown.Show.S01E01.mkv",
    "Movies\\Heat (1995).mkv",
};

std::vector<LookupItem> LibraryItems()
{
    std::vector<std::string> entries;
    for (const char* entry : kLibrary)
        entries.push_back(NativePath(entry));
    MetadataTemplate metadata;
    metadata.parseNames = true;
    return LookupItemsOf(PlanLibrary(NativePath("\\srv\\tv"), entries, metadata));
}

std::string ValueOf(const LookupOutcome& outcome, const char* key)
{
    const auto found = outcome.values.find(key);
    if (found == outcome.values.end())
        return "(none)";
    if (found->second.kind != PyTivoValue::Kind::List)
        return found->second.text;
    std::string items;
    for (const PyTivoItem& item : found->second.items)
        items += (items.empty() ? "" : ", ") + item.text;
    return items;
}

struct Lookup {
    FakeTmdb tmdb{kKey};
    TempFolder cacheFolder;
    std::unique_ptr<TmdbCache> cache;
    std::unique_ptr<TmdbClient> client;
    long long wallClock = 1700000000;

    Lookup() { AddSampleCatalogue(tmdb); }

    TmdbSettings Settings() const { return tmdb.ClientSettings(); }
    LookupReport Run(const TmdbMatches& matches = TmdbMatches(), const TmdbSettings* settings = nullptr)
    {
        cache = std::make_unique<TmdbCache>(cacheFolder.Path());
        client = std::make_unique<TmdbClient>(settings ? *settings : Settings(), cache.get());
        client->SetWallClock([this] { return wallClock; });
        return LookUpOnTmdb(LibraryItems(), *client, matches);
    }
};

}  // namespace

TEST(TmdbLookup, EachFileOfAMixedLibraryGetsItsOwnValuesOrItsCandidates)
{
    Lookup lookup;
    const LookupReport report = lookup.Run();
    ASSERT_EQ(7u, report.outcomes.size());
    const LookupOutcome& rose = report.outcomes[0];
    ASSERT_EQ(LookupOutcome::State::Matched, rose.state) << rose.reason;
    EXPECT_EQ(57243, rose.match.id);
    EXPECT_EQ("Doctor Who", ValueOf(rose, "seriesTitle"));
    EXPECT_EQ("Rose", ValueOf(rose, "episodeTitle"));
    EXPECT_EQ("Rose meets the Doctor.", ValueOf(rose, "description"));
    EXPECT_EQ("2005-03-26T00:00:00Z", ValueOf(rose, "originalAirDate"));
    EXPECT_EQ("Eccleston|Christopher, Piper|Billie", ValueOf(rose, "vActor"));
    EXPECT_EQ("Coduri|Camille, Clarke|Noel", ValueOf(rose, "vGuestStar"));
    EXPECT_EQ("Boak|Keith", ValueOf(rose, "vDirector"));
    EXPECT_EQ("x4", ValueOf(rose, "tvRating"));

    EXPECT_EQ("The End of the World", ValueOf(report.outcomes[1], "episodeTitle"));
    EXPECT_EQ("The Christmas Invasion", ValueOf(report.outcomes[2], "episodeTitle"));
    const LookupOutcome& daily = report.outcomes[3];
    ASSERT_EQ(LookupOutcome::State::Matched, daily.state) << daily.reason;
    EXPECT_EQ("Guest Three", ValueOf(daily, "episodeTitle"));
    EXPECT_EQ("x5", ValueOf(daily, "tvRating"));

    const LookupOutcome& office = report.outcomes[4];
    EXPECT_EQ(LookupOutcome::State::Unmatched, office.state);
    EXPECT_EQ("2 shows on TMDB are named \"The Office\"", office.reason);
    ASSERT_EQ(2u, office.candidates.size());
    EXPECT_TRUE(office.values.empty());
    EXPECT_EQ(LookupOutcome::State::Unmatched, report.outcomes[5].state);
    EXPECT_EQ("TMDB knows no show named \"Unknown Show\"", report.outcomes[5].reason);

    const LookupOutcome& heat = report.outcomes[6];
    ASSERT_EQ(LookupOutcome::State::Matched, heat.state) << heat.reason;
    EXPECT_EQ("1995", ValueOf(heat, "movieYear"));
    EXPECT_EQ("R4", ValueOf(heat, "mpaaRating"));
    EXPECT_EQ("Mann|Michael", ValueOf(heat, "vDirector"));

    // One search per show and movie, one answer per show and movie taken,
    // one per season needed: 5 + 3 + 3.
    EXPECT_EQ(5, lookup.tmdb.CountOf("/3/search/"));
    EXPECT_EQ(3, lookup.tmdb.CountOf("/3/tv/57243"));  // the show, seasons 0 and 1
    EXPECT_EQ(2, lookup.tmdb.CountOf("/3/tv/2224"));   // the show, season 17
    EXPECT_EQ(1, lookup.tmdb.CountOf("/3/movie/"));
    EXPECT_EQ(11, lookup.tmdb.RequestCount());
    EXPECT_EQ(2, report.totals.unmatched);
    EXPECT_TRUE(report.notices.empty());
}

TEST(TmdbLookup, ASecondRunAsksNothingAndAnOfflineRunOnlyTheCache)
{
    Lookup lookup;
    lookup.Run();
    const int first = lookup.tmdb.RequestCount();
    const LookupReport again = lookup.Run();
    EXPECT_EQ(first, lookup.tmdb.RequestCount());
    EXPECT_EQ(0, again.totals.requests);
    EXPECT_EQ(first, again.totals.fromCache);
    EXPECT_EQ("Rose", ValueOf(again.outcomes[0], "episodeTitle"));

    // Offline, 40 days on: the old answers all the same, no request.
    lookup.wallClock += 40 * 86400;
    TmdbSettings offline = lookup.Settings();
    offline.offline = true;
    const LookupReport kept = lookup.Run(TmdbMatches(), &offline);
    EXPECT_EQ(first, lookup.tmdb.RequestCount());
    EXPECT_EQ("Rose", ValueOf(kept.outcomes[0], "episodeTitle"));

    // Online they are asked again, each once.
    lookup.Run();
    EXPECT_EQ(2 * first, lookup.tmdb.RequestCount());
}

TEST(TmdbLookup, AnAnswerIsKeptThirtyDaysExactlyBeforeItIsAskedAgain)
{
    Lookup lookup;
    lookup.Run();
    const int first = lookup.tmdb.RequestCount();
    lookup.wallClock += 30 * 86400 - 1;
    lookup.Run();
    EXPECT_EQ(first, lookup.tmdb.RequestCount());
    lookup.wallClock += 1;
    lookup.Run();
    EXPECT_EQ(2 * first, lookup.tmdb.RequestCount());
}

TEST(TmdbLookup, OfflineWithoutACacheEveryFileSaysWhyAndNoKeyIsNeeded)
{
    Lookup lookup;
    TmdbSettings offline = lookup.Settings();
    offline.offline = true;
    offline.key.clear();
    const LookupReport report = lookup.Run(TmdbMatches(), &offline);
    EXPECT_EQ(0, lookup.tmdb.RequestCount());
    EXPECT_EQ(LookupOutcome::State::Unmatched, report.outcomes[0].state);
    EXPECT_NE(std::string::npos, report.outcomes[0].reason.find("(offline)")) << report.outcomes[0].reason;
}

TEST(TmdbLookup, AChosenIdMatchesWithoutASearchAndTheYearTellsNamesakesApart)
{
    Lookup lookup;
    TmdbMatches matches;
    ASSERT_TRUE(matches.Add("The Office", "tv/2996"));
    ASSERT_TRUE(matches.Add("Heat (1995)", "movie/949"));
    EXPECT_FALSE(matches.Add("Heat", "tt0113277"));
    EXPECT_FALSE(matches.Add("", "949"));
    const LookupReport report = lookup.Run(matches);
    const LookupOutcome& office = report.outcomes[4];
    ASSERT_EQ(LookupOutcome::State::Matched, office.state) << office.reason;
    EXPECT_EQ(2996, office.match.id);
    EXPECT_EQ("Downsize", ValueOf(office, "episodeTitle"));
    EXPECT_EQ(3, lookup.tmdb.CountOf("/3/search/"));  // neither The Office nor Heat searched

    // A choice for the other kind does not apply; a later one wins.
    TmdbMatches kinds;
    kinds.Add("The Office", "movie/949");
    EXPECT_EQ(0, kinds.Find(TmdbKind::Show, "The Office", 0));
    kinds.Add("the office", "2316");
    kinds.Add("The Office", "2996");
    EXPECT_EQ(2996, kinds.Find(TmdbKind::Show, "The.Office", 2005));
    kinds.Add("The Office (2005)", "2316");
    EXPECT_EQ(2316, kinds.Find(TmdbKind::Show, "The Office", 2005));
    EXPECT_EQ(2996, kinds.Find(TmdbKind::Show, "The Office", 2001));
}

TEST(TmdbLookup, TheProgressIsHeardOnTheCallersThreadAndAStopLeavesTheRestNotLookedUp)
{
    Lookup lookup;
    lookup.tmdb.DelayAnswers(0.05);
    TmdbClient client(lookup.Settings());
    const std::thread::id caller = std::this_thread::get_id();
    int calls = 0;
    const LookupReport report =
        LookUpOnTmdb(LibraryItems(), client, TmdbMatches(), [&](const LookupProgress& progress) {
            EXPECT_EQ(caller, std::this_thread::get_id());
            EXPECT_EQ(5, progress.titles);
            ++calls;
            return false;
        });
    EXPECT_TRUE(report.stopped);
    EXPECT_GE(calls, 1);
    int notLookedUp = 0;
    for (const LookupOutcome& outcome : report.outcomes)
        notLookedUp += outcome.state == LookupOutcome::State::NotLookedUp ? 1 : 0;
    EXPECT_GT(notLookedUp, 0);
    EXPECT_LT(lookup.tmdb.RequestCount(), 11);
}

TEST(TmdbLookup, AMatchedFilesValuesBecomeTheLayerGenerateLaysUnderTheLibrarysOwnFiles)
{
    Lookup lookup;
    const LookupReport report = lookup.Run();
    const PlanValueLayer rose = TmdbLayerOf(report.outcomes[0]);
    EXPECT_EQ("TMDB", rose.origin);
    EXPECT_FALSE(rose.overOtherFiles);
    const std::string text = MetadataText(rose.lines);
    EXPECT_NE(std::string::npos, text.find("episodeTitle : Rose\n")) << text;
    EXPECT_NE(std::string::npos, text.find("vActor : Eccleston|Christopher\nvActor : Piper|Billie\n")) << text;
    EXPECT_NE(std::string::npos, text.find("originalAirDate : 2005-03-26T00:00:00Z\n")) << text;
    // The ambiguous show's file gets nothing from TMDB.
    EXPECT_TRUE(TmdbLayerOf(report.outcomes[4]).lines.empty());
}

TEST(TmdbLookup, TheCacheAloneLaysItsValuesUnderAPlanAndAsksNothing)
{
    Lookup lookup;
    std::vector<std::string> entries;
    for (const char* entry : kLibrary)
        entries.push_back(NativePath(entry));
    MetadataTemplate metadata;
    metadata.parseNames = true;
    LibraryPlan plan = PlanLibrary(NativePath("\\srv\\tv"), entries, metadata);
    TmdbCache cold(lookup.cacheFolder.Path());
    LayCachedValuesOver(plan, lookup.Settings(), TmdbMatches(), cold);
    EXPECT_EQ(0, lookup.tmdb.RequestCount());
    for (const PlannedMovie& movie : plan.movies)
        EXPECT_TRUE(movie.layers.empty()) << movie.entry;

    lookup.Run();  // the cache is warm now
    const int asked = lookup.tmdb.RequestCount();
    TmdbCache warm(lookup.cacheFolder.Path());
    LayCachedValuesOver(plan, lookup.Settings(), TmdbMatches(), warm);
    EXPECT_EQ(asked, lookup.tmdb.RequestCount());
    const PlannedMovie& rose = plan.movies[0];
    ASSERT_EQ(1u, rose.layers.size());
    EXPECT_EQ("TMDB", rose.layers[0].origin);
    EXPECT_NE(std::string::npos, rose.text.find("episodeTitle : Rose\n")) << rose.text;
    EXPECT_EQ("", LayersLine(plan.movies[4].keys));  // The Office: ambiguous, nothing from TMDB
    EXPECT_NE("", LayersLine(rose.keys));
}
