#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "core/files/TextFile.h"
#include "core/settings/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/ScriptedMessages.h"
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
    SettingsTest() : store_(log_, Ini()) {}

    std::string Ini() const { return folder_ / "reelmark.ini"; }

    ScriptedMessages prompt_;
    TempFolder folder_;
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
    // Texts that name no item of their lists would select nothing and be
    // saved empty: they take their defaults, and the log says so.
    EXPECT_EQ("R - Restricted, < 17 Req Parent", s.MpaaRating);
    EXPECT_EQ("MV movies", s.SeriesType);
    EXPECT_NE(std::string::npos, log_.Text().find("The setting MpaaRating names no item of its list"));
    EXPECT_NE(std::string::npos, log_.Text().find("The setting SeriesType names no item of its list"));
    EXPECT_EQ("(2012) My home Movies, stuff from the internet etc.", s.SeriesDesc);
    EXPECT_EQ(
        " [Config]\r\n PythonLoc=D:\\py\\pyTivo.py\r\n OverwriteMetadata=true\r\n [Settings]\r\n"
        " SeriesDesc=(2012) My home Movies, stuff from the internet etc.\r\n" +
            stored.substr(stored.find(" TargetDir")),
        ReadFileBytes(Ini()));
}

TEST_F(SettingsTest, SaveWritesIntoTheStartFolderWhateverTheCurrentDirectory)
{
    store_.SetDefaultSettings();
    store_.LoadSettings();
    Settings& s = store_.Values();
    s.SeriesTitle = "Holiday & Café";
    s.SeriesDesc = "First line\r\nSecond line\r\n";
    s.IsEpisode = "true";

    // A picker or a started program may have moved the current directory.
    TempFolder elsewhere;
    elsewhere.WriteFile("reelmark.ini");
    {
        CurrentDirectoryScope moved(elsewhere.Path());
        store_.SaveSettings();
    }
    EXPECT_EQ("", ReadFileBytes(elsewhere / "reelmark.ini"));

    ActivityLog nextLog;
    SettingsStore next(nextLog, Ini());
    next.SetDefaultSettings();
    next.LoadSettings();
    EXPECT_EQ("Holiday & Café", next.Values().SeriesTitle);
    EXPECT_EQ("First line\r\nSecond line\r\n", next.Values().SeriesDesc);
    EXPECT_EQ("true", next.Values().IsEpisode);
    EXPECT_EQ("MV994401", next.Values().SeriesID);
    EXPECT_EQ(std::vector<std::string>{"reelmark.ini"}, NamesInFolder(folder_.Path()));
}

