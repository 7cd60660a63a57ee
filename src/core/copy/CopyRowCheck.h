#pragma once
// The check of one copy-list row against the target folder: what the copy
// run will do with the file, or why the row blocks the whole run.
#include <cstdint>
#include <string>

#include "core/folders/FolderIndex.h"

enum class CopyRowState {
    Blocked,    // the file cannot be copied; the run does not start
    Skip,       // the target file exists and stays (Overwrite Target clear)
    Overwrite,  // the target file exists and is written over
    Ready,      // the file is copied
};

struct CopyRowCheck {
    CopyRowState state;
    std::string message;  // why a blocked row blocks; empty otherwise
};

// Every double backslash made single, as the file picker can return
// "Z:\\name" for a file in a drive root. The leading pair of a network
// path ("\\server\share") stays.
std::string CollapseDoubleBackslashes(const std::string& path);

// Where the copy of the source lands: the target folder, a backslash, the
// source's file name, with double backslashes collapsed.
std::string CopyDestinationOf(const std::string& targetFolder, const std::string& source);

// The checks in the order that decides: both volumes exist, source and
// destination differ, the source can be read, then whether the target file
// exists already, as one reading of the target folder shows it (a lookup
// per row would read the whole folder under Wine).
CopyRowCheck CheckCopyRow(const std::string& source, const std::string& destination,
                          const FolderIndex& target, bool overwrite);

// Row colours (RGB values as COLORREF holds them) of each state.
struct CopyRowColours {
    uint32_t background;
    uint32_t text;
};
CopyRowColours ColoursOf(CopyRowState state);
