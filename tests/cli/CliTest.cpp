#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

#include "cli/CliArguments.h"
#include "cli/CliFixture.h"
#include "cli/CliProgram.h"
#include "cli/CliUsage.h"
#include "core/files/TextFile.h"
#include "core/metadata/SeriesId.h"
#include "core/settings/Version.h"
#include "platform/Text.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

using CliTest = CliFixture;

}  // namespace

TEST_F(CliTest, MovieLayoutFromTheSettingsFile)
{
    dir.WriteFile("reelmark.ini", kIni);
    dir.WriteFile("Films\\Holiday.2012.mpg", "movie");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));

    EXPECT_EQ(
        "title : Holiday.2012\r\n"
        "seriesTitle : Holiday.2012\r\n"
        "episodeTitle : \r\n"
        "seriesId : SH123456\r\n"
        "movieYear : 2012\r\n"
        "description : First line second line\r\n"
        "isEpisode : false\r\n"
        "mpaaRating : P3\r\n"
        "starRating : x7\r\n",
        ReadFileBytes(dir / "Films\\Holiday.2012.mpg.txt"));
    const std::vector<std::string> expected = {
        "Generating metadata. Processing 1 files",
        "Creating metadata file 1 of 1: " + (dir / "Films\\Holiday.2012.mpg") + ".txt",
        "1 Metadata Files Created - 0 skipped!",
    };
    EXPECT_EQ(expected, Messages());
    // The summary is a log line only: no box ever waits for a click.
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CliTest, EpisodeLayoutTakesTheSeriesTitleFromTheFolderName)
{
    // Missing keys take their defaults: the star rating is "3 (***) stars".
    dir.WriteFile("reelmark.ini", " [Settings]\r\n IsEpisode=true\r\n TvRating=TV-14\r\n SeriesID=SH1\r\n");
    dir.WriteFile("Garden Diary\\Week 01.avi");

    // A relative folder is named by its full path.
    CurrentDirectoryScope inside(dir / "Garden Diary");
    EXPECT_EQ(0, Run({"generate", ".", "--ini", dir / "reelmark.ini"}));

    EXPECT_EQ(
        "title : Garden Diary\r\n"
        "seriesTitle : Garden Diary\r\n"
        "episodeTitle : Week 01\r\n"
        "seriesId : SH1\r\n"
        "movieYear : 2012\r\n"
        "description : (2012) My home Movies, stuff from the internet etc.\r\n"
        "isEpisode : true\r\n"
        "tvRating : x5\r\n"
        "starRating : x5\r\n",
        ReadFileBytes(dir / "Garden Diary\\Week 01.avi.txt"));
    EXPECT_EQ("Creating metadata file 1 of 1: " + (dir / "Garden Diary\\Week 01.avi") + ".txt",
              Messages().at(1));
}

TEST_F(CliTest, OnlyTheExactTextTrueTicksTheEpisodeFlag)
{
    dir.WriteFile("reelmark.ini", " [Settings]\r\n IsEpisode=True\r\n");
    dir.WriteFile("Films\\A.mkv");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));

    const std::string text = ReadFileBytes(dir / "Films\\A.mkv.txt");
    EXPECT_NE(std::string::npos, text.find("title : A\r\n"));
    EXPECT_NE(std::string::npos, text.find("isEpisode : false\r\n"));
    EXPECT_NE(std::string::npos, text.find("mpaaRating : R4\r\n"));
}

TEST_F(CliTest, ExistingFilesAreSkippedUnlessReplaceIsGiven)
{
    // The stored Replace setting is "true"; only --replace replaces.
    dir.WriteFile("reelmark.ini", kIni);
    dir.WriteFile("Films\\A.mpg");
    dir.WriteFile("Films\\A.mpg.txt", "kept");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));
    EXPECT_EQ("kept", ReadFileBytes(dir / "Films\\A.mpg.txt"));
    std::vector<std::string> expected = {
        "Generating metadata. Processing 1 files",
        "File already exists! Skipping metadata file 1 of 1: " + (dir / "Films\\A.mpg") + ".txt",
        "All 1 Metadata Files skipped!!",
    };
    EXPECT_EQ(expected, Messages());

    EXPECT_EQ(0, Run({"--replace", "generate", dir / "Films\\"}));
    EXPECT_EQ(0u, ReadFileBytes(dir / "Films\\A.mpg.txt").find("title : A\r\n"));
    EXPECT_EQ("1 Metadata Files Created - 0 skipped!", Messages().back());
}

