#include "ui/controls/ListCtrlStyled.h"

#include <algorithm>
#include <cwchar>

#include "platform/Text.h"

namespace {

bool Has(const iLS_item* record, DWORD flag)
{
    return record && (record->style & flag);
}

// The three levels that style one cell, and which of the row and column
// levels the cell lets through.
struct StyleLevels {
    iLS_item* cell;
    iLS_item* row;
    iLS_item* column;
    bool rowAllowed = true;
    bool columnAllowed = true;

    StyleLevels(iLS_item* c, iLS_item* r, iLS_item* k) : cell(c), row(r), column(k)
    {
        rowAllowed = !Has(cell, LIS_NO_ROW);
        columnAllowed = !Has(cell, LIS_NO_COLUMN);
        if (rowAllowed && Has(row, LIS_NO_COLUMN))
            columnAllowed = false;
        if (columnAllowed && Has(column, LIS_NO_ROW))
            rowAllowed = false;
    }

    // The first level that has the flag, cell before row before column.
    const iLS_item* First(DWORD flag) const
    {
        if (Has(cell, flag))
            return cell;
        if (rowAllowed && Has(row, flag))
            return row;
        if (columnAllowed && Has(column, flag))
            return column;
        return nullptr;
    }
};

iLS_item* SelectedOf(iLS_item* record)
{
    return record ? record->selectedStyle.get() : nullptr;
}

// While the row is selected, a level's font comes from its selected record
// when that has font bits, else from its normal record.
iLS_item* FontLevel(iLS_item* record, bool selected)
{
    iLS_item* chosen = selected ? SelectedOf(record) : nullptr;
    return chosen && chosen->fontStyled ? chosen : record;
}

// Copies every attribute in which the font differs from the base.
void ApplyDifferences(LOGFONTW& target, HFONT font, const LOGFONTW& base)
{
    LOGFONTW f = {};
    if (!font || !::GetObjectW(font, sizeof(f), &f))
        return;
    if (f.lfHeight != base.lfHeight)
        target.lfHeight = f.lfHeight;
    if (f.lfWidth != base.lfWidth)
        target.lfWidth = f.lfWidth;
    if (f.lfEscapement != base.lfEscapement)
        target.lfEscapement = f.lfEscapement;
    if (f.lfOrientation != base.lfOrientation)
        target.lfOrientation = f.lfOrientation;
    if (f.lfWeight != base.lfWeight)
        target.lfWeight = f.lfWeight;
    if (f.lfItalic != base.lfItalic)
        target.lfItalic = f.lfItalic;
    if (f.lfUnderline != base.lfUnderline)
        target.lfUnderline = f.lfUnderline;
    if (f.lfStrikeOut != base.lfStrikeOut)
        target.lfStrikeOut = f.lfStrikeOut;
    if (f.lfCharSet != base.lfCharSet)
        target.lfCharSet = f.lfCharSet;
    if (f.lfOutPrecision != base.lfOutPrecision)
        target.lfOutPrecision = f.lfOutPrecision;
    if (f.lfClipPrecision != base.lfClipPrecision)
        target.lfClipPrecision = f.lfClipPrecision;
    if (f.lfQuality != base.lfQuality)
        target.lfQuality = f.lfQuality;
    if (f.lfPitchAndFamily != base.lfPitchAndFamily)
        target.lfPitchAndFamily = f.lfPitchAndFamily;
    if (std::wcsncmp(f.lfFaceName, base.lfFaceName, LF_FACESIZE) != 0)
        std::wmemcpy(target.lfFaceName, f.lfFaceName, LF_FACESIZE);
}

}  // namespace

CListCtrlStyled::CListCtrlStyled()
    : selectedBgColor_(::GetSysColor(COLOR_HIGHLIGHT)), selectedTextColor_(::GetSysColor(COLOR_HIGHLIGHTTEXT))
{
}

const MessageMap& CListCtrlStyled::GetMessageMap() const
{
    static const MessageMap map = {
        OnMessage(WM_DESTROY, &CListCtrlStyled::OnDestroy),
    };
    return map;
}

bool CListCtrlStyled::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    if (msg != WM_NOTIFY)
        return false;
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (header->hwndFrom != m_hWnd || header->code != static_cast<UINT>(NM_CUSTOMDRAW))
        return false;
    *result = OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lp));
    return true;
}

LRESULT CListCtrlStyled::OnDestroy(WPARAM wp, LPARAM lp)
{
    DeleteAllItems();
    return DefWindowProc(WM_DESTROY, wp, lp);
}

