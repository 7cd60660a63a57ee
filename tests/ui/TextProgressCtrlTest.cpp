#include <gtest/gtest.h>

#include "ui/controls/TextProgressCtrl.h"
#include "ui/WindowTestKit.h"

namespace {

const COLORREF Bar = RGB(200, 0, 0);
const COLORREF Back = RGB(0, 200, 0);
const COLORREF Text = RGB(0, 0, 200);
const COLORREF TextOnBar = RGB(250, 250, 0);

class TextProgressCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND bar = host.AddChild(PROGRESS_CLASSA, 0, 1030, Width, Height);
        ASSERT_NE(nullptr, bar);
        ASSERT_TRUE(progress.SubclassWindow(bar));
    }
    void TearDown() override { progress.DestroyWindow(); }

    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return progress.SendMessage(msg, wp, lp); }
    int Pos() { return static_cast<int>(Send(PBM_GETPOS)); }

    void UseTestColors()
    {
        Send(PBM_SETBARCOLOR, 0, Bar);
        Send(PBM_SETBKCOLOR, 0, Back);
        Send(TPC_SETTEXTCOLOR, 0, Text);
        Send(TPC_SETTEXTBARCOLOR, 0, TextOnBar);
    }
    // The control as WM_PRINTCLIENT draws it.
    void Render(PixelCanvas& canvas)
    {
        Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
    }
    // Inside the border.
    CRect Inner()
    {
        CRect inner(0, 0, Width, Height);
        PixelCanvas scratch(Width, Height);
        DrawEdge(scratch.Handle(), &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_FLAT);
        return inner;
    }

    static const int Width = 200;
    static const int Height = 24;
    TestHost host;
    CTextProgressCtrl progress;
};

}  // namespace

TEST_F(TextProgressCtrlTest, SetPosClampsToTheRangeAndReturnsThePreviousPosition)
{
    EXPECT_EQ(0, Send(PBM_SETPOS, 200));
    EXPECT_EQ(100, Pos());
    EXPECT_EQ(100, Send(PBM_SETPOS, -5));
    EXPECT_EQ(0, Pos());
    EXPECT_EQ(0, Send(PBM_DELTAPOS, 30));
    EXPECT_EQ(30, Send(PBM_DELTAPOS, -10));
    EXPECT_EQ(20, Pos());
}

TEST_F(TextProgressCtrlTest, StepItWrapsAroundAtBothEnds)
{
    Send(PBM_SETPOS, 95);
    EXPECT_EQ(10, Send(PBM_SETSTEP, 10));
    EXPECT_EQ(95, Send(PBM_STEPIT));
    EXPECT_EQ(5, Pos());
    EXPECT_EQ(10, Send(PBM_SETSTEP, -10));
    EXPECT_EQ(5, Send(PBM_STEPIT));
    EXPECT_EQ(95, Pos());
}

