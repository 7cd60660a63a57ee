#pragma once
// How the colour list box wraps a long item over several text lines: at the
// marks that part the words of a file name, so that a word is cut only
// where it alone is wider than the list.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The part of the text shown on one line.
struct ItemLinePart {
    std::size_t start;
    std::size_t count;
};

// The lines of the text wrapped to the room of a line: fitting(start) tells
// how many characters from start fit on one line. A line ends after a
// space or a mark that parts words in file names (. - _ , | / \ ) ]) where
// one lies within its room; a word is cut only where it alone is wider
// than a line. Every line takes at least one character; an empty text is
// one empty line.
std::vector<ItemLinePart> WrapItemText(const std::wstring& text,
                                       const std::function<std::size_t(std::size_t start)>& fitting);

// The lines of the text when a line holds `perLine` characters.
int ItemLinesAt(const std::wstring& text, std::size_t perLine);
