#include "support/FakeTmdb.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

using nlohmann::json;

namespace {

std::string Folded(const std::string& text)
{
    std::string folded;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80)
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

// TMDB finds titles that hold the words asked; this finds those that hold
// the letters and digits asked, which is as wide for the tests' names.
bool Holds(const std::string& title, const std::string& query)
{
    return Folded(title).find(Folded(query)) != std::string::npos;
}

int YearOf(const std::string& date)
{
    return date.size() >= 4 ? std::atoi(date.substr(0, 4).c_str()) : 0;
}

long long PersonId(const std::string& name)
{
    return static_cast<long long>(std::hash<std::string>()(name) % 9000000) + 1000;
}

json Person(const std::string& name, const char* department)
{
    return {{"adult", false},
            {"gender", 0},
            {"id", PersonId(name)},
            {"known_for_department", department},
            {"name", name},
            {"original_name", name},
            {"popularity", 1.5},
            {"profile_path", nullptr}};
}

json CastList(const std::vector<std::string>& names, int firstOrder)
{
    json cast = json::array();
    int order = firstOrder;
    for (const std::string& name : names) {
        json person = Person(name, "Acting");
        person["character"] = "Someone";
        person["credit_id"] = "52542282760ee313280017f" + std::to_string(order % 10);
        person["order"] = order++;
        cast.push_back(person);
    }
    return cast;
}

json CrewList(const std::vector<std::string>& directors, const std::vector<std::string>& writers)
{
    json crew = json::array();
    for (const std::string& name : directors) {
        json person = Person(name, "Directing");
        person["credit_id"] = "5256c8b219c2956ff604ee50";
        person["department"] = "Directing";
        person["job"] = "Director";
        crew.push_back(person);
    }
    for (const std::string& name : writers) {
        json person = Person(name, "Writing");
        person["credit_id"] = "5256c8b219c2956ff604ee51";
        person["department"] = "Writing";
        person["job"] = "Writer";
        crew.push_back(person);
    }
    return crew;
}

json Genres(const std::vector<std::string>& names)
{
    json genres = json::array();
    int id = 18;
    for (const std::string& name : names)
        genres.push_back({{"id", id++}, {"name", name}});
    return genres;
}

json Page(const json& results)
{
    return {{"page", 1}, {"results", results}, {"total_pages", 1}, {"total_results", results.size()}};
}

FakeReply Json(const json& body)
{
    FakeReply reply;
    reply.body = body.dump();
    return reply;
}

FakeReply NotFound()
{
    FakeReply reply;
    reply.status = 404;
    reply.body = FakeTmdb::ErrorBody(34, "The resource you requested could not be found.");
    return reply;
}

json ShowResult(const FakeShow& show)
{
    return {{"adult", false},
            {"backdrop_path", "/backdrop.jpg"},
            {"genre_ids", {18}},
            {"id", show.id},
            {"origin_country", {"US"}},
            {"original_language", "en"},
            {"original_name", show.originalName.empty() ? show.name : show.originalName},
            {"overview", show.overview},
            {"popularity", 12.3},
            {"poster_path", "/poster.jpg"},
            {"first_air_date", show.firstAirDate},
            {"name", show.name},
            {"vote_average", show.voteAverage},
            {"vote_count", show.voteCount}};
}

json MovieResult(const FakeMovie& movie)
{
    return {{"adult", false},
            {"backdrop_path", "/backdrop.jpg"},
            {"genre_ids", {18}},
            {"id", movie.id},
            {"original_language", "en"},
            {"original_title", movie.originalTitle.empty() ? movie.title : movie.originalTitle},
            {"overview", movie.overview},
            {"popularity", 20.5},
            {"poster_path", "/poster.jpg"},
            {"release_date", movie.releaseDate},
            {"title", movie.title},
            {"video", false},
            {"vote_average", movie.voteAverage},
            {"vote_count", movie.voteCount}};
}

json SeasonSummary(const FakeShow& show, int number, const std::vector<FakeEpisode>& episodes)
{
    return {{"air_date", episodes.empty() ? json(nullptr) : json(episodes.front().airDate)},
            {"episode_count", episodes.size()},
            {"id", show.id * 100 + number},
            {"name", number == 0 ? "Specials" : "Season " + std::to_string(number)},
            {"overview", ""},
            {"poster_path", "/season.jpg"},
            {"season_number", number},
            {"vote_average", 0}};
}

json ShowDetails(const FakeShow& show)
{
    json seasons = json::array();
    int lastSeason = 0;
    for (const auto& season : show.seasons) {
        seasons.push_back(SeasonSummary(show, season.first, season.second));
        lastSeason = std::max(lastSeason, season.first);
    }
    json ratings = json::array();
    if (!show.usRating.empty())
        ratings.push_back({{"descriptors", json::array()}, {"iso_3166_1", "US"}, {"rating", show.usRating}});
    ratings.push_back({{"descriptors", json::array()}, {"iso_3166_1", "DE"}, {"rating", "16"}});
    json details = ShowResult(show);
    details.erase("genre_ids");
    details.erase("original_language");
    details.update({{"created_by", json::array()},
                    {"episode_run_time", {45}},
                    {"genres", Genres(show.genres)},
                    {"homepage", ""},
                    {"in_production", false},
                    {"languages", {"en"}},
                    {"last_air_date", show.firstAirDate},
                    {"name", show.name},
                    {"networks", json::array()},
                    {"number_of_episodes", 10},
                    {"number_of_seasons", lastSeason},
                    {"original_language", "en"},
                    {"production_companies", json::array()},
                    {"seasons", seasons},
                    {"status", "Ended"},
                    {"tagline", ""},
                    {"type", "Scripted"},
                    {"content_ratings", {{"results", ratings}}},
                    {"credits", {{"cast", CastList(show.cast, 0)}, {"crew", json::array()}}}});
    return details;
}

json SeasonDetails(const FakeShow& show, int number, const std::vector<FakeEpisode>& episodes)
{
    json list = json::array();
    for (const FakeEpisode& episode : episodes) {
        list.push_back({{"air_date", episode.airDate.empty() ? json(nullptr) : json(episode.airDate)},
                        {"episode_number", episode.number},
                        {"episode_type", "standard"},
                        {"id", show.id * 10000 + number * 100 + episode.number},
                        {"name", episode.name},
                        {"overview", episode.overview},
                        {"production_code", ""},
                        {"runtime", 45},
                        {"season_number", number},
                        {"show_id", show.id},
                        {"still_path", "/still.jpg"},
                        {"vote_average", episode.voteAverage},
                        {"vote_count", 12},
                        {"crew", CrewList(episode.directors, episode.writers)},
                        {"guest_stars", CastList(episode.guestStars, 500)}});
    }
    return {{"_id", "5256c89f19c2956ff6046d47"},
            {"air_date", episodes.empty() ? json(nullptr) : json(episodes.front().airDate)},
            {"episodes", list},
            {"name", number == 0 ? "Specials" : "Season " + std::to_string(number)},
            {"overview", ""},
            {"id", show.id * 100 + number},
            {"poster_path", "/season.jpg"},
            {"season_number", number},
            {"vote_average", 0}};
}

json MovieDetails(const FakeMovie& movie)
{
    json releases = json::array();
    if (!movie.usCertification.empty())
        releases.push_back({{"iso_3166_1", "US"},
                            {"release_dates",
                             {{{"certification", ""},
                               {"descriptors", json::array()},
                               {"iso_639_1", ""},
                               {"note", "Premiere"},
                               {"release_date", movie.releaseDate + "T00:00:00.000Z"},
                               {"type", 1}},
                              {{"certification", movie.usCertification},
                               {"descriptors", json::array()},
                               {"iso_639_1", ""},
                               {"note", ""},
                               {"release_date", movie.releaseDate + "T00:00:00.000Z"},
                               {"type", 3}}}}});
    releases.push_back({{"iso_3166_1", "GB"},
                        {"release_dates",
                         {{{"certification", "15"},
                           {"descriptors", json::array()},
                           {"iso_639_1", ""},
                           {"note", ""},
                           {"release_date", movie.releaseDate + "T00:00:00.000Z"},
                           {"type", 3}}}}});
    json details = MovieResult(movie);
    details.erase("genre_ids");
    details.update({{"belongs_to_collection", nullptr},
                    {"budget", 0},
                    {"genres", Genres(movie.genres)},
                    {"homepage", ""},
                    {"imdb_id", "tt0000001"},
                    {"production_companies", json::array()},
                    {"revenue", 0},
                    {"runtime", 120},
                    {"status", "Released"},
                    {"tagline", ""},
                    {"credits", {{"cast", CastList(movie.cast, 0)}, {"crew", CrewList(movie.directors, movie.writers)}}},
                    {"release_dates", {{"results", releases}}}});
    return details;
}

// The number after the text at the start of the path, and what follows it.
bool NumberAfter(const std::string& path, const std::string& start, long long& number, std::string& rest)
{
    if (path.rfind(start, 0) != 0)
        return false;
    size_t end = start.size();
    while (end < path.size() && std::isdigit(static_cast<unsigned char>(path[end])))
        ++end;
    if (end == start.size())
        return false;
    number = std::stoll(path.substr(start.size(), end - start.size()));
    rest = path.substr(end);
    return true;
}

}  // namespace

