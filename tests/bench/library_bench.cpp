// Times the Library window over a library, for scripts/benchmark.sh: the
// folder listing, the first rows after it (plan and first paint), paging
// down through the grid, a sort, a filter, and the process's memory. The
// bare baseline (tools/bench/bare-grid.cpp) prints the same figures for a
// virtual list view fed the same rows. Figures only; nothing here passes
// or fails. Usage: library-bench FOLDER
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/library/MovieList.h"
#include "core/log/ActivityLog.h"
#include "core/runs/GenerateRun.h"
#include "core/settings/Settings.h"
#include "resource.h"
#include "ui/controls/FileCommand.h"
#include "SilentPrompt.h"
#include "ui/framework/Prompt.h"
#include "ui/framework/WinApp.h"
#include "ui/library/LibraryDlg.h"

namespace {

// The main window's part: the folder, the template with names read.
class BenchHost : public LibraryHost, public FileCommandWindow {
public:
    explicit BenchHost(std::string folder) : folder_(std::move(folder)) {}
    ActivityLog& Log() override { return log_; }
    FileCommandWindow& FileCommands() override { return *this; }
    Settings& CurrentSettings() override { return settings_; }
    std::string MovieFolder() const override { return folder_; }
    bool Recursive() const override { return true; }
    void DescribeRun(GenerateRequest& request) override
    {
        request.metadata.seriesTitle = "Library";
        request.metadata.seriesId = "SH991234";
        request.metadata.description = "Recorded";
        request.metadata.parseNames = true;
    }
    bool AskAboutOtherFiles(GenerateRequest&) override { return true; }
    void DeleteMovies(const std::string&, const std::vector<std::string>&) override {}
    FileCommand*& RunningCommand() override { return running_; }
    void ShowFileCommandRunning(bool) override {}
    CWnd& Window() override { return window_; }

private:
    std::string folder_;
    ActivityLog log_;
    Settings settings_;
    FileCommand* running_ = nullptr;
    CWnd window_;
};

double Milliseconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

// The grid painted now, as the user sees it.
void Paint(CLibraryDlg& library)
{
    ::RedrawWindow(library.View(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: library-bench FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0xFF};
    ::InitCommonControlsEx(&controls);
    SilentPrompt prompt;
    SetPrompt(&prompt);
    CWinApp app;
    BenchHost host(argv[1]);
    CDialog::ModalObserver() = [&](CDialog& dialog) {
        auto* library = dynamic_cast<CLibraryDlg*>(&dialog);
        if (!library)
            return;
        // A reload as F5 makes it, the window on the screen: the listing
        // (with its progress), the rows painted, their plan taken in.
        library->SendMessage(WM_COMMAND, ID_LIBRARY_RELOAD);
        library->ReadOwnFilesNow();  // waits for the plan
        Paint(*library);
        const double list = library->LastLoad().listingMs;
        const double firstRows = library->LastLoad().rowsMs;
        const double planned = library->LastLoad().planMs;
        auto start = std::chrono::steady_clock::now();
        const size_t rows = library->Grid().RowCount();
        const int pages = 20;
        for (int i = 0; i < pages; ++i) {
            library->View().SendMessage(LVM_ENSUREVISIBLE, static_cast<int>(rows * (i + 1) / (pages + 1)), FALSE);
            Paint(*library);
        }
        const double scroll = Milliseconds(start) / pages;
        NMLISTVIEW click = {};
        click.hdr = {library->View().m_hWnd, IDC_LIBRARY_GRID, static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iSubItem = 4;  // Show
        library->ReadOwnFilesNow();
        start = std::chrono::steady_clock::now();
        library->SendMessage(WM_NOTIFY, IDC_LIBRARY_GRID, reinterpret_cast<LPARAM>(&click));
        Paint(*library);
        const double sort = Milliseconds(start);
        start = std::chrono::steady_clock::now();
        library->SetDlgItemText(IDC_LIBRARY_FILTER, "show 17");
        Paint(*library);
        const double filter = Milliseconds(start);
        const size_t filtered = library->Grid().Shown().size();
        PROCESS_MEMORY_COUNTERS_EX memory = {};
        memory.cb = sizeof(memory);
        ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                               sizeof(memory));
        std::printf("rows %zu list_ms %.0f first_rows_ms %.0f values_ms %.0f scroll_ms %.1f sort_ms %.0f filter_ms %.0f "
                    "filtered %zu peak_mb %.0f private_mb %.0f\n",
                    rows, list, firstRows, planned, scroll, sort, filter, filtered,
                    memory.PeakWorkingSetSize / 1048576.0, memory.PagefileUsage / 1048576.0);
        library->EndDialog(IDCANCEL);
    };
    CLibraryDlg library(host);
    if (library.DoModal() < 0)
        std::fprintf(stderr, "the Library window could not be made (%lu)\n", ::GetLastError());
    SetPrompt(nullptr);
    return 0;
}
