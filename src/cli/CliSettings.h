#pragma once
// reelmark-cli settings: the settings in effect and where each came from.
#include <ostream>

struct CliArguments;

// Prints every setting of the settings file (--ini FILE, else reelmark.ini
// in the home folder) as the file would hold it, each with where its value
// came from (the file, or its default) and, for the settings only the
// window uses, what reelmark-cli takes instead. A value that cannot be used
// and a key that names no setting are said on err with the values the
// setting takes. Writes nothing; exit code 2 when the file cannot be read.
int SettingsCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);
