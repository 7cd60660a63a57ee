#pragma once
// One movie's metadata file as its editor sees it: the fields pyTivo knows,
// and every other line kept as it stands, in its place. A field the user
// leaves as it was keeps its lines byte for byte, line ends and code page
// included; a changed one is written "key : value" where its first line
// stood (a multi-value key one line per value), a new one at the end, and a
// cleared one loses its lines. Lines written anew take the file's own line
// end (that of its first line; CR LF for a file without one) and its code
// page: UTF-8 in a UTF-8 file, Windows-1252 in a file of that code page
// (the whole file turns UTF-8 when a new character has no place there), and
// the text files' rule in a file of plain ASCII.
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
    // The file's bytes as read (UTF-16 text converted first; a UTF-8
    // byte-order mark stays at the start), or a new file's text.
    explicit MetadataDocument(const std::string& bytes);

    // What the editor shows: the value pyTivo reads (that of the key's last
    // line, without the spaces around it); for a multi-value key every
    // value, one a line; an air date at midnight UTC as "YYYY-MM-DD".
    const std::string& Shown(MetadataField field) const { return shown_[Index(field)]; }
    // The lines that are no field's, one a line (line feeds), in their order.
    std::string OtherLines() const;

    // The user's text for the field, in the form Shown gives (line breaks
    // in a multi-value field part its values; CR LF, CR or LF).
    void Edit(MetadataField field, const std::string& text) { edited_[Index(field)] = text; }

    // The first changed field whose text pyTivo would not take, with a
    // message for the user; an empty message when every one is fine. A value
    // that came from the file is taken as it is.
    std::string Check(MetadataField* field) const;
    // The file's bytes as they are to be written.
    std::string Compose() const;

private:
    struct Line {
        std::string bytes;  // as in the file, without its line end
        std::string end;    // "\r\n", "\n", or empty for a last line without one
        std::string text;   // decoded (UTF-8)
        int owner;          // the field it belongs to, -1 for none
    };
    static int Index(MetadataField field) { return static_cast<int>(field); }
    bool Changed(int field) const;
    // The field's lines as they are written now (UTF-8, line feeds); none
    // for an empty value.
    std::string FieldLines(int field) const;
    // The composed lines' bytes: each kept line as it was, each new one in
    // the file's code page with its line end; with `utf8` a Windows-1252
    // file turns UTF-8 throughout. fits turns false when a new character
    // has no place in the code page.
    std::string ComposeIn(bool utf8, bool& fits) const;

    std::string mark_;  // a UTF-8 byte-order mark the file starts with
    std::vector<Line> lines_;
    std::string end_;   // the file's own line end
    enum class Encoding { Ascii, Utf8, Windows1252 } encoding_;
    std::array<std::string, kMetadataFieldCount> shown_;
    std::array<std::string, kMetadataFieldCount> edited_;
};
