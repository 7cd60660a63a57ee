#pragma once
#include <string>
#include <vector>

class PyTivoFolder;
class PyTivoRunCache;

// What the folder tree knows of one sub-folder of the parent folder: its
// counts at the last rebuild and its own name.
struct FolderNode {
    long movieCount = 0;
    // Movies with metadata: their own file beside them, or other files
    // pyTivo reads (as the movie list colours them).
    long metadataCount = 0;
    // Metadata files whose movie is not there: pyTivo shows nothing for them.
    long orphanCount = 0;
    std::string name;
};

// Adds what one folder holds to the node's counts.
void CountFolder(const PyTivoFolder& folder, PyTivoRunCache& cache, FolderNode& node);

// Every sub-folder of the parent with its counts, in name order: one
// reading of the parent and one of each sub-folder, and with recursive one
// of each folder below them too, their counts added to their sub-folder's.
// Touches nothing but the file system, so it may run on a thread of its own.
std::vector<FolderNode> ReadSubFolders(const std::string& parent, bool recursive);

// Caption and images (normal, selected) of a sub-folder's node.
struct FolderNodeLook {
    std::string caption;
    int image;
    int selectedImage;
};
FolderNodeLook LookOfFolderNode(const FolderNode& node);

// Images of the tree strip.
constexpr int kRootFolderImage = 6;
