#include "cli/CliLogSink.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

void CliLogSink::OnLogText(const std::string& text)
{
    if (text.size() <= passedOn_)
        return;
    const std::string lines = text.substr(passedOn_);
    passedOn_ = text.size();
    out_ << lines << std::flush;
    AppendToFile(lines);
}

void CliLogSink::AppendToFile(const std::string& lines)
{
    // Text mode: each line feed reaches the disk as CR LF, as the main
    // window writes the same file.
    errno = 0;
    FILE* file = std::fopen(logPath_.c_str(), "a");
    int problem = file ? 0 : errno;
    if (file) {
        if (std::fputs(lines.c_str(), file) == EOF)
            problem = errno ? errno : EIO;
        if (std::fclose(file) != 0 && problem == 0)
            problem = errno ? errno : EIO;
    }
    if (problem != 0 && !warned_) {
        warned_ = true;
        err_ << "reelmark-cli: warning: cannot write the log file " << logPath_ << ": "
             << std::strerror(problem) << "\n";
    }
}
