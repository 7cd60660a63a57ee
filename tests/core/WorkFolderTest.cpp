// The program's temporary files: short names in a hidden work folder, and
// the leftovers of runs that were cut short.
#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "core/TextFile.h"
#include "core/WorkFolder.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

TEST(WorkFolder, ALaterRunRemovesOnlyTheOldLeftoversOfTheProgramsOwnPatterns)
{
    TempFolder folder;
    const std::vector<std::string> leftovers = {"~reelmark.tmp\\1f0-3", "~reelmark.tmp\\2a-1",
                                                "Holiday.mpg.txt.reelmark-new", "~reelmark12.tmp"};
    std::vector<std::string> kept = {"Holiday.mpg", "Holiday.mpg.txt", "~reelmarkX.tmp",
                                     "notes.reelmark-new.txt"};
#ifdef _WIN32
    // Another run of the program still writes this one: Windows keeps a
    // file that is open from being deleted.
    kept.push_back("~reelmark.tmp\\held");
#endif
    for (const std::string& name : leftovers)
        folder.WriteFile(name, "cut short");
    for (const std::string& name : kept)
        folder.WriteFile(name, "the user's");
    for (const std::string& name : leftovers)
        AgeFile(folder / name);
#ifdef _WIN32
    AgeFile(folder / "~reelmark.tmp\\held");
    HANDLE held = CreateFileW(FilePath(folder / "~reelmark.tmp\\held").c_str(), GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
#endif

    WorkFolder work(folder.Path());
    // Written after this run began: not a leftover.
    folder.WriteFile("~reelmark.tmp\\new", "this run's");
    work.RemoveLeftovers();
#ifdef _WIN32
    CloseHandle(held);
#endif

    for (const std::string& name : leftovers)
        EXPECT_FALSE(PathExists(folder / name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(PathExists(folder / name)) << name;
    EXPECT_TRUE(PathExists(folder / "~reelmark.tmp\\new"));
}

TEST(WorkFolder, AtomicWritesLeaveNothingButTheFileAndCleanUpAfterThemselves)
{
    TempFolder folder;
    {
        WorkFolder work(folder.Path());
        for (const char* name : {"a.mpg.txt", "b.mpg.txt"})
            ASSERT_TRUE(WriteTextFileAtomically(folder / name, "text\n", nullptr, &work));
    }
    ASSERT_TRUE(WriteTextFileAtomically(folder / "c.mpg.txt", "text\n"));
    EXPECT_EQ((std::vector<std::string>{"a.mpg.txt", "b.mpg.txt", "c.mpg.txt"}),
              NamesInFolder(folder.Path()));
    EXPECT_EQ("text\r\n", ReadFileBytes(folder / "c.mpg.txt"));
}
