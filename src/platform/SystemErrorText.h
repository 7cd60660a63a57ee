#pragma once
// Texts of the program's own for codes whose system text would mislead.

// kErrorLink: the system's texts speak of names it cannot resolve or of too
// many levels of links, where the program simply does not follow a link.
constexpr const char kLinkText[] = "The name is a link to another place, which Reelmark does not follow.";
// kErrorNotAFile and kErrorTooLarge: the codes borrowed for them speak of
// other things.
constexpr const char kNotAFileText[] = "Not a file: a pipe, a device or a socket, which Reelmark does not read.";
constexpr const char kTooLargeText[] = "The file is too large for what it should be.";
