#pragma once
// Files and folders as the core needs them, from the system in use. Paths
// are full UTF-8 paths with the system's separator, of any length; error
// codes are the system's own (platform/SystemError.h).
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "platform/SystemError.h"

// One entry of a folder listing.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
    unsigned long long size = 0;
    bool readOnly = false;
    // A link or junction: a walk does not follow it (it may lead back up).
    bool isLink = false;
    // Neither a file nor a folder: a pipe, a device or a socket, which is
    // never read nor replaced. (Wine lists these as files.)
    bool isOther = false;
    // When it was last written, in FileClockNow() units.
    unsigned long long lastWrite = 0;
    // size, readOnly and lastWrite are known. False only for the entries a
    // listing was told it may leave without them (FillEntryDetails fills
    // them in): elsewhere than on Windows each costs a look of its own.
    bool detailed = true;
};

// Calls visit for every entry of the folder whose name matches the pattern
// ("*" any run of characters, "?" one; letter case as the file system
// takes it; "." and ".." left out) in the file system's order: one reading
// of the folder. False with the error code in *error when the folder cannot
// be read (nothing is visited then). With kindsOnly, plain files and folders
// may come with their name and kind alone (detailed false).
bool ForEachFolderEntry(const std::string& folder, const std::function<void(const FolderEntry&)>& visit,
                        const std::string& pattern = "*", SystemError* error = nullptr,
                        bool kindsOnly = false);
// Fills in the details of an entry of the folder that came without them.
void FillEntryDetails(const std::string& folder, FolderEntry& entry);

// Whether the folder's entries can be read; 0 or the error code. Only the
// first entry is read.
SystemError CheckFolderReadable(const std::string& folder);

// What is at a path.
struct PathInfo {
    bool exists = false;
    bool isFolder = false;
    bool readOnly = false;
    unsigned long long size = 0;       // of a file
    unsigned long long lastWrite = 0;  // FileClockNow() units
    SystemError error = 0;             // why nothing could be found there
};
PathInfo InspectPath(const std::string& path);

// True when the file can be opened for reading (false for a folder, a
// missing file or a file another program holds locked); its size in *size.
// Only a regular file can: a pipe, a device or a socket is kErrorNotAFile
// in *error, found so without waiting for any other program.
bool CanReadFile(const std::string& path, unsigned long long* size = nullptr, SystemError* error = nullptr);
// The whole file, or its first `most` bytes when it holds more; false with
// the error code in *error. Only a regular file is read, and nothing waits:
// a pipe, a device or a socket is kErrorNotAFile.
bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error = nullptr,
                   size_t most = SIZE_MAX);
// The size bytes of the file from offset on; false with the error code in
// *error when they cannot be read (kErrorFileNotFound when the file is
// shorter).
bool ReadFilePart(const std::string& path, unsigned long long offset, size_t size, std::string& bytes,
                  SystemError* error = nullptr);
// True when the path is a folder on a drive the system knows.
bool IsFolderOnDrive(const std::string& path);

// Makes a folder (hidden where the system has the notion); 0 also when a
// folder is there already, else the error code.
SystemError MakeFolder(const std::string& path, bool hidden);
// Deletes the file at the path, a read-only one only when asked: 0 or the
// error code (another program holds it open on Windows, or it cannot be
// deleted). A link goes itself, never what it leads to; where the system
// would delete the target instead (Wine), the link stays (kErrorLink).
SystemError DeleteFileItself(const std::string& path, bool readOnlyToo);
// Removes the folder at the path when it is empty; 0 or the error code. A
// link or junction is never followed (kErrorLink).
SystemError RemoveFolderItself(const std::string& path);

// Whether the entry at the path leads to another place: a symbolic link, a
// junction or another reparse point, or a name that the system opens as
// something elsewhere (Wine shows a link to a file as that file). Looked at
// without following it; false when nothing is there.
bool LeadsElsewhere(const std::string& path);

// The clock of FolderEntry::lastWrite.
unsigned long long FileClockNow();
// Seconds on a clock that only goes forward (not the time of day, which
// may be set back): for waits and settle times.
double SteadySeconds();
// A time of that clock as whole seconds since 1970-01-01 UTC (negative
// before) and the hundreds of nanoseconds after them.
struct UnixTime {
    long long seconds = 0;
    unsigned hundredNanoseconds = 0;
};
UnixTime UnixTimeOf(unsigned long long fileClock);
// The running program's number.
unsigned long ProcessNumber();
// The local time of a moment.
std::tm LocalTimeOf(std::time_t moment);
