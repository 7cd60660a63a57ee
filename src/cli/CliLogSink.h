#pragma once
// Where reelmark-cli's activity log goes: every new line is shown on the
// console and appended to the log file at once, so that a run that is cut
// short keeps what it did. The file is never truncated or rewritten; an
// append that fails (a full disk) leaves no part of its lines behind.
#include <ostream>
#include <string>

#include "platform/FileSystem.h"

class CliLogSink {
public:
    CliLogSink(std::ostream& out, std::ostream& err, std::string logPath)
        : out_(out), err_(err), logPath_(std::move(logPath))
    {
    }
    CliLogSink(const CliLogSink&) = delete;
    CliLogSink& operator=(const CliLogSink&) = delete;

    // Takes each new log line (an ActivityLog listener).
    void OnLogLine(const std::string& line);

private:
    // Opens the file for the run (once) and ends a line an earlier run left
    // cut; false with the system's error code.
    bool Open(unsigned long& error);
    // Appends whole lines or nothing; false with the system's error code.
    bool Append(const std::string& lines, unsigned long& error);

    std::ostream& out_;
    std::ostream& err_;
    std::string logPath_;
    AppendFile file_;      // open for the run once the first line came
    bool warned_ = false;  // one warning per run is enough
};
