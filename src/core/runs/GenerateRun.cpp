#include "core/runs/GenerateRun.h"

#include <algorithm>
#include <memory>
#include <set>

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "core/files/WrittenFiles.h"
#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/folders/MovieScanner.h"
#include "core/library/PlanEdits.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "core/pytivo/PyTivoView.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "platform/SystemError.h"
#include "platform/Text.h"

const char kNothingToAdd[] = "nothing to add: other files give every value";
const char kMovieGone[] = "the movie is not there any more";

namespace {

const char kCreationErrorCaption[] = "Movie Meta Files Creation Error!";

void ReportSummary(const GenerateResult& result, int count, ActivityLog& log)
{
    if (result.cancelled > 0) {
        log.AddLogEntry("Create Meta Files Cancelled", LogSeverity::Information,
                        "%d Metadata Files Created - %d replaced - %d skipped - %d failed - %d cancelled",
                        result.created - result.replaced, result.replaced, result.skipped, result.failed,
                        result.cancelled);
    } else if (count < 1) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error, "There are no movie files in the list.");
    } else if (result.failed > 0) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error,
                        "%d Metadata Files Created - %d skipped - %d failed!", result.created, result.skipped,
                        result.failed);
    } else if (result.created > 0) {
        log.AddLogEntry("Create Meta Files Success", LogSeverity::Information,
                        "%d Metadata Files Created - %d skipped!", result.created, result.skipped);
    } else {
        log.AddLogEntry("Existing Metadata Files Not Overwritten", LogSeverity::Information,
                        "All %d Metadata Files skipped!!", count);
    }
}

// The folder that the entries at hand lie in: one reading of it and of its
// ".meta" folder, made when its first entry comes up (the entries of one
// folder stand together in a list that the walk made).
class EntryFolder {
public:
    EntryFolder(const std::string& folder, const std::string& relative, const FolderIndex* listing)
        : path_(folder), relative_(relative)
    {
        if (!listing)
            own_ = std::make_unique<FolderIndex>(folder);
        index_ = listing ? listing : own_.get();
        meta_ = ReadMetaFolder(folder, *index_);
        sources_ = std::make_unique<PyTivoFolder>(folder, *index_, meta_.get());
    }
    const std::string& Path() const { return path_; }
    // Its path below the movie folder ("" for the movie folder itself).
    const std::string& Relative() const { return relative_; }
    std::string MetaPath() const { return path_ + kSeparator + kMetaFolderName; }
    const FolderIndex& Index() const { return *index_; }
    // The reading of ".meta"; nullptr when the folder has none.
    const FolderIndex* Meta() const { return meta_.get(); }

    // What the run does for the movie of this folder; cache: the files that
    // many movies share, read once a run.
    PlannedWrite Plan(const GenerateRequest& request, const PlannedMovie& movie, PyTivoRunCache& cache) const
    {
        const std::string name = FileNameOf(movie.moviePath, true);
        PlannedWrite write;
        write.moviePath = movie.moviePath;
        write.text = movie.text;
        write.keys = movie.keys;
        write.metadataPath = request.metaFolder ? MetaFolderPathOf(movie.moviePath) : MetadataPathOf(movie.moviePath);
        write.plan = LayersLine(write.keys);
        const FolderIndex* target = request.metaFolder ? Meta() : &Index();
        write.skipped = !request.replaceExisting && target && HasMetadata(*target, name);
        const OwnFile own = request.metaFolder ? OwnFile::InMeta : OwnFile::Beside;
        const FolderEntry* entry = write.skipped ? nullptr : Index().Find(name);
        if (entry && HasOtherPyTivoSources(*sources_, entry->name, cache, own)) {
            // Only a movie that other files describe has any read.
            const PyTivoView others = ReadOtherSources(*sources_, *entry, cache, own);
            PlannedMovie planned = movie;
            PlanAgainst(planned, &others, request.otherFiles);
            write.text = planned.text;
            write.keys = std::move(planned.keys);
            write.otherFiles = true;
            write.plan = KeysLine(write.keys, write.moviePath);
        }
        return write;
    }

private:
    std::string path_;
    std::string relative_;
    std::unique_ptr<FolderIndex> own_;
    const FolderIndex* index_;
    std::unique_ptr<FolderIndex> meta_;
    std::unique_ptr<PyTivoFolder> sources_;
};

