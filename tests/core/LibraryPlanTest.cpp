// What Generate writes for each movie of a run: each file judged by its
// name and folders, one series ID per show, the template's shared values.
#include <gtest/gtest.h>
#include <set>

#include "core/folders/FolderWalk.h"
#include "core/library/LibraryPlan.h"
#include "core/library/SeriesTitle.h"
#include "core/metadata/SeriesId.h"
#include "platform/Text.h"
#include "support/PlannedMovies.h"
#include "support/TempFolder.h"

namespace {

MetadataTemplate LibraryTemplate()
{
    MetadataTemplate metadata;
    metadata.seriesTitle = "TV";
    metadata.seriesId = "SH991234";
    metadata.description = "Recorded";
    metadata.isEpisode = "false";
    metadata.movieMode = true;
    metadata.mpaaRating = 3;
    metadata.tvRating = 4;
    metadata.originalAirDate = "2012-03-31";
    metadata.parseNames = true;
    return metadata;
}

std::vector<std::string> Entries(std::initializer_list<const char*> names)
{
    std::vector<std::string> entries;
    for (const char* name : names)
        entries.push_back(NativePath(name));
    return entries;
}

bool IsDrawnId(const std::string& id, const char* type)
{
    int number = 0;
    return id.size() == 8 && id.compare(0, 2, type) == 0 && IsAllDigits(id.substr(2)) &&
           (number = std::stoi(id.substr(2))) < 990000;
}

}  // namespace

TEST(PlanLibrary, EachFileOfALibraryIsWhatItsNameAndFoldersSay)
{
    const struct {
        const char* entry;
        KindSource from;
        bool movie;
        const char* title;  // the movie's title or the show's name
        const char* episodeTitle;
        const char* episodeNumber;
        const char* year;
        const char* airDate;
    } cases[] = {
        {"Doctor Who (2005)\\Season 1\\Doctor.Who.2005.S01E01.Rose.mkv", KindSource::Name, false,
         "Doctor Who", "Rose", "101", "2005", ""},
        // The folder names the show; "(2005)" is its year, not its name.
        {"Doctor Who (2005)\\Season 1\\S01E02.mkv", KindSource::Name, false, "Doctor Who", "", "102", "2005",
         ""},
        // A number without a season takes the season folder's.
        {"Doctor Who (2005)\\Season 2\\05 - The Girl.mkv", KindSource::Name, false, "Doctor Who", "The Girl",
         "205", "2005", ""},
        {"Doctor Who (2005)\\Season 2\\Making of.mkv", KindSource::SeasonFolder, false, "Doctor Who",
         "Making of", "", "2005", ""},
        {"Friends\\Season 1\\Friends.S01E01E02.The.One.Where.It.All.Began.mkv", KindSource::Name, false,
         "Friends", "The One Where It All Began (Episodes 1-2)", "101", "2012", ""},
        {"Friends\\Season 1\\Friends.S01E16-E17.mkv", KindSource::Name, false, "Friends", "Episodes 16-17",
         "116", "2012", ""},
        {"The Daily Show\\The.Daily.Show.2012.03.04.720p.mkv", KindSource::Name, false, "The Daily Show", "",
         "", "2012", "2012-03-04"},
        {"Anime\\[Group] Show Name - 012 [1080p].mkv", KindSource::Name, false, "Show Name", "", "12", "2012",
         ""},
        {"Movies\\Die Hard.1988.mkv", KindSource::Name, true, "Die Hard", "", "", "1988", ""},
        {"Movies\\Some.Movie.720p.HDTV.mkv", KindSource::Template, true, "Some Movie", "", "", "2012", ""},
        {"Movies\\Holiday.mpg", KindSource::Template, true, "Holiday", "", "", "2012", ""},
        {"S01E05.mkv", KindSource::Name, false, "TV", "", "105", "2012", ""},
    };
    std::vector<std::string> entries;
    for (const auto& c : cases)
        entries.push_back(NativePath(c.entry));
    const LibraryPlan plan = PlanLibrary(NativePath("D:\\Library\\TV"), entries, LibraryTemplate());

    ASSERT_EQ(entries.size(), plan.movies.size());
    EXPECT_FALSE(plan.templateAirDate);
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& c = cases[i];
        const PlannedMovie& movie = plan.movies[i];
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(NativePath(std::string("D:\\Library\\TV\\") + c.entry), movie.moviePath);
        EXPECT_EQ(c.from, movie.kindFrom);
        EXPECT_EQ(c.movie, movie.lines.movieLayout);
        EXPECT_EQ(c.movie ? "false" : "true", movie.lines.isEpisode);
        EXPECT_EQ(c.title, movie.lines.title);
        EXPECT_EQ(c.title, movie.lines.seriesTitle);
        EXPECT_EQ(c.episodeTitle, movie.lines.episodeTitle);
        EXPECT_EQ(c.episodeNumber, movie.lines.episodeNumber);
        EXPECT_EQ(c.year, movie.lines.year);
        // The template's air date stays off files of several folders and shows.
        EXPECT_EQ(c.airDate, movie.lines.originalAirDate);
        EXPECT_TRUE(IsDrawnId(movie.lines.seriesId, c.movie ? "MV" : "SH")) << movie.lines.seriesId;
        // The text carries the layout's own rating and the values the template shares.
        EXPECT_NE(std::string::npos, movie.text.find(c.movie ? "\nmpaaRating : R4\n" : "\ntvRating : x4\n"));
        EXPECT_NE(std::string::npos, movie.text.find("\ndescription : Recorded\n"));
    }
    EXPECT_EQ(std::string::npos, Find(plan, "Movies\\Die Hard.1988.mkv").text.find("episodeNumber"));
    EXPECT_NE(std::string::npos, Find(plan, "The Daily Show\\The.Daily.Show.2012.03.04.720p.mkv")
                                     .text.find("\noriginalAirDate : 2012-03-04T00:00:00Z\n"));
    const PlannedMovie& multi = Find(plan, "Friends\\Season 1\\Friends.S01E16-E17.mkv");
    EXPECT_EQ(1, multi.season);
    EXPECT_EQ(16, multi.episode);
    EXPECT_EQ(17, multi.lastEpisode);

    // One ID per show, another for every show and movie.
    std::set<std::string> ids;
    for (const PlannedMovie& movie : plan.movies)
        ids.insert(movie.lines.seriesId);
    EXPECT_EQ(Find(plan, "Doctor Who (2005)\\Season 1\\S01E02.mkv").lines.seriesId,
              Find(plan, "Doctor Who (2005)\\Season 2\\Making of.mkv").lines.seriesId);
    EXPECT_EQ(8u, ids.size());  // Doctor Who, Friends, Daily Show, Show Name, three movies, TV
}

