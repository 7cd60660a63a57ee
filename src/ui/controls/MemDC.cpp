#include "ui/controls/MemDC.h"

namespace {

// The class atom of dialog windows ("#32770").
const ULONG_PTR DialogClassAtom = 32770;

}  // namespace

CMemDC::CMemDC(CDC& target, const RECT* rect) : offScreen_(!target.IsPrinting()), target_(&target)
{
    rect_ = rect ? CRect(*rect) : CRect(target.GetClipBox());
    if (offScreen_) {
        CreateCompatibleDC(target);
        CRect device = rect_;
        ::LPtoDP(target, reinterpret_cast<POINT*>(&device), 2);
        bitmap_.CreateCompatibleBitmap(target, device.Width(), device.Height());
        previousBitmap_ = SelectObject(bitmap_);
        ::SetMapMode(m_hDC, ::GetMapMode(target));
        SIZE extent;
        ::GetWindowExtEx(target, &extent);
        ::SetWindowExtEx(m_hDC, extent.cx, extent.cy, nullptr);
        ::GetViewportExtEx(target, &extent);
        ::SetViewportExtEx(m_hDC, extent.cx, extent.cy, nullptr);
        ::DPtoLP(target, reinterpret_cast<POINT*>(&device), 2);
        rect_ = device;
        ::SetWindowOrgEx(m_hDC, rect_.left, rect_.top, nullptr);
    } else {
        // Printing: draw straight onto the target; its handle stays its own.
        m_hDC = target.m_hDC;
    }
    FillBackground();
}

CMemDC::~CMemDC()
{
    if (offScreen_) {
        target_->BitBlt(rect_.left, rect_.top, rect_.Width(), rect_.Height(), m_hDC, rect_.left, rect_.top,
                        SRCCOPY);
        SelectObject(previousBitmap_);
        bitmap_.DeleteObject();
    } else {
        m_hDC = nullptr;
    }
}

void CMemDC::FillBackground()
{
    HWND wnd = ::WindowFromDC(*target_);
    if (wnd && ::GetClassLongPtrW(wnd, GCW_ATOM) == DialogClassAtom) {
        FillSolidRect(rect_, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    HBRUSH brush = wnd ? reinterpret_cast<HBRUSH>(::GetClassLongPtrW(wnd, GCLP_HBRBACKGROUND)) : nullptr;
    if (brush)
        ::FillRect(m_hDC, &rect_, brush);
    else
        FillSolidRect(rect_, target_->GetBkColor());
}
