#include "ui/controls/ListingProgress.h"

#include <memory>

#include "core/library/MovieList.h"
#include "ui/controls/RunProgressDlg.h"
#include "ui/framework/Prompt.h"

namespace {

// A walk of sub-folders that takes longer than this shows its progress.
constexpr DWORD kProgressDelay = 300;
// The progress window shows the folder at hand this often: a library of a
// thousand folders is read faster than the window could show each.
constexpr DWORD kProgressInterval = 50;

}  // namespace

bool ListMoviesShowingProgress(const std::string& folder, ActivityLog& log, HWND window,
                               std::vector<MovieListing>& movies, const std::function<bool()>& stop,
                               OtherSourceViews* views)
{
    const bool windowWasEnabled = ::IsWindowEnabled(window) != FALSE;
    std::unique_ptr<CRunProgressDlg> progress;
    const DWORD start = ::GetTickCount();
    DWORD shown = start;
    bool stopped = false;
    movies = ListMoviesBelow(
        folder, log,
        [&](const WalkedFolder& at) {
            if (!progress && ::GetTickCount() - start >= kProgressDelay) {
                progress = std::make_unique<CRunProgressDlg>("Reading sub-folders", at.topTotal);
                CWnd* owner = CWnd::FromHandlePermanent(WindowInUse());
                if (windowWasEnabled)
                    ::EnableWindow(window, FALSE);
                progress->Open(owner ? owner : CWnd::FromHandlePermanent(window));
            }
            if (progress && ::GetTickCount() - shown >= kProgressInterval) {
                shown = ::GetTickCount();
                if (!progress->Next(at.topDone, at.relative))
                    return false;
            }
            return !(stop && stop());
        },
        &stopped, nullptr, views);
    if (progress && windowWasEnabled)
        ::EnableWindow(window, TRUE);
    return !stopped;
}
