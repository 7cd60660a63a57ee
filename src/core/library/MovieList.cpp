#include "core/library/MovieList.h"

#include "platform/Paths.h"

const PyTivoView* OtherSourceViews::Of(const std::string& entry) const
{
    const auto found = views_.find(entry);
    return found == views_.end() ? nullptr : &found->second;
}

void OtherSourceViews::Read(const PyTivoFolder& folder, const std::string& relative,
                            const std::vector<MovieListing>& movies, PyTivoRunCache& cache)
{
    for (const MovieListing& movie : movies) {
        const FolderEntry* entry = movie.hasMetadata ? nullptr : folder.Index().Find(movie.name);
        if (entry && HasOtherPyTivoSources(folder, movie.name, cache, own_))
            views_[RelativePathOf(relative, movie.name)] = ReadOtherSources(folder, *entry, cache, own_);
    }
}

std::vector<MovieListing> ListMoviesWithMetadata(const std::string& folder, OtherSourceViews* views)
{
    const FolderIndex index(folder);
    PyTivoRunCache cache;
    const PyTivoFolder sources(folder, index);
    std::vector<MovieListing> movies = MoviesWithSources(sources, cache);
    if (views)
        views->Read(sources, std::string(), movies, cache);
    return movies;
}

std::vector<MovieListing> ListMoviesBelow(const std::string& folder, ActivityLog& log,
                                          const std::function<bool(const WalkedFolder&)>& keepGoing,
                                          bool* stopped, int* unread, OtherSourceViews* views)
{
    std::vector<MovieListing> movies;
    const std::string root = StripTrailingSeparator(folder);
    PyTivoRunCache cache;  // the folders above, each read once
    const bool finished = WalkFolderTree(
        folder, log,
        [&](const WalkedFolder& walked) {
            if (keepGoing && !keepGoing(walked))
                return false;
            // The movie folder as given: a drive root keeps its separator.
            const std::string path = walked.relative.empty() ? folder : root + kSeparator + walked.relative;
            const PyTivoFolder sources(path, walked.index);
            const std::vector<MovieListing> found = MoviesWithSources(sources, cache);
            if (views)
                views->Read(sources, walked.relative, found, cache);
            for (const MovieListing& movie : found)
                movies.push_back(
                    {RelativePathOf(walked.relative, movie.name), movie.hasMetadata, movie.otherSources});
            return true;
        },
        unread);
    if (stopped)
        *stopped = !finished;
    return movies;
}
