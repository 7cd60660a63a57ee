// The home folder rule of the Windows program (installed copies, the
// application data folder).
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/HomeFolder.h"
#include "support/TempFolder.h"

namespace {

struct HomeCase {
    const char* what;
    const char* current;
    const char* program;
    const char* appData;
    bool installed;
    const char* expected;
};

const HomeCase kHomeCases[] = {
    {"a portable copy started in its own folder keeps its files there", "D:\\Tools\\Reelmark",
     "D:\\Tools\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming", false, "D:\\Tools\\Reelmark"},
    {"an installed copy started in its folder (Start menu) uses the per-user folder",
     "C:\\Program Files\\Reelmark", "C:\\Program Files\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming", true,
     "C:\\Users\\Ann\\AppData\\Roaming\\Reelmark"},
    {"an installed copy started elsewhere keeps its files in that folder", "D:\\Movies",
     "C:\\Program Files\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming", true, "D:\\Movies"},
    {"a sub-folder of the program's folder is another folder", "C:\\Program Files\\Reelmark\\Sub",
     "C:\\Program Files\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming", true,
     "C:\\Program Files\\Reelmark\\Sub"},
    {"a folder whose name only begins like the program's is another folder", "C:\\Program Files\\Reelmark2",
     "C:\\Program Files\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming", true, "C:\\Program Files\\Reelmark2"},
    {"case, slashes and a trailing backslash do not make another folder", "c:/program files/REELMARK/",
     "C:\\Program Files\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming", true,
     "C:\\Users\\Ann\\AppData\\Roaming\\Reelmark"},
    {"the application data folder's trailing backslash is not doubled", "E:\\Apps\\Reelmark",
     "E:\\Apps\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming\\", true,
     "C:\\Users\\Ann\\AppData\\Roaming\\Reelmark"},
    {"without an application data folder the current folder stays", "C:\\Program Files\\Reelmark",
     "C:\\Program Files\\Reelmark", "", true, "C:\\Program Files\\Reelmark"},
    {"an unknown program folder matches no current folder", "C:\\Program Files\\Reelmark", "",
     "C:\\Users\\Ann\\AppData\\Roaming", true, "C:\\Program Files\\Reelmark"},
    {"a drive root is the program's folder whether or not it ends in a backslash", "F:", "F:\\",
     "C:\\Users\\Ann\\AppData\\Roaming", true, "C:\\Users\\Ann\\AppData\\Roaming\\Reelmark"},
};

}  // namespace

TEST(ChooseHomeFolder, FollowsThePerUserRule)
{
    for (const HomeCase& c : kHomeCases) {
        EXPECT_EQ(c.expected, ChooseHomeFolder(c.current, c.program, c.appData, [&c] { return c.installed; }))
            << c.what;
    }
}

TEST(ChooseHomeFolder, AsksWhetherInstalledOnlyInTheProgramsOwnFolder)
{
    // Finding out may mean writing a test file into the folder: never into
    // a folder the program merely runs in.
    int asked = 0;
    const auto isInstalled = [&asked] {
        ++asked;
        return true;
    };
    ChooseHomeFolder("D:\\Movies", "C:\\Program Files\\Reelmark", "C:\\Users\\Ann\\AppData\\Roaming",
                     isInstalled);
    EXPECT_EQ(0, asked);
    ChooseHomeFolder("C:\\Program Files\\Reelmark", "C:\\Program Files\\Reelmark",
                     "C:\\Users\\Ann\\AppData\\Roaming", isInstalled);
    EXPECT_EQ(1, asked);
}

TEST(HomeFolder, IsTheCurrentFolderOutsideTheProgramsFolder)
{
    TempFolder folder;
    CurrentDirectoryScope scope(folder.Path());
    EXPECT_EQ(folder.Path(), HomeFolder());
    // Nothing was probed or made there.
    EXPECT_TRUE(NamesInFolder(folder.Path()).empty());
}

TEST(HomeFolder, APortableCopyStartedInItsOwnFolderStaysThereAndLeavesNoProbe)
{
    char path[MAX_PATH];
    const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    CurrentDirectoryScope scope(folder);
    EXPECT_EQ(folder, HomeFolder());
    for (const std::string& name : NamesInFolder(folder))
        EXPECT_NE(0u, name.find("~reelmark-write-test-" + std::to_string(GetCurrentProcessId()))) << name;
}
#endif
