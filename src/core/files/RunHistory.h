#pragma once
// The runs that the journal holds (RunJournal.h), read back: what each run
// is and did, the old bytes it kept, and the removal of runs beyond the
// limits.
#include <string>
#include <vector>

#include "core/files/RunManifest.h"
#include "platform/SystemError.h"

// One step of a run, as its manifest holds it.
struct RunStep {
    enum class Kind { Replace, Create, Remove, MakeFolder, RemoveFolder };
    Kind kind = Kind::Replace;
    std::string path;
    std::string oldHash;  // Replace, Remove: what was there
    std::string newHash;  // Replace, Create: what the run wrote
    bool failed = false;  // the run wrote down that it did not happen
};

// Old bytes the run kept of a file.
struct KeptBytes {
    std::string path;
    std::string hash;
    unsigned long long offset = 0;
    unsigned long long size = 0;
};

struct RunRecord {
    std::string id;      // the name of its folder
    std::string folder;  // its folder in the runs folder
    RunHeader header;
    std::vector<RunStep> steps;  // in the order taken
    std::vector<KeptBytes> kept;
    // Its last line says it ended; a run that was cut short (a kill, a
    // power cut) may have taken its last step without its line.
    bool complete = false;
    unsigned long long bytes = 0;  // what its files hold on the disk

    // Steps taken of each kind (failed ones not counted).
    int Count(RunStep::Kind kind) const;
    // The old bytes kept of the path with the hash; nullptr when none are.
    const KeptBytes* KeptOf(const std::string& path, const std::string& hash) const;
};

// Reads the run in the folder; false when it holds no whole first line
// (a run that never began: absent). Without steps only its first line and
// the size of its files are read.
bool ReadRun(const std::string& runFolder, RunRecord& run, bool steps = true);

// Every run of the runs folder, newest first (absent ones left out).
std::vector<RunRecord> ListRuns(const std::string& runsFolder, bool steps = true);

// The kept old bytes, checked against their hash; false with the error
// code (kErrorFileNotFound when they are not whole) when they cannot be had.
bool ReadKeptBytes(const RunRecord& run, const KeptBytes& kept, std::string& bytes, SystemError& error);

// Whether a running program still writes the run (it holds its folder).
bool RunInUse(const RunRecord& run);

// Removes the journals of runs older than the limit's days and then, oldest
// first, of runs beyond its size in all (now: FileClockNow() units), and
// runs that never began; never a run that a program still writes, nor a
// folder that holds anything but a run's files.
void PruneRuns(const std::string& runsFolder, const JournalLimits& limits, unsigned long long now);