// Where a run writes: the folders held from the movie folder down, each
// opened within the one above and never through a link (platform/
// HeldFolder.h), and the work folder and ".meta" of the folder at hand.
// Whatever is renamed or swapped for a link meanwhile, a file lands in the
// folder held, or nowhere.
class HeldTargets {
public:
    HeldTargets(const GenerateRequest& request, ActivityLog& log) : log_(log), metaFolder_(request.metaFolder)
    {
        chosen_ = chain_.OpenChosen(request.folder);
    }

    // Holds the folder of the entries at hand; what runs cut short left in
    // it goes. A folder on the way that is a link (or no folder) is left
    // alone, with one line in the log.
    void Enter(const EntryFolder& at)
    {
        // The work folder goes before the folder it lies in is let go.
        work_.reset();
        meta_.reset();
        leftAlone_.clear();
        metaLeftAlone_.clear();
        const SystemError code = chosen_ != 0 ? chosen_ : chain_.Reach(at.Relative());
        if (code != 0) {
            leftAlone_ = LeaveAlone(chosen_ != 0 ? at.Path() : chain_.FailedAt(), code);
            return;
        }
        work_ = std::make_unique<WorkFolder>(chain_.Last());
        work_->RemoveLeftovers(log_);
    }

    // The held folder the metadata files of the folder at hand go into:
    // the folder itself, or its ".meta", made when first needed. nullptr
    // with why in leftAlone when it is left alone.
    const HeldFolder* FolderFor(const EntryFolder& at, std::string& leftAlone)
    {
        leftAlone = !leftAlone_.empty() ? leftAlone_ : metaLeftAlone_;
        if (!leftAlone.empty())
            return nullptr;
        if (!metaFolder_)
            return &chain_.Last();
        if (!meta_) {
            auto meta = std::make_unique<HeldFolder>();
            const bool there = chain_.Last().InspectEntry(kMetaFolderName).exists;
            const SystemError code = meta->OpenOrMakeIn(chain_.Last(), kMetaFolderName);
            if (code != 0) {
                leftAlone = metaLeftAlone_ = LeaveAlone(at.MetaPath(), code);
                return nullptr;
            }
            // A folder the run made goes with the run's undo.
            RunJournal* journal = JournalInForce();
            if (!there && journal)
                journal->MadeFolder(at.MetaPath());
            meta_ = std::move(meta);
        }
        return meta_.get();
    }

    WorkFolder* Work() { return work_.get(); }

    // Whether the movie of that name is still a file of the folder at hand
    // (once FolderFor held it): a movie renamed, moved or deleted since the
    // folder was read gets no file under its old name. Where the system
    // cannot tell, it counts as there.
    bool HasMovie(const std::string& name) const
    {
        const PathInfo movie = chain_.Last().InspectEntry(name);
        return movie.exists ? !movie.isFolder : !IsNotFound(movie.error);
    }

private:
    // Logs the folder that is left alone; the reason, led by its path.
    std::string LeaveAlone(const std::string& path, SystemError code)
    {
        std::string why = SystemErrorLine(code);
        const PathInfo entry = chosen_ == 0 ? chain_.Last().InspectEntry(LastPathComponent(path)) : PathInfo();
        if (code == kErrorLink)
            why = "a link to another place; nothing is written through a link";
        else if (entry.exists && !entry.isFolder)
            why = "a file, not a folder";
        const std::string line = path + ": " + why;
        log_.AddLogEntry("", LogSeverity::Warning, "Left alone: %s", line.c_str());
        return line;
    }

    ActivityLog& log_;
    bool metaFolder_;
    HeldFolderChain chain_;
    SystemError chosen_ = 0;
    std::unique_ptr<WorkFolder> work_;
    std::unique_ptr<HeldFolder> meta_;
    std::string leftAlone_;
    std::string metaLeftAlone_;
};

