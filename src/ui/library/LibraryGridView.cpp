#include "ui/library/LibraryGridView.h"

#include <algorithm>
#include <unordered_set>

#include "platform/Text.h"
#include "ui/controls/StateColours.h"

namespace {

// A cell the user set and has not written.
constexpr COLORREF kEditedColor = RGB(255, 214, 160);

COLORREF ColourOf(RowState state)
{
    return state == RowState::Own ? kHasMetadataColor : state == RowState::Other ? kOtherSourcesColor : kNoMetadataColor;
}

}  // namespace

ColumnWidths ColumnWidthsOf(const std::string& setting)
{
    ColumnWidths widths;
    for (int i = 0; i < kGridColumnCount; ++i)
        widths[i] = ColumnInfo(static_cast<GridColumn>(i)).shownAtFirst ? ColumnInfo(static_cast<GridColumn>(i)).width : 0;
    std::vector<int> read;
    size_t start = 0;
    while (start <= setting.size() && !setting.empty()) {
        const size_t end = std::min(setting.find(',', start), setting.size());
        const std::string part = TrimmedOf(setting.substr(start, end - start));
        if (part.empty() || part.size() > 4 || !IsAllDigits(part))
            return widths;
        read.push_back(std::stoi(part));
        start = end + 1;
    }
    // Another count of columns (an older or newer window) or every column
    // hidden: the first widths.
    if (read.size() != widths.size() || std::all_of(read.begin(), read.end(), [](int w) { return w == 0; }))
        return widths;
    std::copy(read.begin(), read.end(), widths.begin());
    return widths;
}

std::string ColumnWidthsText(const ColumnWidths& widths)
{
    std::string text;
    for (int width : widths)
        text += (text.empty() ? "" : ",") + std::to_string(width);
    return text;
}

void LibraryGridView::Attach(LibraryGrid& grid, GridPlanColumns& planColumns)
{
    grid_ = &grid;
    planColumns_ = &planColumns;
}

void LibraryGridView::SetUp(const ColumnWidths& widths)
{
    SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    LOGFONTW font = {};
    if (::GetObjectW(GetFont(), sizeof(font), &font) == sizeof(font)) {
        font.lfWeight = FW_BOLD;
        editedFont_.CreateFontIndirect(font);
    }
    for (int i = 0; i < kGridColumnCount; ++i)
        hiddenWidths_[i] = ColumnInfo(static_cast<GridColumn>(i)).width;
    InsertColumns(widths);
}

void LibraryGridView::InsertColumns(const ColumnWidths& widths)
{
    SetRedraw(FALSE);
    while (SendMessage(LVM_DELETECOLUMN, 0))
        ;
    shown_.clear();
    for (int i = 0; i < kGridColumnCount; ++i) {
        if (widths[i] <= 0)
            continue;
        const GridColumn column = static_cast<GridColumn>(i);
        const std::wstring heading = Widen(ColumnInfo(column).heading);
        LVCOLUMNW item = {};
        item.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        item.fmt = ColumnInfo(column).numeric && !shown_.empty() ? LVCFMT_RIGHT : LVCFMT_LEFT;
        item.cx = widths[i];
        item.pszText = const_cast<wchar_t*>(heading.c_str());
        SendMessage(LVM_INSERTCOLUMNW, shown_.size(), reinterpret_cast<LPARAM>(&item));
        shown_.push_back(column);
    }
    if (DisplayIndexOf(current_) < 0)
        current_ = shown_.front();
    SetRedraw(TRUE);
    Invalidate();
}

ColumnWidths LibraryGridView::Widths() const
{
    ColumnWidths widths = {};
    for (size_t i = 0; i < shown_.size(); ++i)
        widths[static_cast<int>(shown_[i])] = static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, i));
    return widths;
}

bool LibraryGridView::IsShown(GridColumn column) const
{
    return DisplayIndexOf(column) >= 0;
}

