// What movie file names say they are: a table of real-world name shapes
// (scene releases, Plex, Sonarr and Radarr naming, daily shows, anime,
// names in other scripts, titles that are numbers), names that must be of
// no kind with the reason, and the names of season folders.
#include <gtest/gtest.h>

#include "core/library/NameParser.h"

namespace {

constexpr int N = kNoNumber;

struct NameCase {
    const char* fileName;
    const char* title;  // the movie's title or the show's name
    int year = 0;
    int season = N;
    int episode = N;
    int lastEpisode = N;
    const char* episodeTitle = "";
    const char* airDate = "";  // YYYY-MM-DD
};

const NameCase kMovies[] = {
    {"Movie Name (2012).mkv", "Movie Name", 2012},
    {"Movie.Name.2012.1080p.mkv", "Movie Name", 2012},
    {"Movie_Name_2012_720p.avi", "Movie Name", 2012},
    {"Movie Name [1999].avi", "Movie Name", 1999},
    {"Movie Name 2012 1080p.mkv", "Movie Name", 2012},  // a spaced year right before a tag
    {"Die Hard.1988.mkv", "Die Hard", 1988},            // joined by a dot: a release year
    {"The.Dark.Knight.2008.1080p.BluRay.x264-GROUP.mkv", "The Dark Knight", 2008},
    {"Movie.Name.EXTENDED.2004.DVDRip.XviD.avi", "Movie Name", 2004},
    {"Movie.Name.2012.PROPER.mkv", "Movie Name", 2012},
    {"[Group] Movie Name (2003).mkv", "Movie Name", 2003},
    {"Mr. Smith Goes to Washington (1939).mpg", "Mr. Smith Goes to Washington", 1939},
    {"Crouching Tiger, Hidden Dragon (2000).mkv", "Crouching Tiger, Hidden Dragon", 2000},
    {"Inception (2010) [1080p].mkv", "Inception", 2010},
    // Radarr: "{Movie Title} ({Release Year}) {Quality Full}" and brackets.
    {"The Matrix (1999) Bluray-1080p.mkv", "The Matrix", 1999},
    {"Parasite (2019) [Bluray-1080p].mkv", "Parasite", 2019},
    {"Avatar.The.Way.of.Water.2022.2160p.WEB-DL.DDP5.1.Atmos.HDR.H.265-FLUX.mkv", "Avatar The Way of Water",
     2022},
    {"Oppenheimer.2023.IMAX.2160p.mkv", "Oppenheimer", 2023},
    {"Der.Untergang.2004.German.DL.1080p.BluRay.x264.mkv", "Der Untergang", 2004},
    {"Alien.1979.Directors.Cut.mkv", "Alien", 1979},
    {"Movie Name (2012) - CD1.avi", "Movie Name", 2012},
    // Numbers and years in titles: the last year before the tags is the release year.
    {"Blade Runner 2049 (2017).mkv", "Blade Runner 2049", 2017},
    {"Blade.Runner.2049.2017.2160p.UHD.mkv", "Blade Runner 2049", 2017},
    {"2001.A.Space.Odyssey.1968.1080p.mkv", "2001 A Space Odyssey", 1968},
    {"2001 A Space Odyssey (1968).mkv", "2001 A Space Odyssey", 1968},
    {"1917.2019.WEB-DL.mp4", "1917", 2019},
    {"1917 (2019).mkv", "1917", 2019},
    {"2012.2009.mkv", "2012", 2009},
    {"1984.1984.mkv", "1984", 1984},
    {"2046.2004.mkv", "2046", 2004},
    {"300.2006.1080p.mkv", "300", 2006},
    {"300 - Rise of an Empire (2014).mkv", "300 - Rise of an Empire", 2014},  // no episode 300
    {"Apollo.13.1995.mkv", "Apollo 13", 1995},
    {"10.Cloverfield.Lane.2016.mkv", "10 Cloverfield Lane", 2016},
    {"Se7en.1995.mkv", "Se7en", 1995},
    // A dotted year with nothing after it is read as the release year,
    // though here it belongs to the title: the name cannot tell.
    {"Blade.Runner.2049.mkv", "Blade Runner", 2049},
    // "Episode" alone is a word of the title, not an episode mark.
    {"Star.Wars.Episode.IV.A.New.Hope.1977.mkv", "Star Wars Episode IV A New Hope", 1977},
    // Letters joined by dots stay an abbreviation.
    {"E.T.the.Extra-Terrestrial.1982.mkv", "E.T. the Extra-Terrestrial", 1982},
    {"U.S.Marshals.1998.720p.mkv", "U.S. Marshals", 1998},
    {"The.A.Team.2010.mkv", "The A Team", 2010},
    // Home videos named with a year read as a title and its year.
    {"Wedding.2012.mpg", "Wedding", 2012},
    {"Birthday (2012).mpg", "Birthday", 2012},
    // Other scripts and letters.
    {"Le.Fabuleux.Destin.d'Amélie.Poulain.2001.1080p.mkv", "Le Fabuleux Destin d'Amélie Poulain", 2001},
    {"Léon.The.Professional.1994.EXTENDED.1080p.mkv", "Léon The Professional", 1994},
    {"Amélie (2001).avi", "Amélie", 2001},
    {"Фильм.2015.720p.mkv", "Фильм", 2015},
    {"Кин-дза-дза! (1986).avi", "Кин-дза-дза!", 1986},
    {"Ο.Θίασος.1975.mkv", "Ο Θίασος", 1975},
    {"אביבה אהובתי (2006).mkv", "אביבה אהובתי", 2006},
    {"기생충 (2019).mkv", "기생충", 2019},
    {"映画 (2010).mp4", "映画", 2010},
    {"映画\u3000(2010).mp4", "映画", 2010},  // an ideographic space
    {"Alien³ (1992).mkv", "Alien³", 1992},
    // The first and the last year read as a release year.
    {"The Kiss (1900).mkv", "The Kiss", 1900},
    {"Far Future (2099).mkv", "Far Future", 2099},
};

const NameCase kEpisodes[] = {
    // Scene names.
    {"Show.Name.S01E02.Episode.Title.mkv", "Show Name", 0, 1, 2, 2, "Episode Title"},
    {"Show.Name.S01E02.Episode.Title.720p.HDTV.x264-LOL.mkv", "Show Name", 0, 1, 2, 2, "Episode Title"},
    {"show.name.s01e02.hdtv.xvid-lol.avi", "show name", 0, 1, 2, 2, ""},
    {"show_name_s03e10_the_title.mp4", "show name", 0, 3, 10, 10, "the title"},
    {"Show.Name.S1E5.mkv", "Show Name", 0, 1, 5, 5, ""},
    {"Show.Name.S12E103.Title.mkv", "Show Name", 0, 12, 103, 103, "Title"},
    {"Show.Name.S00E01.Special.mkv", "Show Name", 0, 0, 1, 1, "Special"},
    {"Show.Name.S01E02.PROPER.720p.WEB-DL.mkv", "Show Name", 0, 1, 2, 2, ""},
    {"Show.Name.S01E02.iNTERNAL.720p.mkv", "Show Name", 0, 1, 2, 2, ""},
    {"Show.Name.S01E02.REPACK.Real.Title.720p.mkv", "Show Name", 0, 1, 2, 2, "Real Title"},
    {"Show.Name.S01E02.The.Web.720p.mkv", "Show Name", 0, 1, 2, 2, "The Web"},  // "Web" is no tag
    {"Show Name S01E02 (1080p).mkv", "Show Name", 0, 1, 2, 2, ""},
    {"Show.Name.US.S01E01.mkv", "Show Name US", 0, 1, 1, 1, ""},
    {"game.of.thrones.s01e02.mkv", "game of thrones", 0, 1, 2, 2, ""},  // never the raw name
    {"The.Series.Title.2010.S01E01.Episode.Title.1080p.WEB-DL.DD5.1.H.264-GROUP.mkv", "The Series Title",
     2010, 1, 1, 1, "Episode Title"},
    // guessit once read "4" as the end of a range: a number alone never extends one.
    {"Show.Name.1969.S01E02.4.Kings.1080p.DDP5.1.H.264.mkv", "Show Name", 1969, 1, 2, 2, "4 Kings"},
    {"S01E02.mkv", "", 0, 1, 2, 2, ""},
    {"S01E02 - Pilot.mkv", "", 0, 1, 2, 2, "Pilot"},
    // Show years: dropped from the name when in brackets or joined by a dot.
    {"Doctor.Who.2005.S01E01.Rose.mkv", "Doctor Who", 2005, 1, 1, 1, "Rose"},
    {"Doctor Who (2005) - S01E01 - Rose.mkv", "Doctor Who", 2005, 1, 1, 1, "Rose"},
    {"Doctor Who 2005 S01E01.mkv", "Doctor Who 2005", 0, 1, 1, 1, ""},
    {"Space 1999 - 1x01 - Breakaway.mkv", "Space 1999", 0, 1, 1, 1, "Breakaway"},
    {"1923.S01E01.mkv", "1923", 0, 1, 1, 1, ""},  // a show named by a year
    // Number titles.
    {"24.S02E01.mkv", "24", 0, 2, 1, 1, ""},
    {"24 - 2x01 - Day 2.avi", "24", 0, 2, 1, 1, "Day 2"},
    {"9-1-1.S03E05.mkv", "9-1-1", 0, 3, 5, 5, ""},
    {"The.4400.S01E01.Pilot.mkv", "The 4400", 0, 1, 1, 1, "Pilot"},
    {"The 4400 - 1x01 - Pilot.avi", "The 4400", 0, 1, 1, 1, "Pilot"},
    {"Marvels.Agents.of.S.H.I.E.L.D.S01E01.mkv", "Marvels Agents of S.H.I.E.L.D.", 0, 1, 1, 1, ""},
    // Seasons named by the year.
    {"Show.S2012E05.mkv", "Show", 0, 2012, 5, 5, ""},
    {"WWE.Raw.S2024E10.720p.mkv", "WWE Raw", 0, 2024, 10, 10, ""},
    {"Show.S1900E01.mkv", "Show", 0, 1900, 1, 1, ""},  // the first year a season may be
    {"Show.S2100E01.mkv", "Show", 0, 2100, 1, 1, ""},  // and the last
    // Characters that show nothing are no part of the name; a space that
    // does not break is a space.
    {"Show.\u202EName.S01E02.mkv", "Show Name", 0, 1, 2, 2, ""},
    {"\uFEFFShow\u200B Name - 1x02 - \u2066Pilot\u2069.avi", "Show Name", 0, 1, 2, 2, "Pilot"},
    {"Show\u00A0Name\u202FS01E02.mkv", "Show Name", 0, 1, 2, 2, ""},
    // Cross form ("1x02"), as Kodi and older libraries write it.
    {"Show Name - 1x02 - Episode Title.avi", "Show Name", 0, 1, 2, 2, "Episode Title"},
    {"Show Name - 01x05 - Pilot.mpg", "Show Name", 0, 1, 5, 5, "Pilot"},
    {"Show Name 2x10.avi", "Show Name", 0, 2, 10, 10, ""},
    {"Show Name 1X102.avi", "Show Name", 0, 1, 102, 102, ""},
    // Episodes in words and in two words.
    {"Show Name - Season 1 Episode 2 - Title.mkv", "Show Name", 0, 1, 2, 2, "Title"},
    {"Show Name Series 2 Episode 3.mkv", "Show Name", 0, 2, 3, 3, ""},
    {"Show.Name.S01.E02.mkv", "Show Name", 0, 1, 2, 2, ""},
    {"Show Name S01 E02 Title.mkv", "Show Name", 0, 1, 2, 2, "Title"},
    {"Serie - Staffel 1 - E02 - Titel.mkv", "Serie", 0, 1, 2, 2, "Titel"},
    // Several episodes in one file: the first and the last.
    {"Show.Name.S01E02E03.Double.Episode.mkv", "Show Name", 0, 1, 2, 3, "Double Episode"},
    {"Friends.S01E01E02.The.One.Where.It.All.Began.720p.mkv", "Friends", 0, 1, 1, 2,
     "The One Where It All Began"},
    {"Show.Name.S01E02-E03.mkv", "Show Name", 0, 1, 2, 3, ""},
    {"Show.Name.S01E02-03.mkv", "Show Name", 0, 1, 2, 3, ""},
    {"Show.Name.S01E01E02E03.mkv", "Show Name", 0, 1, 1, 3, ""},
    {"Show.Name.S01E01-S01E02.mkv", "Show Name", 0, 1, 1, 2, ""},
    {"Show.Name.S01E01.S01E02.mkv", "Show Name", 0, 1, 1, 2, ""},  // Sonarr's "repeat"
    {"Show Name - S01E01 - E02.mkv", "Show Name", 0, 1, 1, 2, ""},
    {"Show Name (2014) - S01E01-E03 - Title [WEBDL-1080p].mkv", "Show Name", 2014, 1, 1, 3, "Title"},
    {"The Series Title (2010) - S01E01-E02-E03 - Episode Title.mkv", "The Series Title", 2010, 1, 1, 3,
     "Episode Title"},
    {"Show Name - s01e01-e02 - Title.mkv", "Show Name", 0, 1, 1, 2, "Title"},  // Plex
    {"Grey's Anatomy - s02e17-e18.avi", "Grey's Anatomy", 0, 2, 17, 18, ""},
    {"Show 1x01-1x02.avi", "Show", 0, 1, 1, 2, ""},
    {"Show 1x01-02.avi", "Show", 0, 1, 1, 2, ""},
    {"Show 1x01_1x02.avi", "Show", 0, 1, 1, 2, ""},
    {"Show.S01E05E03.mkv", "Show", 0, 1, 5, 5, ""},            // a range that goes back is one episode
    {"Show.S01E05.S02E06.mkv", "Show", 0, 1, 5, 5, "S02E06"},  // another season is no range
    // Sonarr's standard names.
    {"The Series Title (2010) - S01E01 - Episode Title [HDTV-720p Proper].mkv", "The Series Title", 2010, 1,
     1, 1, "Episode Title"},
    {"Game of Thrones - S08E06 - The Iron Throne.mkv", "Game of Thrones", 0, 8, 6, 6, "The Iron Throne"},
    {"The Office (US) - S02E01 - The Dundies.mkv", "The Office (US)", 0, 2, 1, 1, "The Dundies"},
    {"Show_Name_-_S01E02_-_Title.mkv", "Show Name", 0, 1, 2, 2, "Title"},
    {"Show Name - S01E02 - Part 1 (1).mkv", "Show Name", 0, 1, 2, 2, "Part 1 (1)"},
    // Other scripts.
    {"Séries.Française.S02E04.Épisode.mkv", "Séries Française", 0, 2, 4, 4, "Épisode"},
    {"Метод.S01E02.mkv", "Метод", 0, 1, 2, 2, ""},
    {"Друзья - 1x02 - Сонограмма.avi", "Друзья", 0, 1, 2, 2, "Сонограмма"},
    {"甄嬛传.S01E01.mkv", "甄嬛传", 0, 1, 1, 1, ""},
    {"Ελληνικά.S01E01.Τίτλος.mkv", "Ελληνικά", 0, 1, 1, 1, "Τίτλος"},
    {"시그널.S01E03.mkv", "시그널", 0, 1, 3, 3, ""},
};

const NameCase kDaily[] = {
    {"The.Daily.Show.2012.03.04.720p.mkv", "The Daily Show", 0, N, N, N, "", "2012-03-04"},
    {"The Daily Show - 2012-03-05 - Guest.mkv", "The Daily Show", 0, N, N, N, "Guest", "2012-03-05"},
    {"The Daily Show (2012-03-05).mkv", "The Daily Show", 0, N, N, N, "", "2012-03-05"},
    {"Late.Night.2024.02.29.Guest.Name.1080p.WEB.h264-GRP.mkv", "Late Night", 0, N, N, N, "Guest Name",
     "2024-02-29"},
    {"Conan 2011-11-17 - Title.mkv", "Conan", 0, N, N, N, "Title", "2011-11-17"},
    {"WWE.Raw.2012.03.04.mkv", "WWE Raw", 0, N, N, N, "", "2012-03-04"},
    {"Show_2012_03_04.mkv", "Show", 0, N, N, N, "", "2012-03-04"},
    {"Jeopardy! 2023-11-01.mkv", "Jeopardy!", 0, N, N, N, "", "2023-11-01"},
    {"2012-07-14 Birthday.mp4", "", 0, N, N, N, "Birthday", "2012-07-14"},  // the folder names the show
    {"2000-02-29.mp4", "", 0, N, N, N, "", "2000-02-29"},
};

// Anime and other series numbered from the first episode on, without a season.
const NameCase kNumbered[] = {
    {"[HorribleSubs] Show Name - 012 [1080p].mkv", "Show Name", 0, N, 12, 12},
    {"[SubsPlease] Frieren - 01 (1080p) [F02B9CEE].mkv", "Frieren", 0, N, 1, 1},
    {"[Sub Group] 進撃の巨人 - 01v2 [ABCD1234].mkv", "進撃の巨人", 0, N, 1, 1},
    {"[Group] Show Name - 12 - Title [1080p].mkv", "Show Name", 0, N, 12, 12, "Title"},
    {"One Piece - 1071 - Title.mkv", "One Piece", 0, N, 1071, 1071, "Title"},
    {"Naruto Shippuden - 345.mkv", "Naruto Shippuden", 0, N, 345, 345},
    {"Show_Name_-_05_[720p].mkv", "Show Name", 0, N, 5, 5},
    {"Show.Name.E05.Title.mkv", "Show Name", 0, N, 5, 5, "Title"},
    {"Show Name - E05 - Title.mkv", "Show Name", 0, N, 5, 5, "Title"},
    {"Show Name EP05.mkv", "Show Name", 0, N, 5, 5},
    {"Show Name - E01-E02.mkv", "Show Name", 0, N, 1, 2},
    {"進撃の巨人 第5話.mp4", "進撃の巨人", 0, N, 5, 5},
    {"名侦探柯南 第1000集.mp4", "名侦探柯南", 0, N, 1000, 1000},
    {"01 - Pilot.mkv", "", 0, N, 1, 1, "Pilot"},  // the folders name show and season
    {"01. Pilot.mkv", "", 0, N, 1, 1, "Pilot"},
    {"Holiday - 01.mpg", "Holiday", 0, N, 1, 1},  // a numbered series of home videos
};

// Names of no kind: the caller (the season folder, else the template)
// decides what they are. Some still give their words before release tags.
const struct {
    const char* fileName;
    const char* title;
    const char* why;
} kNoKind[] = {
    {"Holiday.mpg", "", "one word, nothing to read"},
    {"Some.Home.Video.mpg", "", "words only"},
    {"2001 A Space Odyssey.mkv", "", "a number first is a title, and no year follows"},
    {"Blade Runner 2049.mkv", "", "a year between spaces may belong to the title"},
    // The TiVo would file these films as episode 1982 and 1999 of a show.
    {"Blade Runner - 1982.mkv", "", "a year after a lone dash is no episode number"},
    {"Holiday - 1999 (Final Cut).mpg", "", "the same, with words after it"},
    {"Movie Name 2012.mkv", "", "the same: the name cannot tell"},
    {"1917.mkv", "", "a year with no title before it is the title"},
    {"101 Dalmatians.mkv", "", "a number at the start without a dash is a title"},
    {"Apollo 13.mkv", "", "a number between spaces is a title"},
    {"The 4400.mkv", "", "4400 is no year"},
    {"Se7en.avi", "", "one word"},
    {"Birthday 1850.mpg", "", "years before 1900 are no release years"},
    {"The Kiss (1899).mkv", "", "the year before the first one is none"},
    {"Far Future (2100).mkv", "", "nor the year after the last one"},
    {"Wedding (12).mpg", "", "a number in brackets is no year"},
    {"Video 1920x1080.mp4", "", "a picture size, not season 1920"},
    {"Star Wars Episode 4.mkv", "", "\"Episode\" needs a season before it"},
    {"Season 1.mkv", "", "a season without an episode"},
    {"The Web.mp4", "", "\"Web\" is a tag only in capitals"},
    {"Keeping It Real.avi", "", "\"Real\" is a tag only in capitals"},
    {"映画の夜.mp4", "", "words only"},
    {"1080p.mkv", "", "a tag alone leaves no title"},
    {"noextension", "", "one word"},
    {".mkv", "", "no name at all"},
    // Camera and telephone names: counters and time stamps, never years.
    {"IMG_2012.mp4", "", "a camera's counter that looks like a year"},
    {"MVI_1999.MOV", "", "a camera's counter that looks like a year"},
    {"DSC_2010.avi", "", "a camera's counter that looks like a year"},
    {"VID_20120304_142530.mp4", "", "date and time joined into one number"},
    {"PXL_20210101_123456789.mp4", "", "date and time joined into one number"},
    {"20120304_142530.mp4", "", "date and time joined into one number"},
    {"GOPR0042.MP4", "", "one word"},
    {"Holiday 2012-07.mpg", "", "a month is no air date, and no year either"},
    {"The.Tonight.Show.2013.02.29.mkv", "", "a date that does not exist is no date, nor a year"},
    {"The Daily Show 2012 03 04.mkv", "", "numbers between spaces are no date"},
    {"Some.Movie.720p.HDTV.x264.mkv", "Some Movie", "release tags without a year: a movie or a recording"},
    {"Home Video WEBRip.mp4", "Home Video", "the same"},
    {"Movie.Name.1080p.2012.mkv", "Movie Name", "a year after the tags is not read"},
    {"Show.S1899E05.mkv", "", "four digits of a season that is no year from 1900 to 2100"},
    {"Show.S2101E05.mkv", "", "the same"},
    {"Show.S1234E05.mkv", "", "the same"},
    {"Show.S0012E05.mkv", "", "the same"},
    {"Show Season 1234 Episode 5.mkv", "", "the same in words"},
};

// Every row of the table reads as the kind with the values it names.
template <size_t Count>
void ExpectTable(const NameCase (&cases)[Count], ParsedName::Kind kind)
{
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.fileName);
        const ParsedName parsed = ParseMovieName(c.fileName);
        ASSERT_EQ(kind, parsed.kind);
        EXPECT_EQ(c.title, parsed.title);
        EXPECT_EQ(c.year, parsed.year);
        EXPECT_EQ(c.season, parsed.season);
        EXPECT_EQ(c.episode, parsed.episode);
        EXPECT_EQ(c.lastEpisode, parsed.lastEpisode);
        EXPECT_EQ(c.episodeTitle, parsed.episodeTitle);
        EXPECT_EQ(c.airDate, parsed.airDate.IsSet() ? parsed.airDate.Text() : "");
    }
}

}  // namespace

