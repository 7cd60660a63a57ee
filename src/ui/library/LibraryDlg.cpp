#include "ui/library/LibraryDlg.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "core/copy/SizeTexts.h"
#include "core/folders/MovieScanner.h"
#include "core/library/MovieList.h"
#include "core/log/ActivityLog.h"
#include "core/runs/GenerateRun.h"
#include "core/settings/Settings.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/controls/FileCommand.h"
#include "ui/controls/ListingProgress.h"
#include "ui/framework/Prompt.h"

namespace {

// Own files are read while the window waits for the user, a slice at a time.
constexpr UINT_PTR kReadTimer = 1;
constexpr DWORD kReadSliceMs = 30;
// Margins and gaps of the layout, in pixels.
constexpr int kMargin = 8;
constexpr int kGap = 6;

}  // namespace

CLibraryDlg::CLibraryDlg(LibraryHost& host) : CDialog(IDD_LIBRARY), host_(host), planColumns_(grid_) {}

CLibraryDlg::~CLibraryDlg()
{
    if (planning_.Valid())
        planning_.Wait();
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void CLibraryDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_LIBRARY_GRID, view_);
    dx.Control(IDC_LIBRARY_FILTER, filter_);
}

const MessageMap& CLibraryDlg::GetMessageMap() const
{
    using D = CLibraryDlg;
    static const MessageMap map = {
        OnCommand(ID_LIBRARY_WRITE_SELECTED, &D::OnWriteSelected),
        OnCommand(ID_LIBRARY_WRITE_ALL, &D::OnWriteAll),
        OnCommand(ID_LIBRARY_RELOAD, &D::OnReload),
        OnCommand(ID_LIBRARY_DELETE, &D::OnDelete),
        OnCommand(ID_LIBRARY_UNDO, &D::OnUndo),
        OnCommand(ID_LIBRARY_EDIT_CELL, &D::OnEditCell),
        OnCommand(ID_LIBRARY_SET, &D::OnSetForSelected),
        OnCommand(ID_LIBRARY_NUMBER, &D::OnNumberEpisodes),
        OnCommand(ID_LIBRARY_COPY, &D::OnCopy),
        OnCommand(ID_LIBRARY_SELECT_ALL, &D::OnSelectAll),
        OnCommand(ID_LIBRARY_FIND, &D::OnFind),
        OnCommand(ID_LIBRARY_NEXT_COLUMN, &D::OnNextColumn),
        OnCommand(ID_LIBRARY_PREVIOUS_COLUMN, &D::OnPreviousColumn),
        OnCommand(ID_LIBRARY_CLOSE, &D::OnCancel),
        OnControl(EN_CHANGE, IDC_LIBRARY_FILTER, &D::OnFilterChange),
        OnNotify(LVN_COLUMNCLICK, IDC_LIBRARY_GRID, &D::OnColumnClick),
        OnNotify(NM_DBLCLK, IDC_LIBRARY_GRID, &D::OnDoubleClick),
        OnNotify(LVN_ITEMCHANGED, IDC_LIBRARY_GRID, &D::OnSelectionChange),
        OnNotify(LVN_ODSTATECHANGED, IDC_LIBRARY_GRID, &D::OnSelectionChange),
        OnMessage(WM_SIZE, &D::OnSizeMessage),
        OnMessage(WM_GETMINMAXINFO, &D::OnMinMaxInfo),
        OnMessage(WM_TIMER, &D::OnTimerMessage),
        OnMessage(WM_CONTEXTMENU, &D::OnContextMenu),
        OnMessage(WM_INITMENUPOPUP, &D::OnInitMenuPopup),
    };
    return map;
}

