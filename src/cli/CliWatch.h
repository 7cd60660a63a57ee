#pragma once
// reelmark-cli watch: keeps FOLDER supplied with metadata files until it is
// stopped, for a server that runs pyTivo (a systemd service, a task that
// starts at log-on).
#include <ostream>

struct CliArguments;
class StopSignal;

// Watches until stop is requested, then returns 0; 2 when FOLDER or the
// settings file cannot be found or read at start.
int WatchCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err, const StopSignal& stop);