FakeTmdb::FakeTmdb(std::string key)
    : key_(std::move(key)), server_(new FakeHttpServer([this](const FakeRequest& request) { return Answer(request); }))
{
}

TmdbSettings FakeTmdb::ClientSettings() const
{
    TmdbSettings settings;
    settings.baseUrl = BaseUrl();
    settings.key = key_;
    settings.backoffSeconds = 0.01;
    settings.timeoutSeconds = 5;
    return settings;
}

FakeShow& FakeTmdb::AddShow(FakeShow show)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return shows_[show.id] = std::move(show);
}

FakeMovie& FakeTmdb::AddMovie(FakeMovie movie)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return movies_[movie.id] = std::move(movie);
}

int FakeTmdb::CountOf(const std::string& pathStart) const
{
    int count = 0;
    for (const FakeRequest& request : server_->Requests())
        count += request.path.rfind(pathStart, 0) == 0 ? 1 : 0;
    return count;
}

void FakeTmdb::AnswerNext(const FakeReply& reply, int times)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (int i = 0; i < times; ++i)
        next_.push_back(reply);
}

void FakeTmdb::DelayAnswers(double seconds)
{
    std::lock_guard<std::mutex> lock(mutex_);
    delay_ = seconds;
}

void FakeTmdb::AnswerWith(std::function<std::optional<FakeReply>(const FakeRequest&)> answer)
{
    std::lock_guard<std::mutex> lock(mutex_);
    answer_ = std::move(answer);
}

