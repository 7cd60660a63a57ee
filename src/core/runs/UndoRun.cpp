#include "core/runs/UndoRun.h"

#include <algorithm>
#include <map>
#include <memory>

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "core/log/ActivityLog.h"
#include "platform/ContentHash.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

const char kUndoCaption[] = "Undo Last Run";

// A file's state: there or not, and what it holds.
struct FileState {
    bool exists = false;
    std::string hash;
    bool operator==(const FileState& other) const { return exists == other.exists && hash == other.hash; }
};

// What the run changed of one file: as it was before its first step and
// after its last.
struct FileChange {
    std::string path;
    FileState before;
    FileState after;
    // Kept by a run that was cut short before it wrote a step for it: it
    // may have changed the file all the same.
    bool unrecorded = false;
};

std::vector<FileChange> ChangesOf(const RunRecord& run)
{
    std::vector<FileChange> changes;
    std::map<std::string, size_t> at;
    for (const RunStep& step : run.steps) {
        if (step.failed || step.kind == RunStep::Kind::MakeFolder || step.kind == RunStep::Kind::RemoveFolder)
            continue;
        const FileState after{step.kind != RunStep::Kind::Remove, step.newHash};
        const auto found = at.find(step.path);
        if (found != at.end()) {
            changes[found->second].after = after;
            continue;
        }
        at[step.path] = changes.size();
        changes.push_back({step.path, FileState{step.kind != RunStep::Kind::Create, step.oldHash}, after});
    }
    for (const KeptBytes& kept : run.kept) {
        if (!run.complete && !at.count(kept.path)) {
            at[kept.path] = changes.size();
            const FileState state{true, kept.hash};
            changes.push_back({kept.path, state, state, true});
        }
    }
    return changes;
}

// The file's state now; false with the error code when it cannot be read.
bool StateNow(const std::string& path, FileState& state, SystemError& error)
{
    std::string bytes;
    state = FileState{};
    if (!ReadWholeFile(path, bytes, &error, kMostKeptBytes + 1))
        return IsNotFound(error);
    // Bigger than anything the run wrote: changed since.
    state = FileState{true, bytes.size() > kMostKeptBytes ? std::string("-") : ContentHash(bytes)};
    return true;
}

// Undoes one file's change; the log says what became of it.
class FileUndo {
public:
    FileUndo(const RunRecord& run, bool dryRun, ActivityLog& log, UndoResult& result)
        : run_(run), dryRun_(dryRun), log_(log), result_(result)
    {
    }

    void Undo(const FileChange& change)
    {
        FileState now;
        SystemError error = 0;
        const std::string& path = change.path;
        if (LeadsElsewhere(path))
            return Leave(path, "it is a link now");
        if (!StateNow(path, now, error))
            return Fail(path, "it cannot be read", error);
        if (now == change.before) {
            ++result_.asBefore;
            return;
        }
        // A read-only file is the user's way of keeping it.
        if (now.exists && InspectPath(path).readOnly)
            return Leave(path, "it is read-only");
        if (change.unrecorded)
            return Leave(path, "the run was cut short after it kept the file, and it is not as it was");
        if (!(now == change.after))
            return Leave(path, now.exists ? "changed since the run" : "removed since the run");
        if (!change.before.exists)
            return Remove(path);
        const KeptBytes* kept = run_.KeptOf(path, change.before.hash);
        std::string bytes;
        if (!kept || !ReadKeptBytes(run_, *kept, bytes, error))
            return Fail(path, "its old bytes are not whole in the journal", 0);
        PutBack(path, bytes, now.exists);
    }

    // Whether the change would be undone by a write over what is there now
    // (its old bytes are then kept ahead).
    static bool Overwrites(const FileChange& change) { return change.before.exists && change.after.exists; }

private:
    void Leave(const std::string& path, const char* why)
    {
        log_.AddLogEntry("", LogSeverity::Warning, "Left alone (%s): %s", why, path.c_str());
        ++result_.leftAlone;
    }

    void Fail(const std::string& path, const char* what, SystemError error)
    {
        log_.AddLogEntry("", LogSeverity::Error, "Could not undo the change of %s: %s%s%s", path.c_str(), what,
                         error ? "\n" : "", error ? SystemErrorLine(error).c_str() : "");
        ++result_.failed;
    }

