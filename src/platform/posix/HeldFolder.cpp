#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // renameat2
#endif
#include "platform/HeldFolder.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>

#include "platform/Paths.h"
#include "platform/posix/Descriptors.h"

namespace {

const int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Whether the two looks are at the same file.
bool Same(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Why a name of a folder could not be opened as a folder of its own.
SystemError WhyNotOpened(int parent, const std::string& name)
{
    const SystemError code = errno;
    struct stat own = {};
    // O_NOFOLLOW says ELOOP for a link, and some systems say ENOTDIR or
    // EMLINK instead; a link, dangling or not, is told as a link.
    if (fstatat(parent, name.c_str(), &own, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(own.st_mode))
        return kErrorLink;
    return code;
}

}  // namespace

HeldFolder::~HeldFolder()
{
    Close();
}

void HeldFolder::Close()
{
    // Closing the descriptor also ends the lock on the folder.
    if (handle_ >= 0)
        ::close(handle_);
    if (parent_ >= 0)
        ::close(parent_);
    handle_ = -1;
    parent_ = -1;
}

SystemError HeldFolder::Take(const HeldFolder* parent, const std::string& name, Hold hold)
{
    // An exclusive lock says that a program works in the folder: another
    // one that finds it then leaves it alone.
    if (hold == Hold::Own && ::flock(handle_, LOCK_EX | LOCK_NB) != 0) {
        const SystemError code = errno;
        Close();
        return code;
    }
    if (parent) {
        parent_ = ::fcntl(parent->handle_, F_DUPFD_CLOEXEC, 0);
        path_ = parent->path_ + kSeparator + name;
        name_ = name;
    }
    return 0;
}

SystemError HeldFolder::OpenChosen(const std::string& path)
{
    Close();
    handle_ = path.empty() ? -1 : ::open(path.c_str(), kFolderFlags);
    if (handle_ < 0)
        return path.empty() ? ENOENT : errno;
    path_ = StripTrailingSeparator(path);
    name_.clear();
    return Take(nullptr, std::string(), Hold::Shared);
}

SystemError HeldFolder::OpenIn(const HeldFolder& parent, const std::string& name, Hold hold)
{
    Close();
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
        return EINVAL;
    handle_ = ::openat(parent.handle_, name.c_str(), kFolderFlags | O_NOFOLLOW);
    if (handle_ < 0)
        return WhyNotOpened(parent.handle_, name);
    return Take(&parent, name, hold);
}

SystemError HeldFolder::MakeIn(const HeldFolder& parent, const std::string& name, bool, Hold hold)
{
    Close();
    // mkdirat fails for any name that is taken, a link included.
    if (name.empty() || name.find('/') != std::string::npos)
        return EINVAL;
    if (::mkdirat(parent.handle_, name.c_str(), hold == Hold::Own ? 0700 : 0755) != 0)
        return errno;
    return OpenIn(parent, name, hold);
}

bool HeldFolder::IsOpen() const
{
    return handle_ >= 0;
}

bool HeldFolder::ForEachEntry(const std::function<void(const FolderEntry&)>& visit) const
{
    const int copy = handle_ < 0 ? -1 : ::openat(handle_, ".", kFolderFlags);
    DIR* directory = copy < 0 ? nullptr : fdopendir(copy);
    if (!directory) {
        if (copy >= 0)
            ::close(copy);
        return false;
    }
    VisitEntries(directory, "*", visit);
    return true;
}

PathInfo HeldFolder::InspectEntry(const std::string& name) const
{
    PathInfo info;
    struct stat own = {};
    if (fstatat(handle_, name.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0) {
        info.error = errno;
        return info;
    }
    info.exists = true;
    info.isFolder = S_ISDIR(own.st_mode);
    info.readOnly = !S_ISLNK(own.st_mode) && (own.st_mode & S_IWUSR) == 0;
    info.size = info.isFolder ? 0 : static_cast<unsigned long long>(own.st_size);
    info.lastWrite = TimeValue(own.st_mtim);
    return info;
}

bool HeldFolder::ReadEntry(const std::string& name, std::string& bytes, SystemError* error, size_t most) const
{
    SystemError code = 0;
    const int descriptor = OpenRegularFile(handle_, name, false, code);
    const bool read = descriptor >= 0 && ReadOpenFile(descriptor, bytes, most, code);
    if (descriptor >= 0)
        ::close(descriptor);
    if (!read && error)
        *error = code == ELOOP ? kErrorLink : code;
    return read;
}

SystemError HeldFolder::DeleteEntry(const std::string& name) const
{
    // Relative to the held folder: whatever its path leads to meanwhile.
    return ::unlinkat(handle_, name.c_str(), 0) == 0 ? 0 : errno;
}

bool HeldFolder::RemoveIfEmpty()
{
    // Removed within its parent only while its name there still is the
    // held folder; by its path only while the path names it.
    const int parent = parent_ >= 0 ? parent_ : AT_FDCWD;
    const std::string& name = parent_ >= 0 ? name_ : path_;
    struct stat held = {};
    struct stat named = {};
    const bool removed = handle_ >= 0 && fstat(handle_, &held) == 0 &&
                         fstatat(parent, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && Same(held, named) &&
                         ::unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0;
    Close();
    return removed;
}

NewFile::~NewFile()
{
    Discard();
}

void NewFile::Discard()
{
    if (handle_ < 0)
        return;
    ::close(handle_);
    handle_ = -1;
    if (!named_)
        ::unlinkat(folder_->Handle(), name_.c_str(), 0);
}

SystemError NewFile::Make(const HeldFolder& folder, const std::string& name)
{
    Discard();
    // O_EXCL fails for any name that is taken, a link (dangling too) included.
    const int descriptor =
        ::openat(folder.Handle(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return errno;
    handle_ = descriptor;
    folder_ = &folder;
    name_ = name;
    named_ = false;
    return 0;
}

SystemError NewFile::Write(const std::string& bytes, bool flush)
{
    errno = 0;
    if (!WriteAll(handle_, bytes) || (flush && ::fsync(handle_) != 0))
        return errno ? errno : ENOSPC;
    return 0;
}

SystemError NewFile::MoveTo(const HeldFolder& folder, const std::string& name, bool replace)
{
    if (handle_ < 0)
        return ENOENT;
    const int from = folder_->Handle();
    if (replace) {
        if (::renameat(from, name_.c_str(), folder.Handle(), name.c_str()) != 0)
            return errno;
    } else if (::renameat2(from, name_.c_str(), folder.Handle(), name.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // A file system without the rename that never replaces: a hard link
        // fails when the name is taken, so a file that appeared meanwhile is
        // never replaced; then the first name goes.
        if (::linkat(from, name_.c_str(), folder.Handle(), name.c_str(), 0) != 0)
            return errno;
        ::unlinkat(from, name_.c_str(), 0);
    }
    named_ = true;
    return 0;
}
