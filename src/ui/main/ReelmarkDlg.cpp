#include "ui/main/ReelmarkDlg.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdarg>

#include "core/copy/SizeTexts.h"
#include "core/files/LogFile.h"
#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "core/folders/MovieScanner.h"
#include "core/runs/GenerateLookup.h"
#include "core/runs/GenerateRun.h"
#include "platform/HomeFolder.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"
#include "ui/framework/Prompt.h"
#include "ui/library/LibraryDlg.h"
#include "ui/main/MetadataEditorDlg.h"
#include "ui/main/OutsidePrograms.h"
#include "ui/main/SettingsDlg.h"

namespace {

constexpr COLORREF kToolbarKeyColor = RGB(192, 1, 0);
// The start's fill, posted once the window shows.
constexpr UINT kStartMessage = WM_APP + 20;
// The tree waits for its read-ahead this often.
constexpr UINT_PTR kTreeTimer = 20;

// Moves every child of the window down by dy pixels.
void MoveChildrenDown(HWND parent, HWND except, int dy)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == except)
            continue;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        SetWindowPos(child, nullptr, rect.left, rect.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The window's rows followed by those of its template panel.
MessageMap WithTemplatePanelRows(MessageMap rows)
{
    TemplatePanel::AddMessageRows(
        rows, [](CWnd& w) -> TemplatePanel& { return static_cast<CReelmarkDlg&>(w).Template(); });
    return rows;
}

}  // namespace

CReelmarkDlg::CReelmarkDlg(CWnd* parent)
    : CDialog(IDD_REELMARK, parent),
      homeFolder_(HomeFolder()),
      logPath_(homeFolder_ + "\\" + kLogFileName),
      logFile_(logPath_),
      settings_(log_, homeFolder_ + "\\" + kIniFileName),
      writtenFiles_(homeFolder_ + "\\" + kWrittenFilesName),
      template_(settings_.Values(), {[this] { return MovieFolder(); },
                                     [this](const std::string& name) { SelectFolderNode(name); },
                                     [this] { RefreshCommandStates(); }}),
      movieList_(*this, log_),
      folderTree_(*this, log_)
{
    CSplashWnd::EnableSplash(true);
    splash_.versionText = kReelmarkVersion;
    icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                          IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    LoadLogFile(log_, logPath_);
    log_.SetListener([this](const std::string& line) {
        // A failure shows at close, when the whole file is written.
        SystemError error = 0;
        logAppendFailed_ = !logFile_.Append(line, error) || logAppendFailed_;
    });
    // What a run that was cut short while saving left behind.
    WorkFolder(homeFolder_).RemoveLeftovers(log_);
    settings_.SetDefaultSettings();
}

CReelmarkDlg::~CReelmarkDlg()
{
    // The window (and with it the tree's references to the records) goes first.
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

int CReelmarkDlg::AddLogEntry(const std::string& caption, LogSeverity severity, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int result = log_.AddLogEntryV(caption, severity, format, args);
    va_end(args);
    return result;
}

void CReelmarkDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_MOVIE_FOLDER, movieFolder_);
    movieList_.DoDataExchange(dx);
    dx.Control(IDC_GENERATE, generate_);
    dx.Control(IDC_EDIT_META, editMeta_);
    dx.Control(IDC_CLEAR_SELECT, clearSelect_);
    dx.Control(IDC_SELECT_ALL, selectAll_);
    folderTree_.DoDataExchange(dx);
    dx.Control(IDC_DELETE_SELECTED, deleteSelected_);
    template_.BindControls(dx);
}

