#pragma once
// TMDB for tests: a FakeHttpServer that answers the v3 endpoints Reelmark
// asks (search/tv, tv/{id}, tv/{id}/season/{n}, search/movie, movie/{id})
// from a catalogue the test fills, with answers shaped as TMDB documents
// them (every field the documentation shows, not only those read). It
// checks the key (api_key or a Bearer token) as TMDB does, and a test can
// make it answer otherwise for the next requests.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/lookup/TmdbClient.h"
#include "support/FakeHttpServer.h"

struct FakeEpisode {
    int number = 1;
    std::string name;
    std::string airDate;  // YYYY-MM-DD, or empty
    std::string overview;
    std::vector<std::string> directors;
    std::vector<std::string> writers;
    std::vector<std::string> guestStars;  // in billing order
    double voteAverage = 0;
};

struct FakeShow {
    long long id = 0;
    std::string name;
    std::string originalName;  // the name when empty
    std::string firstAirDate;
    std::string overview;
    std::vector<std::string> genres;
    std::string usRating;  // "TV-14"; none when empty
    double voteAverage = 0;
    int voteCount = 0;
    std::vector<std::string> cast;  // in billing order
    std::map<int, std::vector<FakeEpisode>> seasons;
};

struct FakeMovie {
    long long id = 0;
    std::string title;
    std::string originalTitle;  // the title when empty
    std::string releaseDate;
    std::string overview;
    std::vector<std::string> genres;
    std::string usCertification;  // "PG-13"; none when empty
    double voteAverage = 0;
    int voteCount = 0;
    std::vector<std::string> cast;
    std::vector<std::string> directors;
    std::vector<std::string> writers;
};

class FakeTmdb {
public:
    explicit FakeTmdb(std::string key = "0123456789abcdef0123456789abcdef");

    // Settings of a client that asks this server with its key, tries again
    // at once and waits 5 seconds at most.
    TmdbSettings ClientSettings() const;

    FakeShow& AddShow(FakeShow show);
    FakeMovie& AddMovie(FakeMovie movie);

    // The base address the client is pointed at: the server's and "/3".
    std::string BaseUrl() const { return server_->Url() + "/3"; }
    FakeHttpServer& Server() { return *server_; }
    int RequestCount() const { return server_->RequestCount(); }
    // Requests whose path begins with the text ("/3/search/tv").
    int CountOf(const std::string& pathStart) const;

    // Every answer waits this long before its first byte.
    void DelayAnswers(double seconds);
    // The next requests get these replies, in order, whatever they ask.
    void AnswerNext(const FakeReply& reply, int times = 1);
    // Every request that the function answers (a value) gets that answer.
    void AnswerWith(std::function<std::optional<FakeReply>(const FakeRequest&)> answer);

    // TMDB's answer bodies, for tests that shape an answer by hand.
    static std::string ErrorBody(int statusCode, const std::string& message);

private:
    FakeReply Answer(const FakeRequest& request);
    FakeReply Catalogue(const FakeRequest& request);

    std::string key_;
    std::map<long long, FakeShow> shows_;
    std::map<long long, FakeMovie> movies_;
    std::mutex mutex_;
    std::deque<FakeReply> next_;
    double delay_ = 0;
    std::function<std::optional<FakeReply>(const FakeRequest&)> answer_;
    std::unique_ptr<FakeHttpServer> server_;
};

// A small TMDB for the library tests: "Doctor Who" twice (2005 with
// seasons 0 and 1, 1963), "The Daily Show" (daily, seasons 16 and 17),
// "The Office" twice (2005 and 2001: ambiguous without a year) and the
// movie "Heat" (1995).
void AddSampleCatalogue(FakeTmdb& tmdb);
