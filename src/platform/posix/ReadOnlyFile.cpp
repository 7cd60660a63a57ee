#include "platform/ReadOnlyFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyFile::~ReadOnlyFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool ReadOnlyFile::Open(const std::string& path, SystemError* error, bool* notAFile)
{
    *notAFile = false;
    // Without O_NONBLOCK the open of a FIFO waits for a writer that may
    // never come; a regular file reads the same either way.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        *error = static_cast<SystemError>(errno);
        return false;
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        *notAFile = true;
        return false;
    }
    descriptor_ = descriptor;
    return true;
}

bool ReadOnlyFile::IsOpen() const
{
    return descriptor_ >= 0;
}

unsigned long long ReadOnlyFile::Size() const
{
    struct stat status = {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0)
        return 0;
    return static_cast<unsigned long long>(status.st_size);
}

long long ReadOnlyFile::ReadAt(unsigned long long offset, void* buffer, size_t count, SystemError* error)
{
    size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(descriptor_, static_cast<char*>(buffer) + done, count - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *error = static_cast<SystemError>(errno);
            return -1;
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    bytesRead_ += done;
    return static_cast<long long>(done);
}
