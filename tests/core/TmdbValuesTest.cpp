// What TMDB's answers give a metadata file: pyTivo's keys, one line each,
// names as the TiVo keeps them, at most 10 a list, ratings as pyTivo's
// tables code them, the stars as pyTivo turns a 0-10 rating into them.
#include <gtest/gtest.h>

#include "core/lookup/TmdbValues.h"

namespace {

std::string TextOf(const PyTivoValues& values, const char* key)
{
    const auto found = values.find(key);
    return found == values.end() ? "(none)" : found->second.text;
}

std::vector<std::string> ItemsOf(const PyTivoValues& values, const char* key)
{
    std::vector<std::string> items;
    const auto found = values.find(key);
    if (found != values.end()) {
        for (const PyTivoItem& item : found->second.items)
            items.push_back(item.text);
    }
    return items;
}

TmdbShow Show()
{
    TmdbShow show;
    show.id = 1399;
    show.name = "Game of Thrones";
    show.overview = "Seven noble\r\nfamilies fight.";
    show.genres = {"Drama", "Sci-Fi & Fantasy"};
    show.cast = {"Emilia Clarke", "Kit Harington"};
    show.usRating = "TV-MA";
    show.voteAverage = 8.4;
    show.voteCount = 20000;
    return show;
}

}  // namespace

TEST(TmdbValues, AnEpisodeGetsItsOwnTitleTextDateCrewAndTheShowsCastGenresAndRating)
{
    TmdbEpisode first;
    first.season = 1;
    first.number = 1;
    first.name = "Winter Is Coming";
    first.overview = "Jon Arryn\tis  dead.\n";
    first.airDate = "2011-04-17";
    first.directors = {"Timothy Van Patten"};
    first.writers = {"David Benioff", "D. B. Weiss"};
    first.guestStars = {"Guest One"};
    TmdbEpisode second = first;
    second.name = "The Kingsroad";
    second.guestStars = {"Guest Two"};
    const PyTivoValues values = EpisodeValues(Show(), {&first, &second});
    EXPECT_EQ("Game of Thrones", TextOf(values, "title"));
    EXPECT_EQ("Game of Thrones", TextOf(values, "seriesTitle"));
    EXPECT_EQ("Winter Is Coming / The Kingsroad", TextOf(values, "episodeTitle"));
    EXPECT_EQ("Jon Arryn is dead.", TextOf(values, "description"));
    EXPECT_EQ("2011-04-17T00:00:00Z", TextOf(values, "originalAirDate"));
    EXPECT_EQ((std::vector<std::string>{"Clarke|Emilia", "Harington|Kit"}), ItemsOf(values, "vActor"));
    EXPECT_EQ((std::vector<std::string>{"One|Guest", "Two|Guest"}), ItemsOf(values, "vGuestStar"));
    EXPECT_EQ((std::vector<std::string>{"Patten|Timothy Van"}), ItemsOf(values, "vDirector"));
    EXPECT_EQ((std::vector<std::string>{"Benioff|David", "Weiss|D. B."}), ItemsOf(values, "vWriter"));
    EXPECT_EQ((std::vector<std::string>{"Drama", "Sci-Fi & Fantasy"}), ItemsOf(values, "vProgramGenre"));
    EXPECT_EQ(ItemsOf(values, "vProgramGenre"), ItemsOf(values, "vSeriesGenre"));
    EXPECT_EQ("x6", TextOf(values, "tvRating"));    // TV-MA
    EXPECT_EQ("x6", TextOf(values, "starRating"));  // 8.4 of the show: 3.5 stars
    EXPECT_EQ("(none)", TextOf(values, "movieYear"));
    for (const auto& value : values)
        EXPECT_EQ("TMDB", value.second.source) << value.first;

    // Without an overview of its own the episode has the show's.
    first.overview.clear();
    EXPECT_EQ("Seven noble families fight.", TextOf(EpisodeValues(Show(), {&first}), "description"));
}