TEST_F(CliTest, AFileThatCannotBeWrittenFailsTheRun)
{
    dir.WriteFile("Films\\A.mpg");
    dir.WriteFile("Films\\A.mpg.txt", "protected");
    SetReadOnly(dir / "Films\\A.mpg.txt");

    EXPECT_EQ(1, Run({"generate", dir / "Films", "--replace"}));

    EXPECT_EQ("protected", ReadFileBytes(dir / "Films\\A.mpg.txt"));
    EXPECT_NE(std::string::npos,
              out.str().find(": <ERROR> Could not write metadata file: " + (dir / "Films\\A.mpg")));
    EXPECT_TRUE(prompt.messages.empty());
}

// Windows only: a drive root.
#ifdef _WIN32
TEST_F(CliTest, EpisodeRunInADriveRootIsRefused)
{
    dir.WriteFile("reelmark.ini", " [Settings]\r\n IsEpisode=true\r\n");
    const std::string root = dir.Path().substr(0, 3);  // "C:\"

    EXPECT_EQ(1, Run({"generate", root}));

    EXPECT_EQ("<ERROR> The \"Is Episode\" flag is checked. You must use a sub folder", Messages().at(0));
    EXPECT_EQ(std::string::npos, out.str().find("Generating metadata."));
    EXPECT_TRUE(prompt.messages.empty());
}
#endif

TEST_F(CliTest, AFolderWithoutMoviesIsNothingToDo)
{
    dir.MakeFolder("Empty");

    EXPECT_EQ(0, Run({"generate", dir / "Empty"}));

    const std::vector<std::string> expected = {
        "Generating metadata. Processing 0 files",
        "<ERROR> There are no movie files in the list.",
    };
    EXPECT_EQ(expected, Messages());
}

TEST_F(CliTest, OnlyFilesWhoseWholeExtensionIsAMovieExtensionGetMetadataFiles)
{
    // Names whose extensions begin as movie extensions do: a spreadsheet, a
    // script, a picture, a setting and an audio file lie among the movies.
    const char* const others[] = {"notes.tsv", "app.tsx", "thumbs.avif", "x.tsconfig", "Movie.mp4a", "clip.mpg2"};
    for (const char* name : others)
        dir.WriteFile(std::string("Films\\") + name);
    dir.WriteFile("Films\\Clip.MKV");
    dir.WriteFile("Films\\Season 1\\show.Ts");
    EXPECT_EQ(0, Run({"generate", "--recursive", dir / "Films"}));
    EXPECT_TRUE(PathExists(dir / "Films\\Clip.MKV.txt"));
    EXPECT_TRUE(PathExists(dir / "Films\\Season 1\\show.Ts.txt"));
    for (const char* name : others)
        EXPECT_FALSE(PathExists(dir / (std::string("Films\\") + name + ".txt"))) << name;
    EXPECT_EQ(0, Run({"list", "--recursive", dir / "Films"}));
    EXPECT_EQ("2 movie files, 2 with metadata", Messages().back());
}

TEST_F(CliTest, AMistypedSettingsFileStopsTheRunBeforeAnythingIsWritten)
{
    dir.WriteFile("Films\\Holiday.mpg");
    dir.WriteFile("Films\\Old.mpg");
    dir.WriteFile("Films\\Old.mpg.txt", "the user's own metadata");

    EXPECT_EQ(2, Run({"generate", dir / "Films", "--replace", "--ini", dir / "typo.ini"}));

    EXPECT_EQ("reelmark-cli: cannot find the settings file " + (dir / "typo.ini") + "\n", err.str());
    EXPECT_EQ("the user's own metadata", ReadFileBytes(dir / "Films\\Old.mpg.txt"));
    EXPECT_FALSE(PathExists(dir / "Films\\Holiday.mpg.txt"));
    EXPECT_FALSE(PathExists(dir / "typo.ini"));
}

