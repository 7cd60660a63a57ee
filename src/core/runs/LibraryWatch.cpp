#include "core/runs/LibraryWatch.h"

#include <algorithm>

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "core/files/WrittenFiles.h"
#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "core/runs/WatchFollow.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/StopSignal.h"
#include "platform/Text.h"

namespace {

constexpr double kNever = 1e300;
// A file that could not be written is tried again after a minute, then
// after twice as long each time, at most every 15 minutes.
constexpr double kFirstRetry = 60;
constexpr double kLongestRetry = 15 * 60;
constexpr double kFileClockPerSecond = 1e7;

std::string Join(const std::string& relative, const std::string& name)
{
    return relative.empty() || name.empty() ? relative + name : relative + kSeparator + name;
}

bool IsAtOrBelow(const std::string& path, const std::string& folder)
{
    return path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == kSeparator);
}

// "1 minute", "15 minutes".
std::string MinutesText(double seconds)
{
    const double minutes = seconds / 60;
    return FormatText(minutes == 1 ? "%g minute" : "%g minutes", minutes);
}

// Whether a name on the path is a work folder's: what happens in one is the
// program's own doing.
bool InWorkFolder(const std::string& path)
{
    for (size_t start = 0;;) {
        const size_t end = path.find(kSeparator, start);
        if (IsWorkFolderName(path.substr(start, end - start)))
            return true;
        if (end == std::string::npos)
            return false;
        start = end + 1;
    }
}

// The movie whose metadata file the path names ("<movie>.txt" beside it or
// in its folder's ".meta"); empty when it names none.
std::string MovieOfMetadataFile(const std::string& path)
{
    if (path.size() < 5 || path.compare(path.size() - 4, 4, ".txt") != 0)
        return std::string();
    std::string movie = path.substr(0, path.size() - 4);
    const std::string folder = RelativeFolderOf(movie);
    if (FileNameOf(folder, true) == kMetaFolderName)
        movie = Join(RelativeFolderOf(folder), FileNameOf(movie, true));
    return IsMovieFile(movie) ? movie : std::string();
}

// Entries of one folder stand together, as a run wants them.
void SortByFolder(std::vector<std::string>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        const std::string folderA = RelativeFolderOf(a);
        const std::string folderB = RelativeFolderOf(b);
        return folderA != folderB ? folderA < folderB : a < b;
    });
}

// The metadata files a run finds for the movies of one folder: beside
// them, or with metaFolder in the folder's ".meta".
class MetadataFiles {
public:
    MetadataFiles(const std::string& folder, const FolderIndex& index, bool metaFolder)
        : meta_(metaFolder ? ReadMetaFolder(folder, index) : nullptr), target_(metaFolder ? meta_.get() : &index)
    {
    }
    bool Has(const std::string& movieName) const { return target_ && HasMetadata(*target_, movieName); }
    const FolderIndex* Meta() const { return meta_.get(); }

private:
    std::unique_ptr<FolderIndex> meta_;
    const FolderIndex* target_;
};

}  // namespace

LibraryWatch::LibraryWatch(const WatchRequest& request, ActivityLog& log, const StopSignal& stop, FolderWatch* watch)
    : request_(request), log_(log), stop_(stop), watch_(watch), root_(StripTrailingSeparator(request.generate.folder))
{
}

LibraryWatch::~LibraryWatch() = default;

std::string LibraryWatch::PathOf(const std::string& entry) const
{
    return entry.empty() ? request_.generate.folder : root_ + kSeparator + entry;
}

std::string LibraryWatch::MetadataFileOf(const std::string& entry) const
{
    return request_.generate.metaFolder ? MetaFolderPathOf(PathOf(entry)) : MetadataPathOf(PathOf(entry));
}

bool LibraryWatch::Pass(double now, SystemError* error)
{
    const SystemError unreadable = CheckFolderReadable(request_.generate.folder);
    if (unreadable != 0) {
        if (error)
            *error = unreadable;
        return false;
    }
    std::vector<std::string> settled;
    library_.clear();
    unwatched_.clear();
    if (request_.recursive) {
        WalkFolderTree(request_.generate.folder, log_, [&](const WalkedFolder& walked) {
            TakeFolder(walked.relative, walked.index, now, &settled);
            return !stop_.Requested();
        });
    } else {
        TakeFolder(std::string(), FolderIndex(request_.generate.folder), now, &settled);
    }
    ReportUnwatched();
    Write(std::move(settled), now);
    return true;
}

