#include "core/runs/LibraryWatch.h"

#include <algorithm>

#include "core/files/WorkFolder.h"
#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/StopSignal.h"
#include "platform/Text.h"

namespace {

constexpr double kNever = 1e300;
// The longest single wait: a clock that is far off never makes one endless.
constexpr double kLongestWait = 3600;
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
    if (request_.recursive) {
        WalkFolderTree(request_.generate.folder, log_, [&](const WalkedFolder& walked) {
            TakeFolder(walked.relative, walked.index, now, &settled);
            return !stop_.Requested();
        });
    } else {
        TakeFolder(std::string(), FolderIndex(request_.generate.folder), now, &settled);
    }
    Write(std::move(settled));
    return true;
}

void LibraryWatch::TakeFolder(const std::string& relative, const FolderIndex& index, double now,
                              std::vector<std::string>* settled)
{
    const SystemError uncovered = watch_ ? watch_->Cover(relative) : 0;
    if (uncovered != 0 && !coverWarned_) {
        coverWarned_ = true;
        log_.AddLogEntry("", LogSeverity::Warning,
                         "Could not watch the folder %s for changes (the full passes find its new movies): %s",
                         PathOf(relative).c_str(), SystemErrorLine(uncovered).c_str());
    }
    const MetadataFiles metadata(PathOf(relative), index, request_.generate.metaFolder);
    const unsigned long long clock = FileClockNow();
    const auto settle = static_cast<unsigned long long>(request_.settleSeconds * kFileClockPerSecond);
    for (const FolderEntry& listed : index.Entries()) {
        if (listed.isFolder || !IsMovieFile(listed.name))
            continue;
        const std::string movie = Join(relative, listed.name);
        if (settled)
            library_.push_back(movie);
        if (metadata.Has(listed.name) || waiting_.count(movie))
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
}

void LibraryWatch::Take(const FolderChange& change, double now)
{
    const std::string& path = change.path;
    if (path.empty() || InWorkFolder(path) || (!request_.recursive && path.find(kSeparator) != std::string::npos))
        return;
    if (change.kind == FolderChange::Kind::Removed) {
        for (auto at = waiting_.lower_bound(path); at != waiting_.end() && IsAtOrBelow(at->first, path);)
            at = waiting_.erase(at);
        const std::string movie = MovieOfMetadataFile(path);
        if (!movie.empty())
            Wait(movie, now);
        return;
    }
    if (change.kind != FolderChange::Kind::Written)
        return;
    const PathInfo info = InspectPath(PathOf(path));
    if (info.isFolder && request_.recursive && !LeadsElsewhere(PathOf(path)))
        LookThrough(path, now);
    else if (info.exists && !info.isFolder && IsMovieFile(path))
        Wait(path, now);
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
        if (!info.exists || info.isFolder) {
            at = waiting_.erase(at);
        } else if (info.size != movie.size || info.lastWrite != movie.lastWrite || !CanReadFile(path)) {
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
        if (!metadata->Has(FileNameOf(entry, true)))
            missing.push_back(entry);
    }
    Write(std::move(missing));
}

void LibraryWatch::Write(std::vector<std::string> settled)
{
    if (settled.empty() || stop_.Requested())
        return;
    SortByFolder(settled);
    GenerateRequest run = request_.generate;
    run.replaceExisting = false;
    run.progress = [this](int, const std::string&) { return !stop_.Requested(); };
    if (run.metadata.parseNames) {
        // What a name gives (a show's series ID, its spelling) depends on
        // every file of the run: plan these among the whole library.
        for (const std::string& entry : settled) {
            if (std::find(library_.begin(), library_.end(), entry) == library_.end())
                library_.push_back(entry);
        }
        run.entries = library_;
        run.writeOnly = std::move(settled);
    } else {
        run.entries = std::move(settled);
    }
    RunGenerate(run, log_);
}

double LibraryWatch::NextSettle() const
{
    double next = kNever;
    for (const auto& [entry, movie] : waiting_)
        next = std::min(next, movie.since + request_.settleSeconds);
    return next;
}

void LibraryWatch::Forget()
{
    waiting_.clear();
}

std::vector<std::string> LibraryWatch::Waiting() const
{
    std::vector<std::string> entries;
    for (const auto& [entry, movie] : waiting_)
        entries.push_back(entry);
    return entries;
}

void RunWatch(const WatchRequest& request, ActivityLog& log, const StopSignal& stop,
              const std::function<double()>& clock)
{
    const double started = SteadySeconds();
    const std::function<double()> now = clock ? clock : [started] { return SteadySeconds() - started; };
    const char* folder = request.generate.folder.c_str();
    FolderWatch watch;
    LibraryWatch library(request, log, stop, &watch);
    log.AddLogEntry("", LogSeverity::Information,
                    "Watching %s%s for new movies: each gets its metadata file once unchanged for %g seconds%s.",
                    folder, request.recursive ? " and the folders below it" : "", request.settleSeconds,
                    request.passSeconds > 0
                        ? FormatText("; a full pass every %g minutes", request.passSeconds / 60).c_str()
                        : "");
    bool up = false;
    bool down = false;
    // While watching, when the folder is looked at next: not every system
    // tells that a watched folder went (a network share; Wine). While not,
    // when watching it is tried again.
    double checkAt = 0;
    double passAt = kNever;
    const auto lose = [&] {
        watch.Stop();
        library.Forget();
        up = false;
    };
    const auto goDown = [&](SystemError error) {
        lose();
        if (!down)
            log.AddLogEntry("", LogSeverity::Warning, "Cannot watch %s, trying again every %g seconds: %s", folder,
                            request.retrySeconds, SystemErrorLine(error).c_str());
        down = true;
        checkAt = now() + request.retrySeconds;
    };
    const auto pass = [&] {
        SystemError error = up ? 0 : watch.Start(request.generate.folder, request.recursive);
        if (error != 0 || !library.Pass(now(), &error))
            return goDown(error);
        if (down)
            log.AddLogEntry("", LogSeverity::Information, "Watching %s again.", folder);
        up = true;
        down = false;
        passAt = request.passSeconds > 0 ? now() + request.passSeconds : kNever;
        checkAt = now() + request.retrySeconds;
    };
    while (!stop.Requested()) {
        if (!up ? now() >= checkAt : now() >= passAt) {
            pass();
        } else if (now() >= checkAt) {
            const SystemError error = CheckFolderReadable(request.generate.folder);
            if (error != 0)
                goDown(error);
            else
                checkAt = now() + request.retrySeconds;
        }
        if (up)
            library.Settle(now());
        const double until = (up ? std::min({library.NextSettle(), passAt, checkAt}) : checkAt) - now();
        std::vector<FolderChange> changes;
        watch.Wait(std::max(0.0, std::min(until, kLongestWait)), stop, changes);
        for (const FolderChange& change : changes) {
            if (change.kind == FolderChange::Kind::Gone) {
                // Tried again at once: the retry says why it fails.
                lose();
                checkAt = now();
                break;
            }
            if (change.kind == FolderChange::Kind::Lost)
                passAt = now();
            else
                library.Take(change, now());
        }
    }
    log.AddLogEntry("", LogSeverity::Information, "Stopped watching %s.", folder);
}
