#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "core/metadata/MetadataFormat.h"
#include "core/metadata/MetadataWriter.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

namespace {

// The template as a first start leaves it, with a known series ID.
MetadataTemplate DefaultTemplate()
{
    MetadataTemplate metadata;
    metadata.seriesId = "MV994711";
    metadata.description = "(2012) My home Movies, stuff from the internet etc.";
    metadata.isEpisode = "false";
    metadata.movieMode = true;
    metadata.starRating = FindComboItem(StarRatings().items, "3 (***) stars");
    metadata.mpaaRating = FindComboItem(MpaaRatings().items, "R - Restricted, < 17 Req Parent");
    metadata.tvRating = FindComboItem(TvRatings().items, "TV-G - General Audiences");
    return metadata;
}

}  // namespace

TEST(MetadataFile, MovieLayoutWithDefaultsIsByteExact)
{
    TempFolder dir;
    const std::string movie = dir / "Holiday.mpg";
    ASSERT_TRUE(WriteMetadataFile(movie, ComposeMetadata(DefaultTemplate(), movie, "")));
    EXPECT_EQ(
        "title : Holiday\r\n"
        "seriesTitle : Holiday\r\n"
        "episodeTitle : \r\n"
        "seriesId : MV994711\r\n"
        "movieYear : 2012\r\n"
        "description : (2012) My home Movies, stuff from the internet etc.\r\n"
        "isEpisode : false\r\n"
        "mpaaRating : R4\r\n"
        "starRating : x5\r\n",
        ReadFileBytes(dir / "Holiday.mpg.txt"));
}

TEST(MetadataFile, EpisodeLayoutCarriesSeriesTitleAndTvRatingOnly)
{
    TempFolder dir;
    dir.MakeFolder("Garden Diary");
    MetadataTemplate metadata = DefaultTemplate();
    metadata.movieMode = false;
    metadata.isEpisode = "true";
    metadata.seriesTitle = "Garden Diary";
    metadata.seriesId = "SH990200";
    metadata.tvRating = FindComboItem(TvRatings().items, "TV-14 - Parents Strongly Cautioned ");
    const std::string movie = dir / "Garden Diary\\Week 01.avi";
    ASSERT_TRUE(WriteMetadataFile(movie, ComposeMetadata(metadata, movie, "")));
    EXPECT_EQ(
        "title : Garden Diary\r\n"
        "seriesTitle : Garden Diary\r\n"
        "episodeTitle : Week 01\r\n"
        "seriesId : SH990200\r\n"
        "movieYear : 2012\r\n"
        "description : (2012) My home Movies, stuff from the internet etc.\r\n"
        "isEpisode : true\r\n"
        "tvRating : x5\r\n"
        "starRating : x5\r\n",
        ReadFileBytes(dir / "Garden Diary\\Week 01.avi.txt"));
}

TEST(ComposeMetadata, TitleIsTheFileNameWithoutItsLastExtension)
{
    const MetadataTemplate metadata = DefaultTemplate();
    auto firstLine = [&](const std::string& path, const std::string& override) {
        const std::string text = ComposeMetadata(metadata, path, override);
        return text.substr(0, text.find('\n'));
    };
    EXPECT_EQ("title : A.B.C", firstLine(NativePath("D:\\Films\\A.B.C.mkv"), ""));
    EXPECT_EQ("title : Holiday.2012", firstLine(NativePath("D:\\Films\\Holiday.2012.mpg"), ""));
    EXPECT_EQ("title : NoDot", firstLine(NativePath("D:\\Films\\NoDot"), ""));
    EXPECT_EQ("title : ", firstLine(NativePath("D:\\Films\\.mpg"), ""));
    EXPECT_EQ("title : <<< Your Movie File Name Here >>>",
              firstLine("<<< Your Movie File Name Here >>>", ""));
    EXPECT_EQ("title : Chosen", firstLine(NativePath("D:\\Films\\Holiday.mpg"), "Chosen"));
}

TEST(ComposeMetadata, DescriptionLineBreaksAndMissingRatingsKeepNineKeyLines)
{
    MetadataTemplate metadata = DefaultTemplate();
    // pyTivo would read a second line holding a colon as a key of its own.
    metadata.description = "First line\ntitle : Hijacked\r\nThird\rFourth";
    metadata.mpaaRating = -1;
    metadata.starRating = 99;
    EXPECT_EQ(
        "title : Holiday\n"
        "seriesTitle : Holiday\n"
        "episodeTitle : \n"
        "seriesId : MV994711\n"
        "movieYear : 2012\n"
        "description : First line title : Hijacked Third Fourth\n"
        "isEpisode : false\n"
        "mpaaRating : \n"
        "starRating : \n",
        ComposeMetadata(metadata, NativePath(NativePath("C:\\Holiday.mpg")), ""));

    metadata.movieMode = false;
    metadata.tvRating = -1;
    const std::string episode = ComposeMetadata(metadata, NativePath(NativePath("C:\\Holiday.mpg")), "");
    EXPECT_NE(std::string::npos, episode.find("\ntvRating : \n"));
    EXPECT_EQ(std::string::npos, episode.find("mpaaRating"));
}

