#include "ui/framework/Dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/Text.h"
#include "ui/framework/Prompt.h"
#include "ui/framework/ToolBar.h"
#include "ui/framework/WinApp.h"

namespace {

// The modal dialogs that are open, innermost last.
std::vector<CDialog*>& ModalDialogs()
{
    static std::vector<CDialog*> dialogs;
    return dialogs;
}

}  // namespace

// The resource is a list of control id, message, byte count and bytes,
// ended by a zero id.
void ExecuteDlgInit(HWND dialog, UINT templateId)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(240));
    if (!found)
        return;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const BYTE* end = data + SizeofResource(module, found);
    while (data && data + 8 <= end) {
        WORD id = *reinterpret_cast<const WORD*>(data);
        WORD message = *reinterpret_cast<const WORD*>(data + 2);
        DWORD length = *reinterpret_cast<const DWORD*>(data + 4);
        if (id == 0 || data + 8 + length > end)
            break;
        std::string text(reinterpret_cast<const char*>(data + 8), length);
        text = text.c_str();  // the bytes end in a zero
        // 0x0401/0x0403 are the 16-bit list and combo "add string" messages.
        UINT add = message == 0x0403 ? CB_ADDSTRING : message == 0x0401 ? LB_ADDSTRING : message;
        // The resource script's bytes are Windows-1252.
        const std::wstring item = Widen(FromWindows1252(text));
        ::SendDlgItemMessageW(dialog, id, add, 0, reinterpret_cast<LPARAM>(item.c_str()));
        data += 8 + length;
    }
}

namespace {

// Tooltips of toolbar buttons: the string whose id is the button's command.
bool FillTooltip(NMHDR* header)
{
    if (header->code != TTN_GETDISPINFOW)
        return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    std::string text = LoadResourceString(static_cast<UINT>(header->idFrom)).substr(0, 79);
    lstrcpynW(info->szText, Widen(text).c_str(), sizeof(info->szText) / sizeof(info->szText[0]));
    info->lpszText = info->szText;
    return true;
}

// The dialog keys (Tab, Enter, Escape) of a message go to the modeless
// dialog it belongs to, when it belongs to one, else to the modal dialog.
bool IsDialogMessageOfThread(HWND modal, MSG& msg)
{
    HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(root));
    HWND target = dialog && root != modal && !dialog->IsModal() ? root : modal;
    return ::IsWindow(target) && ::IsDialogMessageW(target, &msg);
}

// What a modal loop does with one message: the application's filter first,
// then the shortcuts of the dialog it belongs to, then the dialog keys,
// then the window's own handling.
void HandleMessage(HWND modal, MSG& msg)
{
    if (CWinApp::Current() && CWinApp::Current()->PreTranslateMessage(&msg))
        return;
    auto* dialog = msg.hwnd ? dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(::GetAncestor(msg.hwnd, GA_ROOT)))
                            : nullptr;
    if (dialog && dialog->PreTranslateMessage(msg))
        return;
    if (!IsDialogMessageOfThread(modal, msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

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

HWND WindowInUse()
{
    for (auto dialog = ModalDialogs().rbegin(); dialog != ModalDialogs().rend(); ++dialog) {
        if ((*dialog)->m_hWnd)
            return (*dialog)->m_hWnd;
    }
    CWinApp* app = CWinApp::Current();
    return app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
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
    HWND wnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                                  &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    return wnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = parent_ ? parent_->m_hWnd : WindowInUse();

    modal_ = true;
    ended_ = false;
    result_ = -1;
    HWND wnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                                  &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (!wnd) {
        modal_ = false;
        return -1;
    }
    bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    ModalDialogs().push_back(this);
    if (!ended_) {
        ::ShowWindow(wnd, SW_SHOW);
        if (ModalObserver())
            ModalObserver()(*this);
    }
    MSG msg;
    while (!ended_) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to an outer loop: end the dialog, pass it on.
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        HandleMessage(wnd, msg);
    }
    ModalDialogs().erase(std::find(ModalDialogs().begin(), ModalDialogs().end(), this));
    if (ownerWasEnabled)
        ::EnableWindow(owner, TRUE);
    if (owner && ::GetActiveWindow() == wnd)
        ::SetActiveWindow(owner);
    if (::IsWindow(wnd))
        ::DestroyWindow(wnd);
    modal_ = false;
    return result_;
}

void CDialog::PumpWaitingMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HandleMessage(WindowInUse(), msg);
    }
}

void CDialog::EndDialog(INT_PTR result)
{
    result_ = result;
    ended_ = true;
    if (m_hWnd) {
        if (modal_)
            ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
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
    if (msg == WM_NOTIFY && FillTooltip(reinterpret_cast<NMHDR*>(lp)))
        return 0;
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
        ExecuteDlgInit(wnd, self->templateId_);
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
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
            // Their answer is in the structure; TRUE says they were handled.
            // (Setting the message result is a trip to the server, and a list
            // of thousands of items asks once per item.)
            return TRUE;
        default:
            ::SetWindowLongPtrW(wnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}
