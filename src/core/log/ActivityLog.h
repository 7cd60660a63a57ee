#pragma once
// The activity log: time-stamped lines of everything the program did, kept
// in memory for the run, carried over between runs in "Reelmark.log"
// (core/files/LogFile.h), and shown in a message box when the caller gives
// a caption.

#include <cstdarg>
#include <ctime>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

enum class LogSeverity { Information, Warning, Error };

// The log file's name.
constexpr const char* kLogFileName = "Reelmark.log";

// How many non-empty lines of the log file a run carries over.
constexpr int kLogLinesKept = 256;

// Messages longer than this are cut (the writer's buffer holds 2000
// characters with its terminator).
constexpr size_t kLogMessageMax = 1999;

// The 24-character stamp, "Sun Dec  6,2026 15:12:03", of a local time.
std::string LogTimeStamp(const std::tm& local);

// One log line with its line feed: stamp, ": ", severity mark, message.
std::string FormatLogLine(const std::string& stamp, LogSeverity severity, const std::string& message);

class ActivityLog {
public:
    // Formats the message (printf rules), appends its line, tells the
    // listener, and when caption is not empty shows the message in a box
    // owned by the window in use; returns the box's answer, else 0.
    int AddLogEntry(const std::string& caption, LogSeverity severity, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    int AddLogEntryV(const std::string& caption, LogSeverity severity, const char* format, va_list args);
    int AddLogEntryText(const std::string& caption, LogSeverity severity, const std::string& message);

    const std::string& Text() const { return text_; }
    // Replaces the text (the user's erase): the log file then is to be
    // written whole from it, not kept as the lines came (Replaced()).
    void SetText(const std::string& text)
    {
        text_ = text;
        replaced_ = true;
    }
    bool Replaced() const { return replaced_; }

    // Called with each new line, line feed included (the command-line
    // program prints and files them as they come).
    void SetListener(std::function<void(const std::string& line)> listener)
    {
        listener_ = std::move(listener);
    }
    // True the first time it is asked with the key, false after: a state
    // that stays (a link that walks leave out, a file that bears the
    // program's names but is not its own) is told once while the program
    // runs, not at every run over its folder.
    bool FirstTime(const std::string& key) { return told_.insert(key).second; }

    // Replaces the clock (tests).
    void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

    // Appends the last kLogLinesKept non-empty lines of a log file's lines
    // (LoadLogFile, core/files/LogFile.h).
    void LoadLines(std::vector<std::string> lines);

private:
    std::string text_;
    bool replaced_ = false;
    std::function<void(const std::string&)> listener_;
    std::function<std::time_t()> clock_;
    std::unordered_set<std::string> told_;
};