TEST_F(CliTest, WithoutASettingsFileEverySettingHasItsDefaultAndNoneIsCreated)
{
    dir.WriteFile("Films\\Holiday.mpg");

    EXPECT_EQ(0, Run({"generate", dir / "Films", "--replace"}));

    EXPECT_EQ(
        "title : Holiday\r\n"
        "seriesTitle : Holiday\r\n"
        "episodeTitle : \r\n"
        "seriesId : MV994401\r\n"
        "movieYear : 2012\r\n"
        "description : (2012) My home Movies, stuff from the internet etc.\r\n"
        "isEpisode : false\r\n"
        "mpaaRating : R4\r\n"
        "starRating : x5\r\n",
        ReadFileBytes(dir / "Films\\Holiday.mpg.txt"));
    EXPECT_NE(std::string::npos, err.str().find("no settings file"));
    EXPECT_FALSE(PathExists(dir / "reelmark.ini"));
}

TEST_F(CliTest, TheSettingsFileIsOnlyRead)
{
    // Keys missing from the file would be added by the main window's start.
    const std::string ini = " [Settings]\r\n SeriesID=MV1\r\n";
    dir.WriteFile("reelmark.ini", ini);
    dir.WriteFile("Films\\A.mpg");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));

    EXPECT_EQ(ini, ReadFileBytes(dir / "reelmark.ini"));
}

TEST_F(CliTest, AnUnreadableSettingsFileStopsTheRun)
{
    dir.MakeFolder("folder.ini");
    dir.WriteFile("Films\\A.mpg");

    EXPECT_EQ(2, Run({"generate", dir / "Films", "--ini", dir / "folder.ini"}));

    EXPECT_NE(std::string::npos, err.str().find("cannot read the settings file"));
    EXPECT_FALSE(PathExists(dir / "Films\\A.mpg.txt"));
}

TEST_F(CliTest, LogLinesAreAppendedToTheLogFile)
{
    dir.WriteFile("Reelmark.log", "Sun Dec  6,2026 15:12:03: earlier run\r\n");
    dir.WriteFile("Films\\A.mpg");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));

    // Printed as the file holds them, stamps included, with CR LF on disk.
    std::string appended;
    for (char c : out.str())
        appended += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ("Sun Dec  6,2026 15:12:03: earlier run\r\n" + appended, ReadFileBytes(dir / "Reelmark.log"));
    EXPECT_EQ(3u, Messages().size());
}

TEST_F(CliTest, ALineThatAnEarlierRunLeftCutIsEndedBeforeTheNewOnes)
{
    // A full disk or a crash cut the last line of the earlier run.
    dir.WriteFile("Reelmark.log", "Sun Dec  6,2026 15:12:03: cut sh");
    dir.WriteFile("Films\\A.mpg");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));

    const std::string log = ReadFileBytes(dir / "Reelmark.log");
    EXPECT_EQ(0u, log.find("Sun Dec  6,2026 15:12:03: cut sh\r\n"));
    EXPECT_EQ(4u, static_cast<size_t>(std::count(log.begin(), log.end(), '\n')));
}

TEST_F(CliTest, ALogFileThatCannotBeWrittenIsOnlyAWarning)
{
    dir.MakeFolder("Reelmark.log");
    dir.WriteFile("reelmark.ini", kIni);
    dir.WriteFile("Films\\A.mpg");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));

    EXPECT_TRUE(PathExists(dir / "Films\\A.mpg.txt"));
    EXPECT_EQ(3u, Messages().size());  // every line still printed
    EXPECT_EQ(0u, err.str().find("reelmark-cli: warning: cannot write the log file"));
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1);  // once, not per line
}

