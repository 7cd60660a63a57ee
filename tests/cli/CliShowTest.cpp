// reelmark-cli show, generate --dry-run and generate --meta-folder: what
// pyTivo makes of a movie's sources, what a run would write, and files
// written where pyTivo reads them last.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "cli/CliFixture.h"
#include "cli/JsonText.h"
#include "core/files/TextFile.h"
#include "platform/Paths.h"

namespace {

using CliShow = CliFixture;

// The "== write PATH" blocks of a dry run: each path with its text.
std::map<std::string, std::string> PlannedFiles(const std::string& printed)
{
    std::map<std::string, std::string> files;
    std::string* text = nullptr;
    size_t start = 0;
    while (start < printed.size()) {
        const size_t end = printed.find('\n', start);
        const std::string line = printed.substr(start, end - start);
        start = end == std::string::npos ? printed.size() : end + 1;
        if (line.compare(0, 9, "== write ") == 0)
            text = &files[line.substr(9, line.find(" (pyTivo reads") - 9)];
        else if (line.compare(0, 3, "== ") == 0)
            text = nullptr;
        else if (text)
            *text += line + "\n";
    }
    return files;
}

}  // namespace

TEST_F(CliShow, EachMovieWithTheValuesPyTivoSendsAndTheFileEachCameFrom)
{
    dir.WriteFile("TV\\default.txt", "seriesTitle : The Show\r\n");
    dir.WriteFile("TV\\Season 1\\e1.mkv");
    dir.WriteFile("TV\\Season 1\\e1.mkv.txt", "title : Mine\r\nvActor : Ann\r\nmpaaRating : pg-13\r\n");
    dir.WriteFile("TV\\Season 1\\.meta\\e1.mkv.txt", "title : Sonarr's\nvActor : Bob\n");
    dir.WriteFile("TV\\Season 1\\e2.mkv");
    for (const char* movie : {"TV\\Season 1\\e1.mkv", "TV\\Season 1\\e2.mkv"})
        SetLastWrite(dir / movie, 1331000000, 0);  // 2012-03-06T02:13:20 UTC

    EXPECT_EQ(0, Run({"show", "--json", dir / "TV\\Season 1\\e1.mkv"}));
    const std::string e1 = dir / "TV\\Season 1\\e1.mkv";
    EXPECT_EQ("[\n {\"movie\": " + JsonString(e1) +
                  ", \"metadata\": {\"mpaaRating\": 3, \"originalAirDate\": \"2012-03-06T02:13:20\", "
                  "\"seriesTitle\": \"The Show\", \"title\": \"Sonarr's\", \"vActor\": [\"Ann\", \"Bob\"]}, "
                  "\"sources\": [" +
                  JsonString(dir / "TV\\default.txt") + ", " + JsonString(e1 + ".txt") + ", " +
                  JsonString(dir / "TV\\Season 1\\.meta\\e1.mkv.txt") + "]}\n]\n",
              out.str());

    // The lines, a folder's movies in name order; a path that is not there
    // is named and the others are shown all the same.
    EXPECT_EQ(2, Run({"show", dir / "missing.mkv", dir / "TV\\Season 1"}));
    EXPECT_EQ(0u, err.str().find("reelmark-cli: cannot find " + (dir / "missing.mkv")));
    EXPECT_EQ(e1 + "\n" +
                  "  mpaaRating : 3  [e1.mkv.txt]\n"
                  "  originalAirDate : 2012-03-06T02:13:20  [e1.mkv]\n"
                  "  seriesTitle : The Show  [" + (dir / "TV\\default.txt") + "]\n" +
                  NativePath("  title : Sonarr's  [.meta\\e1.mkv.txt]\n") +
                  "  vActor : Ann  [e1.mkv.txt]\n" + NativePath("  vActor : Bob  [.meta\\e1.mkv.txt]\n") +
                  (dir / "TV\\Season 1\\e2.mkv") + "\n" +
                  "  originalAirDate : 2012-03-06T02:13:20  [e2.mkv]\n"
                  "  seriesTitle : The Show  [" + (dir / "TV\\default.txt") + "]\n"
                  "  title : e2  [e2.mkv]\n",
              out.str());
}

TEST_F(CliShow, AFileItCannotReadIsNamedAndNothingIsWritten)
{
    dir.WriteFile("Films\\Heat.mkv");
    dir.WriteFile("Films\\Heat.nfo", "<movie><title>Heat");
    dir.WriteFile("Films\\Heat.mkv.txt", std::string("title : A\0B\r\n", 13));
    const std::vector<std::string> before = NamesInFolder(dir / "Films");

    EXPECT_EQ(0, Run({"show", "--json", dir / "Films"}));
    EXPECT_NE(std::string::npos, out.str().find("\"problems\": [{\"path\": " + JsonString(dir / "Films\\Heat.nfo")));
    EXPECT_NE(std::string::npos, out.str().find("{\"path\": " + JsonString(dir / "Films\\Heat.mkv.txt")));
    EXPECT_NE(std::string::npos, out.str().find("\"title\": \"Heat\""));
    EXPECT_EQ(before, NamesInFolder(dir / "Films"));
}

