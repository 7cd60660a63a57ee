#pragma once
// One reading of a folder, answering for every name in it. Looking names up
// one by one would cost a search of the whole folder for each name that is
// missing (Wine compares names without regard to case by reading the whole
// folder), so a folder of thousands of movies is read once instead.
#include <string>
#include <unordered_map>
#include <vector>

#include "core/folders/MovieScanner.h"

class FolderIndex {
public:
    // Reads the folder once; a folder that cannot be read holds nothing.
    // Files may come without their details (FolderEntry::detailed): where
    // each costs a look of its own, a library is listed from the names and
    // kinds alone, and only the files whose size or time counts are looked
    // at (Detailed).
    explicit FolderIndex(const std::string& folder);

    // The entry of that name as the file system matches names (on Windows
    // letter case ignored, "ｆｉｌｍ" not "film"); nullptr when there is none.
    const FolderEntry* Find(const std::string& name) const;
    // The same with its size, read-only mark and time.
    const FolderEntry* FindDetailed(const std::string& name) const;
    // The entry with its details, looked up once and kept.
    const FolderEntry& Detailed(const FolderEntry& entry) const;
    // In the order names are shown: as Windows lists a folder, whatever
    // order the disk gives (letters compared as upper case).
    const std::vector<FolderEntry>& Entries() const { return entries_; }
    // Why the folder could not be read; 0 when it was.
    SystemError ReadError() const { return readError_; }

private:
    std::string folder_;
    // Details filled in as they are asked for.
    mutable std::vector<FolderEntry> entries_;
    SystemError readError_ = 0;
    std::unordered_map<std::string, size_t> byName_;
};

// Whether the movie has a metadata file that pyTivo can read anything from:
// a file of the movie's name plus ".txt" that is not empty (a new file that
// a power cut left empty is written again by the next Generate), or a
// pipe, device or socket of that name, which a run never replaces.
bool HasMetadata(const FolderIndex& folder, const std::string& movieName);

// The movie files of the folder in the order names are shown, each with whether
// it has a metadata file, from one reading of the folder.
struct MovieListing {
    std::string name;
    bool hasMetadata;  // its own metadata file beside it
    // Metadata from other files pyTivo reads (a .nfo, a default.txt, the
    // ".meta" folder); told only where the listing asks the sources
    // (core/library/MovieList.h).
    bool otherSources = false;
};
std::vector<MovieListing> MoviesIn(const FolderIndex& folder);
