#pragma once
// What reelmark-cli says of its own use.

// The whole help, for --help.
extern const char kUsage[];
// What wrong use prints after the reason: the short form, as git and cp do.
extern const char kShortUsage[];
