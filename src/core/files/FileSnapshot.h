#pragma once
// A file as it was when it was read: whether it was there, its size and a
// hash of its bytes. A save that writes over a file read earlier compares
// it with the file now, so a change another program made meanwhile is
// never written over without asking; the bytes themselves need not be
// kept (a library grid may have read 100,000 files).
#include <cstdint>
#include <string>

#include "platform/SystemError.h"

struct FileSnapshot {
    bool exists = false;
    unsigned long long size = 0;
    std::uint64_t hash = 0;  // FNV-1a of the bytes

    bool operator==(const FileSnapshot& other) const
    {
        return exists == other.exists && size == other.size && hash == other.hash;
    }
    bool operator!=(const FileSnapshot& other) const { return !(*this == other); }
};

// The snapshot of bytes read from a file that is there.
FileSnapshot SnapshotOf(const std::string& bytes);

// Reads the file at path as it is now, its bytes into *bytes when given;
// a file that is not there is a snapshot that says so. False with the
// error code when something is there that cannot be read (a folder, a
// locked file).
bool ReadSnapshot(const std::string& path, FileSnapshot& snapshot, std::string* bytes, SystemError& error);
