// The user's edits of single movies: what each field takes, how the plan
// lays them over the name and the template before the shows settle, and
// how they enter a movie's own file.
#include <gtest/gtest.h>

#include "core/library/LibraryPlan.h"
#include "core/library/PlanEdits.h"
#include "core/log/ActivityLog.h"
#include "core/runs/GenerateRun.h"
#include "platform/Text.h"
#include "support/ScriptedMessages.h"
#include "support/PlannedMovies.h"
#include "support/TempFolder.h"

namespace {

bool Has(const std::string& text, const std::string& line)
{
    return text.find(line + "\n") != std::string::npos;
}

}  // namespace

TEST(NormalizeEdit, EachFieldTakesItsValuesUpToItsLimitsAndNoFurther)
{
    const struct {
        EditField field;
        const char* typed;
        const char* value;  // nullptr: refused
    } cases[] = {
        {EditField::Kind, " Ep", "episode"},
        {EditField::Kind, "MOVIE", "movie"},
        {EditField::Kind, "film", nullptr},
        {EditField::Kind, "", nullptr},
        {EditField::Show, "  Doctor\r\nWho ", "Doctor Who"},
        {EditField::Show, "  ", nullptr},
        {EditField::Season, "99", "99"},
        {EditField::Season, "100", nullptr},
        {EditField::Season, "007", "7"},
        {EditField::Season, "", ""},
        {EditField::Season, "-1", nullptr},
        {EditField::Episode, "9999", "9999"},
        {EditField::Episode, "10000", nullptr},
        {EditField::Episode, "0", "0"},
        {EditField::Episode, "2a", nullptr},
        {EditField::Date, "2012", "2012"},
        {EditField::Date, "2012-3-4", "2012-03-04"},
        {EditField::Date, "2012-02-29", "2012-02-29"},
        {EditField::Date, "2011-02-29", nullptr},
        {EditField::Date, "0999", nullptr},
        {EditField::Date, "", ""},
        {EditField::MpaaRating, "pg-13", "P3"},
        {EditField::MpaaRating, "PG", "P2"},
        {EditField::MpaaRating, "R4", "R4"},
        {EditField::MpaaRating, "Q", nullptr},
        {EditField::MpaaRating, "", ""},
        {EditField::TvRating, "TV-Y", "x2"},
        {EditField::TvRating, "TV-Y7", "x1"},
        {EditField::TvRating, "tv-14", "x5"},
        {EditField::StarRating, "***", "x5"},
        {EditField::StarRating, "****", "x7"},
        {EditField::StarRating, "*****", nullptr},
        {EditField::Genres, " Drama ;Comedy,, ", "Drama, Comedy"},
        {EditField::Actors, "Ann\nBob", "Ann Bob"},
        {EditField::Description, "Two\r\nlines\rhere", "Two lines here"},
    };
    for (const auto& c : cases) {
        std::string value;
        std::string problem;
        const bool taken = NormalizeEdit(c.field, c.typed, value, problem);
        EXPECT_EQ(c.value != nullptr, taken) << EditFieldName(c.field) << " \"" << c.typed << "\": " << problem;
        if (c.value && taken) {
            EXPECT_EQ(c.value, value) << EditFieldName(c.field) << " \"" << c.typed << "\"";
        }
        EXPECT_EQ(taken, problem.empty());
    }
}