void LibraryGridView::ToggleColumn(GridColumn column)
{
    ColumnWidths widths = Widths();
    int& width = widths[static_cast<int>(column)];
    if (width > 0) {
        if (shown_.size() == 1)
            return;  // the last column stays
        hiddenWidths_[static_cast<int>(column)] = width;
        width = 0;
    } else {
        width = std::max(hiddenWidths_[static_cast<int>(column)], 20);
    }
    InsertColumns(widths);
}

int LibraryGridView::DisplayIndexOf(GridColumn column) const
{
    const auto at = std::find(shown_.begin(), shown_.end(), column);
    return at == shown_.end() ? -1 : static_cast<int>(at - shown_.begin());
}

void LibraryGridView::RowsChanged()
{
    const std::vector<RowId>& rows = grid_->Shown();
    SendMessage(LVM_SETITEMCOUNT, rows.size(), LVSICF_NOINVALIDATEALL);
    Invalidate(FALSE);
}

std::vector<int> LibraryGridView::SelectedPositions() const
{
    std::vector<int> positions;
    positions.reserve(static_cast<size_t>(GetSelectedCount()));
    for (int at = GetNextItem(-1, LVNI_SELECTED); at >= 0; at = GetNextItem(at, LVNI_SELECTED))
        positions.push_back(at);
    return positions;
}

std::vector<RowId> LibraryGridView::SelectedRows() const
{
    std::vector<RowId> rows;
    const std::vector<RowId>& shown = grid_->Shown();
    for (int position : SelectedPositions()) {
        if (static_cast<size_t>(position) < shown.size())
            rows.push_back(shown[static_cast<size_t>(position)]);
    }
    return rows;
}

void LibraryGridView::SelectAll()
{
    const_cast<LibraryGridView*>(this)->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
}

void LibraryGridView::SelectOnly(int position)
{
    SetItemState(-1, 0, LVIS_SELECTED);
    if (position < 0 || position >= GetItemCount())
        return;
    SetItemState(position, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessage(LVM_ENSUREVISIBLE, position, FALSE);
}

void LibraryGridView::SetCurrentColumn(GridColumn column)
{
    if (DisplayIndexOf(column) >= 0)
        current_ = column;
    Invalidate(FALSE);
}

void LibraryGridView::MoveCurrentColumn(int delta)
{
    const int at = std::clamp(DisplayIndexOf(current_) + delta, 0, static_cast<int>(shown_.size()) - 1);
    current_ = shown_[static_cast<size_t>(at)];
    // The cell comes into view: the list scrolls by pixels.
    const int focused = FocusedPosition();
    if (focused >= 0) {
        const RECT cell = CellRect(focused, current_);
        const RECT client = GetClientRect();
        if (cell.right > client.right)
            SendMessage(LVM_SCROLL, std::min(cell.right - client.right, cell.left - client.left), 0);
        else if (cell.left < client.left)
            SendMessage(LVM_SCROLL, cell.left - client.left, 0);
    }
    Invalidate(FALSE);
}

bool LibraryGridView::CellAt(POINT point, int& position, GridColumn& column) const
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem < 0 || hit.iSubItem < 0 || static_cast<size_t>(hit.iSubItem) >= shown_.size())
        return false;
    position = hit.iItem;
    column = shown_[static_cast<size_t>(hit.iSubItem)];
    return true;
}

