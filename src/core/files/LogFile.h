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

// Replaces the file with the log text; false with the system's error code
// in *error when it cannot be written (the file then stays as it was).
bool SaveLogFile(const ActivityLog& log, const std::string& path, unsigned long* error = nullptr);

// Keeps the last `keep` lines of the log file as it is now, so that what
// other programs appended meanwhile (reelmark-cli, a watch) stays; the file
// is written (whole, in one step) only when it holds more. False with the
// system's error code when it cannot be read or written.
bool TrimLogFile(const std::string& path, size_t keep, unsigned long* error = nullptr);
