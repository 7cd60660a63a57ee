#pragma once
// The tags inside a movie file as the file holds them, read with TagLib:
// the items of an MP4 tag list (.mp4, .m4v, .mov) and the attributes of an
// ASF header (.asf, .wmv, .dvr-ms). Nothing here decides what they mean;
// what pyTivo makes of them is the core's. The file is opened for reading
// only, never locked against other programs, and read only as far as its
// tags: the boxes around the video are stepped over, not read.
#include <string>
#include <vector>

#include "platform/SystemError.h"

enum class MovieContainer { Mp4, Asf };

// One value box ("data") of an MP4 item: the type code the file gives it
// (1 UTF-8 text, 21 a whole number, 0 implicit, 13 a JPEG picture, ...)
// and its bytes.
struct Mp4TagValue {
    int type = 0;
    std::string bytes;
};

// One item of the MP4 tag list (moov, udta, meta, ilst), in the file's order.
struct Mp4TagItem {
    std::string name;   // the box's four bytes as in the file: "\xA9nam", "tvsh", "----"
    std::string mean;   // a free-form item's ("----") owner, e.g. "com.apple.iTunes"
    std::string field;  // and its own name, e.g. "iTunEXTC"
    std::vector<Mp4TagValue> values;
};

// One attribute of an ASF header.
struct AsfAttribute {
    enum class Kind { Text, Bytes, Bool, DWord, QWord, Word, Guid };
    std::string name;  // UTF-8
    Kind kind = Kind::Text;
    std::string text;  // Text: UTF-8; Bytes and Guid: the bytes as they are
    unsigned long long number = 0;  // Bool (0 or 1), DWord, QWord, Word
};

struct MovieTags {
    enum class Outcome {
        Read,         // the container was read (it may hold no tags)
        OtherFormat,  // the file is not of that container at all
        Damaged,      // it begins as one but cannot be read: cut short (still being copied) or broken
        TooLarge,     // a tag box claims more than kMostTagBoxBytes
        NotAFile,     // a folder, FIFO or device
        CannotOpen,   // error holds why
    };
    Outcome outcome = Outcome::CannotOpen;
    SystemError error = 0;
    // The first 128 bytes of the file (fewer when it is shorter).
    std::string head;
    unsigned long long size = 0;
    // MP4: the items in the file's order; whether the file has a tag list
    // at all and a sound track.
    std::vector<Mp4TagItem> items;
    bool hasItemList = false;
    bool hasSoundTrack = false;
    // ASF: the content description's title and description (empty when it
    // has none) and the other attributes, grouped by name, each name's
    // values in the file's order.
    std::string asfTitle;
    std::string asfDescription;
    std::vector<AsfAttribute> attributes;
    // How many bytes of the file were read.
    unsigned long long bytesRead = 0;
};

// No single tag box is read when it claims more than this.
constexpr unsigned long long kMostTagBoxBytes = 64ull << 20;

MovieTags ReadMovieTags(const std::string& path, MovieContainer container);
