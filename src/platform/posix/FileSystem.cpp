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

unsigned long long TimeValue(const struct timespec& time)
{
    // Hundreds of nanoseconds, as on Windows, so that both count alike.
    return static_cast<unsigned long long>(time.tv_sec) * 10000000ULL + time.tv_nsec / 100;
}

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

void TakeDetails(const struct stat& status, FolderEntry& entry)
{
    entry.size = entry.isFolder ? 0 : static_cast<unsigned long long>(status.st_size);
    entry.readOnly = (status.st_mode & S_IWUSR) == 0;
    entry.lastWrite = TimeValue(status.st_mtim);
    entry.detailed = true;
}

void VisitEntries(DIR* directory, const std::string& pattern,
                  const std::function<void(const FolderEntry&)>& visit, bool kindsOnly)
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
        entry.isOther = !entry.isFolder && !S_ISREG(target.st_mode) && !S_ISLNK(target.st_mode);
        TakeDetails(target, entry);
        visit(entry);
    }
    closedir(directory);
}

int OpenRegularFile(int folder, const std::string& name, bool followLink, SystemError& error, struct stat* status,
                    int access)
{
    // Without O_NONBLOCK the opening of a pipe waits for a writer, for ever
    // if none comes; a regular file reads and writes the same either way.
    const int descriptor = ::openat(folder, name.c_str(),
                                    access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW), 0644);
    if (descriptor < 0) {
        error = errno;
        return -1;
    }
    struct stat own = {};
    if (fstat(descriptor, &own) != 0 || !S_ISREG(own.st_mode)) {
        error = S_ISDIR(own.st_mode) ? EISDIR : kErrorNotAFile;
        ::close(descriptor);
        return -1;
    }
    if (status)
        *status = own;
    return descriptor;
}

bool ReadOpenFile(int descriptor, std::string& bytes, size_t most, SystemError& error)
{
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
    if (got < 0)
        error = errno;
    return got >= 0;
}

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

bool CanReadFile(const std::string& path, unsigned long long* size, SystemError* error)
{
    SystemError code = ENOENT;
    struct stat status = {};
    const int descriptor = path.empty() ? -1 : OpenRegularFile(AT_FDCWD, path, true, code, &status);
    if (descriptor < 0) {
        if (error)
            *error = code;
        return false;
    }
    ::close(descriptor);
    if (size)
        *size = static_cast<unsigned long long>(status.st_size);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error, size_t most)
{
    SystemError code = ENOENT;
    const int descriptor = path.empty() ? -1 : OpenRegularFile(AT_FDCWD, path, true, code);
    const bool read = descriptor >= 0 && ReadOpenFile(descriptor, bytes, most, code);
    if (descriptor >= 0)
        ::close(descriptor);
    if (!read && error)
        *error = code;
    return read;
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
