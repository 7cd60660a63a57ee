#pragma once
// The file work of copies: what a path names, copying a file's bytes,
// renaming without replacing, taking off a read-only mark. Paths are UTF-8
// full paths; failures give the system's error code. (Deleting is in
// platform/FileSystem.h.)
#include <cstdint>
#include <functional>
#include <string>

#include "platform/HeldFolder.h"
#include "platform/SystemError.h"

// What a path names; for Unreadable the system's error code in *error.
// *readOnly (when given) tells whether a file or folder is read-only.
enum class PathKind { Missing, File, Folder, Unreadable };
PathKind ClassifyPath(const std::string& path, SystemError* error = nullptr, bool* readOnly = nullptr);

// Orders names as the file system tells them apart: on Windows without
// regard to letter case, elsewhere byte by byte.
struct NameLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

// A path that does not depend on the current directory: "C:\..." or a
// network path on Windows, "/..." elsewhere.
bool IsFullPath(const std::string& path);
// A whole volume: "C:\", "\\server\share", "\\?\C:" on Windows, "/"
// elsewhere (a trailing separator or none).
bool IsVolumeRoot(const std::string& path);

// The root of the volume that holds the path ("C:\"), as the system reports
// it; empty when the system cannot tell.
std::string VolumeRootOf(const std::string& path);

// The file's size in bytes, or -1 when it cannot be opened or read.
int64_t GetFileSize64(const std::string& path);

// Called after every piece of a copy with the bytes copied so far and the
// file's size.
using CopyProgressCall = std::function<void(uint64_t copied, uint64_t size)>;

// A copy of a file made under a temporary name in a held folder, then given
// its own in another (platform/HeldFolder.h). The new file stays open
// between the two steps, so the rename needs no second opening (under Wine
// each opening of a name costs a lookup).
class FileCopy {
public:
    FileCopy() = default;
    // Removes the temporary file if it never got its name.
    ~FileCopy() = default;
    FileCopy(const FileCopy&) = delete;
    FileCopy& operator=(const FileCopy&) = delete;

    // Copies the source's bytes, last-write time and read-only mark to a
    // new file of that name in the folder (which must outlive the copy),
    // which must not exist yet (a taken name fails with a code that
    // IsNameTaken accepts and is left alone). Only a regular file is copied
    // (kErrorNotAFile), and its opening never waits. A copy that fails
    // removes what it wrote.
    bool Make(const std::string& source, const HeldFolder& folder, const std::string& name,
              const CopyProgressCall& progress, SystemError& error);
    // Gives the copy its name in the folder, on the same volume. Without
    // replace a name that is taken, even one taken a moment before, fails
    // with a code that IsNameTaken accepts, and the copy keeps its
    // temporary name.
    bool Rename(const HeldFolder& folder, const std::string& name, bool replace, SystemError& error);

private:
    NewFile file_;
};

// Takes the read-only mark off a file, so that it can be removed.
bool MakeWritable(const std::string& path);
