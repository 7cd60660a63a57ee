#pragma once
// The main window: holds every panel and all state of the running program
// (settings, template, log, folder tree records, copy list) and runs the
// command table.
#include <windows.h>

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "ui/main/FileCommand.h"
#include "ui/main/HelpFiles.h"
#include "ui/main/TemplatePanel.h"
#include "core/MetadataFormat.h"
#include "core/Settings.h"
#include "core/ActivityLog.h"
#include "core/FolderNode.h"
#include "ui/controls/ColorListBox.h"
#include "ui/controls/FontFallback.h"
#include "ui/controls/SplashWnd.h"
#include "ui/controls/StatusLogDlg.h"
#include "core/CopyListEntry.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/Gdi.h"
#include "ui/framework/ToolBar.h"

// The program's version, shown in the title and the about box.
#include "core/Version.h"

class CReelmarkDlg : public CDialog {
    friend class FileCommand;

public:
    explicit CReelmarkDlg(CWnd* parent = nullptr);
    ~CReelmarkDlg() override;

    // The log writer: appends a time-stamped line; with a caption also shows
    // the message in a box owned by this window.
    int AddLogEntry(const std::string& caption, LogSeverity severity, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    ActivityLog& Log() { return log_; }
    Settings& CurrentSettings() { return settings_.Values(); }

    // The one way the current movie folder changes.
    void SwitchFolder(const std::string& path, bool rebuildTree);

    // Template panel.
    TemplatePanel& Template() { return template_; }
    void SyncFromControls() { template_.SyncFromControls(); }
    void SeriesTitleFromFolder() { template_.SeriesTitleFromFolder(); }
    const std::string& MetadataText() const { return template_.MetadataText(); }

    // Movie list and folder tree panels.
    void FillMovieList();
    void RebuildTree();
    // Starts reading the movie folder's siblings on a thread of its own, for
    // the next RebuildTree (the start reads them while the list fills).
    void ReadTreeAhead();
    void ClearTree();
    void AddFolderNode(std::unique_ptr<FolderNode> node);
    void SelectFolderNode(const std::string& folderName);
    void OnResetTree();

    // Commands.
    void OnBrowseFolders();
    void OnGenerate();
    void OnDeleteSelected();
    void OnOptions();
    void OnViewLog();
    void OnLaunchPyTivo();
    void OnHelpIndex();
    void OnAbout();
    // Runs the copy dialog modally.
    void OnCopyMovies();

    // The copy dialog's files and its Overwrite Target state, kept while
    // the program runs (never saved).
    std::vector<CopyListEntry>& CopyList() { return copyList_; }
    int& CopyOverwriteFlag() { return copyOverwriteFlag_; }

    // Stops the running command after the file at hand (none: nothing).
    void CancelRunningCommand()
    {
        if (runningCommand_)
            runningCommand_->Cancel();
    }

    // The folder shown in the Movie Folder field.
    std::string MovieFolder() const { return GetDlgItemText(1003); }
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
    LRESULT OnTreeSelChanged(NMHDR* header);
    LRESULT OnTreeCustomDraw(NMHDR* header);
    void OnExit();
    void OnSelectAll();
    void OnClearSelect();
    void OnListSelChange();

    void OnClose();
    // Greys (or gives back) the commands that change files while one runs.
    void ShowFileCommandRunning(bool running);
    bool CreateToolBar();
    void FillControlsFromSettings();
    // The enabled states of the window's own buttons.
    void RefreshCommandStates();

    HICON icon_ = nullptr;
    // Never shown itself: carries the version text and shows the splash.
    CSplashWnd splash_;
    CMenu menu_;
    CToolBar toolBar_;
    CImageList treeImages_;
    CEdit movieFolder_;
    CEdit fileFilters_;
    CButton recursive_;
    CColorListBox movieList_;
    CEdit fileCount_;
    CButton generate_;
    CButton editMeta_;
    CFont listFont_;
    CButton clearSelect_;
    CButton selectAll_;
    CTreeCtrl folderTree_;
    CFontFallback treeFonts_;
    CButton deleteSelected_;

    // The folder of the settings, the log and the help files, and the log's
    // path, fixed when the program starts.
    const std::string homeFolder_;
    const std::string logPath_;
    ActivityLog log_;
    SettingsStore settings_;
    TemplatePanel template_;
    std::unique_ptr<CStatusLogDlg> statusLog_;
    HelpFilePaths helpFiles_;
    HTREEITEM rootItem_ = nullptr;
    std::vector<std::unique_ptr<FolderNode>> folderNodes_;
    std::pair<std::string, std::future<std::vector<FolderNode>>> treeAhead_;
    bool closing_ = false;
    FileCommand* runningCommand_ = nullptr;
    bool closeAfterRun_ = false;
    bool clearingTree_ = false;
    std::vector<CopyListEntry> copyList_;
    int copyOverwriteFlag_ = 0;
};