TEST_F(TextProgressCtrlTest, SetRangeReturnsThePreviousRangePackedAndLeavesThePosition)
{
    Send(PBM_SETPOS, 80);
    EXPECT_EQ(MAKELONG(0, 100), Send(PBM_SETRANGE, 0, MAKELPARAM(10, 50)));
    EXPECT_EQ(80, Pos());
    EXPECT_EQ(10, Send(PBM_GETRANGE, TRUE, 0));
    EXPECT_EQ(50, Send(PBM_GETRANGE, FALSE, 0));

    DWORD packed = static_cast<DWORD>(Send(PBM_SETRANGE32, static_cast<WPARAM>(-5), 70000));
    EXPECT_EQ(10, LOWORD(packed));
    EXPECT_EQ(50, HIWORD(packed));
    packed = static_cast<DWORD>(Send(PBM_SETRANGE32, 0, 100));
    EXPECT_EQ(static_cast<WORD>(-5), LOWORD(packed));
    EXPECT_EQ(static_cast<WORD>(70000), HIWORD(packed));

    PBRANGE range = {};
    EXPECT_EQ(100, Send(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
    EXPECT_EQ(0, range.iLow);
    EXPECT_EQ(100, range.iHigh);

    // The position outside the range is clamped only by the next SETPOS.
    Send(PBM_SETRANGE32, 0, 50);
    EXPECT_EQ(80, Send(PBM_SETPOS, 90));
    EXPECT_EQ(50, Pos());
}

TEST_F(TextProgressCtrlTest, ColoursDefaultToSystemColoursAndReturnToThem)
{
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), static_cast<COLORREF>(Send(TPC_GETBARCOLOR)));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), static_cast<COLORREF>(Send(TPC_GETBKCOLOR)));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), static_cast<COLORREF>(Send(TPC_GETTEXTCOLOR)));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<COLORREF>(Send(TPC_GETTEXTBARCOLOR)));

    // Setters return the stored value, CLR_DEFAULT included.
    EXPECT_EQ(CLR_DEFAULT, static_cast<COLORREF>(Send(PBM_SETBARCOLOR, 0, Bar)));
    EXPECT_EQ(Bar, static_cast<COLORREF>(Send(TPC_GETBARCOLOR)));
    EXPECT_EQ(Bar, static_cast<COLORREF>(Send(PBM_SETBARCOLOR, 0, CLR_DEFAULT)));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), static_cast<COLORREF>(Send(TPC_GETBARCOLOR)));

    EXPECT_EQ(CLR_DEFAULT, static_cast<COLORREF>(Send(PBM_SETBKCOLOR, 0, Back)));
    EXPECT_EQ(CLR_DEFAULT, static_cast<COLORREF>(Send(TPC_SETTEXTCOLOR, 0, Text)));
    EXPECT_EQ(CLR_DEFAULT, static_cast<COLORREF>(Send(TPC_SETTEXTBARCOLOR, 0, TextOnBar)));
    EXPECT_EQ(Back, static_cast<COLORREF>(Send(TPC_GETBKCOLOR)));
    EXPECT_EQ(Text, static_cast<COLORREF>(Send(TPC_GETTEXTCOLOR)));
    EXPECT_EQ(TextOnBar, static_cast<COLORREF>(Send(TPC_GETTEXTBARCOLOR)));
    EXPECT_EQ(TextOnBar, static_cast<COLORREF>(Send(TPC_SETTEXTBARCOLOR, 0, CLR_DEFAULT)));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<COLORREF>(Send(TPC_GETTEXTBARCOLOR)));
}

TEST_F(TextProgressCtrlTest, FlagSettersReturnThePreviousValueButMarqueeSizeTheNewOne)
{
    EXPECT_EQ(1, Send(TPC_SHOWPERCENT, 0));
    EXPECT_EQ(0, progress.showPercent);
    EXPECT_EQ(1, Send(TPC_SETTEXTALIGN, 2));
    EXPECT_EQ(2, Send(TPC_SETTEXTALIGN, 0));
    EXPECT_EQ(30, Send(TPC_SETMARQUEESIZE, 30));
    PixelCanvas canvas(Width, Height, RGB(9, 9, 9));
    EXPECT_EQ(TRUE, Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Handle())));
    EXPECT_EQ(Width * Height, canvas.Count(RGB(9, 9, 9)));
}

TEST_F(TextProgressCtrlTest, MarqueeRunsPastTheUpperBoundAndBounces)
{
    EXPECT_EQ(1, Send(PBM_SETMARQUEE, TRUE, 100000));
    EXPECT_TRUE(progress.GetStyle() & PBS_MARQUEE);
    EXPECT_EQ(0, progress.showPercent);
    Send(PBM_SETPOS, 500);
    EXPECT_EQ(120, Pos());

    // Ticks move the block one unit, turning at the limit and the lower bound.
    Send(WM_TIMER, 1);
    EXPECT_EQ(119, Pos());
    Send(WM_TIMER, 1);
    EXPECT_EQ(118, Pos());
    Send(WM_TIMER, 7);
    EXPECT_EQ(118, Pos());
    Send(PBM_SETPOS, 0);
    Send(WM_TIMER, 1);
    EXPECT_EQ(1, Pos());

    Send(TPC_SETMARQUEESIZE, 30);
    Send(PBM_SETPOS, 500);
    EXPECT_EQ(130, Pos());

    EXPECT_EQ(0, Send(PBM_SETMARQUEE, FALSE, 0));
    EXPECT_FALSE(progress.GetStyle() & PBS_MARQUEE);
    Send(PBM_SETPOS, 500);
    EXPECT_EQ(100, Pos());
}

