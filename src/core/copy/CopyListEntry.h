#pragma once
// One movie file of the copy list: what the copy dialog shows in its row and
// what the copy run needs to find the file again.
#include <cstdint>
#include <string>

struct CopyListEntry {
    int64_t size = -1;     // bytes when the file was added; -1: could not be read
    std::string sizeText;  // size comma-grouped and padded to 17 characters
    std::string folder;    // the file's folder, without a trailing backslash
    std::string fileName;  // the file's name with its extension
};