TEST(ParseMovieName, MovieShapesGiveTitleAndYear)
{
    ExpectTable(kMovies, ParsedName::Kind::Movie);
}

TEST(ParseMovieName, EpisodeShapesGiveShowSeasonEpisodesAndTitle)
{
    ExpectTable(kEpisodes, ParsedName::Kind::Episode);
}

TEST(ParseMovieName, DailyShowsGiveTheirAirDate)
{
    ExpectTable(kDaily, ParsedName::Kind::Episode);
}

TEST(ParseMovieName, EpisodesNumberedWithoutSeasonGiveNoSeason)
{
    ExpectTable(kNumbered, ParsedName::Kind::Episode);
}

TEST(ParseMovieName, OtherNamesAreOfNoKind)
{
    for (const auto& c : kNoKind) {
        const ParsedName parsed = ParseMovieName(c.fileName);
        EXPECT_EQ(ParsedName::Kind::None, parsed.kind) << c.fileName << " (" << c.why << ")";
        EXPECT_EQ(c.title, parsed.title) << c.fileName;
        EXPECT_EQ(0, parsed.year) << c.fileName;
        EXPECT_FALSE(parsed.airDate.IsSet()) << c.fileName;
        EXPECT_EQ(kNoNumber, parsed.episode) << c.fileName;
    }
}