TEST_F(TextProgressCtrlTest, DrawsTheBarAndItsTextInTheColoursOfEachPart)
{
    UseTestColors();
    const CRect inner = Inner();
    const int barRight = inner.left + inner.Width() * 60 / 100;
    Send(PBM_SETPOS, 60);
    PixelCanvas canvas(Width, Height);
    Render(canvas);
    EXPECT_EQ(Bar, canvas.At(inner.left + 1, inner.top + 1));
    EXPECT_EQ(Bar, canvas.At(barRight - 1, inner.bottom - 1));
    EXPECT_EQ(Back, canvas.At(barRight + 1, inner.top + 1));
    EXPECT_EQ(Back, canvas.At(inner.right - 1, inner.bottom - 1));
    // "60%" is centred, so wholly over the bar.
    EXPECT_GT(canvas.Count(TextOnBar), 10);
    EXPECT_EQ(0, canvas.Count(Text));

    Send(PBM_SETPOS, 20);
    PixelCanvas low(Width, Height);
    Render(low);
    EXPECT_GT(low.Count(Text), 10);
    EXPECT_EQ(0, low.Count(TextOnBar));

    // A digit straddling the edge of the bar shows in both colours.
    Send(PBM_SETPOS, 50);
    PixelCanvas half(Width, Height);
    Render(half);
    EXPECT_GT(half.Count(Text), 0);
    EXPECT_GT(half.Count(TextOnBar), 0);
}

TEST_F(TextProgressCtrlTest, ShowsTheWindowTextWhenThePercentIsOff)
{
    UseTestColors();
    progress.showPercent = 0;
    Send(PBM_SETPOS, 100);
    PixelCanvas empty(Width, Height);
    Render(empty);
    EXPECT_EQ(0, empty.Count(TextOnBar));

    progress.SetWindowText("Copying");
    PixelCanvas withText(Width, Height);
    Render(withText);
    EXPECT_GT(withText.Count(TextOnBar), 10);
}

TEST_F(TextProgressCtrlTest, MarqueeBlockHasLeftTheBarAtTheLimit)
{
    UseTestColors();
    Send(PBM_SETMARQUEE, TRUE, 100000);
    const CRect inner = Inner();

    Send(PBM_SETPOS, 50);
    PixelCanvas middle(Width, Height);
    Render(middle);
    const int blockRight = inner.left + inner.Width() / 2;
    const int blockLength = (inner.Width() * 20 + 50) / 100;
    EXPECT_EQ(Back, middle.At(inner.left + 1, inner.top + 1));
    EXPECT_EQ(Bar, middle.At(blockRight - 1, inner.top + 1));
    EXPECT_EQ(Bar, middle.At(blockRight - blockLength, inner.top + 1));
    EXPECT_EQ(Back, middle.At(blockRight - blockLength - 2, inner.top + 1));
    EXPECT_EQ(Back, middle.At(blockRight + 1, inner.top + 1));

    Send(PBM_SETPOS, 120);
    PixelCanvas gone(Width, Height);
    Render(gone);
    EXPECT_EQ(0, gone.Count(Bar, inner));
}

TEST_F(TextProgressCtrlTest, VerticalBarGrowsFromTheBottom)
{
    progress.DestroyWindow();
    HWND bar = host.AddChild(PROGRESS_CLASSA, PBS_VERTICAL, 1031, 24, 200);
    ASSERT_TRUE(progress.SubclassWindow(bar));
    UseTestColors();
    Send(PBM_SETPOS, 25);
    PixelCanvas canvas(24, 200);
    Render(canvas);
    EXPECT_EQ(Bar, canvas.At(3, 195));
    EXPECT_EQ(Back, canvas.At(3, 5));
    EXPECT_GT(canvas.Count(Text) + canvas.Count(TextOnBar), 10);
}
