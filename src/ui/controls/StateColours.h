#pragma once
// The colours that tell a movie's metadata state, the same in the movie
// list and the Library window.
#include <windows.h>

// Its own metadata file beside it: yellow.
constexpr COLORREF kHasMetadataColor = RGB(225, 225, 51);
// Metadata only in other files pyTivo reads (a .nfo, a default.txt, the
// ".meta" folder): light blue.
constexpr COLORREF kOtherSourcesColor = RGB(176, 216, 248);
constexpr COLORREF kNoMetadataColor = RGB(255, 255, 255);
