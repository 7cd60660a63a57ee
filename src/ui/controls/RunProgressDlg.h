#pragma once
// The progress of a run over many files (Generate, Delete Selected, the copy
// run): a small window over the one the run belongs to, with a bar that
// reads "n of N", the file at hand and a Cancel button (Escape too). Between
// files, and during a long copy, the run lets the waiting messages through
// here, so that its windows keep answering; Cancel stops the run after the
// file at hand.
#include <functional>
#include <string>

#include "ui/controls/TextProgressCtrl.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"

class CRunProgressDlg : public CDialog {
public:
    // title: the window's caption; total: the number of files of the run.
    CRunProgressDlg(const std::string& title, int total);
    ~CRunProgressDlg() override;

    // Shows the window over the owner.
    void Open(CWnd* owner);
    // Shows that `done` files are done and `file` is next, and lets the
    // waiting messages through; false once the user has cancelled.
    bool Next(int done, const std::string& file);
    // Lets the waiting messages through during a long step (at most every
    // few dozen milliseconds, so that a busy copy loses no time to it).
    void KeepAnswering();
    // Cancels the run as the Cancel button does.
    void Cancel();

    // Tests watch a run with this: called at every Next once the window
    // shows it, where a test can read the window or press Cancel.
    static std::function<void(CRunProgressDlg&)>& Observer();

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    // Escape, the Cancel button: stop after the file at hand.
    void OnCancel() override;
    void OnOK() override {}

private:
    std::string title_;
    int total_;
    bool cancelled_ = false;
    unsigned long lastPump_ = 0;
    CTextProgressCtrl bar_;
    CStatic file_;
};
