#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "core/LongPathFolder.h"
#include "core/library/LibraryPlan.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataFormat.h"
#include "core/runs/GenerateRun.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

class GenerateRunTest : public ::testing::Test {
protected:
    GenerateRunTest()
    {
        std::tm day = {};
        day.tm_year = 2026 - 1900;
        day.tm_mon = 0;
        day.tm_mday = 2;
        day.tm_hour = 10;
        day.tm_isdst = -1;
        const std::time_t fixed = std::mktime(&day);
        log.SetClock([fixed] { return fixed; });
        stamp = LogTimeStamp(day) + ": ";

        request.folder = dir.Path();
        request.entries = {"A.mpg", "B.avi", "C.mkv"};
        request.metadata.seriesId = "MV991234";
        request.metadata.mpaaRating = 3;
        request.metadata.starRating = 2;
    }

    // Runs the request over its entries' movies, made empty where missing.
    GenerateResult Generate()
    {
        for (const std::string& entry : request.entries) {
            if (!PathExists(dir / entry))
                dir.WriteFile(entry);
        }
        return RunGenerate(request, log);
    }

    // A log line as the fixed clock stamps it.
    std::string Line(const std::string& message, const char* mark = "") const
    {
        return stamp + mark + message + "\n";
    }
    std::string Creating(int number, const std::string& entry) const
    {
        return Line("Creating metadata file " + std::to_string(number) + " of 3: " + (dir / entry) + ".txt");
    }
    std::string Skipping(int number, const std::string& entry) const
    {
        return Line("File already exists! Skipping metadata file " + std::to_string(number) +
                    " of 3: " + (dir / entry) + ".txt");
    }
    // A written file's text as it was composed, with line feeds.
    static std::string TextWithLineFeeds(const std::string& path)
    {
        std::string text = ReadFileBytes(path);
        for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.erase(at, 1);
        return text;
    }
    void ExpectOneBox(const std::string& caption, const std::string& text, MessageIcon icon)
    {
        ASSERT_EQ(1u, prompt.messages.size());
        EXPECT_EQ(caption, prompt.messages[0].caption);
        EXPECT_EQ(text, prompt.messages[0].text);
        EXPECT_EQ(icon, prompt.messages[0].icon);
        prompt.messages.clear();
    }

    TempFolder dir;
    ScriptedMessages prompt;
    ActivityLog log;
    std::string stamp;
    GenerateRequest request;
};

}  // namespace

TEST_F(GenerateRunTest, CreatesEveryMissingFileThenSkipsThemAll)
{
    GenerateResult result = Generate();
    EXPECT_EQ(3, result.created);
    EXPECT_EQ(Line("Generating metadata. Processing 3 files") + Creating(1, "A.mpg") + Creating(2, "B.avi") +
                  Creating(3, "C.mkv") + Line("3 Metadata Files Created - 0 skipped!"),
              log.Text());
    ExpectOneBox("Create Meta Files Success", "3 Metadata Files Created - 0 skipped!", MessageIcon::None);
    EXPECT_EQ(ComposeMetadata(request.metadata, dir / "B.avi", ""), TextWithLineFeeds(dir / "B.avi.txt"));

    dir.WriteFile("A.mpg.txt", "mine");
    log.SetText("");
    result = Generate();
    EXPECT_EQ(0, result.created);
    EXPECT_EQ(3, result.skipped);
    EXPECT_EQ(Line("Generating metadata. Processing 3 files") + Skipping(1, "A.mpg") + Skipping(2, "B.avi") +
                  Skipping(3, "C.mkv") + Line("All 3 Metadata Files skipped!!"),
              log.Text());
    ExpectOneBox("Existing Metadata Files Not Overwritten", "All 3 Metadata Files skipped!!",
                 MessageIcon::None);
    EXPECT_EQ("mine", ReadFileBytes(dir / "A.mpg.txt"));
}

