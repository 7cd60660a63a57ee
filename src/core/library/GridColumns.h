#pragma once
// The columns of the Library window's grid and the values a row shows in
// them: what a movie's file says (its own file) or will say (the plan),
// the same way for both, so that rows sort and read alike.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/files/FileSnapshot.h"
#include "core/library/NameParser.h"
#include "core/library/PlanEdits.h"

enum class GridColumn {
    State,
    Name,
    Folder,
    Kind,
    Show,
    Season,
    Episode,
    EpisodeTitle,
    Date,
    Description,
    SeriesId,
    Rating,  // the TV rating of an episode, the MPAA rating of a movie
    Stars,
    Genres,
    Actors,
    Sources,   // where the values come from
    Generate,  // what Generate will do
};
constexpr int kGridColumnCount = static_cast<int>(GridColumn::Generate) + 1;

struct GridColumnInfo {
    const char* heading;
    int width;          // at first, in dialog-font pixels
    bool shownAtFirst;  // until the user hides or shows it
    bool numeric;       // sorts by number, aligned right
};
const GridColumnInfo& ColumnInfo(GridColumn column);

// A movie's metadata state, as the movie list colours it.
enum class RowState : std::uint8_t {
    Own,    // its own metadata file beside it
    Other,  // metadata only in other files pyTivo reads
    None,
};
const char* StateText(RowState state);

// The values every row has, from the plan or from its own file.
struct GridValues {
    bool episode = false;
    int season = kNoNumber;
    int number = kNoNumber;
    int lastNumber = kNoNumber;  // a file of several episodes
    std::string show;
    std::string episodeTitle;
    std::string date;  // "YYYY-MM-DD" or a year
    std::string seriesId;
};

// The values many rows share: the template's for planned rows, a file's
// own for the others. Ratings are codes.
struct SharedValues {
    std::string description;
    std::string tvRating;
    std::string mpaaRating;
    std::string starRating;
    std::string genres;  // "Drama, Comedy"
    std::string actors;
};

// A movie's own metadata file as the grid read it.
struct OwnValues {
    GridValues values;
    SharedValues shared;
    FileSnapshot read;
    // Why the file cannot be changed here (unreadable, read-only, too big,
    // NUL bytes, UTF-16); empty when it can.
    std::string problem;
};

// The field a cell of the column edits for a row of that kind; none for
// the columns the user cannot set.
std::optional<EditField> FieldOfColumn(GridColumn column, bool episode);

// The text a cell shows for a value of the field as NormalizeEdit keeps it:
// ratings by their short names ("PG-13", "TV-14", "***").
std::string FieldValueText(EditField field, const std::string& value);

// The values a field takes from a list (the kinds, the ratings), as a cell
// shows them, "" (none) first for a rating; empty for a field of free text.
std::vector<std::string> FieldChoices(EditField field);

// The text of the column for the values (not State, Name, Folder,
// Sources, Generate).
std::string ValueText(GridColumn column, const GridValues& values, const SharedValues& shared);

// The start of a description a cell shows.
constexpr size_t kDescriptionStart = 80;
