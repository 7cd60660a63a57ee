#include "core/library/SeriesTitle.h"

#include "core/folders/FolderWalk.h"
#include "core/library/NameParser.h"
#include "platform/Paths.h"

namespace {

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

}  // namespace

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