TEST_F(GenerateRunTest, ReplaceRewritesExistingFiles)
{
    for (const std::string& entry : request.entries)
        dir.WriteFile(entry + ".txt", "old contents that are longer than nothing");
    request.replaceExisting = true;
    const GenerateResult result = Generate();
    EXPECT_EQ(3, result.created);
    ExpectOneBox("Create Meta Files Success", "3 Metadata Files Created - 0 skipped!", MessageIcon::None);
    EXPECT_EQ(0u, ReadFileBytes(dir / "C.mkv.txt").find("title : C\r\n"));
}

TEST_F(GenerateRunTest, TwoOfThreeExistingCreatesOne)
{
    request.folder = dir.Path() + kSeparator;
    dir.WriteFile("A.mpg.txt", "a");
    dir.WriteFile("C.mkv.txt", "c");
    const GenerateResult result = Generate();
    EXPECT_EQ(1, result.created);
    EXPECT_EQ(2, result.skipped);
    EXPECT_NE(std::string::npos,
              log.Text().find(Skipping(1, "A.mpg") + Creating(2, "B.avi") + Skipping(3, "C.mkv")));
    ExpectOneBox("Create Meta Files Success", "1 Metadata Files Created - 2 skipped!", MessageIcon::None);
    EXPECT_EQ("a", ReadFileBytes(dir / "A.mpg.txt"));
}

TEST_F(GenerateRunTest, EpisodeRunWithoutSeriesTitleIsRefusedUntouched)
{
    request.isEpisodeTicked = true;
    const GenerateResult result = Generate();
    EXPECT_TRUE(result.refused);
    const std::string message =
        "The \"Is Episode\" flag is checked. You must use a sub folder\n for these movies or turn this flag "
        "off "
        "to continue.\n\nNote: if you turn the \"Is Episode\" flag off the movies\nwill be pushed or pulled "
        "as "
        "individual movie files to TiVo.";
    EXPECT_EQ(Line(message, "<ERROR> "), log.Text());
    ExpectOneBox("Movie Meta Files Creation Error!", message, MessageIcon::Error);
    EXPECT_FALSE(PathExists(dir / "A.mpg.txt"));

    // The title field decides, not the template: with it the run goes on.
    request.seriesTitleText = "Garden Diary";
    EXPECT_EQ(3, Generate().created);
    request.isEpisodeTicked = false;
    request.seriesTitleText.clear();
    request.replaceExisting = true;
    EXPECT_FALSE(Generate().refused);
}

TEST_F(GenerateRunTest, EmptyListEndsInTheErrorBox)
{
    request.entries.clear();
    const GenerateResult result = Generate();
    EXPECT_EQ(0, result.created);
    EXPECT_EQ(Line("Generating metadata. Processing 0 files") +
                  Line("There are no movie files in the list.", "<ERROR> "),
              log.Text());
    ExpectOneBox("Movie Meta Files Creation Error!", "There are no movie files in the list.",
                 MessageIcon::Error);
}

