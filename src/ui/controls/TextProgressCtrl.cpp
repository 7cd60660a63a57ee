#include "ui/controls/TextProgressCtrl.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Text.h"
#include "ui/controls/MemDC.h"

namespace {

const UINT_PTR MarqueeTimer = 1;

COLORREF Resolve(COLORREF color, int systemColor)
{
    return color == CLR_DEFAULT ? ::GetSysColor(systemColor) : color;
}

// One part of the bar's inner rectangle; parts that lie outside the inner
// rectangle (a position beyond the range) are cut to it, so the border stays.
struct BarPart {
    bool present = false;
    CRect rect;
};

BarPart Part(const CRect& inner, int left, int top, int right, int bottom)
{
    BarPart part;
    part.present = true;
    RECT wanted = {left, top, right, bottom};
    if (!::IntersectRect(&part.rect, &wanted, &inner))
        part.rect = CRect();
    return part;
}

}  // namespace

const MessageMap& CTextProgressCtrl::GetMessageMap() const
{
    using C = CTextProgressCtrl;
    static const MessageMap map = {
        OnMessage(PBM_SETRANGE, &C::OnSetRange),
        OnMessage(PBM_SETPOS, &C::OnSetPos),
        OnMessage(PBM_DELTAPOS, &C::OnDeltaPos),
        OnMessage(PBM_SETSTEP, &C::OnSetStep),
        OnMessage(PBM_STEPIT, &C::OnStepIt),
        OnMessage(PBM_SETRANGE32, &C::OnSetRange32),
        OnMessage(PBM_GETRANGE, &C::OnGetRange),
        OnMessage(PBM_GETPOS, &C::OnGetPos),
        OnMessage(PBM_SETBARCOLOR, &C::OnSetBarColor),
        OnMessage(PBM_SETMARQUEE, &C::OnSetMarquee),
        OnMessage(PBM_SETBKCOLOR, &C::OnSetBkColor),
        OnMessage(TPC_GETBARCOLOR, &C::OnGetBarColor),
        OnMessage(TPC_GETBKCOLOR, &C::OnGetBkColor),
        OnMessage(TPC_SETTEXTCOLOR, &C::OnSetTextColor),
        OnMessage(TPC_GETTEXTCOLOR, &C::OnGetTextColor),
        OnMessage(TPC_SETTEXTBARCOLOR, &C::OnSetTextBarColor),
        OnMessage(TPC_GETTEXTBARCOLOR, &C::OnGetTextBarColor),
        OnMessage(TPC_SHOWPERCENT, &C::OnShowPercent),
        OnMessage(TPC_SETTEXTALIGN, &C::OnSetTextAlign),
        OnMessage(TPC_SETMARQUEESIZE, &C::OnSetMarqueeSize),
        OnMessage(WM_ERASEBKGND, &C::OnEraseBkgnd),
        OnMessage(WM_PAINT, &C::OnPaint),
        OnMessage(WM_PRINTCLIENT, &C::OnPrintClient),
        OnMessage(WM_TIMER, &C::OnTimer),
    };
    return map;
}

LRESULT CTextProgressCtrl::StoreRange(int lower, int upper)
{
    LRESULT previous = MAKELONG(lower_, upper_);
    lower_ = lower;
    upper_ = upper;
    return previous;
}

LRESULT CTextProgressCtrl::OnSetRange(WPARAM, LPARAM lp)
{
    return StoreRange(LOWORD(lp), HIWORD(lp));
}

LRESULT CTextProgressCtrl::OnSetRange32(WPARAM wp, LPARAM lp)
{
    return StoreRange(static_cast<int>(wp), static_cast<int>(lp));
}

LRESULT CTextProgressCtrl::OnGetRange(WPARAM wp, LPARAM lp)
{
    if (auto* range = reinterpret_cast<PBRANGE*>(lp)) {
        range->iLow = lower_;
        range->iHigh = upper_;
    }
    return wp ? lower_ : upper_;
}

int CTextProgressCtrl::MarqueeLimit() const
{
    return static_cast<int>(((marqueeSize_ + 100.0) * upper_ + 0.5) / 100.0);
}

LRESULT CTextProgressCtrl::OnSetPos(WPARAM wp, LPARAM)
{
    int previous = position_;
    position_ = static_cast<int>(wp);
    if (position_ < lower_)
        position_ = lower_;
    if (GetStyle() & PBS_MARQUEE) {
        if (position_ > MarqueeLimit())
            position_ = MarqueeLimit();
    } else if (position_ > upper_) {
        position_ = upper_;
    }
    Repaint();
    return previous;
}

LRESULT CTextProgressCtrl::OnDeltaPos(WPARAM wp, LPARAM)
{
    return OnSetPos(position_ + static_cast<int>(wp), 0);
}

