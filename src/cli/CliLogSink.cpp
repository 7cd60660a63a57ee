#include "cli/CliLogSink.h"

#include "core/TextFile.h"

void CliLogSink::OnLogLine(const std::string& lines)
{
    out_ << lines;
    unsigned long error = 0;
    if (!Append(lines, error) && !warned_) {
        warned_ = true;
        err_ << "reelmark-cli: warning: cannot write the log file " << logPath_ << ": "
             << SystemErrorLine(error) << "\n";
    }
}

bool CliLogSink::Open(unsigned long& error)
{
    if (file_.IsOpen())
        return true;
    error = file_.Open(logPath_);
    if (error != 0)
        return false;
    // A line that an earlier run left cut (a full disk, a crash) is ended
    // here, so that this run's first line starts on a line of its own.
    return file_.LastByte() == '\n' || Append("\n", error);
}

bool CliLogSink::Append(const std::string& lines, unsigned long& error)
{
    if (!Open(error))
        return false;
    // CR LF on disk and the same code page rule, as the main window writes
    // the same file (lines of both kinds read back right one by one). Whole
    // lines or nothing: a part written before the disk filled goes.
    error = file_.Append(EncodeText(WithCrLf(lines)));
    return error == 0;
}