TEST_F(CliTest, NamesWithSpacesAmpersandsAndAccents)
{
    dir.WriteFile("Films & Café Noir\\Café Crème.avi");

    EXPECT_EQ(0, Run({"list", dir / "Films & Café Noir"}));
    EXPECT_EQ("[    ] Café Crème.avi\n1 movie file, 0 with metadata\n", out.str());

    EXPECT_EQ(0, Run({"generate", dir / "Films & Café Noir"}));
    EXPECT_EQ(0u,
              ReadFileBytes(dir / "Films & Café Noir\\Café Crème.avi.txt")
                  .find(kTextFilesInWindows1252 ? "title : Caf\xe9 Cr\xe8me\r\n" : "title : Café Crème\r\n"));
}

TEST_F(CliTest, ListMarksMoviesWithMetadata)
{
    dir.WriteFile("Films\\Holiday.mpg");
    dir.WriteFile("Films\\Holiday.mpg.txt", "title : Holiday\r\n");
    dir.WriteFile("Films\\Other.avi");
    dir.WriteFile("Films\\notes.txt");
    dir.WriteFile("Films\\Sub\\Deeper.mpg");

    EXPECT_EQ(0, Run({"list", dir / "Films"}));

    const std::vector<std::string> lines = Messages();
    ASSERT_EQ(3u, lines.size());
    EXPECT_TRUE((lines[0] == "[meta] Holiday.mpg" && lines[1] == "[    ] Other.avi") ||
                (lines[0] == "[    ] Other.avi" && lines[1] == "[meta] Holiday.mpg"));
    EXPECT_EQ("2 movie files, 1 with metadata", lines[2]);
    EXPECT_FALSE(PathExists(dir / "Reelmark.log"));

    // A movie that only other files pyTivo reads describe has a mark of its own.
    dir.WriteFile("Films\\Other.nfo", "<movie><title>Other</title></movie>");
    out.str("");
    EXPECT_EQ(0, Run({"list", dir / "Films"}));
    EXPECT_EQ((std::vector<std::string>{"[meta] Holiday.mpg", "[other] Other.avi",
                                        "2 movie files, 1 with metadata, 1 with metadata only in other files"}),
              Messages());
}

TEST_F(CliTest, AFolderThatCannotBeReadIsExitCodeTwo)
{
    dir.WriteFile("file.mpg");
    for (const char* command : {"list", "generate"}) {
        EXPECT_EQ(2, Run({command, dir / "missing"}));
        // The system's reason, taken before anything else could change it.
        EXPECT_EQ("reelmark-cli: cannot find the folder " + (dir / "missing") + ": " +
                      SystemErrorLine(kErrorFileNotFound) + "\n",
                  err.str());
        EXPECT_EQ(2, Run({command, dir / "file.mpg"}));
        EXPECT_EQ("reelmark-cli: " + (dir / "file.mpg") + " is not a folder\n", err.str());
        EXPECT_EQ("", out.str());
    }
    EXPECT_FALSE(PathExists(dir / "Reelmark.log"));
}

