#include "core/files/FileSnapshot.h"

#include "platform/FileSystem.h"

FileSnapshot SnapshotOf(const std::string& bytes)
{
    FileSnapshot snapshot;
    snapshot.exists = true;
    snapshot.size = bytes.size();
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    snapshot.hash = hash;
    return snapshot;
}

bool ReadSnapshot(const std::string& path, FileSnapshot& snapshot, std::string* bytes, SystemError& error)
{
    snapshot = FileSnapshot();
    const PathInfo info = InspectPath(path);
    if (!info.exists) {
        error = info.error;
        return IsNotFound(info.error);
    }
    std::string read;
    if (info.isFolder || !ReadWholeFile(path, read, &error)) {
        error = info.isFolder ? kErrorAccessDenied : error;
        return false;
    }
    snapshot = SnapshotOf(read);
    if (bytes)
        *bytes = std::move(read);
    return true;
}
