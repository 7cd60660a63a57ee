#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/file.h>
#include <sys/stat.h>

#include "platform/Paths.h"
#include "platform/posix/Descriptors.h"

namespace {

unsigned long long TimeValue(const struct timespec& time)
{
    // Hundreds of nanoseconds, as on Windows, so that both count alike.
    return static_cast<unsigned long long>(time.tv_sec) * 10000000ULL + time.tv_nsec / 100;
}

}  // namespace

bool WriteAll(int descriptor, const std::string& bytes, size_t* written)
{
    size_t done = 0;
    if (written)
        *written = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<size_t>(wrote);
        if (written)
            *written = done;
    }
    return true;
}

namespace {

// The entries of an open folder; each one's facts come from the folder's
// descriptor, so that no path is looked up again.
// The details of a file or folder that is no link, from its own look.
void TakeDetails(const struct stat& status, FolderEntry& entry)
{
    entry.size = entry.isFolder ? 0 : static_cast<unsigned long long>(status.st_size);
    entry.readOnly = (status.st_mode & S_IWUSR) == 0;
    entry.lastWrite = TimeValue(status.st_mtim);
    entry.detailed = true;
}

void VisitEntries(DIR* directory, const std::string& pattern,
                  const std::function<void(const FolderEntry&)>& visit, bool kindsOnly = false)
{
    // "*.*" is Windows' way of saying every name.
    const std::string match = pattern.empty() || pattern == "*.*" ? "*" : pattern;
    const int folder = dirfd(directory);
    while (const dirent* item = readdir(directory)) {
        const std::string name = item->d_name;
        if (name == "." || name == ".." || fnmatch(match.c_str(), name.c_str(), 0) != 0)
            continue;
        // The listing tells a plain file or folder: no look at it is needed
        // where its details are not (a library's tens of thousands of movies).
        if (kindsOnly && (item->d_type == DT_DIR || item->d_type == DT_REG)) {
            FolderEntry entry;
            entry.name = name;
            entry.isFolder = item->d_type == DT_DIR;
            entry.detailed = false;
            visit(entry);
            continue;
        }
        struct stat own = {};
        if (fstatat(folder, name.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        FolderEntry entry;
        entry.name = name;
        entry.isLink = S_ISLNK(own.st_mode);
        struct stat target = own;
        if (entry.isLink && fstatat(folder, name.c_str(), &target, 0) != 0)
            target = own;
        entry.isFolder = S_ISDIR(target.st_mode);
        TakeDetails(target, entry);
        visit(entry);
    }
    closedir(directory);
}

}  // namespace

bool ForEachFolderEntry(const std::string& folder, const std::function<void(const FolderEntry&)>& visit,
                        const std::string& pattern, SystemError* error, bool kindsOnly)
{
    DIR* directory = folder.empty() ? nullptr : opendir(folder.c_str());
    if (!directory) {
        if (error)
            *error = folder.empty() ? ENOENT : errno;
        return false;
    }
    VisitEntries(directory, pattern, visit, kindsOnly);
    return true;
}

void FillEntryDetails(const std::string& folder, FolderEntry& entry)
{
    struct stat status = {};
    if (!entry.detailed && stat((AddTrailingSeparator(folder) + entry.name).c_str(), &status) == 0)
        TakeDetails(status, entry);
}

SystemError CheckFolderReadable(const std::string& folder)
{
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return errno;
    closedir(directory);
    return 0;
}

PathInfo InspectPath(const std::string& path)
{
    PathInfo info;
    struct stat status = {};
    if (path.empty() || stat(path.c_str(), &status) != 0) {
        info.error = path.empty() ? ENOENT : errno;
        return info;
    }
    info.exists = true;
    info.isFolder = S_ISDIR(status.st_mode);
    info.readOnly = (status.st_mode & S_IWUSR) == 0;
    info.size = info.isFolder ? 0 : static_cast<unsigned long long>(status.st_size);
    info.lastWrite = TimeValue(status.st_mtim);
    return info;
}

bool CanReadFile(const std::string& path, unsigned long long* size)
{
    struct stat status = {};
    if (path.empty() || stat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode))
        return false;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    if (size)
        *size = static_cast<unsigned long long>(status.st_size);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error, size_t most)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (error)
            *error = errno;
        return false;
    }
    bytes.clear();
    char buffer[65536];
    ssize_t got = 0;
    // A regular file gives what it holds to each read until its end: a
    // shorter piece than asked for is the end, with no further call to see
    // it (a run reads thousands of small metadata files).
    while (bytes.size() < most) {
        const size_t asked = std::min(sizeof(buffer), most - bytes.size());
        got = ::read(descriptor, buffer, asked);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
        if (static_cast<size_t>(got) < asked)
            break;
    }
    const SystemError code = got < 0 ? errno : 0;
    ::close(descriptor);
    if (code && error)
        *error = code;
    return code == 0;
}