TEST(PlanLibrary, AShowKeepsItsIdInEveryRunAndItsBestSpellingInEach)
{
    MetadataTemplate metadata = LibraryTemplate();
    const LibraryPlan first =
        PlanLibrary(NativePath("D:\\TV"),
                    Entries({"a\\game.of.thrones.s01e02.mkv", "b\\Game.of.Thrones.S01E03.mkv"}), metadata);
    EXPECT_EQ(first.movies[0].lines.seriesId, first.movies[1].lines.seriesId);
    EXPECT_EQ("Game of Thrones", first.movies[0].lines.seriesTitle);
    EXPECT_EQ("Game of Thrones", first.movies[0].lines.title);

    // Another run, another template ID, other neighbours: the same ID.
    metadata.seriesId = "SH990777";
    const LibraryPlan later =
        PlanLibrary(NativePath("E:\\Video"),
                    Entries({"x\\Game Of Thrones - 2x01 - North.avi", "y\\Friends.S01E01.mkv"}), metadata);
    EXPECT_EQ(first.movies[0].lines.seriesId, later.movies[0].lines.seriesId);
    EXPECT_NE(later.movies[0].lines.seriesId, later.movies[1].lines.seriesId);
    // A year alone makes no show of its own: one name with one year is one
    // show; a remake beside its original is, and says its year.
    const LibraryPlan year =
        PlanLibrary(NativePath("D:\\TV"),
                    Entries({"a\\Doctor.Who.S01E01.mkv", "b\\Doctor.Who.2005.S01E01.mkv"}), metadata);
    EXPECT_EQ(year.movies[0].lines.seriesId, year.movies[1].lines.seriesId);
    EXPECT_EQ("Doctor Who", year.movies[1].lines.seriesTitle);
    const LibraryPlan remakes =
        PlanLibrary(NativePath("D:\\TV"),
                    Entries({"a\\Doctor.Who.1963.S01E01.mkv", "b\\Doctor.Who.2005.S01E01.mkv",
                             "b\\Doctor.Who.S02E01.mkv"}),
                    metadata);
    EXPECT_NE(remakes.movies[0].lines.seriesId, remakes.movies[1].lines.seriesId);
    EXPECT_EQ("Doctor Who (1963)", remakes.movies[0].lines.seriesTitle);
    EXPECT_EQ("Doctor Who (2005)", remakes.movies[1].lines.seriesTitle);
    EXPECT_EQ("Doctor Who", remakes.movies[2].lines.seriesTitle) << "no year, no guess";
}

