#pragma once
// An off-screen drawing surface that stands in for a target DC: everything
// drawn on it reaches the target in one copy when it is destroyed, so a
// control painted in several passes does not flicker. Over a printer DC it
// draws straight to the target.
#include "ui/framework/Gdi.h"

class CMemDC : public CDC {
public:
    // Covers the given rectangle (target's logical co-ordinates), or the
    // target's clip box; the surface starts filled with the background of
    // the target's window.
    explicit CMemDC(CDC& target, const RECT* rect = nullptr);
    ~CMemDC() override;

private:
    void FillBackground();

    bool offScreen_;
    CBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    CDC* target_;
    CRect rect_;
};
