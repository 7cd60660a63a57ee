#pragma once
// What reelmark-cli says of its own use.
#include <string>

#include "cli/CliArguments.h"

// The whole help, for --help.
extern const char kUsage[];
// What wrong use prints after the reason, as git does: the usage of the
// command given (one or two lines), or the commands when none was given or
// the one given is unknown, and where the whole help is.
std::string ShortUsage(CliCommand command);
