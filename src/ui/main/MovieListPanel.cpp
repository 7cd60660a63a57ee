// The movie list panel of the main window: the movie files of the current
// folder, yellow when they already have a metadata file.
#include <windows.h>

#include "ui/main/ReelmarkDlg.h"
#include "core/FolderIndex.h"
#include "core/MovieScanner.h"
#include "platform/Text.h"

namespace {

constexpr COLORREF kHasMetadataColor = RGB(225, 225, 51);
constexpr COLORREF kNoMetadataColor = RGB(255, 255, 255);
// Names longer than this take a second display line.
constexpr size_t kLongNameLength = 40;

}  // namespace

void CReelmarkDlg::FillMovieList()
{
    CWaitCursor wait;
    movieList_.EnableWindow(FALSE);
    const std::string folder = MovieFolder();
    if (folder.empty() || fileFilters_.GetWindowText().empty())
        return;
    // One reading of the folder tells which movies have metadata files; a
    // walk into sub-folders asks each movie's file.
    std::vector<MovieListing> movies;
    if (recursive_.GetCheck() == BST_CHECKED) {
        std::vector<std::string> paths;
        ListMovieFiles(folder, "*.*", true, paths);
        for (const std::string& path : paths)
            movies.push_back({FileNameOf(path, true), HasMetadataFile(path)});
    } else {
        movies = ListMoviesWithMetadata(folder);
    }
    const int n = static_cast<int>(movies.size());

    movieList_.SetRedraw(FALSE);
    movieList_.ResetContent();
    int lines = n;
    for (const MovieListing& movie : movies)
        lines += Widen(movie.name).size() > kLongNameLength ? 1 : 0;
    movieList_.SetLineCount(lines);
    movieList_.SendMessage(LB_INITSTORAGE, n, n * 64);
    for (int i = 0; i < n; ++i)
        movieList_.InsertColoredString(movies[i].name,
                                       movies[i].hasMetadata ? kHasMetadataColor : kNoMetadataColor, i);
    movieList_.SetRedraw(TRUE);
    movieList_.Invalidate();
    if (n > 0)
        movieList_.EnableWindow(TRUE);
    const std::string count = std::to_string(n);
    fileCount_.SetWindowText(count);
    AddLogEntry("", LogSeverity::Information, "Found %s movie files in folder directory.", count.c_str());
    if (n > 0) {
        generate_.EnableWindow(!runningCommand_);
        clearSelect_.EnableWindow(TRUE);
        selectAll_.EnableWindow(TRUE);
    }
}

void CReelmarkDlg::OnSelectAll()
{
    movieList_.SetSel(-1, TRUE);
    SyncFromControls();
}

void CReelmarkDlg::OnClearSelect()
{
    movieList_.SetSel(-1, FALSE);
    SyncFromControls();
}

void CReelmarkDlg::OnListSelChange()
{
    SyncFromControls();
}