TEST_F(CliTest, HelpVersionAndBadUsage)
{
    EXPECT_EQ(0, Run({"--version"}));
    EXPECT_EQ(std::string(kReelmarkVersion) + "\n", out.str());

    EXPECT_EQ(0, Run({"generate", "--help"}));
    EXPECT_EQ(0u, out.str().find("Usage:"));
    EXPECT_NE(std::string::npos, out.str().find("Exit codes:"));

    // What was wrong, then the usage of the command used and where the
    // whole help is, as git answers: never the whole help, nor the usage of
    // commands that were not used. Without a command (or with one it does
    // not know), the list of commands.
    const std::string generate = "usage: reelmark-cli generate FOLDER";
    const std::string commands = "usage: reelmark-cli COMMAND";
    const struct {
        std::vector<std::string> args;
        std::string usage;  // how the usage begins
        size_t lines;       // the usage's lines, "see reelmark-cli --help" included
    } bad[] = {
        {{}, commands, 10},
        {{"--json"}, commands, 10},
        {{"copy", dir.Path()}, commands, 10},
        {{"generate"}, generate, 4},
        {{"generate", dir.Path(), "--force"}, generate, 4},
        {{"--force", "generate", dir.Path()}, generate, 4},
        {{"--ini", "x.ini", "--force", "Generate", dir.Path()}, generate, 4},
        {{"generate", dir.Path(), "--ini"}, generate, 4},
        {{"generate", "C:\\Garden", "Diary"}, generate, 4},
        {{"list", dir.Path(), "--replace"}, "usage: reelmark-cli list [--recursive] [--json] [--] FOLDER", 2},
        {{"show", dir.Path(), "--dry-run"}, "usage: reelmark-cli show", 2},
        {{"show"}, "usage: reelmark-cli show", 2},
        {{"show", dir.Path(), "--replace"}, "usage: reelmark-cli show", 2},
        {{"show", dir.Path(), "--ini", "x.ini"}, "usage: reelmark-cli show", 2},
        {{"watch", dir.Path(), "--settle", "soon"}, "usage: reelmark-cli watch FOLDER", 4},
        {{"check", "--replace", dir.Path()}, "usage: reelmark-cli check", 2},
        {{"undo", "--replace"}, "usage: reelmark-cli undo", 2},
        {{"lookup", "--replace", dir.Path()}, "usage: reelmark-cli lookup", 4},
        {{"lookup", "--candidates", "Heat", dir.Path()}, "usage: reelmark-cli lookup", 4},
        {{"settings", dir.Path()}, "usage: reelmark-cli settings [--ini FILE]", 2},
    };
    for (const auto& c : bad) {
        const std::string what = ::testing::PrintToString(c.args);
        EXPECT_EQ(2, Run(c.args)) << what;
        const std::string text = err.str();
        EXPECT_EQ(0u, text.find("reelmark-cli: ")) << what;
        const std::string usage = text.substr(text.find('\n') + 1);
        EXPECT_EQ(0u, usage.find(c.usage)) << what << "\n" << text;
        EXPECT_EQ(c.lines, static_cast<size_t>(std::count(usage.begin(), usage.end(), '\n'))) << what << "\n" << text;
        EXPECT_EQ(usage.size() - 24, usage.rfind("see reelmark-cli --help\n")) << what;
        EXPECT_EQ("", out.str());
    }
    Run({"list", dir.Path(), "--force"});
    EXPECT_EQ("reelmark-cli: unknown option: --force\n"
              "usage: reelmark-cli list [--recursive] [--json] [--] FOLDER\n"
              "see reelmark-cli --help\n",
              err.str());
}

TEST_F(CliTest, RecursiveListsAndGeneratesTheFoldersBelow)
{
    dir.WriteFile("reelmark.ini", " [Settings]\r\n IsEpisode=true\r\n");
    dir.WriteFile("Shows\\Dr Who\\Season 1\\e1.mpg");
    dir.WriteFile("Shows\\Dr Who\\Season 1\\e1.mpg.txt", "title : kept\r\n");
    dir.WriteFile("Shows\\Dr Who\\e0.mpg");

    EXPECT_EQ(0, Run({"list", "--recursive", dir / "Shows"}));
    EXPECT_EQ((std::vector<std::string>{NativePath("[    ] Dr Who\\e0.mpg"),
                                        NativePath("[meta] Dr Who\\Season 1\\e1.mpg"),
                                        "2 movie files, 1 with metadata"}),
              [&] {
                  std::vector<std::string> lines = Messages();
                  std::sort(lines.begin(), lines.end() - 1);
                  return lines;
              }());

    EXPECT_EQ(0, Run({"generate", dir / "Shows", "--recursive"}));
    EXPECT_EQ("title : kept\r\n", ReadFileBytes(dir / "Shows\\Dr Who\\Season 1\\e1.mpg.txt"));
    EXPECT_EQ(0u, ReadFileBytes(dir / "Shows\\Dr Who\\e0.mpg.txt").find("title : Dr Who\r\n"));
}

