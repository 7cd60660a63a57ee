// The folder tree panel of the main window: the parent of the movie folder
// and its sub-folders, each with its counts and a picture of its state.
#include "ui/main/FolderTreePanel.h"

#include <commctrl.h>

#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/framework/Dialog.h"

namespace {

constexpr int kRootCaptionLength = 50;
// The focus state bit of a tree item (not named by the Windows headers).
constexpr UINT kTreeItemFocused = 0x0001;
constexpr COLORREF kTreeKeyColor = RGB(192, 192, 192);

}  // namespace

FolderTreePanel::~FolderTreePanel()
{
    // The window that referred to the records is gone by now.
    nodes_.clear();
}

void FolderTreePanel::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_FOLDER_TREE, tree_);
}

void FolderTreePanel::LoadImages()
{
    images_.Create(20, 20, ILC_COLOR32 | ILC_MASK, 0, 0);
    CBitmap strip;
    if (strip.LoadBitmap(IDB_FOLDER_TREE))
        images_.Add(strip, kTreeKeyColor);
    tree_.SetImageList(images_, TVSIL_NORMAL);
}

void FolderTreePanel::Clear()
{
    // Deleting the selected node moves the selection: those notifications
    // are not the user's, and the records must outlive them.
    clearing_ = true;
    tree_.DeleteAllItems();
    clearing_ = false;
    rootItem_ = nullptr;
    nodes_.clear();
}

void FolderTreePanel::ReadAhead()
{
    const std::string parent = ParentFolderOf(host_.MovieFolder());
    readAhead_ = {parent + (host_.Recursive() ? "\n" : ""),
                  std::async(std::launch::async, ReadSubFolders, parent, host_.Recursive())};
}

void FolderTreePanel::Rebuild()
{
    Clear();
    const std::string movieFolder = host_.MovieFolder();
    const std::string parent = ParentFolderOf(movieFolder);
    // What was read ahead for this parent (at start, while the list filled).
    // With the sub-folder tick each node counts the folders below it too,
    // as the list shows them.
    const bool recursive = host_.Recursive();
    std::vector<FolderNode> nodes =
        readAhead_.second.valid() && readAhead_.first == parent + (recursive ? "\n" : "")
            ? readAhead_.second.get()
            : ReadSubFolders(parent, recursive);
    readAhead_ = {};
    tree_.SetRedraw(FALSE);
    rootItem_ = tree_.InsertItem(ShortenForDisplay(parent, kRootCaptionLength), kRootFolderImage,
                                 kRootFolderImage, TVI_ROOT, TVI_LAST);
    for (FolderNode& node : nodes)
        AddNode(std::make_unique<FolderNode>(std::move(node)));
    tree_.Expand(rootItem_, TVE_EXPAND);
    tree_.SetRedraw(TRUE);
    // The movie folder's own node, whatever the Series Title says: a title
    // that names a sibling folder must never switch to it.
    SelectNode(LastPathComponent(movieFolder));
    ::InvalidateRect(tree_.GetParent(), nullptr, TRUE);
}

void FolderTreePanel::AddNode(std::unique_ptr<FolderNode> node)
{
    const FolderNodeLook look = LookOfFolderNode(*node);
    tree_.InsertItem(look.caption, look.image, look.selectedImage, rootItem_, TVI_LAST,
                     reinterpret_cast<LPARAM>(node.get()));
    nodes_.push_back(std::move(node));
}

void FolderTreePanel::SelectNode(const std::string& folderName)
{
    if (folderName.empty() || !rootItem_)
        return;
    // The node of the folder of that name (Windows names ignore letter case);
    // a caption that merely contains the text is another folder.
    for (HTREEITEM item = tree_.GetChildItem(rootItem_); item; item = tree_.GetNextSiblingItem(item)) {
        const auto* node = reinterpret_cast<const FolderNode*>(tree_.GetItemData(item));
        if (!node || CompareNamesIgnoringCase(node->name, folderName) != 0)
            continue;
        tree_.SetItemState(item, TVIS_SELECTED, TVIS_SELECTED | TVIS_CUT | TVIS_EXPANDED | kTreeItemFocused);
        tree_.SelectItem(item);
        tree_.EnsureVisible(item);
        return;
    }
}

LRESULT FolderTreePanel::OnSelChanged(NMHDR* header)
{
    if (clearing_)
        return 0;
    const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
    HTREEITEM item = change->itemNew.hItem;
    const auto* node = item ? reinterpret_cast<const FolderNode*>(tree_.GetItemData(item)) : nullptr;
    if (!node)
        return 0;  // the root: the parent folder itself
    // The node of the folder shown already (selected by a rebuild, or
    // clicked again) changes nothing.
    const std::string movieFolder = host_.MovieFolder();
    const std::string path = ParentFolderOf(movieFolder) + "\\" + node->name;
    if (CompareNamesIgnoringCase(path, movieFolder) == 0)
        return 0;
    if (node->movieCount == 0 && node->orphanCount > 0)
        log_.AddLogEntry("Folder Contains Orphaned Metafiles!", LogSeverity::Error,
                         "There are no movie files in the folder: %s\nbut the folder contains %ld orphaned "
                         "metafiles.\nYou should remove these files.",
                         tree_.GetItemText(item).c_str(), node->orphanCount);
    host_.SwitchFolder(path, false);
    return 0;
}

LRESULT FolderTreePanel::OnCustomDraw(NMHDR* header)
{
    // A folder name in a script the tree's font lacks gets a font that has it.
    auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    HDC dc = draw->nmcd.hdc;
    HFONT base = static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT));
    const std::string caption = tree_.GetItemText(reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec));
    HFONT font = fonts_.FontFor(dc, base, Widen(caption));
    if (font == base)
        return CDRF_DODEFAULT;
    ::SelectObject(dc, font);
    return CDRF_NEWFONT;
}
