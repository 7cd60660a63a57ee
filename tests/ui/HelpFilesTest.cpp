#include <windows.h>

#include <gtest/gtest.h>

#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "support/ProgramResource.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "ui/main/ApplicationBinRes.h"
#include "ui/main/HelpFiles.h"

namespace {

constexpr int kNoSuchResource = 9999;

// Nothing but the two help files: no temporary file or work folder stays.
bool OnlyHelpFilesIn(const TempFolder& folder)
{
    return NamesInFolder(folder.Path()) == std::vector<std::string>{"Reelmark.chm", "hh.exe"};
}

}  // namespace

TEST(HelpResources, AreACompiledHelpFileAndAWindowsProgram)
{
    const std::string document = ProgramResource(kIdrChmBin);
    const std::string viewer = ProgramResource(kIdrHhfExeBin);
    ASSERT_GT(document.size(), 1000u);
    ASSERT_GT(viewer.size(), 1000u);
    EXPECT_EQ("ITSF", document.substr(0, 4));
    EXPECT_EQ("MZ", viewer.substr(0, 2));
}

TEST(WriteHelpFiles, WritesBothFilesIntoTheFolderByteForByte)
{
    ScriptedPrompt prompt;
    ActivityLog log;
    TempFolder folder;
    const HelpFilePaths paths = WriteHelpFiles(log, folder.Path());
    EXPECT_EQ(folder / "hh.exe", paths.viewer);
    EXPECT_EQ(folder / "Reelmark.chm", paths.document);
    EXPECT_TRUE(FileHoldsResource(paths.viewer, kIdrHhfExeBin));
    EXPECT_TRUE(FileHoldsResource(paths.document, kIdrChmBin));
    EXPECT_TRUE(OnlyHelpFilesIn(folder));
    EXPECT_EQ("", log.Text());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(WriteHelpFiles, ReplacesFilesChangedSinceTheLastStart)
{
    ScriptedPrompt prompt;
    ActivityLog log;
    TempFolder folder;
    WriteHelpFiles(log, folder.Path());
    folder.WriteFile("hh.exe", "MZ but not the viewer");
    folder.WriteFile("Reelmark.chm", ProgramResource(kIdrChmBin) + "trailing bytes");

    WriteHelpFiles(log, folder.Path());
    EXPECT_TRUE(FileHoldsResource(folder / "hh.exe", kIdrHhfExeBin));
    EXPECT_TRUE(FileHoldsResource(folder / "Reelmark.chm", kIdrChmBin));
    EXPECT_EQ("", log.Text());
}

TEST(WriteHelpFiles, ReadOnlyFilesAreLoggedWithoutABoxAndKept)
{
    ScriptedPrompt prompt;
    ActivityLog log;
    TempFolder folder;
    folder.WriteFile("hh.exe", "old viewer");
    folder.WriteFile("Reelmark.chm", "old document");
    SetFileAttributesW(FilePath((folder / "hh.exe")).c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(FilePath((folder / "Reelmark.chm")).c_str(), FILE_ATTRIBUTE_READONLY);
    WriteHelpFiles(log, folder.Path());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_NE(std::string::npos, log.Text().find("Could not write help file: " + (folder / "hh.exe") + "\n"));
    EXPECT_NE(std::string::npos,
              log.Text().find("Could not write help file: " + (folder / "Reelmark.chm") + "\n"));
    EXPECT_EQ("old viewer", ReadFileBytes(folder / "hh.exe"));
    EXPECT_EQ("old document", ReadFileBytes(folder / "Reelmark.chm"));
    EXPECT_TRUE(OnlyHelpFilesIn(folder));
}

TEST(WriteHelpFile, MissingResourceShowsTheResourceErrorBoxAndWritesNothing)
{
    ScriptedPrompt prompt;
    ActivityLog log;
    TempFolder folder;
    EXPECT_FALSE(WriteHelpFile(log, kNoSuchResource, "IDR_CHM_BIN", folder / "Reelmark.chm"));

    ASSERT_EQ(1u, prompt.messages.size());
    EXPECT_EQ("Resource Error", prompt.messages[0].caption);
    EXPECT_EQ("Resource Load Failure: IDR_CHM_BIN", prompt.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), prompt.messages[0].type & MB_ICONMASK);
    EXPECT_NE(std::string::npos, log.Text().find(": <ERROR> Resource Load Failure: IDR_CHM_BIN\n"));
    EXPECT_FALSE(PathExists(folder / "Reelmark.chm"));
}

TEST(WriteHelpFile, UnwritablePathIsLoggedWithoutABox)
{
    ScriptedPrompt prompt;
    ActivityLog log;
    TempFolder folder;
    const std::string path = folder / "missing folder\\hh.exe";
    EXPECT_FALSE(WriteHelpFile(log, kIdrHhfExeBin, "IDR_HHF_EXE_BIN", path));
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_NE(std::string::npos, log.Text().find(": <WARNING>Could not write help file: " + path + "\n"));
}

TEST(ExtractBinResource, TellsAMissingResourceFromAFailedWrite)
{
    TempFolder folder;
    folder.WriteFile("kept.bin", "kept");
    unsigned long error = 0;
    EXPECT_EQ(ExtractResult::ResourceMissing,
              ApplicationBinRes::ExtractBinResource("BIN", kNoSuchResource, folder / "kept.bin", &error));
    EXPECT_EQ(ExtractResult::ResourceMissing,
              ApplicationBinRes::ExtractBinResource("NOTBIN", kIdrChmBin, folder / "kept.bin", &error));
    EXPECT_EQ("kept", ReadFileBytes(folder / "kept.bin"));

    EXPECT_EQ(ExtractResult::WriteFailed, ApplicationBinRes::ExtractBinResource(
                                              "BIN", kIdrChmBin, folder / "no\\such\\folder.chm", &error));
    EXPECT_EQ(static_cast<unsigned long>(ERROR_PATH_NOT_FOUND), error);
}

TEST(ExtractBinResource, LeavesAnIdenticalFileAloneEvenWhenItCannotBeReplaced)
{
    // A viewer still running from an earlier start cannot be replaced, but it
    // already is the right file.
    TempFolder folder;
    folder.WriteFile("hh.exe", ProgramResource(kIdrHhfExeBin));
    SetFileAttributesW(FilePath((folder / "hh.exe")).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(ExtractResult::Written,
              ApplicationBinRes::ExtractBinResource("BIN", kIdrHhfExeBin, folder / "hh.exe"));
    EXPECT_TRUE(FileHoldsResource(folder / "hh.exe", kIdrHhfExeBin));
}
