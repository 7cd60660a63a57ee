#include "core/FolderNode.h"

#include <cstdio>

#include "core/MovieScanner.h"

std::vector<FolderNode> ReadSubFolders(const std::string& parent)
{
    std::vector<std::string> names;
    ListSubFolders(parent, names);
    std::vector<FolderNode> nodes(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        int movies = 0;
        int metadata = 0;
        CountFolderFiles(parent + kSeparator + names[i], movies, metadata);
        nodes[i] = {movies, metadata, names[i]};
    }
    return nodes;
}

FolderNodeLook LookOfFolderNode(const FolderNode& node)
{
    const long movies = node.movieCount;
    const long metadata = node.metadataCount;
    if (movies == 0)
        return metadata > 0 ? FolderNodeLook{node.name, 8, 8} : FolderNodeLook{node.name, 7, 7};
    char caption[64];
    std::snprintf(caption, sizeof(caption), " - [%ld]", movies);
    std::string text = node.name + caption;
    if (metadata == movies)
        return {text, 2, 3};
    if (metadata == 0)
        return {text, 0, 1};
    return {text, 4, 5};
}
