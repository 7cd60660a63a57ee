#include "core/library/GridOwnFiles.h"

#include "core/files/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace {

// The values of a multi-value field, as the grid shows a list.
std::string ListOf(const std::string& shown)
{
    std::string list;
    size_t start = 0;
    while (start < shown.size()) {
        const size_t end = std::min(shown.find('\n', start), shown.size());
        list += (list.empty() ? "" : ", ") + shown.substr(start, end - start);
        start = end + 1;
    }
    return list;
}

// As much of a description as the grid keeps: it shows the start alone,
// and a write reads the file again.
constexpr size_t kDescriptionKept = 2 * kDescriptionStart;

}  // namespace

void TakeOwnValues(const MetadataDocument& document, OwnValues& own)
{
    using F = MetadataField;
    GridValues& values = own.values;
    // pyTivo takes a movie for an episode unless a file says otherwise.
    values.episode = document.Shown(F::IsEpisode) != "false";
    SplitEpisodeNumber(document.Shown(F::EpisodeNumber), values.season, values.number);
    values.show = document.Shown(F::SeriesTitle).empty() ? document.Shown(F::Title) : document.Shown(F::SeriesTitle);
    values.episodeTitle = document.Shown(F::EpisodeTitle);
    const std::string day = AirDateOf(document.Shown(F::OriginalAirDate).substr(0, 10));
    values.date = !day.empty() ? day : document.Shown(F::MovieYear);
    values.seriesId = document.Shown(F::SeriesId);
    SharedValues& shared = own.shared;
    shared.description = document.Shown(F::Description).substr(0, kDescriptionKept);
    shared.tvRating = document.Shown(F::TvRating);
    shared.mpaaRating = document.Shown(F::MpaaRating);
    shared.starRating = document.Shown(F::StarRating);
    shared.genres = ListOf(document.Shown(F::ProgramGenre));
    shared.actors = ListOf(document.Shown(F::Actor));
}

OwnValues ReadOwnValues(const std::string& path)
{
    OwnValues own;
    const PathInfo info = InspectPath(path);
    if (info.isFolder) {
        own.problem = "It is a folder, not a file.";
        return own;
    }
    if (info.exists && info.size > kEditableMetadataBytes) {
        own.problem = FormatText("It is too big for a metadata file (%llu bytes).", info.size);
        return own;
    }
    std::string bytes;
    SystemError error = 0;
    if (!ReadSnapshot(path, own.read, &bytes, error)) {
        own.problem = "It cannot be read: " + TrimmedOf(SystemErrorText(error), " \r\n");
        return own;
    }
    if (!own.read.exists) {
        own.problem = "It is not there any more.";
        return own;
    }
    if (IsUtf16Text(bytes)) {
        own.problem = "It holds UTF-16 text, which pyTivo cannot read (Edit Selected Meta Text can turn it).";
        bytes = FromUtf16Text(bytes);
    } else if (bytes.find('\0') != std::string::npos) {
        own.problem = "It holds NUL bytes.";
        return own;
    } else if (info.readOnly) {
        own.problem = "It is read-only.";
    }
    TakeOwnValues(MetadataDocument(bytes), own);
    return own;
}
