// The movie list panel of the main window: the movie files of the current
// folder, yellow when they already have a metadata file.
#include "core/library/MovieList.h"
#include "ui/main/MovieListPanel.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/folders/MovieScanner.h"
#include "core/library/LibraryPlan.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/controls/ListingProgress.h"
#include "ui/controls/StateColours.h"
#include "ui/framework/Background.h"
#include "ui/framework/Dialog.h"

namespace {

COLORREF ColourOf(const MovieListing& movie)
{
    return movie.hasMetadata ? kHasMetadataColor : movie.otherSources ? kOtherSourcesColor : kNoMetadataColor;
}
constexpr int kVisibleRows = 27;
// A list of more movies than this is filled in pieces of as many, the
// window answering between them, and its plan is made on a thread of its
// own meanwhile: a library of 100,000 movies takes many seconds.
constexpr int kPiece = 2000;

// The plan of the movies' files (with names read composed whole, as the
// TMDB cache's values are laid over it, else their lines alone: the list
// says what each file will say), made on a thread of its own for a big
// list while the window answers; nullopt when the fill was interrupted
// meanwhile.
std::optional<LibraryPlan> PlanAnswering(const std::string& folder, std::vector<std::string> entries,
                                         const MetadataTemplate& metadata,
                                         const std::function<bool()>& interrupted)
{
    const bool big = entries.size() > static_cast<size_t>(kPiece);
    auto make = [&folder, entries = std::move(entries), metadata] {
        return PlanLibrary(folder, entries, metadata, nullptr, metadata.parseNames);
    };
    if (!big)
        return make();
    Background<LibraryPlan> plan;
    plan.Start(std::move(make));
    while (!plan.Ready()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        CDialog::PumpWaitingMessages();
    }
    LibraryPlan made = plan.Get();
    if (interrupted())
        return std::nullopt;
    return made;
}

// A movie's entry: its name apart from its folder (shown empty: the entry
// as it is), and below it its folder and what its file will say.
struct ListRow {
    std::string shown;
    std::string detail;
};

ListRow RowOf(const MovieListing& movie, PlannedMovie& planned, const PyTivoView* others,
              const MetadataTemplate& metadata, OtherFiles mode)
{
    ListRow row;
    // A file's name first and its folder apart: two rows never look alike,
    // and a long path is never cut in the middle of a word.
    const std::string folderOf = RelativeFolderOf(movie.name);
    if (!folderOf.empty()) {
        row.shown = FileNameOf(movie.name, true);
        row.detail = "in " + folderOf;
    }
    // Where other files describe the movie, what its file adds to them on a
    // line of its own; any other file is the whole template.
    if (others) {
        planned.composed = ComposeMetadataLines(metadata, planned.lines);
        PlanAgainst(planned, others, mode);
    }
    // What TMDB gives it is said there, or alone ("7 values from TMDB").
    for (const std::string& line : {metadata.parseNames ? PlanSummary(planned) : std::string(),
                                    others ? PlanKeysLine(planned) : LayersLine(planned.keys)}) {
        if (!line.empty())
            row.detail += (row.detail.empty() ? "" : "\n") + line;
    }
    planned = PlannedMovie();  // the plan goes as the list takes it
    return row;
}

}  // namespace

void MovieListPanel::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_FILE_FILTERS, fileFilters_);
    dx.Control(IDC_RECURSIVE, recursive_);
    dx.Control(IDC_MOVIE_LIST, list_);
    dx.Control(IDC_FILE_COUNT, fileCount_);
}

void MovieListPanel::Init()
{
    fileFilters_.SetWindowText(kMovieFileFilterText);
    // Fixed pitch asked for too: where Courier New is missing the stand-in
    // stays monospaced, so the file names line up as intended.
    if (font_.CreatePointFont(80, "Courier New", FIXED_PITCH | FF_MODERN))
        list_.SetFont(font_);
    list_.Clear();
    list_.SetVisibleRows(kVisibleRows);
    list_.EnableWindow(FALSE);
    fileCount_.SetWindowText("0");
}

void MovieListPanel::Fill()
{
    // A fill asked for while a walk lets messages through starts over when
    // that walk has stopped: the movie folder may have changed meanwhile.
    if (filling_) {
        refillWanted_ = true;
        return;
    }
    if (stopWanted_)
        return;
    filling_ = true;
    refillWanted_ = false;
    host_.MovieListFilling();
    const bool shown = FillOnce();
    filling_ = false;
    host_.MovieListFilling();
    if ((!shown || refillWanted_) && !stopWanted_) {
        refillWanted_ = false;
        Fill();
    }
}

