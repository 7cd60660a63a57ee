#include "ui/controls/FitText.h"

#include "core/folders/MovieScanner.h"
#include "platform/Text.h"
#include "ui/framework/Gdi.h"

std::string ElideMiddleToFit(const std::string& text, const std::function<bool(const std::string&)>& fits)
{
    if (fits(text))
        return text;
    // ShortenForDisplay keeps a text of eight characters or fewer whole.
    constexpr int kShortest = 8;
    std::string shortened = text;
    for (int length = static_cast<int>(ToUtf16(text).size()) - 1; length >= kShortest; --length) {
        shortened = ShortenForDisplay(text, length);
        if (fits(shortened))
            break;
    }
    return shortened;
}

int TextWidthIn(HFONT font, const std::string& text)
{
    HDC dc = ::GetDC(nullptr);
    SIZE size = {};
    {
        CSelectObject selected(dc, font);
        const std::wstring wide = Widen(text);
        ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    ::ReleaseDC(nullptr, dc);
    return size.cx;
}

std::string CaptionToFit(HWND window, const std::string& prefix, const std::string& name,
                         const std::string& suffix)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    CFont font;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) ||
        !font.CreateFontIndirect(metrics.lfCaptionFont))
        return prefix + name + suffix;
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    // The frame on both sides, the icon's place, and the caption buttons
    // (close, and minimize and maximize where the window has them).
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    const int buttons = 1 + ((style & WS_MINIMIZEBOX) ? 1 : 0) + ((style & WS_MAXIMIZEBOX) ? 1 : 0);
    const int room = static_cast<int>(rect.right - rect.left) - 4 * ::GetSystemMetrics(SM_CXFIXEDFRAME) -
                     (buttons + 1) * ::GetSystemMetrics(SM_CXSIZE);
    return prefix +
           ElideMiddleToFit(name,
                            [&](const std::string& shown) { return TextWidthIn(font, prefix + shown + suffix) <= room; }) +
           suffix;
}
