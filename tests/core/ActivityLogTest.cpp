#include <gtest/gtest.h>

#include <algorithm>

#include "core/files/LogFile.h"
#include "core/files/LogFileAppender.h"
#include "core/files/TextFile.h"
#include "core/log/ActivityLog.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

std::tm Day(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    std::mktime(&t);
    return t;
}

std::string NumberedLines(int from, int to, const char* end)
{
    std::string text;
    for (int i = from; i <= to; ++i)
        text += "line " + std::to_string(i) + end;
    return text;
}

}  // namespace

TEST(LogTimeStamp, IsAlways24CharactersWithTheDayRightAligned)
{
    EXPECT_EQ("Sun Dec  6,2026 15:12:03", LogTimeStamp(Day(2026, 12, 6, 15, 12, 3)));
    EXPECT_EQ("Mon Dec 14,2026 09:05:00", LogTimeStamp(Day(2026, 12, 14, 9, 5, 0)));
    EXPECT_EQ(24u, LogTimeStamp(Day(2030, 1, 1, 0, 0, 0)).size());
}

TEST(FormatLogLine, MarksSeverities)
{
    EXPECT_EQ("S: text\n", FormatLogLine("S", LogSeverity::Information, "text"));
    EXPECT_EQ("S: <WARNING>text\n", FormatLogLine("S", LogSeverity::Warning, "text"));
    EXPECT_EQ("S: <ERROR> text\n", FormatLogLine("S", LogSeverity::Error, "text"));
}

TEST(ActivityLog, CaptionShowsABoxWithTheSeverityIconAndTheMessageAlone)
{
    ScriptedMessages prompt;
    ActivityLog log;
    std::tm day = Day(2026, 12, 6, 15, 12, 3);
    std::time_t fixed = std::mktime(&day);
    log.SetClock([fixed] { return fixed; });
    EXPECT_EQ(
        0, log.AddLogEntry("", LogSeverity::Information, "Found %s movie files in folder directory.", "2"));
    EXPECT_EQ(static_cast<int>(MessageAnswer::Ok), log.AddLogEntry("File Copy Error", LogSeverity::Error,
                                                                   "Could not copy file: %s\n%s", "a", "b"));
    log.AddLogEntry("Copy Complete", LogSeverity::Information, "File copy complete: %d files copied.", 3);

    EXPECT_EQ(
        "Sun Dec  6,2026 15:12:03: Found 2 movie files in folder directory.\n"
        "Sun Dec  6,2026 15:12:03: <ERROR> Could not copy file: a\nb\n"
        "Sun Dec  6,2026 15:12:03: File copy complete: 3 files copied.\n",
        log.Text());
    ASSERT_EQ(2u, prompt.messages.size());
    EXPECT_EQ("Could not copy file: a\nb", prompt.messages[0].text);
    EXPECT_EQ("File Copy Error", prompt.messages[0].caption);
    EXPECT_EQ(MessageIcon::Error, prompt.messages[0].icon);
    EXPECT_EQ(MessageButtons::Ok, prompt.messages[0].buttons);
    EXPECT_EQ(MessageIcon::None, prompt.messages[1].icon);
}

TEST(ActivityLog, ListenerGetsEachNewLine)
{
    ActivityLog log;
    std::string seen;
    log.SetListener([&](const std::string& line) { seen += line; });
    log.AddLogEntry("", LogSeverity::Information, "one");
    log.AddLogEntry("", LogSeverity::Information, "two");
    EXPECT_EQ(log.Text(), seen);
}

TEST(ActivityLog, LongMessagesAreCutSafely)
{
    ActivityLog log;
    std::string huge(5000, 'x');
    log.AddLogEntry("", LogSeverity::Information, "%s", huge.c_str());
    log.AddLogEntryText("", LogSeverity::Information, huge);
    size_t first = log.Text().find('\n');
    EXPECT_EQ(24u + 2u + kLogMessageMax, first);
    EXPECT_EQ(2 * (24u + 2u + kLogMessageMax + 1), log.Text().size());
}

TEST(ActivityLog, LoadKeepsTheLast256NonEmptyLines)
{
    TempFolder dir;
    std::string text;
    for (int i = 1; i <= 300; ++i)
        text += "line " + std::to_string(i) + "\r\n" + (i % 8 == 0 ? "\r\n" : "");
    dir.WriteFile("Reelmark.log", text);
    ActivityLog log;
    LoadLogFile(log, dir / "Reelmark.log");
    EXPECT_EQ(NumberedLines(45, 300, "\n"), log.Text());

    for (int i = 0; i < 5; ++i)
        log.AddLogEntry("", LogSeverity::Information, "run %d", i);
    ASSERT_TRUE(SaveLogFile(log, dir / "Reelmark.log"));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir / "Reelmark.log", lines));
    EXPECT_EQ(261u, lines.size());
    EXPECT_EQ(NumberedLines(45, 300, "\r\n"),
              ReadFileBytes(dir / "Reelmark.log").substr(0, NumberedLines(45, 300, "\r\n").size()));
}

