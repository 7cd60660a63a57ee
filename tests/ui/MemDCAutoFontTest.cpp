#include <gtest/gtest.h>

#include "ui/controls/AutoFont.h"
#include "ui/controls/MemDC.h"
#include "ui/WindowTestKit.h"

TEST(MemDC, ShowsItsPictureOnlyWhenDestroyedAndLeavesNothingBehind)
{
    PixelCanvas target(40, 30, RGB(9, 9, 9));
    HDC surface = nullptr;
    HGDIOBJ bitmap = nullptr;
    {
        CRect area(10, 5, 30, 25);
        CMemDC dc(target.Dc(), &area);
        surface = dc;
        bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        // Drawn at the target's co-ordinates.
        dc.FillSolidRect(CRect(12, 7, 20, 15), RGB(200, 0, 0));
        EXPECT_EQ(RGB(9, 9, 9), target.At(15, 10));
    }
    EXPECT_EQ(RGB(200, 0, 0), target.At(15, 10));
    EXPECT_EQ(RGB(200, 0, 0), target.At(12, 7));
    // Outside the covered rectangle the target is untouched; inside it, the
    // memory DC's background (a DC without a window: its background colour).
    EXPECT_EQ(RGB(9, 9, 9), target.At(5, 5));
    EXPECT_EQ(GetBkColor(target.Handle()), target.At(25, 20));
    EXPECT_EQ(0u, GetObjectType(surface));
    EXPECT_EQ(0u, GetObjectType(bitmap));
}

TEST(MemDC, PrefillsWithTheWindowClassBackground)
{
    TestHost host(50, 50);
    CClientDC client(host);
    CRect area(0, 0, 10, 10);
    CMemDC dc(client, &area);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(dc, 3, 3));
}

TEST(AutoFont, SettersRebuildTheFontAndReturnThePreviousValue)
{
    CAutoFont font;
    LOGFONTW made = {};
    ASSERT_TRUE(font.GetLogFont(&made));
    EXPECT_EQ(-12, made.lfHeight);
    EXPECT_STREQ(L"Times New Roman", made.lfFaceName);

    EXPECT_EQ(-12, font.SetFontHeight(-20));
    EXPECT_FALSE(font.SetFontBold(true));
    EXPECT_EQ(FW_BOLD, font.SetFontWeight(FW_MEDIUM));
    EXPECT_TRUE(font.SetFontBold(false));
    ASSERT_TRUE(font.GetLogFont(&made));
    EXPECT_EQ(-20, made.lfHeight);
    EXPECT_EQ(FW_NORMAL, made.lfWeight);
}