BOOL CLibraryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    keys_ = ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_LIBRARY_KEYS));
    HMENU menu = ::GetMenu(m_hWnd);
    if (menu)
        AddColumnItems(::GetSubMenu(menu, 2));
    view_.Attach(grid_, planColumns_);
    const Settings& settings = host_.CurrentSettings();
    view_.SetUp(ColumnWidthsOf(settings.LibraryColumns));
    // Where the user left it, when that is still on a screen.
    int x = 0, y = 0, width = 0, height = 0;
    char max[4] = "";
    const int read = std::sscanf(settings.LibraryPlacement.c_str(), "%d,%d,%d,%d,%3s", &x, &y, &width, &height, max);
    RECT wanted = {x, y, x + width, y + height};
    if (read >= 4 && width >= 200 && height >= 150 && ::MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL)) {
        WINDOWPLACEMENT place = {};
        place.length = sizeof(place);
        ::GetWindowPlacement(m_hWnd, &place);
        place.rcNormalPosition = wanted;
        place.showCmd = std::string(max) == "max" ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        ::SetWindowPlacement(m_hWnd, &place);
    } else {
        CenterWindow();
    }
    Layout();
    Load();
    ::SetFocus(view_);
    return FALSE;
}

void CLibraryDlg::Load()
{
    ++generation_;
    cellEditor_.Close(false);
    // The plan under way reads the rows that are about to go.
    if (planning_.Valid())
        planning_.Get();
    // The old rows go before the new ones come: a library of 100,000
    // movies is not held twice.
    view_.SetItemState(-1, 0, LVIS_SELECTED);
    grid_.Clear();
    view_.RowsChanged();
    const std::string folder = host_.MovieFolder();
    std::vector<MovieListing> movies;
    CWaitCursor wait;
    const double began = NowMilliseconds();
    if (!host_.Recursive() || !ListMoviesShowingProgress(folder, host_.Log(), m_hWnd, movies))
        movies = ListMoviesWithMetadata(folder);
    listed_ = NowMilliseconds();
    lastLoad_ = LoadTimes();
    lastLoad_.listingMs = listed_ - began;
    GenerateRequest request;
    host_.DescribeRun(request);
    // The rows show at once; their plan (the names read, the shows
    // settled) comes from a thread of its own while the window answers.
    grid_.Load(folder, std::move(movies), request.metadata, request.metaFolder, false);
    plannedWith_ = grid_.Edits();
    planning_.Start([this] {
        return PlanLibrary(grid_.Folder(), grid_.Entries(), grid_.Template(), &plannedWith_, false);
    });
    planColumns_.SetRunOptions(request.replaceExisting, request.otherFiles);
    planColumns_.ForgetAll();
    view_.RowsChanged();
    SetWindowText("Library - " + folder);
    readingOwnFiles_ = true;
    ::SetTimer(m_hWnd, kReadTimer, 10, nullptr);
    UpdateStatus();
    ::UpdateWindow(view_);
    lastLoad_.rowsMs = NowMilliseconds() - listed_;
}

void CLibraryDlg::TakePlanWhenMade(bool wait)
{
    if (!planning_.Valid() || (!wait && !planning_.Ready()))
        return;
    CWaitCursor waiting;
    grid_.TakePlan(planning_.Get(), plannedWith_);
    lastLoad_.planMs = NowMilliseconds() - listed_;
    plannedWith_ = PlanEdits();
    planColumns_.ForgetAll();
    if (grid_.SortColumn())
        grid_.Sort(*grid_.SortColumn(), grid_.Ascending());
    view_.Redraw();
    UpdateStatus();
}

void CLibraryDlg::ReadOwnFilesNow()
{
    TakePlanWhenMade(true);
    while (grid_.ReadMoreOwnFiles(grid_.RowCount()))
        ;
    readingOwnFiles_ = false;
    ::KillTimer(m_hWnd, kReadTimer);
    UpdateStatus();
}

LRESULT CLibraryDlg::OnTimerMessage(WPARAM id, LPARAM)
{
    if (id != kReadTimer)
        return 0;
    TakePlanWhenMade(false);
    const DWORD start = ::GetTickCount();
    bool more = true;
    while (more && ::GetTickCount() - start < kReadSliceMs)
        more = grid_.ReadMoreOwnFiles(16);
    if (!more && !planning_.Valid()) {
        readingOwnFiles_ = false;
        ::KillTimer(m_hWnd, kReadTimer);
        UpdateStatus();
    }
    return 0;
}

