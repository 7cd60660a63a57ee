#include "core/library/FolderNode.h"

#include <cstdio>

#include "core/folders/FolderWalk.h"
#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "core/pytivo/PyTivoView.h"
#include "platform/Text.h"

namespace {

const char kMetadataEnding[] = ".txt";

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && StartsWithIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}

}  // namespace

void CountFolder(const PyTivoFolder& folder, PyTivoRunCache& cache, FolderNode& node)
{
    for (const MovieListing& movie : MoviesWithSources(folder, cache)) {
        ++node.movieCount;
        node.metadataCount += movie.hasMetadata || movie.otherSources ? 1 : 0;
    }
    // A metadata file whose movie is gone is how a folder of orphans shows.
    const std::string ending = kMetadataEnding;
    for (const FolderEntry& entry : folder.Index().Entries()) {
        const std::string& name = entry.name;
        if (entry.isFolder || !EndsWithIgnoringCase(name, ending) || folder.Index().Detailed(entry).size == 0)
            continue;
        const std::string movie = name.substr(0, name.size() - ending.size());
        const FolderEntry* there = folder.Index().Find(movie);
        if (IsMovieFile(movie) && (!there || there->isFolder))
            ++node.orphanCount;
    }
}

std::vector<FolderNode> ReadSubFolders(const std::string& parent, bool recursive)
{
    std::vector<std::string> names;
    ListSubFolders(parent, names);
    std::vector<FolderNode> nodes(names.size());
    PyTivoRunCache cache;
    ActivityLog unread;  // a folder the tree cannot read simply counts nothing
    for (size_t i = 0; i < names.size(); ++i) {
        FolderNode& node = nodes[i];
        node.name = names[i];
        const std::string path = parent + kSeparator + names[i];
        if (!recursive) {
            const FolderIndex index(path);
            CountFolder(PyTivoFolder(path, index), cache, node);
            continue;
        }
        WalkFolderTree(path, unread, [&](const WalkedFolder& walked) {
            CountFolder(PyTivoFolder(walked.relative.empty() ? path : path + kSeparator + walked.relative,
                                     walked.index),
                        cache, node);
            return true;
        });
    }
    return nodes;
}

FolderNodeLook LookOfFolderNode(const FolderNode& node)
{
    const long movies = node.movieCount;
    const long metadata = node.metadataCount;
    if (movies == 0)
        return node.orphanCount > 0 ? FolderNodeLook{node.name, 8, 8} : FolderNodeLook{node.name, 7, 7};
    char caption[64];
    std::snprintf(caption, sizeof(caption), " - [%ld]", movies);
    std::string text = node.name + caption;
    if (metadata == movies)
        return {text, 2, 3};
    if (metadata == 0)
        return {text, 0, 1};
    return {text, 4, 5};
}