// Windows only: there a file another program holds open cannot be replaced.
#ifdef _WIN32
TEST_F(GenerateRunTest, FilesThatCannotBeWrittenAreLoggedAndNotCounted)
{
    dir.WriteFile("A.mpg.txt", "read-only");
    SetFileAttributesW(FilePath((dir / "A.mpg.txt")).c_str(), FILE_ATTRIBUTE_READONLY);
    dir.WriteFile("C.mkv.txt", "locked");
    HANDLE lock = CreateFileW(FilePath((dir / "C.mkv.txt")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    request.replaceExisting = true;
    const GenerateResult result = Generate();
    CloseHandle(lock);

    EXPECT_EQ(1, result.created);
    EXPECT_EQ(2, result.failed);
    ExpectOneBox("Movie Meta Files Creation Error!", "1 Metadata Files Created - 0 skipped - 2 failed!",
                 MessageIcon::Error);
    EXPECT_EQ("read-only", ReadFileBytes(dir / "A.mpg.txt"));
    EXPECT_EQ("locked", ReadFileBytes(dir / "C.mkv.txt"));
    EXPECT_NE(std::string::npos,
              log.Text().find(Creating(1, "A.mpg") + stamp +
                              "<ERROR> Could not write metadata file: " + (dir / "A.mpg") + ".txt\n"));
    EXPECT_NE(std::string::npos,
              log.Text().find("<ERROR> Could not write metadata file: " + (dir / "C.mkv") + ".txt\n"));
    EXPECT_EQ(std::string::npos, log.Text().find('\r'));
}
#endif

TEST_F(GenerateRunTest, OddCharactersInNamesReachFileAndLogUnchanged)
{
    request.entries = {"Café & Co.avi", "100% Fun %s.mpg"};
    const GenerateResult result = Generate();
    EXPECT_EQ(2, result.created);
    EXPECT_EQ(0u, ReadFileBytes(dir / "Café & Co.avi.txt")
                      .find(kTextFilesInWindows1252 ? "title : Caf\xE9 & Co\r\n" : "title : Café & Co\r\n"));
    EXPECT_EQ(0u, ReadFileBytes(dir / "100% Fun %s.mpg.txt").find("title : 100% Fun %s\r\n"));
    EXPECT_NE(std::string::npos, log.Text().find("2 of 2: " + (dir / "100% Fun %s.mpg") + ".txt\n"));
}

TEST_F(GenerateRunTest, ProgressComesBeforeEveryMovieAndCancelLeavesTheRestUntouched)
{
    request.entries = {"A.mpg", "B.avi", "C.mkv", "D.mpg", "E.ts"};
    // A replaced file is counted as what it was, not as created.
    dir.WriteFile("B.avi.txt", "old");
    request.replaceExisting = true;
    std::vector<int> seen;
    request.progress = [&](int done, const std::string&) {
        seen.push_back(done);
        return done < 2;  // the user cancels while the third is next
    };
    const GenerateResult result = Generate();

    EXPECT_EQ((std::vector<int>{0, 1, 2, 5}), seen) << "the last call says the run is over";
    EXPECT_EQ(2, result.created);
    EXPECT_EQ(1, result.replaced);
    EXPECT_EQ(3, result.cancelled);
    EXPECT_EQ((std::vector<std::string>{"A.mpg", "A.mpg.txt", "B.avi", "B.avi.txt", "C.mkv", "D.mpg", "E.ts"}),
              NamesInFolder(dir.Path()));
    ASSERT_EQ(1u, prompt.messages.size());
    EXPECT_EQ("Create Meta Files Cancelled", prompt.messages[0].caption);
    EXPECT_EQ("1 Metadata Files Created - 1 replaced - 0 skipped - 0 failed - 3 cancelled", prompt.messages[0].text);
}

TEST_F(GenerateRunTest, AFileThatAppearsAfterTheListingIsNeverOverwritten)
{
    // Another program writes B's metadata file while the run is going.
    request.progress = [&](int done, const std::string&) {
        if (done == 1)
            dir.WriteFile("B.avi.txt", "written meanwhile");
        return true;
    };
    const GenerateResult result = Generate();

    EXPECT_EQ("written meanwhile", ReadFileBytes(dir / "B.avi.txt"));
    EXPECT_EQ(2, result.created);
    EXPECT_EQ(1, result.skipped);
    EXPECT_NE(
        std::string::npos,
        log.Text().find("File already exists! Skipping metadata file 2 of 3: " + (dir / "B.avi") + ".txt\n"));
    EXPECT_EQ("2 Metadata Files Created - 1 skipped!", prompt.messages.back().text);
}

TEST_F(GenerateRunTest, AMovieThatGoesDuringTheRunGetsNoFileUnderItsOldName)
{
    // B goes after the folder was read, while A's file is being written.
    const struct {
        const char* how;
        std::function<void(const TempFolder&)> go;
    } ways[] = {
        {"renamed", [](const TempFolder& d) { ASSERT_EQ(0, std::rename((d / "B.avi").c_str(), (d / "B2.avi").c_str())); }},
        {"moved below", [](const TempFolder& d) {
             d.MakeFolder("Sub");
             ASSERT_EQ(0, std::rename((d / "B.avi").c_str(), (d / "Sub\\B.avi").c_str()));
         }},
        {"deleted", [](const TempFolder& d) { ASSERT_EQ(0, DeleteFileItself(d / "B.avi", false)); }},
        {"a folder in its place", [](const TempFolder& d) {
             ASSERT_EQ(0, DeleteFileItself(d / "B.avi", false));
             d.MakeFolder("B.avi");
         }},
    };
    for (const bool metaFolder : {false, true}) {
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(way.how) + (metaFolder ? " (.meta)" : ""));
            TempFolder library;
            request.folder = library.Path();
            request.metaFolder = metaFolder;
            for (const std::string& entry : request.entries)
                library.WriteFile(entry);
            request.progress = [&](int done, const std::string&) {
                if (done == 1)
                    way.go(library);
                return true;
            };
            std::vector<FileOutcome> told;
            request.outcome = [&told](const FileOutcome& outcome) { told.push_back(outcome); };
            log.SetText("");
            const GenerateResult result = RunGenerate(request, log);

            const std::string gone = metaFolder ? library / ".meta\\B.avi.txt" : library / "B.avi.txt";
            EXPECT_FALSE(PathExists(gone));
            EXPECT_TRUE(PathExists(metaFolder ? library / ".meta\\C.mkv.txt" : library / "C.mkv.txt"));
            EXPECT_EQ(2, result.created);
            EXPECT_EQ(1, result.skipped);
            EXPECT_EQ(0, result.failed);
            ASSERT_EQ(3u, told.size());
            EXPECT_EQ(FileResult::Skipped, told[1].result);
            EXPECT_EQ(kMovieGone, told[1].reason);
            EXPECT_NE(std::string::npos,
                      log.Text().find("The movie is not there any more. Skipping metadata file 2 of 3: " + gone + "\n"))
                << log.Text();
            EXPECT_EQ("2 Metadata Files Created - 1 skipped!", prompt.messages.back().text);
        }
    }
}

