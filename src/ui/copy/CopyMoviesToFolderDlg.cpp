#include "ui/copy/CopyMoviesToFolderDlg.h"

#include <commctrl.h>
#include <shlobj.h>

#include "core/copy/SizeTexts.h"
#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/controls/FileCommand.h"
#include "ui/controls/SortClass.h"
#include "ui/framework/Prompt.h"

namespace {

// The button pictures, loaded in this order into pictures_.
constexpr UINT kPictureIds[] = {IDB_PLAY, IDB_COPY, IDB_PLAY_GREY, IDB_COPY_GREY, IDB_COPY_STOP};
constexpr int kPictureSize = 75;

}  // namespace

CCopyMoviesToFolderDlg::CCopyMoviesToFolderDlg(CopyHost& host) : CDialog(IDD_COPY_MOVIES), host_(host) {}

void CCopyMoviesToFolderDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_COPY_SELECT_ALL, selectAll_);
    dx.Control(IDC_COPY_REMOVE, removeSelected_);
    dx.Control(IDC_COPY_CLEAR_SEL, clearSelection_);
    dx.Control(IDC_COPY_PLAY, playMovie_);
    dx.Control(IDC_COPY_START, startCopy_);
    dx.Control(IDC_COPY_OVERWRITE, overwrite_);
    dx.Control(IDC_COPY_TARGET, target_);
    dx.Control(IDC_COPY_VOLUME_ROOT, volumeRoot_);
    dx.Control(IDC_COPY_DISK_USAGE, diskUsage_);
    dx.Control(IDC_COPY_VOLUME_SIZE, volumeSize_);
    dx.Control(IDC_COPY_LIST, list_);
    dx.Control(IDC_COPY_PROGRESS, progress_);
    dx.Control(IDC_COPY_TOTAL_LABEL, totalLabel_);
    dx.Control(IDC_COPY_TOTAL_BYTES, totalBytesText_);
}

const MessageMap& CCopyMoviesToFolderDlg::GetMessageMap() const
{
    using D = CCopyMoviesToFolderDlg;
    static const MessageMap map = {
        OnCommand(IDC_COPY_ADD, &D::OnAddFiles),
        OnCommand(IDC_COPY_START, &D::OnStartCopy),
        OnCommand(IDC_COPY_PLAY, &D::OnPlayMovie),
        OnCommand(IDC_COPY_REMOVE, &D::OnRemoveSelected),
        OnCommand(IDC_COPY_SELECT_ALL, &D::OnSelectAll),
        OnCommand(IDC_COPY_CLEAR_SEL, &D::OnClearSelection),
        OnCommand(IDC_COPY_OVERWRITE, &D::RebuildCopyList),
        OnMessage(WM_CLOSE, &D::OnCloseMessage),
        OnNotify(NM_CLICK, IDC_COPY_LIST, &D::OnListClick),
        OnNotify(LVN_COLUMNCLICK, IDC_COPY_LIST, &D::OnColumnClick),
    };
    return map;
}

BOOL CCopyMoviesToFolderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    copyList_ = &host_.CopyList();
    // The target stays this folder for as long as the dialog is open.
    target_.SetWindowText(host_.MovieFolder());

    for (size_t i = 0; i < sizeof(kPictureIds) / sizeof(kPictureIds[0]); ++i)
        pictures_[i].LoadImage(kPictureIds[i], kPictureSize, kPictureSize, LR_DEFAULTCOLOR);

    list_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    if (listFont_.CreatePointFont(80, "Courier New")) {
        list_.SetFont(listFont_);
        totalBytesText_.SetFont(listFont_);
    }
    list_.InsertColumn(0, "File Name", LVCFMT_LEFT, 320, 0);
    list_.InsertColumn(1, "File Path", LVCFMT_LEFT, 315, 1);
    list_.InsertColumn(2, "Size (Bytes)", LVCFMT_LEFT, 135, 2);

    progress_.ShowWindow(SW_HIDE);
    overwrite_.SetCheck(host_.CopyOverwriteFlag());
    diskUsage_.SendMessage(TPC_SHOWPERCENT, FALSE);
    diskUsage_.SetRange(0, 100);
    diskUsage_.ShowWindow(SW_SHOW);

    RebuildCopyList();
    UpdateDiskUsage();
    RefreshCopyListState();
    UpdateTotalLabel();
    // Only a volume that answered can be known to be full.
    if (freeBytes && static_cast<int64_t>(*freeBytes) <= 0)
        host_.Log().AddLogEntry("Target Copy Disk Error", LogSeverity::Error,
                                "No space left on destination folder: %s", TargetFolder().c_str());
    return TRUE;
}

void CCopyMoviesToFolderDlg::OnOK()
{
    StoreOverwriteFlag();
    CDialog::OnOK();
}

LRESULT CCopyMoviesToFolderDlg::OnCloseMessage(WPARAM wp, LPARAM lp)
{
    StoreOverwriteFlag();
    return DefWindowProc(WM_CLOSE, wp, lp);
}

void CCopyMoviesToFolderDlg::StoreOverwriteFlag()
{
    host_.CopyOverwriteFlag() = overwrite_.GetCheck();
}

bool CCopyMoviesToFolderDlg::OverwriteChecked() const
{
    return overwrite_.GetCheck() == BST_CHECKED;
}

