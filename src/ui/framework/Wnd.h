#pragma once
// CWnd: a C++ object bound to a window handle, with message dispatch
// through a readable table of handlers (the message map). Windows are
// Unicode windows; texts cross as UTF-8 (framework/Text.h).
#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class CWnd;

// One row of a message map. WM_COMMAND rows match the command or control
// id and the notification code (0 for menu items, keyboard shortcuts,
// toolbar buttons and button clicks); WM_NOTIFY rows match the control id and the NMHDR code;
// rows of any other message match the message alone.
struct MessageMapEntry {
    UINT message;
    UINT code;
    UINT id;
    std::function<LRESULT(CWnd&, WPARAM, LPARAM)> handler;
};
using MessageMap = std::vector<MessageMapEntry>;

// Builders for message-map rows, so a map reads as a table:
//   OnCommand(1008, &CReelmarkDlg::OnGenerate),
//   OnControl(CBN_SELCHANGE, 1010, &CReelmarkDlg::OnSeriesTypeChange),
//   OnNotify(TVN_SELCHANGED, 1025, &CReelmarkDlg::OnTreeSelChanged),
//   OnMessage(WM_CLOSE, &CReelmarkDlg::OnCloseMessage),
template <class T>
MessageMapEntry OnCommand(UINT id, void (T::*handler)())
{
    return {WM_COMMAND, 0, id, [handler](CWnd& w, WPARAM, LPARAM) -> LRESULT {
                (static_cast<T&>(w).*handler)();
                return 0;
            }};
}

template <class T>
MessageMapEntry OnControl(UINT code, UINT id, void (T::*handler)())
{
    return {WM_COMMAND, code, id, [handler](CWnd& w, WPARAM, LPARAM) -> LRESULT {
                (static_cast<T&>(w).*handler)();
                return 0;
            }};
}

template <class T>
MessageMapEntry OnNotify(UINT code, UINT id, LRESULT (T::*handler)(NMHDR*))
{
    return {WM_NOTIFY, code, id, [handler](CWnd& w, WPARAM, LPARAM lp) -> LRESULT {
                return (static_cast<T&>(w).*handler)(reinterpret_cast<NMHDR*>(lp));
            }};
}

template <class T>
MessageMapEntry OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {message, 0, 0, [handler](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {
                return (static_cast<T&>(w).*handler)(wp, lp);
            }};
}

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // The object bound to a window, or null.
    static CWnd* FromHandlePermanent(HWND wnd);

    // Binds the object to an existing window without taking over its
    // messages (enough for reading and writing plain controls).
    bool Attach(HWND wnd);
    HWND Detach();
    // Binds and routes the window's messages through this object first; what
    // it does not handle goes to the window's own procedure.
    bool SubclassWindow(HWND wnd);
    bool SubclassDlgItem(int id, CWnd* parent);

    // Creates a window of a class registered with RegisterClass below.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu);
    // Registers (once) a window class whose procedure dispatches to CWnd objects.
    static const char* RegisterClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background,
                                     HICON icon);

    virtual BOOL DestroyWindow();

    // Plain window operations.
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const
    {
        return ::SendMessageW(m_hWnd, msg, wp, lp);
    }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const
    {
        return ::PostMessageW(m_hWnd, msg, wp, lp);
    }
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL ShowWindow(int show) { return ::ShowWindow(m_hWnd, show); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    // Off while a control is filled with many items: it repaints once after.
    void SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void SetFont(HFONT font, BOOL redraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    void CenterWindow(HWND over = nullptr);

protected:
    // The message map of the class; rows are tried in order.
    virtual const MessageMap& GetMessageMap() const;

    // Every message of a bound window passes here first.
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // What the window does without this object.
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // A child control's chance to handle the notification it sent its parent
    // (custom draw, owner draw); true when it did, with its result.
    virtual bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    // Called after the window's last message; the object may delete itself.
    virtual void PostNcDestroy() {}

    // Looks the message up in the map (after reflecting notifications to the
    // child that sent them); true when a row handled it.
    bool Dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    WNDPROC oldWndProc_ = nullptr;

private:
    // Children that measure their items, by control id (WM_MEASUREITEM
    // names the control only by its id).
    std::unordered_map<UINT, HWND> measuredChildren_;
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    static bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    LRESULT RouteMessage(UINT msg, WPARAM wp, LPARAM lp);
    friend class CDialog;
};

// The wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor() : previous_(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(previous_); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR previous_;
};