TEST_F(GenerateRunTest, AnEmptyMetadataFileCountsAsMissingAndIsWrittenAgain)
{
    // What a power cut can leave of a new file.
    dir.WriteFile("A.mpg.txt", "");
    dir.WriteFile("B.avi.txt", "title : kept\r\n");
    const GenerateResult result = Generate();
    EXPECT_EQ(2, result.created);
    EXPECT_EQ(1, result.skipped);
    EXPECT_EQ(0u, ReadFileBytes(dir / "A.mpg.txt").find("title : A\r\n"));
    EXPECT_EQ("title : kept\r\n", ReadFileBytes(dir / "B.avi.txt"));
}

TEST_F(GenerateRunTest, PathsBeyondMaxPathAreWrittenOrReportedWhole)
{
    LongPathFolder deep(dir.Path(), 300);
    deep.AddFile("Deep.avi");
    deep.ExpectFile("Deep.avi.txt");
    request.folder = deep.Path();
    request.entries = {"Deep.avi"};
    const GenerateResult result = Generate();
    EXPECT_EQ(1, result.created + result.failed);
    if (result.failed == 1) {
        EXPECT_NE(std::string::npos, log.Text().find("Could not write metadata file: " + deep.Path() +
                                                     kSeparator + "Deep.avi.txt\n"));
        ExpectOneBox("Movie Meta Files Creation Error!", "0 Metadata Files Created - 0 skipped - 1 failed!",
                     MessageIcon::Error);
    }

    request.folder = dir.Path() + kSeparator + std::string(1100, 'x');
    EXPECT_EQ(1, Generate().failed);
}