RECT LibraryGridView::CellRect(int position, GridColumn column) const
{
    RECT rect = {};
    const int index = DisplayIndexOf(column);
    rect.top = index;
    rect.left = index == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    SendMessage(LVM_GETSUBITEMRECT, position, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void LibraryGridView::OnGetDispInfo(NMLVDISPINFOW& info)
{
    LVITEMW& item = info.item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    const std::vector<RowId>& rows = grid_->Shown();
    item.pszText[0] = L'\0';
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows.size() || item.iSubItem < 0 ||
        static_cast<size_t>(item.iSubItem) >= shown_.size())
        return;
    const RowId row = rows[static_cast<size_t>(item.iItem)];
    const GridColumn column = shown_[static_cast<size_t>(item.iSubItem)];
    grid_->ReadOwnFiles({row});
    std::string text;
    if (column != GridColumn::Sources && column != GridColumn::Generate)
        text = grid_->CellText(row, column);
    else if (grid_->Planned())
        text = column == GridColumn::Sources ? planColumns_->Of(row).sources : planColumns_->Of(row).generate;
    text_ = Widen(text);
    const size_t count = std::min(text_.size(), static_cast<size_t>(item.cchTextMax) - 1);
    std::copy(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(count), item.pszText);
    item.pszText[count] = L'\0';
}

int LibraryGridView::FindName(const NMLVFINDITEMW& find) const
{
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz)
        return -1;
    const std::string typed = Narrow(find.lvfi.psz);
    const std::vector<RowId>& rows = grid_->Shown();
    const size_t count = rows.size();
    const size_t start = find.iStart < 0 ? 0 : static_cast<size_t>(find.iStart);
    for (size_t k = 0; k < count; ++k) {
        const size_t at = (start + k) % count;
        if (StartsWithIgnoringAsciiCase(grid_->CellText(rows[at], GridColumn::Name), typed))
            return static_cast<int>(at);
    }
    return -1;
}

LRESULT LibraryGridView::OnCustomDraw(NMLVCUSTOMDRAW& draw)
{
    const DWORD stage = draw.nmcd.dwDrawStage;
    if (stage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    const int position = static_cast<int>(draw.nmcd.dwItemSpec);
    const std::vector<RowId>& rows = grid_->Shown();
    if (position < 0 || static_cast<size_t>(position) >= rows.size())
        return CDRF_DODEFAULT;
    const RowId row = rows[static_cast<size_t>(position)];
    if (stage == CDDS_ITEMPREPAINT)
        return CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
        const size_t index = static_cast<size_t>(draw.iSubItem);
        const bool edited = index < shown_.size() && grid_->IsEdited(row, shown_[index]);
        const bool selected = (GetItemState(position, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        ::SelectObject(draw.nmcd.hdc, edited && editedFont_.m_hObject ? editedFont_.m_hObject : GetFont());
        if (selected) {
            // The selection in the system's colours, and grey while the
            // grid is not where the keys go.
            const bool focused = ::GetFocus() == m_hWnd;
            draw.clrText = ::GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
            draw.clrTextBk = ::GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
        } else {
            draw.clrText = RGB(0, 0, 0);
            draw.clrTextBk = edited ? kEditedColor : ColourOf(grid_->State(row));
        }
        return CDRF_NEWFONT;
    }
    if (stage == CDDS_ITEMPOSTPAINT && position == FocusedPosition() && ::GetFocus() == m_hWnd) {
        RECT cell = CellRect(position, current_);
        ::InflateRect(&cell, -1, -1);
        ::DrawFocusRect(draw.nmcd.hdc, &cell);
    }
    return CDRF_DODEFAULT;
}

bool LibraryGridView::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    if (msg != WM_NOTIFY || !grid_)
        return false;
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (header->hwndFrom != m_hWnd)
        return false;
    switch (header->code) {
        case LVN_GETDISPINFOW:
            OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOW*>(lp));
            *result = 0;
            return true;
        case LVN_ODCACHEHINT: {
            const auto* hint = reinterpret_cast<NMLVCACHEHINT*>(lp);
            const std::vector<RowId>& shown = grid_->Shown();
            std::vector<RowId> rows;
            for (int at = std::max(hint->iFrom, 0); at <= hint->iTo && static_cast<size_t>(at) < shown.size(); ++at)
                rows.push_back(shown[static_cast<size_t>(at)]);
            grid_->ReadOwnFiles(rows);
            *result = 0;
            return true;
        }
        case LVN_ODFINDITEMW:
            *result = FindName(*reinterpret_cast<NMLVFINDITEMW*>(lp));
            return true;
        case NM_CUSTOMDRAW:
            *result = OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lp));
            return true;
        default:
            return false;
    }
}