void LibraryWatch::TakeFolder(const std::string& relative, const FolderIndex& index, double now,
                              std::vector<std::string>* settled)
{
    const SystemError uncovered = watch_ ? watch_->Cover(relative) : 0;
    const WatchLimit limit = FolderWatch::LimitOf(uncovered);
    if (!limit.name.empty()) {
        limit_ = limit;
        unwatched_.insert(relative);
    } else if (uncovered != 0 && !coverWarned_) {
        coverWarned_ = true;
        log_.AddLogEntry("", LogSeverity::Warning,
                         "Could not watch the folder %s for changes (the full passes find its new movies): %s",
                         PathOf(relative).c_str(), SystemErrorLine(uncovered).c_str());
    }
    // Without the folders below, the folder's ".meta" is watched all the same.
    const FolderEntry* meta = index.Find(kMetaFolderName);
    if (watch_ && !request_.recursive && meta && meta->isFolder && !meta->isLink)
        watch_->Cover(Join(relative, meta->name));
    const MetadataFiles metadata(PathOf(relative), index, request_.generate.metaFolder);
    const bool filesWithoutMovies =
        !MoviesGoneFromTheirFiles(index, metadata.Meta(), request_.generate.metaFolder).empty();
    const unsigned long long clock = FileClockNow();
    const auto settle = static_cast<unsigned long long>(request_.settleSeconds * kFileClockPerSecond);
    for (const FolderEntry& listed : index.Entries()) {
        if (listed.isFolder || !IsMovieFile(listed.name))
            continue;
        const std::string movie = Join(relative, listed.name);
        if (settled)
            library_.push_back(movie);
        if (metadata.Has(listed.name) || waiting_.count(movie) || complete_.count(movie) ||
            (filesWithoutMovies && TakeOverFile(relative, index, metadata.Meta(), listed.name)))
            continue;
        // A pass trusts the file's own time: untouched that long, it has
        // settled (a copy that goes on keeps it new, or keeps it locked).
        const FolderEntry& entry = index.Detailed(listed);
        const bool untouched = entry.lastWrite <= clock && clock - entry.lastWrite >= settle;
        if (settled && untouched && CanReadFile(PathOf(movie)))
            settled->push_back(movie);
        else
            Wait(movie, now);
    }
}

void LibraryWatch::LookThrough(const std::string& relative, double now)
{
    WalkFolderTree(PathOf(relative), log_, [&](const WalkedFolder& walked) {
        TakeFolder(Join(relative, walked.relative), walked.index, now, nullptr);
        return !stop_.Requested();
    });
}

void LibraryWatch::Wait(const std::string& entry, double now)
{
    const PathInfo info = InspectPath(PathOf(entry));
    if (info.exists && !info.isFolder)
        waiting_[entry] = {info.size, info.lastWrite, now};
    else
        waiting_.erase(entry);
    // Wine cannot even look at a pipe or a device.
    SystemError unreadable = 0;
    if (!info.exists && !IsNotFound(info.error) && !CanReadFile(PathOf(entry), nullptr, &unreadable))
        LeaveOut(entry, unreadable);
}

bool LibraryWatch::LeaveOut(const std::string& entry, SystemError unreadable)
{
    if (unreadable != kErrorNotAFile)
        return false;
    // Opened without waiting: a pipe or a device named like a movie is no
    // movie, told once while the watch runs.
    const std::string path = PathOf(entry);
    if (log_.FirstTime("not a file " + path))
        log_.AddLogEntry("", LogSeverity::Warning, "Not a file, left out: %s", path.c_str());
    return true;
}