TEST_F(GenerateRunTest, EntriesInSubFoldersGetTheirFilesBesideThemAndTheirFoldersSeriesTitle)
{
    request.entries = {"A.mpg", NativePath("Dr Who\\Season 1\\e1.mpg"), NativePath("Dr Who\\e0.avi"),
                       NativePath("Extras\\x.mkv")};
    for (const std::string& entry : request.entries)
        dir.WriteFile(entry);
    dir.WriteFile("Extras\\x.mkv.txt", "mine");
    request.metadata.movieMode = false;
    request.metadata.seriesTitle = "Shows";
    request.isEpisodeTicked = true;
    request.seriesTitleText = "Shows";

    const GenerateResult result = Generate();

    EXPECT_EQ(3, result.created);
    EXPECT_EQ(1, result.skipped);
    const auto firstLine = [&](const std::string& entry) {
        const std::string text = ReadFileBytes(dir / (entry + ".txt"));
        return text.substr(0, text.find("\r\n"));
    };
    EXPECT_EQ("title : Shows", firstLine("A.mpg"));
    EXPECT_EQ("title : Dr Who", firstLine(NativePath("Dr Who\\Season 1\\e1.mpg")));
    EXPECT_EQ("title : Dr Who", firstLine(NativePath("Dr Who\\e0.avi")));
    EXPECT_EQ("mine", ReadFileBytes(dir / "Extras\\x.mkv.txt"));
    EXPECT_NE(std::string::npos,
              ReadFileBytes(dir / "Dr Who\\Season 1\\e1.mpg.txt").find("episodeTitle : e1\r\n"));
    EXPECT_NE(std::string::npos, log.Text().find(Line("Creating metadata file 2 of 4: " +
                                                      (dir / "Dr Who\\Season 1\\e1.mpg") + ".txt")));
    // Every folder's work folder is gone again.
    EXPECT_EQ((std::vector<std::string>{"e1.mpg", "e1.mpg.txt"}), NamesInFolder(dir / "Dr Who\\Season 1"));
    EXPECT_EQ((std::vector<std::string>{"A.mpg", "A.mpg.txt", "Dr Who", "Extras"}),
              NamesInFolder(dir.Path()));
}

TEST_F(GenerateRunTest, AnAirDateThatIsNoDateRefusesAnEpisodeRunUntouched)
{
    request.isEpisodeTicked = true;
    request.seriesTitleText = request.metadata.seriesTitle = "Garden Diary";
    request.metadata.movieMode = false;
    request.metadata.originalAirDate = "31.03.2012";
    EXPECT_TRUE(Generate().refused);
    ExpectOneBox("Movie Meta Files Creation Error!",
                 "The original air date \"31.03.2012\" is not a date.\nType it as YYYY-MM-DD, for example "
                 "2012-03-31, or leave it empty.",
                 MessageIcon::Error);
    EXPECT_FALSE(PathExists(dir / "A.mpg.txt"));

    // A real date is written; the movie layout writes none, so it refuses none.
    request.metadata.originalAirDate = "2012-03-31";
    EXPECT_EQ(3, Generate().created);
    EXPECT_NE(std::string::npos,
              ReadFileBytes(dir / "A.mpg.txt").find("originalAirDate : 2012-03-31T00:00:00Z\r\n"));
    request.metadata.movieMode = true;
    request.metadata.originalAirDate = "soon";
    request.isEpisodeTicked = false;
    request.replaceExisting = true;
    EXPECT_EQ(3, Generate().created);
}

TEST_F(GenerateRunTest, EpisodeNamesGiveTheSeriesTitleWhenTheFolderGivesNone)
{
    request.entries = {"Show.Name.S01E02.Pilot.mkv", "Show Name - 1x03 - Second.avi"};
    request.isEpisodeTicked = true;
    request.metadata.movieMode = false;
    request.metadata.parseNames = true;
    EXPECT_EQ(2, Generate().created);
    EXPECT_NE(std::string::npos,
              ReadFileBytes(dir / "Show Name - 1x03 - Second.avi.txt")
                  .find("title : Show Name\r\nseriesTitle : Show Name\r\nepisodeTitle : Second\r\n"));

    // One name without a show's name: refused as before, nothing written.
    request.entries.push_back("Holiday.mpg");
    request.replaceExisting = true;
    EXPECT_TRUE(Generate().refused);
    EXPECT_FALSE(PathExists(dir / "Holiday.mpg.txt"));
    request.metadata.parseNames = false;
    request.entries.pop_back();
    EXPECT_TRUE(Generate().refused);
}

