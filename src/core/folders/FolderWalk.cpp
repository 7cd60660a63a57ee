#include "core/folders/FolderWalk.h"

#include <algorithm>

#include "core/files/WorkFolder.h"
#include "core/log/ActivityLog.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

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

std::string RelativePathOf(const std::string& relativeFolder, const std::string& name)
{
    return relativeFolder.empty() ? name : relativeFolder + kSeparator + name;
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
                pending.push_back({RelativePathOf(at.relative, entry.name), at.topDone});
            } else if (entry.isFolder && entry.isLink) {
                // Told once while the program runs, not at every walk.
                const std::string link = root + kSeparator + RelativePathOf(at.relative, entry.name);
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
