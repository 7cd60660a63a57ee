#pragma once
// Requests to TMDB's v3 API, the documented endpoints only, answered from
// the cache (TmdbCache) while its answer is younger than 30 days, or
// always when offline; otherwise sent within TMDB's limits: at most 4 at once and 20 a second, a 429 answer's Retry-After
// honoured, network failures and server errors tried again after a
// growing wait, a refused key (401) ending every later request at once.
// The key goes as the api_key parameter (a v3 key) or as a Bearer header
// (a v4 read access token); it never appears in a reason, a log line or a
// cache entry. Safe to use from several threads at once.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/lookup/RateLimiter.h"
#include "platform/Http.h"

// TMDB's address; the TmdbUrl setting and REELMARK_TMDB_URL change it (a
// mirror, or a server of the tests).
extern const char kTmdbDefaultUrl[];

struct TmdbSettings {
    std::string baseUrl = kTmdbDefaultUrl;
    std::string key;
    std::string userAgent = "Reelmark";
    double timeoutSeconds = 20;
    // Tries of one request that meets a network failure, a server error
    // or a 429 answer, the first one included.
    int attempts = 4;
    // The wait before the second try; each later wait is twice the one before.
    double backoffSeconds = 1;
    // The longest wait a Retry-After gets.
    double longestPause = 60;
    size_t maxAnswerBytes = 8u << 20;
    int atOnce = 4;
    int perSecond = 20;
    // Only the cache answers: no request is sent.
    bool offline = false;
    // A kept answer older than this is asked again when online.
    double longestKeptDays = 30;
};

struct TmdbFetched {
    enum class State {
        Answer,      // body holds TMDB's JSON object
        NotFound,    // 404: no such show, season or movie
        Failed,      // why says why (after every try)
        KeyRefused,  // 401: the key is wrong; no request is sent any more
        Stopped,     // the caller asked to stop
        NotCached,   // offline, and the cache holds no answer
    };
    State state = State::Failed;
    std::string body;
    std::string why;
    bool fromCache = false;
};

// A request's path below the base address and its parameters (the key
// not among them), in the order they are sent.
struct TmdbQuery {
    std::string path;
    std::vector<std::pair<std::string, std::string>> parameters;
    // "search/tv?query=Heat&first_air_date_year=1995": the request's name,
    // without key or address, for the cache and for reasons.
    std::string Text() const;
};

// The documented requests.
TmdbQuery SearchShowsQuery(const std::string& name, int year);
TmdbQuery SearchMoviesQuery(const std::string& name, int year);
TmdbQuery ShowQuery(long long id);
TmdbQuery SeasonQuery(long long showId, int season);
TmdbQuery MovieQuery(long long id);

class TmdbCache;

class TmdbClient {
public:
    using Transport = std::function<HttpAnswer(const HttpRequest&)>;
    // cache: where answers are kept; none without one.
    explicit TmdbClient(TmdbSettings settings, TmdbCache* cache = nullptr);

    // Seams for tests: the HTTP client, the clock and the wait (seconds on
    // a clock that only goes forward), and the question whether to stop.
    void SetTransport(Transport transport) { transport_ = std::move(transport); }
    void SetClock(std::function<double()> now, std::function<void(double)> sleep);
    void SetStop(std::function<bool()> stop) { stop_ = std::move(stop); }
    // The time of day for the dates of kept answers: seconds since 1970.
    void SetWallClock(std::function<long long()> now) { wallClock_ = std::move(now); }

    // Reads an answer into what the caller takes of it; false with why
    // when it is not the answer asked for.
    using Reader = std::function<bool(const std::string& body, std::string& why)>;

    // The answer from the cache, else sent (waiting for its turn within
    // the limits) and kept. An answer that cannot be had now is the kept
    // one, however old, when there is one. With a reader, only an answer
    // it reads counts and is kept (a kept one it cannot read is asked
    // again); without one, any JSON object.
    TmdbFetched Fetch(const TmdbQuery& query, const Reader& read = nullptr);

    const TmdbSettings& Settings() const { return settings_; }
    TmdbCache* Cache() const { return cache_; }
    // Requests sent over the network, each try counted.
    int RequestsSent() const { return sent_; }
    // Answers the cache gave.
    int AnswersFromCache() const { return fromCache_; }
    bool KeyRefused() const { return keyRefused_; }
    // Why the key was refused, in TMDB's words.
    std::string Refusal();
    // Why TMDB could not be reached (a request met no server however often
    // it was tried); empty while it could. Later requests are not sent: the
    // cache alone answers them.
    std::string Unreachable();

private:
    TmdbFetched Ask(const TmdbQuery& query, const Reader& read);
    HttpRequest RequestOf(const TmdbQuery& query) const;
    // Waits for a place among those at once and for the limiter's time;
    // false when asked to stop meanwhile.
    bool WaitForTurn();
    void LeaveTurn();
    bool Sleep(double seconds);

    TmdbSettings settings_;
    TmdbCache* cache_;
    Transport transport_;
    std::function<double()> now_;
    std::function<void(double)> sleep_;
    std::function<bool()> stop_;
    std::function<long long()> wallClock_;
    std::mutex mutex_;
    std::condition_variable turn_;
    RateLimiter limiter_;
    int running_ = 0;
    std::atomic<int> sent_{0};
    std::atomic<int> fromCache_{0};
    std::atomic<bool> keyRefused_{false};
    std::string refusal_;
    std::string unreachable_;
};

// Whether the key is a v4 read access token (sent as a Bearer header)
// rather than a v3 API key (sent as the api_key parameter).
bool IsReadAccessToken(const std::string& key);