TEST_F(CliTest, WhateverHoldsTheNamesOfWorkFoldersNothingOutsideTheFolderChanges)
{
    dir.WriteFile("outside\\important.doc", "keep me");
    dir.WriteFile("outside\\1", "named like a temporary file");
    dir.WriteFile("M\\a.mpg");
    dir.WriteFile("M\\Season 1\\a.mpg");
    // The fixed name of earlier versions as a link to a folder elsewhere and
    // as a user's folder; this version's pattern as a link and as a file.
    dir.WriteFile("M\\Season 1\\~reelmark.tmp\\mine.doc", "the user's");
    for (const std::string& name : {"outside\\important.doc", "outside\\1", "M\\Season 1\\~reelmark.tmp\\mine.doc"})
        AgeFile(dir / name);
    const std::vector<std::string> folders = {"M", "M\\Season 1"};
    for (const std::string& folder : folders) {
        dir.WriteFile(folder + "\\~reelmark-1-1.tmp", "a file");
        if (!MakeLink(dir / (folder + "\\~reelmark-2-2.tmp"), dir / "outside"))
            GTEST_SKIP() << "no symbolic links here";
    }
    ASSERT_TRUE(MakeLink(dir / "M\\~reelmark.tmp", dir / "outside"));

    for (const std::vector<std::string>& run :
         {std::vector<std::string>{"generate", dir / "M"}, {"generate", "--recursive", dir / "M"}}) {
        EXPECT_EQ(0, Run(run));
        EXPECT_EQ((std::vector<std::string>{"1", "important.doc"}), NamesInFolder(dir / "outside"));
        EXPECT_EQ("keep me", ReadFileBytes(dir / "outside\\important.doc"));
        EXPECT_EQ("the user's", ReadFileBytes(dir / "M\\Season 1\\~reelmark.tmp\\mine.doc"));
        for (const std::string& folder : folders) {
            EXPECT_EQ("a file", ReadFileBytes(dir / (folder + "\\~reelmark-1-1.tmp")));
            const bool visited = folder == "M" || run.size() == 3;
            for (const char* name : {"\\~reelmark.tmp", "\\~reelmark-1-1.tmp", "\\~reelmark-2-2.tmp"})
                EXPECT_EQ(visited, std::string::npos != out.str().find("Reelmark did not make it: " +
                                                                       (dir / (folder + name)) + "\n"))
                    << folder << name;
        }
        // Every metadata file is written: nothing stood in the way.
        EXPECT_EQ(0u, ReadFileBytes(dir / "M\\a.mpg.txt").find("title : a\r\n"));
        EXPECT_EQ(run.size() == 3, PathExists(dir / "M\\Season 1\\a.mpg.txt"));
    }
}

TEST_F(CliTest, AFolderBelowThatCannotBeReadEndsTheRunWithItsOwnCode)
{
    dir.WriteFile("Shows\\Dr Who\\e1.mpg");
    dir.WriteFile("Shows\\Locked\\e2.mpg");
    ReadingDenied locked(dir / "Shows\\Locked");
    if (!locked.Denied())
        GTEST_SKIP() << "no folder can be kept from this program here";
    // Every command that walks the folders ends so, a dry run as the real
    // run does (a script that checks the dry run first must see it).
    const std::vector<std::vector<std::string>> commands = {
        {"list"}, {"list", "--json"}, {"show"}, {"show", "--json"}, {"generate", "--dry-run"}, {"generate"}};
    for (std::vector<std::string> args : commands) {
        const std::string command = args.front();
        args.insert(args.end(), {"--recursive", dir / "Shows"});
        EXPECT_EQ(3, Run(args)) << ::testing::PrintToString(args);
        EXPECT_EQ(command == "generate" && args[1] != "--dry-run", PathExists(dir / "Shows\\Dr Who\\e1.mpg.txt"));
        // One stamped line that names the folder and why.
        const std::string& log = command == "generate" ? out.str() : err.str();
        const std::string warning = ": <WARNING>Could not read folder (skipped): " + (dir / "Shows\\Locked") + ": ";
        const size_t at = log.find(warning);
        ASSERT_NE(std::string::npos, at) << log;
        EXPECT_EQ(24u, at - (at == 0 ? 0 : log.rfind('\n', at) + 1)) << log;
        const size_t end = log.find('\n', at);
        const std::string next = log.substr(end + 1, log.find('\n', end + 1) - end - 1);
        EXPECT_TRUE(next.empty() || next.compare(0, 3, "== ") == 0 || (next.size() > 26 && next[10] == ','))
            << "no unstamped line: " << log;
    }
    EXPECT_TRUE(PathExists(dir / "Shows\\Dr Who\\e1.mpg.txt"));
    // A file that could not be written outweighs it.
    dir.WriteFile("Shows\\Dr Who\\e1.mpg.txt", "kept");
    SetReadOnly(dir / "Shows\\Dr Who\\e1.mpg.txt");
    EXPECT_EQ(1, Run({"generate", "--recursive", "--replace", dir / "Shows"}));
}

