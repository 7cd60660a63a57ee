#include "framework/Dialog.h"

#include "framework/WinApp.h"

void CDataExchange::Control(int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(id, &dialog_);
}

void CDataExchange::Text(int id, std::string& value)
{
    if (saving)
        value = dialog_.GetDlgItemText(id);
    else
        dialog_.SetDlgItemText(id, value);
}

void CDataExchange::Check(int id, int& value)
{
    if (saving)
        value = static_cast<int>(::IsDlgButtonChecked(dialog_.m_hWnd, id));
    else
        ::CheckDlgButton(dialog_.m_hWnd, id, value);
}

std::function<void(CDialog&)>& CDialog::ModalObserver()
{
    static std::function<void(CDialog&)> observer;
    return observer;
}

bool CDialog::Create(UINT templateId, CWnd* parent)
{
    templateId_ = templateId;
    parent_ = parent;
    HWND owner = parent ? parent->m_hWnd : nullptr;
    HWND wnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                                  &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    return wnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = parent_ ? parent_->m_hWnd : nullptr;
    if (!owner && CWinApp::Current() && CWinApp::Current()->m_pMainWnd &&
        CWinApp::Current()->m_pMainWnd != this)
        owner = CWinApp::Current()->m_pMainWnd->m_hWnd;

    modal_ = true;
    ended_ = false;
    result_ = -1;
    HWND wnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                                  &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (!wnd) {
        modal_ = false;
        return -1;
    }
    bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    if (!ended_) {
        ::ShowWindow(wnd, SW_SHOW);
        if (ModalObserver())
            ModalObserver()(*this);
    }
    MSG msg;
    while (!ended_) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to an outer loop: end the dialog, pass it on.
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (CWinApp::Current() && CWinApp::Current()->PreTranslateMessage(&msg))
            continue;
        if (!::IsWindow(wnd) || !::IsDialogMessageA(wnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (ownerWasEnabled)
        ::EnableWindow(owner, TRUE);
    if (owner && ::GetActiveWindow() == wnd)
        ::SetActiveWindow(owner);
    if (::IsWindow(wnd))
        ::DestroyWindow(wnd);
    modal_ = false;
    return result_;
}

void CDialog::EndDialog(INT_PTR result)
{
    result_ = result;
    ended_ = true;
    if (m_hWnd) {
        if (modal_)
            ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
        else
            ::EndDialog(m_hWnd, result);
    }
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return true;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    if (Dispatch(msg, wp, lp, &result))
        return result;
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        if (LOWORD(wp) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wp) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return DefWindowProc(msg, wp, lp);
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM)
{
    // The dialog manager does the default work once the procedure says
    // it did not handle the message.
    unhandled_ = true;
    return 0;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = static_cast<CDialog*>(FromHandlePermanent(wnd));
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lp);
        self->Attach(wnd);
        return self->OnInitDialog();
    }
    if (!self)
        return FALSE;
    bool previous = self->unhandled_;
    self->unhandled_ = false;
    LRESULT result = self->RouteMessage(msg, wp, lp);
    bool handled = !self->unhandled_;
    self->unhandled_ = previous;
    if (!handled)
        return FALSE;
    switch (msg) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(result);
        default:
            ::SetWindowLongPtrA(wnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}
