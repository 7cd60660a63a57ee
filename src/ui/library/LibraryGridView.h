#pragma once
// The Library window's grid: a virtual list view (LVS_OWNERDATA) that
// holds no row of its own. It asks the grid's rows for the texts of the
// cells it draws, reads the own files of the rows it is about to draw,
// colours each row as the movie list does (own file yellow, other files
// light blue), marks the cells the user edited and has not written, and
// frames the current cell, the one F2 edits.
#include <array>
#include <string>
#include <vector>

#include "core/library/GridPlanColumns.h"
#include "core/library/LibraryGrid.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Gdi.h"

// Each column's width, 0 for a hidden one, in the grid's column order.
using ColumnWidths = std::array<int, kGridColumnCount>;

// The widths kept in the settings ("64,220,0,..."); the columns' first
// widths where the text holds none or no usable ones.
ColumnWidths ColumnWidthsOf(const std::string& setting);
std::string ColumnWidthsText(const ColumnWidths& widths);

class LibraryGridView : public CListCtrl {
public:
    // The grid and its last columns, for the life of the window.
    void Attach(LibraryGrid& grid, GridPlanColumns& planColumns);
    // Styles, font and the columns, once the window exists.
    void SetUp(const ColumnWidths& widths);
    ColumnWidths Widths() const;
    // Shows or hides a column (a hidden one comes back at its first width).
    void ToggleColumn(GridColumn column);
    bool IsShown(GridColumn column) const;

    // The rows changed (filtered, sorted, loaded): the count and every
    // cell anew, the selection kept where the rows are the same.
    void RowsChanged();
    // Draws the rows again (values changed, the count did not).
    void Redraw() { Invalidate(FALSE); }

    // The display positions selected, in display order, and their rows.
    std::vector<int> SelectedPositions() const;
    std::vector<RowId> SelectedRows() const;
    int FocusedPosition() const { return GetNextItem(-1, LVNI_FOCUSED); }
    void SelectAll();
    // Selects and focuses the one position (scrolled into view).
    void SelectOnly(int position);

    // The column F2 edits; moves it by delta among the shown ones.
    GridColumn CurrentColumn() const { return current_; }
    void MoveCurrentColumn(int delta);
    void SetCurrentColumn(GridColumn column);
    // The cell under a point of the list's client area.
    bool CellAt(POINT point, int& position, GridColumn& column) const;
    // The cell's rectangle in the list's client area.
    RECT CellRect(int position, GridColumn column) const;
    // The header's columns, left to right.
    const std::vector<GridColumn>& ShownColumns() const { return shown_; }

protected:
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void InsertColumns(const ColumnWidths& widths);
    int DisplayIndexOf(GridColumn column) const;
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
    void OnGetDispInfo(NMLVDISPINFOW& info);
    int FindName(const NMLVFINDITEMW& find) const;

    LibraryGrid* grid_ = nullptr;
    GridPlanColumns* planColumns_ = nullptr;
    std::vector<GridColumn> shown_;
    ColumnWidths hiddenWidths_ = {};
    GridColumn current_ = GridColumn::Show;
    std::wstring text_;  // the last cell text handed out
    CFont editedFont_;
};