// Windows only: there a file another program holds open cannot be replaced.
#ifdef _WIN32
TEST_F(SettingsTest, AFileThatCannotBeReadAtStartIsNeverWrittenOver)
{
    // Another program holds the file while the program starts.
    const std::string stored = " [Settings]\r\n TargetDir=E:\\Movies\r\n; the user's own note\r\n";
    folder_.WriteFile("reelmark.ini", stored);
    HANDLE held = CreateFileW(FilePath(Ini()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    store_.SetDefaultSettings();
    store_.LoadSettings();
    CloseHandle(held);

    ASSERT_EQ(1u, prompt_.messages.size());
    EXPECT_EQ("Ini File Create/Open Error", prompt_.messages[0].caption);
    EXPECT_EQ("Could not access: reelmark.ini", prompt_.messages[0].text);
    // The run goes on with the defaults, not with empty settings.
    EXPECT_EQ("C:\\", store_.Values().TargetDir);
    EXPECT_EQ("R - Restricted, < 17 Req Parent", store_.Values().MpaaRating);

    store_.Values().TargetDir = "D:\\Elsewhere";
    store_.SaveSettings();
    EXPECT_EQ(stored, ReadFileBytes(Ini()));
    EXPECT_NE(std::string::npos,
              log_.Text().find("<ERROR> Settings file could not be read at start; it was not overwritten: " +
                               Ini() + "\n"));
    EXPECT_EQ(1u, prompt_.messages.size());
}
#endif

TEST_F(SettingsTest, AFolderInTheFilesPlaceIsReportedAndLeftAlone)
{
    folder_.MakeFolder("reelmark.ini");
    store_.SetDefaultSettings();
    ASSERT_EQ(1u, prompt_.messages.size());
    EXPECT_EQ("Could not access: reelmark.ini", prompt_.messages[0].text);
    EXPECT_EQ(MessageIcon::Error, prompt_.messages[0].icon);
    EXPECT_NE(std::string::npos, log_.Text().find("<ERROR> Could not access: reelmark.ini\n"));

    store_.LoadSettings();
    EXPECT_EQ("C:\\Program Files (x86)\\pyTivo\\pyTivo.py", store_.Values().PythonLoc);
    store_.SaveSettings();
    EXPECT_TRUE(NamesInFolder(Ini()).empty());
    EXPECT_EQ(1u, prompt_.messages.size());
}

TEST_F(SettingsTest, AFileDeletedDuringTheRunIsWrittenAgainAtClose)
{
    store_.SetDefaultSettings();
    store_.LoadSettings();
    ASSERT_EQ(0u, DeleteFileItself(Ini(), true));
    store_.Values().SeriesTitle = "Kept";
    store_.SaveSettings();
    EXPECT_TRUE(prompt_.messages.empty());

    const std::string saved = ReadFileBytes(Ini());
    ActivityLog nextLog;
    SettingsStore next(nextLog, Ini());
    next.SetDefaultSettings();
    next.LoadSettings();
    EXPECT_EQ("Kept", next.Values().SeriesTitle);
    EXPECT_EQ(saved, ReadFileBytes(Ini())) << "every key was saved: the start adds none";
}

TEST_F(SettingsTest, AFailedSaveIsShownAndLogged)
{
    store_.SetDefaultSettings();
    store_.LoadSettings();
    SetReadOnly(Ini());
    store_.Values().SeriesTitle = "Lost?";
    store_.SaveSettings();
    SetReadOnly(Ini(), false);

    EXPECT_EQ(kDefaultFile, ReadFileBytes(Ini()));
    ASSERT_EQ(1u, prompt_.messages.size());
    const std::string text = "Could not save settings: " + Ini() + "\n" + SystemErrorLine(kErrorAccessDenied);
    EXPECT_EQ(text, prompt_.messages[0].text);
    EXPECT_EQ(MessageIcon::Error, prompt_.messages[0].icon);
    EXPECT_NE(std::string::npos, log_.Text().find("<ERROR> " + text + "\n"));
}

TEST_F(SettingsTest, TheSubFolderTickIsWrittenOnlyOnceItWasEverOn)
{
    // Absent: off, and a file without it stays byte for byte as it was.
    folder_.WriteFile("reelmark.ini", kDefaultFile);
    store_.SetDefaultSettings();
    store_.LoadSettings();
    EXPECT_EQ("false", store_.Values().Recursive);
    store_.SaveSettings();
    EXPECT_EQ(kDefaultFile, ReadFileBytes(Ini()));

    const struct {
        const char* stored;  // the key's line, if any
        const char* read;
        const char* saved;  // what the store writes when the tick is set so
    } cases[] = {
        {" Recursive=true\r\n", "true", "false"},
        {" Recursive=false\r\n", "false", "true"},
    };
    for (const auto& c : cases) {
        folder_.WriteFile("reelmark.ini", kDefaultFile + std::string(c.stored));
        store_.SetDefaultSettings();
        store_.LoadSettings();
        EXPECT_EQ(c.read, store_.Values().Recursive) << c.stored;
        store_.Values().Recursive = c.saved;
        store_.SaveSettings();
        EXPECT_NE(std::string::npos, ReadFileBytes(Ini()).find(std::string(" Recursive=") + c.saved + "\r\n"))
            << c.stored;
    }
}

TEST_F(SettingsTest, NewOptionsStayOutOfTheFileUntilTurnedOnAndRoundTripOnceThere)
{
    store_.SetDefaultSettings();
    store_.LoadSettings();
    store_.SaveSettings();
    EXPECT_EQ(kDefaultFile, ReadFileBytes(Ini()))
        << "a user who never turns them on keeps the file as it was";
    EXPECT_EQ("false", store_.Values().ParseNames);
    EXPECT_EQ("", store_.Values().Genre);

    Settings& s = store_.Values();
    s.ParseNames = "true";
    s.Genre = "Comedy; Drama";
    s.OriginalAirDate = "2012-03-31";
    store_.SaveSettings();
    const std::string saved = ReadFileBytes(Ini());
    EXPECT_NE(std::string::npos, saved.find(" [Config]\r\n ParseNames=true\r\n"));
    EXPECT_NE(std::string::npos, saved.find(" OriginalAirDate=2012-03-31\r\n"));

    ActivityLog nextLog;
    SettingsStore next(nextLog, Ini());
    next.SetDefaultSettings();
    next.LoadSettings();
    EXPECT_EQ("true", next.Values().ParseNames);
    EXPECT_EQ("Comedy; Drama", next.Values().Genre);
    EXPECT_EQ("2012-03-31", next.Values().OriginalAirDate);

    // Turned off again: the keys stay, with the values that say so.
    next.Values().ParseNames = "false";
    next.Values().Genre.clear();
    next.SaveSettings();
    const std::string cleared = ReadFileBytes(Ini());
    EXPECT_NE(std::string::npos, cleared.find(" ParseNames=false\r\n"));
    EXPECT_NE(std::string::npos, cleared.find(" Genre=\r\n"));
}

TEST_F(SettingsTest, TheUndoNumbersTakeWholeNumbersUpToTheirLimitAndGiveTheJournalLimits)
{
    struct Case {
        const char* days;
        const char* megabytes;
        int limitDays;
        unsigned long long limitBytes;
    };
    // Each limit at its exact value and one past it; text that is no number.
    for (const Case& given : {Case{"3650", "1000000", 3650, 1000000ULL << 20}, Case{"3651", "1000001", 30, 500ULL << 20},
                              Case{"0", "0", 0, 0}, Case{"-1", "12MB", 30, 500ULL << 20}}) {
        SCOPED_TRACE(std::string(given.days) + " / " + given.megabytes);
        ActivityLog log;
        Settings settings;
        for (const SettingField& field : SettingFields())
            settings.*field.member = field.defaultValue;
        std::vector<IniRecord> records(2);
        records[0] = IniRecord{"", ' ', "Config", "UndoDays", given.days};
        records[1] = IniRecord{"", ' ', "Config", "UndoMegabytes", given.megabytes};
        TakeSettingRecords(records, settings, log);
        const JournalLimits limits = UndoJournalLimits(settings);
        EXPECT_EQ(given.limitDays, limits.days);
        EXPECT_EQ(given.limitBytes, limits.bytes);
        const bool warned = log.Text().find("The setting UndoDays is no whole number in its range") != std::string::npos;
        EXPECT_EQ(given.limitDays == 30, warned);
    }
}
