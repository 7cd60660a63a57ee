// The folder tree of the main window run in-process: captions and pictures
// of every folder state, the selection a rebuild makes, clicks on nodes and
// Reset Tree Layout.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"

namespace {

struct TreeNode {
    HTREEITEM item;
    std::string text;
    int image;
    int selectedImage;
};

TreeNode ReadNode(HWND tree, HTREEITEM item)
{
    TVITEMW data = {};
    data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    data.hItem = item;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return {item, TreeItemText(tree, item), data.iImage, data.iSelectedImage};
}

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class FolderTree : public ::testing::Test {
protected:
    HWND Tree() const { return w.Item(1025); }
    TreeNode Root() const { return ReadNode(Tree(), TreeView_GetRoot(Tree())); }
    std::vector<TreeNode> Children() const
    {
        std::vector<TreeNode> nodes;
        for (HTREEITEM item = TreeView_GetChild(Tree(), TreeView_GetRoot(Tree())); item;
             item = TreeView_GetNextSibling(Tree(), item))
            nodes.push_back(ReadNode(Tree(), item));
        return nodes;
    }
    // The child with that caption; the test fails when there is none.
    TreeNode Child(const std::string& caption) const
    {
        for (const TreeNode& node : Children())
            if (node.text == caption)
                return node;
        ADD_FAILURE() << "no node " << caption;
        return {nullptr, "", -1, -1};
    }
    std::string SelectedCaption() const
    {
        HTREEITEM item = TreeView_GetSelection(Tree());
        return item ? ReadNode(Tree(), item).text : std::string("(none)");
    }
    // What a click on the node does: the control selects it and notifies.
    void ClickNode(const std::string& caption) { TreeView_SelectItem(Tree(), Child(caption).item); }

    // Parent folder "Video" with Comedy (all three with metadata), Drama
    // (five without), Empty, Some (one of two with metadata) and Orphans
    // (two metadata files whose movies are gone).
    void MakeVideoFolders()
    {
        for (const char* movie : {"a.mpg", "b.avi", "c.mkv"}) {
            w.movies.WriteFile(std::string("Video\\Comedy\\") + movie);
            w.movies.WriteFile(std::string("Video\\Comedy\\") + movie + ".txt", "title : x\r\n");
        }
        for (int i = 1; i <= 5; ++i)
            w.movies.WriteFile("Video\\Drama\\Part " + std::to_string(i) + ".mpg");
        w.movies.MakeFolder("Video\\Empty");
        w.movies.WriteFile("Video\\Some\\one.mpg");
        w.movies.WriteFile("Video\\Some\\one.mpg.txt", "title : one\r\n");
        w.movies.WriteFile("Video\\Some\\two.mpg");
        w.movies.WriteFile("Video\\Orphans\\gone.mpg.txt", "title : gone\r\n");
        w.movies.WriteFile("Video\\Orphans\\lost.avi.txt", "title : lost\r\n");
        w.movies.WriteFile("Video\\Orphans\\notes.txt");
    }

    // The INI a close in that folder leaves: the series title is its name.
    void StartIn(const std::string& relative)
    {
        const size_t slash = relative.rfind('\\');
        w.WriteIniForFolder(w.movies / relative, "SeriesTitle=" + relative.substr(slash + 1) + "\r\n");
        w.Start();
    }

    MainWindowHarness w;
};

}  // namespace