const MessageMap& CReelmarkDlg::GetMessageMap() const
{
    using D = CReelmarkDlg;
    static const MessageMap map = WithTemplatePanelRows({
        OnMessage(WM_CLOSE, &D::OnCloseMessage),
        OnMessage(WM_INITMENUPOPUP, &D::OnInitMenuPopup),
        OnMessage(WM_PAINT, &D::OnPaintMessage),
        OnMessage(WM_QUERYDRAGICON, &D::OnQueryDragIcon),
        OnMessage(kStartMessage, &D::OnStartMessage),
        OnMessage(WM_TIMER, &D::OnTimerMessage),
        OnCommand(ID_FILE_SELECT_FOLDER, &D::OnBrowseFolders),
        OnCommand(ID_APP_EXIT, &D::OnExit),
        OnCommand(IDC_BROWSE_FOLDERS, &D::OnBrowseFolders),
        OnCommand(IDC_GENERATE, &D::OnGenerate),
        OnCommand(IDC_RECURSIVE, &D::OnRecursiveClick),
        OnCommand(IDC_CLEAR_SELECT, &D::OnClearSelect),
        OnCommand(IDC_SELECT_ALL, &D::OnSelectAll),
        OnControl(LBN_SELCHANGE, IDC_MOVIE_LIST, &D::OnListSelChange),
        OnNotify(TVN_SELCHANGEDW, IDC_FOLDER_TREE, &D::OnTreeSelChanged),
        OnNotify(NM_CUSTOMDRAW, IDC_FOLDER_TREE, &D::OnTreeCustomDraw),
        OnCommand(IDC_RESET_TREE, &D::OnResetTree),
        OnCommand(IDC_DELETE_SELECTED, &D::OnDeleteSelected),
        OnCommand(ID_DELETE_FOR_GOOD, &D::OnDeleteForGood),
        OnCommand(ID_UNDO_LAST_RUN, &D::OnUndoLastRun),
        OnMessage(WM_VKEYTOITEM, &D::OnListKey),
        OnCommand(IDC_EDIT_META, &D::OnEditMetadata),
        OnCommand(ID_TIVO_VIEW, &D::OnTiVoView),
        OnControl(LBN_DBLCLK, IDC_MOVIE_LIST, &D::OnTiVoView),
        OnCommand(ID_OPTIONS, &D::OnOptions),
        OnCommand(ID_VIEW_LOG, &D::OnViewLog),
        OnCommand(ID_LAUNCH_PYTIVO, &D::OnLaunchPyTivo),
        OnCommand(ID_HELP_INDEX, &D::OnHelpIndex),
        // F1 anywhere (a control or a dialog of ours passes WM_HELP up to
        // its parent or owner) and the application's Help command.
        OnMessage(WM_HELP, &D::OnHelpMessage),
        OnCommand(ID_HELP, &D::OnHelpIndex),
        OnCommand(ID_APP_ABOUT, &D::OnAbout),
        OnCommand(ID_COPY_MOVIES, &D::OnCopyMovies),
        OnCommand(ID_LIBRARY, &D::OnLibrary),
    });
    return map;
}

void CReelmarkDlg::OnCopyMovies()
{
    if (runningCommand_)
        return;
    CCopyMoviesToFolderDlg dialog(*this);
    dialog.DoModal();
}

void CReelmarkDlg::OnLibrary()
{
    if (runningCommand_ || movieList_.Filling())
        return;
    SyncFromControls();
    CLibraryDlg library(*this);
    library.DoModal();
    if (library.ChangedFiles())
        OnResetTree();
}

bool CReelmarkDlg::PreTranslateMessage(MSG& msg)
{
    return keys_ && msg.message == WM_KEYDOWN && ::TranslateAcceleratorW(m_hWnd, keys_, &msg) != 0;
}

BOOL CReelmarkDlg::OnInitDialog()
{
    // The window exists now: the start-up splash shows over it.
    splash_.versionText = kReelmarkVersion;
    splash_.ShowSplash(2, this);

    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    statusLog_ = std::make_unique<CStatusLogDlg>(log_, this);
    statusLog_->Create(IDD_STATUS_LOG, this);
    statusLog_->ShowWindow(SW_HIDE);

    if (!CreateToolBar())
        EndDialog(IDCANCEL);  // the window closes before it is ever used

    if (menu_.LoadMenu(IDR_MAINMENU))
        menu_.AttachTo(m_hWnd);
    keys_ = ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_KEYS));

    generate_.EnableWindow(FALSE);
    clearSelect_.EnableWindow(FALSE);
    selectAll_.EnableWindow(FALSE);
    editMeta_.EnableWindow(FALSE);

    folderTree_.LoadImages();

    helpFiles_ = WriteHelpFiles(log_, homeFolder_);
    settings_.LoadSettings();
    FillControlsFromSettings();
    movieList_.Init();
    movieList_.SetRecursive(CurrentSettings().Recursive == "true");
    // What an editor save that was cut short left in the movie folder (or
    // its .meta), as far as it is proven the program's own.
    RemoveSaveLeftovers(log_, MovieFolder());

    template_.TakeLayoutFromSeriesType();
    template_.RefreshPreview();
    folderTree_.ReadAhead();
    // The list fills and the tree is built once the window shows: a big
    // library takes a while, and the window answers meanwhile.
    startPending_ = true;
    treePending_ = true;
    PostMessage(kStartMessage);
    template_.OnStarRatingChange();
    template_.WrapText();

    SetWindowText(std::string("Reelmark [ver ") + kReelmarkVersion + "] - metadata for pyTivo and TiVo");
    template_.OnIsEpisodeClick();
    return FALSE;
}

