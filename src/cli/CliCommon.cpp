#include "cli/CliCommon.h"

#include "platform/Access.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

// The system's words, and for a refusal which user may not enter or read
// which folder.
std::string WhyRefused(const std::string& folder, SystemError code)
{
    const std::string refusal = code == kErrorAccessDenied ? AccessRefusal(folder, false) : std::string();
    return SystemErrorLine(code) + (refusal.empty() ? "" : " " + refusal);
}

}  // namespace

bool ResolveFolder(const std::string& given, std::string& folder, std::ostream& err)
{
    folder = FullPathOf(given);
    // A root is only a folder with its separator ("C:" alone is the volume).
    const std::string stripped = StripTrailingSeparator(folder);
    const bool root = stripped.empty() || (stripped.size() == 2 && stripped.back() == ':');
    const PathInfo info = InspectPath(root ? stripped + kSeparator : stripped);
    if (!info.exists && info.error == kErrorAccessDenied) {
        err << "reelmark-cli: cannot read the folder " << given << ": " << WhyRefused(folder, info.error)
            << "\n";
        return false;
    }
    if (!info.exists) {
        err << "reelmark-cli: cannot find the folder " << given << ": " << SystemErrorLine(info.error)
            << "\n";
        return false;
    }
    if (!info.isFolder) {
        err << "reelmark-cli: " << given << " is not a folder\n";
        return false;
    }
    const SystemError code = CheckFolderReadable(root ? stripped + kSeparator : stripped);
    if (code != 0) {
        err << "reelmark-cli: cannot read the folder " << given << ": " << WhyRefused(folder, code) << "\n";
        return false;
    }
    return true;
}

bool ResolvePath(const std::string& given, std::string& path, bool& isFolder, std::ostream& err)
{
    path = FullPathOf(given);
    const PathInfo info = InspectPath(path);
    if (!info.exists) {
        err << "reelmark-cli: cannot find " << given << ": " << SystemErrorLine(info.error) << "\n";
        return false;
    }
    isFolder = info.isFolder;
    if (isFolder)
        return ResolveFolder(given, path, err);
    return true;
}