std::string FakeTmdb::ErrorBody(int statusCode, const std::string& message)
{
    return json{{"success", false}, {"status_code", statusCode}, {"status_message", message}}.dump();
}

FakeReply FakeTmdb::Answer(const FakeRequest& request)
{
    FakeReply reply = Catalogue(request);
    std::lock_guard<std::mutex> lock(mutex_);
    reply.delaySeconds += delay_;
    return reply;
}

FakeReply FakeTmdb::Catalogue(const FakeRequest& request)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!next_.empty()) {
        const FakeReply reply = next_.front();
        next_.pop_front();
        return reply;
    }
    if (answer_) {
        if (std::optional<FakeReply> reply = answer_(request))
            return *reply;
    }
    const auto keyParameter = request.query.find("api_key");
    const auto authorization = request.headers.find("authorization");
    const bool keyRight = (keyParameter != request.query.end() && keyParameter->second == key_) ||
                          (authorization != request.headers.end() && authorization->second == "Bearer " + key_);
    if (!keyRight) {
        FakeReply reply;
        reply.status = 401;
        reply.body = ErrorBody(7, "Invalid API key: You must be granted a valid key.");
        return reply;
    }
    const auto query = request.query.find("query");
    const std::string asked = query == request.query.end() ? "" : query->second;
    const auto yearParameter = [&](const char* name) {
        const auto found = request.query.find(name);
        return found == request.query.end() ? 0 : std::atoi(found->second.c_str());
    };
    if (request.path == "/3/search/tv") {
        json results = json::array();
        const int year = yearParameter("first_air_date_year");
        for (const auto& show : shows_) {
            const FakeShow& s = show.second;
            if ((Holds(s.name, asked) || Holds(s.originalName, asked)) && (!year || YearOf(s.firstAirDate) == year))
                results.push_back(ShowResult(s));
        }
        return Json(Page(results));
    }
    if (request.path == "/3/search/movie") {
        json results = json::array();
        const int year = yearParameter("year");
        for (const auto& movie : movies_) {
            const FakeMovie& m = movie.second;
            if ((Holds(m.title, asked) || Holds(m.originalTitle, asked)) && (!year || YearOf(m.releaseDate) == year))
                results.push_back(MovieResult(m));
        }
        return Json(Page(results));
    }
    long long id = 0;
    std::string rest;
    if (NumberAfter(request.path, "/3/tv/", id, rest) && shows_.count(id)) {
        const FakeShow& show = shows_.at(id);
        if (rest.empty())
            return Json(ShowDetails(show));
        long long season = 0;
        std::string after;
        if (NumberAfter(rest, "/season/", season, after) && after.empty() && show.seasons.count(static_cast<int>(season)))
            return Json(SeasonDetails(show, static_cast<int>(season), show.seasons.at(static_cast<int>(season))));
    }
    if (NumberAfter(request.path, "/3/movie/", id, rest) && rest.empty() && movies_.count(id))
        return Json(MovieDetails(movies_.at(id)));
    return NotFound();
}

