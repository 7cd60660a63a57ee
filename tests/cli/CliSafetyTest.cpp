// What reelmark-cli never does: write through a link, take a user's file
// for its own by its name, wait for ever on a pipe named like a file, or
// read a settings file that is a device or far too large; and "--" before
// names that start with a dash.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliFixture.h"
#include "core/settings/IniFile.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace {

using CliSafety = CliFixture;

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST_F(CliSafety, ALinkedMetaFolderGetsNothingAndTheRunFails)
{
    dir.WriteFile("Films\\A.mpg");
    dir.MakeFolder("elsewhere");
    if (!MakeLink(dir / "Films\\.meta", dir / "elsewhere"))
        GTEST_SKIP() << "no symbolic links here";

    EXPECT_EQ(1, Run({"generate", "--meta-folder", dir / "Films"}));

    EXPECT_EQ(std::vector<std::string>{}, NamesInFolder(dir / "elsewhere"));
    EXPECT_EQ(1u, Count(out.str(), "Left alone: " + (dir / "Films\\.meta") + ": a link")) << out.str();
    EXPECT_NE(std::string::npos, out.str().find("0 Metadata Files Created - 0 skipped - 1 failed!"));
}

TEST_F(CliSafety, UserFilesNamedLikeTheProgramsOwnAreKeptAndNamedOnce)
{
    dir.WriteFile("Films\\A.mpg");
    const std::vector<std::string> users = {"notes.reelmark-new", "~reelmark7.tmp",
                                            "~reelmark-1-2.tmp\\my notes.txt", "~reelmark-1-3.tmp\\5"};
    for (const std::string& name : users)
        dir.WriteFile("Films\\" + name, "the user's");

    EXPECT_EQ(0, Run({"generate", dir / "Films"}));

    for (const std::string& name : users)
        EXPECT_EQ("the user's", ReadFileBytes(dir / ("Films\\" + name))) << name;
    for (const char* name : {"notes.reelmark-new", "~reelmark7.tmp", "~reelmark-1-2.tmp", "~reelmark-1-3.tmp"})
        EXPECT_EQ(1u, Count(out.str(), "Left alone, Reelmark did not make it: " + (dir / "Films") +
                                           NativePath("\\") + name + "\n"))
            << name;
    EXPECT_TRUE(PathExists(dir / "Films\\A.mpg.txt"));
}

TEST_F(CliSafety, APipeInAnyPlaceOfASourceIsNamedAndShowAnswers)
{
    // Every place pyTivo reads a source from: a movie's .nfo, .properties
    // and .txt, the folder's default.txt, the .meta files, and a tvshow.nfo
    // in a folder above (read for an episode's .nfo).
    dir.WriteFile("TV\\Show\\A.mkv");
    dir.WriteFile("TV\\Show\\B.mkv");
    dir.WriteFile("TV\\Show\\B.nfo", "<episodedetails><title>Pilot</title></episodedetails>");
    const std::vector<std::string> pipes = {"TV\\tvshow.nfo",        "TV\\Show\\A.nfo",
                                            "TV\\Show\\A.properties", "TV\\Show\\A.mkv.txt",
                                            "TV\\Show\\default.txt",  "TV\\Show\\.meta\\default.txt",
                                            "TV\\Show\\.meta\\A.mkv.txt"};
    dir.MakeFolder("TV\\Show\\.meta");
    for (const std::string& pipe : pipes) {
        if (!MakeFifo(dir / pipe))
            GTEST_SKIP() << "no named pipes here";
    }

    EXPECT_EQ(0, Run({"show", dir / "TV\\Show"}));

    for (const std::string& pipe : pipes)
        EXPECT_NE(std::string::npos, out.str().find("  ! " + (dir / pipe) + ": Not a file")) << pipe << out.str();
    EXPECT_NE(std::string::npos, out.str().find("episodeTitle : Pilot")) << out.str();
    // The list and a run go on past them as well, and a run never replaces
    // a pipe (Wine cannot tell it from a file in a listing, and its rename
    // refuses it: the run fails for that movie).
    EXPECT_EQ(0, Run({"list", dir / "TV\\Show"}));
    const int generated = Run({"generate", dir / "TV\\Show"});
    EXPECT_TRUE(generated == 0 || generated == 1) << generated;
    EXPECT_TRUE(PathExists(dir / "TV\\Show\\B.mkv.txt"));
    SystemError error = 0;
    EXPECT_FALSE(CanReadFile(dir / "TV\\Show\\A.mkv.txt", nullptr, &error));
    EXPECT_EQ(kErrorNotAFile, error) << "still the pipe";
}

TEST_F(CliSafety, ASettingsFileThatIsADeviceOrTooLargeIsRefusedAtOnce)
{
    dir.WriteFile("Films\\A.mpg");
    std::string largest = " [Settings]\r\n SeriesID=MV1\r\n;";
    largest += std::string(kLargestIniFile - largest.size(), ' ');
    dir.WriteFile("largest.ini", largest);
    dir.WriteFile("too large.ini", std::string(kLargestIniFile + 1, ';'));
    EXPECT_EQ(0, Run({"generate", "--dry-run", dir / "Films", "--ini", dir / "largest.ini"})) << err.str();
    EXPECT_EQ(2, Run({"generate", dir / "Films", "--ini", dir / "too large.ini"}));
    EXPECT_NE(std::string::npos, err.str().find("The file is too large")) << err.str();
#ifdef _WIN32
    const std::string device = "Z:\\dev\\zero";  // Wine's view of the system's devices
#else
    const std::string device = "/dev/zero";
#endif
    if (!PathExists(device))
        return;
    // A device that never ends would be read until memory runs out.
    EXPECT_EQ(2, Run({"generate", dir / "Films", "--ini", device}));
    EXPECT_NE(std::string::npos, err.str().find("Not a file")) << err.str();
    EXPECT_FALSE(PathExists(dir / "Films\\A.mpg.txt"));
}

TEST_F(CliSafety, NamesAfterTwoDashesArePathsEvenWhenTheyStartWithADash)
{
    // "show --json *" in a folder that holds a file named "-h".
    dir.WriteFile("Films\\-h.mpg");
    dir.WriteFile("Films\\--json");
    dir.WriteFile("-h");
    CurrentDirectoryScope films(dir / "Films");
    EXPECT_EQ(0, Run({"show", "--json", "--", "-h.mpg", "--json"}));
    EXPECT_EQ(2u, Count(out.str(), "\"movie\": "));
    EXPECT_NE(std::string::npos, out.str().find("\"title\": \"-h\"")) << out.str();
    EXPECT_EQ(0, Run({"list", "--", dir / "Films"}));
    EXPECT_NE(std::string::npos, out.str().find("-h.mpg"));
    CurrentDirectoryScope top(dir.Path());
    EXPECT_EQ(2, Run({"list", "--", "-h"})) << "a file is no folder to list";
}