LRESULT CReelmarkDlg::OnStartMessage(WPARAM, LPARAM)
{
    CompleteStart(false);
    return 0;
}

void CReelmarkDlg::CompleteStart(bool waitForTree)
{
    if (!startPending_ || closing_)
        return;
    startPending_ = false;
    FillMovieList();
    if (!treePending_)
        return;  // a folder switch built it meanwhile
    if (waitForTree || folderTree_.ReadAheadDone())
        RebuildTree();
    else
        ::SetTimer(m_hWnd, kTreeTimer, 100, nullptr);
}

LRESULT CReelmarkDlg::OnTimerMessage(WPARAM id, LPARAM)
{
    if (id != kTreeTimer || (treePending_ && !folderTree_.ReadAheadDone()))
        return 0;
    ::KillTimer(m_hWnd, kTreeTimer);
    if (treePending_ && !closing_)
        RebuildTree();
    return 0;
}

bool CReelmarkDlg::CreateToolBar()
{
    if (!toolBar_.CreateEx(this) || !toolBar_.LoadToolBar(IDR_TOOLBAR) ||
        !toolBar_.LoadImages(IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_DISABLED, IDB_TOOLBAR_HOT, kToolbarKeyColor))
        return false;
    int height = toolBar_.Height();
    MoveChildrenDown(m_hWnd, toolBar_, height);
    RECT window = GetWindowRect();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    toolBar_.SendMessage(TB_AUTOSIZE);
    return true;
}

void CReelmarkDlg::FillControlsFromSettings()
{
    const Settings& s = CurrentSettings();
    movieFolder_.SetWindowText(s.TargetDir);
    template_.FillFromSettings();
}

void CReelmarkDlg::RefreshCommandStates()
{
    // Commands that change files wait while one of them runs, and those of
    // the list while it fills.
    const bool filling = movieList_.Filling();
    const bool running = runningCommand_ != nullptr || filling;
    const bool hasEntries = movieList_.GetCount() > 0;
    generate_.EnableWindow(hasEntries && !running);
    selectAll_.EnableWindow(hasEntries && !filling);
    const bool hasSelection = movieList_.GetSelCount() > 0;
    editMeta_.EnableWindow(movieList_.GetSelCount() == 1 && !running);
    clearSelect_.EnableWindow(hasSelection && !filling);
    deleteSelected_.EnableWindow(hasSelection && !running);
    toolBar_.EnableButton(ID_LAUNCH_PYTIVO, IsPyTivoAvailable(CurrentSettings().PythonLoc));
}

void CReelmarkDlg::OnBrowseFolders()
{
    std::string chosen = ChooseMovieFolder(m_hWnd, MovieFolder());
    if (!chosen.empty())
        SwitchFolder(chosen, true);
}

void CReelmarkDlg::SwitchFolder(const std::string& path, bool rebuildTree)
{
    AddLogEntry("", LogSeverity::Information, "Switching to new folder directory: %s", path.c_str());
    CurrentSettings().TargetDir = path;
    movieFolder_.SetWindowText(path);
    // The old tree shows another parent's folders: its node of the same name
    // must not be acted on (and warn about its counts) before the rebuild.
    if (rebuildTree)
        folderTree_.Clear();
    SeriesTitleFromFolder();
    if (rebuildTree)
        RebuildTree();
    FillMovieList();
    Invalidate();
}

