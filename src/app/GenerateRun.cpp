#include "app/GenerateRun.h"

#include "app/MetadataWriter.h"
#include "browse/ActivityLog.h"
#include "browse/MovieScanner.h"
#include "browse/TextFile.h"
#include "browse/WorkFolder.h"

namespace {

const char kCreationErrorCaption[] = "Movie Meta Files Creation Error!";

void ReportSummary(const GenerateResult& result, int count, ActivityLog& log)
{
    if (count < 1) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error, "There are no movie files in the list.");
    } else if (result.failed > 0) {
        log.AddLogEntry(kCreationErrorCaption, LogSeverity::Error,
                        "%d Metadata Files Created - %d skipped - %d failed!", result.created, result.skipped,
                        result.failed);
    } else if (result.created > 0) {
        log.AddLogEntry("Create Meta Files Success", LogSeverity::Information,
                        "%d Metadata Files Created - %d skipped!", result.created, count - result.created);
    } else {
        log.AddLogEntry("Existing Metadata Files Not Overwritten", LogSeverity::Information,
                        "All %d Metadata Files skipped!!", count);
    }
}

}  // namespace

GenerateResult RunGenerate(const GenerateRequest& request, ActivityLog& log)
{
    GenerateResult result;
    const int count = static_cast<int>(request.entries.size());
    if (request.isEpisodeTicked && request.seriesTitleText.empty()) {
        log.AddLogEntry(
            kCreationErrorCaption, LogSeverity::Error,
            "The \"Is Episode\" flag is checked. You must use a sub folder\n for these movies or turn "
            "this flag off to continue.\n\nNote: if you turn the \"Is Episode\" flag off the "
            "movies\nwill be pushed or pulled as individual movie files to TiVo.");
        result.refused = true;
        return result;
    }

    log.AddLogEntry("", LogSeverity::Information, "Generating metadata. Processing %d files", count);
    // A drive root comes with its backslash; it must not be doubled.
    const std::string folder = StripTrailingSeparator(request.folder);
    WorkFolder work(folder);
    work.RemoveLeftovers();
    for (int i = 0; i < count; ++i) {
        const std::string moviePath = folder + "\\" + request.entries[i];
        if (!request.replaceExisting && FileExists(MetadataPathOf(moviePath))) {
            log.AddLogEntry("", LogSeverity::Information,
                            "File already exists! Skipping metadata file %d of %d: %s.txt", i + 1, count,
                            moviePath.c_str());
            ++result.skipped;
            continue;
        }
        log.AddLogEntry("", LogSeverity::Information, "Creating metadata file %d of %d: %s.txt", i + 1, count,
                        moviePath.c_str());
        const MetadataTemplate metadata =
            request.templateForNextFile ? request.templateForNextFile() : request.metadata;
        unsigned long error = 0;
        if (WriteMetadataFile(moviePath, ComposeMetadata(metadata, moviePath, std::string()), &error,
                              &work)) {
            ++result.created;
        } else {
            log.AddLogEntry("", LogSeverity::Error, "Could not write metadata file: %s.txt\n%s",
                            moviePath.c_str(), SystemErrorText(error).c_str());
            ++result.failed;
        }
    }
    ReportSummary(result, count, log);
    return result;
}
