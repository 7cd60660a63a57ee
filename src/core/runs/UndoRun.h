#pragma once
// Undoing a run from its journal (core/files/RunJournal.h): the files it
// replaced or removed come back and the files it made go, each only where
// the file is still exactly what the run left (its hash); a file changed
// since is left alone and named in the log. A removal never goes through a
// link, and a read-only file stays. The undo is a run with a journal of its
// own, so it can be undone in turn.
#include <functional>
#include <string>
#include <vector>

#include "core/files/RunHistory.h"

class ActivityLog;

// The undo that has undone the run and is not undone itself; empty when
// none has.
std::string UndoneBy(const std::vector<RunRecord>& runs, const RunRecord& run);

// The run an undo takes when it is given none: the newest run that is not
// undone and is no undo itself (an undo is undone by naming it); nullptr
// when there is none. runs: ListRuns, newest first.
const RunRecord* LastRunToUndo(const std::vector<RunRecord>& runs);

// What the run is and did, in words: "Generate, 2024-01-31 23:59, in FOLDER:
// 3 files replaced, 1 made" (and "cut short" for a run that did not end).
std::string DescribeRun(const RunRecord& run);

struct UndoRequest {
    std::string runsFolder;  // the runs folder; empty: RunsFolder()
    std::string run;         // the run's name; empty: LastRunToUndo
    // Says what the undo would do and changes nothing.
    bool dryRun = false;
    // The undo's own journal (bytes 0: none).
    JournalLimits journal;
    // Called before each file with the number done and their count, and once
    // more when all are done (done == count); false stops the undo there.
    std::function<bool(int done, int count, const std::string& path)> progress;
};

struct UndoResult {
    // Nothing was done: no such run, or it is still going on, or the undo's
    // journal cannot be written; why.
    bool refused = false;
    std::string refusal;
    std::string run;  // the run undone
    int putBack = 0;    // files brought back as they were before the run
    int removed = 0;    // files the run made, removed
    int asBefore = 0;   // files that were as before the run already
    int leftAlone = 0;  // files changed since the run, left as they are
    int failed = 0;     // files that could not be put back or removed
    int cancelled = 0;  // files not reached because the undo was stopped
};

// Undoes the run, saying each file it puts back, removes or leaves alone in
// the log, and ends with a summary line (a box in the window).
UndoResult RunUndo(const UndoRequest& request, ActivityLog& log);