LRESULT CTextProgressCtrl::OnSetStep(WPARAM wp, LPARAM)
{
    int previous = step_;
    step_ = static_cast<int>(wp);
    return previous;
}

LRESULT CTextProgressCtrl::OnStepIt(WPARAM, LPARAM)
{
    // Stepping past one end comes back in from the other.
    int next = position_ + step_;
    if (next < lower_)
        next = upper_ - std::abs(lower_ - next);
    else if (next > upper_)
        next = lower_ + std::abs(next - upper_);
    return OnSetPos(next, 0);
}

LRESULT CTextProgressCtrl::OnGetPos(WPARAM, LPARAM)
{
    return position_;
}

LRESULT CTextProgressCtrl::StoreColor(COLORREF& member, COLORREF color)
{
    COLORREF previous = member;
    member = color;
    Repaint();
    return previous;
}

LRESULT CTextProgressCtrl::OnSetBarColor(WPARAM, LPARAM lp)
{
    return StoreColor(barColor_, static_cast<COLORREF>(lp));
}

LRESULT CTextProgressCtrl::OnSetBkColor(WPARAM, LPARAM lp)
{
    return StoreColor(bkColor_, static_cast<COLORREF>(lp));
}

LRESULT CTextProgressCtrl::OnSetTextColor(WPARAM, LPARAM lp)
{
    return StoreColor(textColor_, static_cast<COLORREF>(lp));
}

LRESULT CTextProgressCtrl::OnSetTextBarColor(WPARAM, LPARAM lp)
{
    return StoreColor(textBarColor_, static_cast<COLORREF>(lp));
}

LRESULT CTextProgressCtrl::OnGetBarColor(WPARAM, LPARAM)
{
    return Resolve(barColor_, COLOR_HIGHLIGHT);
}

LRESULT CTextProgressCtrl::OnGetBkColor(WPARAM, LPARAM)
{
    return Resolve(bkColor_, COLOR_BTNFACE);
}

LRESULT CTextProgressCtrl::OnGetTextColor(WPARAM, LPARAM)
{
    return Resolve(textColor_, COLOR_WINDOWTEXT);
}

LRESULT CTextProgressCtrl::OnGetTextBarColor(WPARAM, LPARAM)
{
    return Resolve(textBarColor_, COLOR_WINDOW);
}

LRESULT CTextProgressCtrl::OnShowPercent(WPARAM wp, LPARAM)
{
    int previous = showPercent;
    showPercent = static_cast<int>(wp);
    Repaint();
    return previous;
}

LRESULT CTextProgressCtrl::OnSetTextAlign(WPARAM wp, LPARAM)
{
    int previous = textAlign_;
    textAlign_ = static_cast<int>(wp);
    Repaint();
    return previous;
}

LRESULT CTextProgressCtrl::OnSetMarqueeSize(WPARAM wp, LPARAM)
{
    marqueeSize_ = static_cast<int>(wp);
    Repaint();
    return marqueeSize_;
}

LRESULT CTextProgressCtrl::OnSetMarquee(WPARAM wp, LPARAM lp)
{
    showPercent = 0;
    LONG_PTR style = GetStyle();
    if (wp) {
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style | PBS_MARQUEE);
        ::SetTimer(m_hWnd, MarqueeTimer, static_cast<UINT>(lp), nullptr);
    } else {
        ::KillTimer(m_hWnd, MarqueeTimer);
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
    }
    Repaint();
    return wp;
}

LRESULT CTextProgressCtrl::OnTimer(WPARAM wp, LPARAM)
{
    if (wp != MarqueeTimer)
        return 0;
    // The block runs from the lower bound until it has left the bar, and back.
    int position = static_cast<int>(SendMessage(PBM_GETPOS));
    if (marqueeDirection_ > 0 && position >= MarqueeLimit())
        marqueeDirection_ = -1;
    else if (marqueeDirection_ < 0 && position <= lower_)
        marqueeDirection_ = 1;
    SendMessage(PBM_SETPOS, position + marqueeDirection_);
    return 0;
}

LRESULT CTextProgressCtrl::OnEraseBkgnd(WPARAM, LPARAM)
{
    return TRUE;
}

LRESULT CTextProgressCtrl::OnPaint(WPARAM, LPARAM)
{
    CPaintDC dc(m_hWnd);
    Draw(dc);
    return 0;
}

LRESULT CTextProgressCtrl::OnPrintClient(WPARAM wp, LPARAM)
{
    CDC dc(reinterpret_cast<HDC>(wp));
    Draw(dc);
    return 0;
}

void CTextProgressCtrl::Repaint()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

HFONT CTextProgressCtrl::ControlFont() const
{
    HFONT font = GetFont();
    if (!font && GetParent())
        font = reinterpret_cast<HFONT>(::SendMessageW(GetParent(), WM_GETFONT, 0, 0));
    return font;
}