TEST(ParseMovieName, TheTableHoldsEnoughShapes)
{
    const size_t count = std::size(kMovies) + std::size(kEpisodes) + std::size(kDaily) +
                         std::size(kNumbered) + std::size(kNoKind);
    EXPECT_GE(count, 150u);
}

TEST(ParseTitleText, FolderNamesKeepTheirDots)
{
    // No extension to cut: "Mr. Smith" stays whole.
    EXPECT_EQ("Mr. Smith", ParseTitleText("Mr. Smith (2001)").title);
    EXPECT_EQ(2005, ParseTitleText("Doctor Who (2005)").year);
    EXPECT_EQ(ParsedName::Kind::None, ParseTitleText("Doctor Who").kind);
}

TEST(SeasonOfFolderName, SeasonFoldersInSeveralLanguagesAndTheirNumbers)
{
    const struct {
        const char* name;
        int season;
    } cases[] = {
        {"Season 1", 1},
        {"Season 01", 1},
        {"season_2", 2},
        {"Season3", 3},
        {"SERIES 12", 12},
        {"S01", 1},
        {"s3", 3},
        {"Season 0", 0},
        {"Season 2012", 2012},
        {"Specials", 0},
        {"specials", 0},
        {"Staffel 1", 1},
        {"Saison 2", 2},
        {"Temporada 3", 3},
        {"Stagione 4", 4},
        {"Seizoen 5", 5},
        {"Sezon 6", 6},
        {"Säsong 7", 7},
        {"Sæson 8", 8},
        {"Sesong 9", 9},
        {"Kausi 10", 10},
        {"Сезон 2", 2},
        {"сезон 3", 3},
        {"シーズン1", 1},
        {"Season", N},
        {"Season ", N},
        {"Season 1 (2005)", N},
        {"Seasons", N},
        {"S01E02", N},
        {"S", N},
        {"Sx1", N},
        {"S 1", N},
        {"Dr Who", N},
        {"Season  1", N},
        {"Season \xd9\xa1", N},
        {"Series 12345", N},
        {"Special", N},
        {"", N},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.season, SeasonOfFolderName(c.name)) << c.name;
}

TEST(IsCalendarDate, LeapYearsAndMonthLengths)
{
    EXPECT_TRUE(IsCalendarDate(2024, 2, 29));
    EXPECT_TRUE(IsCalendarDate(2000, 2, 29));
    EXPECT_FALSE(IsCalendarDate(1900, 2, 29));
    EXPECT_FALSE(IsCalendarDate(2023, 2, 29));
    EXPECT_FALSE(IsCalendarDate(2012, 4, 31));
    EXPECT_FALSE(IsCalendarDate(2012, 13, 1));
    EXPECT_FALSE(IsCalendarDate(2012, 0, 1));
    EXPECT_FALSE(IsCalendarDate(2012, 1, 0));
}

TEST(EpisodeNumberText, SeasonThenTwoDigitEpisode)
{
    EXPECT_EQ("102", EpisodeNumberText(1, 2));
    EXPECT_EQ("1203", EpisodeNumberText(12, 3));
    EXPECT_EQ("110", EpisodeNumberText(1, 10));
    EXPECT_EQ("1105", EpisodeNumberText(1, 105));
    EXPECT_EQ("7", EpisodeNumberText(0, 7));
}
