#pragma once
// TMDB's answers (the documented v3 JSON) read into what Reelmark takes
// from them, by nlohmann/json. A field that is missing, null or of another
// type than TMDB documents counts as not given; an answer that is no JSON,
// or no JSON object, is refused with the reason. Texts are as TMDB gives
// them (UTF-8, possibly several lines); names of people in billing order,
// each once.
#include <string>
#include <vector>

// What a search found: a show (search/tv) or a movie (search/movie).
struct TmdbCandidate {
    long long id = 0;
    std::string name;          // a show's name, a movie's title
    std::string originalName;  // in the original language
    std::string date;          // the first air date or release date, "YYYY-MM-DD"; may be empty
    int year = 0;              // of the date; 0 without one
    std::string overview;
};

struct TmdbEpisode {
    int season = 0;
    int number = 0;
    std::string name;
    std::string overview;
    std::string airDate;  // "YYYY-MM-DD"; may be empty
    std::vector<std::string> directors;
    std::vector<std::string> writers;
    std::vector<std::string> guestStars;
    double voteAverage = 0;
    int voteCount = 0;
};

// A season as the show's own answer lists it.
struct TmdbSeasonSummary {
    int number = 0;
    std::string airDate;  // of its first episode; may be empty
    int episodeCount = 0;
};

// tv/{id}?append_to_response=content_ratings,credits
struct TmdbShow {
    long long id = 0;
    std::string name;
    std::string originalName;
    std::string overview;
    std::string firstAirDate;
    std::vector<std::string> genres;
    std::vector<std::string> cast;
    std::string usRating;  // the US content rating ("TV-14"); empty without one
    double voteAverage = 0;
    int voteCount = 0;
    std::vector<TmdbSeasonSummary> seasons;
};

// tv/{id}/season/{n}: every episode of the season.
struct TmdbSeason {
    int number = 0;
    std::vector<TmdbEpisode> episodes;
};

// movie/{id}?append_to_response=credits,release_dates
struct TmdbMovie {
    long long id = 0;
    std::string title;
    std::string originalTitle;
    std::string overview;
    std::string releaseDate;
    std::vector<std::string> genres;
    std::vector<std::string> cast;
    std::vector<std::string> directors;
    std::vector<std::string> writers;
    std::string usCertification;  // "PG-13"; empty without one
    double voteAverage = 0;
    int voteCount = 0;
};

enum class TmdbKind { Show, Movie };

// Each returns false with the reason in why when the answer cannot be read.
bool ReadTmdbSearch(const std::string& body, TmdbKind kind, std::vector<TmdbCandidate>& found, std::string& why);
bool ReadTmdbShow(const std::string& body, TmdbShow& show, std::string& why);
bool ReadTmdbSeason(const std::string& body, TmdbSeason& season, std::string& why);
bool ReadTmdbMovie(const std::string& body, TmdbMovie& movie, std::string& why);

// TMDB's own words in an error answer ("Invalid API key: ..."); empty when
// the body holds none.
std::string TmdbStatusMessage(const std::string& body);

// The year of a "YYYY-MM-DD" date; 0 when it begins with no year.
int YearOfDate(const std::string& date);
