#include "core/files/RunJournal.h"

#include <functional>

#include "core/files/RunHistory.h"
#include "platform/ContentHash.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

thread_local RunJournal* tJournalInForce = nullptr;

// Makes the folder and those above it that are missing; 0 or the error code.
SystemError MakeFolders(const std::string& folder)
{
    if (InspectPath(folder).isFolder)
        return 0;
    const std::vector<std::string> above = FoldersAbove(folder);
    for (auto it = above.rbegin(); it != above.rend(); ++it) {
        if (!InspectPath(*it).exists)
            MakeFolder(*it, false);
    }
    return MakeFolder(folder, false);
}

// A run's name: when it started, then the process (and a count when the
// process starts two runs in one second).
std::string RunNameOf(unsigned long long started, int count)
{
    const std::tm local = LocalTimeOf(static_cast<std::time_t>(UnixTimeOf(started).seconds));
    std::string name = FormatText("%04d%02d%02d-%02d%02d%02d-%lu", local.tm_year + 1900, local.tm_mon + 1,
                                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, ProcessNumber());
    return count > 1 ? name + FormatText("-%d", count) : name;
}

}  // namespace

RunJournal::~RunJournal()
{
    End();
}

bool RunJournal::Begin(RunHeader header, const JournalLimits& limits, std::string& reason,
                       const std::string& runsFolder)
{
    End();
    if (limits.bytes == 0)
        return true;  // asked to keep no journal
    if (runsFolder.empty()) {
        reason = "The undo journal has no folder: the environment names no per-user folder (LOCALAPPDATA, "
                 "XDG_STATE_HOME or HOME).";
        return false;
    }
    if (header.started == 0)
        header.started = FileClockNow();
    PruneRuns(runsFolder, limits, header.started);
    SystemError code = MakeFolders(runsFolder);
    HeldFolder runs;
    if (code == 0)
        code = runs.OpenChosen(runsFolder);
    auto held = std::make_unique<HeldFolder>();
    for (int count = 1; code == 0; ++count) {
        id_ = RunNameOf(header.started, count);
        code = held->MakeIn(runs, id_, false);
        if (!IsNameTaken(code) || count > 100)
            break;
        code = 0;
    }
    if (code == 0) {
        folder_ = held->Path();
        held_ = std::move(held);
        manifest_ = std::make_unique<AppendFile>();
        oldBytes_ = std::make_unique<AppendFile>();
        code = manifest_->Open(folder_ + kSeparator + kManifestName);
        if (code == 0)
            code = oldBytes_->Open(folder_ + kSeparator + kOldBytesName);
        const std::string first =
            ManifestLine({kManifestMark, kManifestVersion, std::to_string(header.started), header.what,
                          header.folder, header.undoes});
        if (code == 0 && (code = oldBytes_->Flush()) == 0 && (code = manifest_->Append(first)) == 0)
            code = manifest_->Flush();
    }
    if (code != 0) {
        reason = FormatText("The undo journal cannot be written in %s:\n%s", runsFolder.c_str(),
                            SystemErrorLine(code).c_str());
        Discard();
        return false;
    }
    steps_ = 0;
    oldSize_ = 0;
    kept_.clear();
    broken_.clear();
    return true;
}

void RunJournal::Break(const std::string& what, SystemError code)
{
    if (!broken_.empty())
        return;
    brokenCode_ = code;
    broken_ = FormatText("The undo journal cannot be written in %s (%s):\n%s", folder_.c_str(), what.c_str(),
                         SystemErrorLine(code).c_str());
}

bool RunJournal::WriteLine(const std::string& line, bool flush)
{
    SystemError code = manifest_->Append(line);
    if (code == 0 && flush)
        code = manifest_->Flush();
    if (code != 0)
        Break("its manifest", code);
    return code == 0;
}

void RunJournal::KeepAhead(const std::vector<std::string>& paths)
{
    if (!IsOpen() || Broken())
        return;
    std::string packed;
    std::string lines;
    std::vector<std::pair<std::string, std::string>> hashes;
    for (const std::string& path : paths) {
        std::string bytes;
        // What cannot be kept here is left to the write (which keeps it or
        // refuses): a file that is not there, cannot be read or is too big.
        if (kept_.count(path) || !ReadWholeFile(path, bytes, nullptr, kMostKeptBytes + 1) ||
            bytes.size() > kMostKeptBytes)
            continue;
        hashes.emplace_back(path, ContentHash(bytes));
        lines += ManifestLine({"old", path, std::to_string(oldSize_ + packed.size()), std::to_string(bytes.size()),
                               hashes.back().second});
        packed += bytes;
    }
    if (hashes.empty())
        return;
    SystemError code = oldBytes_->Append(packed);
    if (code == 0)
        code = oldBytes_->Flush();
    if (code != 0) {
        Break("its old files", code);
        return;
    }
    oldSize_ += packed.size();
    if (!WriteLine(lines, true))
        return;
    for (const auto& [path, hash] : hashes)
        kept_[path] = Kept{hash, true};
}

