#include "core/files/WorkFolder.h"

#include <atomic>
#include <cstdio>
#include <vector>

#include "core/log/ActivityLog.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace {

const char kPrefix[] = "~reelmark-";
const char kSuffix[] = ".tmp";
// The one work folder of earlier versions: a fixed name that anybody could
// have made, so nothing in it can be proved the program's own.
const char kOldWorkFolderName[] = "~reelmark.tmp";

bool IsHex(const std::string& text)
{
    return !text.empty() && text.size() <= 16 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "~reelmark-<hex>-<hex>.tmp": this version's work folders.
bool IsOwnWorkFolderName(const std::string& name)
{
    const size_t start = sizeof(kPrefix) - 1;
    if (name.compare(0, start, kPrefix) != 0 || !EndsWith(name, kSuffix))
        return false;
    const std::string middle = name.substr(start, name.size() - start - (sizeof(kSuffix) - 1));
    const size_t dash = middle.find('-');
    return dash != std::string::npos && IsHex(middle.substr(0, dash)) && IsHex(middle.substr(dash + 1));
}

// "~reelmark<digits>.tmp": the copies of earlier versions.
bool IsOldCopyTemporary(const std::string& name)
{
    const std::string start = "~reelmark";
    if (name.compare(0, start.size(), start) != 0 || !EndsWith(name, kSuffix))
        return false;
    const std::string digits = name.substr(start.size(), name.size() - start.size() - 4);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
}

// A fresh number for each work folder and temporary file of the process.
unsigned NextNumber()
{
    static std::atomic<unsigned> counter{0};
    return ++counter;
}

std::string Hex(unsigned long value)
{
    char text[24];
    std::snprintf(text, sizeof(text), "%lx", value);
    return text;
}

// What one cleaning found that it must leave alone.
class Cleaning {
public:
    Cleaning(const std::string& folder, unsigned long long before) : folder_(folder), before_(before) {}

    // A file that bears a temporary name of earlier versions.
    void OldTemporary(const FolderEntry& entry)
    {
        const std::string path = folder_ + kSeparator + entry.name;
        if (entry.isFolder || entry.isLink)
            leftAlone_.push_back(path);
        else if (entry.lastWrite < before_ && DeleteFileItself(path, true) == kErrorLink)
            leftAlone_.push_back(path);
    }

    // A work folder of this version that a run which was cut short left.
    void OldWorkFolder(const std::string& name)
    {
        const std::string path = folder_ + kSeparator + name;
        HeldFolder old;
        const SystemError code = old.Open(path);
        if (IsInUse(code) || code == kErrorFileNotFound)
            return;  // a running program works there, or it is gone
        if (code != 0) {
            leftAlone_.push_back(path);  // a link, or a file of the folder's name
            return;
        }
        old.ForEachEntry([&](const FolderEntry& entry) {
            const bool ours = IsHex(entry.name) && !entry.isFolder && !entry.isLink;
            if (!ours || (entry.lastWrite < before_ && old.DeleteEntry(entry.name) == kErrorLink))
                leftAlone_.push_back(path + kSeparator + entry.name);
        });
        old.RemoveIfEmpty();
    }

    void Also(const std::string& name) { leftAlone_.push_back(folder_ + kSeparator + name); }

    void Report(ActivityLog& log) const
    {
        for (const std::string& path : leftAlone_)
            log.AddLogEntry("", LogSeverity::Warning, "Left alone, Reelmark did not make it: %s", path.c_str());
    }

private:
    std::string folder_;
    unsigned long long before_;
    std::vector<std::string> leftAlone_;
};

}  // namespace

bool IsWorkFolderName(const std::string& name)
{
    return name == kOldWorkFolderName || IsOwnWorkFolderName(name);
}

WorkFolder::WorkFolder(const std::string& folder)
    : folder_(StripTrailingSeparator(folder)),  // a drive root comes with its backslash
      made_(FileClockNow())
{
}

WorkFolder::~WorkFolder()
{
    if (work_)
        work_->RemoveIfEmpty();
}

SystemError WorkFolder::MakeOwnFolder()
{
    auto folder = std::make_unique<HeldFolder>();
    SystemError code = kErrorNameTaken;
    // Anything that holds a name already, a link above all, makes the run
    // pick the next one: nothing of another's is ever taken over.
    for (int attempt = 0; attempt < 100 && IsNameTaken(code); ++attempt) {
        code = folder->Make(folder_ + kSeparator + kPrefix + Hex(ProcessNumber()) + "-" + Hex(NextNumber()) +
                                kSuffix,
                            true);
    }
    if (code == 0)
        work_ = std::move(folder);
    return IsNameTaken(code) ? kErrorAccessDenied : code;
}

bool WorkFolder::MakeTemporary(const std::function<SystemError(const std::string& path)>& make,
                               SystemError& error)
{
    // Taken names are passed over; a work folder that went meanwhile is
    // made afresh.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!work_ && (error = MakeOwnFolder()) != 0)
            return false;
        error = make(work_->Path() + kSeparator + Hex(NextNumber()));
        if (error == 0)
            return true;
        if (IsNotFound(error))
            work_.reset();
        else if (!IsNameTaken(error))
            return false;
    }
    error = kErrorAccessDenied;
    return false;
}

void WorkFolder::RemoveLeftovers(ActivityLog& log) const
{
    Cleaning cleaning(folder_, made_);
    // Searched by their patterns: the system then compares names only, and
    // does not look into every file of a big folder.
    ForEachFolderEntry(
        folder_,
        [&](const FolderEntry& entry) {
            if (IsOwnWorkFolderName(entry.name)) {
                if (!work_ || folder_ + kSeparator + entry.name != work_->Path())
                    cleaning.OldWorkFolder(entry.name);
            } else if (entry.name == kOldWorkFolderName) {
                cleaning.Also(entry.name);
            } else if (IsOldCopyTemporary(entry.name)) {
                cleaning.OldTemporary(entry);
            }
        },
        "~reelmark*");
    ForEachFolderEntry(
        folder_, [&](const FolderEntry& entry) { cleaning.OldTemporary(entry); }, "*.reelmark-new");
    cleaning.Report(log);
}
