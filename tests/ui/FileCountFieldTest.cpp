// The main window's "# files" field holds the largest count it must show.
#include <windows.h>

#include <gtest/gtest.h>

#include "resource.h"
#include "support/MainWindowHarness.h"

namespace {

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

TEST(FileCountField, ShowsSixDigitsWholeBesideItsNeighbours)
{
    MainWindowHarness w;
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    const HWND field = w.Item(IDC_FILE_COUNT);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(field, WM_GETFONT, 0, 0));
    HDC dc = ::GetDC(field);
    const HGDIOBJ old = ::SelectObject(dc, font);
    SIZE text = {};
    ::GetTextExtentPoint32W(dc, L"999999", 6, &text);
    ::SelectObject(dc, old);
    ::ReleaseDC(field, dc);
    const LRESULT margins = ::SendMessageW(field, EM_GETMARGINS, 0, 0);
    RECT client = {};
    ::GetClientRect(field, &client);
    EXPECT_LE(text.cx + LOWORD(margins) + HIWORD(margins), client.right - client.left);

    // It overlaps no other control of the window.
    const RECT own = ScreenRect(field);
    for (HWND other = ::GetWindow(w.Hwnd(), GW_CHILD); other; other = ::GetWindow(other, GW_HWNDNEXT)) {
        RECT theirs = ScreenRect(other);
        RECT common = {};
        if (other != field && ::IsWindowVisible(other)) {
            EXPECT_FALSE(::IntersectRect(&common, &own, &theirs)) << ::GetDlgCtrlID(other);
        }
    }
}