// Which of the planned movies the run does: all, or those of writeOnly.
std::vector<bool> ChosenEntries(const GenerateRequest& request)
{
    std::vector<bool> chosen(request.entries.size(), request.writeOnly.empty());
    const std::set<std::string> only(request.writeOnly.begin(), request.writeOnly.end());
    for (size_t i = 0; i < chosen.size() && !only.empty(); ++i)
        chosen[i] = only.count(request.entries[i]) > 0;
    return chosen;
}

// Goes through the chosen movies folder by folder, each folder read once;
// visit gets a folder, what the run does there, and the number of chosen
// movies before them.
void ForEachPlannedFolder(
    const GenerateRequest& request, const LibraryPlan& plan, const std::vector<bool>& chosen,
    const std::function<bool(const EntryFolder&, const std::vector<PlannedWrite>&, int)>& visit)
{
    // A drive root comes with its backslash; it must not be doubled.
    const std::string folder = StripTrailingSeparator(request.folder);
    std::unique_ptr<EntryFolder> at;
    PyTivoRunCache cache;
    std::vector<PlannedWrite> writes;
    int done = 0;
    const auto visitFolder = [&] {
        const bool goOn = writes.empty() || visit(*at, writes, done);
        done += static_cast<int>(writes.size());
        writes.clear();
        return goOn;
    };
    for (size_t i = 0; i < plan.movies.size(); ++i) {
        if (!chosen[i])
            continue;
        const std::string relativeFolder = RelativeFolderOf(request.entries[i]);
        const std::string movieFolder = relativeFolder.empty() ? folder : folder + kSeparator + relativeFolder;
        if (!at || movieFolder != at->Path()) {
            if (at && !visitFolder())
                return;
            at.reset();
            at = std::make_unique<EntryFolder>(movieFolder, relativeFolder,
                                               relativeFolder.empty() ? request.listing : nullptr);
        }
        writes.push_back(at->Plan(request, plan.movies[i], cache));
    }
    if (at)
        visitFolder();
}

// The file of the folder's listing that the write replaces; nullptr when
// it makes a new one.
const FolderEntry* ListedTarget(const GenerateRequest& request, const EntryFolder& at, const PlannedWrite& write)
{
    const FolderIndex* target = request.metaFolder ? at.Meta() : &at.Index();
    return target ? target->FindDetailed(FileNameOf(write.metadataPath, true)) : nullptr;
}

// Whether a listed file may be replaced: a read-only file is the user's way
// of keeping it, and a pipe or a device is never replaced.
bool Replaceable(const FolderEntry& listed)
{
    return !listed.readOnly && !listed.isOther;
}

// How many files the journal keeps ahead with one flush.
constexpr size_t kKeptAhead = 64;

// Keeps the old bytes of the files that the writes from first on replace,
// for the next kKeptAhead writes.
void KeepAhead(const GenerateRequest& request, const EntryFolder& at, const std::vector<PlannedWrite>& writes,
               size_t first)
{
    RunJournal* journal = JournalInForce();
    if (!journal)
        return;
    std::vector<std::string> paths;
    for (size_t i = first; i < writes.size() && i < first + kKeptAhead; ++i) {
        const FolderEntry* listed = ListedTarget(request, at, writes[i]);
        if (!writes[i].skipped && !writes[i].NothingToAdd() && listed && Replaceable(*listed))
            paths.push_back(writes[i].metadataPath);
    }
    journal->KeepAhead(paths);
}

// The request's plan, with the values of Reelmark's own sources laid over
// each movie (GenerateRequest::layOver).
LibraryPlan PlanRequest(const GenerateRequest& request)
{
    LibraryPlan plan = PlanLibrary(request.folder, request.entries, request.metadata, request.edits);
    if (request.layOver) {
        for (PlannedMovie& movie : plan.movies) {
            request.layOver(movie);
            PlanAgainst(movie, nullptr, request.otherFiles);
        }
    }
    return plan;
}

}  // namespace

