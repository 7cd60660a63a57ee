#include <gtest/gtest.h>

#include "ui/main/OutsidePrograms.h"
#include "resource.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace {

std::string CurrentDirectory()
{
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

void ExpectLaunch(const LaunchRequest& actual, const std::string& file, const std::string& parameters,
                  const std::string& directory, int show)
{
    EXPECT_EQ(file, actual.file);
    EXPECT_EQ(parameters, actual.parameters);
    EXPECT_EQ(directory, actual.directory);
    EXPECT_EQ(show, actual.show);
}

}  // namespace

TEST(OutsidePrograms, PyTivoStartsInAVisibleKeptConsoleInItsFolderWithoutMovingOurs)
{
    ScriptedPrompt prompt;
    TempFolder temp;
    temp.WriteFile("Program Files (x86)\\pyTivo\\pyTivo.py", "print('hi')\n");
    const std::string folder = temp / "Program Files (x86)\\pyTivo";
    const std::string before = CurrentDirectory();

    ASSERT_TRUE(LaunchPyTivo(folder + "\\pyTivo.py"));
    // Help started after pyTivo still runs where the help files were written.
    ASSERT_TRUE(ShowHelpDocument(before));

    EXPECT_EQ(before, CurrentDirectory());
    ASSERT_EQ(2u, prompt.launches.size());
    ExpectLaunch(prompt.launches[0], "cmd.exe", "/k \"pyTivo.py\"", folder, SW_SHOW);
    ExpectLaunch(prompt.launches[1], "cmd.exe", "/c \"hh.exe Reelmark.chm\"", before, SW_HIDE);
}

TEST(OutsidePrograms, ScriptWithoutFolderOrWithAMissingFolderRunsInOurCurrentDirectory)
{
    ScriptedPrompt prompt;
    const std::string before = CurrentDirectory();
    LaunchPyTivo("pyTivo.py");
    LaunchPyTivo("Q:\\no such folder\\pyTivo.py");
    ShowHelpDocument("Q:\\no such folder");
    EXPECT_EQ(before, CurrentDirectory());
    ASSERT_EQ(3u, prompt.launches.size());
    ExpectLaunch(prompt.launches[0], "cmd.exe", "/k \"pyTivo.py\"", "", SW_SHOW);
    ExpectLaunch(prompt.launches[1], "cmd.exe", "/k \"pyTivo.py\"", "", SW_SHOW);
    ExpectLaunch(prompt.launches[2], "cmd.exe", "/c \"hh.exe Reelmark.chm\"", "", SW_HIDE);
}

TEST(OutsidePrograms, ScriptNamesThatCmdWouldParseAreOpenedDirectlyNeverThroughCmd)
{
    ScriptedPrompt prompt;
    TempFolder temp;
    const std::string names[] = {"a&calc.py",     "a|calc.py", "a>out.py",     "a<in.py",
                                 "a^b.py",        "@echo.py",  "my pyTivo.py", "bang!PATH!.py",
                                 "pyTivo (2).bat"};
    for (const std::string& name : names) {
        prompt.launches.clear();
        const std::string path = temp.Path() + "\\" + name;
        LaunchPyTivo(path);
        ASSERT_EQ(1u, prompt.launches.size()) << name;
        ExpectLaunch(prompt.launches[0], path, "", temp.Path(), SW_SHOW);
    }
    // A bare name with such characters is opened in our current directory.
    prompt.launches.clear();
    LaunchPyTivo("x&y.py");
    ExpectLaunch(prompt.launches.at(0), "x&y.py", "", "", SW_SHOW);
}

