#pragma once
// reelmark-cli undo [--list] [--dry-run] [RUN]: the runs that can be
// undone, and the undo of one (core/runs/UndoRun.h).
#include <ostream>

struct CliArguments;

// Runs the command; the exit code: 0 done (or listed), 1 refused or a file
// could not be put back, 3 a file changed since the run was left alone.
int UndoCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);
