#include "core/MetadataFormat.h"

#include <algorithm>

#include "core/MovieScanner.h"
#include "core/NameParser.h"
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

// The names a movie's lines carry.
struct MovieNames {
    std::string title;
    std::string seriesTitle;
    std::string episodeTitle;
    std::string year = "2012";
    std::string episodeNumber;  // empty: no line
};

MovieNames NamesOf(const MetadataTemplate& metadata, const std::string& moviePath,
                   const std::string& titleOverride)
{
    const std::string title = MovieTitle(moviePath, titleOverride);
    MovieNames names;
    names.title = names.seriesTitle = metadata.movieMode ? title : metadata.seriesTitle;
    if (!metadata.movieMode)
        names.episodeTitle = title;
    if (!metadata.parseNames || !titleOverride.empty())
        return names;
    const ParsedName parsed = ParseMovieName(FileNameOf(moviePath, true));
    if (parsed.kind == ParsedName::Kind::Movie) {
        if (metadata.movieMode)
            names.title = names.seriesTitle = parsed.title;
        else
            names.episodeTitle = parsed.title;
        if (parsed.year != 0)
            names.year = std::to_string(parsed.year);
    } else if (parsed.kind == ParsedName::Kind::Episode) {
        // The template's series title (the folder's) wins over the name's.
        if (names.seriesTitle.empty() || metadata.movieMode)
            names.title = names.seriesTitle = parsed.title.empty() ? title : parsed.title;
        names.episodeTitle = parsed.episodeTitle.empty() ? title : parsed.episodeTitle;
        if (parsed.episode != kNoNumber)
            names.episodeNumber = EpisodeNumberText(parsed.season < 0 ? 0 : parsed.season, parsed.episode);
    }
    return names;
}

}  // namespace

std::string MetadataLine(const std::string& key, const std::string& value)
{
    return Line(key.c_str(), value);
}

std::vector<std::string> GenreList(const std::string& typed)
{
    std::vector<std::string> genres;
    size_t start = 0;
    while (start <= typed.size()) {
        const size_t end = std::min(typed.find(',', start), typed.find(';', start));
        const std::string genre =
            TrimmedOf(typed.substr(start, end == std::string::npos ? end : end - start));
        if (!genre.empty())
            genres.push_back(genre);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return genres;
}

bool IsAirDate(const std::string& typed)
{
    const std::string date = TrimmedOf(typed);
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (date[i] < '0' || date[i] > '9')
            return false;
    }
    const int year = std::stoi(date.substr(0, 4));
    const int month = std::stoi(date.substr(5, 2));
    const int day = std::stoi(date.substr(8, 2));
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return year >= 1000 && month >= 1 && month <= 12 && day >= 1 &&
           day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
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
    const MovieNames names = NamesOf(metadata, moviePath, titleOverride);
    std::string text;
    text += Line("title", names.title);
    text += Line("seriesTitle", names.seriesTitle);
    text += Line("episodeTitle", names.episodeTitle);
    text += Line("seriesId", metadata.seriesId);
    text += Line("movieYear", names.year);
    text += Line("description", metadata.description);
    text += Line("isEpisode", metadata.isEpisode);
    if (metadata.movieMode)
        text += Line("mpaaRating", RatingCode(MpaaRatings(), metadata.mpaaRating));
    else
        text += Line("tvRating", RatingCode(TvRatings(), metadata.tvRating));
    text += Line("starRating", RatingCode(StarRatings(), metadata.starRating));
    if (!names.episodeNumber.empty())
        text += Line("episodeNumber", names.episodeNumber);
    if (!metadata.movieMode && IsAirDate(metadata.originalAirDate))
        text += Line("originalAirDate", TrimmedOf(metadata.originalAirDate) + "T00:00:00Z");
    for (const std::string& genre : GenreList(metadata.genres))
        text += Line("vProgramGenre", genre);
    return text;
}
