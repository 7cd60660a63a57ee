#pragma once
#include <string>

// What the folder tree knows of one sub-folder of the parent folder: its
// counts at the last rebuild and its own name.
struct FolderNode {
    long movieCount = 0;
    long metadataCount = 0;
    std::string name;
};

// Caption and images (normal, selected) of a sub-folder's node.
struct FolderNodeLook {
    std::string caption;
    int image;
    int selectedImage;
};
FolderNodeLook LookOfFolderNode(const FolderNode& node);

// Images of the tree strip.
constexpr int kRootFolderImage = 6;