void CLibraryDlg::Layout()
{
    const RECT client = GetClientRect();
    const auto rectOf = [&](int id) {
        RECT rect;
        ::GetWindowRect(GetDlgItem(id), &rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const RECT filter = rectOf(IDC_LIBRARY_FILTER);
    const RECT button = rectOf(IDCANCEL);
    const int buttonHeight = button.bottom - button.top;
    const int buttonTop = client.bottom - kMargin - buttonHeight;
    const int gridTop = filter.bottom + kGap;
    ::SetWindowPos(GetDlgItem(IDC_LIBRARY_STATUS), nullptr, filter.right + 2 * kGap, filter.top + 2,
                   std::max<int>(client.right - kMargin - filter.right - 2 * kGap, 10), filter.bottom - filter.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(view_, nullptr, kMargin, gridTop, std::max<int>(client.right - 2 * kMargin, 10),
                   std::max<int>(buttonTop - kGap - gridTop, 10), SWP_NOZORDER | SWP_NOACTIVATE);
    // The edit buttons keep to the left, the write buttons and Close to the right.
    int left = kMargin;
    for (int id : {ID_LIBRARY_SET, ID_LIBRARY_NUMBER, ID_LIBRARY_UNDO}) {
        const RECT rect = rectOf(id);
        ::SetWindowPos(GetDlgItem(id), nullptr, left, buttonTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        left += rect.right - rect.left + kGap;
    }
    int right = client.right - kMargin;
    for (int id : {IDCANCEL, ID_LIBRARY_WRITE_ALL, ID_LIBRARY_WRITE_SELECTED}) {
        const RECT rect = rectOf(id);
        right -= rect.right - rect.left;
        ::SetWindowPos(GetDlgItem(id), nullptr, right, buttonTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        right -= kGap + (id == IDCANCEL ? 2 * kGap : 0);
    }
}

LRESULT CLibraryDlg::OnSizeMessage(WPARAM, LPARAM)
{
    cellEditor_.Close(true);
    Layout();
    return 0;
}

LRESULT CLibraryDlg::OnMinMaxInfo(WPARAM, LPARAM lp)
{
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    info->ptMinTrackSize = {560, 300};
    return 0;
}

void CLibraryDlg::UpdateStatus()
{
    const size_t edited = grid_.Edits().Count();
    std::string status = FormatText("%s movies", FormatThousands(static_cast<int64_t>(grid_.RowCount())).c_str());
    if (grid_.Shown().size() != grid_.RowCount())
        status += FormatText(", %s shown", FormatThousands(static_cast<int64_t>(grid_.Shown().size())).c_str());
    if (const int selected = view_.GetSelectedCount())
        status += FormatText(", %s selected", FormatThousands(selected).c_str());
    if (edited > 0)
        status += FormatText(" - %s with edits not written", FormatThousands(static_cast<int64_t>(edited)).c_str());
    if (planning_.Valid())
        status += " - reading their names...";
    else if (readingOwnFiles_)
        status += " - reading their metadata files...";
    SetDlgItemText(IDC_LIBRARY_STATUS, status);
    ::EnableWindow(GetDlgItem(ID_LIBRARY_UNDO), grid_.CanUndo());
}

bool CLibraryDlg::Busy()
{
    // Every command that asks whether another runs needs the plan too.
    TakePlanWhenMade(true);
    return host_.FileCommands().RunningCommand() != nullptr;
}

void CLibraryDlg::ShowProblem(const std::string& problem, const char* caption)
{
    ThePrompt().ShowMessage(m_hWnd, problem, caption, MB_OK | MB_ICONEXCLAMATION);
}

void CLibraryDlg::OnSelectAll()
{
    view_.SelectAll();
    UpdateStatus();
}

void CLibraryDlg::OnFind()
{
    ::SetFocus(filter_);
    filter_.SendMessage(EM_SETSEL, 0, -1);
}

void CLibraryDlg::OnNextColumn()
{
    view_.MoveCurrentColumn(1);
}

void CLibraryDlg::OnPreviousColumn()
{
    view_.MoveCurrentColumn(-1);
}

void CLibraryDlg::OnFilterChange()
{
    if (!view_.m_hWnd)
        return;
    cellEditor_.Close(true);
    TakePlanWhenMade(true);
    CWaitCursor wait;
    grid_.Filter(filter_.GetWindowText());
    view_.SetItemState(-1, 0, LVIS_SELECTED);
    view_.RowsChanged();
    UpdateStatus();
}

LRESULT CLibraryDlg::OnColumnClick(NMHDR* header)
{
    const auto* list = reinterpret_cast<NMLISTVIEW*>(header);
    const std::vector<GridColumn>& columns = view_.ShownColumns();
    if (list->iSubItem < 0 || static_cast<size_t>(list->iSubItem) >= columns.size())
        return 0;
    const GridColumn column = columns[static_cast<size_t>(list->iSubItem)];
    // The two columns that read files are made for the rows on screen alone.
    if (column == GridColumn::Sources || column == GridColumn::Generate)
        return 0;
    cellEditor_.Close(true);
    TakePlanWhenMade(true);
    CWaitCursor wait;
    // The rows selected stay selected where the sort puts them.
    const std::vector<RowId> selected = view_.SelectedRows();
    const bool ascending = grid_.SortColumn() != column || !grid_.Ascending();
    grid_.Sort(column, ascending);
    view_.SetItemState(-1, 0, LVIS_SELECTED);
    if (!selected.empty()) {
        std::vector<bool> wasSelected(grid_.RowCount(), false);
        for (RowId row : selected)
            wasSelected[row] = true;
        const std::vector<RowId>& shown = grid_.Shown();
        for (size_t at = 0; at < shown.size(); ++at) {
            if (wasSelected[shown[at]])
                view_.SetItemState(static_cast<int>(at), LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    view_.RowsChanged();
    UpdateStatus();
    return 0;
}

LRESULT CLibraryDlg::OnSelectionChange(NMHDR*)
{
    UpdateStatus();
    return 0;
}

void CLibraryDlg::OnReload()
{
    if (Busy())
        return;
    Load();
}

void CLibraryDlg::OnDelete()
{
    if (Busy())
        return;
    std::vector<std::string> names;
    for (RowId row : view_.SelectedRows())
        names.push_back(grid_.Entry(row));  // by name, before any question
    if (names.empty())
        return;
    host_.DeleteMovies(grid_.Folder(), names);
    changedFiles_ = true;
    Load();
}

void CLibraryDlg::AddColumnItems(HMENU menu) const
{
    for (int i = 0; i < kGridColumnCount; ++i)
        ::AppendMenuW(menu, MF_STRING, ID_LIBRARY_COLUMN + i, Widen(ColumnInfo(static_cast<GridColumn>(i)).heading).c_str());
}

LRESULT CLibraryDlg::OnInitMenuPopup(WPARAM wp, LPARAM)
{
    HMENU popup = reinterpret_cast<HMENU>(wp);
    const bool selected = view_.GetSelectedCount() > 0;
    const bool idle = !Busy();
    const auto enable = [popup](UINT command, bool on) {
        ::EnableMenuItem(popup, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    enable(ID_LIBRARY_UNDO, grid_.CanUndo() && idle);
    for (UINT command : {ID_LIBRARY_WRITE_SELECTED, ID_LIBRARY_DELETE, ID_LIBRARY_SET, ID_LIBRARY_NUMBER})
        enable(command, selected && idle);
    enable(ID_LIBRARY_COPY, selected);
    enable(ID_LIBRARY_WRITE_ALL, grid_.RowCount() > 0 && idle);
    enable(ID_LIBRARY_RELOAD, idle);
    for (int i = 0; i < kGridColumnCount; ++i)
        ::CheckMenuItem(popup, ID_LIBRARY_COLUMN + i,
                        MF_BYCOMMAND | (view_.IsShown(static_cast<GridColumn>(i)) ? MF_CHECKED : MF_UNCHECKED));
    return 0;
}

LRESULT CLibraryDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    // The columns' items: one command each.
    const int id = LOWORD(wp);
    if (msg == WM_COMMAND && HIWORD(wp) == 0 && id >= ID_LIBRARY_COLUMN && id < ID_LIBRARY_COLUMN + kGridColumnCount) {
        view_.ToggleColumn(static_cast<GridColumn>(id - ID_LIBRARY_COLUMN));
        view_.RowsChanged();
        return 0;
    }
    return CDialog::WindowProc(msg, wp, lp);
}

LRESULT CLibraryDlg::OnContextMenu(WPARAM wp, LPARAM lp)
{
    POINT at = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    HWND header = reinterpret_cast<HWND>(view_.SendMessage(LVM_GETHEADER));
    HMENU menu = ::CreatePopupMenu();
    if (reinterpret_cast<HWND>(wp) == header) {
        AddColumnItems(menu);
    } else {
        const std::pair<UINT, const char*> items[] = {
            {ID_LIBRARY_EDIT_CELL, "Edit Cell\tF2"},
            {ID_LIBRARY_SET, "Set for Selected...\tCtrl+E"},
            {ID_LIBRARY_NUMBER, "Number Episodes...\tCtrl+N"},
            {ID_LIBRARY_COPY, "Copy Rows\tCtrl+C"},
            {ID_LIBRARY_WRITE_SELECTED, "Write Selected\tCtrl+W"},
            {ID_LIBRARY_DELETE, "Delete Selected Movies...\tDel"},
        };
        for (const auto& [command, text] : items)
            ::AppendMenuW(menu, MF_STRING, command, Widen(text).c_str());
    }
    if (at.x == -1 && at.y == -1) {  // the menu key: at the focused row
        const RECT cell = view_.CellRect(std::max(view_.FocusedPosition(), 0), view_.CurrentColumn());
        at = {cell.left, cell.bottom};
        ::ClientToScreen(view_, &at);
    }
    ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
    ::DestroyMenu(menu);
    return 0;
}

bool CLibraryDlg::PreTranslateMessage(MSG& msg)
{
    if (!keys_ || msg.message != WM_KEYDOWN || cellEditor_.IsOpen())
        return false;
    // In the filter box the editing keys are the box's.
    if (msg.hwnd == filter_.m_hWnd) {
        const bool control = ::GetKeyState(VK_CONTROL) < 0;
        if (msg.wParam == VK_DELETE || msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT ||
            (control && (msg.wParam == 'A' || msg.wParam == 'C' || msg.wParam == 'Z' || msg.wParam == 'X' ||
                         msg.wParam == 'V')))
            return false;
    }
    return ::TranslateAcceleratorW(m_hWnd, keys_, &msg) != 0;
}

void CLibraryDlg::OnOK()
{
    if (::GetFocus() == filter_.m_hWnd)
        ::SetFocus(view_);
    else
        OnEditCell();
}

void CLibraryDlg::OnCancel()
{
    if (closed_)
        return;
    // A run is stopped first; the window stays until it has ended.
    if (FileCommand* running = host_.FileCommands().RunningCommand()) {
        running->Cancel();
        return;
    }
    cellEditor_.Close(true);
    TakePlanWhenMade(true);
    if (!grid_.Edits().Empty()) {
        const int answer = ThePrompt().ShowMessage(
            m_hWnd,
            FormatText("%d movies have edits that are not written to their metadata files.\n\n"
                       "Write them now? (No drops the edits.)",
                       static_cast<int>(grid_.Edits().Count())),
            "Edits Not Written", MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES) {
            WriteRows(grid_.EditedRows());
            if (!grid_.Edits().Empty())
                return;  // what was not written stays in sight
        }
    }
    KeepSettings();
    ::KillTimer(m_hWnd, kReadTimer);
    closed_ = true;
    EndDialog(IDCANCEL);
}

void CLibraryDlg::KeepSettings()
{
    Settings& settings = host_.CurrentSettings();
    settings.LibraryColumns = ColumnWidthsText(view_.Widths());
    WINDOWPLACEMENT place = {};
    place.length = sizeof(place);
    if (::GetWindowPlacement(m_hWnd, &place)) {
        const RECT& r = place.rcNormalPosition;
        settings.LibraryPlacement = FormatText("%ld,%ld,%ld,%ld%s", r.left, r.top, r.right - r.left, r.bottom - r.top,
                                               place.showCmd == SW_SHOWMAXIMIZED ? ",max" : "");
    }
}
