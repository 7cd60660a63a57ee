#pragma once
// The copy dialog: collects movie files from anywhere into the copy list,
// checks each against the main window's movie folder (the target), shows
// the target volume's usage and the list's total size, and copies the files
// into the target one after the other.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/copy/CopyListEntry.h"
#include "core/copy/CopyRowCheck.h"
#include "ui/controls/ListCtrlStyled.h"
#include "ui/controls/TextProgressCtrl.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/Gdi.h"

class ActivityLog;
class FileCommandWindow;

// What the copy dialog needs from the window that opens it.
class CopyHost {
public:
    // The copy list and the Overwrite Target tick, kept between openings.
    virtual std::vector<CopyListEntry>& CopyList() = 0;
    virtual int& CopyOverwriteFlag() = 0;
    // The folder the copies go to.
    virtual std::string MovieFolder() const = 0;
    virtual ActivityLog& Log() = 0;
    // The window's guard of the commands that change files.
    virtual FileCommandWindow& FileCommands() = 0;
    // A copy run changed the movie folder: the window reads it again.
    virtual void FoldersChanged() = 0;

protected:
    ~CopyHost() = default;
};

class CCopyMoviesToFolderDlg : public CDialog {
public:
    // The host holds the copy list, the overwrite flag, the target folder
    // and the log; it owns the dialog while it runs.
    explicit CCopyMoviesToFolderDlg(CopyHost& host);

    // Copy list and its checks.
    void OnAddFiles();
    // Appends one file (full path) as entry and row and checks the row
    // against the target folder's listing.
    void AddFileToCopyList(const std::string& path, const FolderIndex& target);
    // 1 when no row shows that file name, else 0.
    int IsNameNotListed(const std::string& fileName) const;
    // Makes and checks one row per entry again, then sorts by name.
    void RebuildCopyList();
    void AddEntryRow(int index, const FolderIndex& target);
    // Checks the row of that source file and colours it.
    void ValidateRow(const std::string& sourcePath, int row, const FolderIndex& target);
    void OnRemoveSelected();
    // Erases the first entry of that file name; 1 when one was erased.
    int RemoveEntryByName(const std::string& fileName);
    // Reports a blocking row when there is one; returns the error flag.
    int ReportCopyListErrors();

    // The copy run of the copy button.
    void OnStartCopy();

    // Buttons, pictures, title and totals after the rows changed.
    void RefreshCopyListState();
    void UpdateButtonStates();
    void UpdateButtonImages();
    void OnPlayMovie();
    void OnSelectAll();
    void OnClearSelection();
    // Ascending text sort of the rows by that column.
    void SortByColumn(int column);

    // Sizes and disk usage.
    void UpdateCopyListTotal();
    void UpdateTotalLabel();
    void UpdateDiskUsage();

    // What the rows showed at the last rebuild and since.
    int ListError() const { return listError; }
    const std::string& ListErrorText() const { return listErrorText; }
    int ExistingCount() const { return existingCount; }
    int FileCount() const { return fileCount; }
    int64_t TotalBytes() const { return totalBytes; }
    // Free bytes of the target volume; none while it could not be queried.
    std::optional<uint64_t> FreeBytes() const { return freeBytes; }
    CListCtrlStyled& CopyListControl() { return list_; }
    CTextProgressCtrl& CopyProgress() { return progress_; }
    CTextProgressCtrl& DiskUsageBar() { return diskUsage_; }
    // The bitmap resource a picture button shows now (0: none of ours).
    UINT ShownPicture(int buttonId) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    const MessageMap& GetMessageMap() const override;
    // Close (and Enter): keep the Overwrite Target state, then close.
    void OnOK() override;

private:
    LRESULT OnCloseMessage(WPARAM wp, LPARAM lp);
    LRESULT OnListClick(NMHDR* header);
    LRESULT OnColumnClick(NMHDR* header);
    void StoreOverwriteFlag();
    void SetAllSelected(bool selected);
    bool OverwriteChecked() const;
    std::string TargetFolder() const { return GetDlgItemText(1023); }
    // The copy button may not start a run: a blocked row or a full volume.
    bool CopyBlocked() const;
    // Inserts an unselected row at the end with the file name in column 0.
    int InsertNameRow(int index, const std::string& fileName);
    void ShowPicture(CButton& button, UINT resourceId);
    const CBitmap* Picture(UINT resourceId) const;

    CopyHost& host_;
    std::vector<CopyListEntry>* copyList_ = nullptr;

    CButton selectAll_;
    CButton removeSelected_;
    CButton clearSelection_;
    CButton playMovie_;
    CButton startCopy_;
    CButton overwrite_;
    CEdit target_;
    CStatic volumeRoot_;
    CTextProgressCtrl diskUsage_;
    CStatic volumeSize_;
    CListCtrlStyled list_;
    CTextProgressCtrl progress_;
    CEdit totalLabel_;
    CEdit totalBytesText_;
    CFont listFont_;

    // The button pictures, in the order of kPictureIds (CopyMoviesToFolderDlg.cpp).
    CBitmap pictures_[5];

    int listError = 0;
    std::string listErrorText;
    int existingCount = 0;
    int fileCount = 0;
    int64_t totalBytes = 0;
    std::optional<uint64_t> freeBytes;
};
