#include <cstring>
#include <gtest/gtest.h>

#include "ui/controls/SplashWnd.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 345;

// A top-down 24-bit picture whose pixels the test can read.
HBITMAP WhitePicture(BYTE** bits = nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    GdiFlush();
    std::memset(pixels, 0xFF, ((kWidth * 3 + 3) & ~3) * kHeight);
    if (bits)
        *bits = static_cast<BYTE*>(pixels);
    return bitmap;
}

class SplashWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSplashWnd::EnableSplash(true);
        holder.SetPictureLoader([] { return WhitePicture(); });
    }
    void TearDown() override
    {
        if (CSplashWnd::Current())
            CSplashWnd::Current()->HideSplash();
        EXPECT_EQ(nullptr, CSplashWnd::Current());
    }

    static void Tick(HWND splash) { SendMessageA(splash, WM_TIMER, 1, 0); }

    static bool Filter(UINT message)
    {
        MSG msg = {};
        msg.message = message;
        return CSplashWnd::FilterAppMessage(&msg);
    }

    CSplashWnd holder;
};

}  // namespace

TEST_F(SplashWndTest, StartUpSplashHidesItselfAtTheThirdTick)
{
    holder.ShowSplash(2, nullptr);
    CSplashWnd* splash = CSplashWnd::Current();
    ASSERT_NE(nullptr, splash);
    HWND wnd = splash->m_hWnd;
    EXPECT_TRUE(IsWindowVisible(wnd));
    RECT rect;
    GetWindowRect(wnd, &rect);
    EXPECT_EQ(kWidth, rect.right - rect.left);
    EXPECT_EQ(kHeight, rect.bottom - rect.top);
    Tick(wnd);
    Tick(wnd);
    EXPECT_TRUE(IsWindow(wnd));
    Tick(wnd);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(nullptr, CSplashWnd::Current());
}

TEST_F(SplashWndTest, AboutBoxNeverHidesByTimeAndASecondShowIsIgnored)
{
    holder.ShowSplash(0, nullptr);
    CSplashWnd* about = CSplashWnd::Current();
    ASSERT_NE(nullptr, about);
    holder.ShowSplash(2, nullptr);
    EXPECT_EQ(about, CSplashWnd::Current());
    for (int i = 0; i < 10; ++i)
        Tick(about->m_hWnd);
    EXPECT_EQ(about, CSplashWnd::Current());
    EXPECT_TRUE(IsWindow(about->m_hWnd));
}

TEST_F(SplashWndTest, KeyAndButtonPressesHideAndAreConsumedOtherMessagesPass)
{
    EXPECT_FALSE(Filter(WM_KEYDOWN));  // no splash: nothing to consume
    for (UINT press : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                       WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN}) {
        holder.ShowSplash(0, nullptr);
        ASSERT_NE(nullptr, CSplashWnd::Current());
        HWND wnd = CSplashWnd::Current()->m_hWnd;
        for (UINT other : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP, WM_KEYUP, WM_NCMOUSEMOVE, WM_CHAR})
            EXPECT_FALSE(Filter(other)) << other;
        EXPECT_TRUE(IsWindow(wnd));
        EXPECT_TRUE(Filter(press)) << press;
        EXPECT_FALSE(IsWindow(wnd)) << press;
        EXPECT_EQ(nullptr, CSplashWnd::Current());
    }
}

TEST_F(SplashWndTest, NothingIsShownWhenDisabledOrWithoutAPicture)
{
    CSplashWnd::EnableSplash(false);
    holder.ShowSplash(2, nullptr);
    EXPECT_EQ(nullptr, CSplashWnd::Current());

    CSplashWnd::EnableSplash(true);
    holder.SetPictureLoader([] { return HBITMAP(nullptr); });
    holder.ShowSplash(2, nullptr);
    EXPECT_EQ(nullptr, CSplashWnd::Current());
}

TEST_F(SplashWndTest, PaintsTitleFromItsLineDownAndTheNoticeInBlueAtTheBottom)
{
    holder.versionText = "9.8.7";
    holder.ShowSplash(0, nullptr);
    ASSERT_NE(nullptr, CSplashWnd::Current());

    BYTE* bits = nullptr;
    HBITMAP target = WhitePicture(&bits);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, target);
    CSplashWnd::Current()->Draw(dc);
    GdiFlush();

    const int stride = (kWidth * 3 + 3) & ~3;
    auto count = [&](int left, int top, int right, int bottom, auto match) {
        int found = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                const BYTE* p = bits + y * stride + x * 3;  // blue, green, red
                found += match(p[2], p[1], p[0]) ? 1 : 0;
            }
        return found;
    };
    auto dark = [](int r, int g, int b) { return r < 80 && g < 80 && b < 80; };
    auto blue = [](int r, int g, int b) { return b > 120 && b > r + 80 && b > g + 60; };
    auto inked = [](int r, int g, int b) { return r + g + b < 3 * 255; };

    EXPECT_EQ(0, count(0, 0, kWidth, 68, inked));         // nothing above the title line
    EXPECT_GT(count(0, 68, kWidth, 120, dark), 50);       // title and credit line in black
    EXPECT_EQ(0, count(0, 68, kWidth, 281, blue));        // the notice starts at its own line
    EXPECT_GT(count(0, 281, kWidth, kHeight, blue), 50);  // notice in blue
    EXPECT_EQ(0, count(0, 0, 20, kHeight, inked));        // margins of 20 pixels
    EXPECT_EQ(0, count(kWidth - 20, 0, kWidth, kHeight, inked));
    // The title is centred: ink on both sides of the middle.
    EXPECT_GT(count(0, 68, kWidth / 2, 90, dark), 10);
    EXPECT_GT(count(kWidth / 2, 68, kWidth, 90, dark), 10);

    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(target);
}
