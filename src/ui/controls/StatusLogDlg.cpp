#include "ui/controls/StatusLogDlg.h"

#include "resource.h"
#include "ui/framework/Prompt.h"

CStatusLogDlg::CStatusLogDlg(ActivityLog& log, CWnd* parent) : CDialog(IDD_STATUS_LOG, parent), log_(log) {}

CStatusLogDlg::~CStatusLogDlg()
{
    DestroyWindow();
}

BOOL CStatusLogDlg::OnInitDialog()
{
    BOOL result = CDialog::OnInitDialog();
    // A rich edit box holds 32K characters unless told otherwise; a busy
    // run's log is longer and must still be shown whole.
    logEdit_.SendMessage(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    return result;
}

void CStatusLogDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_LOG_TEXT, logEdit_);
    dx.Text(IDC_LOG_TEXT, logText);
}

const MessageMap& CStatusLogDlg::GetMessageMap() const
{
    static const MessageMap map = {
        OnMessage(WM_SHOWWINDOW, &CStatusLogDlg::OnShowWindow),
        OnCommand(IDC_LOG_CLEAR, &CStatusLogDlg::OnClearLog),
    };
    return map;
}

void CStatusLogDlg::OnOK()
{
    ShowWindow(SW_HIDE);
}

void CStatusLogDlg::OnCancel()
{
    ShowWindow(SW_HIDE);
}

LRESULT CStatusLogDlg::OnShowWindow(WPARAM shown, LPARAM status)
{
    LRESULT result = DefWindowProc(WM_SHOWWINDOW, shown, status);
    if (shown) {
        logText = log_.Text();
        UpdateData(false);
    }
    return result;
}

void CStatusLogDlg::OnClearLog()
{
    if (ThePrompt().ShowMessage(m_hWnd, "Do you want to erase the entire log contents?", "Reelmark",
                                MB_YESNO | MB_ICONHAND) != IDYES)
        return;
    logText.clear();
    log_.SetText(std::string());
    UpdateData(false);
    log_.AddLogEntry(std::string(), LogSeverity::Information, "Log content erased by user...");
    logText = log_.Text();
    UpdateData(false);
}