void LibraryWatch::Take(const FolderChange& change, double now)
{
    const std::string& path = change.path;
    // Without the folders below, only the folder's own files and those of
    // its ".meta" count.
    const std::string folder = RelativeFolderOf(path);
    if (path.empty() || InWorkFolder(path) || (!request_.recursive && !folder.empty() && folder != kMetaFolderName))
        return;
    if (change.kind == FolderChange::Kind::Removed) {
        for (auto at = waiting_.lower_bound(path); at != waiting_.end() && IsAtOrBelow(at->first, path);)
            at = waiting_.erase(at);
        const std::string movie = MovieOfMetadataFile(path);
        if (!movie.empty())
            Wait(movie, now);
        else if (IsMovieFile(path))
            MovieGone(path, now);
        return;
    }
    if (change.kind != FolderChange::Kind::Written)
        return;
    const PathInfo info = InspectPath(PathOf(path));
    const bool meta = info.isFolder && FileNameOf(path, true) == kMetaFolderName && !LeadsElsewhere(PathOf(path));
    if (meta && !request_.recursive && watch_)
        watch_->Cover(path);
    if (meta) {
        // A ".meta" folder that came may hold files already: its default.txt
        // describes every movie beside it.
        SourceChanged(Join(path, "default.txt"), now);
    }
    if (info.isFolder && request_.recursive && !LeadsElsewhere(PathOf(path))) {
        LookThrough(path, now);
        ReportUnwatched();
    } else if (info.exists && !info.isFolder && IsMovieFile(path))
        Wait(path, now);
    else if (info.exists && !info.isFolder)
        SourceChanged(path, now);
}

void LibraryWatch::SourceChanged(const std::string& path, double now)
{
    const std::string folder = RelativeFolderOf(path);
    const bool inMeta = FileNameOf(folder, true) == kMetaFolderName;
    // Reelmark's own files, above all, come by the thousand in a pass.
    if (!MayDescribeMovies(FileNameOf(path, true), inMeta, request_.generate.metaFolder))
        return;
    const std::string movies = inMeta ? RelativeFolderOf(folder) : folder;
    const FolderIndex index(PathOf(movies));
    for (const std::string& movie :
         MoviesDescribedBy(FileNameOf(path, true), inMeta, index, request_.generate.metaFolder)) {
        // A movie that waits gets its file from the sources as they are then.
        const std::string entry = Join(movies, movie);
        if (complete_.erase(entry) > 0)
            Wait(entry, now);
        else if (!waiting_.count(entry))
            redo_[entry] = now;
    }
}

void LibraryWatch::MovieGone(const std::string& path, double now)
{
    const std::string folder = RelativeFolderOf(path);
    const std::string gone = FileNameOf(path, true);
    if (!SameEpisode(gone, gone))
        return;  // only an episode has an upgrade; no folder read for any other
    const FolderIndex index(PathOf(folder));
    for (const MovieListing& movie : MoviesIn(index)) {
        if (!SameEpisode(gone, movie.name))
            continue;
        const JournaledRun own = OwnRun();
        if (!Refused(own))
            FollowUpgrade(request_.generate.folder, folder, gone, movie.name, request_.generate.metaFolder,
                          request_.generate.written, log_);
        // A file that went with its movie leaves the new one to get its own.
        const std::string entry = Join(folder, movie.name);
        if (!waiting_.count(entry) && !InspectPath(MetadataFileOf(entry)).exists)
            Wait(entry, now);
    }
}

bool LibraryWatch::TakeOverFile(const std::string& relative, const FolderIndex& index, const FolderIndex* meta,
                                const std::string& movie)
{
    const bool metaFolder = request_.generate.metaFolder;
    for (const std::string& gone : MoviesGoneFromTheirFiles(index, meta, metaFolder)) {
        if (!SameEpisode(gone, movie))
            continue;
        const JournaledRun own = OwnRun();
        if (!Refused(own))
            FollowUpgrade(request_.generate.folder, relative, gone, movie, metaFolder, request_.generate.written,
                          log_);
        return InspectPath(MetadataFileOf(Join(relative, movie))).exists;
    }
    return false;
}

