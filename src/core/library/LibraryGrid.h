#pragma once
// The rows of the Library window: one per movie of the movie folder (and
// the folders below), each showing what its metadata file will say (the
// plan Generate writes) or, where the movie's own file exists, what that
// file says, the user's edits laid over both. Every row's values stay in
// memory in a compact form, so that sorting and filtering a library of
// 100,000 movies need no file; what needs files read (an own file's
// values, where values come from) is read for the rows asked for.
// Rows are known by their number in the listing (a RowId); the shown
// order is the filter and sort of them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/folders/FolderIndex.h"
#include "core/library/GridColumns.h"
#include "core/library/LibraryPlan.h"
#include "core/library/PlanEdits.h"
#include "core/metadata/MetadataFormat.h"

using RowId = std::uint32_t;

// One change of an edit action: a row's field from before to after
// (nullopt: not set by the user).
struct EditChange {
    RowId row;
    EditField field;
    std::optional<std::string> before;
    std::optional<std::string> after;
};

class LibraryGrid {
public:
    // The movies of folder as the listing gives them (paths below it), the
    // template Generate would use, and whether it writes into ".meta"
    // (then a movie's own file is the one there); the user's edits stay.
    // Without plan the rows wait for TakePlan (a plan made elsewhere,
    // a thread of its own): until then a row shows its own file alone.
    void Load(const std::string& folder, std::vector<MovieListing> movies, const MetadataTemplate& metadata,
              bool metaFolder, bool plan = true);
    bool Planned() const { return planned_; }
    // No rows (the edits stay), while the folder is listed again.
    void Clear();
    // The entries in the listing's order, as a plan elsewhere takes them:
    // they do not change until the next Load.
    const std::vector<std::string>& Entries() const { return entries_; }
    // PlanLibrary(Folder(), Entries(), Template(), edits, false), with the
    // edits as they were when it began (a kind or show edited meanwhile
    // plans the rows again).
    void TakePlan(LibraryPlan plan, const PlanEdits& plannedWith);

    const std::string& Folder() const { return folder_; }
    bool MetaFolder() const { return metaFolder_; }
    size_t RowCount() const { return entries_.size(); }
    // The rows shown, filtered and sorted.
    const std::vector<RowId>& Shown() const { return shown_; }

    const std::string& Entry(RowId row) const { return entries_[row]; }
    std::string MoviePath(RowId row) const;
    RowState State(RowId row) const { return rows_[row].state; }
    KindSource KindFrom(RowId row) const { return rows_[row].kindFrom; }
    // The movie's own metadata file (beside it, or in ".meta"), and
    // whether it exists; its values once read.
    bool HasOwnFile(RowId row) const { return rows_[row].hasOwn; }
    std::string OwnFilePath(RowId row) const;
    const OwnValues* Own(RowId row) const { return rows_[row].own.get(); }

    // What the cell shows, edits included.
    std::string CellText(RowId row, GridColumn column) const;
    // Whether the user's edit (not yet written) sets the cell.
    bool IsEdited(RowId row, GridColumn column) const;
    bool HasEdits(RowId row) const { return edits_.Of(entries_[row]) != nullptr; }
    // The field the cell edits for that row; none for the columns that
    // cannot be set.
    std::optional<EditField> FieldOf(RowId row, GridColumn column) const;
    // The row as Generate would plan its file: its lines (the user's edits
    // of its kind, show, numbers, titles and date included) composed with
    // the template, the edits' layer over them; its keys not yet decided
    // against the other files (PlanAgainst).
    PlannedMovie PlannedMovieOf(RowId row) const;
    // The value the editor of a cell starts with (ratings as their codes'
    // short names, the whole description).
    std::string EditText(RowId row, EditField field) const;

    // Sorts the rows by the column (ties keep the listing's order) and
    // shows those whose name, show or folder holds the text (letter case
    // of ASCII letters ignored). Both read every own file not read yet.
    void Sort(GridColumn column, bool ascending);
    void Filter(const std::string& text);
    std::optional<GridColumn> SortColumn() const { return sortColumn_; }
    bool Ascending() const { return ascending_; }

    // Reads the own files of these rows that were not read yet.
    void ReadOwnFiles(const std::vector<RowId>& rows);
    // Reads up to count own files not read yet, in listing order; false
    // once every one is read.
    bool ReadMoreOwnFiles(size_t count);
    // Reads the row's own file again (a write changed it, or it changed).
    void RereadOwnFile(RowId row);

    // Edits: the value typed for the field of every row given, as one
    // action that Undo takes back; false with a message when the field
    // cannot take the text or a row's own file cannot be changed.
    bool SetValue(const std::vector<RowId>& rows, EditField field, const std::string& typed, std::string& problem);
    // Numbers the rows in the order given from start (making movies
    // episodes), as one action.
    bool NumberEpisodes(const std::vector<RowId>& rows, int start, std::string& problem);
    bool CanUndo() const { return !history_.empty(); }
    // Takes back the last action; the rows it touched.
    std::vector<RowId> Undo();
    const PlanEdits& Edits() const { return edits_; }
    // The rows with edits not written yet, in listing order.
    std::vector<RowId> EditedRows() const;

    // The movies' files were written with their edits: the edits go (and
    // out of the history), and each row has its own file now.
    void Written(const std::vector<RowId>& rows);
    const MetadataTemplate& Template() const { return template_; }

private:
    struct Row {
        GridValues plan;
        std::unique_ptr<OwnValues> own;
        RowState state = RowState::None;
        KindSource kindFrom = KindSource::Template;
        bool hasOwn = false;
        bool ownInMeta = false;
    };

    // Plans every row again (a kind or a show changed: the shows settle anew).
    void Plan();
    // Whether two sets of edits give the shows alike (kinds and shows).
    static bool SameShows(const PlanEdits& a, const PlanEdits& b);
    // The values the row shows before edits: its own file's, else the plan's.
    const GridValues& ValuesOf(RowId row) const;
    const SharedValues& SharedOf(RowId row) const;
    bool IsEpisode(RowId row) const;
    void ReadOwnFile(RowId row);
    void ReadAllOwnFiles();
    // Applies the changes (after, or before when undoing) as the edits;
    // plans the rows again when a kind or a show changed.
    void Apply(const std::vector<EditChange>& changes, bool undo);
    // The rows' own files that cannot be changed: a message naming the first.
    std::string Unchangeable(const std::vector<RowId>& rows);
    void Refilter();
    std::string SortKey(RowId row, GridColumn column) const;

    std::string folder_;
    bool metaFolder_ = false;
    MetadataTemplate template_;
    SharedValues templateShared_;
    std::vector<std::string> entries_;
    std::vector<Row> rows_;
    std::vector<RowId> order_;  // every row, sorted
    std::vector<RowId> shown_;  // order_ filtered
    std::string filter_;
    std::optional<GridColumn> sortColumn_;
    bool ascending_ = true;
    size_t ownReadFrom_ = 0;  // own files before this row are read
    bool planned_ = false;
    PlanEdits edits_;
    std::vector<std::vector<EditChange>> history_;
};