TEST(LogFile, AtCloseItKeepsTheLast256OldLinesWithTextThenTheRunsLinesAndNoBlankLine)
{
    // The window's run appends its lines as they come; another program (a
    // watch) may append its own meanwhile; then the window trims the file
    // to as many lines as its log shows.
    const struct {
        int others;         // lines another program appends during the run
        int firstOldKept;   // the first of the 300 old lines the file keeps
    } cases[] = {{0, 45}, {3, 48}};
    for (const auto& c : cases) {
        TempFolder dir;
        std::string text;
        for (int i = 1; i <= 300; ++i)
            text += "line " + std::to_string(i) + "\r\n" + (i % 8 == 0 ? "\r\n\r\n" : "") + (i % 50 == 0 ? "\n" : "");
        dir.WriteFile("Reelmark.log", text);
        ActivityLog log;
        LoadLogFile(log, dir / "Reelmark.log");
        LogFileAppender window(dir / "Reelmark.log");
        LogFileAppender watch(dir / "Reelmark.log");
        log.SetListener([&](const std::string& line) {
            SystemError error = 0;
            ASSERT_TRUE(window.Append(line, error));
        });
        std::string appended;
        for (int i = 0; i < 5; ++i) {
            log.AddLogEntry("", LogSeverity::Information, "run %d", i);
            appended += log.Text().substr(log.Text().rfind('\n', log.Text().size() - 2) + 1);
            if (i < c.others) {
                SystemError error = 0;
                ASSERT_TRUE(watch.Append("watch " + std::to_string(i) + "\n", error));
                appended += "watch " + std::to_string(i) + "\n";
            }
        }
        const size_t lines = static_cast<size_t>(std::count(log.Text().begin(), log.Text().end(), '\n'));
        ASSERT_EQ(261u, lines);
        ASSERT_TRUE(TrimLogFile(dir / "Reelmark.log", lines));
        EXPECT_EQ(NumberedLines(c.firstOldKept, 300, "\r\n") + WithCrLf(appended), ReadFileBytes(dir / "Reelmark.log"))
            << c.others;
    }
}

TEST(ActivityLog, MissingFileLoadsNothingAndLastLineWithoutLineEndIsKept)
{
    TempFolder dir;
    ActivityLog log;
    LoadLogFile(log, dir / "missing.log");
    EXPECT_EQ("", log.Text());
    dir.WriteFile("Reelmark.log", "a\nb");
    LoadLogFile(log, dir / "Reelmark.log");
    EXPECT_EQ("a\nb\n", log.Text());
}

TEST(ActivityLog, ByteOrderMarksAtTheStartOfLinesAreNoTextAndASavedLogLoadsAsItWas)
{
    TempFolder dir;
    dir.WriteFile("Reelmark.log", "\n\xEF\xBB\xBF\n\xEF\xBB\xBF\xEF\xBB\xBF" "first\r\nsecond \xEF\xBB\xBF\n");
    ActivityLog log;
    LoadLogFile(log, dir / "Reelmark.log");
    EXPECT_EQ("first\nsecond \xEF\xBB\xBF\n", log.Text());
    ASSERT_TRUE(SaveLogFile(log, dir / "Reelmark.log"));
    ActivityLog again;
    LoadLogFile(again, dir / "Reelmark.log");
    EXPECT_EQ(log.Text(), again.Text());
}

TEST(ActivityLog, SaveToAnUnwritableFolderFailsAndLeavesNoFile)
{
    TempFolder dir;
    ActivityLog log;
    log.AddLogEntry("", LogSeverity::Information, "x");
    EXPECT_FALSE(SaveLogFile(log, dir / "no such folder\\Reelmark.log"));
    EXPECT_FALSE(PathExists(dir / "no such folder"));
}

TEST(ActivityLog, SystemTextsWithCrLfMakeOneLinePerLineFeed)
{
    ActivityLog log;
    log.AddLogEntry("", LogSeverity::Error, "Could not delete file: %s\n%s", "C:\\a.mpg",
                    "Access denied.\r\n");
    const std::string text = log.Text();
    EXPECT_EQ(std::string::npos, text.find('\r'));
    EXPECT_EQ("Could not delete file: C:\\a.mpg\nAccess denied.\n", text.substr(26 + 8));
}
