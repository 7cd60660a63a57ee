#include <gtest/gtest.h>

#include "core/NameParser.h"

namespace {

struct NameCase {
    const char* fileName;
    const char* title;  // nullptr: the name must match no shape
    int year;
    int season;
    int episode;
    const char* episodeTitle;  // nullptr for a movie
};

const NameCase kMovies[] = {
    {"Movie Name (2012).mkv", "Movie Name", 2012, 0, 0, nullptr},
    {"Movie.Name.2012.1080p.mkv", "Movie Name", 2012, 0, 0, nullptr},
    {"Movie_Name_2012_720p.avi", "Movie Name", 2012, 0, 0, nullptr},
    {"The.Dark.Knight.2008.1080p.BluRay.x264-GROUP.mkv", "The Dark Knight", 2008, 0, 0, nullptr},
    {"Blade Runner 2049 (2017).mkv", "Blade Runner 2049", 2017, 0, 0, nullptr},
    {"Blade.Runner.2049.2017.2160p.UHD.mkv", "Blade Runner 2049", 2017, 0, 0, nullptr},
    {"2001.A.Space.Odyssey.1968.1080p.mkv", "2001 A Space Odyssey", 1968, 0, 0, nullptr},
    {"1917.2019.WEB-DL.mp4", "1917", 2019, 0, 0, nullptr},
    {"Mr. Smith Goes to Washington (1939).mpg", "Mr. Smith Goes to Washington", 1939, 0, 0, nullptr},
    {"Movie Name [1999].avi", "Movie Name", 1999, 0, 0, nullptr},
    {"Movie Name 2012 1080p.mkv", "Movie Name", 2012, 0, 0, nullptr},
    {"Movie.Name.EXTENDED.2004.DVDRip.XviD.avi", "Movie Name", 2004, 0, 0, nullptr},
    {"Some.Movie.720p.HDTV.x264.mkv", "Some Movie", 0, 0, 0, nullptr},
    {"Home Video WEBRip.mp4", "Home Video", 0, 0, 0, nullptr},
    {"Le.Fabuleux.Destin.d'Amélie.Poulain.2001.1080p.mkv", "Le Fabuleux Destin d'Amélie Poulain", 2001, 0, 0,
     nullptr},
    {"Фильм.2015.720p.mkv", "Фильм", 2015, 0, 0, nullptr},
    {"映画 (2010).mp4", "映画", 2010, 0, 0, nullptr},
    {"[Group] Movie Name (2003).mkv", "Movie Name", 2003, 0, 0, nullptr},
};

const NameCase kEpisodes[] = {
    {"Show.Name.S01E02.Episode.Title.mkv", "Show Name", 0, 1, 2, "Episode Title"},
    {"Show Name - 1x02 - Episode Title.avi", "Show Name", 0, 1, 2, "Episode Title"},
    {"Show.Name.S01E02.Episode.Title.720p.HDTV.x264-LOL.mkv", "Show Name", 0, 1, 2, "Episode Title"},
    {"show_name_s03e10_the_title.mp4", "show name", 0, 3, 10, "the title"},
    {"Show.Name.S01E02E03.Double.Episode.mkv", "Show Name", 0, 1, 2, "Double Episode"},
    {"Show.Name.S01E02-E03.mkv", "Show Name", 0, 1, 2, ""},
    {"Show.Name.S1E5.mkv", "Show Name", 0, 1, 5, ""},
    {"Show.Name.S12E103.Title.mkv", "Show Name", 0, 12, 103, "Title"},
    {"Show.Name.S01E02.PROPER.720p.WEB-DL.mkv", "Show Name", 0, 1, 2, ""},
    {"Show Name - 01x05 - Pilot.mpg", "Show Name", 0, 1, 5, "Pilot"},
    {"Show Name 2x10.avi", "Show Name", 0, 2, 10, ""},
    {"Doctor.Who.2005.S01E01.Rose.mkv", "Doctor Who 2005", 0, 1, 1, "Rose"},
    {"S01E02.mkv", "", 0, 1, 2, ""},
    {"Séries.Française.S02E04.Épisode.mkv", "Séries Française", 0, 2, 4, "Épisode"},
    {"Show.Name.S00E01.Special.mkv", "Show Name", 0, 0, 1, "Special"},
};

// Names of no known shape: the title stays as today.
const char* const kNoMatch[] = {
    "Holiday.mpg",
    "2001 A Space Odyssey.mkv",
    "Blade Runner 2049.mkv",
    "Movie Name 2012.mkv",
    "1080p.mkv",
    "1917.mkv",
    "Some.Home.Video.mpg",
    "Video 1920x1080.mp4",
    "Se7en.avi",
    "Birthday 1850.mpg",
    "Wedding (12).mpg",
    "映画の夜.mp4",
    "The Web.mp4",
    "Keeping It Real.avi",
    "noextension",
    ".mkv",
};

void ExpectParsed(const NameCase& c, ParsedName::Kind kind)
{
    SCOPED_TRACE(c.fileName);
    const ParsedName parsed = ParseMovieName(c.fileName);
    ASSERT_EQ(kind, parsed.kind);
    EXPECT_EQ(c.title, parsed.title);
    EXPECT_EQ(c.year, parsed.year);
    EXPECT_EQ(c.season, parsed.season);
    EXPECT_EQ(c.episode, parsed.episode);
    EXPECT_EQ(c.episodeTitle ? c.episodeTitle : "", parsed.episodeTitle);
}

}  // namespace

TEST(ParseMovieName, MovieShapesGiveTitleAndYear)
{
    for (const NameCase& c : kMovies)
        ExpectParsed(c, ParsedName::Kind::Movie);
}

TEST(ParseMovieName, EpisodeShapesGiveShowSeasonEpisodeAndTitle)
{
    for (const NameCase& c : kEpisodes)
        ExpectParsed(c, ParsedName::Kind::Episode);
}

TEST(ParseMovieName, OtherNamesMatchNothing)
{
    for (const char* name : kNoMatch) {
        const ParsedName parsed = ParseMovieName(name);
        EXPECT_EQ(ParsedName::Kind::None, parsed.kind) << name << " -> " << parsed.title;
        EXPECT_TRUE(parsed.title.empty()) << name;
    }
}

TEST(EpisodeNumberText, SeasonThenTwoDigitEpisode)
{
    EXPECT_EQ("102", EpisodeNumberText(1, 2));
    EXPECT_EQ("1203", EpisodeNumberText(12, 3));
    EXPECT_EQ("110", EpisodeNumberText(1, 10));
    EXPECT_EQ("1105", EpisodeNumberText(1, 105));
    EXPECT_EQ("7", EpisodeNumberText(0, 7));
}
