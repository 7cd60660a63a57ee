#include "core/lookup/TmdbAnswers.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <set>

using nlohmann::json;

namespace {

// The document when it is a JSON object; false with why otherwise.
bool ParseObject(const std::string& body, json& document, std::string& why)
{
    try {
        document = json::parse(body);
    } catch (const json::exception& error) {
        // "[json.exception.parse_error.101] parse error at line 1, ..." without its tag.
        std::string words = error.what();
        const size_t tag = words.find("] ");
        why = "the answer is no JSON (" + (tag == std::string::npos ? words : words.substr(tag + 2)) + ")";
        return false;
    }
    if (!document.is_object()) {
        why = "the answer is no JSON object";
        return false;
    }
    return true;
}

const json* Field(const json& object, const char* name)
{
    if (!object.is_object())
        return nullptr;
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

std::string Text(const json& object, const char* name)
{
    const json* field = Field(object, name);
    return field && field->is_string() ? field->get<std::string>() : std::string();
}

long long Integer(const json& object, const char* name)
{
    const json* field = Field(object, name);
    if (field && field->is_number_integer())
        return field->is_number_unsigned() && field->get<unsigned long long>() > 0x7FFFFFFFFFFFFFFFull
                   ? 0
                   : field->get<long long>();
    return 0;
}

int SmallInteger(const json& object, const char* name)
{
    const long long value = Integer(object, name);
    return value < -1000000 || value > 1000000 ? 0 : static_cast<int>(value);
}

double Number(const json& object, const char* name)
{
    const json* field = Field(object, name);
    const double value = field && field->is_number() ? field->get<double>() : 0.0;
    return std::isfinite(value) ? value : 0.0;
}

const json& List(const json& object, const char* name)
{
    static const json empty = json::array();
    const json* field = Field(object, name);
    return field && field->is_array() ? *field : empty;
}

// Names of people in the order of their "order" field (billing), each once.
std::vector<std::string> BilledNames(const json& people)
{
    struct Billed {
        long long order;
        size_t position;
        std::string name;
    };
    std::vector<Billed> billed;
    for (const json& person : people) {
        const std::string name = Text(person, "name");
        const json* order = Field(person, "order");
        if (!name.empty())
            billed.push_back({order && order->is_number_integer() ? Integer(person, "order") : 1000000000,
                              billed.size(), name});
    }
    std::stable_sort(billed.begin(), billed.end(),
                     [](const Billed& a, const Billed& b) { return a.order < b.order; });
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const Billed& person : billed) {
        if (seen.insert(person.name).second)
            names.push_back(person.name);
    }
    return names;
}

// The crew's names of one job ("Director"), or of one department ("Writing").
std::vector<std::string> CrewNames(const json& crew, const char* field, const char* value)
{
    std::vector<std::string> names;
    for (const json& person : crew) {
        const std::string name = Text(person, "name");
        if (!name.empty() && Text(person, field) == value &&
            std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

std::vector<std::string> GenreNames(const json& genres)
{
    std::vector<std::string> names;
    for (const json& genre : genres) {
        const std::string name = Text(genre, "name");
        if (!name.empty())
            names.push_back(name);
    }
    return names;
}

const json& Credits(const json& document)
{
    static const json none = json::object();
    const json* credits = Field(document, "credits");
    return credits && credits->is_object() ? *credits : none;
}

// The entries of an appended answer's "results" for the country.
std::vector<const json*> CountryEntries(const json& document, const char* appended, const char* country)
{
    std::vector<const json*> entries;
    const json* part = Field(document, appended);
    if (!part)
        return entries;
    for (const json& entry : List(*part, "results")) {
        if (Text(entry, "iso_3166_1") == country)
            entries.push_back(&entry);
    }
    return entries;
}

// The US certification: of the theatrical release first, then of the
// others in the order a viewer meets them.
std::string UsCertification(const json& document)
{
    static const long long preference[] = {3, 2, 4, 5, 6, 1};
    for (const long long type : preference) {
        for (const json* country : CountryEntries(document, "release_dates", "US")) {
            for (const json& release : List(*country, "release_dates")) {
                const std::string certification = Text(release, "certification");
                if (Integer(release, "type") == type && !certification.empty())
                    return certification;
            }
        }
    }
    return std::string();
}

TmdbEpisode EpisodeOf(const json& entry, int season)
{
    TmdbEpisode episode;
    const json* number = Field(entry, "season_number");
    episode.season = number && number->is_number_integer() ? SmallInteger(entry, "season_number") : season;
    episode.number = SmallInteger(entry, "episode_number");
    episode.name = Text(entry, "name");
    episode.overview = Text(entry, "overview");
    episode.airDate = Text(entry, "air_date");
    const json& crew = List(entry, "crew");
    episode.directors = CrewNames(crew, "job", "Director");
    episode.writers = CrewNames(crew, "department", "Writing");
    episode.guestStars = BilledNames(List(entry, "guest_stars"));
    episode.voteAverage = Number(entry, "vote_average");
    episode.voteCount = SmallInteger(entry, "vote_count");
    return episode;
}

}  // namespace

int YearOfDate(const std::string& date)
{
    if (date.size() < 4 || !std::all_of(date.begin(), date.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(date.substr(0, 4));
}

bool ReadTmdbSearch(const std::string& body, TmdbKind kind, std::vector<TmdbCandidate>& found, std::string& why)
{
    json document;
    if (!ParseObject(body, document, why))
        return false;
    const json* results = Field(document, "results");
    if (!results || !results->is_array()) {
        why = "the answer holds no list of results";
        return false;
    }
    const bool show = kind == TmdbKind::Show;
    found.clear();
    for (const json& result : *results) {
        TmdbCandidate candidate;
        candidate.id = Integer(result, "id");
        candidate.name = Text(result, show ? "name" : "title");
        candidate.originalName = Text(result, show ? "original_name" : "original_title");
        candidate.date = Text(result, show ? "first_air_date" : "release_date");
        candidate.year = YearOfDate(candidate.date);
        candidate.overview = Text(result, "overview");
        if (candidate.id > 0 && !candidate.name.empty())
            found.push_back(std::move(candidate));
    }
    return true;
}

bool ReadTmdbShow(const std::string& body, TmdbShow& show, std::string& why)
{
    json document;
    if (!ParseObject(body, document, why))
        return false;
    show = TmdbShow();
    show.id = Integer(document, "id");
    show.name = Text(document, "name");
    if (show.id <= 0 || show.name.empty()) {
        why = "the answer names no show";
        return false;
    }
    show.originalName = Text(document, "original_name");
    show.overview = Text(document, "overview");
    show.firstAirDate = Text(document, "first_air_date");
    show.genres = GenreNames(List(document, "genres"));
    show.cast = BilledNames(List(Credits(document), "cast"));
    for (const json* rating : CountryEntries(document, "content_ratings", "US")) {
        if (show.usRating.empty())
            show.usRating = Text(*rating, "rating");
    }
    show.voteAverage = Number(document, "vote_average");
    show.voteCount = SmallInteger(document, "vote_count");
    for (const json& entry : List(document, "seasons")) {
        const json* number = Field(entry, "season_number");
        if (number && number->is_number_integer())
            show.seasons.push_back(
                {SmallInteger(entry, "season_number"), Text(entry, "air_date"), SmallInteger(entry, "episode_count")});
    }
    return true;
}

bool ReadTmdbSeason(const std::string& body, TmdbSeason& season, std::string& why)
{
    json document;
    if (!ParseObject(body, document, why))
        return false;
    const json* episodes = Field(document, "episodes");
    if (!episodes || !episodes->is_array()) {
        why = "the answer holds no list of episodes";
        return false;
    }
    season = TmdbSeason();
    season.number = SmallInteger(document, "season_number");
    for (const json& entry : *episodes) {
        TmdbEpisode episode = EpisodeOf(entry, season.number);
        if (episode.number > 0 || Field(entry, "episode_number"))
            season.episodes.push_back(std::move(episode));
    }
    return true;
}

bool ReadTmdbMovie(const std::string& body, TmdbMovie& movie, std::string& why)
{
    json document;
    if (!ParseObject(body, document, why))
        return false;
    movie = TmdbMovie();
    movie.id = Integer(document, "id");
    movie.title = Text(document, "title");
    if (movie.id <= 0 || movie.title.empty()) {
        why = "the answer names no movie";
        return false;
    }
    movie.originalTitle = Text(document, "original_title");
    movie.overview = Text(document, "overview");
    movie.releaseDate = Text(document, "release_date");
    movie.genres = GenreNames(List(document, "genres"));
    const json& credits = Credits(document);
    movie.cast = BilledNames(List(credits, "cast"));
    movie.directors = CrewNames(List(credits, "crew"), "job", "Director");
    movie.writers = CrewNames(List(credits, "crew"), "department", "Writing");
    movie.usCertification = UsCertification(document);
    movie.voteAverage = Number(document, "vote_average");
    movie.voteCount = SmallInteger(document, "vote_count");
    return true;
}

std::string TmdbStatusMessage(const std::string& body)
{
    const json document = json::parse(body, nullptr, false);
    return Text(document, "status_message");
}
