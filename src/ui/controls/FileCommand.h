#pragma once
// One run of a command that changes files (Generate, Delete Selected, the
// copy run, Remove Sel). Such commands run one at a time: their boxes keep
// the user's clicks out, but posted and sent messages still reach a window
// while a box is up, and a run lets the waiting messages through between
// its files, so a command that finds another one running does nothing.
// While it runs, its progress window shows "n of N" and the file at hand,
// the window's other commands that change files are disabled, and Cancel
// (the button, Escape, or the close box of the main window) stops it after
// the file at hand.
#include <memory>
#include <string>

class CRunProgressDlg;
class CWnd;
class FileCommand;

// The window whose commands change files: it knows the one that runs.
class FileCommandWindow {
public:
    // The command that runs now; nullptr when none.
    virtual FileCommand*& RunningCommand() = 0;
    // Greys the commands that change files while one runs, and brings them
    // back (or closes the window, when the user asked so meanwhile) after.
    virtual void ShowFileCommandRunning(bool running) = 0;
    // The window itself: it owns the progress window when no box is up.
    virtual CWnd& Window() = 0;

protected:
    ~FileCommandWindow() = default;
};

class FileCommand {
public:
    // title: the progress window's caption.
    FileCommand(FileCommandWindow& window, std::string title);
    ~FileCommand();
    FileCommand(const FileCommand&) = delete;
    FileCommand& operator=(const FileCommand&) = delete;

    // Another command was running: this one must do nothing.
    bool Refused() const { return !started_; }

    // File number `done` (counted from 0) of `total` is next: shows it (the
    // progress window opens at the first call, over the window in use) and
    // lets the waiting messages through; false once the run is cancelled.
    bool Next(int done, int total, const std::string& file);
    // Lets the waiting messages through during a long step.
    void KeepAnswering();
    void Cancel();
    bool Cancelled() const { return cancelled_; }
    // Closes the progress window; the run's summary box comes after it.
    void Finish();

private:
    FileCommandWindow& window_;
    std::string title_;
    const bool started_;
    bool cancelled_ = false;
    std::unique_ptr<CRunProgressDlg> progress_;
};