bool RunJournal::KeepCurrent(const std::string& path, Kept& now, SystemError& error)
{
    std::string bytes;
    SystemError code = 0;
    if (!ReadWholeFile(path, bytes, &code, kMostKeptBytes + 1)) {
        now = Kept{};
        if (IsNotFound(code))
            return true;
        error = code;
        return false;
    }
    if (bytes.size() > kMostKeptBytes) {
        error = kErrorTooLarge;
        return false;
    }
    now = Kept{ContentHash(bytes), true};
    const auto it = kept_.find(path);
    if (it != kept_.end() && it->second.hash == now.hash)
        return true;
    // Not kept ahead, or changed since: kept on its own, on the disk before
    // the step.
    code = oldBytes_->Append(bytes);
    if (code == 0)
        code = oldBytes_->Flush();
    if (code != 0) {
        Break("its old files", code);
        error = brokenCode_;
        return false;
    }
    const std::string line =
        ManifestLine({"old", path, std::to_string(oldSize_), std::to_string(bytes.size()), now.hash});
    oldSize_ += bytes.size();
    if (!WriteLine(line, true)) {
        error = brokenCode_;
        return false;
    }
    kept_[path] = now;
    return true;
}

bool RunJournal::Refused(SystemError& error) const
{
    if (Broken())
        error = brokenCode_;
    return Broken();
}

bool RunJournal::WriteStep(const std::string& line, SystemError& error)
{
    // The line need not reach the disk before the step: without it the undo
    // takes the file for one the run did not make, and leaves it.
    if (!WriteLine(line, false)) {
        error = brokenCode_;
        return false;
    }
    ++steps_;
    return true;
}

bool RunJournal::BeforeWrite(const std::string& path, const std::string& bytes, bool replace, SystemError& error)
{
    if (!IsOpen())
        return true;
    if (Refused(error))
        return false;
    Kept now;
    if (replace && !KeepCurrent(path, now, error))
        return false;
    return WriteStep(now.exists ? ManifestLine({"replace", path, now.hash, ContentHash(bytes)})
                                : ManifestLine({"create", path, ContentHash(bytes)}),
                     error);
}

bool RunJournal::BeforeRemove(const std::string& path, SystemError& error)
{
    if (!IsOpen())
        return true;
    if (Refused(error))
        return false;
    Kept now;
    if (!KeepCurrent(path, now, error))
        return false;
    if (!now.exists) {
        error = kErrorFileNotFound;
        return false;
    }
    return WriteStep(ManifestLine({"remove", path, now.hash}), error);
}

void RunJournal::StepFailed(const std::string& path)
{
    if (IsOpen() && WriteLine(ManifestLine({"failed", path}), false))
        --steps_;
}

void RunJournal::MadeFolder(const std::string& path)
{
    if (IsOpen() && WriteLine(ManifestLine({"mkdir", path}), false))
        ++steps_;
}

void RunJournal::RemovedFolder(const std::string& path)
{
    if (IsOpen() && WriteLine(ManifestLine({"rmdir", path}), false))
        ++steps_;
}

void RunJournal::End()
{
    if (!IsOpen())
        return;
    if (steps_ <= 0) {
        Discard();
        return;
    }
    WriteLine(ManifestLine({"end", std::to_string(FileClockNow())}), true);
    manifest_.reset();
    oldBytes_.reset();
    held_.reset();
}

void RunJournal::Discard()
{
    manifest_.reset();
    oldBytes_.reset();
    if (held_) {
        held_->DeleteEntry(kManifestName);
        held_->DeleteEntry(kOldBytesName);
        held_->RemoveIfEmpty();
    }
    held_.reset();
}

RunJournalScope::RunJournalScope(RunJournal* journal) : previous_(tJournalInForce)
{
    tJournalInForce = journal;
}

RunJournalScope::~RunJournalScope()
{
    tJournalInForce = previous_;
}

JournaledRun::JournaledRun(const RunHeader& header, const std::optional<JournalLimits>& limits)
{
    if (limits)
        journal_.Begin(header, *limits, refusal_);
}

RunJournal* JournalInForce()
{
    return tJournalInForce && tJournalInForce->IsOpen() ? tJournalInForce : nullptr;
}

bool JournalBeforeWrite(const std::string& path, const std::string& bytes, bool replace, SystemError& error)
{
    RunJournal* journal = JournalInForce();
    return !journal || journal->BeforeWrite(path, bytes, replace, error);
}

bool JournalBeforeRemove(const std::string& path, SystemError& error)
{
    RunJournal* journal = JournalInForce();
    return !journal || journal->BeforeRemove(path, error);
}

void JournalAfterStep(const std::string& path, bool done)
{
    RunJournal* journal = JournalInForce();
    if (journal && !done)
        journal->StepFailed(path);
}

SystemError MakeFolderOfRun(const std::string& path)
{
    const bool there = InspectPath(path).isFolder;
    const SystemError code = MakeFolder(path, false);
    RunJournal* journal = JournalInForce();
    if (code == 0 && !there && journal)
        journal->MadeFolder(path);
    return code;
}

namespace {

SystemError RemoveJournaled(const std::string& path, const std::function<SystemError()>& remove)
{
    SystemError error = 0;
    if (!JournalBeforeRemove(path, error))
        return error;
    error = remove();
    JournalAfterStep(path, error == 0);
    return error;
}

}  // namespace

SystemError RemoveFileOfRun(const std::string& path)
{
    return RemoveJournaled(path, [&] { return DeleteFileItself(path, false); });
}

SystemError RemoveFileOfRun(const HeldFolder& folder, const std::string& name)
{
    return RemoveJournaled(folder.Path() + kSeparator + name, [&] { return folder.DeleteEntry(name); });
}