namespace {

// An episode without crew or guests.
FakeEpisode Episode(int number, const char* name, const char* airDate, const char* overview)
{
    FakeEpisode episode;
    episode.number = number;
    episode.name = name;
    episode.airDate = airDate;
    episode.overview = overview;
    return episode;
}

}  // namespace

void AddSampleCatalogue(FakeTmdb& tmdb)
{
    FakeShow who;
    who.id = 57243;
    who.name = "Doctor Who";
    who.firstAirDate = "2005-03-26";
    who.overview = "The Doctor travels in time.";
    who.genres = {"Sci-Fi & Fantasy", "Drama"};
    who.usRating = "TV-PG";
    who.voteAverage = 7.5;
    who.voteCount = 3000;
    who.cast = {"Christopher Eccleston", "Billie Piper"};
    const FakeEpisode special = Episode(1, "The Christmas Invasion", "2005-12-25", "Sycorax invade on Christmas Day.");
    FakeEpisode rose{1, "Rose", "2005-03-26", "Rose meets the Doctor.", {"Keith Boak"}, {"Russell T Davies"},
                     {"Camille Coduri", "Noel Clarke"}, 7.2};
    FakeEpisode world{2, "The End of the World", "2005-04-02", "The Earth ends.", {"Euros Lyn"},
                      {"Russell T Davies"}, {"Zoe Wanamaker"}, 7.0};
    who.seasons = {{0, {special}}, {1, {rose, world}}};
    tmdb.AddShow(who);
    FakeShow classic;
    classic.id = 121;
    classic.name = "Doctor Who";
    classic.firstAirDate = "1963-11-23";
    classic.seasons = {{1, {Episode(1, "An Unearthly Child", "1963-11-23", "A police box.")}}};
    tmdb.AddShow(classic);
    FakeShow daily;
    daily.id = 2224;
    daily.name = "The Daily Show";
    daily.firstAirDate = "1996-07-22";
    daily.usRating = "TV-14";
    daily.seasons = {{16, {Episode(1, "Guest One", "2011-01-03", "A show.")}},
                     {17, {Episode(1, "Guest Two", "2012-01-09", "A show."), Episode(38, "Guest Three", "2012-03-04", "Sunday.")}}};
    tmdb.AddShow(daily);
    FakeShow office;
    office.id = 2316;
    office.name = "The Office";
    office.firstAirDate = "2005-03-24";
    office.overview = "The everyday lives of office employees in Scranton, Pennsylvania.";
    office.seasons = {{1, {Episode(1, "Pilot", "2005-03-24", "A documentary crew arrives.")}}};
    tmdb.AddShow(office);
    FakeShow british = office;
    british.id = 2996;
    british.firstAirDate = "2001-07-09";
    british.overview = "A mockumentary about a paper merchant in Slough.";
    british.seasons = {{1, {Episode(1, "Downsize", "2001-07-09", "Rumours of redundancies.")}}};
    tmdb.AddShow(british);
    FakeMovie heat;
    heat.id = 949;
    heat.title = "Heat";
    heat.releaseDate = "1995-12-15";
    heat.overview = "Obsessive master thief Neil McCauley leads a crew.";
    heat.genres = {"Action", "Crime"};
    heat.usCertification = "R";
    heat.voteAverage = 7.9;
    heat.voteCount = 6000;
    heat.cast = {"Al Pacino", "Robert De Niro"};
    heat.directors = {"Michael Mann"};
    heat.writers = {"Michael Mann"};
    tmdb.AddMovie(heat);
}
