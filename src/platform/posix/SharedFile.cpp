#include "platform/SharedFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/posix/Descriptors.h"

namespace {

// How long a writer waits for the lock before it writes without it.
constexpr int kLockWaitMilliseconds = 5000;

// The writers' lock on an open file, for as long as it lives: flock, which
// belongs to the open file (not to the process, as fcntl's locks do, which
// any other close of the file in the process would let go).
class WriteLock {
public:
    explicit WriteLock(int descriptor) : descriptor_(descriptor)
    {
        for (int waited = 0; waited <= kLockWaitMilliseconds; ++waited) {
            if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR)
                return;  // a file system without locks: written all the same
            const struct timespec pause = {0, 1000000};
            ::nanosleep(&pause, nullptr);
        }
    }
    ~WriteLock()
    {
        if (held_)
            ::flock(descriptor_, LOCK_UN);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    int descriptor_;
    bool held_ = false;
};

}  // namespace

AppendFile::~AppendFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

SystemError AppendFile::Open(const std::string& path)
{
    // Every write lands at the end as it is then, even when other programs
    // append to the same file meanwhile.
    // Only a regular file, opened without waiting: a pipe would keep the
    // program waiting once full.
    SystemError code = 0;
    const int descriptor = OpenRegularFile(AT_FDCWD, path, true, code, nullptr, O_RDWR | O_APPEND | O_CREAT);
    if (descriptor < 0)
        return code;
    descriptor_ = descriptor;
    path_ = path;
    return 0;
}

bool AppendFile::IsOpen() const
{
    return descriptor_ >= 0;
}

SystemError AppendFile::Append(const std::string& bytes, const std::string& lineEnd)
{
    const WriteLock lock(descriptor_);
    const off_t end = ::lseek(descriptor_, 0, SEEK_END);
    char last = '\n';
    const bool cut = !lineEnd.empty() && end > 0 && ::pread(descriptor_, &last, 1, end - 1) == 1 && last != '\n';
    errno = 0;
    size_t done = 0;
    if (WriteAll(descriptor_, cut ? lineEnd + bytes : bytes, &done))
        return 0;
    const SystemError code = errno ? errno : ENOSPC;
    // Whole pieces or nothing: what went in before the failure goes, unless
    // a program that does not take the lock wrote after it (then cutting
    // would take that too).
    if (end >= 0 && done > 0 && ::lseek(descriptor_, 0, SEEK_END) == end + static_cast<off_t>(done))
        static_cast<void>(::ftruncate(descriptor_, end));
    return code;
}

unsigned long long AppendFile::Size()
{
    struct stat status = {};
    return fstat(descriptor_, &status) == 0 ? static_cast<unsigned long long>(status.st_size) : 0;
}

SystemError AppendFile::Flush()
{
    return ::fsync(descriptor_) == 0 ? 0 : errno;
}

SystemError RewriteSharedFile(const std::string& path, bool make,
                              const std::function<bool(const std::string& bytes, std::string& now)>& rewrite)
{
    SystemError code = 0;
    const int descriptor = OpenRegularFile(AT_FDCWD, path, true, code, nullptr, O_RDWR | (make ? O_CREAT : 0));
    if (descriptor < 0)
        return code;
    {
        const WriteLock lock(descriptor);
        std::string bytes;
        char buffer[65536];
        ssize_t got = 0;
        while ((got = ::pread(descriptor, buffer, sizeof(buffer), static_cast<off_t>(bytes.size()))) != 0) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                break;
            bytes.append(buffer, static_cast<size_t>(got));
        }
        std::string now;
        if (got < 0) {
            code = errno;
        } else if (rewrite(bytes, now)) {
            errno = 0;
            if (::lseek(descriptor, 0, SEEK_SET) != 0 || !WriteAll(descriptor, now))
                code = errno ? errno : ENOSPC;
            else if (::ftruncate(descriptor, static_cast<off_t>(now.size())) != 0)
                code = errno;
        }
    }
    ::close(descriptor);
    return code;
}
