#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_NE(std::string::npos,
              log_.Text().find("The setting MpaaRating= in " + Ini() + " is none of its values"));
    EXPECT_NE(std::string::npos,
              log_.Text().find("The setting SeriesType=SH show in " + Ini() + " is none of its values"));
    EXPECT_NE(std::string::npos,
              log_.Text().find("The setting IsEpisode=True in " + Ini() +
                               " is none of its values: true or false; it counts as \"false\"."));
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
        TakeSettingRecords(records, settings, log, "reelmark.ini");
        const JournalLimits limits = UndoJournalLimits(settings);
        EXPECT_EQ(given.limitDays, limits.days);
        EXPECT_EQ(given.limitBytes, limits.bytes);
        const bool warned =
            log.Text().find(std::string("The setting UndoDays=") + given.days +
                            " in reelmark.ini is no whole number in its range: a whole number from 0 to 3650; "
                            "it takes its default \"30\".") != std::string::npos;
        EXPECT_EQ(given.limitDays == 30, warned);
    }
}

TEST_F(SettingsTest, TheTmdbKeyAddressAndChosenMatchesRoundTripAndStayOutUntilSet)
{
    store_.SetDefaultSettings();
    store_.LoadSettings();
    store_.SaveSettings();
    EXPECT_EQ(kDefaultFile, ReadFileBytes(Ini()));
    EXPECT_TRUE(store_.Values().Matches.empty());

    Settings& s = store_.Values();
    s.TmdbKey = "0123456789abcdef0123456789abcdef";
    s.Matches = {{"The Office", "tv/2316"}, {"Heat (1995)", "949"}};
    store_.SaveSettings();
    const std::string saved = ReadFileBytes(Ini());
    EXPECT_NE(std::string::npos, saved.find(" TmdbKey=0123456789abcdef0123456789abcdef\r\n"));
    EXPECT_EQ(std::string::npos, saved.find("TmdbUrl"));
    EXPECT_NE(std::string::npos, saved.find(" [Matches]\r\n"));

    // A choice commented out by hand is no choice.
    std::string text = saved;
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    ASSERT_TRUE(WriteTextFileAtomically(Ini(), text + "# Fargo=tv/60622\n"));
    ActivityLog nextLog;
    SettingsStore next(nextLog, Ini());
    next.SetDefaultSettings();
    next.LoadSettings();
    EXPECT_EQ("0123456789abcdef0123456789abcdef", next.Values().TmdbKey);
    const std::vector<std::pair<std::string, std::string>> matches = {{"The Office", "tv/2316"},
                                                                      {"Heat (1995)", "949"}};
    EXPECT_EQ(matches, next.Values().Matches);
    EXPECT_EQ(std::string::npos, nextLog.Text().find("0123456789abcdef")) << "the key is never logged";
}

TEST(SettingRecords, AValueThatCannotBeUsedIsNamedWithTheFileAndTheValuesItTakes)
{
    const std::vector<IniRecord> records = ParseIniLines({
        "[Config]",
        "WholeTemplate=yes",
        "[Settings]",
        "TvRating=TV14",
        "StarRating=4",
        "IsEpisode=",
        "TvRating =TV-14",
        "#SeriesDesc=Commented out, read all the same",
        "tvrating=TV-MA",
        "[Elsewhere]",
        "Anything=goes",
    });
    ActivityLog log;
    Settings settings;
    for (const SettingField& field : SettingFields())
        settings.*field.member = field.defaultValue;
    std::vector<SettingSource> sources;
    TakeSettingRecords(records, settings, log, "/etc/reelmark.ini", &sources);

    EXPECT_EQ("TV-G - General Audiences", settings.TvRating);
    EXPECT_EQ("yes", settings.WholeTemplate) << "kept as written, counting as false";
    EXPECT_EQ("4", settings.StarRating);
    EXPECT_EQ("", settings.IsEpisode) << "an empty yes/no setting has always meant false";
    EXPECT_EQ("Commented out, read all the same", settings.SeriesDesc);
    const std::string text = log.Text();
    EXPECT_NE(
        std::string::npos,
        text.find(
            "The setting TvRating=TV14 in /etc/reelmark.ini is none of its values: \"No Rating - Not "
            "Rated\", \"TV-Y7 - Older Children\", \"TV-Y - All Children\", \"TV-G - General Audiences\", "
            "\"TV-PG - Parental Guidance\", \"TV-14 - Parents Strongly Cautioned\", \"TV-MA - Mature "
            "Audiences\", \"TV-NR - Not Rated\" (or the start of one, such as \"TV-G\"); it takes its "
            "default \"TV-G - General Audiences\"."))
        << text;
    EXPECT_NE(std::string::npos,
              text.find("The setting WholeTemplate=yes in /etc/reelmark.ini is none of its values: "
                        "true or false; it counts as \"false\"."))
        << text;
    size_t warnings = 0;
    for (size_t at = text.find("<WARNING>"); at != std::string::npos; at = text.find("<WARNING>", at + 1))
        ++warnings;
    EXPECT_EQ(2u, warnings) << text;

    const auto sourceOf = [&](const char* key) {
        for (size_t i = 0; i < SettingFields().size(); ++i) {
            if (std::string(SettingFields()[i].key) == key)
                return sources[i];
        }
        return SettingSource();
    };
    EXPECT_EQ(SettingSource::From::Unusable, sourceOf("TvRating").from);
    EXPECT_EQ("TV14", sourceOf("TvRating").fileValue);
    EXPECT_EQ(SettingSource::From::File, sourceOf("StarRating").from);
    EXPECT_EQ(SettingSource::From::Default, sourceOf("MpaaRating").from);
    EXPECT_TRUE(sourceOf("SeriesDesc").commentedOut);
    EXPECT_FALSE(sourceOf("StarRating").commentedOut);
    std::vector<std::string> unknown;
    for (const IniRecord* record : UnknownSettingKeys(records))
        unknown.push_back(record->section + ": " + record->key);
    EXPECT_EQ((std::vector<std::string>{"Settings: TvRating ", "Settings: tvrating"}), unknown);
}