TEST(PlanEdits, AnEditWinsOverTheNameAndTheShowsSettleAfterIt)
{
    const std::vector<std::string> entries = {"Show.Name.S01E02.Pilot.mkv", "Other.Show.S02E03.mkv",
                                              "Holiday (2001).mkv"};
    PlanEdits edits;
    // The second file belongs to the first one's show; the third is an
    // episode the name took for a movie.
    edits.Set("Other.Show.S02E03.mkv", EditField::Show, "Show Name");
    edits.Set("Holiday (2001).mkv", EditField::Kind, "episode");
    edits.Set("Holiday (2001).mkv", EditField::Show, "Travels");
    edits.Set("Holiday (2001).mkv", EditField::Episode, "4");
    edits.Set("Holiday (2001).mkv", EditField::Season, "3");
    edits.Set("Holiday (2001).mkv", EditField::Date, "2001-06-07");
    edits.Set("Show.Name.S01E02.Pilot.mkv", EditField::EpisodeTitle, "The Real Pilot");
    const LibraryPlan plan = PlanLibrary("/lib", entries, NamesTemplate(), &edits);

    const PlannedMovie& first = Find(plan, entries[0]);
    const PlannedMovie& second = Find(plan, entries[1]);
    const PlannedMovie& third = Find(plan, entries[2]);
    EXPECT_EQ("Show Name", second.lines.seriesTitle);
    EXPECT_EQ(first.lines.seriesId, second.lines.seriesId) << "one show, one series ID";
    EXPECT_EQ("The Real Pilot", first.lines.episodeTitle);
    EXPECT_FALSE(third.lines.movieLayout);
    EXPECT_EQ("Travels", third.lines.seriesTitle);
    EXPECT_NE(first.lines.seriesId, third.lines.seriesId);
    EXPECT_TRUE(Has(third.text, "episodeNumber : 304"));
    EXPECT_TRUE(Has(third.text, "originalAirDate : 2001-06-07T00:00:00Z"));
    EXPECT_TRUE(Has(third.text, "isEpisode : true"));

    // Without edits the plan is the plan it always was.
    const LibraryPlan plain = PlanLibrary("/lib", entries, NamesTemplate(), nullptr);
    EXPECT_EQ(PlanLibrary("/lib", entries, NamesTemplate()).movies[1].text, plain.movies[1].text);
    EXPECT_EQ("Other Show", plain.movies[1].lines.seriesTitle);
}

TEST(PlanEdits, SharedValuesOfAnEditGoIntoThatFileAlone)
{
    const std::vector<std::string> entries = {"A.mpg", "B.mpg"};
    MetadataTemplate metadata = NamesTemplate();
    metadata.parseNames = false;
    metadata.genres = "Drama";
    PlanEdits edits;
    edits.Set("B.mpg", EditField::Description, "Her own words");
    edits.Set("B.mpg", EditField::MpaaRating, "P3");
    edits.Set("B.mpg", EditField::StarRating, "x7");
    edits.Set("B.mpg", EditField::Genres, "Comedy, Family");
    edits.Set("B.mpg", EditField::Actors, "Ann Lee, Bob Ray");
    const LibraryPlan plan = PlanLibrary("/lib", entries, metadata, &edits);
    const std::string& a = plan.movies[0].text;
    const std::string& b = plan.movies[1].text;
    EXPECT_TRUE(Has(a, "description : Recorded"));
    EXPECT_TRUE(Has(a, "mpaaRating : R4"));
    EXPECT_TRUE(Has(a, "vProgramGenre : Drama"));
    EXPECT_EQ(std::string::npos, a.find("vActor"));
    EXPECT_TRUE(Has(b, "description : Her own words"));
    EXPECT_TRUE(Has(b, "mpaaRating : P3"));
    EXPECT_TRUE(Has(b, "starRating : x7"));
    EXPECT_TRUE(Has(b, "vProgramGenre : Comedy\nvProgramGenre : Family"));
    EXPECT_TRUE(Has(b, "vActor : Ann Lee\nvActor : Bob Ray"));
    EXPECT_EQ(std::string::npos, b.find("Drama"));
}

TEST(PlanEdits, AMovieMadeOfAnEpisodeLosesItsEpisodeLines)
{
    PlanEdits edits;
    edits.Set("Show.Name.S01E02.Pilot.mkv", EditField::Kind, "movie");
    const LibraryPlan plan = PlanLibrary("/lib", {"Show.Name.S01E02.Pilot.mkv"}, NamesTemplate(), &edits);
    const PlannedMovie& movie = plan.movies[0];
    EXPECT_TRUE(movie.lines.movieLayout);
    EXPECT_TRUE(Has(movie.text, "isEpisode : false"));
    EXPECT_TRUE(Has(movie.text, "episodeTitle : "));
    EXPECT_EQ(std::string::npos, movie.text.find("episodeNumber"));
    EXPECT_TRUE(Has(movie.text, "mpaaRating : R4"));
}