    void Remove(const std::string& path)
    {
        if (dryRun_) {
            log_.AddLogEntry("", LogSeverity::Information, "Would remove (the run made it): %s", path.c_str());
            ++result_.removed;
            return;
        }
        // Never through a link, never a read-only file: as the deletes do.
        SystemError error = 0;
        const HeldFolder* folder = FolderOf(path, error);
        if (folder)
            error = RemoveFileOfRun(*folder, FileNameOf(path, true));
        if (error != 0)
            return Fail(path, "it cannot be removed", error);
        log_.AddLogEntry("", LogSeverity::Information, "Removed (the run made it): %s", path.c_str());
        ++result_.removed;
    }

    void PutBack(const std::string& path, const std::string& bytes, bool over)
    {
        if (dryRun_) {
            log_.AddLogEntry("", LogSeverity::Information, "Would put back: %s", path.c_str());
            ++result_.putBack;
            return;
        }
        SystemError error = 0;
        const HeldFolder* folder = FolderOf(path, error);
        if (!folder || !WriteFileAtomically(*folder, FileNameOf(path, true), bytes, &error, work_.get(),
                                            over ? ExistingFile::Replace : ExistingFile::Keep))
            return Fail(path, "it cannot be written", error);
        log_.AddLogEntry("", LogSeverity::Information, "Put back: %s", path.c_str());
        ++result_.putBack;
    }

    // The folder of the file, held from the run's folder down when it lies
    // below it, as the run wrote there: never through a link (and its work
    // folder with it). nullptr with the error code when it cannot be held.
    const HeldFolder* FolderOf(const std::string& path, SystemError& error)
    {
        const std::string folder = ParentFolderOf(path);
        if (workIn_ != folder || !held_) {
            work_.reset();
            held_ = std::make_unique<HeldFolderChain>();
            const std::string top = StripTrailingSeparator(run_.header.folder);
            const bool below = !top.empty() && folder.size() > top.size() &&
                               folder.compare(0, top.size(), top) == 0 && folder[top.size()] == kSeparator;
            heldError_ = held_->OpenChosen(below ? top : folder);
            if (heldError_ == 0 && below)
                heldError_ = held_->Reach(folder.substr(top.size() + 1));
            if (heldError_ == 0)
                work_ = std::make_unique<WorkFolder>(held_->Last());
            workIn_ = folder;
        }
        error = heldError_;
        return heldError_ == 0 ? &held_->Last() : nullptr;
    }

    const RunRecord& run_;
    bool dryRun_;
    ActivityLog& log_;
    UndoResult& result_;
    std::unique_ptr<HeldFolderChain> held_;
    SystemError heldError_ = 0;
    std::unique_ptr<WorkFolder> work_;
    std::string workIn_;
};

// The folders the run made go once empty, and those it removed come back.
void UndoFolders(const RunRecord& run, bool made, bool dryRun)
{
    for (auto step = run.steps.rbegin(); step != run.steps.rend() && !dryRun; ++step) {
        if (step->failed)
            continue;
        if (made && step->kind == RunStep::Kind::MakeFolder && RemoveFolderItself(step->path) == 0 &&
            JournalInForce())
            JournalInForce()->RemovedFolder(step->path);
        if (!made && step->kind == RunStep::Kind::RemoveFolder)
            MakeFolderOfRun(step->path);
    }
}

const RunRecord* FindRun(const std::vector<RunRecord>& runs, const std::string& id)
{
    const auto found = std::find_if(runs.begin(), runs.end(), [&id](const RunRecord& run) { return run.id == id; });
    return found == runs.end() ? nullptr : &*found;
}

}  // namespace

std::string UndoneBy(const std::vector<RunRecord>& runs, const RunRecord& run)
{
    // An undo counts while it is not undone itself (an undo of the undo put
    // the run's changes back). Undos come after what they undo.
    for (const RunRecord& undo : runs) {
        if (undo.header.undoes == run.id && UndoneBy(runs, undo).empty())
            return undo.id;
    }
    return std::string();
}

const RunRecord* LastRunToUndo(const std::vector<RunRecord>& runs)
{
    for (const RunRecord& run : runs) {
        if (run.header.undoes.empty() && UndoneBy(runs, run).empty())
            return &run;
    }
    return nullptr;
}