LRESULT CCopyMoviesToFolderDlg::OnListClick(NMHDR*)
{
    UpdateButtonStates();
    UpdateButtonImages();
    return 0;
}

LRESULT CCopyMoviesToFolderDlg::OnColumnClick(NMHDR* header)
{
    SortByColumn(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
    return 0;
}

void CCopyMoviesToFolderDlg::RefreshCopyListState()
{
    UpdateButtonStates();
    UpdateButtonImages();
    UpdateCopyListTotal();
    fileCount = list_.GetItemCount();
    SetWindowText(FormatText("Copy list contains %d files.", fileCount));
}

void CCopyMoviesToFolderDlg::UpdateButtonStates()
{
    const bool anySelected = list_.GetSelectedCount() > 0;
    selectAll_.EnableWindow(list_.GetItemCount() > 0);
    removeSelected_.EnableWindow(anySelected);
    clearSelection_.EnableWindow(anySelected);
}

bool CCopyMoviesToFolderDlg::CopyBlocked() const
{
    return listError || (freeBytes && static_cast<int64_t>(*freeBytes) <= 0);
}

void CCopyMoviesToFolderDlg::UpdateButtonImages()
{
    ShowPicture(playMovie_, list_.GetSelectedCount() == 1 ? IDB_PLAY : IDB_PLAY_GREY);
    if (CopyBlocked())
        ShowPicture(startCopy_, IDB_COPY_STOP);
    else
        ShowPicture(startCopy_, list_.GetItemCount() == 0 ? IDB_COPY_GREY : IDB_COPY);
}

const CBitmap* CCopyMoviesToFolderDlg::Picture(UINT resourceId) const
{
    for (size_t i = 0; i < sizeof(kPictureIds) / sizeof(kPictureIds[0]); ++i) {
        if (kPictureIds[i] == resourceId)
            return &pictures_[i];
    }
    return nullptr;
}

void CCopyMoviesToFolderDlg::ShowPicture(CButton& button, UINT resourceId)
{
    button.SetBitmap(Picture(resourceId)->GetSafeHandle());
}

UINT CCopyMoviesToFolderDlg::ShownPicture(int buttonId) const
{
    const HBITMAP shown =
        reinterpret_cast<HBITMAP>(::SendDlgItemMessageW(m_hWnd, buttonId, BM_GETIMAGE, IMAGE_BITMAP, 0));
    for (UINT id : kPictureIds) {
        if (shown && Picture(id)->GetSafeHandle() == shown)
            return id;
    }
    return 0;
}

void CCopyMoviesToFolderDlg::SetAllSelected(bool selected)
{
    // Row -1 stands for every row.
    list_.SetItemState(-1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    RefreshCopyListState();
}

void CCopyMoviesToFolderDlg::OnSelectAll()
{
    SetAllSelected(true);
}

void CCopyMoviesToFolderDlg::OnClearSelection()
{
    SetAllSelected(false);
}

void CCopyMoviesToFolderDlg::OnPlayMovie()
{
    const int row = list_.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    const std::string folder = list_.GetItemText(row, 1);
    // The file itself is opened with the program associated with its type:
    // its name is never read by a command interpreter, so "&" and the like
    // in it stay part of the name.
    LaunchRequest request;
    request.file = folder + "\\" + list_.GetItemText(row, 0);
    request.directory = folder;
    request.show = SW_SHOWNORMAL;
    ThePrompt().Launch(request);
}

void CCopyMoviesToFolderDlg::SortByColumn(int column)
{
    CSortClass sort(&list_, column, false);
    sort.Sort(true);
}

void CCopyMoviesToFolderDlg::UpdateCopyListTotal()
{
    totalBytes = 0;
    for (int row = 0, rows = list_.GetItemCount(); row < rows; ++row)
        totalBytes += ParseSizeText(list_.GetItemText(row, 2));
    std::string text = FormatThousands(totalBytes);
    PadSizeText(text);
    totalBytesText_.SetWindowText(text);
    UpdateTotalLabel();
}

void CCopyMoviesToFolderDlg::UpdateTotalLabel()
{
    totalLabel_.SetWindowText(TotalLabelText(totalBytes));
}

void CCopyMoviesToFolderDlg::UpdateDiskUsage()
{
    const std::string root = VolumeRootOf(TargetFolder());
    volumeRoot_.SetWindowText(root);
    ULARGE_INTEGER available = {};
    ULARGE_INTEGER total = {};
    ULARGE_INTEGER free = {};
    // Without a root there is nothing to ask: an empty path would be taken
    // for the current folder's volume.
    if (root.empty() || !SHGetDiskFreeSpaceExW(Widen(root).c_str(), &available, &total, &free)) {
        diskUsage_.SetWindowText(kDiskUsageUnavailable);
        diskUsage_.SetPos(0);
        return;
    }
    freeBytes = free.QuadPart;
    const DiskUsage usage = ComputeDiskUsage(free.QuadPart, total.QuadPart);
    volumeSize_.SetWindowText(VolumeSizeText(total.QuadPart));
    diskUsage_.SendMessage(PBM_SETBARCOLOR, 0, usage.barColour);
    diskUsage_.SetWindowText(usage.text);
    diskUsage_.SetPos(usage.position);
}
