#include "core/GenerateRun.h"

#include <memory>

#include "core/ActivityLog.h"
#include "core/FolderIndex.h"
#include "core/FolderWalk.h"
#include "core/MetadataWriter.h"
#include "core/MovieScanner.h"
#include "core/TextFile.h"
#include "core/WorkFolder.h"
#include "platform/Text.h"

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

// The folder that the entries at hand lie in: one reading of it and its
// work folder, made when its first entry comes up (the entries of one
// folder stand together in a list that the walk made).
class EntryFolder {
public:
    EntryFolder(const std::string& folder, const FolderIndex* listing, ActivityLog& log)
        : path_(folder), work_(folder)
    {
        if (!listing)
            own_ = std::make_unique<FolderIndex>(folder);
        index_ = listing ? listing : own_.get();
        work_.RemoveLeftovers(log);
    }
    const std::string& Path() const { return path_; }
    const FolderIndex& Index() const { return *index_; }
    WorkFolder& Work() { return work_; }

private:
    std::string path_;
    std::unique_ptr<FolderIndex> own_;
    const FolderIndex* index_;
    WorkFolder work_;
};

}  // namespace

std::string GenerateRefusal(const GenerateRequest& request, const LibraryPlan& plan)
{
    const PlannedMovie* showless = nullptr;
    for (const PlannedMovie& movie : plan.movies) {
        if (!movie.lines.movieLayout && movie.lines.seriesTitle.empty()) {
            showless = &movie;
            break;
        }
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

GenerateResult RunGenerate(const GenerateRequest& request, ActivityLog& log)
{
    GenerateResult result;
    const int count = static_cast<int>(request.entries.size());
    const LibraryPlan plan = PlanLibrary(request.folder, request.entries, request.metadata);
    const std::string refusal = GenerateRefusal(request, plan);
    if (!refusal.empty()) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error, "%s", refusal.c_str());
        result.refused = true;
        return result;
    }

    log.AddLogEntry("", LogSeverity::Information, "Generating metadata. Processing %d files", count);
    // A drive root comes with its backslash; it must not be doubled.
    const std::string folder = StripTrailingSeparator(request.folder);
    std::unique_ptr<EntryFolder> at = std::make_unique<EntryFolder>(folder, request.listing, log);
    for (int i = 0; i < count; ++i) {
        const std::string& moviePath = plan.movies[i].moviePath;
        if (request.progress && !request.progress(i, moviePath)) {
            result.cancelled = count - i;
            break;
        }
        const auto skip = [&] {
            log.AddLogEntry("", LogSeverity::Information,
                            "File already exists! Skipping metadata file %d of %d: %s.txt", i + 1, count,
                            moviePath.c_str());
            ++result.skipped;
        };
        const std::string relativeFolder = RelativeFolderOf(request.entries[i]);
        const std::string movieFolder =
            relativeFolder.empty() ? folder : folder + kSeparator + relativeFolder;
        if (movieFolder != at->Path()) {
            at.reset();  // its work folder goes before the next one is made
            at = std::make_unique<EntryFolder>(movieFolder, relativeFolder.empty() ? request.listing : nullptr,
                                               log);
        }
        const std::string name = FileNameOf(request.entries[i], true);
        if (!request.replaceExisting && HasMetadata(at->Index(), name)) {
            skip();
            continue;
        }
        log.AddLogEntry("", LogSeverity::Information, "Creating metadata file %d of %d: %s.txt", i + 1, count,
                        moviePath.c_str());
        // What the listing showed is replaced (an empty file counts as none);
        // a new file is made with a rename that refuses to replace, so one
        // that appeared since the listing is skipped, never overwritten.
        const FolderEntry* listed = at->Index().Find(name + ".txt");
        unsigned long error = kErrorAccessDenied;  // a read-only file is the user's way of keeping it
        if ((!listed || !listed->readOnly) &&
            WriteMetadataFile(moviePath, plan.movies[i].text, &error, &at->Work(),
                              listed ? ExistingFile::ReplaceWritable : ExistingFile::Keep)) {
            ++result.created;
            result.replaced += listed ? 1 : 0;
        } else if (!listed && IsNameTaken(error)) {
            skip();
        } else {
            log.AddLogEntry("", LogSeverity::Error, "Could not write metadata file: %s.txt\n%s",
                            moviePath.c_str(), WriteErrorText(MetadataPathOf(moviePath), error).c_str());
            ++result.failed;
        }
    }
    if (request.progress)
        request.progress(count, std::string());
    ReportSummary(result, count, log);
    return result;
}
