// The movie list panel of the main window: the movie files of the current
// folder, yellow when they already have a metadata file.
#include "core/library/MovieList.h"
#include "ui/main/MovieListPanel.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/folders/MovieScanner.h"
#include "core/library/LibraryPlan.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/controls/RunProgressDlg.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/Prompt.h"

namespace {

constexpr COLORREF kHasMetadataColor = RGB(225, 225, 51);
// Metadata only from other files pyTivo reads (a .nfo, a default.txt, the
// ".meta" folder): light blue.
constexpr COLORREF kOtherSourcesColor = RGB(176, 216, 248);
constexpr COLORREF kNoMetadataColor = RGB(255, 255, 255);

COLORREF ColourOf(const MovieListing& movie)
{
    return movie.hasMetadata ? kHasMetadataColor : movie.otherSources ? kOtherSourcesColor : kNoMetadataColor;
}
constexpr int kVisibleRows = 27;
// A walk of sub-folders that takes longer than this shows its progress.
constexpr DWORD kProgressDelay = 300;

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
    if (walking_) {
        refillWanted_ = true;
        return;
    }
    CWaitCursor wait;
    list_.EnableWindow(FALSE);
    const std::string folder = host_.MovieFolder();
    if (folder.empty() || fileFilters_.GetWindowText().empty())
        return;
    // One reading of each folder tells which movies have metadata files,
    // and which other files describe; those are read on the way.
    const OwnFile own = host_.WritesIntoMeta() ? OwnFile::InMeta : OwnFile::Beside;
    OtherSourceViews views(own);
    std::vector<MovieListing> movies;
    if (!Recursive() || !ListBelow(folder, movies, views)) {
        if (refillWanted_) {
            refillWanted_ = false;
            Fill();
            return;
        }
        views = OtherSourceViews(own);
        movies = ListMoviesWithMetadata(folder, &views);
    }
    Show(folder, movies, views);
    const int n = static_cast<int>(movies.size());
    if (n > 0)
        list_.EnableWindow(TRUE);
    const std::string count = std::to_string(n);
    fileCount_.SetWindowText(count);
    log_.AddLogEntry("", LogSeverity::Information, "Found %s movie files in folder directory.",
                     count.c_str());
    host_.MovieListFilled(n);
}

void MovieListPanel::Show(const std::string& folder, const std::vector<MovieListing>& movies,
                          const OtherSourceViews& views)
{
    const int n = static_cast<int>(movies.size());
    // What each file will say, when names are read, and what it adds where
    // other files describe the movie: the plan Generate writes.
    const MetadataTemplate metadata = host_.CurrentTemplate();
    std::vector<std::string> entries;
    for (const MovieListing& movie : movies)
        entries.push_back(movie.name);
    LibraryPlan plan = PlanLibrary(folder, entries, metadata);
    host_.LayCachedLookupOver(plan, metadata);
    anyOtherSources_ = std::any_of(movies.begin(), movies.end(), [](const MovieListing& movie) {
        return movie.otherSources;
    });
    std::vector<std::string> shown(n);
    std::vector<std::string> details(n);
    int lines = 0;
    for (int i = 0; i < n; ++i) {
        // A file's name first and its folder apart: two rows never look
        // alike, and a long path is never cut in the middle of a word.
        const std::string folderOf = RelativeFolderOf(movies[i].name);
        if (!folderOf.empty()) {
            shown[i] = FileNameOf(movies[i].name, true);
            details[i] = "in " + folderOf;
        }
        // Where other files describe the movie, what its file adds to them
        // on a line of its own; any other file is the whole template.
        PlannedMovie& planned = plan.movies[i];
        const PyTivoView* others = views.Of(movies[i].name);
        if (others)
            PlanAgainst(planned, others, host_.OtherFilesChoice());
        // What TMDB gives it is said there, or alone ("7 values from TMDB").
        for (const std::string& line : {metadata.parseNames ? PlanSummary(planned) : std::string(),
                                        others ? PlanKeysLine(planned) : LayersLine(planned.keys)}) {
            if (!line.empty())
                details[i] += (details[i].empty() ? "" : "\n") + line;
        }
        const std::string& text = shown[i].empty() ? movies[i].name : shown[i];
        lines += CColorListBox::EstimatedLines(text, details[i]);
    }
    list_.SetRedraw(FALSE);
    list_.Clear();
    list_.SetLineCount(lines);
    list_.SendMessage(LB_INITSTORAGE, n, n * 64);
    for (int i = 0; i < n; ++i)
        list_.InsertColoredString(movies[i].name, ColourOf(movies[i]), i, shown[i], details[i]);
    list_.SetRedraw(TRUE);
    list_.Invalidate();
}

bool MovieListPanel::ListBelow(const std::string& folder, std::vector<MovieListing>& movies, OtherSourceViews& views)
{
    // Nothing may act on the entries of the folder shown before while the
    // walk lets messages through.
    list_.Clear();
    fileCount_.SetWindowText("0");
    HWND window = list_.GetParent();
    const bool windowWasEnabled = ::IsWindowEnabled(window) != FALSE;
    std::unique_ptr<CRunProgressDlg> progress;
    const DWORD start = ::GetTickCount();
    walking_ = true;
    bool stopped = false;
    movies = ListMoviesBelow(
        folder, log_,
        [&](const WalkedFolder& at) {
            if (!progress && ::GetTickCount() - start >= kProgressDelay) {
                // The progress window stands for the main window meanwhile,
                // as a modal one would.
                progress = std::make_unique<CRunProgressDlg>("Reading sub-folders", at.topTotal);
                CWnd* owner = CWnd::FromHandlePermanent(WindowInUse());
                if (windowWasEnabled)
                    ::EnableWindow(window, FALSE);
                progress->Open(owner ? owner : CWnd::FromHandlePermanent(window));
            }
            return (!progress || progress->Next(at.topDone, at.relative)) && !refillWanted_;
        },
        &stopped, nullptr, &views);
    walking_ = false;
    if (progress && windowWasEnabled)
        ::EnableWindow(window, TRUE);
    progress.reset();
    if (stopped && !refillWanted_) {
        SetRecursive(false);
        log_.AddLogEntry("", LogSeverity::Information,
                         "Reading the sub-folders was cancelled; the list shows the movies of %s alone.",
                         folder.c_str());
    }
    return !stopped;
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
