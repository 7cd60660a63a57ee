#pragma once
// The Library window: every movie of the movie folder (and the folders
// below with the sub-folder tick) in one grid, each row what its metadata
// file says or Generate will write. Cells are edited in place (F2, a
// double click), one value is set for many rows at once, episodes are
// numbered in the order shown, and Ctrl+Z takes an action back; edits are
// written by the same Generate (a movie whose own file exists through the
// editor's safe save). It runs modally over the main window, which knows
// it only through LibraryHost.
#include <windows.h>

#include <string>
#include <vector>

#include "core/library/GridPlanColumns.h"
#include "core/library/LibraryGrid.h"
#include "ui/framework/Background.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"
#include "ui/library/CellEditor.h"
#include "ui/library/LibraryGridView.h"
#include "ui/library/LibraryHost.h"

class CLibraryDlg : public CDialog {
public:
    explicit CLibraryDlg(LibraryHost& host);
    ~CLibraryDlg() override;

    // Whether a write or a delete changed files: the main window refreshes.
    bool ChangedFiles() const { return changedFiles_; }
    // The window has closed (it goes once its loop ends).
    bool Closed() const { return closed_; }

    // How long the last load took: the folder listing, and from its end
    // until the rows showed (painted), and until their plan was in.
    struct LoadTimes {
        double listingMs = 0;
        double rowsMs = 0;
        double planMs = 0;
    };
    const LoadTimes& LastLoad() const { return lastLoad_; }

    // For tests and the benchmark: the rows and the grid as the window shows them.
    LibraryGrid& Grid() { return grid_; }
    LibraryGridView& View() { return view_; }
    GridPlanColumns& PlanColumns() { return planColumns_; }
    // Opens the editor of a cell (as F2 on it does); false when the cell
    // cannot be set.
    bool EditCell(int position, GridColumn column);
    CellEditor& Editor() { return cellEditor_; }
    // Reads every own file not read yet (the window does it while idle).
    void ReadOwnFilesNow();
    // The selected rows as tab-separated text with a heading line, as
    // Ctrl+C puts them on the clipboard.
    std::string RowsText(const std::vector<RowId>& rows);

    bool PreTranslateMessage(MSG& msg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    const MessageMap& GetMessageMap() const override;
    // Enter: the current cell's editor (in the filter: to the grid).
    void OnOK() override;
    // Escape and the close box: asks about edits not written.
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Lists the folder and shows its rows (edits kept); the plan of a big
    // library is made on a thread of its own meanwhile.
    void Load();
    // The plan made, its values in the rows (waiting for it when asked).
    void TakePlanWhenMade(bool wait);
    void Layout();
    void UpdateStatus();
    // The rows changed: the grid and the columns that read files anew.
    void RowsEdited(bool replanned);
    // Another command runs (its progress lets messages through).
    bool Busy();
    void ShowProblem(const std::string& problem, const char* caption);
    void KeepSettings();

    // Commands.
    void OnWriteSelected();
    void OnWriteAll();
    void OnReload();
    void OnDelete();
    void OnUndo();
    void OnEditCell();
    void OnSetForSelected();
    void OnNumberEpisodes();
    void OnCopy();
    void OnSelectAll();
    void OnFind();
    void OnNextColumn();
    void OnPreviousColumn();
    void OnFilterChange();
    LRESULT OnColumnClick(NMHDR* header);
    LRESULT OnDoubleClick(NMHDR* header);
    LRESULT OnSelectionChange(NMHDR* header);
    LRESULT OnSizeMessage(WPARAM, LPARAM);
    LRESULT OnMinMaxInfo(WPARAM, LPARAM);
    LRESULT OnTimerMessage(WPARAM, LPARAM);
    LRESULT OnContextMenu(WPARAM, LPARAM);
    LRESULT OnInitMenuPopup(WPARAM, LPARAM);

    // Writes the rows' files: own files with edits through the safe save,
    // the others by Generate; the rows written lose their edits.
    void WriteRows(const std::vector<RowId>& rows);
    // The rows' own files with their edits; the rows saved.
    std::vector<RowId> SaveOwnFiles(const std::vector<RowId>& rows, class FileCommand& run, int total);
    // The others by Generate from done on; the rows written.
    std::vector<RowId> GenerateRows(const std::vector<RowId>& rows, class FileCommand& run, int done, int total);
    // The columns' items of a menu (the View menu and the header's).
    void AddColumnItems(HMENU menu) const;

    LibraryHost& host_;
    LibraryGrid grid_;
    GridPlanColumns planColumns_;
    LibraryGridView view_;
    CEdit filter_;
    CellEditor cellEditor_;
    HACCEL keys_ = nullptr;
    bool changedFiles_ = false;
    bool closed_ = false;
    bool readingOwnFiles_ = false;
    Background<LibraryPlan> planning_;
    LoadTimes lastLoad_;
    double listed_ = 0;  // NowMilliseconds() when the listing ended
    PlanEdits plannedWith_;  // the edits the plan under way was begun with
    int generation_ = 0;  // loads so far: an editor of an older one takes nothing
};