int CListCtrlStyled::InsertColumn(int index, const LVCOLUMNW& column)
{
    int inserted = static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column)));
    if (inserted == -1)
        return -1;
    size_t at = std::min(static_cast<size_t>(inserted), columns_.size());
    columns_.insert(columns_.begin() + at, nullptr);
    for (int row = 0, rows = GetItemCount(); row < rows; ++row) {
        iLS_item* record = RowRecord(row);
        if (!record)
            continue;
        size_t cell =
            std::min(static_cast<size_t>(inserted == 0 ? 0 : inserted - 1), record->subItems.size());
        record->subItems.insert(record->subItems.begin() + cell, std::make_unique<iLS_item>());
    }
    return inserted;
}

int CListCtrlStyled::InsertColumn(int index, const std::string& heading, int format, int width, int subItem)
{
    std::wstring wide = Widen(heading);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = &wide[0];
    column.iSubItem = subItem;
    return InsertColumn(index, column);
}

int CListCtrlStyled::InsertItem(const LVITEMW& item)
{
    LVITEMW copy = item;
    auto record = std::make_unique<iLS_item>();
    if (item.mask & LVIF_PARAM) {
        record->userData = item.lParam;
        record->hasUserData = true;
    }
    copy.mask |= LVIF_PARAM;
    copy.lParam = reinterpret_cast<LPARAM>(record.get());
    for (int column = 1, columns = GetColumnCount(); column < columns; ++column)
        record->subItems.push_back(std::make_unique<iLS_item>());
    int inserted = static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&copy)));
    if (inserted >= 0)
        record.release();  // owned by the row from now on
    return inserted;
}

int CListCtrlStyled::InsertItem(UINT mask, int index, const std::string& text, UINT state, UINT stateMask,
                                int image, LPARAM data)
{
    std::wstring wide = Widen(text);
    LVITEMW item = {};
    item.mask = mask;
    item.iItem = index;
    item.pszText = &wide[0];
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = data;
    return InsertItem(item);
}

BOOL CListCtrlStyled::DeleteItem(int index)
{
    iLS_item* record = RowRecord(index);
    BOOL deleted = static_cast<BOOL>(SendMessage(LVM_DELETEITEM, index));
    // The record goes only with its row, so a row never points at a freed one.
    if (deleted)
        FreeItemRecord(record);
    return deleted;
}

BOOL CListCtrlStyled::DeleteAllItems()
{
    for (int rows = GetItemCount(); rows > 0; --rows)
        DeleteItem(0);
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

void CListCtrlStyled::FreeItemRecord(iLS_item* record)
{
    // The record owns its cells, row style, selected style and fonts.
    delete record;
}

iLS_item* CListCtrlStyled::RowRecord(int row) const
{
    return reinterpret_cast<iLS_item*>(GetItemData(row));
}

iLS_item* CListCtrlStyled::RowStyle(int row)
{
    iLS_item* record = RowRecord(row);
    if (!record)
        return nullptr;
    if (!record->rowStyle)
        record->rowStyle = std::make_unique<iLS_item>();
    return record->rowStyle.get();
}

void CListCtrlStyled::RedrawRow(int row)
{
    SendMessage(LVM_UPDATE, row);
}

BOOL CListCtrlStyled::SetItemStyle(int row, DWORD flags, bool redraw)
{
    iLS_item* style = RowStyle(row);
    if (!style)
        return FALSE;
    style->style = flags;
    style->fontStyled = (flags & LIS_FONTSTYLES) != 0;
    // Rebuilt with the new bits at the next paint.
    style->font.DeleteObject();
    style->mergedFont.DeleteObject();
    if (redraw)
        RedrawRow(row);
    return TRUE;
}

BOOL CListCtrlStyled::SetItemTextColor(int row, COLORREF color, bool redraw)
{
    iLS_item* style = RowStyle(row);
    if (!style)
        return FALSE;
    style->textColor = color;
    if (redraw)
        RedrawRow(row);
    return TRUE;
}

BOOL CListCtrlStyled::SetItemBgColor(int row, COLORREF color, bool redraw)
{
    iLS_item* style = RowStyle(row);
    if (!style)
        return FALSE;
    style->bgColor = color;
    if (redraw)
        RedrawRow(row);
    return TRUE;
}

LRESULT CListCtrlStyled::OnCustomDraw(NMLVCUSTOMDRAW& draw)
{
    HDC dc = draw.nmcd.hdc;
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    auto* record = reinterpret_cast<iLS_item*>(draw.nmcd.lItemlParam);
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            savedItemFont_ = nullptr;
            savedCellFont_ = nullptr;
            return CDRF_NOTIFYITEMDRAW;

        case CDDS_ITEMPREPAINT: {
            savedItemFont_ = nullptr;
            if (!baseFont_) {
                baseFont_ = static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT));
                ::GetObjectW(baseFont_, sizeof(baseLogFont_), &baseLogFont_);
            }
            if (!record)
                return CDRF_DODEFAULT;
            // The list view must not paint its own selection over our colours:
            // the row is unselected for its paint, and the notification says so
            // too, for list views that decide from the notification alone.
            if (GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) {
                rowWasSelected_ = true;
                SetItemState(row, 0, LVIS_SELECTED);
                draw.nmcd.uItemState &= ~CDIS_SELECTED;
            }
            HFONT font = ResolveCellStyle(0, *record, draw);
            LRESULT answer = CDRF_NOTIFYSUBITEMDRAW;
            if (font) {
                savedItemFont_ = ::SelectObject(dc, font);
                answer |= CDRF_NEWFONT;
            }
            if (rowWasSelected_ || font)
                answer |= CDRF_NOTIFYPOSTPAINT;
            return answer;
        }

        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            savedCellFont_ = nullptr;
            if (!record)
                return CDRF_DODEFAULT;
            HFONT font = ResolveCellStyle(draw.iSubItem, *record, draw);
            HGDIOBJ cellFont = font ? font : savedItemFont_;
            if (!cellFont)
                return CDRF_DODEFAULT;
            savedCellFont_ = ::SelectObject(dc, cellFont);
            return CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
        }

        case CDDS_ITEMPOSTPAINT | CDDS_SUBITEM:
            if (savedCellFont_)
                ::SelectObject(dc, savedCellFont_);
            savedCellFont_ = nullptr;
            return CDRF_DODEFAULT;

        case CDDS_ITEMPOSTPAINT:
            if (savedItemFont_)
                ::SelectObject(dc, savedItemFont_);
            savedItemFont_ = nullptr;
            if (rowWasSelected_) {
                rowWasSelected_ = false;
                SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            }
            return CDRF_DODEFAULT;

        default:
            return CDRF_DODEFAULT;
    }
}