bool ReadFilePart(const std::string& path, unsigned long long offset, size_t size, std::string& bytes,
                  SystemError* error)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    SystemError code = descriptor < 0 ? errno : 0;
    bytes.assign(size, '\0');
    for (size_t done = 0; code == 0 && done < size;) {
        const ssize_t got = ::pread(descriptor, &bytes[done], size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        code = got < 0 ? errno : got == 0 ? ENOENT : 0;
        done += got > 0 ? static_cast<size_t>(got) : 0;
    }
    if (descriptor >= 0)
        ::close(descriptor);
    if (code && error)
        *error = code;
    return code == 0;
}

bool IsFolderOnDrive(const std::string& path)
{
    return InspectPath(path).isFolder;
}

NewFile::~NewFile()
{
    if (descriptor_ < 0)
        return;
    ::close(descriptor_);
    if (!named_)
        ::unlink(path_.c_str());
}

SystemError NewFile::Create(const std::string& path, const std::string& bytes, bool flush)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return errno;
    if (!WriteAll(descriptor, bytes) || (flush && ::fsync(descriptor) != 0)) {
        const SystemError code = errno ? errno : ENOSPC;
        ::close(descriptor);
        ::unlink(path.c_str());
        return code;
    }
    descriptor_ = descriptor;
    path_ = path;
    return 0;
}

SystemError NewFile::MoveTo(const std::string& path, bool replace)
{
    if (replace) {
        if (::rename(path_.c_str(), path.c_str()) != 0)
            return errno;
    } else {
        // A hard link fails when the name is taken, so a file that appeared
        // meanwhile is never replaced.
        if (::link(path_.c_str(), path.c_str()) != 0)
            return errno;
        ::unlink(path_.c_str());
    }
    named_ = true;
    return 0;
}

SystemError MakeFolder(const std::string& path, bool)
{
    if (::mkdir(path.c_str(), 0755) == 0)
        return 0;
    const SystemError code = errno;
    return code == EEXIST && InspectPath(path).isFolder ? 0 : code;
}

SystemError DeleteFileItself(const std::string& path, bool)
{
    // unlink removes a link itself, never what it leads to.
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

SystemError RemoveFolderItself(const std::string& path)
{
    // rmdir refuses a link (ENOTDIR) instead of following it.
    return ::rmdir(path.c_str()) == 0 ? 0 : errno;
}

bool LeadsElsewhere(const std::string& path)
{
    struct stat own = {};
    return lstat(path.c_str(), &own) == 0 && S_ISLNK(own.st_mode);
}

HeldFolder::~HeldFolder()
{
    Close();
}

void HeldFolder::Close()
{
    // Closing the descriptor also ends the lock on the folder.
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

SystemError HeldFolder::Make(const std::string& path, bool)
{
    // mkdir fails for any name that is taken, a link included.
    if (::mkdir(path.c_str(), 0700) != 0)
        return errno;
    return Open(path);
}

SystemError HeldFolder::Open(const std::string& path)
{
    Close();
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return LeadsElsewhere(path) ? kErrorLink : errno;
    // An exclusive lock says that a program works in the folder: another
    // one that finds it then leaves it alone.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const SystemError code = errno;
        ::close(descriptor);
        return code;
    }
    descriptor_ = descriptor;
    path_ = path;
    return 0;
}

bool HeldFolder::IsOpen() const
{
    return descriptor_ >= 0;
}

bool HeldFolder::ForEachEntry(const std::function<void(const FolderEntry&)>& visit) const
{
    const int copy = descriptor_ < 0 ? -1 : ::dup(descriptor_);
    DIR* directory = copy < 0 ? nullptr : fdopendir(copy);
    if (!directory) {
        if (copy >= 0)
            ::close(copy);
        return false;
    }
    rewinddir(directory);
    VisitEntries(directory, "*", visit);
    return true;
}

SystemError HeldFolder::DeleteEntry(const std::string& name) const
{
    // Relative to the held folder: whatever its path leads to meanwhile.
    return ::unlinkat(descriptor_, name.c_str(), 0) == 0 ? 0 : errno;
}

void HeldFolder::RemoveIfEmpty()
{
    // Removed by its path only while the path still names the held folder.
    struct stat held = {};
    struct stat named = {};
    if (descriptor_ >= 0 && fstat(descriptor_, &held) == 0 &&
        fstatat(AT_FDCWD, path_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino)
        ::rmdir(path_.c_str());
    Close();
}

unsigned long long FileClockNow()
{
    // The coarse clock is the one the file system stamps files with: a file
    // written after this moment is never stamped before it.
    struct timespec now = {};
#ifdef CLOCK_REALTIME_COARSE
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
#else
    clock_gettime(CLOCK_REALTIME, &now);
#endif
    return TimeValue(now);
}

UnixTime UnixTimeOf(unsigned long long fileClock)
{
    // The clock counts from 1970; a time before it wrapped below zero.
    const long long ticks = static_cast<long long>(fileClock);
    UnixTime time;
    time.seconds = ticks / 10000000 - (ticks % 10000000 < 0 ? 1 : 0);
    time.hundredNanoseconds = static_cast<unsigned>(ticks - time.seconds * 10000000);
    return time;
}

double SteadySeconds()
{
    struct timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

unsigned long ProcessNumber()
{
    return static_cast<unsigned long>(::getpid());
}

std::tm LocalTimeOf(std::time_t moment)
{
    std::tm local = {};
    localtime_r(&moment, &local);
    return local;
}
