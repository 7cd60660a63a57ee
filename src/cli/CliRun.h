#pragma once
// What generate and watch share before they write: FOLDER checked, the log
// (printed and appended to Reelmark.log in the home folder as each line
// comes), the settings file read, and the run's template and options.
#include <memory>
#include <ostream>
#include <string>

#include "cli/CliLogSink.h"
#include "core/files/WrittenFiles.h"
#include "core/log/ActivityLog.h"
#include "core/log/UserMessage.h"
#include "core/runs/GenerateLookup.h"
#include "core/runs/GenerateRun.h"

struct CliArguments;
struct Settings;

class CliRun {
public:
    // Log lines are printed on logOut (flushed at once with flushEachLine,
    // for a log that a service manager collects while the program runs).
    CliRun(std::ostream& logOut, std::ostream& err, bool flushEachLine = false);
    CliRun(const CliRun&) = delete;
    CliRun& operator=(const CliRun&) = delete;

    // Checks FOLDER (with folderMayGo only makes it absolute) and reads the
    // settings (ReadSettings); fills the request's folder, series title,
    // template and the options of the command line; with --lookup, the
    // lookup's key, address, choices and cache. False, having said why on
    // err, when the run cannot go on (exit code 2).
    bool Prepare(const CliArguments& arguments, std::ostream& err, bool folderMayGo = false);
    // Reads the settings (--ini FILE, else reelmark.ini in the home folder,
    // which may be missing); false, having said why on err, when they
    // cannot be read.
    bool ReadSettings(const CliArguments& arguments, Settings& settings, std::ostream& err);

    ActivityLog& Log() { return log_; }
    GenerateRequest& Request() { return request_; }
    // With --lookup, what the lookup needs; nullptr without it.
    GenerateLookup* Lookup() { return lookup_.get(); }

private:
    std::string home_;
    ActivityLog log_;
    CliLogSink sink_;
    // The summary a window shows in a box is only a log line here: a run by
    // a scheduled task must never wait for a click.
    MessageShowerScope quiet_{nullptr};
    // The files the run writes, recorded beside the log (Reelmark.written).
    WrittenFiles written_;
    GenerateRequest request_;
    std::unique_ptr<GenerateLookup> lookup_;
};
