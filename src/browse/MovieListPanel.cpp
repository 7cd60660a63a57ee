// The movie list panel of the main window: the movie files of the current
// folder, yellow when they already have a metadata file.
#include <windows.h>

#include "app/ReelmarkDlg.h"
#include "browse/MovieScanner.h"
#include "framework/Text.h"

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
    const bool recursive = recursive_.GetCheck() == BST_CHECKED;
    std::vector<std::string> paths;
    ListMovieFiles(folder, "*.*", recursive, paths);
    const int n = static_cast<int>(paths.size());

    movieList_.ResetContent();
    int lines = n;
    for (const std::string& path : paths)
        lines += Widen(FileNameOf(path, true)).size() > kLongNameLength ? 1 : 0;
    movieList_.SetLineCount(lines);

    for (int i = 0; i < n; ++i) {
        // The walk's own path: the same as folder + name for this folder's
        // files, and still right for the files of sub-folders.
        const COLORREF color = HasMetadataFile(paths[i]) ? kHasMetadataColor : kNoMetadataColor;
        movieList_.InsertColoredString(FileNameOf(paths[i], true), color, i);
    }
    if (n > 0)
        movieList_.EnableWindow(TRUE);
    const std::string count = std::to_string(n);
    fileCount_.SetWindowText(count);
    AddLogEntry("", LogSeverity::Information, "Found %s movie files in folder directory.", count.c_str());
    if (n > 0) {
        generate_.EnableWindow(TRUE);
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
