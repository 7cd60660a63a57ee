#include "cli/CliPaths.h"

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "core/folders/FolderWalk.h"
#include "core/log/ActivityLog.h"
#include "platform/Paths.h"

int VisitGivenPaths(const CliArguments& arguments, ActivityLog& log, std::ostream& err, int& unread,
                    const std::function<void(const PyTivoFolder&)>& visitFolder,
                    const std::function<void(const PyTivoFolder&, const FolderEntry&)>& visitMovie)
{
    int exitCode = kExitSuccess;
    for (const std::string& given : arguments.paths) {
        std::string path;
        bool isFolder = false;
        if (!ResolvePath(given, path, isFolder, err)) {
            exitCode = kExitUsage;
            continue;
        }
        if (!isFolder) {
            const FolderIndex index(ParentFolderOf(path));
            if (const FolderEntry* entry = index.Find(FileNameOf(path, true)))
                visitMovie(PyTivoFolder(ParentFolderOf(path), index), *entry);
            continue;
        }
        const std::string root = StripTrailingSeparator(path);
        if (!arguments.recursive) {
            const FolderIndex index(path);
            visitFolder(PyTivoFolder(root, index));
            continue;
        }
        WalkFolderTree(
            path, log,
            [&](const WalkedFolder& walked) {
                visitFolder(
                    PyTivoFolder(walked.relative.empty() ? root : root + kSeparator + walked.relative, walked.index));
                return true;
            },
            &unread);
    }
    return exitCode;
}
