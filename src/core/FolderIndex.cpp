#include "core/FolderIndex.h"

#include "platform/Text.h"

FolderIndex::FolderIndex(const std::string& folder)
{
    ForEachFolderEntry(
        folder,
        [this](const FolderEntry& entry) {
            byName_.emplace(FileNameKey(entry.name), entries_.size());
            entries_.push_back(entry);
        },
        "*", &readError_);
}

const FolderEntry* FolderIndex::Find(const std::string& name) const
{
    const auto found = byName_.find(FileNameKey(name));
    return found == byName_.end() ? nullptr : &entries_[found->second];
}

bool HasMetadata(const FolderIndex& folder, const std::string& movieName)
{
    const FolderEntry* metadata = folder.Find(movieName + ".txt");
    return metadata && !metadata->isFolder && metadata->size > 0;
}

std::vector<MovieListing> ListMoviesWithMetadata(const std::string& folder)
{
    return MoviesIn(FolderIndex(folder));
}

std::vector<MovieListing> MoviesIn(const FolderIndex& index)
{
    std::vector<MovieListing> movies;
    for (const FolderEntry& entry : index.Entries()) {
        if (!entry.isFolder && IsMovieFile(entry.name))
            movies.push_back({entry.name, HasMetadata(index, entry.name)});
    }
    return movies;
}