TEST_F(CliTest, ListRecursiveShowsEachFolderAndItsMoviesInNameOrder)
{
    for (const char* name : {"b.mpg", "A.mpg", "c\\z.mpg", "C\\y.mpg", "B\\Season 2\\x.mpg", "B\\Season 1\\x.mpg",
                             "_extra\\w.mpg"})
        dir.WriteFile(std::string("Shows\\") + name);
    EXPECT_EQ(0, Run({"list", "--recursive", dir / "Shows"}));
    const std::vector<std::string> expected = {
        "[    ] A.mpg", "[    ] b.mpg", NativePath("[    ] B\\Season 1\\x.mpg"), NativePath("[    ] B\\Season 2\\x.mpg"),
#ifdef _WIN32
        "[    ] c\\z.mpg",  // one folder where names differ only in case
#else
        "[    ] C/y.mpg", "[    ] c/z.mpg",
#endif
        NativePath("[    ] _extra\\w.mpg"),
    };
    std::vector<std::string> lines = Messages();
    lines.pop_back();
#ifdef _WIN32
    lines.erase(std::remove(lines.begin(), lines.end(), "[    ] c\\y.mpg"), lines.end());
#endif
    EXPECT_EQ(expected, lines);
}

TEST_F(CliTest, SettingsItCannotUseTakeTheirDefaultsWithALogLine)
{
    // A NUL byte inside a value, a star rating that names no item, and a
    // series type of shows without a series ID of its own.
    dir.WriteFile("reelmark.ini", std::string(" [Settings]\r\n SeriesDesc=MV12\0 34\r\n StarRating=lots\r\n"
                                              " SeriesType=SH general TV shows\r\n IsEpisode=true\r\n",
                                              93));
    dir.WriteFile("Show\\e1.mpg");
    EXPECT_EQ(0, Run({"generate", dir / "Show"}));
    const std::string text = ReadFileBytes(dir / "Show\\e1.mpg.txt");
    EXPECT_EQ(std::string::npos, text.find('\0'));
    EXPECT_NE(std::string::npos, text.find("description : (2012) My home Movies, stuff from the internet etc.\r\n"));
    EXPECT_NE(std::string::npos, text.find("starRating : x5\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("seriesId : SH994401\r\n")) << text;
    const std::vector<std::string> messages = Messages();
    const std::string ini = dir / "reelmark.ini";
    for (const std::string line :
         {"<WARNING>The setting SeriesDesc in " + ini +
              " holds a NUL byte; it takes its default \"(2012) My home Movies, stuff from the internet "
              "etc.\".",
          "<WARNING>The setting StarRating=lots in " + ini +
              " is none of its values: \"1 (*) star\", \"2 (**) stars\", \"3 (***) stars\", \"4 (****) "
              "stars\" (or the "
              "start of one, such as \"3\"); it takes its default \"3 (***) stars\"."})
        EXPECT_NE(messages.end(), std::find(messages.begin(), messages.end(), line)) << line;
}

TEST_F(CliTest, AMetadataFileNameLongerThanTheFileSystemTakesIsReportedAsTooLong)
{
    const std::string name = std::string(250, 'n') + ".mpg";  // 254: its metadata file's name is 258
    dir.WriteFile("Films\\" + name);
    EXPECT_EQ(1, Run({"generate", dir / "Films"}));
    EXPECT_NE(std::string::npos,
              out.str().find("\nThe name is too long: 258 characters, where the file system takes at most 255.\n"))
        << out.str();
}

TEST(CliArgumentsTest, OptionsStandAnywhere)
{
    CliArguments parsed;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"--ini", "my.ini", "GENERATE", "D:\\Video", "--replace"}, parsed, error));
    EXPECT_FALSE(parsed.recursive);
    EXPECT_EQ(CliCommand::Generate, parsed.command);
    EXPECT_EQ("D:\\Video", parsed.Folder());
    EXPECT_TRUE(parsed.replace);
    EXPECT_EQ("my.ini", parsed.iniFile);

    // After "--" a folder may start with a dash, and "--help" is a name.
    ASSERT_TRUE(ParseCliArguments({"list", "--", "--help"}, parsed, error));
    EXPECT_EQ(CliCommand::List, parsed.command);
    EXPECT_EQ("--help", parsed.Folder());
    ASSERT_TRUE(ParseCliArguments({"list", "--recursive", "D:\\Video"}, parsed, error));
    EXPECT_TRUE(parsed.recursive);

    EXPECT_FALSE(ParseCliArguments({"generate", "a", "--ini", "x", "--ini", "y"}, parsed, error));
    EXPECT_EQ("--ini is given more than once", error);
}

