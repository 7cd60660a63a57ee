#pragma once
#include <string>
#include <vector>

// What the folder tree knows of one sub-folder of the parent folder: its
// counts at the last rebuild and its own name.
struct FolderNode {
    long movieCount = 0;
    long metadataCount = 0;
    std::string name;
};

// Every sub-folder of the parent with its counts, in the parent's listing
// order: one reading of the parent and one of each sub-folder. Touches
// nothing but the file system, so it may run on a thread of its own.
std::vector<FolderNode> ReadSubFolders(const std::string& parent);

// Caption and images (normal, selected) of a sub-folder's node.
struct FolderNodeLook {
    std::string caption;
    int image;
    int selectedImage;
};
FolderNodeLook LookOfFolderNode(const FolderNode& node);

// Images of the tree strip.
constexpr int kRootFolderImage = 6;