TEST(PlanEdits, AnOwnFileTakesTheEditsAndKeepsItsOtherLines)
{
    MetadataDocument document =
        MetadataDocument("title : Old\nseriesTitle : Old\nepisodeNumber : 203\nmovieYear : 1999\n"
                                   "isEpisode : true\nmyOwnKey : kept\nvProgramGenre : Drama\n");
    MovieEdits edits;
    edits.Set(EditField::Show, "New Show");
    edits.Set(EditField::Episode, "7");  // keeps season 2
    edits.Set(EditField::Date, "2010-01-02");
    edits.Set(EditField::Genres, "Comedy, Family");
    edits.Set(EditField::TvRating, "x3");
    ApplyEditsTo(document, edits);
    EXPECT_EQ("title : New Show\nseriesTitle : New Show\nepisodeNumber : 207\nisEpisode : true\n"
              "myOwnKey : kept\nvProgramGenre : Comedy\nvProgramGenre : Family\n"
              "originalAirDate : 2010-01-02T00:00:00Z\ntvRating : x3\n",
              document.Compose())
        << "an episode's air date takes the place of its year, which pyTivo would send instead";

    MetadataDocument movie = MetadataDocument("title : Film\noriginalAirDate : 2001-01-01T00:00:00Z\n");
    MovieEdits year;
    year.Set(EditField::Date, "1987");
    ApplyEditsTo(movie, year);
    EXPECT_EQ("title : Film\nmovieYear : 1987\n", movie.Compose());
}

TEST(PlanEdits, SetClearAndFindKeepOneValuePerField)
{
    PlanEdits edits;
    EXPECT_TRUE(edits.Empty());
    edits.Set("a.mkv", EditField::Season, "2");
    edits.Set("a.mkv", EditField::Show, "S");
    edits.Set("a.mkv", EditField::Season, "3");
    ASSERT_NE(nullptr, edits.Find("a.mkv", EditField::Season));
    EXPECT_EQ("3", *edits.Find("a.mkv", EditField::Season));
    EXPECT_EQ(2u, edits.Of("a.mkv")->Values().size());
    edits.Set("a.mkv", EditField::Season, std::nullopt);
    edits.Set("a.mkv", EditField::Show, std::nullopt);
    EXPECT_EQ(nullptr, edits.Of("a.mkv"));
    EXPECT_TRUE(edits.Empty());
}

TEST(PlanEdits, GenerateWritesTheEditsAndNothingForAMovieThatWent)
{
    TempFolder dir;
    ScriptedMessages messages;
    ActivityLog log;
    for (const char* movie : {"A.mpg", "B.mpg"})
        dir.WriteFile(movie);
    PlanEdits edits;
    edits.Set("B.mpg", EditField::Show, "Named By Hand");
    GenerateRequest request;
    request.folder = dir.Path();
    request.entries = {"A.mpg", "B.mpg", "Gone.mpg"};
    request.metadata = NamesTemplate();
    request.metadata.parseNames = false;
    request.edits = &edits;
    const GenerateResult result = RunGenerate(request, log);
    EXPECT_EQ(2, result.created);
    EXPECT_EQ(1, result.skipped);
    EXPECT_EQ(0u, ReadFileBytes(dir / "B.mpg.txt").find("title : Named By Hand\r\nseriesTitle : Named By Hand\r\n"));
    EXPECT_EQ(0u, ReadFileBytes(dir / "A.mpg.txt").find("title : A\r\n"));
    EXPECT_FALSE(PathExists(dir / "Gone.mpg.txt")) << "no metadata file for a movie that is not there";
    EXPECT_NE(std::string::npos,
              log.Text().find("The movie is not there any more. Skipping metadata file 3 of 3: " + (dir / "Gone.mpg.txt")));
}