TEST_F(CliTest, ParseNamesAndTheOptionalTemplateLines)
{
    dir.WriteFile("reelmark.ini",
                  " [Config]\r\n ParseNames=true\r\n [Settings]\r\n IsEpisode=true\r\n SeriesID=SH1\r\n"
                  " Genre=Comedy;Family\r\n OriginalAirDate=2012-03-31\r\n");
    dir.WriteFile("Garden Diary\\Show.Name.S02E05.The.Roses.720p.HDTV.x264-GRP.mkv");

    // The settings file's ParseNames is the window's: here only the option counts.
    EXPECT_EQ(0, Run({"generate", dir / "Garden Diary"}));
    const std::string file = dir / "Garden Diary\\Show.Name.S02E05.The.Roses.720p.HDTV.x264-GRP.mkv.txt";
    const std::string plain = ReadFileBytes(file);
    EXPECT_NE(std::string::npos,
              plain.find("episodeTitle : Show.Name.S02E05.The.Roses.720p.HDTV.x264-GRP\r\n"));
    EXPECT_EQ(std::string::npos, plain.find("episodeNumber"));

    // The name's show wins over the folder's and gives the show's own ID;
    // one show in one folder keeps the template's air date, and an episode
    // with an air date has no movieYear, which pyTivo would send instead.
    EXPECT_EQ(0, Run({"generate", "--parse-names", dir / "Garden Diary", "--replace"}));
    EXPECT_EQ(
        "title : Show Name\r\n"
        "seriesTitle : Show Name\r\n"
        "episodeTitle : The Roses\r\n"
        "seriesId : " + ShowSeriesId("SH", ShowKey("Show Name", 0), 0) + "\r\n"
        "description : (2012) My home Movies, stuff from the internet etc.\r\n"
        "isEpisode : true\r\n"
        "tvRating : x3\r\n"
        "starRating : x5\r\n"
        "episodeNumber : 205\r\n"
        "originalAirDate : 2012-03-31T00:00:00Z\r\n"
        "vProgramGenre : Comedy\r\n"
        "vProgramGenre : Family\r\n",
        ReadFileBytes(file));

    EXPECT_EQ(2, Run({"list", dir.Path(), "--parse-names"}));
    EXPECT_NE(std::string::npos, err.str().find("--parse-names"));
    EXPECT_EQ(0, Run({"--help"}));
    EXPECT_NE(std::string::npos, out.str().find("  --parse-names  "));
}
