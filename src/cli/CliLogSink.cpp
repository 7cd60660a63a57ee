#include "cli/CliLogSink.h"

void CliLogSink::OnLogLine(const std::string& lines)
{
    out_ << lines;
    if (flush_)
        out_.flush();
    SystemError error = 0;
    if (!file_.Append(lines, error) && !warned_) {
        warned_ = true;
        err_ << "reelmark-cli: warning: cannot write the log file " << file_.Path() << ": "
             << SystemErrorLine(error) << "\n";
    }
}
