#pragma once
// A movie folder kept supplied with metadata files while the program runs
// (reelmark-cli watch): every movie that comes gets the file that generate
// would write for it, once the movie has settled. A file there is replaced
// only when Reelmark wrote it and nobody changed it since, and a source
// pyTivo reads came or changed beside its movie (a download manager's .nfo
// after its movie); on an upgrade (an episode's movie replaced by another
// of the same episode) the old movie's file goes with it (WatchFollow.h).
// The system tells of changes (FolderWatch); full passes over the folder,
// at start and now and then, find what it did not tell.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/runs/GenerateRun.h"
#include "platform/FolderWatch.h"

class ActivityLog;
class FolderIndex;
class StopSignal;

struct WatchRequest {
    // The template and options of each run, as generate takes them: folder,
    // seriesTitleText, metadata (with parseNames), isEpisodeTicked and
    // metaFolder, otherFiles, written (where files written are recorded:
    // without it no file is ever taken for Reelmark's). Entries, writeOnly,
    // progress and replaceExisting are the watch's own.
    GenerateRequest generate;
    bool recursive = false;  // the folders below too
    // A movie is written once its size and last-write time have not changed
    // for this long and it can be opened for reading.
    double settleSeconds = 30;
    // Between full passes; 0: only the one at start.
    double passSeconds = 3600;
    // Between looks at the folder while it is watched (not every system
    // tells that it went), and between tries to watch it again once it went
    // or could not be read.
    double retrySeconds = 30;
    // Called with each run's request before it is planned (a lookup lays
    // its values over the files the run writes: GenerateRequest::layOver).
    std::function<void(GenerateRequest& run)> beforeRun;
};

// Decides which movies to write and when. Times are seconds on the
// caller's clock, which only ever goes forward.
class JournaledRun;

class LibraryWatch {
public:
    // watch, when given, is asked to cover every folder a pass or a change
    // finds (where the system watches folder by folder).
    LibraryWatch(const WatchRequest& request, ActivityLog& log, const StopSignal& stop,
                 FolderWatch* watch = nullptr);
    ~LibraryWatch();

    // A pass over the whole folder: each movie without its metadata file
    // whose last write lies the settle time back or more and that can be
    // opened is written now; the others wait to settle. False, writing
    // nothing, when the folder itself cannot be read (its error in *error).
    bool Pass(double now, SystemError* error = nullptr);
    // Takes what the system told (Written or Removed): a movie that came or
    // was written waits to settle from now on; a folder that came is looked
    // through; a movie whose metadata file went waits to get it again; the
    // movies a source that came or changed describes wait to be redone once
    // it has settled; a movie that went leaves its file to one of the same
    // episode in its folder.
    void Take(const FolderChange& change, double now);
    // Looks at the movies whose time has come: one that changed waits
    // again, one that went is forgotten, and those that settled are written
    // in one run (a movie of the same episode whose file lies there without
    // it handing it over first); the files to redo are redone; the files
    // that could not be written are tried again when their time has come.
    void Settle(double now);
    // When Settle next has something to do; a huge time when nothing waits.
    double NextSettle() const;
    // Forgets the movies that wait (the folder went: the next pass finds
    // them again).
    void Forget();
    // The movies that wait to settle, each as its path below the folder.
    std::vector<std::string> Waiting() const;
    // Says, when it changed since it was last said, how many folders the
    // system's limit leaves unwatched and that the full passes cover them.
    void ReportUnwatched();

private:
    struct Candidate {
        unsigned long long size = 0;
        unsigned long long lastWrite = 0;
        double since = 0;  // when that size and time were first seen
    };
    // Looks at one folder a pass or change reads: covers it and takes its
    // movies without metadata files, as settled ones (pass) or to wait.
    void TakeFolder(const std::string& relative, const FolderIndex& index, double now,
                    std::vector<std::string>* settled);
    void LookThrough(const std::string& relative, double now);
    void Wait(const std::string& entry, double now);
    // True, telling it once, when the movie cannot be read because it is
    // no file (a pipe, a device): it is left out.
    bool LeaveOut(const std::string& entry, SystemError unreadable);
    void Write(std::vector<std::string> settled, double now);
    // Runs GenerateRun: the movies whose files fail wait to be tried
    // again (redo: files to redo), which the log says.
    void Run(const GenerateRequest& run, bool redo, double now);
    // Tries again the files that could not be written, once their time
    // has come.
    void Retry(double now);
    // Hands the files of movies gone from the folder to those of the same
    // episode that lack one (FollowUpgrade); true when movie got one.
    bool TakeOverFile(const std::string& relative, const FolderIndex& index, const FolderIndex* meta,
                      const std::string& movie);
    void SourceChanged(const std::string& path, double now);
    void MovieGone(const std::string& path, double now);
    void Redo(const std::string& entry, double now);
    // The request of a run that plans among the whole library (a redo
    // replaces the file, and is looked up as one that does).
    GenerateRequest LibraryRun(std::vector<std::string> writeOnly, bool replaceExisting = false);
    // A change of the watch's own beyond a Generate (a redone file removed,
    // an upgrade's file renamed) is a run that can be undone; Refused logs
    // why one whose journal cannot be written changes nothing.
    JournaledRun OwnRun() const;
    bool Refused(const JournaledRun& run);
    std::string PathOf(const std::string& entry) const;
    // The metadata file the run writes for the movie.
    std::string MetadataFileOf(const std::string& entry) const;

    const WatchRequest& request_;
    ActivityLog& log_;
    const StopSignal& stop_;
    FolderWatch* watch_;
    std::string root_;
    std::map<std::string, Candidate> waiting_;
    // The movies whose file waits to be redone, with when a source of
    // theirs last came or changed.
    std::map<std::string, double> redo_;
    // The movies whose file could not be written (a full disk, a folder
    // the program may not write in), with whether it was a file to redo;
    // tried again from retryAt_ on, the wait doubling from a minute up to
    // 15 minutes while the first of them still fails. failedNow_: those of
    // the run under way.
    std::map<std::string, bool> failed_;
    std::set<std::string> failedNow_;
    double retryAt_ = 1e300;
    double retryDelay_ = 0;
    bool retrying_ = false;
    // The movies whose other files give every value: no file until one of
    // those changes.
    std::set<std::string> complete_;
    // Every movie of the last pass and those written since: with names read,
    // a run plans its files among them all (GenerateRequest::writeOnly).
    std::vector<std::string> library_;
    bool coverWarned_ = false;
    // The folders below that the system's limit (limit_) leaves unwatched,
    // and how many the log last said.
    std::set<std::string> unwatched_;
    WatchLimit limit_;
    size_t unwatchedSaid_ = 0;
};

// The log line of folders that a limit of the system leaves unwatched:
// which limit, how many folders (the folder itself when root), and that
// the full passes every passSeconds find their new movies.
std::string UnwatchedLine(const WatchLimit& limit, size_t folders, bool root, const std::string& folder,
                          double passSeconds);

// Runs the watch until stop is requested: watches the folder, makes a pass
// at start and every passSeconds, writes movies as they settle, logs when
// the folder goes or cannot be read (told by the system, or found so every
// retrySeconds) and tries again every retrySeconds. A folder the system's
// limit leaves unwatched is logged once and left to the full passes.
// clock: seconds that only go forward (a steady clock when not given).
void RunWatch(const WatchRequest& request, ActivityLog& log, const StopSignal& stop,
              const std::function<double()>& clock = nullptr);
