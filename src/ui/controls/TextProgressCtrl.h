#pragma once
// A progress bar that draws itself and writes a text across the bar (the
// percentage reached or its window text), in one colour over the bar and
// another over the empty part. It subclasses a msctls_progress32 control
// and answers every progress-bar message itself, keeping its own range,
// position and step, so the system control never draws.
#include "ui/framework/Controls.h"
#include "ui/framework/Gdi.h"

// The control's own messages; each setter returns the previous value.
const UINT TPC_GETBARCOLOR = WM_USER + 100;   // resolved bar colour
const UINT TPC_GETBKCOLOR = WM_USER + 101;    // resolved background colour
const UINT TPC_SETTEXTCOLOR = WM_USER + 102;  // lParam: colour of text over the empty part
const UINT TPC_GETTEXTCOLOR = WM_USER + 103;
const UINT TPC_SETTEXTBARCOLOR = WM_USER + 104;  // lParam: colour of text over the bar
const UINT TPC_GETTEXTBARCOLOR = WM_USER + 105;
const UINT TPC_SHOWPERCENT = WM_USER + 106;     // wParam: show "37%" instead of the window text
const UINT TPC_SETTEXTALIGN = WM_USER + 107;    // wParam: 0 left/bottom, 1 centre, 2 right/top
const UINT TPC_SETMARQUEESIZE = WM_USER + 108;  // wParam: block length in percent; returns it

class CTextProgressCtrl : public CProgressCtrl {
public:
    CTextProgressCtrl() = default;

    // Draw the percentage instead of the window text. Setting it directly
    // does not repaint (TPC_SHOWPERCENT does).
    int showPercent = 1;

protected:
    const MessageMap& GetMessageMap() const override;

private:
    LRESULT OnSetRange(WPARAM, LPARAM lp);
    LRESULT OnSetPos(WPARAM wp, LPARAM);
    LRESULT OnDeltaPos(WPARAM wp, LPARAM);
    LRESULT OnSetStep(WPARAM wp, LPARAM);
    LRESULT OnStepIt(WPARAM, LPARAM);
    LRESULT OnSetRange32(WPARAM wp, LPARAM lp);
    LRESULT OnGetRange(WPARAM wp, LPARAM lp);
    LRESULT OnGetPos(WPARAM, LPARAM);
    LRESULT OnSetBarColor(WPARAM, LPARAM lp);
    LRESULT OnSetMarquee(WPARAM wp, LPARAM lp);
    LRESULT OnSetBkColor(WPARAM, LPARAM lp);
    LRESULT OnGetBarColor(WPARAM, LPARAM);
    LRESULT OnGetBkColor(WPARAM, LPARAM);
    LRESULT OnSetTextColor(WPARAM, LPARAM lp);
    LRESULT OnGetTextColor(WPARAM, LPARAM);
    LRESULT OnSetTextBarColor(WPARAM, LPARAM lp);
    LRESULT OnGetTextBarColor(WPARAM, LPARAM);
    LRESULT OnShowPercent(WPARAM wp, LPARAM);
    LRESULT OnSetTextAlign(WPARAM wp, LPARAM);
    LRESULT OnSetMarqueeSize(WPARAM wp, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM wp, LPARAM);
    LRESULT OnTimer(WPARAM wp, LPARAM);

    // Stores the range and returns the previous one packed into 16-bit halves.
    LRESULT StoreRange(int lower, int upper);
    // Stores a colour, repaints, returns the value stored before.
    LRESULT StoreColor(COLORREF& member, COLORREF color);
    // Last position of the marquee block: the block has just left the bar.
    int MarqueeLimit() const;
    void Repaint();
    HFONT ControlFont() const;
    // The whole control, through an off-screen surface, onto a paint or print DC.
    void Draw(CDC& target);
    void DrawBar(CDC& dc);

    CFont verticalFont_;
    COLORREF barColor_ = CLR_DEFAULT;
    COLORREF bkColor_ = CLR_DEFAULT;
    COLORREF textColor_ = CLR_DEFAULT;
    COLORREF textBarColor_ = CLR_DEFAULT;
    int textAlign_ = 1;
    int position_ = 0;
    int step_ = 10;
    int lower_ = 0;
    int upper_ = 100;
    int marqueeSize_ = 20;
    int marqueeDirection_ = 1;
};