LRESULT CReelmarkDlg::OnInitMenuPopup(WPARAM wp, LPARAM)
{
    HMENU popup = reinterpret_cast<HMENU>(wp);
    auto enable = [popup](UINT command, bool on) {
        ::EnableMenuItem(popup, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    const bool filling = movieList_.Filling();
    enable(IDC_GENERATE, movieList_.GetCount() > 0 && !runningCommand_ && !filling);
    enable(ID_COPY_MOVIES, !runningCommand_);
    enable(ID_LIBRARY, !runningCommand_ && !filling);
    enable(ID_TIVO_VIEW, movieList_.GetSelCount() == 1 && !filling);
    enable(IDC_DELETE_SELECTED, movieList_.GetSelCount() > 0 && !runningCommand_ && !filling);
    enable(ID_DELETE_FOR_GOOD, movieList_.GetSelCount() > 0 && !runningCommand_ && !filling);
    enable(ID_UNDO_LAST_RUN, !runningCommand_);
    enable(ID_LAUNCH_PYTIVO, IsPyTivoAvailable(CurrentSettings().PythonLoc));
    return 0;
}

LRESULT CReelmarkDlg::OnPaintMessage(WPARAM, LPARAM)
{
    if (!::IsIconic(m_hWnd)) {
        DefWindowProc(WM_PAINT, 0, 0);
        return 0;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
    RECT client = GetClientRect();
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, icon_);
    return 0;
}

LRESULT CReelmarkDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(icon_);
}

void CReelmarkDlg::OnGenerate()
{
    // The list is not whole while it fills.
    if (movieList_.Filling())
        return;
    FileCommand run(*this, "Generating metadata files");
    if (run.Refused())
        return;
    GenerateRequest request;
    request.folder = MovieFolder();
    request.entries = movieList_.Entries();
    DescribeRun(request);
    if (!AskAboutOtherFiles(request))
        return;
    std::vector<UnmatchedTitle> toChoose;
    if (CurrentSettings().Lookup == "true" && !LookUp(request, run, toChoose))
        return;
    const int count = static_cast<int>(request.entries.size());
    request.progress = [&run, count](int done, const std::string& moviePath) {
        if (done == count) {
            run.Finish();
            return true;
        }
        return run.Next(done, count, FileNameOf(moviePath, true));
    };
    const GenerateResult result = RunGenerate(request, log_);
    if (!result.refused)
        OnResetTree();
    if (!result.refused && !toChoose.empty())
        OfferChoices(toChoose);
}

void CReelmarkDlg::DescribeRun(GenerateRequest& request)
{
    template_.DescribeRun(request);
    request.undoJournal = UndoJournalLimits(CurrentSettings());
    request.written = &writtenFiles_;
}

bool CReelmarkDlg::AskAboutOtherFiles(GenerateRequest& request)
{
    // The planning reads every folder once more: only where the list showed
    // metadata from other files can the whole template hide any of it.
    if (request.otherFiles != OtherFiles::WholeTemplate || !movieList_.AnyOtherSources())
        return true;
    std::string refusal;
    int movies = 0;
    int values = 0;
    for (const PlannedWrite& write : PlanGenerate(request, refusal)) {
        const int hidden = write.skipped ? 0 : CountKeys(write.keys).hides;
        movies += hidden > 0 ? 1 : 0;
        values += hidden;
    }
    if (movies == 0)
        return true;
    const int answer = ThePrompt().ShowMessage(
        WindowInUse(),
        FormatText("Other files pyTivo reads (a .nfo, a default.txt) describe %d of the movies. The whole "
                   "template would hide %d of their values on the TiVo.\n\n"
                   "Yes: add only what they lack\nNo: write the whole template over them\nCancel: write nothing",
                   movies, values),
        "Other Files Describe These Movies", MB_YESNOCANCEL | MB_ICONQUESTION);
    const char* chosen = answer == IDYES  ? "add only what they lack"
                         : answer == IDNO ? "write the whole template over them"
                                          : "write nothing";
    AddLogEntry("", LogSeverity::Information,
                "The whole template would hide %d values of other files for %d movies; the answer: %s.", values,
                movies, chosen);
    if (answer == IDYES)
        request.otherFiles = OtherFiles::AddWhatTheyLack;
    return answer == IDYES || answer == IDNO;
}

void CReelmarkDlg::OnResetTree()
{
    movieFolder_.SetWindowText(CurrentSettings().TargetDir);
    FillMovieList();
    SeriesTitleFromFolder();
    RebuildTree();
}

void CReelmarkDlg::OnSelectAll()
{
    if (movieList_.Filling())
        return;
    movieList_.SelectAll(true);
    SyncFromControls();
}

void CReelmarkDlg::OnClearSelect()
{
    movieList_.SelectAll(false);
    SyncFromControls();
}

void CReelmarkDlg::OnListSelChange()
{
    SyncFromControls();
}

void CReelmarkDlg::OnRecursiveClick()
{
    FillMovieList();
    SyncFromControls();
    // The tree's counts follow the tick too.
    RebuildTree();
}

void CReelmarkDlg::MovieListFilled(int count)
{
    // A cancelled walk clears the tick: the settings follow the box.
    CurrentSettings().Recursive = movieList_.Recursive() ? "true" : "false";
    if (count == 0)
        return;
    generate_.EnableWindow(!runningCommand_);
    clearSelect_.EnableWindow(TRUE);
    selectAll_.EnableWindow(TRUE);
}

void CReelmarkDlg::ShowFileCommandRunning(bool running)
{
    for (UINT command : {UINT(IDC_GENERATE), UINT(ID_COPY_MOVIES), UINT(ID_LIBRARY)})
        toolBar_.EnableButton(command, !running);
    SyncFromControls();
    if (!running && closeAfterRun_)
        PostMessage(WM_CLOSE);
}

void CReelmarkDlg::FoldersChanged()
{
    RebuildTree();
    OnResetTree();
}

void CReelmarkDlg::OnOptions()
{
    if (!EditSetup(CurrentSettings()))
        return;
    SyncFromControls();
    // The plan lines follow names read, the ".meta" folder and the choice
    // for movies that other files describe.
    FillMovieList();
}

void CReelmarkDlg::OnViewLog()
{
    statusLog_->logText = log_.Text();
    statusLog_->ShowWindow(SW_SHOW);
}

void CReelmarkDlg::OnLaunchPyTivo()
{
    const std::string& script = CurrentSettings().PythonLoc;
    const std::string problem = PyTivoLaunchProblem(script);
    if (!problem.empty())
        AddLogEntry("PyTivo Not Started", LogSeverity::Error, "%s", problem.c_str());
    else
        LaunchPyTivo(script);
}

void CReelmarkDlg::OnHelpIndex()
{
    // The folder the help files were written to at start.
    ShowHelpDocument(ParentFolderOf(helpFiles_.viewer));
}

LRESULT CReelmarkDlg::OnHelpMessage(WPARAM, LPARAM)
{
    OnHelpIndex();
    return TRUE;
}

void CReelmarkDlg::OnAbout()
{
    splash_.versionText = kReelmarkVersion;
    splash_.ShowSplash(0, this);
}

void CReelmarkDlg::OnExit()
{
    SendMessage(WM_CLOSE);
}

void CReelmarkDlg::OnOK() {}

void CReelmarkDlg::OnCancel()
{
    // Escape stops a run first; with none, it closes the window.
    if (runningCommand_)
        CancelRunningCommand();
    else
        OnClose();
}

LRESULT CReelmarkDlg::OnCloseMessage(WPARAM, LPARAM)
{
    OnClose();
    return 0;
}

void CReelmarkDlg::OnClose()
{
    // A run is stopped after the file at hand; the window closes when it
    // has ended.
    if (runningCommand_) {
        CancelRunningCommand();
        closeAfterRun_ = true;
        return;
    }
    if (closing_)
        return;
    closing_ = true;
    movieList_.StopFill();
    SyncFromControls();
    settings_.SaveSettings();
    unsigned long error = 0;
    logFile_.Close();
    // The file holds every line as it came, and the lines of other programs
    // that write it meanwhile: it keeps its last ones that hold text, as
    // many as the log shows. When a line could not be added, the user erased
    // the log, or the file has gone, it is written whole. Either way in
    // place, so that a watch that holds the file keeps writing into it.
    const size_t lines = static_cast<size_t>(std::count(log_.Text().begin(), log_.Text().end(), '\n'));
    const bool kept = !logAppendFailed_ && !log_.Replaced() &&
                      TrimLogFile(logPath_, std::max<size_t>(lines, kLogLinesKept));
    if (!kept && !SaveLogFile(log_, logPath_, &error))
        ThePrompt().ShowMessage(
            m_hWnd,
            FormatText("Could not save the log: %s\n%s", logPath_.c_str(), SystemErrorText(error).c_str()),
            "Log Not Saved", MB_OK | MB_ICONERROR);
    statusLog_.reset();
    folderTree_.Clear();
    EndDialog(IDCANCEL);
}