TEST_F(CliShow, ADryRunPrintsWhatARealRunWritesByteForByteAndWritesNothing)
{
    dir.WriteFile("reelmark.ini", " [Settings]\r\n IsEpisode=true\r\n SeriesType=SH general TV shows\r\n");
    for (const char* movie : {"Lib\\Doctor.Who.2005.S01E01.Rose.mkv", "Lib\\Film (2012).mkv",
                              "Lib\\Friends\\Season 1\\Friends.S01E01E02.mkv", "Lib\\Friends\\Season 1\\extra.avi"})
        dir.WriteFile(movie);
    dir.WriteFile("Lib\\Friends\\Season 1\\extra.avi.txt", "title : kept\r\n");
    const std::vector<std::string> args = {"generate", "--recursive", "--parse-names", dir / "Lib"};
    std::vector<std::string> dry = args;
    dry.push_back("--dry-run");

    EXPECT_EQ(0, Run(dry));
    const std::map<std::string, std::string> planned = PlannedFiles(out.str());
    EXPECT_NE(std::string::npos,
              out.str().find("== skip " + (dir / "Lib\\Friends\\Season 1\\extra.avi.txt") + " (a metadata file is there)\n"));
    EXPECT_EQ(3u, planned.size()) << out.str();
    for (const auto& file : planned)
        EXPECT_FALSE(PathExists(file.first)) << "a dry run writes nothing: " << file.first;
    EXPECT_FALSE(PathExists(dir / "Reelmark.log"));

    EXPECT_EQ(0, Run(args));
    for (const auto& file : planned)
        EXPECT_EQ(WithCrLf(file.second), ReadFileBytes(file.first)) << file.first;
}

TEST_F(CliShow, TheMetaFolderTakesTheFilesAndAFileBesideLeavesTheirValuesToThem)
{
    dir.WriteFile("Lib\\a.mpg");
    dir.WriteFile("Lib\\b.mpg");
    dir.WriteFile("Lib\\c.mpg");
    dir.WriteFile("Lib\\.meta\\b.mpg.txt", "title : Sonarr's\n");

    EXPECT_EQ(0, Run({"generate", "--meta-folder", dir / "Lib"}));
    EXPECT_EQ(0u, ReadFileBytes(dir / "Lib\\.meta\\a.mpg.txt").find("title : a\r\n"));
    EXPECT_EQ("title : Sonarr's\n", ReadFileBytes(dir / "Lib\\.meta\\b.mpg.txt")) << "kept without --replace";
    EXPECT_FALSE(PathExists(dir / "Lib\\a.mpg.txt"));

    // Beside the movies, pyTivo reads the ".meta" files after the file
    // written: a key they set is left to them and the log line says so;
    // a movie they describe whole gets no file.
    dir.WriteFile("Lib\\e.mpg");
    EXPECT_EQ(0, Run({"generate", dir / "Lib"}));
    EXPECT_FALSE(PathExists(dir / "Lib\\a.mpg.txt"));
    EXPECT_FALSE(PathExists(dir / "Lib\\c.mpg.txt"));
    EXPECT_EQ(std::string::npos, ReadFileBytes(dir / "Lib\\b.mpg.txt").find("title :"));
    EXPECT_EQ(0u, ReadFileBytes(dir / "Lib\\e.mpg.txt").find("title : e\r\n"));
    const std::vector<std::string> messages = Messages();
    EXPECT_NE(messages.end(),
              std::find(messages.begin(), messages.end(),
                        "Creating metadata file 2 of 4 (adds 6 values, 1 value shown from " +
                            NativePath(".meta\\b.mpg.txt") + "): " + (dir / "Lib\\b.mpg.txt")));
    EXPECT_EQ(2, std::count_if(messages.begin(), messages.end(),
                               [](const std::string& m) { return m.find("nothing to add") != std::string::npos; }));

    // A new folder of movies gets its ".meta" folder.
    dir.WriteFile("New\\d.mpg");
    EXPECT_EQ(0, Run({"generate", "--meta-folder", dir / "New"}));
    EXPECT_TRUE(PathExists(dir / "New\\.meta\\d.mpg.txt"));
}

TEST_F(CliShow, OnlyAMetaFileThatHoldsSomethingIsSaidToWinOverTheFileWritten)
{
    // An empty file in .meta gives pyTivo nothing; the dry run and the run
    // name only files that hold lines.
    const struct {
        const char* movie;
        const char* metaFile;  // in Lib\.meta
        const char* bytes;
        bool wins;
    } cases[] = {
        {"a", "a.mpg.txt", "", false},
        {"b", "b.mpg.txt", "title : Sonarr's\n", true},
    };
    for (const auto& c : cases) {
        const std::string folder = std::string("Lib ") + c.movie;
        dir.WriteFile(folder + "\\" + c.movie + ".mpg");
        dir.WriteFile(folder + "\\.meta\\" + c.metaFile, c.bytes);
        dir.WriteFile(folder + "\\.meta\\default.txt", "");
        EXPECT_EQ(0, Run({"generate", "--dry-run", dir / folder}));
        const std::string writeLine = out.str().substr(0, out.str().find('\n'));
        EXPECT_EQ(c.wins, writeLine.find(NativePath(std::string(".meta\\") + c.metaFile)) != std::string::npos)
            << writeLine;
        EXPECT_EQ(std::string::npos, writeLine.find("default.txt")) << writeLine;
    }
}