std::unique_ptr<FolderIndex> ReadMetaFolder(const std::string& folder, const FolderIndex& index)
{
    const FolderEntry* meta = index.Find(kMetaFolderName);
    if (!meta || !meta->isFolder || meta->isLink)
        return nullptr;
    return std::make_unique<FolderIndex>(StripTrailingSeparator(folder) + kSeparator + kMetaFolderName);
}

std::string GenerateRefusal(const GenerateRequest& request, const LibraryPlan& plan)
{
    const PlannedMovie* showless = nullptr;
    const std::vector<bool> chosen = ChosenEntries(request);
    for (size_t i = 0; i < plan.movies.size() && !showless; ++i) {
        const PlannedMovie& movie = plan.movies[i];
        if (chosen[i] && !movie.lines.movieLayout && movie.lines.seriesTitle.empty())
            showless = &movie;
    }
    const bool episodesWithoutTitle = request.metadata.parseNames
                                          ? showless != nullptr
                                          : request.isEpisodeTicked && request.seriesTitleText.empty();
    if (episodesWithoutTitle && request.isEpisodeTicked) {
        return "The \"Is Episode\" flag is checked. You must use a sub folder\n for these movies or turn "
               "this flag off to continue.\n\nNote: if you turn the \"Is Episode\" flag off the "
               "movies\nwill be pushed or pulled as individual movie files to TiVo.";
    }
    if (episodesWithoutTitle) {
        return FormatText(
            "The name of \"%s\" reads as an episode, but neither it nor its folder names the "
            "show.\nName the show in the file name (Show.Name.S01E02.mkv) or put the episodes "
            "into a folder named after the show.",
            showless->entry.c_str());
    }
    // A date the files would carry wrongly is not written at all.
    const std::string& airDate = request.metadata.originalAirDate;
    if (!request.metadata.movieMode && airDate.find_first_not_of(' ') != std::string::npos &&
        !IsAirDate(airDate)) {
        return FormatText(
            "The original air date \"%s\" is not a date.\nType it as YYYY-MM-DD, for example "
            "2012-03-31, or leave it empty.",
            airDate.c_str());
    }
    return std::string();
}

std::vector<PlannedWrite> PlanGenerate(const GenerateRequest& request, std::string& refusal)
{
    const LibraryPlan plan = PlanRequest(request);
    refusal = GenerateRefusal(request, plan);
    std::vector<PlannedWrite> writes;
    if (refusal.empty()) {
        ForEachPlannedFolder(request, plan, ChosenEntries(request),
                             [&](const EntryFolder&, const std::vector<PlannedWrite>& folderWrites, int) {
                                 writes.insert(writes.end(), folderWrites.begin(), folderWrites.end());
                                 return true;
                             });
    }
    return writes;
}