TEST(RatingTables, CodesFollowTheirFixedPositions)
{
    EXPECT_EQ("x7", RatingCode(StarRatings(), FindComboItem(StarRatings().items, "4")));
    EXPECT_EQ("N8", RatingCode(MpaaRatings(), FindComboItem(MpaaRatings().items, "NR")));
    EXPECT_EQ("N6", RatingCode(MpaaRatings(), FindComboItem(MpaaRatings().items, "NC-17")));
    EXPECT_EQ("x7", RatingCode(TvRatings(), FindComboItem(TvRatings().items, "TV-NR")));
    EXPECT_EQ("", RatingCode(TvRatings(), 8));
}

TEST(FindComboItem, SelectsTheFirstItemBeginningWithTheStoredTextInAnyCase)
{
    EXPECT_EQ(3, FindComboItem(StarRatings().items, "4"));
    EXPECT_EQ(-1, FindComboItem(StarRatings().items, "5 stars"));
    EXPECT_EQ(-1, FindComboItem(StarRatings().items, ""));
    EXPECT_EQ(5, FindComboItem(TvRatings().items, "tv-14 - parents strongly cautioned"));
    EXPECT_EQ(-1, FindComboItem(TvRatings().items, "TV-14 - Parents Strongly Cautioned  "));
    // "TV-Y7" comes before "TV-Y" in the list, but "TV-Y" is the name of
    // "TV-Y - All Children" (as an administrator writes it in reelmark.ini).
    EXPECT_EQ(2, FindComboItem(TvRatings().items, "TV-Y"));
    EXPECT_EQ(1, FindComboItem(TvRatings().items, "TV-Y7"));
    EXPECT_EQ(1, FindComboItem(SeriesTypeItems(), "mv movies"));
    EXPECT_EQ(0, FindComboItem(SeriesTypeItems(), "SH"));
}

TEST(WriteMetadataFile, WritesOddNamesAndBytesAsGivenWithoutBom)
{
    TempFolder dir;
    const std::string movie = dir / "Café & Co.avi";
    ASSERT_TRUE(WriteMetadataFile(movie, "title : Café & Co\n"));
    // On Windows Windows-1252 bytes, as earlier versions wrote them.
    EXPECT_EQ(kTextFilesInWindows1252 ? "title : Caf\xE9 & Co\r\n" : "title : Café & Co\r\n",
              ReadFileBytes(dir / "Café & Co.avi.txt"));

    // A shorter text replaces a longer file whole.
    ASSERT_TRUE(WriteMetadataFile(movie, "x\n"));
    EXPECT_EQ("x\r\n", ReadFileBytes(dir / "Café & Co.avi.txt"));
}

TEST(WriteMetadataFile, FailureLeavesExistingFilesIntactAndNothingBehind)
{
    TempFolder dir;
    dir.WriteFile("Kept.mpg.txt", "title : Kept\r\n");
    SetReadOnly(dir / "Kept.mpg.txt");
    unsigned long error = 0;
    EXPECT_FALSE(WriteMetadataFile(dir / "Kept.mpg", "title : New\n", &error));
    EXPECT_EQ(kErrorAccessDenied, error);
    EXPECT_EQ("title : Kept\r\n", ReadFileBytes(dir / "Kept.mpg.txt"));

    error = 0;
    EXPECT_FALSE(WriteMetadataFile(dir / "missing\\Lost.mpg", "x\n", &error));
    EXPECT_NE(0u, error);
    EXPECT_FALSE(PathExists(dir / "missing"));

    EXPECT_EQ((std::vector<std::string>{"Kept.mpg.txt"}), NamesInFolder(dir.Path()))
        << "nothing temporary stays";
}

namespace {

// The nine lines every layout wrote before the optional lines existed.
std::string NineLines(bool movieMode, const std::string& title)
{
    const std::string series = movieMode ? title : "Garden Diary";
    return "title : " + series + "\nseriesTitle : " + series +
           "\nepisodeTitle : " + (movieMode ? "" : title) +
           "\nseriesId : MV994711\nmovieYear : 2012\n"
           "description : (2012) My home Movies, stuff from the internet etc.\nisEpisode : false\n" +
           (movieMode ? "mpaaRating : R4\n" : "tvRating : x3\n") + "starRating : x5\n";
}

}  // namespace

