#pragma once
// A file opened to read a part of it (the tags inside a movie): for reading
// only, never waiting on what is not a regular file, and never locked
// against other programs: on Windows they may go on reading, writing,
// renaming and deleting it while it is open.
#include <cstddef>
#include <string>

#include "platform/SystemError.h"

class ReadOnlyFile {
public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Opens the file at the path. A FIFO, device or folder is not waited
    // for nor read: false with *notAFile set. Otherwise false with the error
    // code in *error when it cannot be opened.
    bool Open(const std::string& path, SystemError* error, bool* notAFile);
    bool IsOpen() const;
    // Its size now (a file being copied grows).
    unsigned long long Size() const;
    // Reads up to count bytes from the offset; the number read (fewer at
    // the end of the file), or -1 with the error code in *error.
    long long ReadAt(unsigned long long offset, void* buffer, size_t count, SystemError* error);
    // How many bytes the reads have given since the file was opened.
    unsigned long long BytesRead() const { return bytesRead_; }

private:
    unsigned long long bytesRead_ = 0;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};