GenerateResult RunGenerate(const GenerateRequest& request, ActivityLog& log)
{
    GenerateResult result;
    const std::vector<bool> chosen = ChosenEntries(request);
    const int count = static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
    const LibraryPlan plan = PlanRequest(request);
    const std::string refusal = GenerateRefusal(request, plan);
    if (!refusal.empty()) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error, "%s", refusal.c_str());
        result.refused = true;
        result.refusal = refusal;
        return result;
    }

    // The journal that lets the run be undone must be there before any file
    // changes.
    JournaledRun journaled(RunHeader{request.runName, StripTrailingSeparator(request.folder), std::string(), 0},
                           request.undoJournal);
    if (!journaled.Refusal().empty()) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error, "%s\nNothing was changed.",
                        journaled.Refusal().c_str());
        result.refused = true;
        result.refusal = journaled.Refusal();
        return result;
    }
    const RunJournal& journal = journaled.Journal();

    log.AddLogEntry("", LogSeverity::Information, "Generating metadata. Processing %d files", count);
    HeldTargets targets(request, log);
    const auto tell = [&](const PlannedWrite& write, FileResult what, const std::string& reason) {
        if (request.outcome)
            request.outcome({write.moviePath, write.metadataPath, what, reason, write.plan});
    };
    ForEachPlannedFolder(request, plan, chosen, [&](const EntryFolder& at, const std::vector<PlannedWrite>& writes,
                                                    int first) {
        targets.Enter(at);
        for (size_t j = 0; j < writes.size(); ++j) {
            const PlannedWrite& write = writes[j];
            const int i = first + static_cast<int>(j);
            if (request.progress && !request.progress(i, write.moviePath)) {
                result.cancelled = count - i;
                return false;
            }
            if (j % kKeptAhead == 0)
                KeepAhead(request, at, writes, j);
            const auto skip = [&] {
                log.AddLogEntry("", LogSeverity::Information,
                                "File already exists! Skipping metadata file %d of %d: %s", i + 1, count,
                                write.metadataPath.c_str());
                ++result.skipped;
                tell(write, FileResult::Skipped, std::string());
            };
            if (write.skipped) {
                skip();
                continue;
            }
            if (write.NothingToAdd()) {
                log.AddLogEntry("", LogSeverity::Information,
                                "Other files give every value; nothing to add. Skipping metadata file %d of %d: %s",
                                i + 1, count, write.metadataPath.c_str());
                ++result.skipped;
                tell(write, FileResult::Skipped, kNothingToAdd);
                continue;
            }
            // A folder that is left alone was told once; its movies fail.
            std::string leftAlone;
            const HeldFolder* folder = targets.FolderFor(at, leftAlone);
            if (!folder) {
                ++result.failed;
                tell(write, FileResult::Failed, "Left alone: " + leftAlone);
                continue;
            }
            if (!targets.HasMovie(FileNameOf(write.moviePath, true))) {
                log.AddLogEntry("", LogSeverity::Warning,
                                "The movie is not there any more. Skipping metadata file %d of %d: %s", i + 1, count,
                                write.metadataPath.c_str());
                ++result.skipped;
                tell(write, FileResult::Skipped, kMovieGone);
                continue;
            }
            if (!write.plan.empty())
                log.AddLogEntry("", LogSeverity::Information, "Creating metadata file %d of %d (%s): %s", i + 1,
                                count, write.plan.c_str(), write.metadataPath.c_str());
            else
                log.AddLogEntry("", LogSeverity::Information, "Creating metadata file %d of %d: %s", i + 1, count,
                                write.metadataPath.c_str());
            // What the listing showed is replaced (an empty file counts as
            // none); a new file is made with a rename that refuses to
            // replace, so one that appeared since the listing is skipped,
            // never overwritten.
            const FolderEntry* listed = ListedTarget(request, at, write);
            // A read-only file is the user's way of keeping it; a pipe or a
            // device is never replaced.
            SystemError error = listed && listed->isOther ? kErrorNotAFile : kErrorAccessDenied;
            if ((!listed || Replaceable(*listed)) &&
                WriteTextFileAtomically(*folder, FileNameOf(write.metadataPath, true), write.text, &error,
                                        targets.Work(), listed ? ExistingFile::ReplaceWritable : ExistingFile::Keep)) {
                ++result.created;
                result.replaced += listed ? 1 : 0;
                if (request.written)
                    request.written->Record(write.metadataPath, EncodeText(WithCrLf(write.text)));
                tell(write, listed ? FileResult::Replaced : FileResult::Created, std::string());
            } else if (!listed && IsNameTaken(error)) {
                // A file of that name came meanwhile (not a file named ".meta").
                skip();
            } else {
                const std::string why =
                    journal.Broken() ? journal.Reason() : WriteErrorText(write.metadataPath, error);
                log.AddLogEntry("", LogSeverity::Error, "Could not write metadata file: %s\n%s",
                                write.metadataPath.c_str(), why.c_str());
                ++result.failed;
                // The system's text ends its line; a reason stands on its own.
                tell(write, FileResult::Failed, why.substr(0, why.find_last_not_of("\r\n") + 1));
            }
            // Without its journal the run may change nothing more.
            if (journal.Broken()) {
                log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error,
                                "%s\nThe run stopped: what it changed so far can be undone.",
                                journal.Reason().c_str());
                result.cancelled = count - i - 1;
                return false;
            }
        }
        return true;
    });
    if (request.progress)
        request.progress(count, std::string());
    ReportSummary(result, count, log);
    return result;
}