TEST_F(FolderTree, CaptionsAndPicturesShowEveryFolderState)
{
    MakeVideoFolders();
    StartIn("Video\\Drama");

    const TreeNode root = Root();
    EXPECT_EQ(6, root.image);
    EXPECT_EQ(6, root.selectedImage);
    const std::string parent = w.movies / "Video";
    if (parent.size() <= 50)
        EXPECT_EQ(parent, root.text);
    else
        EXPECT_EQ(parent.substr(0, 17) + "..." + parent.substr(parent.size() - 30), root.text);

    ASSERT_EQ(5u, Children().size());
    const struct {
        const char* caption;
        int image;
        int selectedImage;
    } expected[] = {{"Comedy - [3]", 2, 3},
                    {"Drama - [5]", 0, 1},
                    {"Empty", 7, 7},
                    {"Some - [2]", 4, 5},
                    {"Orphans", 8, 8}};
    for (const auto& node : expected) {
        const TreeNode shown = Child(node.caption);
        EXPECT_EQ(node.image, shown.image) << node.caption;
        EXPECT_EQ(node.selectedImage, shown.selectedImage) << node.caption;
    }
    EXPECT_TRUE(TreeView_GetItemState(Tree(), root.item, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ("Drama - [5]", SelectedCaption());
    EXPECT_EQ(w.movies / "Video\\Drama", w.Text(1003));
    // Selecting the node of the folder shown already switches nothing.
    EXPECT_FALSE(Contains(LogMessages(w.LogText()),
                          "Switching to new folder directory: " + (w.movies / "Video\\Drama")));
}

TEST_F(FolderTree, ClickingAnOrphanFolderWarnsThenSwitches)
{
    MakeVideoFolders();
    StartIn("Video\\Drama");
    ASSERT_TRUE(w.prompt.messages.empty());

    ClickNode("Orphans");
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Folder Contains Orphaned Metafiles!", w.prompt.messages[0].caption);
    EXPECT_EQ(
        "There are no movie files in the folder: Orphans\nbut the folder contains 2 orphaned metafiles.\n"
        "You should remove these files.",
        w.prompt.messages[0].text);
    EXPECT_EQ(MB_ICONERROR, w.prompt.messages[0].type & MB_ICONMASK);
    EXPECT_EQ(w.movies / "Video\\Orphans", w.Text(1003));
    EXPECT_EQ("Orphans", w.Text(1009));
    EXPECT_EQ("0", w.Text(1005));
    EXPECT_EQ(0, ::SendMessageA(w.Item(1001), LB_GETCOUNT, 0, 0));

    // A folder with movies switches without a box, and the tree stays as it was.
    ClickNode("Some - [2]");
    EXPECT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ(w.movies / "Video\\Some", w.Text(1003));
    EXPECT_EQ(w.movies / "Video\\Some", w.Dialog().CurrentSettings().TargetDir);
    EXPECT_EQ("2", w.Text(1005));
    EXPECT_EQ("Some - [2]", SelectedCaption());
    EXPECT_TRUE(Contains(LogMessages(w.LogText()),
                         "Switching to new folder directory: " + (w.movies / "Video\\Some")));
}

TEST_F(FolderTree, ClickingTheRootChangesNothing)
{
    MakeVideoFolders();
    StartIn("Video\\Drama");
    const std::string log = w.LogText();
    TreeView_SelectItem(Tree(), Root().item);
    EXPECT_EQ(w.movies / "Video\\Drama", w.Text(1003));
    EXPECT_EQ("Drama", w.Text(1009));
    EXPECT_EQ(log, w.LogText());
    EXPECT_TRUE(w.prompt.messages.empty());

    // No movie folder at all: a root without caption or children.
    w.Dialog().SwitchFolder("", true);
    EXPECT_EQ("", Root().text);
    EXPECT_TRUE(Children().empty());
}

TEST_F(FolderTree, ALongParentPathIsShortenedButChildrenCountTheRealFolders)
{
    // A parent path of exactly 60 characters.
    const size_t base = w.movies.Path().size() + 1;
    ASSERT_LT(base, 60u);
    const std::string deep = std::string(60 - base - 1, 'd') + "X";
    const std::string parent = w.movies / deep;
    ASSERT_EQ(60u, parent.size());
    w.movies.WriteFile(deep + "\\Films\\a.mpg");
    w.movies.WriteFile(deep + "\\Films\\a.mpg.txt", "title : a\r\n");
    w.movies.WriteFile(deep + "\\Films\\b.mpg");
    StartIn(deep + "\\Films");
    EXPECT_EQ(parent.substr(0, 17) + "..." + parent.substr(30), Root().text);
    ASSERT_EQ(1u, Children().size());
    EXPECT_EQ("Films - [2]", Children()[0].text);
    EXPECT_EQ(4, Children()[0].image);
}

TEST_F(FolderTree, ANameContainedInAnotherFolderNameSelectsItsOwnFolder)
{
    // "My Drama" contains "Drama": the folder called Drama is meant.
    w.movies.WriteFile("Video\\My Drama\\x.mpg");
    w.movies.WriteFile("Video\\Drama\\y.mpg");
    w.movies.WriteFile("Video\\Drama\\z.mpg");
    w.movies.MakeFolder("Video\\Drama Queens");
    StartIn("Video\\Drama");
    EXPECT_EQ("Drama - [2]", SelectedCaption());
    EXPECT_EQ(w.movies / "Video\\Drama", w.Text(1003));
    EXPECT_EQ("Drama", w.Text(1009));
    EXPECT_EQ("2", w.Text(1005));

    ClickNode("My Drama - [1]");
    w.Dialog().SelectFolderNode("Drama");
    EXPECT_EQ("Drama - [2]", SelectedCaption());
    EXPECT_EQ(w.movies / "Video\\Drama", w.Text(1003));
    // No folder of that name: the selection stays.
    w.Dialog().SelectFolderNode("Dram");
    EXPECT_EQ("Drama - [2]", SelectedCaption());
}

TEST_F(FolderTree, AFolderNameThatLooksLikeACountIsSwitchedToWhole)
{
    w.movies.WriteFile("Shows\\Show - [1]\\Ep 1.mpg");
    w.movies.WriteFile("Shows\\Show - [1]\\Ep 2.mpg");
    w.movies.WriteFile("Shows\\Show\\Ep 9.mpg");
    w.movies.WriteFile("Shows\\Tom & Jerry\\Café.mpg");
    StartIn("Shows\\Show");
    ClickNode("Show - [1] - [2]");
    EXPECT_EQ(w.movies / "Shows\\Show - [1]", w.Text(1003));
    EXPECT_EQ("Show - [1]", w.Text(1009));
    EXPECT_EQ("2", w.Text(1005));

    ClickNode("Tom & Jerry - [1]");
    EXPECT_EQ(w.movies / "Shows\\Tom & Jerry", w.Text(1003));
    EXPECT_EQ("1", w.Text(1005));
}

TEST_F(FolderTree, CountsStayUntilResetTreeLayoutRefreshesThem)
{
    MakeVideoFolders();
    StartIn("Video\\Drama");
    ClickNode("Empty");
    w.movies.WriteFile("Video\\Empty\\new.mpg");
    w.movies.WriteFile("Video\\Drama\\Part 1.mpg.txt", "title : Part 1\r\n");
    ClickNode("Drama - [5]");
    EXPECT_EQ(7, Child("Empty").image);
    EXPECT_EQ(0, Child("Drama - [5]").image);

    const size_t before = LogMessages(w.LogText()).size();
    w.Click(1026);
    EXPECT_EQ(0, Child("Empty - [1]").image);
    EXPECT_EQ(4, Child("Drama - [5]").image);
    EXPECT_EQ("Drama - [5]", SelectedCaption());
    EXPECT_EQ(w.movies / "Video\\Drama", w.Text(1003));
    HWND list = w.Item(1001);
    for (int i = 0; i < 5; ++i) {
        char name[64] = {};
        ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
        const bool hasMetadata = std::string(name) == "Part 1.mpg";
        EXPECT_EQ(hasMetadata ? RGB(225, 225, 51) : RGB(255, 255, 255),
                  static_cast<COLORREF>(::SendMessageA(list, LB_GETITEMDATA, i, 0)))
            << name;
    }
    // The rebuild selected Drama again without switching to it again.
    const auto log = LogMessages(w.LogText());
    EXPECT_TRUE(std::find(log.begin() + before, log.end(),
                          "Switching to new folder directory: " + (w.movies / "Video\\Drama")) == log.end());
}

TEST_F(FolderTree, ChoosingAFolderElsewhereDoesNotActOnTheOldTreesNodeOfThatName)
{
    // The old parent has an "Orphans" folder; the chosen folder of that name
    // under another parent holds a movie.
    MakeVideoFolders();
    w.movies.WriteFile("Archive\\Orphans\\found.mpg");
    StartIn("Video\\Drama");
    w.prompt.folders.push_back(w.movies / "Archive\\Orphans");
    w.Click(1004);
    EXPECT_TRUE(w.prompt.messages.empty()) << w.prompt.messages[0].text;
    EXPECT_EQ(w.movies / "Archive\\Orphans", w.Text(1003));
    EXPECT_EQ("1", w.Text(1005));
    EXPECT_EQ("Orphans - [1]", SelectedCaption());
}
