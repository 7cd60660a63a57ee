#include "ui/controls/RunProgressDlg.h"

#include <windows.h>

#include "platform/Text.h"
#include "resource.h"

namespace {

// How often a long step lets the waiting messages through: well within the
// tenth of a second in which a window should answer.
constexpr DWORD kPumpInterval = 40;

}  // namespace

CRunProgressDlg::CRunProgressDlg(const std::string& title, int total)
    : CDialog(IDD_RUN_PROGRESS), title_(title), total_(total)
{
}

CRunProgressDlg::~CRunProgressDlg()
{
    DestroyWindow();
}

std::function<void(CRunProgressDlg&)>& CRunProgressDlg::Observer()
{
    static std::function<void(CRunProgressDlg&)> observer;
    return observer;
}

void CRunProgressDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_RUN_PROGRESS, bar_);
    dx.Control(IDC_RUN_FILE, file_);
}

BOOL CRunProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(title_);
    bar_.SendMessage(TPC_SHOWPERCENT, FALSE);
    bar_.SetRange(0, total_ > 0 ? total_ : 1);
    return TRUE;
}

void CRunProgressDlg::Open(CWnd* owner)
{
    Create(IDD_RUN_PROGRESS, owner);
    ShowWindow(SW_SHOWNA);
    UpdateWindow();
}

bool CRunProgressDlg::Next(int done, const std::string& file)
{
    if (m_hWnd && !cancelled_) {
        bar_.SetPos(done);
        bar_.SetWindowText(FormatText("%d of %d", done + 1, total_));
        file_.SetWindowText(file);
        if (Observer())
            Observer()(*this);
    }
    lastPump_ = GetTickCount();
    PumpWaitingMessages();
    return !cancelled_;
}

void CRunProgressDlg::KeepAnswering()
{
    const DWORD now = GetTickCount();
    if (now - lastPump_ < kPumpInterval)
        return;
    lastPump_ = now;
    PumpWaitingMessages();
}

void CRunProgressDlg::Cancel()
{
    if (cancelled_)
        return;
    cancelled_ = true;
    if (m_hWnd) {
        SetWindowText(title_ + " - cancelling");
        ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    }
}

void CRunProgressDlg::OnCancel()
{
    Cancel();
}
