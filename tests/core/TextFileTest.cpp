// Text files on disk: Windows-1252 when it holds every character, else
// UTF-8; files that earlier versions wrote read back the same.
#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "core/files/LogFile.h"
#include "core/files/TextFile.h"
#include "core/log/ActivityLog.h"
#include "core/settings/Settings.h"
#include "platform/Text.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

TEST(TextEncoding, Windows1252WhenItHoldsEveryCharacterElseUtf8)
{
    const struct {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"plain", "plain"},
        {"Café crème €5",
         "Caf\xE9 cr\xE8me \x80"
         "5"},
        {"Ωmega", "Ωmega"},
        {"Zażółć", "Zażółć"},  // ó alone would fit, ż does not
        {"映画 🎬", "映画 🎬"},
    };
    for (const auto& c : cases) {
        // Elsewhere text files are UTF-8 throughout.
        EXPECT_EQ(kTextFilesInWindows1252 ? c.bytes : c.text, EncodeText(c.text)) << c.text;
        EXPECT_EQ(c.text, DecodeLine(c.bytes)) << c.text;
    }
}

// Windows only: there files stay in the code page earlier versions wrote.
#ifdef _WIN32
TEST(TextEncoding, FilesOfEarlierVersionsReadTheSameAndStayByteForByte)
{
    ScriptedMessages prompt;
    TempFolder folder;
    // Windows-1252 as the earlier versions wrote them.
    const std::string ini =
        " [Settings]\r\n SeriesTitle=Caf\xE9 & Cr\xE8me\r\n SeriesDesc=\xAB Noir \xBB\r\n";
    const std::string log = "Sun Dec  6,2026 15:12:03: File \"D:\\Caf\xE9.mpg\" copied\r\n";
    folder.WriteFile("reelmark.ini", ini);
    folder.WriteFile("Reelmark.log", log);

    ActivityLog activity;
    LoadLogFile(activity, folder / "Reelmark.log");
    EXPECT_EQ("Sun Dec  6,2026 15:12:03: File \"D:\\Café.mpg\" copied\n", activity.Text());
    ASSERT_TRUE(SaveLogFile(activity, folder / "Reelmark.log"));
    EXPECT_EQ(log, ReadFileBytes(folder / "Reelmark.log"));

    SettingsStore settings(activity, folder / "reelmark.ini");
    settings.SetDefaultSettings();
    settings.LoadSettings();
    EXPECT_EQ("Café & Crème", settings.Values().SeriesTitle);
    EXPECT_EQ("« Noir »", settings.Values().SeriesDesc);
    settings.Values().SeriesTitle = "Ωmega";
    settings.SaveSettings();
    // A character beyond Windows-1252 makes the file UTF-8, and it reads
    // back the same.
    SettingsStore next(activity, folder / "reelmark.ini");
    next.SetDefaultSettings();
    next.LoadSettings();
    EXPECT_EQ("Ωmega", next.Values().SeriesTitle);
    EXPECT_EQ("« Noir »", next.Values().SeriesDesc);
    EXPECT_NE(std::string::npos, ReadFileBytes(folder / "reelmark.ini").find(" SeriesDesc=« Noir »\r\n"));
}
#endif

TEST(TextEncoding, ALogWithLinesOfBothKindsReadsRightLineByLine)
{
    TempFolder folder;
    // An earlier version's line, then one that needed UTF-8.
    folder.WriteFile("Reelmark.log", "a: Caf\xE9\r\nb: Ωmega\r\n");
    ActivityLog activity;
    LoadLogFile(activity, folder / "Reelmark.log");
    EXPECT_EQ("a: Café\nb: Ωmega\n", activity.Text());
}
