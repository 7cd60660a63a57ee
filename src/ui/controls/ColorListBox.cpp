#include "ui/controls/ColorListBox.h"

#include "platform/Text.h"
#include "ui/controls/ItemTextLines.h"
#include "ui/framework/Gdi.h"

int CColorListBox::InsertColoredString(const std::string& text, COLORREF color, int index)
{
    int inserted = InsertString(index, text);
    if (inserted >= 0)
        SetItemData(inserted, color);
    return inserted;
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
    std::string text = LengthenForMeasure(GetText(static_cast<int>(item.itemID)), ListScrolls());
    RECT itemRect = GetClientRect();
    itemRect.bottom = itemRect.top;
    if (lineHeight_ == 0) {
        RECT probe = itemRect;
        lineHeight_ = dc.DrawText("   ", &probe, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    RECT measured = itemRect;
    item.itemHeight =
        static_cast<UINT>(dc.DrawText(text, &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX));
}

void CColorListBox::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    CDC dc(item.hDC);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const std::string text = GetText(static_cast<int>(item.itemID));
    if (selected && (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
        dc.FillSolidRect(item.rcItem, highlight);
        COLORREF previousText = dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        COLORREF previousBack = dc.SetBkColor(highlight);
        DrawItemText(dc, text, item.rcItem);
        dc.SetTextColor(previousText);
        dc.SetBkColor(previousBack);
    } else if ((item.itemAction & ODA_DRAWENTIRE) || (!selected && (item.itemAction & ODA_SELECT))) {
        COLORREF color = static_cast<COLORREF>(item.itemData);
        dc.SetBkColor(color);
        dc.FillSolidRect(item.rcItem, color);
        DrawItemText(dc, text, item.rcItem);
    }
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