TEST(PlanLibrary, ShowsWhoseDigitsMeetArePartedTheSameWayInEveryRun)
{
    // Two show names whose drawn IDs are equal.
    std::map<std::string, std::string> drawn;
    std::string a;
    std::string b;
    for (int i = 0; a.empty(); ++i) {
        const std::string name = "show" + std::to_string(i);
        const auto [at, added] = drawn.emplace(ShowSeriesId("SH", ShowKey(name, 0), 0), name);
        if (!added) {
            a = at->second;
            b = name;
        }
    }
    ASSERT_LT(a, b);
    const MetadataTemplate metadata = LibraryTemplate();
    const std::vector<std::string> both = {NativePath(a + "\\" + a + ".S01E01.mkv"),
                                           NativePath(b + "\\" + b + ".S01E01.mkv")};
    const LibraryPlan plan = PlanLibrary(NativePath("D:\\TV"), both, metadata);
    EXPECT_NE(plan.movies[0].lines.seriesId, plan.movies[1].lines.seriesId);
    // The name that sorts first keeps the drawn digits, whatever the order.
    EXPECT_EQ(ShowSeriesId("SH", ShowKey(a, 0), 0), plan.movies[0].lines.seriesId);
    const LibraryPlan reversed = PlanLibrary(NativePath("D:\\TV"), {both[1], both[0]}, metadata);
    EXPECT_EQ(plan.movies[0].lines.seriesId, reversed.movies[1].lines.seriesId);
    EXPECT_EQ(plan.movies[1].lines.seriesId, reversed.movies[0].lines.seriesId);
}

TEST(PlanLibrary, OneFolderOfOneShowKeepsTheTemplatesAirDateAndGetsTheShowsOwnId)
{
    MetadataTemplate metadata = LibraryTemplate();
    metadata.movieMode = false;
    metadata.seriesTitle = "Garden Diary";
    const std::string folder = NativePath("D:\\TV\\Garden Diary");
    LibraryPlan plan =
        PlanLibrary(folder, {"Week 01.avi", "Week 02.avi", "Garden Diary 2012-05-01.avi"}, metadata);
    EXPECT_TRUE(plan.templateAirDate);
    for (const PlannedMovie& movie : plan.movies) {
        // The window's template ID is new at each start: a show keeps its own.
        EXPECT_EQ(ShowSeriesId("SH", ShowKey("Garden Diary", 0), 0), movie.lines.seriesId);
        EXPECT_EQ("Garden Diary", movie.lines.seriesTitle);
    }
    EXPECT_EQ("2012-03-31", plan.movies[0].lines.originalAirDate);
    EXPECT_EQ("2012-05-01", plan.movies[2].lines.originalAirDate) << "the name's own date wins";

    // Two shows in the folder, or two movies: each its own ID, no typed date.
    plan = PlanLibrary(folder, {"Week 01.avi", "Other.Show.S01E01.avi"}, metadata);
    EXPECT_FALSE(plan.templateAirDate);
    EXPECT_EQ("", plan.movies[0].lines.originalAirDate);
    EXPECT_NE(plan.movies[0].lines.seriesId, plan.movies[1].lines.seriesId);
    plan = PlanLibrary(folder, {"Alien (1979).mkv", "Aliens (1986).mkv"}, metadata);
    EXPECT_TRUE(IsDrawnId(plan.movies[0].lines.seriesId, "MV"));
    EXPECT_NE(plan.movies[0].lines.seriesId, plan.movies[1].lines.seriesId);
    // One movie alone, and one show in two folders.
    EXPECT_EQ(ShowSeriesId("MV", ShowKey("Alien", 1979), 0),
              PlanLibrary(folder, {"Alien (1979).mkv"}, metadata).movies[0].lines.seriesId);
    plan = PlanLibrary(folder, Entries({"Season 1\\Week 01.avi", "Season 2\\Week 01.avi"}), metadata);
    EXPECT_FALSE(plan.templateAirDate);
    EXPECT_EQ("", plan.movies[0].lines.originalAirDate);
}

