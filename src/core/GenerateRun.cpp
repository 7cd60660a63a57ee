#include "core/GenerateRun.h"

#include <windows.h>

#include <memory>

#include "core/ActivityLog.h"
#include "core/FolderIndex.h"
#include "core/MetadataWriter.h"
#include "core/MovieScanner.h"
#include "core/NameParser.h"
#include "core/TextFile.h"
#include "core/WorkFolder.h"

namespace {

const char kCreationErrorCaption[] = "Movie Meta Files Creation Error!";

void ReportSummary(const GenerateResult& result, int count, ActivityLog& log)
{
    if (result.cancelled > 0) {
        log.AddLogEntry("Create Meta Files Cancelled", LogSeverity::Information,
                        "%d Metadata Files Created - %d skipped - %d failed - %d cancelled", result.created,
                        result.skipped, result.failed, result.cancelled);
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

// Every movie's name gives its show's name, so an episode run needs no
// series title of its own.
bool EveryNameGivesShow(const GenerateRequest& request)
{
    if (!request.metadata.parseNames || request.entries.empty())
        return false;
    for (const std::string& entry : request.entries) {
        const ParsedName parsed = ParseMovieName(FileNameOf(entry, true));
        if (parsed.kind != ParsedName::Kind::Episode || parsed.title.empty())
            return false;
    }
    return true;
}

}  // namespace

GenerateResult RunGenerate(const GenerateRequest& request, ActivityLog& log)
{
    GenerateResult result;
    const int count = static_cast<int>(request.entries.size());
    if (request.isEpisodeTicked && request.seriesTitleText.empty() && !EveryNameGivesShow(request)) {
        log.AddLogEntry(
            kCreationErrorCaption, LogSeverity::Error,
            "The \"Is Episode\" flag is checked. You must use a sub folder\n for these movies or turn "
            "this flag off to continue.\n\nNote: if you turn the \"Is Episode\" flag off the "
            "movies\nwill be pushed or pulled as individual movie files to TiVo.");
        result.refused = true;
        return result;
    }
    // A date the files would carry wrongly is not written at all.
    const std::string& airDate = request.metadata.originalAirDate;
    if (!request.metadata.movieMode && airDate.find_first_not_of(' ') != std::string::npos &&
        !IsAirDate(airDate)) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error,
                        "The original air date \"%s\" is not a date.\nType it as YYYY-MM-DD, for example "
                        "2012-03-31, or leave it empty.",
                        airDate.c_str());
        result.refused = true;
        return result;
    }

    log.AddLogEntry("", LogSeverity::Information, "Generating metadata. Processing %d files", count);
    // A drive root comes with its backslash; it must not be doubled.
    const std::string folder = StripTrailingSeparator(request.folder);
    const std::unique_ptr<FolderIndex> own =
        request.listing ? nullptr : std::make_unique<FolderIndex>(folder);
    const FolderIndex& existing = request.listing ? *request.listing : *own;
    WorkFolder work(folder);
    work.RemoveLeftovers();
    for (int i = 0; i < count; ++i) {
        const std::string moviePath = folder + "\\" + request.entries[i];
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
        if (!request.replaceExisting && HasMetadata(existing, request.entries[i])) {
            skip();
            continue;
        }
        log.AddLogEntry("", LogSeverity::Information, "Creating metadata file %d of %d: %s.txt", i + 1, count,
                        moviePath.c_str());
        // What the listing showed is replaced (an empty file counts as none);
        // a new file is made with a rename that refuses to replace, so one
        // that appeared since the listing is skipped, never overwritten.
        const FolderEntry* listed = existing.Find(request.entries[i] + ".txt");
        unsigned long error = ERROR_ACCESS_DENIED;  // a read-only file is the user's way of keeping it
        if ((!listed || !listed->readOnly) &&
            WriteMetadataFile(moviePath, ComposeMetadata(request.metadata, moviePath, std::string()), &error,
                              &work, listed ? ExistingFile::ReplaceWritable : ExistingFile::Keep)) {
            ++result.created;
        } else if (!listed && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)) {
            skip();
        } else {
            log.AddLogEntry("", LogSeverity::Error, "Could not write metadata file: %s.txt\n%s",
                            moviePath.c_str(), SystemErrorText(error).c_str());
            ++result.failed;
        }
    }
    if (request.progress)
        request.progress(count, std::string());
    ReportSummary(result, count, log);
    return result;
}
