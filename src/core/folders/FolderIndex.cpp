#include "core/folders/FolderIndex.h"

#include <algorithm>

#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

// The order names are shown in, on every system and whatever order the
// disk gives them in: as Windows lists a folder, letters compared as upper
// case, then byte for byte.
bool ShownBefore(const FolderEntry& a, const FolderEntry& b)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    const size_t common = std::min(a.name.size(), b.name.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(upper(a.name[i]));
        const auto y = static_cast<unsigned char>(upper(b.name[i]));
        if (x != y)
            return x < y;
    }
    return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
}

}  // namespace

FolderIndex::FolderIndex(const std::string& folder) : folder_(folder)
{
    ForEachFolderEntry(
        folder, [this](const FolderEntry& entry) { entries_.push_back(entry); }, "*", &readError_, true);
    std::sort(entries_.begin(), entries_.end(), ShownBefore);
    byName_.reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i)
        byName_.emplace(FileNameKey(entries_[i].name), i);
}

const FolderEntry* FolderIndex::Find(const std::string& name) const
{
    const auto found = byName_.find(FileNameKey(name));
    return found == byName_.end() ? nullptr : &entries_[found->second];
}

const FolderEntry* FolderIndex::FindDetailed(const std::string& name) const
{
    const FolderEntry* entry = Find(name);
    return entry ? &Detailed(*entry) : nullptr;
}

const FolderEntry& FolderIndex::Detailed(const FolderEntry& entry) const
{
    // One of this reading's own entries, or the one of the same name.
    const bool own = !entries_.empty() && &entry >= entries_.data() && &entry < entries_.data() + entries_.size();
    const FolderEntry* found = own ? &entry : Find(entry.name);
    if (!found)
        return entry;
    FolderEntry& kept = entries_[static_cast<size_t>(found - entries_.data())];
    FillEntryDetails(folder_, kept);
    return kept;
}

bool HasMetadata(const FolderIndex& folder, const std::string& movieName)
{
    const FolderEntry* metadata = folder.FindDetailed(movieName + ".txt");
    // A pipe or device of that name holds it too: it is never replaced.
    return metadata && !metadata->isFolder && (metadata->size > 0 || metadata->isOther);
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
