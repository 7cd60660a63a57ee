#include "core/FolderWalk.h"

#include <algorithm>

#include "core/ActivityLog.h"
#include "core/PyTivoView.h"
#include "core/NameParser.h"
#include "core/WorkFolder.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

std::string Join(const std::string& relative, const std::string& name)
{
    return relative.empty() ? name : relative + kSeparator + name;
}

// The last name of a relative path.
std::string LastName(const std::string& relative)
{
    const size_t last = relative.rfind(kSeparator);
    return last == std::string::npos ? relative : relative.substr(last + 1);
}

// The title of the movie folder's own movies: the one the user sees, but
// for a season folder that still carries its own name as title, the name
// of the folder above it (none above a drive root).
std::string TitleOfMovieFolder(const std::string& movieFolder, const std::string& topTitle)
{
    const std::string folder = StripTrailingSeparator(movieFolder);
    if (topTitle != LastPathComponent(folder) || SeasonOfFolderName(topTitle) == kNoNumber)
        return topTitle;
    const std::string above = LastPathComponent(ParentFolderOf(folder));
    return above.empty() ? topTitle : above;
}

struct PendingFolder {
    std::string relative;
    int topDone;
};

}  // namespace

bool WalkEntersFolder(const FolderEntry& entry)
{
    return entry.isFolder && !entry.isLink && !IsWorkFolderName(entry.name);
}

std::string RelativeFolderOf(const std::string& relativePath)
{
    const size_t last = relativePath.rfind(kSeparator);
    return last == std::string::npos ? std::string() : relativePath.substr(0, last);
}

std::string SeriesTitleOfFolder(const std::string& movieFolder, const std::string& relativeFolder,
                                const std::string& topTitle)
{
    if (relativeFolder.empty())
        return TitleOfMovieFolder(movieFolder, topTitle);
    const std::string name = LastName(relativeFolder);
    if (SeasonOfFolderName(name) == kNoNumber)
        return name;
    // Only the folder right above counts: a season folder inside a season
    // folder takes that one's name.
    const std::string parent = RelativeFolderOf(relativeFolder);
    const std::string above = parent.empty() ? TitleOfMovieFolder(movieFolder, topTitle) : LastName(parent);
    return above.empty() ? name : above;
}

bool WalkFolderTree(const std::string& folder, ActivityLog& log,
                    const std::function<bool(const WalkedFolder&)>& visit, int* unread)
{
    const std::string root = StripTrailingSeparator(folder);
    std::vector<PendingFolder> pending = {{std::string(), 0}};
    int topTotal = 0;
    while (!pending.empty()) {
        const PendingFolder at = std::move(pending.back());
        pending.pop_back();
        const std::string path = at.relative.empty() ? folder : root + kSeparator + at.relative;
        const FolderIndex index(path);
        if (index.ReadError() != 0) {
            // One line with its stamp: a log reader sees which folder and why.
            log.AddLogEntry("", LogSeverity::Warning, "Could not read folder (skipped): %s: %s", path.c_str(),
                            SystemErrorLine(index.ReadError()).c_str());
            if (unread)
                ++*unread;
            continue;
        }
        // Sub-folders go on the stack last first, so the first is read next.
        const size_t mark = pending.size();
        for (const FolderEntry& entry : index.Entries()) {
            if (WalkEntersFolder(entry)) {
                pending.push_back({Join(at.relative, entry.name), at.topDone});
            } else if (entry.isFolder && entry.isLink) {
                // Told once while the program runs, not at every walk.
                const std::string link = root + kSeparator + Join(at.relative, entry.name);
                if (log.FirstTime("left out " + link))
                    log.AddLogEntry("", LogSeverity::Warning, "Left out, a link is not followed: %s", link.c_str());
            }
        }
        if (at.relative.empty()) {
            topTotal = static_cast<int>(pending.size() - mark);
            for (size_t i = mark; i < pending.size(); ++i)
                pending[i].topDone = static_cast<int>(i - mark);
        }
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(mark), pending.end());
        if (!visit({at.relative, index, at.topDone, topTotal}))
            return false;
    }
    return true;
}

std::vector<MovieListing> ListMoviesBelow(const std::string& folder, ActivityLog& log,
                                          const std::function<bool(const WalkedFolder&)>& keepGoing,
                                          bool* stopped, int* unread)
{
    std::vector<MovieListing> movies;
    const std::string root = StripTrailingSeparator(folder);
    PyTivoRunCache cache;  // the folders above, each read once
    const bool finished = WalkFolderTree(folder, log, [&](const WalkedFolder& walked) {
        if (keepGoing && !keepGoing(walked))
            return false;
        // The movie folder as given: a drive root keeps its separator.
        const std::string path = walked.relative.empty() ? folder : root + kSeparator + walked.relative;
        for (MovieListing& movie : MoviesWithSources(PyTivoFolder(path, walked.index), cache))
            movies.push_back({Join(walked.relative, movie.name), movie.hasMetadata, movie.otherSources});
        return true;
    }, unread);
    if (stopped)
        *stopped = !finished;
    return movies;
}
