#include <algorithm>

#include "core/log/ActivityLog.h"
#include "core/runs/LibraryWatch.h"
#include "platform/Access.h"
#include "platform/FileSystem.h"
#include "platform/StopSignal.h"
#include "platform/Text.h"

namespace {

constexpr double kNever = 1e300;
// The longest single wait: a clock that is far off never makes one endless.
constexpr double kLongestWait = 3600;

}  // namespace

std::string UnwatchedLine(const WatchLimit& limit, size_t folders, bool root, const std::string& folder,
                          double passSeconds)
{
    const std::string value = limit.value >= 0 ? FormatText(" (%lld here)", limit.value) : std::string();
    const std::string what =
        root ? folder + " is not watched for changes"
             : FormatText("%zu %s below %s %s not watched for changes", folders,
                          folders == 1 ? "folder" : "folders", folder.c_str(), folders == 1 ? "is" : "are");
    const std::string passes =
        passSeconds > 0
            ? FormatText("the full pass every %g minutes finds %s new movies", passSeconds / 60,
                         root ? "its" : "their")
            : FormatText(
                  "no full pass comes after the one at start, so %s new movies wait until the watch starts "
                  "again",
                  root ? "its" : "their");
    return FormatText(
        "The system's limit %s%s is reached: %s; %s. Raise the limit (sysctl %s) to have %s watched.",
        limit.name.c_str(), value.c_str(), what.c_str(), passes.c_str(), limit.name.c_str(),
        root ? "it" : "them");
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
    log.AddLogEntry(
        "", LogSeverity::Information,
        "Watching %s%s for new movies: each gets its metadata file once unchanged for %g seconds%s.", folder,
        request.recursive ? " and the folders below it" : "", request.settleSeconds,
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
        // A refusal names the user and the folder on the way.
        const std::string refusal =
            error == kErrorAccessDenied ? AccessRefusal(folder, false) : std::string();
        if (!down)
            log.AddLogEntry("", LogSeverity::Warning,
                            "Cannot watch %s, trying again every %g seconds: %s%s%s", folder,
                            request.retrySeconds, SystemErrorLine(error).c_str(), refusal.empty() ? "" : " ",
                            refusal.c_str());
        down = true;
        checkAt = now() + request.retrySeconds;
    };
    bool unwatchedSaid = false;
    const auto pass = [&] {
        // The subtree is watched for the ".meta" folder too; Take keeps to
        // what counts.
        SystemError error = watch.IsWatching() ? 0 : watch.Start(request.generate.folder, true);
        // At the system's limit the passes alone find new movies.
        const WatchLimit limit = FolderWatch::LimitOf(error);
        if (!limit.name.empty() && !unwatchedSaid)
            log.AddLogEntry("", LogSeverity::Warning, "%s",
                            UnwatchedLine(limit, 1, true, folder, request.passSeconds).c_str());
        unwatchedSaid = unwatchedSaid || !limit.name.empty();
        if (!limit.name.empty())
            error = 0;
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