TEST(PlanLibrary, EpisodesIdsStartWithShAndMoviesWithMvWhateverTheTemplatesType)
{
    for (const char* id : {"SP990300", "MV994401", "SH990001"}) {
        MetadataTemplate metadata = LibraryTemplate();
        metadata.seriesId = id;
        const LibraryPlan plan = PlanLibrary(NativePath("D:\\Sport"),
                                             Entries({"a\\Match.S01E01.mkv", "b\\Final (2014).mkv"}), metadata);
        EXPECT_TRUE(IsDrawnId(plan.movies[0].lines.seriesId, "SH")) << id;
        EXPECT_TRUE(IsDrawnId(plan.movies[1].lines.seriesId, "MV")) << id;
    }
}

TEST(PlanLibrary, WithoutNameReadingEveryFileIsTheTemplatesAsBefore)
{
    for (bool movieMode : {true, false}) {
        MetadataTemplate metadata = LibraryTemplate();
        metadata.parseNames = false;
        metadata.movieMode = movieMode;
        const std::string folder = NativePath("D:\\TV\\Dr Who\\Season 1");
        metadata.seriesTitle = "Season 1";
        const std::vector<std::string> entries =
            Entries({"Doctor.Who.2005.S01E01.Rose.mkv", "Die Hard.1988.mkv", "Specials\\x.avi"});
        const LibraryPlan plan = PlanLibrary(folder + kSeparator, entries, metadata);
        EXPECT_TRUE(plan.templateAirDate);
        for (const PlannedMovie& movie : plan.movies) {
            SCOPED_TRACE(movie.entry);
            MetadataTemplate folderTemplate = metadata;
            folderTemplate.seriesTitle =
                SeriesTitleOfFolder(folder, RelativeFolderOf(movie.entry), metadata.seriesTitle);
            EXPECT_EQ(ComposeMetadata(folderTemplate, folder + kSeparator + movie.entry, ""), movie.text);
            EXPECT_EQ(KindSource::Template, movie.kindFrom);
        }
        if (!movieMode)
            EXPECT_EQ(0u, plan.movies[2].text.find("title : Dr Who\n"));
    }
}

TEST(PlanLibrary, EachFileKeepsTheYearAndDayItsNamesGiveForALookup)
{
    const struct {
        const char* entry;
        int year;
        const char* airDate;
    } cases[] = {
        {"Heat (1995).mkv", 1995, ""},
        {"Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.mkv", 2005, ""},      // the show's folder
        {"Doctor Who (2005)\\Season 1\\Torchwood.S01E01.mkv", 0, ""},          // another show than the folder's
        {"Doctor Who (2005)\\Season 1\\Doctor.Who.1963.S01E01.mkv", 1963, ""},  // the file's own year first
        {"Doctor Who (2005)\\Season 2\\Episode 3.mkv", 2005, ""},
        {"Daily\\The.Daily.Show.2012.03.04.mkv", 0, "2012-03-04"},
    };
    std::vector<std::string> entries;
    for (const auto& c : cases)
        entries.push_back(NativePath(c.entry));
    const LibraryPlan plan = PlanLibrary(NativePath("\\srv\\tv"), entries, LibraryTemplate());
    for (const auto& c : cases) {
        const PlannedMovie& movie = Find(plan, c.entry);
        EXPECT_EQ(c.year, movie.year) << c.entry;
        EXPECT_EQ(c.airDate, movie.airDate.IsSet() ? movie.airDate.Text() : "") << c.entry;
    }
    // The template's own air date is no day of a name.
    MetadataTemplate episodes = LibraryTemplate();
    episodes.movieMode = false;
    const LibraryPlan one = PlanLibrary(NativePath("\\srv\\tv\\Show"), Entries({"Show.S01E01.mkv"}), episodes);
    EXPECT_EQ("2012-03-31", one.movies[0].lines.originalAirDate);
    EXPECT_FALSE(one.movies[0].airDate.IsSet());
}

