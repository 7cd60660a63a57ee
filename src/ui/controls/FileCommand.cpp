#include "ui/controls/FileCommand.h"

#include "ui/controls/RunProgressDlg.h"
#include "ui/framework/Prompt.h"

FileCommand::FileCommand(FileCommandWindow& window, std::string title)
    : window_(window), title_(std::move(title)), started_(window.RunningCommand() == nullptr)
{
    if (!started_)
        return;
    window_.RunningCommand() = this;
    window_.ShowFileCommandRunning(true);
}

FileCommand::~FileCommand()
{
    if (!started_)
        return;
    Finish();
    window_.RunningCommand() = nullptr;
    window_.ShowFileCommandRunning(false);
}

bool FileCommand::Next(int done, int total, const std::string& file)
{
    if (!progress_ && !cancelled_) {
        progress_ = std::make_unique<CRunProgressDlg>(title_, total);
        CWnd* owner = CWnd::FromHandlePermanent(WindowInUse());
        progress_->Open(owner ? owner : &window_.Window());
    }
    if (progress_ && !progress_->Next(done, file))
        cancelled_ = true;
    return !cancelled_;
}

void FileCommand::KeepAnswering()
{
    if (progress_)
        progress_->KeepAnswering();
}

void FileCommand::Cancel()
{
    cancelled_ = true;
    if (progress_)
        progress_->Cancel();
}

void FileCommand::Finish()
{
    progress_.reset();
}
