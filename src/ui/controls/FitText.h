#pragma once
// Texts fitted to the room a window gives them with their middle left out,
// so that the start and the end show: the name a file begins with and the
// kind its end tells (".nfo", ".mkv.txt"), which a cut end would hide.
#include <windows.h>

#include <functional>
#include <string>

// The text itself when fits takes it, else the longest form with "..." in
// its middle that fits takes (ShortenForDisplay's, down to a few
// characters).
std::string ElideMiddleToFit(const std::string& text, const std::function<bool(const std::string&)>& fits);

// The width of the text drawn in the font, in pixels.
int TextWidthIn(HFONT font, const std::string& text);

// The text of a window's caption fitted to its title bar: prefix and
// suffix whole, the middle of name left out as far as needed.
std::string CaptionToFit(HWND window, const std::string& prefix, const std::string& name,
                         const std::string& suffix);
