#include "core/metadata/MetadataFormat.h"

#include <algorithm>

#include "core/metadata/CalendarDate.h"
#include "platform/Paths.h"
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

std::string AirDateOf(const std::string& typed)
{
    const std::string date = TrimmedOf(typed);
    const size_t first = date.find('-');
    const size_t second = first == std::string::npos ? first : date.find('-', first + 1);
    if (first != 4 || second == std::string::npos)
        return std::string();
    const std::string parts[] = {date.substr(0, 4), date.substr(5, second - 5), date.substr(second + 1)};
    for (const std::string& part : parts) {
        if (part.empty() || part.size() > 4 || !IsAllDigits(part))
            return std::string();
    }
    if (parts[1].size() > 2 || parts[2].size() > 2)
        return std::string();
    const int year = std::stoi(parts[0]);
    const int month = std::stoi(parts[1]);
    const int day = std::stoi(parts[2]);
    if (year < 1000 || !IsCalendarDate(year, month, day))
        return std::string();
    return FormatText("%04d-%02d-%02d", year, month, day);
}

bool IsAirDate(const std::string& typed)
{
    return !AirDateOf(typed).empty();
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
    // A whole item, or its name before " - ", wins over a longer one that
    // merely starts so ("TV-Y" is not "TV-Y7 - Older Children").
    const auto same = [](const std::string& a, const std::string& b) {
        return a.size() == b.size() && StartsWithIgnoringAsciiCase(a, b);
    };
    for (size_t i = 0; i < items.size(); ++i) {
        if (same(items[i], storedText) || same(items[i].substr(0, items[i].find(" - ")), storedText))
            return static_cast<int>(i);
    }
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

MovieLines TemplateLines(const MetadataTemplate& metadata, const std::string& moviePath,
                         const std::string& titleOverride)
{
    const std::string title = MovieTitle(moviePath, titleOverride);
    MovieLines lines;
    lines.movieLayout = metadata.movieMode;
    lines.isEpisode = metadata.isEpisode;
    lines.title = lines.seriesTitle = metadata.movieMode ? title : metadata.seriesTitle;
    lines.seriesId = metadata.seriesId;
    if (!metadata.movieMode) {
        lines.episodeTitle = title;
        lines.originalAirDate = metadata.originalAirDate;
    }
    return lines;
}

std::string MetadataText(const std::vector<MetadataKeyLine>& lines)
{
    std::string text;
    for (const MetadataKeyLine& line : lines)
        text += Line(line.key.c_str(), line.value);
    return text;
}

std::vector<MetadataKeyLine> ComposeMetadataLines(const MetadataTemplate& metadata, const MovieLines& movie)
{
    const bool airDate = !movie.movieLayout && IsAirDate(movie.originalAirDate);
    std::vector<MetadataKeyLine> lines = {
        {"title", movie.title},
        {"seriesTitle", movie.seriesTitle},
        {"episodeTitle", movie.episodeTitle},
        {"seriesId", movie.seriesId},
    };
    if (!airDate)
        lines.push_back({"movieYear", movie.year});
    lines.push_back({"description", metadata.description});
    lines.push_back({"isEpisode", movie.isEpisode});
    if (movie.movieLayout)
        lines.push_back({"mpaaRating", RatingCode(MpaaRatings(), metadata.mpaaRating)});
    else
        lines.push_back({"tvRating", RatingCode(TvRatings(), metadata.tvRating)});
    lines.push_back({"starRating", RatingCode(StarRatings(), metadata.starRating)});
    if (!movie.episodeNumber.empty())
        lines.push_back({"episodeNumber", movie.episodeNumber});
    if (airDate)
        lines.push_back({"originalAirDate", AirDateOf(movie.originalAirDate) + "T00:00:00Z"});
    for (const std::string& genre : GenreList(metadata.genres))
        lines.push_back({"vProgramGenre", genre});
    return lines;
}

std::string ComposeMetadata(const MetadataTemplate& metadata, const MovieLines& movie)
{
    return MetadataText(ComposeMetadataLines(metadata, movie));
}

std::string ComposeMetadata(const MetadataTemplate& metadata, const std::string& moviePath,
                            const std::string& titleOverride)
{
    return ComposeMetadata(metadata, TemplateLines(metadata, moviePath, titleOverride));
}
