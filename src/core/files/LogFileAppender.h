#pragma once
// The log file written as the lines come: a run that is cut short (a crash,
// a power cut) keeps the record of what it did. Lines are appended whole or
// not at all (a full disk), with CR LF and the text files' code page rule,
// and a line that a program left cut is ended first. Other programs append
// to the same file meanwhile, and the window trims it in place
// (platform/SharedFile.h): nothing of theirs or of this is lost.
#include <memory>
#include <string>

#include "platform/SystemError.h"

class AppendFile;

class LogFileAppender {
public:
    explicit LogFileAppender(std::string path);
    ~LogFileAppender();
    LogFileAppender(const LogFileAppender&) = delete;
    LogFileAppender& operator=(const LogFileAppender&) = delete;

    const std::string& Path() const { return path_; }
    // Appends the lines (line feeds in memory); false with the system's
    // error code. The file is opened at the first lines and kept open.
    bool Append(const std::string& lines, SystemError& error);
    // Lets go of the file; the next lines open it again.
    void Close();

private:
    std::string path_;
    std::unique_ptr<AppendFile> file_;
};
