#pragma once
// The metadata text file that pyTivo reads beside each movie file: the
// template it is composed from, the combo box items of the template and
// the rating codes they stand for.
#include <string>
#include <vector>

// The items of a rating combo box in their fixed order, and the code
// written for each position.
struct RatingTable {
    std::vector<std::string> items;
    std::vector<std::string> codes;
};

const RatingTable& StarRatings();
const RatingTable& MpaaRatings();
const RatingTable& TvRatings();

// The Series Type items in the order they are added to their combo box.
const std::vector<std::string>& SeriesTypeItems();

// The code for a selection position; empty for no selection (-1) or a
// position outside the table.
std::string RatingCode(const RatingTable& table, int position);

// Index of the item that storedText names, compared without regard to
// case: the item itself, or its name before " - " ("TV-Y"), else the first
// item that begins with it ("TV-1"); -1 when none does (an empty text
// selects nothing).
int FindComboItem(const std::vector<std::string>& items, const std::string& storedText);

// What every metadata file of a run shares. The rating fields are the
// selection positions in their tables, -1 for none.
struct MetadataTemplate {
    std::string seriesTitle;
    std::string seriesId;
    std::string description;
    std::string isEpisode = "false";  // "true" or "false", written as is
    bool movieMode = true;            // movie layout when set, episode layout when clear
    int starRating = -1;
    int mpaaRating = -1;
    int tvRating = -1;
    // Genres as typed: several separated by commas or semicolons.
    std::string genres;
    // The original air date as typed (YYYY-MM-DD); the episode layout only.
    std::string originalAirDate;
    // Generate judges each movie by its name and folders
    // (core/LibraryPlan.h); the template's own text below does not.
    bool parseNames = false;
};

// What one file's lines say of its own movie; the template gives what
// every file shares (description, ratings, genres).
struct MovieLines {
    bool movieLayout = true;  // else the episode layout (tvRating, air date)
    std::string isEpisode = "false";
    std::string title;
    std::string seriesTitle;
    std::string episodeTitle;
    std::string seriesId;
    std::string year = "2012";
    std::string episodeNumber;    // empty: no line
    std::string originalAirDate;  // YYYY-MM-DD, written in the episode layout when it is a date
};

// The genres of the typed text, trimmed, empty ones left out.
std::vector<std::string> GenreList(const std::string& typed);

// The typed text (spaces around it aside) as YYYY-MM-DD when it is a real
// calendar date written year-month-day, the month and day with one digit
// or two ("2012-3-4" gives "2012-03-04"); empty otherwise.
std::string AirDateOf(const std::string& typed);
// Whether AirDateOf gives a date.
bool IsAirDate(const std::string& typed);

// The movie's title: titleOverride when given, else the movie path's file
// name without its extension.
std::string MovieTitle(const std::string& moviePath, const std::string& titleOverride);

// One line of a metadata file, "key : value" and its line feed: a line
// break in the value is written as a space, so the value keeps to its line.
std::string MetadataLine(const std::string& key, const std::string& value);

// One line of a metadata file: a key pyTivo reads and its value.
struct MetadataKeyLine {
    std::string key;
    std::string value;
};
// The text of the lines, each "key : value" (MetadataLine).
std::string MetadataText(const std::vector<MetadataKeyLine>& lines);

// The template's lines for one movie, its names as they stand: the movie
// layout carries the movie title as title and series title and an empty
// episode title; the episode layout carries the template's series title,
// the movie title as episode title and the template's air date.
MovieLines TemplateLines(const MetadataTemplate& metadata, const std::string& moviePath,
                         const std::string& titleOverride);

// The lines of the metadata file for one movie. Nine lines, then optional
// lines only when they have a value, so a template without them gives the
// nine lines alone: episodeNumber, originalAirDate (episode layout, a valid
// date, as YYYY-MM-DDT00:00:00Z) and one vProgramGenre line per genre. The
// movie layout carries the MPAA rating, the episode layout the TV rating. A
// rating without a selection is written with an empty value, so the file
// never claims a rating the user did not choose. A file that carries an air
// date has no movieYear line: pyTivo's template sends the TiVo movieYear
// instead of originalAirDate whenever it has one.
std::vector<MetadataKeyLine> ComposeMetadataLines(const MetadataTemplate& metadata, const MovieLines& movie);

// The metadata text for one movie: the text of its ComposeMetadataLines,
// each line "key : value" ended by a line feed; a line break in a value is
// written as a space.
std::string ComposeMetadata(const MetadataTemplate& metadata, const MovieLines& movie);

// The template's text for one movie: ComposeMetadata of its TemplateLines.
std::string ComposeMetadata(const MetadataTemplate& metadata, const std::string& moviePath,
                            const std::string& titleOverride);
