// How the main window draws its movie list.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/MainWindowHarness.h"

TEST(MainWindowLook, MovieListFontIsCourierNewOrAnotherMonospacedFace)
{
    MainWindowHarness w;
    w.WriteIniForFolder(w.movies.Path());
    w.Start();
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(w.Item(1001), WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, font);
    LOGFONTW asked = {};
    ASSERT_TRUE(::GetObjectW(font, sizeof(asked), &asked));
    EXPECT_STREQ(L"Courier New", asked.lfFaceName);

    HDC dc = ::GetDC(w.Item(1001));
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    SIZE narrow = {};
    SIZE wide = {};
    ::GetTextExtentPoint32A(dc, "iiii", 4, &narrow);
    ::GetTextExtentPoint32A(dc, "WWWW", 4, &wide);
    const int dotsPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::SelectObject(dc, old);
    ::ReleaseDC(w.Item(1001), dc);
    EXPECT_EQ(-MulDiv(8, dotsPerInch, 72), asked.lfHeight);
    // The names line up in columns, whichever face stands in.
    EXPECT_EQ(narrow.cx, wide.cx);
}
