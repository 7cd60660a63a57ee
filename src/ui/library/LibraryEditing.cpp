// The Library window's edits and what it copies: a cell edited in place,
// one value set for many rows, episodes numbered, an action taken back, and
// rows as tab-separated text for a spreadsheet.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "platform/Text.h"
#include "resource.h"
#include "ui/framework/Prompt.h"
#include "ui/library/LibraryDialogs.h"
#include "ui/library/LibraryDlg.h"

namespace {

// A cell on one line of its own: its tabs and line breaks would make new
// cells and rows in the spreadsheet it is pasted into.
std::string OneLineText(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

}  // namespace

void CLibraryDlg::RowsEdited(bool replanned)
{
    // A show or a kind settles the shows anew: any row may have changed.
    planColumns_.ForgetAll();
    if (replanned && grid_.SortColumn())
        grid_.Sort(*grid_.SortColumn(), grid_.Ascending());
    view_.Redraw();
    UpdateStatus();
}

bool CLibraryDlg::EditCell(int position, GridColumn column)
{
    const std::vector<RowId>& shown = grid_.Shown();
    if (Busy() || position < 0 || static_cast<size_t>(position) >= shown.size())
        return false;
    const RowId row = shown[static_cast<size_t>(position)];
    const std::optional<EditField> field = grid_.FieldOf(row, column);
    if (!field) {
        ::MessageBeep(MB_OK);
        return false;
    }
    grid_.ReadOwnFiles({row});
    if (grid_.HasOwnFile(row) && grid_.Own(row) && !grid_.Own(row)->problem.empty()) {
        ShowProblem(FormatText("%s\n%s", grid_.OwnFilePath(row).c_str(), grid_.Own(row)->problem.c_str()),
                    "Metadata File Not Changed");
        return false;
    }
    view_.SetCurrentColumn(column);
    view_.SendMessage(LVM_ENSUREVISIBLE, position, FALSE);
    const std::string before = grid_.EditText(row, *field);
    const int generation = generation_;
    return cellEditor_.Open(
        view_, view_.CellRect(position, column), before, FieldChoices(*field),
        [this, row, field = *field, before, generation, position, column](bool committed, const std::string& text) {
            if (!committed || text == before || generation != generation_)
                return;
            std::string problem;
            if (!grid_.SetValue({row}, field, text, problem)) {
                ShowProblem(problem, "Value Not Set");
                // Back to the editor with what was typed.
                if (EditCell(position, column) && FieldChoices(field).empty()) {
                    cellEditor_.SetWindowText(text);
                    cellEditor_.SendMessage(EM_SETSEL, 0, -1);
                }
                return;
            }
            RowsEdited(field == EditField::Kind || field == EditField::Show);
        });
}

void CLibraryDlg::OnEditCell()
{
    const int focused = view_.FocusedPosition();
    if (focused >= 0)
        EditCell(focused, view_.CurrentColumn());
}

LRESULT CLibraryDlg::OnDoubleClick(NMHDR* header)
{
    const auto* item = reinterpret_cast<NMITEMACTIVATE*>(header);
    int position = -1;
    GridColumn column = GridColumn::Name;
    if (view_.CellAt(item->ptAction, position, column))
        EditCell(position, column);
    return 0;
}

void CLibraryDlg::OnSetForSelected()
{
    const std::vector<RowId> rows = view_.SelectedRows();  // taken once, before the question
    if (rows.empty() || Busy())
        return;
    const std::optional<EditField> current = grid_.FieldOf(rows.front(), view_.CurrentColumn());
    CSetForSelectedDlg dialog(rows.size(), current.value_or(EditField::Show));
    if (dialog.DoModal() != IDOK)
        return;
    std::string problem;
    if (!grid_.SetValue(rows, dialog.field, dialog.text, problem))
        ShowProblem(problem, "Value Not Set");
    RowsEdited(dialog.field == EditField::Kind || dialog.field == EditField::Show);
}

void CLibraryDlg::OnNumberEpisodes()
{
    const std::vector<RowId> rows = view_.SelectedRows();  // in the order shown
    if (rows.empty() || Busy())
        return;
    CNumberEpisodesDlg dialog(rows.size());
    if (dialog.DoModal() != IDOK)
        return;
    std::string problem;
    if (!grid_.NumberEpisodes(rows, dialog.start, problem))
        ShowProblem(problem, "Episodes Not Numbered");
    RowsEdited(true);
}

void CLibraryDlg::OnUndo()
{
    if (Busy() || !grid_.CanUndo())
        return;
    cellEditor_.Close(false);
    grid_.Undo();
    RowsEdited(true);
}

std::string CLibraryDlg::RowsText(const std::vector<RowId>& rows)
{
    TakePlanWhenMade(true);
    std::string text;
    const std::vector<GridColumn>& columns = view_.ShownColumns();
    for (GridColumn column : columns)
        text += std::string(text.empty() ? "" : "\t") + ColumnInfo(column).heading;
    text += "\r\n";
    for (RowId row : rows) {
        grid_.ReadOwnFiles({row});
        for (size_t i = 0; i < columns.size(); ++i) {
            const GridColumn column = columns[i];
            const std::string cell = column == GridColumn::Sources    ? planColumns_.Of(row).sources
                                     : column == GridColumn::Generate ? planColumns_.Of(row).generate
                                                                      : grid_.CellText(row, column);
            text += (i ? "\t" : "") + OneLineText(cell);
        }
        text += "\r\n";
    }
    return text;
}

void CLibraryDlg::OnCopy()
{
    const std::vector<RowId> rows = view_.SelectedRows();
    if (rows.empty())
        return;
    CWaitCursor wait;
    const std::wstring text = Widen(RowsText(rows));
    if (!::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory) {
        std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(::GlobalLock(memory)));
        ::GlobalUnlock(memory);
        if (!::SetClipboardData(CF_UNICODETEXT, memory))
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
}