TEST_F(GenerateRunTest, WithNameReadingEachFileIsWrittenAsItsPlanWhateverTheTick)
{
    request.entries = {NativePath("Doctor Who\\Season 1\\Doctor.Who.2005.S01E01.Rose.mkv"),
                       NativePath("Movies\\Die Hard.1988.mkv"), "Holiday.mpg"};
    for (const std::string& entry : request.entries)
        dir.WriteFile(entry);
    request.isEpisodeTicked = true;
    request.seriesTitleText = request.metadata.seriesTitle = "Library";
    request.metadata.movieMode = false;
    request.metadata.isEpisode = "true";
    request.metadata.tvRating = 2;
    request.metadata.originalAirDate = "2012-03-31";
    request.metadata.parseNames = true;
    // What a dry run shows is what the run writes.
    const LibraryPlan plan = PlanLibrary(request.folder, request.entries, request.metadata);

    EXPECT_EQ(3, Generate().created);
    for (const PlannedMovie& movie : plan.movies)
        EXPECT_EQ(movie.text, TextWithLineFeeds(movie.moviePath + ".txt")) << movie.entry;
    const std::string movie = ReadFileBytes(dir / "Movies\\Die Hard.1988.mkv.txt");
    EXPECT_EQ(0u, movie.find("title : Die Hard\r\nseriesTitle : Die Hard\r\nepisodeTitle : \r\n"));
    EXPECT_NE(std::string::npos, movie.find("movieYear : 1988\r\n"));
    EXPECT_NE(std::string::npos, movie.find("isEpisode : false\r\nmpaaRating : R4\r\n"));
    EXPECT_EQ(std::string::npos, movie.find("originalAirDate"));
    const std::string episode =
        ReadFileBytes(dir / "Doctor Who\\Season 1\\Doctor.Who.2005.S01E01.Rose.mkv.txt");
    EXPECT_EQ(0u, episode.find("title : Doctor Who\r\nseriesTitle : Doctor Who\r\nepisodeTitle : Rose\r\n"));
    EXPECT_NE(std::string::npos, episode.find("isEpisode : true\r\ntvRating : x2\r\n"));
    EXPECT_NE(std::string::npos, episode.find("episodeNumber : 101\r\n"));
    // The typed air date belongs to no file of a run over several folders.
    EXPECT_EQ(std::string::npos, episode.find("originalAirDate"));
    // A name of no kind follows the tick.
    EXPECT_EQ(0u, ReadFileBytes(dir / "Holiday.mpg.txt")
                      .find("title : Library\r\nseriesTitle : Library\r\nepisodeTitle : Holiday\r\n"));
}

TEST_F(GenerateRunTest, AnEpisodeWhoseShowNobodyNamesRefusesTheRunUntouched)
{
    // The movie folder gives no title (as a drive root), the name no show.
    request.entries = {"S01E02.mkv", "Movie (2001).mkv"};
    request.metadata.parseNames = true;
    EXPECT_TRUE(Generate().refused);
    ExpectOneBox("Movie Meta Files Creation Error!",
                 "The name of \"S01E02.mkv\" reads as an episode, but neither it nor its folder names the "
                 "show.\nName the show in the file name (Show.Name.S01E02.mkv) or put the episodes into a "
                 "folder named after the show.",
                 MessageIcon::Error);
    EXPECT_FALSE(PathExists(dir / "Movie (2001).mkv.txt"));

    // With the tick set, the words the user knows.
    request.isEpisodeTicked = true;
    request.metadata.movieMode = false;
    EXPECT_TRUE(Generate().refused);
    EXPECT_EQ(0u, prompt.messages.back().text.find("The \"Is Episode\" flag is checked."));
    // Named by the folder, it goes ahead.
    request.metadata.seriesTitle = request.seriesTitleText = "Garden Diary";
    EXPECT_EQ(2, Generate().created);
}