void LibraryWatch::Settle(double now)
{
    std::vector<std::string> settled;
    for (auto at = waiting_.begin(); at != waiting_.end();) {
        Candidate& movie = at->second;
        if (now < movie.since + request_.settleSeconds) {
            ++at;
            continue;
        }
        const std::string path = PathOf(at->first);
        const PathInfo info = InspectPath(path);
        SystemError unreadable = 0;
        const bool same = info.size == movie.size && info.lastWrite == movie.lastWrite;
        if (!info.exists || info.isFolder) {
            at = waiting_.erase(at);
        } else if (!same || !CanReadFile(path, nullptr, &unreadable)) {
            if (same && LeaveOut(at->first, unreadable)) {
                at = waiting_.erase(at);
                continue;
            }
            movie = {info.size, info.lastWrite, now};
            ++at;
        } else {
            settled.push_back(at->first);
            at = waiting_.erase(at);
        }
    }
    // Those that got a metadata file meanwhile (a media manager wrote one,
    // or it came with the movie) keep it without a word.
    SortByFolder(settled);
    std::vector<std::string> missing;
    std::string folder;
    std::unique_ptr<FolderIndex> index;
    std::unique_ptr<MetadataFiles> metadata;
    for (const std::string& entry : settled) {
        if (!index || RelativeFolderOf(entry) != folder) {
            folder = RelativeFolderOf(entry);
            metadata.reset();
            index = std::make_unique<FolderIndex>(PathOf(folder));
            metadata = std::make_unique<MetadataFiles>(PathOf(folder), *index, request_.generate.metaFolder);
        }
        if (!metadata->Has(FileNameOf(entry, true)) &&
            !TakeOverFile(folder, *index, metadata->Meta(), FileNameOf(entry, true)))
            missing.push_back(entry);
    }
    Write(std::move(missing), now);
    for (auto at = redo_.begin(); at != redo_.end() && !stop_.Requested();) {
        if (now < at->second + request_.settleSeconds) {
            ++at;
            continue;
        }
        const std::string entry = at->first;
        at = redo_.erase(at);
        Redo(entry, now);
    }
    Retry(now);
}

void LibraryWatch::Retry(double now)
{
    if (failed_.empty())
        retryAt_ = kNever;
    if (now < retryAt_ || stop_.Requested())
        return;
    retrying_ = true;
    // One first: while what stops them lasts (a full disk), one failure
    // a try says so; once it is written, the others follow.
    const std::map<std::string, bool> waiting = failed_;
    const auto tryAgain = [&](const std::string& entry, bool redo) {
        if (!InspectPath(PathOf(entry)).exists)
            failed_.erase(entry);
        else if (redo)
            Redo(entry, now);
        else
            Write({entry}, now);
    };
    const std::string& first = waiting.begin()->first;
    tryAgain(first, waiting.begin()->second);
    const bool stillFails = failed_.count(first) > 0;
    if (!stillFails) {
        std::vector<std::string> others;
        for (auto at = std::next(waiting.begin()); at != waiting.end(); ++at) {
            if (at->second)
                tryAgain(at->first, true);
            else if (InspectPath(PathOf(at->first)).exists)
                others.push_back(at->first);
            else
                failed_.erase(at->first);
        }
        Write(std::move(others), now);
    }
    retrying_ = false;
    retryAt_ = kNever;
    if (failed_.empty())
        return;
    retryDelay_ = stillFails ? std::min(2 * retryDelay_, kLongestRetry) : kFirstRetry;
    retryAt_ = now + retryDelay_;
    log_.AddLogEntry("", LogSeverity::Warning, "%zu metadata %s still cannot be written; trying again in %s.",
                     failed_.size(), failed_.size() == 1 ? "file" : "files",
                     MinutesText(retryDelay_).c_str());
}

void LibraryWatch::Run(const GenerateRequest& run, bool redo, double now)
{
    failedNow_.clear();
    RunGenerate(run, log_);
    for (const std::string& entry : failedNow_)
        failed_[entry] = redo;
    // A try again says itself when the next one comes.
    if (failedNow_.empty() || retrying_)
        return;
    const char* files = failedNow_.size() == 1 ? "file" : "files";
    if (retryAt_ != kNever) {
        log_.AddLogEntry("", LogSeverity::Warning,
                         "%zu metadata %s could not be written; trying again with the others that wait.",
                         failedNow_.size(), files);
        return;
    }
    retryDelay_ = kFirstRetry;
    retryAt_ = now + retryDelay_;
    log_.AddLogEntry("", LogSeverity::Warning, "%zu metadata %s could not be written; trying again in %s.",
                     failedNow_.size(), files, MinutesText(retryDelay_).c_str());
}

