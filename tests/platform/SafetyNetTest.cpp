// What the undo journal and the Recycle Bin need of the system: the hash
// of a file's bytes, the per-user state folder, parts of a file, appends
// forced to the disk, and (Windows) which files a bin can take.
#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "platform/ContentHash.h"
#include "platform/FileSystem.h"
#include "platform/Environment.h"
#include "platform/HomeFolder.h"
#include "platform/Paths.h"
#include "platform/SharedFile.h"
#include "support/TempFolder.h"
#ifdef _WIN32
#include "platform/Trash.h"
#endif

TEST(SafetyNet, TheHashIsSha256OfTheBytes)
{
    // The test vectors of FIPS 180-2, and a NUL inside the bytes.
    EXPECT_EQ("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855", ContentHash(""));
    EXPECT_EQ("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", ContentHash("abc"));
    EXPECT_EQ("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1",
              ContentHash("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"));
    EXPECT_NE(ContentHash(std::string("a\0b", 3)), ContentHash("a"));
}

TEST(SafetyNet, ReadsAPartOfAFileAndNothingPastItsEnd)
{
    TempFolder dir;
    dir.WriteFile("pack", "0123456789");
    std::string bytes;
    SystemError error = 0;
    ASSERT_TRUE(ReadFilePart(dir / "pack", 3, 4, bytes, &error));
    EXPECT_EQ("3456", bytes);
    ASSERT_TRUE(ReadFilePart(dir / "pack", 6, 4, bytes, &error)) << "up to the last byte";
    EXPECT_EQ("6789", bytes);
    EXPECT_FALSE(ReadFilePart(dir / "pack", 7, 4, bytes, &error)) << "one past it";
    EXPECT_TRUE(IsNotFound(error));
    EXPECT_FALSE(ReadFilePart(dir / "missing", 0, 1, bytes, &error));
}

TEST(SafetyNet, AnAppendFileCountsItsBytesAndForcesThemToTheDisk)
{
    TempFolder dir;
    AppendFile file;
    ASSERT_EQ(0u, file.Open(dir / "log"));
    EXPECT_EQ(0u, file.Size());
    ASSERT_EQ(0u, file.Append("abc"));
    ASSERT_EQ(0u, file.Append("de"));
    EXPECT_EQ(5u, file.Size());
    EXPECT_EQ(0u, file.Flush());
    EXPECT_EQ("abcde", ReadFileBytes(dir / "log"));
}

#ifndef _WIN32
TEST(SafetyNet, TheStateFolderIsXdgStateHomeWhenAbsoluteElseInTheHomeFolder)
{
    EnvironmentScope home("HOME", "/home/someone");
    {
        EnvironmentScope state("XDG_STATE_HOME", "/var/state");
        EXPECT_EQ("/var/state/reelmark", UserStateFolder());
    }
    {
        EnvironmentScope state("XDG_STATE_HOME", "relative/state");
        EXPECT_EQ("/home/someone/.local/state/reelmark", UserStateFolder()) << "a relative one is ignored";
    }
    EnvironmentScope state("XDG_STATE_HOME", "");
    EXPECT_EQ("/home/someone/.local/state/reelmark", UserStateFolder());
    EnvironmentScope noHome("HOME", "");
    EXPECT_EQ("", UserStateFolder());
}
#else
TEST(SafetyNet, TheStateFolderIsReelmarkInTheLocalApplicationDataFolder)
{
    EnvironmentScope local("LOCALAPPDATA", "C:\\Users\\someone\\AppData\\Local\\");
    EXPECT_EQ("C:\\Users\\someone\\AppData\\Local\\Reelmark", UserStateFolder());
    EnvironmentScope none("LOCALAPPDATA", "");
    EXPECT_EQ("", UserStateFolder());
}

TEST(SafetyNet, TheBinTakesFilesOfItsFileSystemWithShortPathsAndHoldsThemOnceSent)
{
    // The tests' own trash (scripts/wine-run.sh), never the user's.
    const std::string data = EnvironmentValue("XDG_DATA_HOME");
    if (data.find("test-data") == std::string::npos)
        GTEST_SKIP() << "no trash of the tests' own (run through CTest)";
    TempFolder dir;
    dir.WriteFile("a.mpg", "a");
    dir.WriteFile("a.mpg.txt", "meta");
    const std::string longName = dir / (std::string(250, 'x') + ".mpg");
    const std::vector<bool> can = CanRecycle({dir / "a.mpg.txt", dir / "a.mpg", longName});
    EXPECT_EQ((std::vector<bool>{true, true, false}), can);
    EXPECT_EQ((std::vector<std::string>{"a.mpg", "a.mpg.txt"}), NamesInFolder(dir.Path())) << "the try leaves nothing";

    EXPECT_EQ(0u, SendToRecycleBin({dir / "a.mpg.txt", dir / "a.mpg"}));
    EXPECT_TRUE(NamesInFolder(dir.Path()).empty());

    MemoryTempScope memory;
    TempFolder other;
    if (other.Path().compare(0, 10, "Z:\\dev\\shm") == 0) {
        other.WriteFile("b.mpg", "b");
        EXPECT_EQ(std::vector<bool>{false}, CanRecycle({other / "b.mpg"})) << "another file system";
        EXPECT_EQ(std::vector<std::string>{"b.mpg"}, NamesInFolder(other.Path()));
    }
}
#endif
