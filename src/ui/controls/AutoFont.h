#pragma once
// A font that keeps its own LOGFONT and is rebuilt whenever one attribute
// changes, so a window can switch size or weight between two texts.
#include "ui/framework/Gdi.h"

class CAutoFont : public CFont {
public:
    // 12-pixel Times New Roman, normal weight, created at once.
    CAutoFont();

    // Each setter rebuilds the font and returns the previous value.
    int SetFontHeight(int height);
    int SetFontWeight(int weight);
    // Bold (700) or normal (400); returns whether the font was at least
    // semi-bold (500) before.
    bool SetFontBold(bool bold);

private:
    void Rebuild();

    LOGFONTW logFont_;
};