HFONT CListCtrlStyled::ResolveCellStyle(int column, iLS_item& rowRecord, NMLVCUSTOMDRAW& draw)
{
    const bool selected = rowWasSelected_;
    iLS_item* cell = column == 0 ? &rowRecord
                     : static_cast<size_t>(column - 1) < rowRecord.subItems.size()
                         ? rowRecord.subItems[column - 1].get()
                         : nullptr;
    iLS_item* row = rowRecord.rowStyle.get();
    iLS_item* columnStyle =
        column >= 0 && static_cast<size_t>(column) < columns_.size() ? columns_[column].get() : nullptr;

    const StyleLevels colours = selected
                                    ? StyleLevels(SelectedOf(cell), SelectedOf(row), SelectedOf(columnStyle))
                                    : StyleLevels(cell, row, columnStyle);
    const iLS_item* text = colours.First(LIS_TXTCOLOR);
    draw.clrText = text       ? text->textColor
                   : selected ? selectedTextColor_
                              : static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR));
    const iLS_item* back = colours.First(LIS_BGCOLOR);
    draw.clrTextBk = back       ? back->bgColor
                     : selected ? selectedBgColor_
                                : static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR));

    const StyleLevels fonts(FontLevel(cell, selected), FontLevel(row, selected),
                            FontLevel(columnStyle, selected));
    iLS_item* levels[] = {fonts.cell, fonts.rowAllowed ? fonts.row : nullptr,
                          fonts.columnAllowed ? fonts.column : nullptr};
    HFONT found[3] = {};
    int count = 0;
    bool madeAnew = false;
    for (int i = 0; i < 3; ++i) {
        iLS_item* level = levels[i];
        if (!level || !level->fontStyled)
            continue;
        if (!level->font.m_hObject) {
            CreateStyleFont(level->font, level->style);
            madeAnew = true;
        }
        found[i] = level->font;
        ++count;
    }
    if (count == 0)
        return nullptr;
    if (count == 1 || !fonts.cell)
        return found[0] ? found[0] : found[1] ? found[1] : found[2];
    CFont& merged = fonts.cell->mergedFont;
    if (!merged.m_hObject || madeAnew)
        CreateMergedFont(merged, found[0], found[1], found[2]);
    return merged;
}

HFONT CListCtrlStyled::CreateStyleFont(CFont& font, DWORD flags) const
{
    LOGFONTW logFont = baseLogFont_;
    logFont.lfWeight = (flags & LIS_BOLD) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (flags & LIS_ITALIC) ? TRUE : FALSE;
    logFont.lfUnderline = (flags & LIS_UNDERLINE) ? TRUE : FALSE;
    logFont.lfStrikeOut = (flags & LIS_STRIKEOUT) ? TRUE : FALSE;
    font.CreateFontIndirect(logFont);
    return font;
}

HFONT CListCtrlStyled::CreateMergedFont(CFont& merged, HFONT cellFont, HFONT rowFont, HFONT columnFont) const
{
    // The cell wins over the row, the row over the column.
    LOGFONTW logFont = baseLogFont_;
    ApplyDifferences(logFont, columnFont, baseLogFont_);
    ApplyDifferences(logFont, rowFont, baseLogFont_);
    ApplyDifferences(logFont, cellFont, baseLogFont_);
    merged.CreateFontIndirect(logFont);
    return merged;
}
