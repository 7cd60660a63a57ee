#pragma once
// Texts of the program's own for codes whose system text would mislead.

// kErrorLink: the system's texts speak of names it cannot resolve or of too
// many levels of links, where the program simply does not follow a link.
constexpr const char kLinkText[] = "The name is a link to another place, which Reelmark does not follow.";
