// Generate over a library that other files already describe (Kodi .nfo
// movies and episodes, a show's default.txt, Sonarr's .meta files) and
// plain movies: every value the library had stays what the TiVo shows,
// Reelmark adds what it lacks; with the whole template, today's files.
#include <gtest/gtest.h>

#include <map>

#include "core/files/TextFile.h"
#include "core/library/LibraryPlan.h"
#include "core/library/MovieList.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/SeriesId.h"
#include "core/pytivo/PyTivoView.h"
#include "core/runs/GenerateRun.h"
#include "platform/Paths.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

class OtherFilesRun : public ::testing::Test {
protected:
    OtherFilesRun()
    {
        dir.WriteFile("Movies\\Heat (1995).mkv");
        dir.WriteFile("Movies\\Heat (1995).nfo",
                      "<movie><title>Heat</title><plot>A heist.</plot><year>1995</year><mpaa>R</mpaa>"
                      "<rating>8.3</rating><genre>Crime</genre></movie>");
        dir.WriteFile("Movies\\Plain.avi");
        dir.WriteFile("TV\\Lost\\tvshow.nfo", "<tvshow><title>Lost</title><mpaa>TV-14</mpaa><genre>Drama</genre></tvshow>");
        dir.WriteFile("TV\\Lost\\Season 1\\Lost.S01E01.mkv");
        dir.WriteFile("TV\\Lost\\Season 1\\Lost.S01E01.nfo",
                      "<episodedetails><title>Pilot</title><showtitle>Lost</showtitle><plot>A crash.</plot>"
                      "<aired>2004-09-22</aired><season>1</season><episode>1</episode><rating>8.3</rating>"
                      "<mpaa>TV-PG</mpaa></episodedetails>");
        dir.WriteFile("TV\\Lost\\Season 1\\Lost.S01E02.mkv");
        dir.WriteFile("TV\\Cars\\default.txt", "description : Cars.\r\nvProgramGenre : Motoring\r\n");
        dir.WriteFile("TV\\Cars\\Cars.S01E01.mkv");
        dir.WriteFile("TV\\Sonarr\\Show.S01E01.mkv");
        dir.WriteFile("TV\\Sonarr\\.meta\\Show.S01E01.mkv.txt", "episodeTitle : From Sonarr\r\n");
        dir.WriteFile("TV\\Sonarr\\.meta\\default.txt", "tvRating : TV-14\r\n");

        request.folder = dir.Path();
        for (const MovieListing& movie : ListMoviesBelow(dir.Path(), log))
            request.entries.push_back(movie.name);
        request.metadata.seriesTitle = LastPathComponent(dir.Path());
        request.metadata.seriesId = "MV994401";
        request.metadata.description = "(2012) My home Movies, stuff from the internet etc.";
        request.metadata.mpaaRating = 3;
        request.metadata.starRating = 2;
        request.metadata.tvRating = 3;
        request.metadata.genres = "Family";
        request.metadata.parseNames = true;
    }

    // What the TiVo gets for each movie, key by key, as "value@file".
    std::map<std::string, std::map<std::string, std::string>> Views() const
    {
        std::map<std::string, std::map<std::string, std::string>> views;
        PyTivoRunCache cache;
        for (const std::string& entry : request.entries) {
            const std::string path = dir / entry;
            const FolderIndex index(ParentFolderOf(path));
            const PyTivoView view =
                ReadPyTivoView(PyTivoFolder(ParentFolderOf(path), index), *index.Find(FileNameOf(path, true)), cache);
            for (const auto& [key, value] : view.values) {
                std::string text = value.text;
                for (const PyTivoItem& item : value.items)
                    text += item.text + ";";
                views[entry][key] = text + "@" + SourceNameFor(value.source, path);
            }
        }
        return views;
    }

    TempFolder dir;
    ScriptedMessages messages;
    ActivityLog log;
    GenerateRequest request;
};

}  // namespace

TEST_F(OtherFilesRun, EveryValueTheLibraryHadStaysAndReelmarkAddsWhatItLacks)
{
    for (bool metaFolder : {false, true}) {
        SCOPED_TRACE(metaFolder ? "into .meta" : "beside the movies");
        request.metaFolder = metaFolder;
        const auto before = Views();
        std::map<std::string, std::string> plans;
        request.outcome = [&](const FileOutcome& outcome) { plans[outcome.moviePath] = outcome.plan; };
        const GenerateResult result = RunGenerate(request, log);
        EXPECT_EQ(0, result.failed);
        const auto after = Views();
        for (const auto& [entry, values] : before) {
            SCOPED_TRACE(entry);
            for (const auto& [key, value] : values) {
                // pyTivo's own title and date give way to the file's.
                if (value.find("@" + FileNameOf(entry, true)) == std::string::npos) {
                    EXPECT_EQ(value, after.at(entry).at(key)) << key;
                }
            }
            // Each movie gets its own series ID where nothing gave one.
            EXPECT_EQ(0u, after.at(entry).at("seriesId").find(entry.find("Movies") == 0 ? "MV" : "SH"));
        }
        EXPECT_EQ("Lost", after.at(NativePath("TV\\Lost\\Season 1\\Lost.S01E01.mkv")).at("seriesTitle").substr(0, 4));
        // The .nfo gives all but the series ID (its title stands before a seriesTitle).
        EXPECT_EQ("adds 1 value", plans.at(dir / "Movies\\Heat (1995).mkv"));
        EXPECT_EQ("", plans.at(dir / "Movies\\Plain.avi")) << "no other file: the whole file, as always";
        // A second run finds every file there.
        EXPECT_EQ(0, RunGenerate(request, log).created);
        for (const std::string& entry : request.entries) {
            std::remove((dir / entry + ".txt").c_str());
            std::remove((dir / (RelativeFolderOf(entry).empty() ? "" : RelativeFolderOf(entry) + kSeparator) +
                         ".meta" + kSeparator + FileNameOf(entry, true) + ".txt")
                            .c_str());
        }
    }
}

