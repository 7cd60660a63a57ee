#pragma once
// The folder tree panel of the main window: the parent of the movie folder
// and its sub-folders, each with its counts and a picture of its state. A
// click on another folder's node asks the window to switch to it.
#include <windows.h>

#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/library/FolderNode.h"
#include "ui/controls/FontFallback.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Gdi.h"

class ActivityLog;
class CDataExchange;

// What the tree needs from the window it sits in.
class FolderTreeHost {
public:
    // The folder shown in the Movie Folder field.
    virtual std::string MovieFolder() const = 0;
    // The user chose the node of another folder.
    virtual void SwitchFolder(const std::string& path, bool rebuildTree) = 0;
    // Whether the movie list shows the sub-folders' movies too.
    virtual bool Recursive() const = 0;

protected:
    ~FolderTreeHost() = default;
};

class FolderTreePanel {
public:
    FolderTreePanel(FolderTreeHost& host, ActivityLog& log) : host_(host), log_(log) {}
    ~FolderTreePanel();
    FolderTreePanel(const FolderTreePanel&) = delete;
    FolderTreePanel& operator=(const FolderTreePanel&) = delete;

    void DoDataExchange(CDataExchange& dx);
    // Gives the tree its pictures (once, when the window is made).
    void LoadImages();

    // Empties the tree and frees its records.
    void Clear();
    // Starts reading the movie folder's siblings on a thread of its own, for
    // the next Rebuild (the start reads them while the list fills).
    void ReadAhead();
    // The parent of the movie folder with every sub-folder, the movie
    // folder's node selected.
    void Rebuild();
    // Selects the node of the folder of that name (letter case ignored).
    void SelectNode(const std::string& folderName);

    // The tree's notifications, passed on by the window.
    LRESULT OnSelChanged(NMHDR* header);
    LRESULT OnCustomDraw(NMHDR* header);

private:
    void AddNode(std::unique_ptr<FolderNode> node);

    FolderTreeHost& host_;
    ActivityLog& log_;
    CTreeCtrl tree_;
    CImageList images_;
    CFontFallback fonts_;
    HTREEITEM rootItem_ = nullptr;
    std::vector<std::unique_ptr<FolderNode>> nodes_;
    std::pair<std::string, std::future<std::vector<FolderNode>>> readAhead_;
    bool clearing_ = false;
};
