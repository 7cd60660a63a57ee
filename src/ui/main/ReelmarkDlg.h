#pragma once
// The main window: holds every panel and all state of the running program
// (settings, template, log, folder tree records, copy list) and runs the
// command table.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/copy/CopyListEntry.h"
#include "core/files/LogFileAppender.h"
#include "core/files/WrittenFiles.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataFormat.h"
#include "core/settings/Settings.h"
#include "ui/controls/FileCommand.h"
#include "ui/controls/SplashWnd.h"
#include "ui/controls/StatusLogDlg.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/Gdi.h"
#include "ui/framework/ToolBar.h"
#include "ui/library/LibraryHost.h"
#include "ui/main/FolderTreePanel.h"
#include "ui/main/HelpFiles.h"
#include "ui/main/MovieListPanel.h"
#include "ui/main/TemplatePanel.h"

struct GenerateRequest;
struct UnmatchedTitle;
struct GenerateLookupSetup;

// The program's version, shown in the title and the about box.
#include "core/settings/Version.h"

class CReelmarkDlg : public CDialog,
                     public CopyHost,
                     public LibraryHost,
                     private FileCommandWindow,
                     private FolderTreeHost,
                     private MovieListHost {
public:
    explicit CReelmarkDlg(CWnd* parent = nullptr);
    ~CReelmarkDlg() override;

    // The log writer: appends a time-stamped line; with a caption also shows
    // the message in a box owned by this window.
    int AddLogEntry(const std::string& caption, LogSeverity severity, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    ActivityLog& Log() override { return log_; }
    Settings& CurrentSettings() override { return settings_.Values(); }

    // The one way the current movie folder changes.
    void SwitchFolder(const std::string& path, bool rebuildTree) override;

    // Template panel.
    TemplatePanel& Template() { return template_; }
    void SyncFromControls() { template_.SyncFromControls(); }
    void SeriesTitleFromFolder() { template_.SeriesTitleFromFolder(); }
    const std::string& MetadataText() const { return template_.MetadataText(); }

    // Movie list and folder tree panels.
    void FillMovieList() { movieList_.Fill(); }
    void RebuildTree()
    {
        treePending_ = false;
        if (!closing_)
            folderTree_.Rebuild();
    }
    // The start's fill of the list (posted once the window shows, so that
    // it answers while a big library is listed) and the tree, when it was
    // read (waitForTree: now, else as soon as it is); at once when called
    // before the posted message came (tests).
    void CompleteStart(bool waitForTree);
    void SelectFolderNode(const std::string& folderName) { folderTree_.SelectNode(folderName); }
    void OnResetTree();

    // Commands.
    void OnBrowseFolders();
    void OnGenerate();
    // Delete Selected: to the Recycle Bin, unless the settings say for good.
    void OnDeleteSelected();
    // Shift+Delete: for good, with its own questions.
    void OnDeleteForGood();
    // Delete Selected's path for these movies of the folder (paths below
    // it), to the Recycle Bin unless the settings say for good.
    void DeleteMovies(const std::string& folder, const std::vector<std::string>& names) override;
    // The Library window, modally over this one.
    void OnLibrary();
    // The run Generate would make now; its files are recorded as written.
    void DescribeRun(GenerateRequest& request) override;
    // Undo Last Run: the last run's journal undone, after a question.
    void OnUndoLastRun();
    // Edit Selected Meta Text: the editor on the one selected movie's file.
    void OnEditMetadata();
    // Asks before a Generate that would hide values of other files (a
    // .nfo, a default.txt) behind the whole template: add only what they
    // lack, write whole files, or cancel (false); the answer is logged.
    bool AskAboutOtherFiles(GenerateRequest& request) override;
    // With "Look up titles and descriptions (TMDB)": looks the run's files
    // up on TMDB, the progress in the run's window, and lays what it finds
    // under the library's own files; toChoose gets the titles left
    // unmatched with candidates. False when the user cancelled: nothing is
    // written.
    bool LookUp(GenerateRequest& request, FileCommand& run, std::vector<UnmatchedTitle>& toChoose);
    // What a lookup needs, from the settings; leftOut gets the choices of
    // [Matches] that name no TMDB id.
    GenerateLookupSetup LookupSetup(std::vector<std::string>& leftOut);
    // After the run: asks whether to choose among the candidates, and
    // keeps the choices in the settings.
    void OfferChoices(const std::vector<UnmatchedTitle>& titles);
    // What the TiVo Shows (the menu, or a double click on a movie).
    void OnTiVoView();
    void OnOptions();
    void OnViewLog();
    void OnLaunchPyTivo();
    void OnHelpIndex();
    void OnAbout();
    // Runs the copy dialog modally.
    void OnCopyMovies();

    // The copy dialog's files and its Overwrite Target state, kept while
    // the program runs (never saved).
    std::vector<CopyListEntry>& CopyList() override { return copyList_; }
    int& CopyOverwriteFlag() override { return copyOverwriteFlag_; }
    FileCommandWindow& FileCommands() override { return *this; }
    void FoldersChanged() override;

    // Stops the running command after the file at hand (none: nothing).
    void CancelRunningCommand()
    {
        if (runningCommand_)
            runningCommand_->Cancel();
    }

    // The folder shown in the Movie Folder field.
    std::string MovieFolder() const override { return GetDlgItemText(1003); }
    bool Recursive() const override { return movieList_.Recursive(); }
    // The window's keyboard shortcuts (Ctrl+L, Ctrl+S).
    bool PreTranslateMessage(MSG& msg) override;
    MetadataTemplate CurrentTemplate() const override { return template_.CurrentTemplate(); }
    bool WritesIntoMeta() const override { return settings_.Values().MetaFolder == "true"; }
    void LayCachedLookupOver(LibraryPlan& plan, const MetadataTemplate& metadata) override;
    OtherFiles OtherFilesChoice() const override
    {
        return settings_.Values().WholeTemplate == "true" ? OtherFiles::WholeTemplate : OtherFiles::AddWhatTheyLack;
    }
    bool MovieMode() const { return template_.MovieMode(); }
    const CToolBar& ToolBar() const { return toolBar_; }
    CStatusLogDlg* StatusLog() { return statusLog_.get(); }
    const HelpFilePaths& HelpFiles() const { return helpFiles_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    const MessageMap& GetMessageMap() const override;
    // Enter in a field that does not take Enter itself does nothing.
    void OnOK() override;
    // Escape closes the window like its close box.
    void OnCancel() override;

private:
    // Handlers of the command table.
    LRESULT OnCloseMessage(WPARAM, LPARAM);
    LRESULT OnInitMenuPopup(WPARAM, LPARAM);
    LRESULT OnPaintMessage(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnHelpMessage(WPARAM, LPARAM);
    LRESULT OnStartMessage(WPARAM, LPARAM);
    LRESULT OnTimerMessage(WPARAM, LPARAM);
    LRESULT OnTreeSelChanged(NMHDR* header) { return folderTree_.OnSelChanged(header); }
    LRESULT OnTreeCustomDraw(NMHDR* header) { return folderTree_.OnCustomDraw(header); }
    void OnExit();
    void OnSelectAll();
    void OnClearSelect();
    void OnListSelChange();
    void OnRecursiveClick();
    // Delete and Shift+Delete in the movie list.
    LRESULT OnListKey(WPARAM, LPARAM);
    void DeleteSelected(bool forGood);
    void DeleteNamed(const std::string& folder, const std::vector<std::string>& names, bool forGood);

    void OnClose();
    void MovieListFilled(int count) override;
    void MovieListFilling() override { RefreshCommandStates(); }
    // Greys (or gives back) the commands that change files while one runs.
    FileCommand*& RunningCommand() override { return runningCommand_; }
    void ShowFileCommandRunning(bool running) override;
    CWnd& Window() override { return *this; }
    bool CreateToolBar();
    void FillControlsFromSettings();
    // The enabled states of the window's own buttons.
    void RefreshCommandStates();

    HICON icon_ = nullptr;
    HACCEL keys_ = nullptr;
    // Never shown itself: carries the version text and shows the splash.
    CSplashWnd splash_;
    CMenu menu_;
    CToolBar toolBar_;
    CEdit movieFolder_;
    CButton generate_;
    CButton editMeta_;
    CButton clearSelect_;
    CButton selectAll_;
    CButton deleteSelected_;

    // The folder of the settings, the log and the help files, and the log's
    // path, fixed when the program starts.
    const std::string homeFolder_;
    const std::string logPath_;
    ActivityLog log_;
    // Every line goes to the log file as it comes; at close the file is
    // written whole with the lines a run carries over.
    LogFileAppender logFile_;
    bool logAppendFailed_ = false;
    SettingsStore settings_;
    // The files Generate writes, recorded so that a watch may redo them.
    WrittenFiles writtenFiles_;
    TemplatePanel template_;
    std::unique_ptr<CStatusLogDlg> statusLog_;
    HelpFilePaths helpFiles_;
    MovieListPanel movieList_;
    FolderTreePanel folderTree_;
    bool closing_ = false;
    bool startPending_ = false;
    bool treePending_ = false;
    FileCommand* runningCommand_ = nullptr;
    bool closeAfterRun_ = false;
    std::vector<CopyListEntry> copyList_;
    int copyOverwriteFlag_ = 0;
};