TEST(ComposeMetadata, EveryOptionOffGivesTheNineLinesOfEachLayoutUnchanged)
{
    struct Case {
        const char* name;
        const char* title;  // today's title: the file name without its extension
    };
    const Case names[] = {{"Holiday.mpg", "Holiday"},
                          {"Movie.Name.2012.1080p.mkv", "Movie.Name.2012.1080p"},
                          {"Show.Name.S01E02.Episode.Title.mkv", "Show.Name.S01E02.Episode.Title"},
                          {"Movie Name (1999).avi", "Movie Name (1999)"}};
    for (bool movieMode : {true, false}) {
        MetadataTemplate metadata = DefaultTemplate();
        metadata.movieMode = movieMode;
        metadata.seriesTitle = "Garden Diary";
        for (const Case& c : names) {
            SCOPED_TRACE(std::string(c.name) + (movieMode ? " movie" : " episode"));
            const std::string path = NativePath("D:\\Films\\") + c.name;
            EXPECT_EQ(NineLines(movieMode, c.title), ComposeMetadata(metadata, path, ""));
            // Fields typed and cleared again, spaces and separators only.
            metadata.genres = " , ; ";
            metadata.originalAirDate = movieMode ? "2012-03-31" : "";
            EXPECT_EQ(NineLines(movieMode, c.title), ComposeMetadata(metadata, path, ""));
            metadata.genres.clear();
        }
    }
}

TEST(ComposeMetadata, GenresAndAirDateFollowAsPyTivoKeys)
{
    MetadataTemplate metadata = DefaultTemplate();
    metadata.movieMode = false;
    metadata.seriesTitle = "Garden Diary";
    metadata.genres = "Comedy, Drama;Family ;; Science Fiction";
    metadata.originalAirDate = " 2012-02-29 ";
    // A file with an air date has no movieYear: pyTivo would send the TiVo
    // the year instead of the date.
    std::string dated = NineLines(false, "Week 01");
    dated.erase(dated.find("movieYear : 2012\n"), std::string("movieYear : 2012\n").size());
    EXPECT_EQ(dated +
                  "originalAirDate : 2012-02-29T00:00:00Z\n"
                  "vProgramGenre : Comedy\nvProgramGenre : Drama\nvProgramGenre : Family\n"
                  "vProgramGenre : Science Fiction\n",
              ComposeMetadata(metadata, NativePath("D:\\Garden Diary\\Week 01.avi"), ""));
    // A date that is no date is never written.
    metadata.genres.clear();
    metadata.originalAirDate = "2011-02-29";
    EXPECT_EQ(NineLines(false, "Week 01"),
              ComposeMetadata(metadata, NativePath("D:\\Garden Diary\\Week 01.avi"), ""));
}

TEST(AirDateOf, RealCalendarDatesYearMonthDayWrittenWithTwoDigitMonthsAndDays)
{
    const std::pair<const char*, const char*> good[] = {
        {"2012-03-31", "2012-03-31"}, {"2000-02-29", "2000-02-29"}, {" 2024-02-29 ", "2024-02-29"},
        {"2012-3-4", "2012-03-04"},   {"2012-3-31", "2012-03-31"},  {"2012-11-4", "2012-11-04"},
    };
    for (const auto& date : good) {
        EXPECT_EQ(date.second, AirDateOf(date.first)) << date.first;
        EXPECT_TRUE(IsAirDate(date.first)) << date.first;
    }
    for (const char* bad : {"", "31/03/2012", "2012-13-01", "2012-00-10", "2012-04-31", "1900-02-29", "2012-2-30",
                            "2012-03-31T00:00:00Z", "2012-03-3x", "２０１２-03-31", "0999-01-01", "12-3-4",
                            "2012-003-04", "2012--4", "2012-3-", "2012-3-4-5"})
        EXPECT_EQ("", AirDateOf(bad)) << bad;
}

TEST(RatingTables, AStoredTextNamesTheItemItIsTheNameOfBeforeOneItMerelyStarts)
{
    const struct {
        const std::vector<std::string>& items;
        const char* stored;
        const char* item;
    } cases[] = {
        // "TV-Y" is the start of "TV-Y7 - Older Children", which stands first.
        {TvRatings().items, "TV-Y", "TV-Y - All Children"},
        {TvRatings().items, "tv-y", "TV-Y - All Children"},
        {TvRatings().items, "TV-Y7", "TV-Y7 - Older Children"},
        {TvRatings().items, "TV-14 - Parents Strongly Cautioned", "TV-14 - Parents Strongly Cautioned "},
        {TvRatings().items, "TV-14 - Parents Strongly Cautioned ", "TV-14 - Parents Strongly Cautioned "},
        {TvRatings().items, "TV-1", "TV-14 - Parents Strongly Cautioned "},
        {MpaaRatings().items, "PG", "PG - Parental Guidance"},
        {MpaaRatings().items, "PG-13", "PG-13 - Parents Strongly Cautioned"},
        {MpaaRatings().items, "N", "NC-17 - No One 17"},
        {StarRatings().items, "3", "3 (***) stars"},
        {SeriesTypeItems(), "SH", "SH general TV shows"},
    };
    for (const auto& c : cases) {
        const int found = FindComboItem(c.items, c.stored);
        ASSERT_GE(found, 0) << c.stored;
        EXPECT_EQ(c.item, c.items[found]) << c.stored;
    }
    EXPECT_EQ(-1, FindComboItem(TvRatings().items, "TV14"));
}
