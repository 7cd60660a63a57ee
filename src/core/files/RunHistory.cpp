#include "core/files/RunHistory.h"

#include <algorithm>

#include "platform/ContentHash.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"

namespace {

constexpr unsigned long long kClockPerDay = 24ULL * 3600 * 10000000;

bool ToNumber(const std::string& text, unsigned long long& number)
{
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    number = std::stoull(text);
    return true;
}

// Takes one line's words into the run; false when they are no step.
bool TakeLine(const std::vector<std::string>& words, RunRecord& run)
{
    using Kind = RunStep::Kind;
    const std::string& word = words.front();
    const size_t count = words.size();
    RunStep step;
    step.path = count > 1 ? words[1] : std::string();
    if (word == "old" && count == 5) {
        KeptBytes kept{words[1], words[4]};
        if (!ToNumber(words[2], kept.offset) || !ToNumber(words[3], kept.size))
            return false;
        run.kept.push_back(kept);
        return true;
    }
    if (word == "replace" && count == 4)
        step = RunStep{Kind::Replace, words[1], words[2], words[3]};
    else if (word == "create" && count == 3)
        step = RunStep{Kind::Create, words[1], std::string(), words[2]};
    else if (word == "remove" && count == 3)
        step = RunStep{Kind::Remove, words[1], words[2], std::string()};
    else if ((word == "mkdir" || word == "rmdir") && count == 2)
        step.kind = word == "mkdir" ? Kind::MakeFolder : Kind::RemoveFolder;
    else if (word == "failed" && count == 2) {
        // The last step of the path did not happen.
        for (auto it = run.steps.rbegin(); it != run.steps.rend(); ++it) {
            if (it->path == words[1] && !it->failed) {
                it->failed = true;
                return true;
            }
        }
        return false;
    } else if (word == "end" && count == 2) {
        run.complete = true;
        return true;
    } else {
        return false;
    }
    run.steps.push_back(step);
    return true;
}

bool IsRunFile(const FolderEntry& entry)
{
    return !entry.isFolder && !entry.isLink && (entry.name == kManifestName || entry.name == kOldBytesName);
}

// What the run's files hold on the disk.
unsigned long long SizeOfRun(const std::string& runFolder)
{
    unsigned long long bytes = 0;
    ForEachFolderEntry(runFolder, [&bytes](const FolderEntry& entry) { bytes += entry.size; });
    return bytes;
}

// Holds a run's folder as its own (IsInUse when a run still holds it);
// never through a link.
SystemError HoldRun(const std::string& runFolder, HeldFolder& held)
{
    HeldFolder runs;
    const SystemError code = runs.OpenChosen(ParentFolderOf(runFolder));
    return code != 0 ? code : held.OpenIn(runs, LastPathComponent(runFolder), HeldFolder::Hold::Own);
}

// Removes a run's folder and its files, unless a program holds it or it
// holds anything else.
void RemoveRun(const std::string& runFolder)
{
    HeldFolder held;
    bool onlyRunFiles = true;
    if (HoldRun(runFolder, held) != 0 ||
        !held.ForEachEntry([&](const FolderEntry& entry) { onlyRunFiles = onlyRunFiles && IsRunFile(entry); }) ||
        !onlyRunFiles)
        return;
    held.DeleteEntry(kManifestName);
    held.DeleteEntry(kOldBytesName);
    held.RemoveIfEmpty();
}

}  // namespace

int RunRecord::Count(RunStep::Kind kind) const
{
    return static_cast<int>(std::count_if(steps.begin(), steps.end(),
                                          [kind](const RunStep& step) { return step.kind == kind && !step.failed; }));
}

const KeptBytes* RunRecord::KeptOf(const std::string& path, const std::string& hash) const
{
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        if (it->path == path && it->hash == hash)
            return &*it;
    }
    return nullptr;
}

bool ReadRun(const std::string& runFolder, RunRecord& run, bool steps)
{
    run = RunRecord();
    run.folder = runFolder;
    run.id = LastPathComponent(runFolder);
    std::string text;
    const std::string manifest = runFolder + kSeparator + kManifestName;
    const size_t firstLine = 1 << 18;  // a folder of the longest name, every byte escaped
    if (!ReadWholeFile(manifest, text, nullptr, steps ? SIZE_MAX : firstLine))
        return false;
    run.bytes = SizeOfRun(runFolder);
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        // A line that fails its check ends what is read: it and what follows
        // were torn off.
        if (!ReadManifestLine(text.substr(start, end - start), words))
            break;
        if (start == 0) {
            unsigned long long started = 0;
            if (words.size() != 6 || words[0] != kManifestMark || words[1] != kManifestVersion ||
                !ToNumber(words[2], started))
                return false;
            run.header = RunHeader{words[3], words[4], words[5], started};
            if (!steps)
                return true;
        } else if (!TakeLine(words, run)) {
            break;
        }
    }
    return start > 0;
}

std::vector<RunRecord> ListRuns(const std::string& runsFolder, bool steps)
{
    std::vector<RunRecord> runs;
    ForEachFolderEntry(runsFolder, [&](const FolderEntry& entry) {
        RunRecord run;
        if (entry.isFolder && !entry.isLink && IsRunName(entry.name) &&
            ReadRun(runsFolder + kSeparator + entry.name, run, steps))
            runs.push_back(std::move(run));
    });
    std::sort(runs.begin(), runs.end(), [](const RunRecord& a, const RunRecord& b) {
        return a.header.started != b.header.started ? a.header.started > b.header.started : a.id > b.id;
    });
    return runs;
}

bool ReadKeptBytes(const RunRecord& run, const KeptBytes& kept, std::string& bytes, SystemError& error)
{
    if (kept.size > kMostKeptBytes) {
        error = kErrorTooLarge;
        return false;
    }
    if (!ReadFilePart(run.folder + kSeparator + kOldBytesName, kept.offset, static_cast<size_t>(kept.size), bytes,
                      &error))
        return false;
    if (ContentHash(bytes) != kept.hash) {
        error = kErrorFileNotFound;
        return false;
    }
    return true;
}

bool RunInUse(const RunRecord& run)
{
    HeldFolder held;
    return IsInUse(HoldRun(run.folder, held));
}

void PruneRuns(const std::string& runsFolder, const JournalLimits& limits, unsigned long long now)
{
    std::vector<std::string> absent;
    std::vector<RunRecord> runs;
    ForEachFolderEntry(runsFolder, [&](const FolderEntry& entry) {
        RunRecord run;
        if (!entry.isFolder || entry.isLink || !IsRunName(entry.name))
            return;
        if (ReadRun(runsFolder + kSeparator + entry.name, run, false))
            runs.push_back(std::move(run));
        else
            absent.push_back(runsFolder + kSeparator + entry.name);
    });
    for (const std::string& folder : absent)
        RemoveRun(folder);
    // Oldest first.
    std::sort(runs.begin(), runs.end(), [](const RunRecord& a, const RunRecord& b) {
        return a.header.started != b.header.started ? a.header.started < b.header.started : a.id < b.id;
    });
    unsigned long long total = 0;
    for (const RunRecord& run : runs)
        total += run.bytes;
    const unsigned long long age = static_cast<unsigned long long>(std::max(limits.days, 0)) * kClockPerDay;
    for (const RunRecord& run : runs) {
        const bool tooOld = run.header.started + age < now;
        if (!tooOld && total <= limits.bytes)
            break;
        if (RunInUse(run))
            continue;
        RemoveRun(run.folder);
        if (!InspectPath(run.folder).exists)
            total -= run.bytes;
    }
}
