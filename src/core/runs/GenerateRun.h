#pragma once
// The Generate command without its window: writes one metadata file for
// every entry of the movie list, skipping existing ones unless told to
// replace them, logs each file and ends with a summary box.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/files/RunManifest.h"
#include "core/library/LibraryPlan.h"
#include "core/metadata/MetadataFormat.h"

class ActivityLog;
class FolderIndex;
class PlanEdits;
class WrittenFiles;

// What became of one movie's metadata file in a run.
enum class FileResult { Created, Replaced, Skipped, Failed };
// The reason of a skip where the movie's other files give every value.
extern const char kNothingToAdd[];
// The reason of a skip where the movie went (renamed, moved or deleted)
// after its folder was read: no file is written under its old name.
extern const char kMovieGone[];
struct FileOutcome {
    std::string moviePath;
    std::string metadataPath;
    FileResult result = FileResult::Created;
    std::string reason;  // why it failed, as the log says it; for a skip, why when it is not a file that is there
    // What the file does beside the movie's other files (PlanKeysLine);
    // without them, what it takes from Reelmark's own sources (LayersLine:
    // "6 values from TMDB"), or nothing.
    std::string plan;
};

struct GenerateRequest {
    std::string folder;  // the movie folder (a trailing backslash is ignored)
    // File names in the folder, in list order; a name may lead through
    // sub-folders ("Dr Who\Season 1\a.mpg"): its metadata file goes beside
    // it, and in the episode layout its series title is its folder's
    // (SeriesTitleOfFolder). What each file gets is
    // PlanLibrary(folder, entries, metadata) (core/LibraryPlan.h).
    std::vector<std::string> entries;
    bool replaceExisting = false;  // the Replace Existing Metadata box
    // Where other files pyTivo reads describe a movie (a .nfo, a
    // default.txt, ".meta" files): its file adds only what they lack, or
    // holds the whole template over them.
    OtherFiles otherFiles = OtherFiles::AddWhatTheyLack;
    bool isEpisodeTicked = false;  // the Is Episode box
    std::string seriesTitleText;   // the Series Title field
    MetadataTemplate metadata;     // used for every file
    // Called before each movie with the number done and the movie's path,
    // and once more with every movie done (done == the number of entries)
    // before the summary; false stops the run there (the user cancelled).
    std::function<bool(int done, const std::string& moviePath)> progress;
    // One reading of the folder that the caller made already (else the run
    // reads the folder itself; each sub-folder is read once when its first
    // entry comes up).
    const FolderIndex* listing = nullptr;
    // Each metadata file goes into its folder's ".meta" folder (made when
    // missing), where pyTivo reads it last, instead of beside the movie.
    bool metaFolder = false;
    // When not empty, the run writes only these of the entries (each one
    // of them); the others are planned with them as a run over all of them
    // plans them (with name reading, a show's series ID and spelling come
    // from every file of the run), but their folders are not read, nothing
    // is done for them and the log counts only these.
    std::vector<std::string> writeOnly;
    // Told what became of each movie's metadata file, as the log tells it.
    std::function<void(const FileOutcome&)> outcome;
    // Values of Reelmark's own sources beyond the template and the name (a
    // lookup in an online database): called for each planned movie before
    // its keys are decided against the other files, it adds PlanValueLayers
    // to movie.layers (LibraryPlan.h).
    std::function<void(PlannedMovie& movie)> layOver;
    // The user's edits of single movies (the Library window's), the highest
    // source of their files: the plan takes them in (PlanLibrary with
    // edits), so that an edited show settles with its kind; nullptr: none.
    const PlanEdits* edits = nullptr;
    // Where each file written is recorded with the hash of its bytes, so
    // that a later run can tell it from one somebody changed (nullptr: not
    // recorded).
    WrittenFiles* written = nullptr;
    // The run keeps a journal within these limits (core/files/RunJournal.h),
    // so that it can be undone, under the name runName; none when empty. A
    // journal that cannot be written refuses the run, or stops it.
    std::optional<JournalLimits> undoJournal;
    std::string runName = "Generate";
};

struct GenerateResult {
    // Nothing was touched: see GenerateRefusal, which gives refusal.
    bool refused = false;
    std::string refusal;
    int created = 0;   // written, new or over an old file
    int replaced = 0;  // of those, written over an old file
    // A file was there, the movie's other files left nothing to add, or the
    // movie went before its file was written (kMovieGone).
    int skipped = 0;
    int failed = 0;
    int cancelled = 0;  // movies not started because the run was cancelled
};

// Why a run of the request would be refused, as RunGenerate logs and shows
// it; empty when it would go ahead. plan: the request's PlanLibrary. An
// episode that the run writes (see writeOnly) would carry no series title: without name reading, the Is
// Episode box is ticked and the Series Title empty; with it, an episode's
// name gives no show and its folder no title (a drive root). Or the
// original air date typed for the episode layout is not a date.
std::string GenerateRefusal(const GenerateRequest& request, const LibraryPlan& plan);

// What a run would do for one movie.
struct PlannedWrite {
    std::string moviePath;
    std::string metadataPath;  // beside the movie, or in its folder's ".meta"
    std::string text;          // as written (line feeds; the file has CR LF)
    bool skipped = false;      // a metadata file is there and is not to be replaced
    // The file's keys against the movie's other files (PlannedKeys.h), and
    // what they do (PlanKeysLine, else LayersLine); otherFiles: other files
    // describe it.
    std::vector<PlannedKey> keys;
    bool otherFiles = false;
    std::string plan;
    // Other files give every value: no file is written.
    bool NothingToAdd() const { return otherFiles && AddsNothing(keys); }
};
// The run planned, writing nothing (the same readings of each folder as the
// run makes); refusal as GenerateRefusal gives it.
std::vector<PlannedWrite> PlanGenerate(const GenerateRequest& request, std::string& refusal);

// The reading of the folder's ".meta" folder (folder read as index), where
// pyTivo reads metadata files last; nullptr when it has none, or a link
// of that name.
std::unique_ptr<FolderIndex> ReadMetaFolder(const std::string& folder, const FolderIndex& index);

// Runs the whole command and reports through the log; the caller refreshes
// its view afterwards unless the run was refused. Which metadata files
// exist is read from one listing of the folder (an empty file counts as
// none); a new file is made with a rename that refuses to replace, so a
// file that appears meanwhile is skipped, never overwritten without
// replaceExisting. Where the folder readings show other files that
// describe a movie, they are read (those many movies share once a run)
// and its file is planned against them (PlanAgainst): the log line of its
// file says what it adds, hides or leaves to a file read later, and a
// movie they leave nothing to add to gets no file. A movie that is not in
// its folder's reading any more gets no file (a skip with its reason).
GenerateResult RunGenerate(const GenerateRequest& request, ActivityLog& log);
