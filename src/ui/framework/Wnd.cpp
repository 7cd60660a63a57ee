#include "ui/framework/Wnd.h"

#include <unordered_map>

#include "platform/Text.h"

namespace {

std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The object whose window CreateEx is making: its first messages arrive
// before CreateWindowEx returns the handle.
thread_local CWnd* windowBeingCreated = nullptr;

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd) {
        HWND wnd = m_hWnd;
        if (oldWndProc_) {
            SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
            oldWndProc_ = nullptr;
        }
        Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND wnd)
{
    auto it = HandleMap().find(wnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

bool CWnd::Attach(HWND wnd)
{
    if (!wnd || m_hWnd)
        return false;
    m_hWnd = wnd;
    HandleMap()[wnd] = this;
    return true;
}

HWND CWnd::Detach()
{
    HWND wnd = m_hWnd;
    if (wnd) {
        auto it = HandleMap().find(wnd);
        if (it != HandleMap().end() && it->second == this)
            HandleMap().erase(it);
    }
    m_hWnd = nullptr;
    return wnd;
}

bool CWnd::SubclassWindow(HWND wnd)
{
    if (!Attach(wnd))
        return false;
    oldWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return true;
}

bool CWnd::SubclassDlgItem(int id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

const char* CWnd::RegisterClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon)
{
    WNDCLASSW existing;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring wideName = Widen(name);
    if (GetClassInfoW(instance, wideName.c_str(), &existing))
        return name;
    WNDCLASSW wc = {};
    wc.style = style;
    wc.lpfnWndProc = &CWnd::StaticWndProc;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = wideName.c_str();
    return ::RegisterClassW(&wc) ? name : nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu)
{
    windowBeingCreated = this;
    HWND wnd = CreateWindowExW(exStyle, Widen(className).c_str(), Widen(title).c_str(), style, x, y, width,
                               height, parent, menu, GetModuleHandleW(nullptr), nullptr);
    windowBeingCreated = nullptr;
    if (!wnd) {
        if (m_hWnd)
            Detach();
        return false;
    }
    return true;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

namespace {

std::string TextOfWindow(HWND wnd)
{
    int length = GetWindowTextLengthW(wnd);
    std::wstring text(length + 1, L'\0');
    int got = ::GetWindowTextW(wnd, &text[0], length + 1);
    text.resize(got > 0 ? got : 0);
    return Narrow(text);
}

}  // namespace

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextW(m_hWnd, Widen(text).c_str());
}

void CWnd::SetDlgItemText(int id, const std::string& text)
{
    ::SetDlgItemTextW(m_hWnd, id, Widen(text).c_str());
}

std::string CWnd::GetWindowText() const
{
    return TextOfWindow(m_hWnd);
}

std::string CWnd::GetDlgItemText(int id) const
{
    return TextOfWindow(GetDlgItem(id));
}

RECT CWnd::GetClientRect() const
{
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect = {};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::CenterWindow(HWND over)
{
    if (!over)
        over = ::GetWindow(m_hWnd, GW_OWNER);
    RECT area;
    if (over && ::IsWindowVisible(over)) {
        ::GetWindowRect(over, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own = GetWindowRect();
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const MessageMap& CWnd::GetMessageMap() const
{
    static const MessageMap empty;
    return empty;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

bool CWnd::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    HWND child = nullptr;
    switch (msg) {
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
            break;
        case WM_DRAWITEM:
            child = wp ? reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem : nullptr;
            break;
        default:
            return false;
    }
    CWnd* target = child ? FromHandlePermanent(child) : nullptr;
    return target && target->OnChildNotify(msg, wp, lp, result);
}

bool CWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (measure->CtlType != ODT_MENU) {
            // A list of thousands of items asks once per item: the child's
            // handle is looked up once (the system asks the server for the
            // whole list of children each time).
            HWND& child = measuredChildren_[measure->CtlID];
            if (!::IsWindow(child))
                child = GetDlgItem(measure->CtlID);
            CWnd* target = FromHandlePermanent(child);
            if (target && target->OnChildNotify(msg, wp, lp, result))
                return true;
        }
    } else if (ReflectToChild(msg, wp, lp, result)) {
        return true;
    }
    UINT code = 0;
    UINT id = 0;
    if (msg == WM_COMMAND) {
        code = HIWORD(wp);
        id = LOWORD(wp);
        // A keyboard shortcut's command is its menu item's.
        if (code == 1 && lp == 0)
            code = 0;
    } else if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        code = header->code;
        id = static_cast<UINT>(header->idFrom);
    }
    for (const MessageMapEntry& entry : GetMessageMap()) {
        if (entry.message != msg)
            continue;
        if ((msg == WM_COMMAND || msg == WM_NOTIFY) && (entry.code != code || entry.id != id))
            continue;
        *result = entry.handler(*this, wp, lp);
        return true;
    }
    return false;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    if (Dispatch(msg, wp, lp, &result))
        return result;
    return DefWindowProc(msg, wp, lp);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (oldWndProc_)
        return CallWindowProcW(oldWndProc_, m_hWnd, msg, wp, lp);
    return ::DefWindowProcW(m_hWnd, msg, wp, lp);
}

LRESULT CWnd::RouteMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = WindowProc(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        if (oldWndProc_) {
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
            oldWndProc_ = nullptr;
        }
        Detach();
        PostNcDestroy();
    }
    return result;
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* self = FromHandlePermanent(wnd);
    if (!self && windowBeingCreated) {
        self = windowBeingCreated;
        windowBeingCreated = nullptr;
        self->Attach(wnd);
    }
    if (!self)
        return ::DefWindowProcW(wnd, msg, wp, lp);
    return self->RouteMessage(msg, wp, lp);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* self = FromHandlePermanent(wnd);
    if (!self)
        return ::DefWindowProcW(wnd, msg, wp, lp);
    return self->RouteMessage(msg, wp, lp);
}