void CTextProgressCtrl::Draw(CDC& target)
{
    CMemDC dc(target);
    CSelectObject font(dc, ControlFont());
    DrawBar(dc);
}

void CTextProgressCtrl::DrawBar(CDC& dc)
{
    const COLORREF barColor = Resolve(barColor_, COLOR_HIGHLIGHT);
    const COLORREF bkColor = Resolve(bkColor_, COLOR_BTNFACE);
    const COLORREF textColor = Resolve(textColor_, COLOR_WINDOWTEXT);
    const COLORREF textBarColor = Resolve(textBarColor_, COLOR_WINDOW);

    CRect inner(GetClientRect());
    ::DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_FLAT);
    if (lower_ >= upper_) {
        // No range to show progress in: an empty bar.
        dc.FillSolidRect(inner, bkColor);
        return;
    }
    const double fraction = static_cast<double>(position_ - lower_) / (upper_ - lower_);
    const LONG_PTR style = GetStyle();
    const bool vertical = (style & PBS_VERTICAL) != 0;
    const bool marquee = (style & PBS_MARQUEE) != 0;
    if (vertical && !verticalFont_.m_hObject) {
        HFONT base = ControlFont();
        LOGFONTW logFont = {};
        ::GetObjectW(base ? base : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
        logFont.lfEscapement = 900;
        logFont.lfOrientation = 900;
        verticalFont_.CreateFontIndirect(logFont);
    }

    const int width = inner.Width();
    const int height = inner.Height();
    BarPart leading, bar, trailing;
    if (!vertical) {
        int right = inner.left + static_cast<int>(width * fraction);
        int left = inner.left;
        if (marquee) {
            left = right - (width * marqueeSize_ + 50) / 100;
            if (left > inner.left)
                leading = Part(inner, inner.left, inner.top, left, inner.bottom);
            else
                left = inner.left;
        }
        if (!marquee || right < inner.right)
            trailing = Part(inner, right, inner.top, inner.right, inner.bottom);
        else
            right = inner.right;
        bar = Part(inner, left, inner.top, right, inner.bottom);
    } else {
        int top = inner.bottom - static_cast<int>(height * fraction);
        int bottom = inner.bottom;
        if (marquee) {
            bottom = top + (height * marqueeSize_ + 50) / 100;
            if (bottom < inner.bottom)
                leading = Part(inner, inner.left, bottom, inner.right, inner.bottom);
            else
                bottom = inner.bottom;
        }
        if (!marquee || top > inner.top)
            trailing = Part(inner, inner.left, inner.top, inner.right, top);
        else
            top = inner.top;
        bar = Part(inner, inner.left, top, inner.right, bottom);
    }
    if (leading.present)
        dc.FillSolidRect(leading.rect, bkColor);
    dc.FillSolidRect(bar.rect, barColor);
    if (trailing.present)
        dc.FillSolidRect(trailing.rect, bkColor);

    std::string text = GetWindowText();
    if (showPercent) {
        char percent[16];
        std::snprintf(percent, sizeof(percent), "%d%%", static_cast<int>(fraction * 100 + 0.5));
        text = percent;
    }
    if (text.empty())
        return;

    CSelectObject rotated(dc, vertical ? verticalFont_.m_hObject : nullptr);
    const SIZE extent = dc.GetTextExtent(text);
    int x, y;
    if (!vertical) {
        x = textAlign_ == 0   ? inner.left + 2
            : textAlign_ == 2 ? inner.right - extent.cx - 3
                              : inner.left + (width - extent.cx) / 2;
        y = inner.top + (height - extent.cy) / 2;
    } else {
        y = textAlign_ == 0   ? inner.bottom - 3
            : textAlign_ == 2 ? inner.top + extent.cx + 2
                              : inner.top + extent.cx + (height - extent.cx) / 2;
        x = inner.left + (width - extent.cy) / 2;
    }
    dc.SetBkMode(TRANSPARENT);
    const std::wstring wide = Widen(text);
    const struct {
        const BarPart& part;
        COLORREF color;
    } passes[] = {{leading, textColor}, {bar, textBarColor}, {trailing, textColor}};
    for (const auto& pass : passes) {
        if (!pass.part.present)
            continue;
        // Clip regions are in device units; the surface's origin may not be 0, 0.
        CRect device = pass.part.rect;
        ::LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
        CRgn clip;
        clip.CreateRectRgnIndirect(device);
        ::SelectClipRgn(dc, clip);
        dc.SetTextColor(pass.color);
        ::ExtTextOutW(dc, x, y, ETO_CLIPPED, &inner, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
    }
    ::SelectClipRgn(dc, nullptr);
}
