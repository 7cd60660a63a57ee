#include "ui/controls/ItemTextLines.h"

#include <algorithm>

namespace {

const std::size_t CharactersPerLine = 40;

}  // namespace

std::string LengthenForMeasure(const std::string& text, bool listScrolls)
{
    bool isLong = listScrolls ? text.size() >= 40 : text.size() > 43;
    return isLong ? text + std::string(10, ' ') : text;
}

int FirstLineLength(bool listScrolls)
{
    return listScrolls ? 40 : 44;
}

std::vector<ItemLinePart> SplitItemLines(std::size_t textLength, int lines, bool listScrolls)
{
    std::vector<ItemLinePart> parts;
    std::size_t start = 0;
    std::size_t count = static_cast<std::size_t>(FirstLineLength(listScrolls)) - 1;
    for (int line = 0; line < lines; ++line) {
        std::size_t first = std::min(start, textLength);
        parts.push_back({first, std::min(count, textLength - first)});
        // Each further line begins where the previous count ended.
        start = count;
        if (count + CharactersPerLine < textLength)
            count += CharactersPerLine;
        else
            count = textLength > count ? textLength - count : 0;
    }
    return parts;
}
