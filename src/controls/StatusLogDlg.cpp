#include "controls/StatusLogDlg.h"

#include "framework/Prompt.h"
#include "resource.h"

CStatusLogDlg::CStatusLogDlg(ActivityLog& log, CWnd* parent)
    : CDialog(IDD_STATUS_LOG, parent), logText(log.Text()), log_(log)
{
    log_.SetListener([this](const std::string& text) { logText = text; });
}

CStatusLogDlg::~CStatusLogDlg()
{
    log_.SetListener(nullptr);
    DestroyWindow();
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
    if (shown)
        UpdateData(false);
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
