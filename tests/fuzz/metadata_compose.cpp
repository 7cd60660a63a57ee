// The metadata text: whatever the user types and whatever a movie or its
// folder is called, every line of the file is one of pyTivo's keys with its
// value, so typed text never becomes a key of its own.
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>

#include "core/library/LibraryPlan.h"
#include "core/metadata/MetadataFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    static const std::set<std::string> keys = {
        "title",         "seriesTitle",     "episodeTitle", "seriesId", "movieYear",
        "description",   "isEpisode",       "mpaaRating",   "tvRating", "starRating",
        "episodeNumber", "originalAirDate", "vProgramGenre"};
    FuzzedDataProvider data(bytes, size);
    MetadataTemplate metadata;
    metadata.seriesTitle = data.ConsumeRandomLengthString(40);
    metadata.seriesId = data.ConsumeRandomLengthString(12);
    metadata.description = data.ConsumeRandomLengthString(80);
    metadata.movieMode = data.ConsumeBool();
    metadata.parseNames = data.ConsumeBool();
    metadata.starRating = data.ConsumeIntegralInRange(-1, 20);
    metadata.mpaaRating = data.ConsumeIntegralInRange(-1, 20);
    metadata.tvRating = data.ConsumeIntegralInRange(-1, 20);
    metadata.genres = data.ConsumeRandomLengthString(40);
    metadata.originalAirDate = data.ConsumeRandomLengthString(12);
    const std::string title = data.ConsumeRandomLengthString(30);
    const std::string path = data.ConsumeRemainingBytesAsString();

    // With name reading the plan composes the file, the name being the
    // entry of a movie folder.
    const std::string text = metadata.parseNames ? PlanLibrary(title, {path}, metadata).movies.front().text
                                                 : ComposeMetadata(metadata, path, title);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos)
            std::abort();  // every line ends with its line feed
        const std::string line = text.substr(start, end - start);
        const size_t colon = line.find(" : ");
        if (colon == std::string::npos || keys.count(line.substr(0, colon)) == 0 ||
            line.find('\r') != std::string::npos)
            std::abort();
        start = end + 1;
    }
    return 0;
}
