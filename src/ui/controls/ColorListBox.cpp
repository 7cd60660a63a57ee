#include "ui/controls/ColorListBox.h"

#include <algorithm>

#include "platform/Text.h"
#include "ui/controls/ItemTextLines.h"
#include "ui/framework/Gdi.h"

namespace {

// The lines of an item's detail; none for an empty one.
std::vector<std::wstring> DetailLinesOf(const std::string& detail)
{
    std::vector<std::wstring> lines;
    for (size_t start = 0; !detail.empty() && start <= detail.size();) {
        const size_t end = std::min(detail.find('\n', start), detail.size());
        lines.push_back(Widen(detail.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

}  // namespace

int CColorListBox::InsertColoredString(const std::string& text, COLORREF color, int index,
                                       const std::string& shown, const std::string& detail)
{
    // The look goes in first: inserting the string measures the item.
    const size_t at = index < 0 ? looks_.size() : std::min(looks_.size(), static_cast<size_t>(index));
    looks_.insert(looks_.begin() + static_cast<std::ptrdiff_t>(at), Look{shown, detail});
    const int inserted = InsertString(index, text);
    if (inserted >= 0)
        SetItemData(inserted, color);
    else
        looks_.erase(looks_.begin() + static_cast<std::ptrdiff_t>(at));
    return inserted;
}

void CColorListBox::Clear()
{
    ResetContent();
    looks_.clear();
}

int CColorListBox::EstimatedLines(const std::string& text, const std::string& detail)
{
    constexpr std::size_t kCharactersPerLine = 40;
    int lines = ItemLinesAt(Widen(text), kCharactersPerLine);
    for (const std::wstring& line : DetailLinesOf(detail))
        lines += ItemLinesAt(line, kCharactersPerLine - 2);
    return lines;
}

const CColorListBox::Look& CColorListBox::LookOf(UINT item) const
{
    static const Look none;
    return item < looks_.size() ? looks_[item] : none;
}

std::string CColorListBox::ShownText(UINT item) const
{
    const std::string& shown = LookOf(item).shown;
    return shown.empty() ? GetText(static_cast<int>(item)) : shown;
}

bool CColorListBox::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    if (msg == WM_MEASUREITEM) {
        MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
    } else if (msg == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    } else {
        return false;
    }
    *result = TRUE;
    return true;
}

int CColorListBox::TextRoom() const
{
    // When the list scrolls, its scroll bar takes room from every item, also
    // from those measured before the bar showed.
    const RECT client = GetClientRect();
    const int bar = ::GetSystemMetrics(SM_CXVSCROLL);
    const bool barShown = (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VSCROLL) != 0;
    const int room = static_cast<int>(client.right - client.left) + (barShown ? bar : 0) - (ListScrolls() ? bar : 0);
    return std::max(room, 1);
}

std::vector<CColorListBox::DrawnLine> CColorListBox::ItemLines(HDC dc, UINT item)
{
    const int room = TextRoom();
    std::vector<DrawnLine> lines;
    // Lines are cut between characters, not between the bytes of one; a
    // name in a script the list font lacks is measured and drawn in a font
    // that has it.
    const auto add = [&](const std::wstring& text, bool detail) {
        const std::wstring indent = detail ? L"  " : L"";
        CSelectObject font(dc, fallback_.FontFor(dc, GetFont(), indent + text));
        SIZE indentSize = {};
        ::GetTextExtentPoint32W(dc, indent.c_str(), static_cast<int>(indent.size()), &indentSize);
        for (const ItemLinePart& part : WrapItemText(text, [&](std::size_t start) {
                 INT fit = 0;
                 SIZE size = {};
                 ::GetTextExtentExPointW(dc, text.c_str() + start, static_cast<int>(text.size() - start),
                                         room - indentSize.cx, &fit, nullptr, &size);
                 return static_cast<std::size_t>(fit);
             }))
            lines.push_back({indent + text.substr(part.start, part.count), detail});
    };
    add(Widen(ShownText(item)), false);
    for (const std::wstring& line : DetailLinesOf(LookOf(item).detail))
        add(line, true);
    return lines;
}

void CColorListBox::MeasureItem(MEASUREITEMSTRUCT& item)
{
    // A DC of its own rather than a paint DC: measuring must not validate
    // the list box's pending updates. It is made once: a list of thousands
    // of movies is measured item by item.
    if (!measureDc_.m_hDC)
        measureDc_.CreateCompatibleDC(nullptr);
    CDC& dc = measureDc_;
    if (lineHeight_ == 0) {
        RECT probe = GetClientRect();
        probe.bottom = probe.top;
        lineHeight_ = dc.DrawText("   ", &probe, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    item.itemHeight = static_cast<UINT>(ItemLines(dc, item.itemID).size() * lineHeight_);
}

void CColorListBox::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    CDC dc(item.hDC);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (selected && (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
        dc.FillSolidRect(item.rcItem, highlight);
        COLORREF previousText = dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        COLORREF previousBack = dc.SetBkColor(highlight);
        DrawLines(dc, ItemLines(dc, item.itemID), item.rcItem, true);
        dc.SetTextColor(previousText);
        dc.SetBkColor(previousBack);
    } else if ((item.itemAction & ODA_DRAWENTIRE) || (!selected && (item.itemAction & ODA_SELECT))) {
        COLORREF color = static_cast<COLORREF>(item.itemData);
        dc.SetBkColor(color);
        dc.FillSolidRect(item.rcItem, color);
        DrawLines(dc, ItemLines(dc, item.itemID), item.rcItem, false);
    }
}

void CColorListBox::DrawLines(HDC dc, const std::vector<DrawnLine>& lines, const RECT& rect, bool selected)
{
    const int height = lineHeight_ > 0 ? lineHeight_ : static_cast<int>(rect.bottom - rect.top);
    for (size_t k = 0; k < lines.size(); ++k) {
        RECT line = rect;
        line.top = rect.top + static_cast<int>(k) * height;
        line.bottom = std::min<LONG>(line.top + height, rect.bottom);
        if (line.top >= rect.bottom)
            break;
        // Detail lines are grey, but on the highlight of a selected item.
        const COLORREF previous = lines[k].detail && !selected ? ::SetTextColor(dc, RGB(90, 90, 90)) : CLR_INVALID;
        CSelectObject font(dc, fallback_.FontFor(dc, GetFont(), lines[k].text));
        ::DrawTextW(dc, lines[k].text.c_str(), static_cast<int>(lines[k].text.size()), &line,
                    DT_SINGLELINE | DT_NOPREFIX);
        if (previous != CLR_INVALID)
            ::SetTextColor(dc, previous);
    }
}
