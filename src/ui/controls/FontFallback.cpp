#include "ui/controls/FontFallback.h"

#include <vector>

namespace {

// Fixed-width faces with wide coverage: those Windows ships first (Japanese,
// Chinese, then Latin, Greek and Cyrillic), then those of Linux systems
// that Wine takes from fontconfig.
constexpr const wchar_t* kStandInFaces[] = {
    L"MS Gothic", L"NSimSun", L"Consolas", L"Lucida Console", L"DejaVu Sans Mono", L"WenQuanYi Zen Hei Mono"};

// Whether the font selected into dc has a glyph for every character.
bool FontShows(HDC dc, const std::wstring& text)
{
    if (text.empty())
        return true;
    std::vector<WORD> glyphs(text.size());
    if (GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return true;
    for (WORD glyph : glyphs) {
        if (glyph == 0xFFFF)
            return false;
    }
    return true;
}

}  // namespace

HFONT CFontFallback::FontFor(HDC dc, HFONT base, const std::wstring& text)
{
    if (!base)
        return base;
    {
        CSelectObject own(dc, base);
        if (FontShows(dc, text))
            return base;
    }
    for (const wchar_t* face : kStandInFaces) {
        HFONT font = StandIn(base, face);
        if (!font)
            continue;
        CSelectObject trial(dc, font);
        if (FontShows(dc, text))
            return font;
    }
    return base;
}

HFONT CFontFallback::StandIn(HFONT base, const wchar_t* face)
{
    auto& font = standIns_[{base, face}];
    if (!font) {
        LOGFONTW logFont = {};
        if (!::GetObjectW(base, sizeof(logFont), &logFont))
            return nullptr;
        lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
        logFont.lfCharSet = DEFAULT_CHARSET;
        logFont.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        font = std::make_unique<CFont>();
        font->CreateFontIndirect(logFont);
    }
    return font->m_hObject;
}
