#pragma once
// Where reelmark-cli's activity log goes: every new line is shown on the
// console and appended to the log file at once, so that a run that is cut
// short keeps what it did. The file is never truncated or rewritten.
#include <ostream>
#include <string>

#include "core/files/LogFileAppender.h"

class CliLogSink {
public:
    // flushEachLine: each line reaches out at once (a program that runs
    // for days, its output collected by a service manager), not when a
    // buffer fills.
    CliLogSink(std::ostream& out, std::ostream& err, std::string logPath, bool flushEachLine = false)
        : out_(out), err_(err), file_(std::move(logPath)), flush_(flushEachLine)
    {
    }
    CliLogSink(const CliLogSink&) = delete;
    CliLogSink& operator=(const CliLogSink&) = delete;

    // Takes each new log line (an ActivityLog listener).
    void OnLogLine(const std::string& line);

private:
    std::ostream& out_;
    std::ostream& err_;
    LogFileAppender file_;
    bool flush_;
    bool warned_ = false;  // one warning per run is enough
};
