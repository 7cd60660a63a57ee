#include "core/library/MovieList.h"

#include "core/pytivo/PyTivoView.h"
#include "platform/Paths.h"

std::vector<MovieListing> ListMoviesWithMetadata(const std::string& folder)
{
    const FolderIndex index(folder);
    PyTivoRunCache cache;
    return MoviesWithSources(PyTivoFolder(folder, index), cache);
}

std::vector<MovieListing> ListMoviesBelow(const std::string& folder, ActivityLog& log,
                                          const std::function<bool(const WalkedFolder&)>& keepGoing,
                                          bool* stopped, int* unread)
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
            for (MovieListing& movie : MoviesWithSources(PyTivoFolder(path, walked.index), cache))
                movies.push_back(
                    {RelativePathOf(walked.relative, movie.name), movie.hasMetadata, movie.otherSources});
            return true;
        },
        unread);
    if (stopped)
        *stopped = !finished;
    return movies;
}
