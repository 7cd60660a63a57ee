#pragma once
// A report-view list control whose rows can carry their own text colour,
// background colour and font style, and which draws selected rows in its
// own highlight colours. It never draws text itself: through the list
// view's custom-draw notification it only tells the list which colours and
// font each cell uses.
#include <memory>
#include <string>
#include <vector>

#include "ui/framework/Controls.h"
#include "ui/framework/Gdi.h"

// Style flags of a style record.
enum : DWORD {
    LIS_BOLD = 0x01,
    LIS_ITALIC = 0x02,
    LIS_UNDERLINE = 0x04,
    LIS_STRIKEOUT = 0x08,
    LIS_FONTSTYLES = 0x0F,
    LIS_TXTCOLOR = 0x10,   // textColor applies
    LIS_BGCOLOR = 0x20,    // bgColor applies
    LIS_NO_COLUMN = 0x40,  // ignore the column level for this cell
    LIS_NO_ROW = 0x80,     // ignore the row level for this cell
};

// The style of a cell, a row or a column. A row's item data points to its
// row record, which is also the style of the row's first cell; the record
// owns everything below it.
struct iLS_item {
    LPARAM userData = 0;       // item data the caller gave when inserting the row
    bool hasUserData = false;  // the caller gave item data
    DWORD style = 0;
    bool fontStyled = false;  // style & LIS_FONTSTYLES
    COLORREF textColor = 0;
    COLORREF bgColor = 0;
    // Row record: the cells of columns 1 to n-1, in column order.
    std::vector<std::unique_ptr<iLS_item>> subItems;
    // Row record: the row-wide style, made on first use.
    std::unique_ptr<iLS_item> rowStyle;
    // Used instead of this record while the row is selected.
    std::unique_ptr<iLS_item> selectedStyle;
    // Font made from this record's font bits, on demand.
    CFont font;
    // A cell's font when its font comes from more than one level.
    CFont mergedFont;
};

class CListCtrlStyled : public CListCtrl {
public:
    CListCtrlStyled();

    // Inserts a column; returns its index or -1. Existing rows get an empty
    // style record for it.
    int InsertColumn(int index, const LVCOLUMNW& column);
    // Left, centred or right (format) heading of that width, showing sub-item `subItem`.
    int InsertColumn(int index, const std::string& heading, int format, int width, int subItem);
    // Inserts a row with fresh style records; returns its index or -1.
    int InsertItem(const LVITEMW& item);
    int InsertItem(UINT mask, int index, const std::string& text, UINT state, UINT stateMask, int image,
                   LPARAM data);
    // Delete rows together with their style records.
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();

    // Row-wide style flags and colours (a colour shows only with its flag);
    // with redraw the row repaints at once.
    BOOL SetItemStyle(int row, DWORD flags, bool redraw = true);
    BOOL SetItemTextColor(int row, COLORREF color, bool redraw = true);
    BOOL SetItemBgColor(int row, COLORREF color, bool redraw = true);

protected:
    const MessageMap& GetMessageMap() const override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
    LRESULT OnDestroy(WPARAM wp, LPARAM lp);

    // Sets the cell's colours in the notification; returns its font or null.
    HFONT ResolveCellStyle(int column, iLS_item& rowRecord, NMLVCUSTOMDRAW& draw);
    HFONT CreateStyleFont(CFont& font, DWORD flags) const;
    HFONT CreateMergedFont(CFont& merged, HFONT cellFont, HFONT rowFont, HFONT columnFont) const;
    static void FreeItemRecord(iLS_item* record);
    iLS_item* RowRecord(int row) const;
    iLS_item* RowStyle(int row);
    void RedrawRow(int row);

    // Column-wide styles; no operation sets one, so they stay null.
    std::vector<std::unique_ptr<iLS_item>> columns_;
    COLORREF selectedBgColor_;
    COLORREF selectedTextColor_;
    HFONT baseFont_ = nullptr;
    LOGFONTW baseLogFont_ = {};
    HGDIOBJ savedItemFont_ = nullptr;
    HGDIOBJ savedCellFont_ = nullptr;
    bool rowWasSelected_ = false;
};
