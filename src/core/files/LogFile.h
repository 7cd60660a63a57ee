#pragma once
// The log file, "Reelmark.log", read and written whole: the lines a run
// carries over from earlier runs, the log saved as the user left it, and the
// file trimmed at close. Lines written as they come: LogFileAppender.
#include <cstddef>
#include <string>

class ActivityLog;

// Appends the last kLogLinesKept non-empty lines of the file to the log; a
// missing or unreadable file adds nothing.
void LoadLogFile(ActivityLog& log, const std::string& path);

// Writes the log text over the file, in place, so that programs that hold
// it open keep writing into it (platform/SharedFile.h); made when missing.
// False with the system's error code in *error when it cannot be written.
bool SaveLogFile(const ActivityLog& log, const std::string& path, unsigned long* error = nullptr);

// Keeps the last `keep` lines that hold text of the log file as it is now,
// so that what other programs appended meanwhile (reelmark-cli, a watch)
// stays and counts as lines of the log; blank lines go. The file is
// rewritten in place, and only when something goes: programs that hold it
// open keep writing into it, and what they write meanwhile waits for the
// rewrite and follows it. False with the system's error code when it cannot
// be read or written (a missing file included).
bool TrimLogFile(const std::string& path, size_t keep, unsigned long* error = nullptr);
