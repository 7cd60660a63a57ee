#include "ui/controls/ItemTextLines.h"

#include <algorithm>

namespace {

bool EndsAWord(wchar_t c)
{
    return c == L' ' || c == L'.' || c == L'-' || c == L'_' || c == L',' || c == L'|' || c == L'/' ||
           c == L'\\' || c == L')' || c == L']';
}

}  // namespace

std::vector<ItemLinePart> WrapItemText(const std::wstring& text,
                                       const std::function<std::size_t(std::size_t start)>& fitting)
{
    std::vector<ItemLinePart> parts;
    std::size_t start = 0;
    do {
        const std::size_t room = std::max<std::size_t>(1, fitting(start));
        std::size_t count = std::min(room, text.size() - start);
        if (start + count < text.size() && text[start + count] != L' ') {
            // Back to the last mark within the room that ends a word.
            std::size_t end = count;
            while (end > 0 && !EndsAWord(text[start + end - 1]))
                --end;
            if (end > 0)
                count = end;
        }
        // Spaces that would begin the next line end this one instead.
        while (start + count < text.size() && text[start + count] == L' ')
            ++count;
        parts.push_back({start, count});
        start += count;
    } while (start < text.size());
    return parts;
}

int ItemLinesAt(const std::wstring& text, std::size_t perLine)
{
    return static_cast<int>(WrapItemText(text, [perLine](std::size_t) { return perLine; }).size());
}
