#include "ui/controls/ColorListBox.h"

#include <algorithm>

#include "platform/Text.h"
#include "ui/controls/ItemTextLines.h"
#include "ui/framework/Gdi.h"

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

int CColorListBox::DetailLines(const std::string& detail)
{
    return detail.empty() ? 0 : 1 + static_cast<int>(std::count(detail.begin(), detail.end(), '\n'));
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

void CColorListBox::MeasureItem(MEASUREITEMSTRUCT& item)
{
    // A DC of its own rather than a paint DC: measuring must not validate
    // the list box's pending updates. It is made once: a list of thousands
    // of movies is measured item by item.
    if (!measureDc_.m_hDC)
        measureDc_.CreateCompatibleDC(nullptr);
    CDC& dc = measureDc_;
    std::string text = LengthenForMeasure(ShownText(item.itemID), ListScrolls());
    RECT itemRect = GetClientRect();
    itemRect.bottom = itemRect.top;
    if (lineHeight_ == 0) {
        RECT probe = itemRect;
        lineHeight_ = dc.DrawText("   ", &probe, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    RECT measured = itemRect;
    item.itemHeight =
        static_cast<UINT>(dc.DrawText(text, &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX) +
                          DetailLines(LookOf(item.itemID).detail) * lineHeight_);
}

void CColorListBox::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    CDC dc(item.hDC);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const std::string text = ShownText(item.itemID);
    const std::string& detail = LookOf(item.itemID).detail;
    // The text takes the item's height but for its detail lines.
    RECT textRect = item.rcItem;
    textRect.bottom -= DetailLines(detail) * lineHeight_;
    if (selected && (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
        dc.FillSolidRect(item.rcItem, highlight);
        COLORREF previousText = dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        COLORREF previousBack = dc.SetBkColor(highlight);
        DrawItemText(dc, text, textRect);
        DrawDetail(dc, detail, item.rcItem, true);
        dc.SetTextColor(previousText);
        dc.SetBkColor(previousBack);
    } else if ((item.itemAction & ODA_DRAWENTIRE) || (!selected && (item.itemAction & ODA_SELECT))) {
        COLORREF color = static_cast<COLORREF>(item.itemData);
        dc.SetBkColor(color);
        dc.FillSolidRect(item.rcItem, color);
        DrawItemText(dc, text, textRect);
        DrawDetail(dc, detail, item.rcItem, false);
    }
}

void CColorListBox::DrawDetail(HDC dc, const std::string& detail, RECT rect, bool selected)
{
    const int lines = DetailLines(detail);
    if (lines == 0 || lineHeight_ <= 0)
        return;
    const COLORREF previous = selected ? ::GetTextColor(dc) : ::SetTextColor(dc, RGB(90, 90, 90));
    size_t start = 0;
    for (int k = 0; k < lines; ++k) {
        const size_t end = std::min(detail.find('\n', start), detail.size());
        const std::wstring line = L"  " + Widen(detail.substr(start, end - start));
        start = end + 1;
        RECT lineRect = rect;
        lineRect.top = rect.bottom - (lines - k) * lineHeight_;
        lineRect.bottom = lineRect.top + lineHeight_;
        CSelectObject font(dc, fallback_.FontFor(dc, GetFont(), line));
        ::DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &lineRect,
                    DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::SetTextColor(dc, previous);
}

void CColorListBox::DrawItemText(HDC dc, const std::string& text, const RECT& rect)
{
    const int itemHeight = rect.bottom - rect.top;
    // Lines are cut between characters, not between the bytes of one; a
    // name in a script the list font lacks is drawn in a font that has it.
    const std::wstring wide = Widen(text);
    CSelectObject font(dc, fallback_.FontFor(dc, GetFont(), wide));
    if (lineHeight_ <= 0 || itemHeight <= lineHeight_) {
        RECT whole = rect;
        ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &whole, DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    const int lines = itemHeight / lineHeight_;
    const auto parts = SplitItemLines(wide.size(), lines, ListScrolls());
    for (int k = 0; k < lines; ++k) {
        RECT line = rect;
        line.top = rect.top + k * lineHeight_;
        line.bottom = line.top + lineHeight_;
        ::DrawTextW(dc, wide.c_str() + parts[k].start, static_cast<int>(parts[k].count), &line,
                    DT_SINGLELINE | DT_NOPREFIX);
    }
}