void LibraryWatch::Redo(const std::string& entry, double now)
{
    WrittenFiles* written = request_.generate.written;
    GenerateRequest run = LibraryRun({entry}, true);
    std::string refusal;
    const std::vector<PlannedWrite> plans = PlanGenerate(run, refusal);
    std::string bytes;
    // Only a file Reelmark wrote, as it wrote it, is Reelmark's to redo.
    if (plans.size() != 1 || !ReadUnchangedOwnFile(plans[0].metadataPath, written, bytes))
        return;
    const PlannedWrite& plan = plans[0];
    if (plan.NothingToAdd()) {
        const JournaledRun own = OwnRun();
        if (Refused(own) || RemoveFileOfRun(plan.metadataPath) != 0)
            return;
        written->Forget(plan.metadataPath);
        log_.AddLogEntry("", LogSeverity::Information,
                         "Removed %s: the files pyTivo reads beside its movie now give every value.",
                         plan.metadataPath.c_str());
    } else if (EncodeText(WithCrLf(plan.text)) != bytes) {
        log_.AddLogEntry("", LogSeverity::Information,
                         "Redoing %s: a file pyTivo reads came or changed beside its movie.",
                         plan.metadataPath.c_str());
        Run(run, true, now);
    }
}

JournaledRun LibraryWatch::OwnRun() const
{
    return JournaledRun(RunHeader{request_.generate.runName, root_, std::string(), 0}, request_.generate.undoJournal);
}

bool LibraryWatch::Refused(const JournaledRun& run)
{
    if (!run.Refusal().empty())
        log_.AddLogEntry("", LogSeverity::Error, "%s\nThe file is left as it is.", run.Refusal().c_str());
    return !run.Refusal().empty();
}

GenerateRequest LibraryWatch::LibraryRun(std::vector<std::string> writeOnly, bool replaceExisting)
{
    GenerateRequest run = request_.generate;
    run.replaceExisting = replaceExisting;
    run.progress = [this](int, const std::string&) { return !stop_.Requested(); };
    run.outcome = [this](const FileOutcome& outcome) {
        const std::string entry = outcome.moviePath.substr(root_.size() + 1);
        if (outcome.result == FileResult::Skipped && outcome.reason == kNothingToAdd)
            complete_.insert(entry);
        if (outcome.result == FileResult::Failed)
            failedNow_.insert(entry);
        else
            failed_.erase(entry);
    };
    if (run.metadata.parseNames) {
        // What a name gives (a show's series ID, its spelling) depends on
        // every file of the run: plan these among the whole library.
        for (const std::string& entry : writeOnly) {
            if (std::find(library_.begin(), library_.end(), entry) == library_.end())
                library_.push_back(entry);
        }
        run.entries = library_;
        run.writeOnly = std::move(writeOnly);
    } else {
        run.entries = std::move(writeOnly);
    }
    if (request_.beforeRun)
        request_.beforeRun(run);
    return run;
}

void LibraryWatch::Write(std::vector<std::string> settled, double now)
{
    if (settled.empty() || stop_.Requested())
        return;
    SortByFolder(settled);
    Run(LibraryRun(std::move(settled)), false, now);
}

double LibraryWatch::NextSettle() const
{
    double next = kNever;
    for (const auto& [entry, movie] : waiting_)
        next = std::min(next, movie.since + request_.settleSeconds);
    for (const auto& [entry, since] : redo_)
        next = std::min(next, since + request_.settleSeconds);
    return failed_.empty() ? next : std::min(next, retryAt_);
}

void LibraryWatch::Forget()
{
    waiting_.clear();
    redo_.clear();
    failed_.clear();
    unwatched_.clear();
    unwatchedSaid_ = 0;
}

void LibraryWatch::ReportUnwatched()
{
    if (unwatched_.size() == unwatchedSaid_)
        return;
    if (unwatched_.empty())
        log_.AddLogEntry("", LogSeverity::Information, "Every folder below %s is watched for changes again.",
                         root_.c_str());
    else
        log_.AddLogEntry(
            "", LogSeverity::Warning, "%s",
            UnwatchedLine(limit_, unwatched_.size(), false, root_, request_.passSeconds).c_str());
    unwatchedSaid_ = unwatched_.size();
}
