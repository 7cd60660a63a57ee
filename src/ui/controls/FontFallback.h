#pragma once
// A font for a text that the font in use cannot show: where a face lacks
// the letters of a script (Courier has no Japanese), the text is drawn in
// a fixed-width face that has them, so a name is never a row of boxes.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "ui/framework/Gdi.h"

class CFontFallback {
public:
    // The font to draw the text with in dc instead of base: base when it
    // shows every character, else the first stand-in that does (same height
    // and weight), else base.
    HFONT FontFor(HDC dc, HFONT base, const std::wstring& text);

private:
    HFONT StandIn(HFONT base, const wchar_t* face);

    std::map<std::pair<HFONT, const wchar_t*>, std::unique_ptr<CFont>> standIns_;
};
