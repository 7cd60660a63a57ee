#pragma once
// A file that several programs write at once: each appends whole pieces (a
// log that the window, watches and scheduled runs share), and now and then
// one of them rewrites it whole (the window trims the log at close).
//
// Every writer takes one lock for each piece it writes and for a whole
// rewrite, so that pieces never cross, a check of the file's last byte
// never reads while another piece goes in, and no piece is lost to a
// rewrite. The lock lies on a byte far beyond any end of the file (Windows
// enforces its locks on reads and writes, which thus never meet it), and a
// writer that cannot have it within a few seconds (a program hung while it
// held it) writes all the same rather than lose its piece or wait for ever.
// The file stays the same file: a rewrite writes it in place, so programs
// that hold it open keep writing into it.
#include <functional>
#include <string>

#include "platform/SystemError.h"

// A file kept open to append whole pieces to it: each lands at the end as
// it is then, and a piece the disk could not take whole is cut off again.
class AppendFile {
public:
    AppendFile() = default;
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    // Opens the file, made when missing; 0 or the error code.
    SystemError Open(const std::string& path);
    bool IsOpen() const;
    // Appends the bytes. When the file ends in a line that a program cut
    // short (its last byte is not a line feed), lineEnd goes first, in the
    // same write. 0 or the error code.
    SystemError Append(const std::string& bytes, const std::string& lineEnd = std::string());
    // How many bytes the file holds.
    unsigned long long Size();
    // Forces every byte appended so far to the disk; 0 or the error code.
    SystemError Flush();

private:
    std::string path_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

// Rewrites the file in place under the writers' lock: rewrite gets the
// file's bytes and answers true with the bytes the file is to hold, or
// false to leave it as it is. A missing file is made only when `make` is
// true (else the system's code for a missing file). 0 or the error code; a
// rewrite that the disk cannot take whole leaves the bytes that went in
// over the old ones.
SystemError RewriteSharedFile(const std::string& path, bool make,
                              const std::function<bool(const std::string& bytes, std::string& now)>& rewrite);
