#pragma once
// Window-test helpers: a hidden framework window to host controls (it
// reflects notifications to them like a dialog does), and a bitmap to draw
// controls into and read back pixels from. Nothing depends on focus, a
// window manager or window titles.
#include <windows.h>

#include <commctrl.h>

#include "ui/framework/Gdi.h"
#include "ui/framework/Wnd.h"

class TestHost : public CWnd {
public:
    TestHost(int width = 640, int height = 480)
    {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        const char* cls = RegisterClass("ReelmarkControlTestHost", 0, nullptr,
                                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
        CreateEx(0, cls, "", WS_POPUP, 0, 0, width, height, nullptr, nullptr);
    }
    ~TestHost() override { DestroyWindow(); }

    // A child control of a system class with that id.
    HWND AddChild(const char* windowClass, DWORD style, int id, int width, int height) const
    {
        return CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                               nullptr);
    }
};

// A 32-bit bitmap selected into a memory DC.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF fill = RGB(1, 2, 3)) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_.CreateCompatibleDC(nullptr);
        bitmap_.Attach(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, nullptr, nullptr, 0));
        previous_ = dc_.SelectObject(bitmap_);
        dc_.FillSolidRect(CRect(0, 0, width, height), fill);
    }
    ~PixelCanvas() { dc_.SelectObject(previous_); }

    CDC& Dc() { return dc_; }
    HDC Handle() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // Pixels of that colour inside the rectangle.
    int Count(COLORREF color, const RECT& area) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) == color ? 1 : 0;
        return count;
    }
    int Count(COLORREF color) const { return Count(color, CRect(0, 0, width_, height_)); }

private:
    int width_;
    int height_;
    CDC dc_;
    CBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};
