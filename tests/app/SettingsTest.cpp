#include <gtest/gtest.h>

#include "app/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace {

const char kDefaultFile[] =
    " [Config]\r\n"
    " OverwriteMetadata=false\r\n"
    " PythonLoc=C:\\Program Files (x86)\\pyTivo\\pyTivo.py\r\n"
    " [Settings]\r\n"
    " TvRating=TV-G - General Audiences\r\n"
    " MpaaRating=R - Restricted, < 17 Req Parent\r\n"
    " StarRating=3 (***) stars\r\n"
    " SeriesType=MV movies\r\n"
    " SeriesDesc=(2012) My home Movies, stuff from the internet etc.\r\n"
    " IsEpisode=false\r\n"
    " SeriesID=MV994401\r\n"
    " SeriesTitle=Personal Movies\r\n"
    " TargetDir=C:\\\r\n";

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() : inFolder_(folder_.Path()), store_(log_) {}

    std::string Ini() const { return folder_ / "reelmark.ini"; }

    ScriptedPrompt prompt_;
    TempFolder folder_;
    CurrentDirectoryScope inFolder_;
    ActivityLog log_;
    SettingsStore store_;
};

}  // namespace

TEST_F(SettingsTest, FirstStartCreatesTheFileWithEveryKeyAtItsDefault)
{
    store_.SetDefaultSettings();
    ASSERT_TRUE(PathExists(Ini()));
    EXPECT_EQ("", ReadFileBytes(Ini()));
    store_.LoadSettings();
    EXPECT_EQ(kDefaultFile, ReadFileBytes(Ini()));

    const Settings& s = store_.Values();
    EXPECT_EQ("reelmark.ini", s.IniFileName);
    EXPECT_EQ("C:\\Program Files (x86)\\pyTivo\\pyTivo.py", s.PythonLoc);
    EXPECT_EQ("false", s.OverwriteMetadata);
    EXPECT_EQ("C:\\", s.TargetDir);
    EXPECT_EQ("(2012) My home Movies, stuff from the internet etc.", s.SeriesDesc);
    EXPECT_TRUE(prompt_.messages.empty());
    EXPECT_EQ("", log_.Text());
}

TEST_F(SettingsTest, AnExistingFileIsLeftAloneUntilLoadAddsWhatIsMissing)
{
    // Everything but SeriesDesc, with values of the user's own.
    const std::string stored =
        " [Config]\r\n PythonLoc=D:\\py\\pyTivo.py\r\n OverwriteMetadata=true\r\n"
        " [Settings]\r\n TargetDir=E:\\Movies\r\n SeriesTitle=\r\n SeriesID=MV1\r\n IsEpisode=True\r\n"
        " SeriesType=SH show\r\n StarRating=4\r\n MpaaRating=\r\n TvRating=TV-Y\r\n";
    folder_.WriteFile("reelmark.ini", stored);
    store_.SetDefaultSettings();
    EXPECT_EQ(stored, ReadFileBytes(Ini()));
    store_.LoadSettings();

    const Settings& s = store_.Values();
    EXPECT_EQ("D:\\py\\pyTivo.py", s.PythonLoc);
    EXPECT_EQ("true", s.OverwriteMetadata);
    EXPECT_EQ("E:\\Movies", s.TargetDir);
    EXPECT_EQ("", s.SeriesTitle);
    EXPECT_EQ("True", s.IsEpisode);
    EXPECT_EQ("4", s.StarRating);
    EXPECT_EQ("", s.MpaaRating);
    EXPECT_EQ("(2012) My home Movies, stuff from the internet etc.", s.SeriesDesc);
    EXPECT_EQ(
        " [Config]\r\n PythonLoc=D:\\py\\pyTivo.py\r\n OverwriteMetadata=true\r\n [Settings]\r\n"
        " SeriesDesc=(2012) My home Movies, stuff from the internet etc.\r\n" +
            stored.substr(stored.find(" TargetDir")),
        ReadFileBytes(Ini()));
}

TEST_F(SettingsTest, SaveWritesEveryValueIntoTheCurrentDirectoryOfTheMoment)
{
    store_.SetDefaultSettings();
    store_.LoadSettings();
    Settings& s = store_.Values();
    s.SeriesTitle = "Holiday & Caf\xE9";
    s.SeriesDesc = "First line\r\nSecond line\r\n";
    s.IsEpisode = "true";

    // After a pyTivo start the current directory is the script's folder.
    TempFolder pyTivoFolder;
    pyTivoFolder.WriteFile("reelmark.ini");
    {
        CurrentDirectoryScope inPyTivo(pyTivoFolder.Path());
        store_.SaveSettings();
    }
    EXPECT_EQ(kDefaultFile, ReadFileBytes(Ini()));

    CurrentDirectoryScope inPyTivo(pyTivoFolder.Path());
    ActivityLog nextLog;
    SettingsStore next(nextLog);
    next.SetDefaultSettings();
    next.LoadSettings();
    EXPECT_EQ("Holiday & Caf\xE9", next.Values().SeriesTitle);
    EXPECT_EQ("First line\r\nSecond line\r\n", next.Values().SeriesDesc);
    EXPECT_EQ("true", next.Values().IsEpisode);
    EXPECT_EQ("MV994401", next.Values().SeriesID);
}

TEST_F(SettingsTest, AnInaccessibleFileIsReportedAndEverySettingReadsEmpty)
{
    // A folder in the file's place can be neither read nor replaced.
    folder_.MakeFolder("reelmark.ini");
    store_.SetDefaultSettings();
    ASSERT_EQ(1u, prompt_.messages.size());
    EXPECT_EQ("Ini File Create/Open Error", prompt_.messages[0].caption);
    EXPECT_EQ("Could not access: reelmark.ini", prompt_.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), prompt_.messages[0].type & MB_ICONMASK);
    EXPECT_NE(std::string::npos, log_.Text().find("<ERROR> Could not access: reelmark.ini\n"));
    EXPECT_EQ("false", store_.Values().IsEpisode);

    store_.LoadSettings();
    EXPECT_EQ("", store_.Values().PythonLoc);
    EXPECT_EQ("", store_.Values().SeriesDesc);
    EXPECT_EQ("", store_.Values().TvRating);
    EXPECT_EQ(1u, prompt_.messages.size());
}
