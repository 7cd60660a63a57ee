// The copy list of the copy dialog: adding and removing files, and the
// checks that colour each row and may block the run.
#include <windows.h>

#include <commdlg.h>

#include "core/copy/SizeTexts.h"
#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "ui/controls/FileCommand.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"
#include "ui/framework/Prompt.h"

namespace {

constexpr char kMovieFileFilter[] =
    "All Supported Movie File|*.mpg;*.mpeg;*.wmv;*.avi;*.mov;*.flv;*.swf;*.rmvb;*.mkv;*.m4v;*.mp4;*.ts|"
    "Mpeg (Moving Picture Experts Group Files) (*.mpeg)|*.mpeg|Mpg Files (*.mpg)|*.mpg|"
    "Wmv Files (*.wmv)|*.wmv|Avi Files (*.avi)|*.avi|Mov Files (*.mov)|*.mov|Flv Files (*.flv)|*.flv|"
    "Swf Files (*.swf)|*.swf|Rmvb Files (*.rmvb)|*.rmvb|Mkv Files (*.mkv)|*.mkv|M4v Files (*.m4v)|*.m4v|"
    "Mp4 Files (*.mp4)|*.mp4|Ts Files (*.ts)|*.ts|";

// One command adds at most this many files.
constexpr int kMaxFilesPerAddition = 1000000;

}  // namespace

void CCopyMoviesToFolderDlg::OnAddFiles()
{
    CWaitCursor wait;
    const std::string target = TargetFolder();

    FileDialogRequest request;
    request.owner = m_hWnd;
    request.title = "Add Additional Movie Files To Copy List";
    request.defaultExtension = "mpg";
    request.filter = kMovieFileFilter;
    request.flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
    std::vector<std::string> paths;
    int duplicates = 0;
    if (ThePrompt().PickFiles(request, paths)) {
        const FolderIndex listing(target);
        int added = 0;
        for (size_t i = 0; i < paths.size() && added < kMaxFilesPerAddition; ++i) {
            const std::string path = CollapseDoubleBackslashes(paths[i]);
            // Every file lands in the target under its own name, so a file
            // of the target itself cannot be copied there.
            if (ParentFolderOf(path) == target) {
                host_.Log().AddLogEntry("File Copy Error", LogSeverity::Error,
                                        "Cannot copy files to same destination folder: %s", target.c_str());
                break;
            }
            if (IsNameNotListed(FileNameOf(path, true))) {
                AddFileToCopyList(path, listing);
                ++added;
            } else {
                ++duplicates;
            }
        }
    }
    if (duplicates > 0)
        host_.Log().AddLogEntry("File Copy Error - Duplicate Files", LogSeverity::Error,
                                "There were %d duplicate files not added!", duplicates);
    SortByColumn(0);
    RefreshCopyListState();
}

int CCopyMoviesToFolderDlg::IsNameNotListed(const std::string& fileName) const
{
    for (int row = 0, rows = list_.GetItemCount(); row < rows; ++row) {
        if (list_.GetItemText(row, 0) == fileName)
            return 0;
    }
    return 1;
}

int CCopyMoviesToFolderDlg::InsertNameRow(int index, const std::string& fileName)
{
    return list_.InsertItem(LVIF_TEXT | LVIF_STATE, index, fileName, 0, LVIS_SELECTED, 0, 0);
}

void CCopyMoviesToFolderDlg::AddFileToCopyList(const std::string& path, const FolderIndex& target)
{
    CopyListEntry entry;
    entry.size = GetFileSize64(path);
    entry.sizeText = FormatThousands(entry.size);
    PadSizeText(entry.sizeText);
    entry.fileName = FileNameOf(path, true);
    entry.folder = ParentFolderOf(path);

    const int row = InsertNameRow(list_.GetItemCount(), entry.fileName);
    ValidateRow(path, row, target);
    list_.SetItemText(row, 1, entry.folder);
    list_.SetItemText(row, 2, entry.sizeText);
    copyList_->push_back(entry);
}

void CCopyMoviesToFolderDlg::RebuildCopyList()
{
    const int entries = static_cast<int>(copyList_->size());
    list_.DeleteAllItems();
    listError = 0;
    listErrorText.clear();
    existingCount = 0;
    const FolderIndex target(TargetFolder());
    for (int index = 0; index < entries; ++index)
        AddEntryRow(index, target);
    SortByColumn(0);
}

void CCopyMoviesToFolderDlg::AddEntryRow(int index, const FolderIndex& target)
{
    const CopyListEntry& entry = (*copyList_)[index];
    const int row = InsertNameRow(index, entry.fileName);
    ValidateRow(entry.folder + kSeparator + entry.fileName, row, target);
    list_.SetItemText(row, 1, entry.folder);
    list_.SetItemText(row, 2, entry.sizeText);
}

void CCopyMoviesToFolderDlg::ValidateRow(const std::string& sourcePath, int row, const FolderIndex& target)
{
    list_.SetItemStyle(row, LIS_TXTCOLOR | LIS_BGCOLOR, true);
    const std::string destination = CopyDestinationOf(TargetFolder(), sourcePath);
    const CopyRowCheck check = CheckCopyRow(sourcePath, destination, target, OverwriteChecked());
    if (check.state == CopyRowState::Blocked) {
        listError = 1;
        listErrorText = check.message;
    } else if (check.state == CopyRowState::Skip) {
        ++existingCount;
    }
    const CopyRowColours colours = ColoursOf(check.state);
    list_.SetItemBgColor(row, colours.background, true);
    list_.SetItemTextColor(row, colours.text, true);
}

void CCopyMoviesToFolderDlg::OnRemoveSelected()
{
    FileCommand run(host_.FileCommands(), "Removing files from the list");
    if (run.Refused())
        return;
    const int selected = list_.GetSelectedCount();
    const int answer = ThePrompt().ShowMessage(
        WindowInUse(), FormatText("Do you want to remove %d selected files from copy list?", selected),
        "Warning", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES)
        return;
    // Rows shift up after each deletion: always take the first selected one.
    for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.GetNextItem(-1, LVNI_SELECTED)) {
        RemoveEntryByName(list_.GetItemText(row, 0));
        list_.DeleteItem(row);
    }
    RefreshCopyListState();
}

int CCopyMoviesToFolderDlg::RemoveEntryByName(const std::string& fileName)
{
    for (auto entry = copyList_->begin(); entry != copyList_->end(); ++entry) {
        if (entry->fileName == fileName) {
            copyList_->erase(entry);
            return 1;
        }
    }
    return 0;
}

int CCopyMoviesToFolderDlg::ReportCopyListErrors()
{
    if (listError)
        host_.Log().AddLogEntry("File Copy List Error", LogSeverity::Error,
                                "Copy list cannot be executed due to one or more errors:\n %s",
                                listErrorText.c_str());
    return listError;
}