std::string DescribeRun(const RunRecord& run)
{
    const std::tm local = LocalTimeOf(static_cast<std::time_t>(UnixTimeOf(run.header.started).seconds));
    std::string counts;
    const auto add = [&counts](int count, const char* what) {
        if (count > 0)
            counts += FormatText("%s%d %s %s", counts.empty() ? "" : ", ", count, count == 1 ? "file" : "files", what);
    };
    add(run.Count(RunStep::Kind::Replace), "replaced");
    add(run.Count(RunStep::Kind::Create), "made");
    add(run.Count(RunStep::Kind::Remove), "removed");
    return FormatText("%s, %04d-%02d-%02d %02d:%02d, in %s: %s%s", run.header.what.c_str(), local.tm_year + 1900,
                      local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, run.header.folder.c_str(),
                      counts.empty() ? "no file changed" : counts.c_str(), run.complete ? "" : " (cut short)");
}

UndoResult RunUndo(const UndoRequest& request, ActivityLog& log)
{
    UndoResult result;
    const std::string runsFolder = request.runsFolder.empty() ? RunsFolder() : request.runsFolder;
    const std::vector<RunRecord> runs = ListRuns(runsFolder);
    const RunRecord* run = request.run.empty() ? LastRunToUndo(runs) : FindRun(runs, request.run);
    result.refusal = !run ? (request.run.empty() ? "There is no run to undo."
                                                 : "There is no run " + request.run + " in " + runsFolder + ".")
                     : RunInUse(*run) ? "The run " + run->id + " is still going on."
                                      : std::string();
    RunJournal journal;
    if (result.refusal.empty() && !request.dryRun)
        journal.Begin(RunHeader{"Undo", run->header.folder, run->id}, request.journal, result.refusal, runsFolder);
    if (!result.refusal.empty()) {
        log.AddLogEntry(kUndoCaption, LogSeverity::Error, "%s\nNothing was changed.", result.refusal.c_str());
        result.refused = true;
        return result;
    }
    RunJournalScope journalInForce(&journal);
    result.run = run->id;
    log.AddLogEntry("", LogSeverity::Information, "%s run %s: %s", request.dryRun ? "Would undo" : "Undoing",
                    run->id.c_str(), DescribeRun(*run).c_str());
    const std::vector<FileChange> changes = ChangesOf(*run);
    const int count = static_cast<int>(changes.size());
    UndoFolders(*run, false, request.dryRun);
    {
        // The undo lets go of the folders it holds before the folders the
        // run made go: Windows removes no folder that is held.
        FileUndo undo(*run, request.dryRun, log, result);
        for (int i = 0; i < count; ++i) {
            if (request.progress && !request.progress(i, count, changes[i].path)) {
                result.cancelled = count - i;
                break;
            }
            // What an undo writes over is kept for its own undo, many at once.
            if (JournalInForce() && i % 64 == 0) {
                std::vector<std::string> ahead;
                for (int j = i; j < count && j < i + 64; ++j) {
                    if (FileUndo::Overwrites(changes[j]))
                        ahead.push_back(changes[j].path);
                }
                journal.KeepAhead(ahead);
            }
            undo.Undo(changes[i]);
            if (journal.Broken()) {
                log.AddLogEntry(kUndoCaption, LogSeverity::Error, "%s\nThe undo stopped.", journal.Reason().c_str());
                result.cancelled = count - i - 1;
                break;
            }
        }
    }
    UndoFolders(*run, true, request.dryRun || result.cancelled > 0);
    if (request.progress)
        request.progress(count, count, std::string());
    log.AddLogEntry(request.dryRun ? "" : kUndoCaption, result.failed > 0 ? LogSeverity::Error : LogSeverity::Information,
                    "%s: %d put back - %d removed - %d left alone (changed since) - %d failed%s",
                    request.dryRun ? "Undo (dry run)" : result.cancelled > 0 ? "Undo stopped" : "Undo finished",
                    result.putBack, result.removed, result.leftAlone, result.failed,
                    result.cancelled > 0 ? FormatText(" - %d not reached", result.cancelled).c_str() : "");
    return result;
}
