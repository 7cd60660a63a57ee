#pragma once
// How the colour list box wraps a long item over several text lines. Items
// are wrapped at about forty characters; when the list scrolls, its
// vertical scroll bar takes room and the lines are cut a little sooner.
#include <cstddef>
#include <string>
#include <vector>

// The text whose height the item gets: long texts get ten spaces more, so
// that a word wrapped onto a further line still has room.
std::string LengthenForMeasure(const std::string& text, bool listScrolls);

// Characters of the first line: 40 while the list scrolls, else 44.
int FirstLineLength(bool listScrolls);

// The part of the text shown on one line; the line shows as much of it as
// the item's width allows.
struct ItemLinePart {
    std::size_t start;
    std::size_t count;
};

// Parts of a text of that length for an item of `lines` lines (at least 2):
// the lines begin at 0, L - 1, L + 39, L + 79, ... (L = FirstLineLength)
// as long as the text reaches that far.
std::vector<ItemLinePart> SplitItemLines(std::size_t textLength, int lines, bool listScrolls);