TEST(OutsidePrograms, APercentSignAnywhereStartsNothingAndTheOtherSignsStayInsideOneName)
{
    // Under the batch association cmd expands %OS% even inside quotes, so
    // "a%OS%b.bat" would run a decoy "aWindows_NTb.bat".
    ScriptedPrompt prompt;
    TempFolder temp;
    for (const std::string& location : {temp / "a%OS%b.bat", temp / "a%OS%b\\pyTivo.bat", std::string("%OS%.py")}) {
        EXPECT_NE(std::string::npos, PyTivoLaunchProblem(location).find("holds a % sign: " + location)) << location;
        EXPECT_FALSE(LaunchPyTivo(location)) << location;
    }
    EXPECT_TRUE(prompt.launches.empty());
    // The others, in the name or in the folder: the script is named whole,
    // quoted, to the shell, or only its plain name goes to cmd while the
    // folder is the working folder, which cmd never parses.
    for (const char* sign : {"^", "&", "!", "(", ")"}) {
        const std::string odd = std::string("a") + sign + "b";
        temp.WriteFile(odd + "\\pyTivo.bat");
        prompt.launches.clear();
        EXPECT_TRUE(PyTivoLaunchProblem(temp / (odd + "\\pyTivo.bat")).empty());
        LaunchPyTivo(temp / (odd + "\\pyTivo.bat"));
        LaunchPyTivo(temp / (odd + ".bat"));
        ASSERT_EQ(2u, prompt.launches.size()) << sign;
        ExpectLaunch(prompt.launches[0], "cmd.exe", "/k \"pyTivo.bat\"", temp / odd, SW_SHOW);
        ExpectLaunch(prompt.launches[1], temp / (odd + ".bat"), "", temp.Path(), SW_SHOW);
    }
}

TEST(OutsidePrograms, TheWindowSaysWhyAScriptWithAPercentSignIsNotStarted)
{
    MainWindowHarness w;
    w.start.WriteFile("a%OS%b.bat", "@echo off\r\n");
    w.start.WriteFile("aWindows_NTb.bat", "@echo decoy\r\n");
    w.WriteIni(" [Config]\r\n PythonLoc=" + (w.start / "a%OS%b.bat") + "\r\n");
    w.Start();
    w.Click(ID_LAUNCH_PYTIVO);
    EXPECT_TRUE(w.prompt.launches.empty());
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("PyTivo Not Started", w.prompt.messages[0].caption);
    EXPECT_EQ(PyTivoLaunchProblem(w.start / "a%OS%b.bat"), w.prompt.messages[0].text);
}

TEST(OutsidePrograms, PyTivoIsAvailableOnlyForAnExistingFile)
{
    TempFolder temp;
    temp.WriteFile("pyTivo\\pyTivo.py", "x");
    EXPECT_TRUE(IsPyTivoAvailable(temp / "pyTivo\\pyTivo.py"));
    EXPECT_FALSE(IsPyTivoAvailable(temp / "pyTivo"));
    EXPECT_FALSE(IsPyTivoAvailable(temp / "pyTivo\\missing.py"));
    EXPECT_FALSE(IsPyTivoAvailable(""));
    EXPECT_FALSE(IsPyTivoAvailable(temp.Path() + "\\" + std::string(1100, 'p') + ".py"));
}

TEST(OutsidePrograms, MovieFolderChoiceAsksForFileSystemFoldersFromTheCurrentOne)
{
    ScriptedPrompt prompt;
    prompt.folders.push_back("D:\\Video\\Dr Who");
    EXPECT_EQ("D:\\Video\\Dr Who", ChooseMovieFolder(nullptr, "C:\\Movies"));
    EXPECT_EQ("", ChooseMovieFolder(nullptr, "D:\\Video\\Dr Who"));  // cancelled
    ASSERT_EQ(2u, prompt.folderQuestions.size());
    EXPECT_EQ("Select folder", prompt.folderQuestions[0].title);
    EXPECT_EQ("C:\\Movies", prompt.folderQuestions[0].initialFolder);
    EXPECT_EQ(0x49u, prompt.folderQuestions[0].flags);
    EXPECT_EQ("D:\\Video\\Dr Who", prompt.folderQuestions[1].initialFolder);
}