bool MovieListPanel::FillOnce()
{
    CWaitCursor wait;
    list_.EnableWindow(FALSE);
    const std::string folder = host_.MovieFolder();
    if (folder.empty() || fileFilters_.GetWindowText().empty())
        return true;
    // One reading of each folder tells which movies have metadata files,
    // and which other files describe; those are read on the way.
    const OwnFile own = host_.WritesIntoMeta() ? OwnFile::InMeta : OwnFile::Beside;
    OtherSourceViews views(own);
    std::vector<MovieListing> movies;
    if (!Recursive() || !ListBelow(folder, movies, views)) {
        if (Interrupted())
            return false;
        views = OtherSourceViews(own);
        movies = ListMoviesWithMetadata(folder, &views);
    }
    if (!Show(folder, movies, views))
        return false;
    const int n = static_cast<int>(movies.size());
    if (n > 0)
        list_.EnableWindow(TRUE);
    const std::string count = std::to_string(n);
    fileCount_.SetWindowText(count);
    log_.AddLogEntry("", LogSeverity::Information, "Found %s movie files in folder directory.",
                     count.c_str());
    host_.MovieListFilled(n);
    return true;
}

bool MovieListPanel::Show(const std::string& folder, const std::vector<MovieListing>& movies,
                          const OtherSourceViews& views)
{
    const int n = static_cast<int>(movies.size());
    // What each file will say, when names are read, and what it adds where
    // other files describe the movie: the plan Generate writes.
    const MetadataTemplate metadata = host_.CurrentTemplate();
    std::vector<std::string> entries;
    entries.reserve(movies.size());
    for (const MovieListing& movie : movies)
        entries.push_back(movie.name);
    std::optional<LibraryPlan> plan =
        PlanAnswering(folder, std::move(entries), metadata, [this] { return Interrupted(); });
    if (!plan)
        return false;
    host_.LayCachedLookupOver(*plan, metadata);
    anyOtherSources_ = std::any_of(movies.begin(), movies.end(), [](const MovieListing& movie) {
        return movie.otherSources;
    });
    list_.SetRedraw(FALSE);
    list_.Clear();
    // A list of more items than it shows scrolls: its exact line count only
    // matters to a short one, which is filled in one piece.
    list_.SetLineCount(n);
    list_.SendMessage(LB_INITSTORAGE, n, n * 64);
    int lines = 0;
    for (int from = 0; from < n; from += kPiece) {
        const int to = std::min(n, from + kPiece);
        std::vector<ListRow> rows;
        rows.reserve(static_cast<size_t>(to - from));
        for (int i = from; i < to; ++i) {
            rows.push_back(RowOf(movies[i], plan->movies[static_cast<size_t>(i)], views.Of(movies[i].name), metadata,
                                 host_.OtherFilesChoice()));
            const ListRow& row = rows.back();
            lines += CColorListBox::EstimatedLines(row.shown.empty() ? movies[i].name : row.shown, row.detail);
        }
        if (n <= kPiece)
            list_.SetLineCount(lines);
        for (int i = from; i < to; ++i) {
            const ListRow& row = rows[static_cast<size_t>(i - from)];
            list_.InsertColoredString(movies[i].name, ColourOf(movies[i]), i, row.shown, row.detail);
        }
        if (to < n) {
            // The window answers between the pieces; a new fill asked for
            // meanwhile leaves this one.
            fileCount_.SetWindowText(std::to_string(to) + "...");
            list_.SetRedraw(TRUE);
            CDialog::PumpWaitingMessages();
            list_.SetRedraw(FALSE);
            if (Interrupted())
                return false;
        }
    }
    list_.SetLineCount(lines);
    list_.SetRedraw(TRUE);
    list_.Invalidate();
    return true;
}

bool MovieListPanel::ListBelow(const std::string& folder, std::vector<MovieListing>& movies, OtherSourceViews& views)
{
    // Nothing may act on the entries of the folder shown before while the
    // walk lets messages through.
    list_.Clear();
    fileCount_.SetWindowText("0");
    const bool finished =
        ListMoviesShowingProgress(folder, log_, list_.GetParent(), movies, [this] { return Interrupted(); }, &views);
    if (!finished && !Interrupted()) {
        SetRecursive(false);
        log_.AddLogEntry("", LogSeverity::Information,
                         "Reading the sub-folders was cancelled; the list shows the movies of %s alone.",
                         folder.c_str());
    }
    return finished;
}

std::vector<std::string> MovieListPanel::Entries() const
{
    std::vector<std::string> entries;
    for (int i = 0, n = list_.GetCount(); i < n; ++i)
        entries.push_back(list_.GetText(i));
    return entries;
}

std::vector<std::string> MovieListPanel::SelectedEntries() const
{
    std::vector<std::string> entries;
    for (int index : list_.GetSelItems())
        entries.push_back(list_.GetText(index));
    return entries;
}
