#pragma once
// What the Windows files of the platform share: handles opened on entries
// themselves, within the handles of their folders, and the facts Wine
// tells differently from Windows.
#include <windows.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/SystemError.h"

unsigned long long TimeValue(const FILETIME& time);
// Fills in what a look at an entry found: it exists, with these attributes,
// size and last-write time.
void TakeAttributes(PathInfo& info, DWORD attributes, DWORD sizeHigh, DWORD sizeLow, const FILETIME& lastWrite);

// Wine opens a link to a file as that file and shows no reparse point for
// it, opens within a folder's handle but renames by names: only there must
// the name of what was opened tell.
bool UnderWine();
// The name the system gives what the handle holds ("\??\C:\..."), asked of
// the kernel; empty when it tells none.
std::wstring NameOfOpened(HANDLE file);

// Opens the entry at the path itself: a reparse point is opened, not what
// it leads to.
HANDLE OpenEntry(const std::string& path, DWORD access, DWORD share);

// What a handle opened on an entry itself holds.
enum class Opened { Itself, Link, Elsewhere };
Opened WhatIsOpen(HANDLE file, const std::string& path);
// The same for an entry opened within its folder's handle.
Opened WhatIsOpenWithin(HANDLE file, HANDLE folder, const std::string& name);

// Deletes what the handle holds as it closes; with force a read-only mark
// goes first.
SystemError DeleteOpened(HANDLE file, bool force);

// Opens or makes the entry of that name within the folder's handle
// (NtCreateFile: disposition FILE_OPEN, FILE_CREATE; options as it takes
// them, always synchronous); the handle in *opened, 0 or the error code.
SystemError OpenWithin(HANDLE folder, const std::string& name, ACCESS_MASK access, ULONG share,
                       ULONG disposition, ULONG options, HANDLE* opened);
// Gives the open file a name within the folder's handle: renamed, or with
// link a second name (a hard link). 0 or the error code.
SystemError NameWithin(HANDLE file, HANDLE folder, const std::string& name, bool replace, bool link);
// Whether the two handles, opened within folders held on one volume, hold
// the same file (its file number).
bool SameFile(HANDLE a, HANDLE b);
// Whether the handle holds a regular file on a disk: not a pipe, a device
// or a folder. kErrorNotAFile or 0.
SystemError CheckRegularFile(HANDLE file);

// Reads the open file to its end, or its first `most` bytes.
bool ReadOpened(HANDLE file, std::string& bytes, size_t most, SystemError& error);

// The options of NtCreateFile that these take.
constexpr ULONG kFileOpen = 1;
constexpr ULONG kFileCreate = 2;
constexpr ULONG kDirectoryFile = 0x00000001;
constexpr ULONG kNonDirectoryFile = 0x00000040;
constexpr ULONG kOpenReparsePoint = 0x00200000;
constexpr ULONG kOpenForBackup = 0x00004000;
