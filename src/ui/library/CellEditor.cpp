#include "ui/library/CellEditor.h"

#include <algorithm>

#include "platform/Text.h"
#include "resource.h"

namespace {

// Leaving the editor takes its value once the focus has settled.
constexpr UINT kTakeOnLeave = WM_APP + 1;

}  // namespace

bool CellEditor::Open(HWND list, const RECT& cell, const std::string& text, const std::vector<std::string>& items,
                      Done done)
{
    if (IsOpen())
        Close(false);
    choice_ = !items.empty();
    const int height = cell.bottom - cell.top;
    HWND wnd = ::CreateWindowExW(0, choice_ ? L"COMBOBOX" : L"EDIT", L"",
                                 WS_CHILD | WS_VISIBLE | WS_BORDER |
                                     (choice_ ? CBS_DROPDOWNLIST | WS_VSCROLL : ES_AUTOHSCROLL),
                                 cell.left, cell.top, std::max<int>(cell.right - cell.left, 60),
                                 choice_ ? height * 8 : height, list,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LIBRARY_CELL)),
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (!wnd || !SubclassWindow(wnd))
        return false;
    done_ = std::move(done);
    closing_ = false;
    SetFont(reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    if (choice_) {
        int selected = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(items[i]).c_str()));
            if (items[i] == text)
                selected = static_cast<int>(i);
        }
        SendMessage(CB_SETCURSEL, selected);
    } else {
        SetWindowText(text);
        SendMessage(EM_SETSEL, 0, -1);
    }
    ::SetFocus(m_hWnd);
    return true;
}

void CellEditor::Close(bool committed)
{
    if (!IsOpen() || closing_)
        return;
    closing_ = true;
    std::string text;
    if (choice_) {
        const int at = static_cast<int>(SendMessage(CB_GETCURSEL));
        const int length = at < 0 ? 0 : static_cast<int>(SendMessage(CB_GETLBTEXTLEN, at));
        std::wstring item(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        if (at >= 0)
            SendMessage(CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(&item[0]));
        item.resize(static_cast<size_t>(std::max(length, 0)));
        text = Narrow(item);
    } else {
        text = GetWindowText();
    }
    HWND list = ::GetParent(m_hWnd);
    Done done = std::move(done_);
    DestroyWindow();
    ::SetFocus(list);
    if (done)
        done(committed, text);
}

LRESULT CellEditor::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
        case WM_GETDLGCODE:
            // Enter, Escape and Tab are the editor's, not the window's.
            return DLGC_WANTALLKEYS | CWnd::WindowProc(msg, wp, lp);
        case WM_KEYDOWN:
            if (wp == VK_RETURN || wp == VK_TAB || wp == VK_ESCAPE) {
                Close(wp != VK_ESCAPE);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wp == VK_RETURN || wp == VK_TAB || wp == VK_ESCAPE)
                return 0;  // no beep
            break;
        case WM_KILLFOCUS: {
            // Another control of the window: the value is taken. Another
            // program: the editor waits for the user to come back.
            const HWND to = reinterpret_cast<HWND>(wp);
            if (!closing_ && to && ::GetAncestor(to, GA_ROOT) == ::GetAncestor(m_hWnd, GA_ROOT))
                PostMessage(kTakeOnLeave);
            break;
        }
        case kTakeOnLeave:
            if (::GetFocus() != m_hWnd)
                Close(true);
            return 0;
        default:
            break;
    }
    return CWnd::WindowProc(msg, wp, lp);
}
