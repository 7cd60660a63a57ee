#pragma once
// A fresh folder for one test, removed with everything in it at the end.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/EnvironmentScope.h"

// The path with each backslash made the system's separator, so that one
// test text names the same file everywhere.
std::string NativePath(const std::string& path);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path without a trailing separator.
    const std::string& Path() const { return path_; }
    // Path() + separator + relative. A backslash in relative is the
    // system's separator, so that one test text names the same file
    // everywhere.
    std::string operator/(const std::string& relative) const;

    // Writes a file (binary, bytes as given), making its folders.
    void WriteFile(const std::string& relative, const std::string& bytes = std::string()) const;
    void MakeFolder(const std::string& relative) const;

private:
    std::string path_;
};

// Whole content of a file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool PathExists(const std::string& path);
// Names in a folder (no "." or ".."), sorted.
std::vector<std::string> NamesInFolder(const std::string& folder);
// Sets or clears the read-only mark (on POSIX systems the owner's write
// permission).
void SetReadOnly(const std::string& path, bool readOnly = true);
// Makes the file look last written an hour ago.
void AgeFile(const std::string& path);
// Gives the file the time it was last written: seconds since 1970-01-01
// UTC and the hundreds of nanoseconds after them.
void SetLastWrite(const std::string& path, long long seconds, unsigned hundredNanoseconds);

// Makes a symbolic link to a file or folder (that need not be there);
// false where the system cannot.
bool MakeLink(const std::string& link, const std::string& target);
// Makes a junction (a folder's mount point) to the folder target; false
// where the system cannot.
bool MakeJunction(const std::string& link, const std::string& target);
// Renames the folder to aside and puts a link to target in its place, as
// another program of the system would: past the handles this program holds,
// which Wine's own rename respects. False where the system cannot.
bool SwapForLink(const std::string& folder, const std::string& aside, const std::string& target);
// Makes a named pipe (FIFO) at the path; false where the system has none.
bool MakeFifo(const std::string& path);

// Makes a folder that this program cannot read, for a scope: no permissions,
// and for a program run as root none of the capabilities that read past
// them. Denied() is false where that cannot be done (Windows).
class ReadingDenied {
public:
    explicit ReadingDenied(const std::string& folder);
    ~ReadingDenied();
    ReadingDenied(const ReadingDenied&) = delete;
    ReadingDenied& operator=(const ReadingDenied&) = delete;
    bool Denied() const { return denied_; }

private:
    std::string folder_;
    bool denied_ = false;
    unsigned int savedEffective_ = 0;
};

// Makes the current directory the given one for a scope.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder);
    ~CurrentDirectoryScope();

private:
    std::string previous_;
};

// Makes the TempFolders made while it lives lie on a memory file system
// where the machine has one (Linux's /dev/shm, Z:\dev\shm under Wine):
// tests of a thousand files, each flushed to the disk, take seconds there
// otherwise.
class MemoryTempScope {
public:
    MemoryTempScope();

private:
    EnvironmentScope scope_;
};
