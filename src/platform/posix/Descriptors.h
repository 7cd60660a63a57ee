#pragma once
// What the POSIX files of the platform share: listings and writes on open
// descriptors, so that a folder once opened is never looked up by its
// path again.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <functional>
#include <string>

#include "platform/FileSystem.h"

// Hundreds of nanoseconds since 1970, as the Windows clock counts.
unsigned long long TimeValue(const struct timespec& time);
// The details of a file or folder that is no link, from its own look.
void TakeDetails(const struct stat& status, FolderEntry& entry);
// Visits the entries of an open folder whose names match the pattern, and
// closes it; each one's facts come from the folder's descriptor. With
// kindsOnly plain files and folders come with their name and kind alone.
void VisitEntries(DIR* directory, const std::string& pattern,
                  const std::function<void(const FolderEntry&)>& visit, bool kindsOnly = false);
// Writes every byte; false when the system took fewer (errno says why, if
// it said; how many it took in *written, when given).
bool WriteAll(int descriptor, const std::string& bytes, size_t* written = nullptr);
// Opens a file of the folder (AT_FDCWD for a path), for reading unless
// access says otherwise (O_CREAT makes it, 0644), without waiting for the
// other end (a pipe) and without following a link when told: the
// descriptor of a regular file, else -1 with the code in error
// (kErrorNotAFile for anything else than a file, EISDIR for a folder).
int OpenRegularFile(int folder, const std::string& name, bool followLink, SystemError& error,
                    struct stat* status = nullptr, int access = O_RDONLY);
// Reads the open file to its end, or its first `most` bytes.
bool ReadOpenFile(int descriptor, std::string& bytes, size_t most, SystemError& error);