TEST(PlanLibrary, AShowHasOneIdInEveryRunAndTwoOnlyForOneNameWithTwoYears)
{
    TempFolder library;
    for (const char* movie : {"TV\\Lost\\Season 1\\Lost.S01E01.mkv", "TV\\Lost\\Season 2\\Lost.S02E01.mkv",
                              "TV\\Doctor Who (1963)\\Season 1\\Doctor.Who.S01E01.mkv",
                              "TV\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.mkv",
                              "TV\\Doctor Who (2005)\\Season 2\\S02E01.mkv",
                              "TV\\Battlestar\\Battlestar_Galactica_S02E10.mkv",
                              "TV\\Battlestar\\Battlestar Galactica (2003) - S01E01.mkv"})
        library.WriteFile(movie);
    const MetadataTemplate metadata = LibraryTemplate();
    // Each run's series title is its folder's, as the window and reelmark-cli give it.
    const auto idOf = [&](const std::string& folder, std::initializer_list<const char*> entries) {
        MetadataTemplate run = metadata;
        run.seriesTitle = SeriesTitleOfFolder(library / folder, std::string(), LastPathComponent(library / folder));
        const LibraryPlan plan = PlanLibrary(library / folder, Entries(entries), run);
        return std::make_pair(plan.movies.front().lines.seriesId, plan.movies.front().lines.seriesTitle);
    };
    const auto lost = idOf("TV", {"Lost\\Season 1\\Lost.S01E01.mkv", "Lost\\Season 2\\Lost.S02E01.mkv"});
    EXPECT_EQ(ShowSeriesId("SH", ShowKey("Lost", 0), 0), lost.first);
    EXPECT_EQ(lost, idOf("TV\\Lost", {"Season 1\\Lost.S01E01.mkv", "Season 2\\Lost.S02E01.mkv"}));
    EXPECT_EQ(lost, idOf("TV\\Lost\\Season 2", {"Lost.S02E01.mkv"}));

    // One name with two years: two shows, each with its year in its title,
    // whether the run holds both or one season of one.
    const auto whole = idOf("TV", {"Doctor Who (1963)\\Season 1\\Doctor.Who.S01E01.mkv",
                                   "Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.mkv"});
    const auto revived = idOf("TV\\Doctor Who (2005)\\Season 2", {"S02E01.mkv"});
    EXPECT_EQ("Doctor Who (2005)", revived.second);
    EXPECT_EQ(revived, idOf("TV\\Doctor Who (2005)", {"Season 1\\Doctor.Who.S01E01.mkv"}));
    const auto classic = idOf("TV\\Doctor Who (1963)\\Season 1", {"Doctor.Who.S01E01.mkv"});
    EXPECT_EQ("Doctor Who (1963)", classic.second);
    EXPECT_NE(classic.first, revived.first);
    EXPECT_EQ(classic.first, whole.first);

    // One year of a name is one show with the names that lack it.
    const LibraryPlan battlestar =
        PlanLibrary(library / "TV\\Battlestar",
                    Entries({"Battlestar_Galactica_S02E10.mkv", "Battlestar Galactica (2003) - S01E01.mkv"}), metadata);
    EXPECT_EQ(battlestar.movies[0].lines.seriesId, battlestar.movies[1].lines.seriesId);
    EXPECT_EQ("Battlestar Galactica", battlestar.movies[1].lines.seriesTitle);
    EXPECT_EQ(battlestar.movies[0].lines.seriesId,
              idOf("TV\\Battlestar", {"Battlestar Galactica (2003) - S01E01.mkv"}).first);
}

TEST(PlanLibrary, ANameOfPunctuationOrOfCharactersThatShowNothingKeepsItsOwnTitle)
{
    // Each is a movie of its own, not one show of every name without
    // letters; what shows nothing is no part of a title.
    const LibraryPlan plan = PlanLibrary("D:\\TV", Entries({"!!!.mkv", "- - -.mkv", "...mkv",
                                                            "\xE2\x80\xAE\xE2\x80\x8B.mkv",
                                                            "Home\xC2\xA0Video\xEF\xBB\xBF.mkv"}),
                                         LibraryTemplate());
    const struct {
        const char* entry;
        const char* title;
    } cases[] = {{"!!!.mkv", "!!!"},
                 {"- - -.mkv", "- - -"},
                 {"...mkv", ".."},
                 {"\xE2\x80\xAE\xE2\x80\x8B.mkv", "\xE2\x80\xAE\xE2\x80\x8B"},  // nothing but those: the name as it is
                 {"Home\xC2\xA0Video\xEF\xBB\xBF.mkv", "Home Video"}};
    std::set<std::string> ids;
    for (const auto& c : cases) {
        const PlannedMovie& movie = Find(plan, c.entry);
        EXPECT_EQ(c.title, movie.lines.title) << c.entry;
        EXPECT_TRUE(movie.lines.movieLayout) << c.entry;
        ids.insert(movie.lines.seriesId);
    }
    EXPECT_EQ(std::size(cases), ids.size()) << "each its own series ID";
}
