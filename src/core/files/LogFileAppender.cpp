#include "core/files/LogFileAppender.h"

#include "core/files/TextFile.h"
#include "platform/FileSystem.h"

LogFileAppender::LogFileAppender(std::string path) : path_(std::move(path)) {}

LogFileAppender::~LogFileAppender() = default;

void LogFileAppender::Close()
{
    file_.reset();
}

bool LogFileAppender::Open(SystemError& error)
{
    if (file_)
        return true;
    auto file = std::make_unique<AppendFile>();
    error = file->Open(path_);
    if (error != 0)
        return false;
    file_ = std::move(file);
    // A line that an earlier run left cut (a full disk, a crash) is ended
    // here, so that this run's first line starts on a line of its own.
    return file_->LastByte() == '\n' || Append("\n", error);
}

bool LogFileAppender::Append(const std::string& lines, SystemError& error)
{
    if (!Open(error))
        return false;
    // CR LF on disk and the same code page rule as the whole log file, so
    // that lines of both programs read back right one by one.
    error = file_->Append(EncodeText(WithCrLf(lines)));
    return error == 0;
}
