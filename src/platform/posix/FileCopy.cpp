#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // copy_file_range
#endif
#include "platform/FileCopy.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <vector>

#include "platform/posix/Descriptors.h"

namespace {

const size_t kCopyPiece = 8u << 20;

bool Succeeded(bool done, SystemError& error)
{
    if (!done)
        error = LastSystemError();
    return done;
}

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            close(fd);
    }
};

// Writes all of the bytes, as far as the disk takes them.
bool WriteAll(int fd, const char* bytes, size_t count)
{
    while (count > 0) {
        const ssize_t written = write(fd, bytes, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

// Copies in the kernel where the file system can (no trip of the bytes
// through this program), else through a buffer.
bool CopyBytes(int from, int to, uint64_t size, const CopyProgressCall& progress)
{
    uint64_t copied = 0;
    bool inKernel = true;
    std::vector<char> piece;
    for (;;) {
        ssize_t moved = -1;
        if (inKernel) {
            moved = copy_file_range(from, nullptr, to, nullptr, kCopyPiece, 0);
            if (moved < 0 && copied == 0 &&
                (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                inKernel = false;
                continue;
            }
        } else {
            piece.resize(kCopyPiece);
            moved = read(from, piece.data(), piece.size());
            if (moved > 0 && !WriteAll(to, piece.data(), static_cast<size_t>(moved)))
                return false;
        }
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved <= 0)
            return moved == 0;
        copied += static_cast<uint64_t>(moved);
        if (progress)
            progress(copied, copied > size ? copied : size);
    }
}

}  // namespace

bool IsFullPath(const std::string& path)
{
    return !path.empty() && path[0] == '/';
}

bool IsVolumeRoot(const std::string& path)
{
    return !path.empty() && path.find_first_not_of('/') == std::string::npos;
}

std::string VolumeRootOf(const std::string& path)
{
    // The highest folder on the way up that lies on the same device.
    struct stat about;
    if (stat(path.c_str(), &about) != 0)
        return std::string();
    std::string root = path;
    for (;;) {
        const size_t slash = root.find_last_of('/', root.size() > 1 ? root.size() - 2 : 0);
        const std::string parent = slash == 0 || slash == std::string::npos ? "/" : root.substr(0, slash);
        struct stat above;
        if (root == "/" || stat(parent.c_str(), &above) != 0 || above.st_dev != about.st_dev)
            return root;
        root = parent;
    }
}

bool FileCopy::Make(const std::string& source, const HeldFolder& folder, const std::string& name,
                    const CopyProgressCall& progress, SystemError& error)
{
    file_.Discard();
    struct stat about;
    const Descriptor from{OpenRegularFile(AT_FDCWD, source, true, error, &about)};
    if (from.fd < 0)
        return false;
    // The descriptor read without waiting only to be opened.
    fcntl(from.fd, F_SETFL, fcntl(from.fd, F_GETFL) & ~O_NONBLOCK);
    posix_fadvise(from.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    if ((error = file_.Make(folder, name)) != 0)
        return false;
    const int to = file_.Handle();
    const struct timespec times[2] = {about.st_atim, about.st_mtim};
    const bool made = Succeeded(CopyBytes(from.fd, to, static_cast<uint64_t>(about.st_size), progress) &&
                                    futimens(to, times) == 0 && fchmod(to, about.st_mode & 07777) == 0,
                                error);
    if (!made)
        file_.Discard();
    return made;
}

bool FileCopy::Rename(const HeldFolder& folder, const std::string& name, bool replace, SystemError& error)
{
    error = file_.MoveTo(folder, name, replace);
    return error == 0;
}

bool MakeWritable(const std::string& path)
{
    struct stat about;
    return stat(path.c_str(), &about) == 0 && chmod(path.c_str(), (about.st_mode & 07777) | S_IWUSR) == 0;
}
