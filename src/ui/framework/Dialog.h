#pragma once
// CDialog: a window made from a dialog template, run modelessly (Create) or
// modally (DoModal) by our own message loop, which offers every message to
// the application's filter first.
#include <functional>
#include <string>

#include "ui/framework/Wnd.h"

// Moves values between a dialog's controls and the dialog object's members.
class CDataExchange {
public:
    CDataExchange(CWnd& dialog, bool saving) : dialog_(dialog), saving(saving) {}

    // Binds the control of that id to the member once (subclassing it, so
    // that its own message handling runs).
    void Control(int id, CWnd& control);
    // The control's text to or from the value.
    void Text(int id, std::string& value);
    // A check box's state (BST_CHECKED = 1) to or from the value.
    void Check(int id, int& value);

private:
    CWnd& dialog_;

public:
    const bool saving;
};

// Fills the dialog's controls from a template's dialog-init resource (type
// 240): the combo boxes get their items this way. Each dialog runs its own
// at creation; one whose controls carry another dialog's ids can take that
// dialog's items too.
void ExecuteDlgInit(HWND dialog, UINT templateId);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : templateId_(templateId), parent_(parent) {}

    // Makes the window, runs OnInitDialog, and returns at once.
    bool Create(UINT templateId, CWnd* parent = nullptr);
    // Runs the dialog until EndDialog; returns its result (-1 when the window
    // could not be made). Without a parent the window in use owns it.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    // Controls to members (saveAndValidate) or members to controls.
    bool UpdateData(bool saveAndValidate = true);

    bool IsModal() const { return modal_; }

    // Handles the messages that wait for this thread's windows, as the modal
    // loop would, and returns when there are none: a long command calls it
    // between its steps so that its windows keep answering.
    static void PumpWaitingMessages();

    // Tests script modal dialogs with this: called once a modal dialog is
    // initialised and shown, before its loop takes the first message; ending
    // the dialog there returns from DoModal at once.
    static std::function<void(CDialog&)>& ModalObserver();

    // The dialog's chance at a message of its own windows before the
    // dialog keys (its keyboard shortcuts); true when it took it.
    virtual bool PreTranslateMessage(MSG&) { return false; }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange&) {}
    // Enter and the OK button: read the controls back and end with IDOK.
    virtual void OnOK();
    // Escape, the Cancel button and the close box: end with IDCANCEL.
    virtual void OnCancel();

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    UINT templateId_;
    CWnd* parent_;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
    bool unhandled_ = false;
};
