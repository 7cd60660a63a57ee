#pragma once
// One movie's metadata file as its editor sees it: the fields pyTivo knows,
// and every other line kept as it stands, in its place. A field the user
// leaves as it was keeps its lines byte for byte; a changed one is written
// "key : value" where its first line stood (a multi-value key one line per
// value), a new one at the end, and a cleared one loses its lines.
#include <array>
#include <string>
#include <vector>

#include "core/metadata/MetadataFormat.h"

// The keys the editor shows, in the order new lines are added.
enum class MetadataField {
    Title,
    SeriesTitle,
    EpisodeTitle,
    EpisodeNumber,
    OriginalAirDate,
    MovieYear,
    Description,
    IsEpisode,
    SeriesId,
    TvRating,
    MpaaRating,
    StarRating,
    ProgramGenre,
    Actor,
    Director,
};
constexpr int kMetadataFieldCount = static_cast<int>(MetadataField::Director) + 1;

// The position of a rating code in its table; -1 when the table has no such
// code (an empty one included).
int RatingPosition(const RatingTable& table, const std::string& code);

class MetadataDocument {
public:
    // The file's lines, decoded, without their line ends.
    explicit MetadataDocument(std::vector<std::string> lines);
    // A composed text (line feeds), such as the template's for a movie.
    static MetadataDocument FromText(const std::string& text);

    // What the editor shows: the value pyTivo reads (that of the key's last
    // line, without the spaces around it); for a multi-value key every
    // value, one a line; an air date at midnight UTC as "YYYY-MM-DD".
    const std::string& Shown(MetadataField field) const { return shown_[Index(field)]; }
    // The lines that are no field's, one a line, in their order.
    std::string OtherLines() const;

    // The user's text for the field, in the form Shown gives (line breaks
    // in a multi-value field part its values; CR LF, CR or LF).
    void Edit(MetadataField field, const std::string& text) { edited_[Index(field)] = text; }

    // The first changed field whose text pyTivo would not take, with a
    // message for the user; an empty message when every one is fine. A value
    // that came from the file is taken as it is.
    std::string Check(MetadataField* field) const;
    // The file's text with line feeds (the writer makes them CR LF).
    std::string Compose() const;

private:
    static int Index(MetadataField field) { return static_cast<int>(field); }
    bool Changed(int field) const;
    // The field's lines as they are written now; none for an empty value.
    std::string FieldLines(int field) const;

    std::vector<std::string> lines_;
    std::vector<int> owner_;  // per line: the field it belongs to, -1 for none
    std::array<std::string, kMetadataFieldCount> shown_;
    std::array<std::string, kMetadataFieldCount> edited_;
};
