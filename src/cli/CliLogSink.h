#pragma once
// Where reelmark-cli's activity log goes: every new line is shown on the
// console at once and appended to the log file, so that a run that is cut
// short keeps what it did. The file is never truncated or rewritten; an
// append that fails (a full disk) leaves no part of its lines behind.
#include <ostream>
#include <string>

class CliLogSink {
public:
    CliLogSink(std::ostream& out, std::ostream& err, std::string logPath)
        : out_(out), err_(err), logPath_(std::move(logPath))
    {
    }

    // Takes the whole log text after each entry (an ActivityLog listener)
    // and passes on what is new since the last call.
    void OnLogText(const std::string& text);

private:
    // Appends whole lines or nothing; false with the system's error code.
    bool AppendToFile(const std::string& lines, unsigned long& error) const;

    std::ostream& out_;
    std::ostream& err_;
    std::string logPath_;
    size_t passedOn_ = 0;
    bool warned_ = false;  // one warning per run is enough
};
