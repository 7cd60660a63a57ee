#include "core/files/LogFileAppender.h"

#include "core/files/TextFile.h"
#include "platform/SharedFile.h"

LogFileAppender::LogFileAppender(std::string path) : path_(std::move(path)) {}

LogFileAppender::~LogFileAppender() = default;

void LogFileAppender::Close()
{
    file_.reset();
}

bool LogFileAppender::Append(const std::string& lines, SystemError& error)
{
    if (!file_) {
        auto file = std::make_unique<AppendFile>();
        error = file->Open(path_);
        if (error != 0)
            return false;
        file_ = std::move(file);
    }
    // CR LF on disk and the same code page rule as the whole log file, so
    // that lines of both programs read back right one by one. A line that
    // a program cut short (a full disk, a crash) is ended first, so that
    // these lines start on a line of their own.
    error = file_->Append(EncodeText(WithCrLf(lines)), "\r\n");
    return error == 0;
}
