#include "core/WorkFolder.h"

#include <atomic>
#include <cstdio>

#include "core/MovieScanner.h"
#include "platform/FileSystem.h"
#include "platform/SystemError.h"

const char kWorkFolderName[] = "~reelmark.tmp";

namespace {

// Short and unique within the machine: the process number and a counter.
std::string NextName()
{
    static std::atomic<unsigned> counter{0};
    char name[32];
    std::snprintf(name, sizeof(name), "%lx-%x", ProcessNumber(), ++counter);
    return name;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "~reelmark<digits>.tmp": the copies of earlier versions.
bool IsOldCopyTemporary(const std::string& name)
{
    const std::string start = "~reelmark";
    if (name.compare(0, start.size(), start) != 0 || !EndsWith(name, ".tmp"))
        return false;
    const std::string digits = name.substr(start.size(), name.size() - start.size() - 4);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
}

// Deletes the files of the listing that pass the test and were last written
// before the given time; a file another program holds open stays.
void DeleteOldFiles(const std::string& folder, const std::string& pattern, unsigned long long before,
                    bool (*matches)(const std::string&))
{
    ForEachFolderEntry(
        folder,
        [&](const FolderEntry& entry) {
            if (!entry.isFolder && matches(entry.name) && entry.lastWrite < before)
                DeleteFileForce(folder + kSeparator + entry.name);
        },
        pattern);
}

bool AnyName(const std::string&)
{
    return true;
}

bool IsOldTemporary(const std::string& name)
{
    return EndsWith(name, ".reelmark-new") || IsOldCopyTemporary(name);
}

}  // namespace

WorkFolder::WorkFolder(const std::string& folder)
    : folder_(StripTrailingSeparator(folder)),  // a drive root comes with its backslash
      work_(folder_ + kSeparator + kWorkFolderName),
      made_(FileClockNow())
{
}

WorkFolder::~WorkFolder()
{
    if (ready_)
        RemoveEmptyFolder(work_);
}

bool WorkFolder::MakeTemporary(const std::function<unsigned long(const std::string& path)>& make,
                               std::string& path, unsigned long& error)
{
    // Taken names are passed over; a work folder that another run removed
    // meanwhile is made again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!ready_) {
            error = MakeFolder(work_, true);
            if (error != 0)
                return false;
            ready_ = true;
        }
        path = work_ + kSeparator + NextName();
        error = make(path);
        if (error == 0)
            return true;
        if (IsNotFound(error))
            ready_ = false;
        else if (!IsNameTaken(error))
            return false;
    }
    return false;
}

void WorkFolder::RemoveLeftovers() const
{
    DeleteOldFiles(work_, "*", made_, AnyName);
    if (!ready_)
        RemoveEmptyFolder(work_);
    // Searched by their patterns: the system then compares names only, and
    // does not look into every file of a big folder.
    DeleteOldFiles(folder_, "*.reelmark-new", made_, IsOldTemporary);
    DeleteOldFiles(folder_, "~reelmark*.tmp", made_, IsOldTemporary);
}