TEST(TmdbValues, AMovieGetsItsYearCertificationAndCrewAndNoAirDate)
{
    TmdbMovie movie;
    movie.id = 550;
    movie.title = "Fight Club";
    movie.overview = "An insomniac.";
    movie.releaseDate = "1999-10-15";
    movie.cast = {"Edward Norton", "Brad Pitt"};
    movie.directors = {"David Fincher"};
    movie.usCertification = "R";
    movie.voteAverage = 8.4;
    movie.voteCount = 3;
    const PyTivoValues values = MovieValues(movie);
    EXPECT_EQ("Fight Club", TextOf(values, "title"));
    EXPECT_EQ("1999", TextOf(values, "movieYear"));
    EXPECT_EQ("R4", TextOf(values, "mpaaRating"));
    EXPECT_EQ("(none)", TextOf(values, "originalAirDate"));
    EXPECT_EQ("(none)", TextOf(values, "tvRating"));
    EXPECT_EQ((std::vector<std::string>{"Fincher|David"}), ItemsOf(values, "vDirector"));
    // No votes: no stars rather than the lowest.
    movie.voteCount = 0;
    EXPECT_EQ("(none)", TextOf(MovieValues(movie), "starRating"));
}

TEST(TmdbValues, RatingsAreCodedAsPyTivosTablesAndUnknownOnesLeftOut)
{
    const struct {
        const char* certification;
        const char* mpaa;
        const char* tv;
    } cases[] = {
        {"G", "G1", "x3"},   {"PG", "P2", "x4"},   {"PG-13", "P3", "(none)"}, {"R", "R4", "(none)"},
        {"NC-17", "N6", "(none)"}, {"NR", "N8", "x7"}, {"TV-Y7", "(none)", "x1"}, {"TV-14", "(none)", "x5"},
        {"tv-pg", "(none)", "x4"}, {"18", "(none)", "(none)"}, {"", "(none)", "(none)"},
    };
    for (const auto& c : cases) {
        TmdbMovie movie;
        movie.title = "M";
        movie.usCertification = c.certification;
        EXPECT_EQ(c.mpaa, TextOf(MovieValues(movie), "mpaaRating")) << c.certification;
        TmdbShow show;
        show.name = "S";
        show.usRating = c.certification;
        EXPECT_EQ(c.tv, TextOf(EpisodeValues(show, {}), "tvRating")) << c.certification;
    }
}

TEST(TmdbValues, StarsAreWhatPyTivoMakesOfARatingOfTenAtEachStep)
{
    // int(rating * 6 / 10 + 1.5): each step at its exact value and just below.
    const struct {
        double vote;
        const char* code;
    } cases[] = {{0, "x1"},    {0.83, "x1"}, {0.84, "x2"}, {2.49, "x2"}, {2.5, "x3"}, {4.16, "x3"},
                 {4.17, "x4"}, {5.83, "x4"}, {5.84, "x5"}, {7.49, "x5"}, {7.5, "x6"}, {9.16, "x6"},
                 {9.17, "x7"}, {10, "x7"},   {11, "x7"},   {-3, "x1"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.code, StarRatingCode(c.vote)) << c.vote;
}

TEST(TmdbValues, NamesAreLastFirstAndListsStopAtTen)
{
    const struct {
        const char* name;
        const char* tivo;
    } cases[] = {
        {"Emilia Clarke", "Clarke|Emilia"},
        {"Robert Downey Jr.", "Downey Jr.|Robert"},
        {"Sammy Davis, Jr.", "Davis Jr.|Sammy"},
        {"Zendaya", "Zendaya|"},
        {"  Kit\nHarington ", "Harington|Kit"},
        {"A|B C", "C|A B"},  // a bar of the name's own would split it for the TiVo
        {"宮崎駿", "宮崎駿|"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.tivo, TiVoPersonName(c.name)) << c.name;

    TmdbMovie movie;
    movie.title = "Crowd";
    for (int i = 0; i < 11; ++i)
        movie.cast.push_back("Actor " + std::to_string(i));
    const std::vector<std::string> cast = ItemsOf(MovieValues(movie), "vActor");
    ASSERT_EQ(kMostNames, cast.size());
    EXPECT_EQ("0|Actor", cast.front());
    EXPECT_EQ("9|Actor", cast.back());
}

TEST(TmdbValues, TextsKeepToOneLineAndBadDatesAreLeftOut)
{
    EXPECT_EQ("a b c", OneLineText("\r\n a\r\nb\t\x01 c \n"));
    for (const char* date : {"2011-4-17", "17.04.2011", "2011-04-17T00:00", "", "abcd-ef-gh"}) {
        TmdbEpisode episode;
        episode.airDate = date;
        TmdbShow show;
        show.name = "S";
        EXPECT_EQ("(none)", TextOf(EpisodeValues(show, {&episode}), "originalAirDate")) << date;
    }
}