TEST_F(OtherFilesRun, AnEpisodesAirDateReachesTheTiVoFromTheNfoOrItsName)
{
    dir.WriteFile("TV\\Daily\\Daily.Show.2012.03.04.mkv");
    request.entries.push_back(NativePath("TV\\Daily\\Daily.Show.2012.03.04.mkv"));
    RunGenerate(request, log);
    PyTivoRunCache cache;
    for (const auto& [entry, date] : {std::pair<const char*, const char*>{"TV\\Lost\\Season 1\\Lost.S01E01.mkv",
                                                                          "2004-09-22T00:00:00Z"},
                                      {"TV\\Daily\\Daily.Show.2012.03.04.mkv", "2012-03-04T00:00:00Z"}}) {
        const std::string path = dir / entry;
        const FolderIndex index(ParentFolderOf(path));
        const TiVoShowing shown = ShowingOf(
            ReadPyTivoView(PyTivoFolder(ParentFolderOf(path), index), *index.Find(FileNameOf(path, true)), cache));
        // pyTivo's template sends movieYear instead of the date when it has one.
        EXPECT_EQ("originalAirDate", shown.dateKey) << entry;
        EXPECT_EQ(date, shown.date) << entry;
    }
}

TEST_F(OtherFilesRun, TheWholeTemplateWritesTodaysFilesOverThem)
{
    request.otherFiles = OtherFiles::WholeTemplate;
    std::map<std::string, std::string> plans;
    request.outcome = [&](const FileOutcome& outcome) { plans[outcome.moviePath] = outcome.plan; };
    EXPECT_EQ(static_cast<int>(request.entries.size()), RunGenerate(request, log).created);
    const LibraryPlan plan = PlanLibrary(request.folder, request.entries, request.metadata);
    for (const PlannedMovie& movie : plan.movies) {
        std::string today = movie.text;
        // But for the air-date mend: the .nfo's date reaches the TiVo.
        if (movie.entry == NativePath("TV\\Lost\\Season 1\\Lost.S01E01.mkv"))
            today.erase(today.find("movieYear : 2012\n"), std::string("movieYear : 2012\n").size());
        EXPECT_EQ(WithCrLf(today), ReadFileBytes(movie.moviePath + ".txt")) << movie.entry;
    }
    EXPECT_EQ("adds 1 value, hides 8 values from Heat (1995).nfo", plans.at(dir / "Movies\\Heat (1995).mkv"));
    // The show's genres in default.txt take the file's beside them.
    EXPECT_EQ("adds 9 values, hides 1 value from default.txt", plans.at(dir / "TV\\Cars\\Cars.S01E01.mkv"));
}

TEST_F(OtherFilesRun, ALookupsValuesFillWhatNoOtherFileGivesAndAnEditIsWrittenOverThem)
{
    // What an online lookup and a grid of edits give enter as layers.
    request.layOver = [](PlannedMovie& movie) {
        movie.layers.push_back({"TMDB", {{"description", "From TMDB."}, {"vActor", "Al Pacino"}}, false});
        if (FileNameOf(movie.moviePath, true) == "Heat (1995).mkv")
            movie.layers.push_back({"your edit", {{"starRating", "x7"}}, true});
    };
    RunGenerate(request, log);
    const std::string heat = ReadFileBytes(dir / "Movies\\Heat (1995).mkv.txt");
    EXPECT_EQ(std::string::npos, heat.find("description")) << "the .nfo's plot stays";
    EXPECT_NE(std::string::npos, heat.find("vActor : Al Pacino\r\n"));
    EXPECT_NE(std::string::npos, heat.find("starRating : x7\r\n")) << "the edit covers the .nfo's rating";
    const std::string plain = ReadFileBytes(dir / "Movies\\Plain.avi.txt");
    EXPECT_NE(std::string::npos, plain.find("description : From TMDB.\r\n"));
    EXPECT_NE(std::string::npos, plain.find("vActor : Al Pacino\r\n"));
}