TEST_F(GenerateRunTest, AChosenSeasonFolderGivesItsEpisodesTheShowAboveIt)
{
    request.folder = dir / "Dr Who\\Season 1";
    request.entries = {"e1.mpg"};
    dir.WriteFile("Dr Who\\Season 1\\e1.mpg");
    request.isEpisodeTicked = true;
    // The folder's own name, as the window sets it.
    request.seriesTitleText = request.metadata.seriesTitle = "Season 1";
    request.metadata.movieMode = false;
    EXPECT_EQ(1, Generate().created);
    EXPECT_EQ(0u, ReadFileBytes(dir / "Dr Who\\Season 1\\e1.mpg.txt")
                      .find("title : Dr Who\r\nseriesTitle : Dr Who\r\nepisodeTitle : e1\r\n"));
}

TEST_F(GenerateRunTest, EachFilesOutcomeIsToldAsTheLogTellsIt)
{
    dir.WriteFile("A.mpg.txt", "kept");
    dir.WriteFile("B.avi.txt", "old");
    dir.WriteFile("C.mkv.txt", "protected");
    SetReadOnly(dir / "C.mkv.txt");
    dir.WriteFile("D.mpg");
    request.entries.push_back("D.mpg");
    std::vector<FileOutcome> told;
    request.outcome = [&told](const FileOutcome& outcome) { told.push_back(outcome); };

    Generate();
    ASSERT_EQ(4u, told.size());
    for (const FileOutcome& outcome : told)
        EXPECT_EQ(outcome.moviePath + ".txt", outcome.metadataPath);
    EXPECT_EQ(FileResult::Skipped, told[0].result);
    EXPECT_EQ(FileResult::Skipped, told[1].result);
    EXPECT_EQ(FileResult::Skipped, told[2].result);
    EXPECT_EQ(FileResult::Created, told[3].result);

    told.clear();
    request.replaceExisting = true;
    Generate();
    ASSERT_EQ(4u, told.size());
    EXPECT_EQ(dir / "B.avi", told[1].moviePath);
    EXPECT_EQ(FileResult::Replaced, told[1].result);
    EXPECT_EQ(FileResult::Failed, told[2].result);
    // The reason is the second line of the log's error.
    EXPECT_FALSE(told[2].reason.empty());
    EXPECT_NE(std::string::npos, log.Text().find(".txt\n" + told[2].reason + "\n")) << told[2].reason;
    EXPECT_EQ("", told[1].reason);
}

TEST_F(GenerateRunTest, ARunThatWritesSomeEntriesPlansThemAmongAll)
{
    // Two shows in two folders: with name reading each gets a series ID of
    // its own, which a run over one new file must give it too.
    request.metadata.parseNames = true;
    request.metadata.movieMode = false;
    request.entries = {"Dr Who\\Dr.Who.S01E01.mkv", "Dr Who\\Dr.Who.S01E02.mkv", "Heat (1995).mkv"};
    for (std::string& entry : request.entries) {
        entry = NativePath(entry);
        dir.WriteFile(entry);
    }
    const std::string second = dir / "Dr Who\\Dr.Who.S01E02.mkv.txt";
    Generate();
    const std::string whole = ReadFileBytes(second);
    ASSERT_NE(std::string::npos, whole.find("seriesTitle : Dr Who\r\n")) << whole;
    ASSERT_EQ(std::string::npos, whole.find("seriesId : MV991234")) << whole;

    DeleteFileItself(second, false);
    DeleteFileItself(dir / "Heat (1995).mkv.txt", false);
    request.writeOnly = {request.entries[1]};
    log.SetText("");
    const GenerateResult result = Generate();

    EXPECT_EQ(1, result.created);
    EXPECT_EQ(whole, ReadFileBytes(second));
    // Nothing is done or counted for the others: Heat keeps having no file.
    EXPECT_FALSE(PathExists(dir / "Heat (1995).mkv.txt"));
    EXPECT_EQ(Line("Generating metadata. Processing 1 files") +
                  Line("Creating metadata file 1 of 1: " + second) + Line("1 Metadata Files Created - 0 skipped!"),
              log.Text());
}
