#include "core/MetadataFormat.h"

#include "core/MovieScanner.h"
#include "platform/Text.h"

namespace {

// pyTivo reads a line that holds a colon as a key of its own: a value
// keeps to its line, each line break (CR LF, CR or LF) becoming one space.
std::string Line(const char* key, const std::string& value)
{
    std::string line = std::string(key) + " : ";
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue;
        line += value[i] == '\r' || value[i] == '\n' ? ' ' : value[i];
    }
    return line + "\n";
}

}  // namespace

std::string MetadataLine(const std::string& key, const std::string& value)
{
    return Line(key.c_str(), value);
}

const RatingTable& StarRatings()
{
    // The codes skip the even numbers.
    static const RatingTable table = {
        {"1 (*) star", "2 (**) stars", "3 (***) stars", "4 (****) stars"},
        {"x1", "x3", "x5", "x7"},
    };
    return table;
}

const RatingTable& MpaaRatings()
{
    // There is no N7: NC-17 is N6 and Not Rated N8.
    static const RatingTable table = {
        {"G - General Audiences", "PG - Parental Guidance", "PG-13 - Parents Strongly Cautioned",
         "R - Restricted, < 17 Req Parent", "X (Hard Core Sex)", "NC-17 - No One 17", "NR - Not Rated"},
        {"G1", "P2", "P3", "R4", "X5", "N6", "N8"},
    };
    return table;
}

const RatingTable& TvRatings()
{
    // "TV-14" carries a trailing space in its item text; stored settings
    // hold it that way.
    static const RatingTable table = {
        {"No Rating - Not Rated", "TV-Y7 - Older Children", "TV-Y - All Children", "TV-G - General Audiences",
         "TV-PG - Parental Guidance", "TV-14 - Parents Strongly Cautioned ", "TV-MA - Mature Audiences",
         "TV-NR - Not Rated"},
        {"x0", "x1", "x2", "x3", "x4", "x5", "x6", "x7"},
    };
    return table;
}

const std::vector<std::string>& SeriesTypeItems()
{
    static const std::vector<std::string> items = {"SH general TV shows", "MV movies", "SP sports",
                                                   "TS Tivocast content"};
    return items;
}

std::string RatingCode(const RatingTable& table, int position)
{
    if (position < 0 || static_cast<size_t>(position) >= table.codes.size())
        return std::string();
    return table.codes[position];
}

int FindComboItem(const std::vector<std::string>& items, const std::string& storedText)
{
    if (storedText.empty())
        return -1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (StartsWithIgnoringAsciiCase(items[i], storedText))
            return static_cast<int>(i);
    }
    return -1;
}

std::string MovieTitle(const std::string& moviePath, const std::string& titleOverride)
{
    return titleOverride.empty() ? FileNameOf(moviePath, false) : titleOverride;
}

std::string ComposeMetadata(const MetadataTemplate& metadata, const std::string& moviePath,
                            const std::string& titleOverride)
{
    const std::string title = MovieTitle(moviePath, titleOverride);
    std::string text;
    if (metadata.movieMode) {
        text += Line("title", title);
        text += Line("seriesTitle", title);
        text += Line("episodeTitle", "");
    } else {
        text += Line("title", metadata.seriesTitle);
        text += Line("seriesTitle", metadata.seriesTitle);
        text += Line("episodeTitle", title);
    }
    text += Line("seriesId", metadata.seriesId);
    text += Line("movieYear", "2012");
    text += Line("description", metadata.description);
    text += Line("isEpisode", metadata.isEpisode);
    if (metadata.movieMode)
        text += Line("mpaaRating", RatingCode(MpaaRatings(), metadata.mpaaRating));
    else
        text += Line("tvRating", RatingCode(TvRatings(), metadata.tvRating));
    text += Line("starRating", RatingCode(StarRatings(), metadata.starRating));
    return text;
}
