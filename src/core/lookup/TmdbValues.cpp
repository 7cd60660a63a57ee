#include "core/lookup/TmdbValues.h"

#include <algorithm>
#include <cmath>

#include "core/metadata/MetadataFormat.h"
#include "core/pytivo/PyTivoRatings.h"
#include "platform/Text.h"

const char kTmdbSource[] = "TMDB";

namespace {

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return text;
}

void PutText(PyTivoValues& values, const char* key, const std::string& text)
{
    const std::string line = OneLineText(text);
    if (!line.empty())
        values[key] = TextValue(line, kTmdbSource);
}

void PutList(PyTivoValues& values, const char* key, const std::vector<std::string>& texts, bool people)
{
    PyTivoValue value;
    value.kind = PyTivoValue::Kind::List;
    value.source = kTmdbSource;
    for (const std::string& text : texts) {
        const std::string item = people ? TiVoPersonName(text) : OneLineText(text);
        if (!item.empty() && item != "|" && value.items.size() < kMostNames)
            value.items.push_back({item, kTmdbSource});
    }
    if (!value.items.empty())
        values[key] = value;
}

void PutGenres(PyTivoValues& values, const std::vector<std::string>& genres)
{
    PutList(values, "vProgramGenre", genres, false);
    PutList(values, "vSeriesGenre", genres, false);
}

// The code the template writes for the rating TMDB gives ("TV-14" is
// "x5", "PG-13" is "P3"); nothing for a text pyTivo's table does not know.
void PutRating(PyTivoValues& values, PyTivoRating rating, const std::string& text)
{
    const std::optional<int> number = RatingTableNumber(rating, UpperAscii(OneLineText(text)));
    if (!number)
        return;
    std::string code = "x" + std::to_string(*number);
    if (rating == PyTivoRating::Mpaa) {
        code.clear();
        for (const std::string& candidate : MpaaRatings().codes) {
            if (RatingTableNumber(rating, candidate) == number)
                code = candidate;
        }
    }
    if (!code.empty())
        values[RatingKey(rating)] = TextValue(code, kTmdbSource);
}

void PutStars(PyTivoValues& values, double voteAverage, int voteCount)
{
    if (voteCount > 0)
        values[RatingKey(PyTivoRating::Star)] = TextValue(StarRatingCode(voteAverage), kTmdbSource);
}

std::string AirDateText(const std::string& date)
{
    const std::string day = OneLineText(date);
    if (day.size() != 10 || YearOfDate(day) == 0 || day[4] != '-' || day[7] != '-' ||
        !IsAllDigits(day.substr(5, 2)) || !IsAllDigits(day.substr(8, 2)))
        return std::string();
    return day + "T00:00:00Z";
}

bool IsNameSuffix(const std::string& word)
{
    for (const char* suffix : {"Jr.", "Jr", "Sr.", "Sr", "II", "III", "IV"}) {
        if (word == suffix)
            return true;
    }
    return false;
}

}  // namespace

std::string OneLineText(const std::string& text)
{
    std::string line;
    bool space = false;
    for (const char c : text) {
        const bool blank = static_cast<unsigned char>(c) < 0x20 || c == ' ' || c == 0x7F;
        if (blank) {
            space = !line.empty();
            continue;
        }
        if (space)
            line += ' ';
        space = false;
        line += c;
    }
    return line;
}

std::string TiVoPersonName(const std::string& name)
{
    std::string plain = OneLineText(name);
    for (char& c : plain)
        c = c == '|' ? ' ' : c;
    plain = OneLineText(plain);
    std::vector<std::string> words;
    size_t start = 0;
    while (start < plain.size()) {
        const size_t end = std::min(plain.find(' ', start), plain.size());
        words.push_back(plain.substr(start, end - start));
        start = end + 1;
    }
    if (words.empty())
        return std::string();
    // "Robert Downey Jr.": the suffix stays with the last name.
    size_t last = words.size() - 1;
    if (last >= 2 && IsNameSuffix(words[last]))
        --last;
    // "Sammy Davis, Jr.": the comma before the suffix goes.
    if (last + 1 < words.size() && words[last].size() > 1 && words[last].back() == ',')
        words[last].pop_back();
    std::string first;
    for (size_t i = 0; i < last; ++i)
        first += (i ? " " : "") + words[i];
    std::string family;
    for (size_t i = last; i < words.size(); ++i)
        family += (i > last ? " " : "") + words[i];
    return family + "|" + first;
}

std::string StarRatingCode(double voteAverage)
{
    // pyTivo's .nfo reading: int(rating * 6 / 10 + 1.5), 0-10 into 1-7.
    const double rating = std::isfinite(voteAverage) ? std::min(std::max(voteAverage, 0.0), 10.0) : 0.0;
    return "x" + std::to_string(static_cast<int>(std::trunc(rating * 6 / 10 + 1.5)));
}

PyTivoValues EpisodeValues(const TmdbShow& show, const std::vector<const TmdbEpisode*>& episodes)
{
    PyTivoValues values;
    PutText(values, "title", show.name);
    PutText(values, "seriesTitle", show.name);
    std::vector<std::string> names;
    std::vector<std::string> guests;
    for (const TmdbEpisode* episode : episodes) {
        const std::string name = OneLineText(episode->name);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        guests.insert(guests.end(), episode->guestStars.begin(), episode->guestStars.end());
    }
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : " / ") + name;
    PutText(values, "episodeTitle", joined);
    const TmdbEpisode* first = episodes.empty() ? nullptr : episodes.front();
    const std::string overview = first ? OneLineText(first->overview) : std::string();
    PutText(values, "description", overview.empty() ? show.overview : overview);
    if (first)
        PutText(values, "originalAirDate", AirDateText(first->airDate));
    PutList(values, "vActor", show.cast, true);
    PutList(values, "vGuestStar", guests, true);
    if (first) {
        PutList(values, "vDirector", first->directors, true);
        PutList(values, "vWriter", first->writers, true);
    }
    PutGenres(values, show.genres);
    PutRating(values, PyTivoRating::Tv, show.usRating);
    if (first && first->voteCount > 0)
        PutStars(values, first->voteAverage, first->voteCount);
    else
        PutStars(values, show.voteAverage, show.voteCount);
    return values;
}

PyTivoValues MovieValues(const TmdbMovie& movie)
{
    PyTivoValues values;
    PutText(values, "title", movie.title);
    PutText(values, "seriesTitle", movie.title);
    PutText(values, "description", movie.overview);
    const int year = YearOfDate(movie.releaseDate);
    if (year > 0)
        values["movieYear"] = TextValue(std::to_string(year), kTmdbSource);
    PutList(values, "vActor", movie.cast, true);
    PutList(values, "vDirector", movie.directors, true);
    PutList(values, "vWriter", movie.writers, true);
    PutGenres(values, movie.genres);
    PutRating(values, PyTivoRating::Mpaa, movie.usCertification);
    PutStars(values, movie.voteAverage, movie.voteCount);
    return values;
}
