#pragma once
// The journal of a run that changes metadata files, so that the run can be
// undone (core/runs/UndoRun.h). Before a run replaces or removes a file it
// keeps the file's old bytes, and before it makes a file it writes down
// what the file will hold (its hash), so that an undo puts back only what
// is still exactly what the run left.
//
// Each run has a folder of its own in the runs folder (RunsFolder()):
// "manifest", one line for each step (RunHistory.h reads it), and
// "old-bytes", the old files one after another. A line is written before
// its step is taken, and old bytes reach the disk (flushed) before the file
// they belong to is replaced, so a run killed at any moment leaves every
// change it made written down; a line that a kill or a power cut tore off
// fails its check and is read as absent, and so is a run whose first line
// never reached the disk. The old bytes of many files are kept with one
// flush (KeepAhead): a flush per file would cost as much as the writes.
//
// Writers do not pass the journal around: a run puts its journal in force
// for its thread (RunJournalScope), and every write of a metadata file
// (WriteFileAtomically) and every removal calls the hooks below, which do
// nothing when no journal is in force.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/files/RunManifest.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/SharedFile.h"

class RunJournal {
public:
    RunJournal() = default;
    // Ends the run (End) when it was not ended.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    // Starts the journal of a run: removes past runs beyond the limits,
    // makes the run's folder and writes its first line to the disk. False
    // with the reason for the user when the journal cannot be written (the
    // run must then change nothing); nothing is left behind then.
    bool Begin(RunHeader header, const JournalLimits& limits, std::string& reason,
               const std::string& runsFolder = RunsFolder());
    bool IsOpen() const { return manifest_ != nullptr; }
    // The run's name in the runs folder.
    const std::string& Id() const { return id_; }

    // The journal could not be written after it began: the run must stop
    // (no step can be taken that it would not hold). Why, for the user.
    bool Broken() const { return !broken_.empty(); }
    const std::string& Reason() const { return broken_; }

    // Keeps the old bytes of those of the files that are there, with one
    // flush; a write or removal of one of them later costs no flush of its
    // own as long as the file stays as it was then.
    void KeepAhead(const std::vector<std::string>& paths);

    // The steps, each written down before it is taken. Before a file is
    // replaced by bytes (or made, when nothing is there and replace is
    // false or the file is missing): false with the error code when the
    // step may not be taken (the old file cannot be read or kept).
    bool BeforeWrite(const std::string& path, const std::string& bytes, bool replace, SystemError& error);
    // Before a file is removed.
    bool BeforeRemove(const std::string& path, SystemError& error);
    // The step just written down did not happen.
    void StepFailed(const std::string& path);
    // A folder the run made, or removed.
    void MadeFolder(const std::string& path);
    void RemovedFolder(const std::string& path);

    // How many steps the run took (failed ones not counted).
    int Steps() const { return steps_; }

    // Ends the run: its last line, and everything on the disk. A run that
    // took no step leaves no journal.
    void End();

private:
    struct Kept {
        std::string hash;
        bool exists = false;
    };
    // What is at the path now, kept when it is not kept already; false
    // with the error code when it cannot be.
    bool KeepCurrent(const std::string& path, Kept& now, SystemError& error);
    // Writes a manifest line; flushed (with the old bytes) when asked.
    bool WriteLine(const std::string& line, bool flush);
    // Whether the journal broke: no step may be taken (the error code then).
    bool Refused(SystemError& error) const;
    // Writes the line of a step and counts it; false with the error code.
    bool WriteStep(const std::string& line, SystemError& error);
    void Break(const std::string& what, SystemError code);
    void Discard();

    std::string folder_;
    std::string id_;
    std::unique_ptr<HeldFolder> held_;
    std::unique_ptr<AppendFile> manifest_;
    std::unique_ptr<AppendFile> oldBytes_;
    unsigned long long oldSize_ = 0;
    // The old bytes kept of each path: their hash, and whether the file was
    // there at all.
    std::map<std::string, Kept> kept_;
    int steps_ = 0;
    std::string broken_;
    SystemError brokenCode_ = 0;
};

// Puts a journal in force for the writes of this thread while it lives
// (nullptr: none); the one in force before comes back after it.
class RunJournalScope {
public:
    explicit RunJournalScope(RunJournal* journal);
    ~RunJournalScope();
    RunJournalScope(const RunJournalScope&) = delete;
    RunJournalScope& operator=(const RunJournalScope&) = delete;

private:
    RunJournal* previous_;
};

// A run with its journal, in force for the run's life: a writer that is a
// run of its own begins one where it starts (a Generate, the watch's redo
// or rename of a file).
class JournaledRun {
public:
    // Begins the journal when limits are given (else the run keeps none).
    JournaledRun(const RunHeader& header, const std::optional<JournalLimits>& limits);
    JournaledRun(const JournaledRun&) = delete;
    JournaledRun& operator=(const JournaledRun&) = delete;

    // Why the journal cannot be written (the run must change nothing);
    // empty when it can.
    const std::string& Refusal() const { return refusal_; }
    RunJournal& Journal() { return journal_; }

private:
    RunJournal journal_;
    std::string refusal_;
    RunJournalScope inForce_{&journal_};
};

// The journal in force for this thread; nullptr when none is.
RunJournal* JournalInForce();

// The hooks of every writer, one line each, doing nothing when no journal
// is in force. Before a file is written (see RunJournal::BeforeWrite) or
// removed: false with the error code when the step may not be taken.
bool JournalBeforeWrite(const std::string& path, const std::string& bytes, bool replace, SystemError& error);
bool JournalBeforeRemove(const std::string& path, SystemError& error);
// After the step: whether it happened.
void JournalAfterStep(const std::string& path, bool done);
// Makes a folder for the run's files (MakeFolder, not hidden) and writes
// it down when the run made it; 0 or the error code.
SystemError MakeFolderOfRun(const std::string& path);
// Removes a file of the run (DeleteFileItself: never through a link, never
// a read-only one) once the journal in force kept it; 0 or the error code.
SystemError RemoveFileOfRun(const std::string& path);
// The same for a file of a held folder (HeldFolder::DeleteEntry: the folder
// held, never one a link leads to).
SystemError RemoveFileOfRun(const HeldFolder& folder, const std::string& name);
