// The folder tree panel of the main window: the parent of the movie folder
// and its sub-folders, each with its counts and a picture of its state.
#include <windows.h>

#include <commctrl.h>

#include "ui/main/ReelmarkDlg.h"
#include "core/MovieScanner.h"
#include "platform/Text.h"

namespace {

constexpr int kRootCaptionLength = 50;
// The focus state bit of a tree item (not named by the Windows headers).
constexpr UINT kTreeItemFocused = 0x0001;

}  // namespace

void CReelmarkDlg::ClearTree()
{
    // Deleting the selected node moves the selection: those notifications
    // are not the user's, and the records must outlive them.
    clearingTree_ = true;
    folderTree_.DeleteAllItems();
    clearingTree_ = false;
    rootItem_ = nullptr;
    folderNodes_.clear();
}

void CReelmarkDlg::ReadTreeAhead()
{
    const std::string parent = ParentFolderOf(MovieFolder());
    treeAhead_ = {parent, std::async(std::launch::async, ReadSubFolders, parent)};
}

void CReelmarkDlg::RebuildTree()
{
    ClearTree();
    const std::string parent = ParentFolderOf(MovieFolder());
    // What was read ahead for this parent (at start, while the list filled).
    std::vector<FolderNode> nodes = treeAhead_.second.valid() && treeAhead_.first == parent
                                        ? treeAhead_.second.get()
                                        : ReadSubFolders(parent);
    treeAhead_ = {};
    folderTree_.SetRedraw(FALSE);
    rootItem_ = folderTree_.InsertItem(ShortenForDisplay(parent, kRootCaptionLength), kRootFolderImage,
                                       kRootFolderImage, TVI_ROOT, TVI_LAST);
    for (FolderNode& node : nodes)
        AddFolderNode(std::make_unique<FolderNode>(std::move(node)));
    folderTree_.Expand(rootItem_, TVE_EXPAND);
    folderTree_.SetRedraw(TRUE);
    // The movie folder's own node, whatever the Series Title says: a title
    // that names a sibling folder must never switch to it.
    SelectFolderNode(LastPathComponent(MovieFolder()));
    Invalidate();
}

void CReelmarkDlg::AddFolderNode(std::unique_ptr<FolderNode> node)
{
    const FolderNodeLook look = LookOfFolderNode(*node);
    folderTree_.InsertItem(look.caption, look.image, look.selectedImage, rootItem_, TVI_LAST,
                           reinterpret_cast<LPARAM>(node.get()));
    folderNodes_.push_back(std::move(node));
}

void CReelmarkDlg::SelectFolderNode(const std::string& folderName)
{
    if (folderName.empty() || !rootItem_)
        return;
    // The node of the folder of that name (Windows names ignore letter case);
    // a caption that merely contains the text is another folder.
    for (HTREEITEM item = folderTree_.GetChildItem(rootItem_); item;
         item = folderTree_.GetNextSiblingItem(item)) {
        const auto* node = reinterpret_cast<const FolderNode*>(folderTree_.GetItemData(item));
        if (!node || CompareNamesIgnoringCase(node->name, folderName) != 0)
            continue;
        folderTree_.SetItemState(item, TVIS_SELECTED,
                                 TVIS_SELECTED | TVIS_CUT | TVIS_EXPANDED | kTreeItemFocused);
        folderTree_.SelectItem(item);
        folderTree_.EnsureVisible(item);
        return;
    }
}

LRESULT CReelmarkDlg::OnTreeSelChanged(NMHDR* header)
{
    if (clearingTree_)
        return 0;
    const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
    HTREEITEM item = change->itemNew.hItem;
    const auto* node = item ? reinterpret_cast<const FolderNode*>(folderTree_.GetItemData(item)) : nullptr;
    if (!node)
        return 0;  // the root: the parent folder itself
    // The node of the folder shown already (selected by a rebuild, or
    // clicked again) changes nothing.
    const std::string path = ParentFolderOf(MovieFolder()) + "\\" + node->name;
    if (CompareNamesIgnoringCase(path, MovieFolder()) == 0)
        return 0;
    if (node->movieCount == 0 && node->metadataCount > 0)
        AddLogEntry("Folder Contains Orphaned Metafiles!", LogSeverity::Error,
                    "There are no movie files in the folder: %s\nbut the folder contains %ld orphaned "
                    "metafiles.\nYou should remove these files.",
                    folderTree_.GetItemText(item).c_str(), node->metadataCount);
    SwitchFolder(path, false);
    return 0;
}

LRESULT CReelmarkDlg::OnTreeCustomDraw(NMHDR* header)
{
    // A folder name in a script the tree's font lacks gets a font that has it.
    auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    HDC dc = draw->nmcd.hdc;
    HFONT base = static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT));
    const std::string caption = folderTree_.GetItemText(reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec));
    HFONT font = treeFonts_.FontFor(dc, base, Widen(caption));
    if (font == base)
        return CDRF_DODEFAULT;
    ::SelectObject(dc, font);
    return CDRF_NEWFONT;
}

void CReelmarkDlg::OnResetTree()
{
    movieFolder_.SetWindowText(CurrentSettings().TargetDir);
    FillMovieList();
    SeriesTitleFromFolder();
    RebuildTree();
}
