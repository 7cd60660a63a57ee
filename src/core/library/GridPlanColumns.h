#pragma once
// The last two columns of the Library window: where a movie's values come
// from (its name, the template, its own file, the other files pyTivo reads,
// the user's edits) and what Generate will do for it. Both need the files
// of the movie's folder read, so they are made for the rows on screen
// alone and kept until the row changes.
//
// What Generate will do comes from one place, PlanColumnsOf: the row's
// plan decided key by key against what the other files give (PlanAgainst),
// as Generate decides it.
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/library/LibraryGrid.h"
#include "core/pytivo/PyTivoView.h"

// What a run would need to know of a row besides its plan and its view.
struct RowFacts {
    std::string moviePath;
    KindSource kindFrom = KindSource::Template;
    bool parseNames = false;
    bool hasOwn = false;  // its own file exists (ownPath)
    std::string ownPath;
    // Generate's file is there (beside the movie, or in ".meta" when it
    // writes there): it skips or replaces it.
    bool generateFileExists = false;
    bool edited = false;
    bool replaceExisting = false;
};

struct RowPlanColumns {
    std::string sources;
    std::string generate;
};

// The two columns of one movie. movie: its plan (PlannedMovieOf), decided
// here against others, what the other files give it without Reelmark's
// own file (nullptr when no other file describes it), in the mode the run
// would take.
RowPlanColumns PlanColumnsOf(const RowFacts& row, PlannedMovie& movie, const PyTivoView* others, OtherFiles mode);

// The columns of the grid's rows, each made once (reading the folders it
// needs, the last few kept) until Forget.
class GridPlanColumns {
public:
    explicit GridPlanColumns(const LibraryGrid& grid);
    ~GridPlanColumns();

    // How Generate would run: replacing files that are there, and what it
    // does beside other files.
    void SetRunOptions(bool replaceExisting, OtherFiles mode);
    const RowPlanColumns& Of(RowId row);
    // The row's columns are made anew when next asked for.
    void Forget(RowId row) { made_.erase(row); }
    void ForgetAll();

private:
    struct ReadFolder;
    const ReadFolder& FolderOf(const std::string& path);

    const LibraryGrid& grid_;
    bool replaceExisting_ = false;
    OtherFiles mode_ = OtherFiles::AddWhatTheyLack;
    std::unordered_map<RowId, RowPlanColumns> made_;
    std::list<std::unique_ptr<ReadFolder>> folders_;  // the latest first
    std::unique_ptr<PyTivoRunCache> cache_;
};
