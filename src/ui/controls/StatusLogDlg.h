#pragma once
// The "Status Log" window: a modeless dialog that shows the whole activity
// log in a read-only box and lets the user erase it. It owns no log data:
// it shows and clears the activity log it is given.
#include <string>

#include "core/log/ActivityLog.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"

class CStatusLogDlg : public CDialog {
public:
    // Shows the log as it stands each time the window is shown.
    explicit CStatusLogDlg(ActivityLog& log, CWnd* parent = nullptr);
    ~CStatusLogDlg() override;

    // What the box shows after the next exchange: the log as it stood when
    // the window was last shown (copied then, not at every entry, which
    // would cost a copy of the whole log per line in a long run).
    std::string logText;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    const MessageMap& GetMessageMap() const override;

    // OK, Cancel, Enter, Escape and the close box only hide the window.
    void OnOK() override;
    void OnCancel() override;

    LRESULT OnShowWindow(WPARAM shown, LPARAM status);
    void OnClearLog();

private:
    ActivityLog& log_;
    CRichEditCtrl logEdit_;
};
