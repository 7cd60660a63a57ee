#include "core/lookup/TmdbClient.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <thread>

#include "core/lookup/TmdbAnswers.h"
#include "core/lookup/TmdbCache.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

const char kTmdbDefaultUrl[] = "https://api.themoviedb.org/3";

namespace {

// The wait a Retry-After asks for: whole seconds; TMDB sends no dates
// there, and an answer without a number gets the ordinary wait.
double RetryAfterSeconds(const std::string& value, double otherwise)
{
    if (!IsAllDigits(value) || value.size() > 6)
        return otherwise;
    return std::stod(value);
}

bool IsJsonObject(const std::string& body)
{
    const size_t first = body.find_first_not_of(" \t\r\n");
    return first != std::string::npos && body[first] == '{' && nlohmann::json::accept(body);
}

std::string WithTmdbWords(std::string why, const std::string& body)
{
    const std::string words = TmdbStatusMessage(body);
    return words.empty() ? why : why + ": " + words;
}

TmdbFetched Result(TmdbFetched::State state, std::string why, std::string body = std::string())
{
    TmdbFetched fetched;
    fetched.state = state;
    fetched.why = std::move(why);
    fetched.body = std::move(body);
    return fetched;
}

}  // namespace

std::string TmdbQuery::Text() const
{
    std::string text = path;
    char separator = '?';
    for (const auto& parameter : parameters) {
        text += separator + parameter.first + "=" + UrlEncoded(parameter.second);
        separator = '&';
    }
    return text;
}

TmdbQuery SearchShowsQuery(const std::string& name, int year)
{
    TmdbQuery query{"search/tv", {{"query", name}}};
    if (year > 0)
        query.parameters.push_back({"first_air_date_year", std::to_string(year)});
    return query;
}

TmdbQuery SearchMoviesQuery(const std::string& name, int year)
{
    TmdbQuery query{"search/movie", {{"query", name}}};
    if (year > 0)
        query.parameters.push_back({"year", std::to_string(year)});
    return query;
}

TmdbQuery ShowQuery(long long id)
{
    return {"tv/" + std::to_string(id), {{"append_to_response", "content_ratings,credits"}}};
}

TmdbQuery SeasonQuery(long long showId, int season)
{
    return {"tv/" + std::to_string(showId) + "/season/" + std::to_string(season), {}};
}

TmdbQuery MovieQuery(long long id)
{
    return {"movie/" + std::to_string(id), {{"append_to_response", "credits,release_dates"}}};
}

bool IsReadAccessToken(const std::string& key)
{
    // A v3 key is 32 hexadecimal digits; a v4 token is a JSON web token,
    // three parts joined by dots and far longer.
    return key.find('.') != std::string::npos || key.size() > 40;
}

TmdbClient::TmdbClient(TmdbSettings settings, TmdbCache* cache)
    : settings_(std::move(settings)),
      cache_(cache),
      transport_(HttpGet),
      now_(SteadySeconds),
      sleep_([](double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }),
      stop_([] { return false; }),
      wallClock_([] { return UnixTimeOf(FileClockNow()).seconds; }),
      limiter_(std::max(1, settings_.perSecond), 1.0)
{
}

void TmdbClient::SetClock(std::function<double()> now, std::function<void(double)> sleep)
{
    now_ = std::move(now);
    sleep_ = std::move(sleep);
}

HttpRequest TmdbClient::RequestOf(const TmdbQuery& query) const
{
    HttpRequest request;
    std::string base = settings_.baseUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    request.url = base + "/" + query.Text();
    if (IsReadAccessToken(settings_.key))
        request.headers.push_back({"Authorization", "Bearer " + settings_.key});
    else
        request.url += std::string(query.parameters.empty() ? "?" : "&") + "api_key=" + UrlEncoded(settings_.key);
    request.userAgent = settings_.userAgent;
    request.timeoutSeconds = settings_.timeoutSeconds;
    request.maxBytes = settings_.maxAnswerBytes;
    return request;
}

bool TmdbClient::Sleep(double seconds)
{
    const double until = now_() + seconds;
    for (double left = seconds; left > 0; left = until - now_()) {
        if (stop_())
            return false;
        sleep_(std::min(left, 0.1));
    }
    return !stop_();
}

bool TmdbClient::WaitForTurn()
{
    double start = 0;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        while (running_ >= std::max(1, settings_.atOnce)) {
            if (stop_())
                return false;
            turn_.wait_for(lock, std::chrono::milliseconds(50));
        }
        ++running_;
        start = limiter_.Book(now_());
    }
    if (Sleep(start - now_()))
        return true;
    LeaveTurn();
    return false;
}

void TmdbClient::LeaveTurn()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        --running_;
    }
    turn_.notify_one();
}

TmdbFetched TmdbClient::Fetch(const TmdbQuery& query, const Reader& read)
{
    const std::string request = query.Text();
    TmdbCache::Entry kept;
    std::string why;
    bool found = cache_ && cache_->Find(request, kept);
    if (found && (read ? !read(kept.answer, why) : !IsJsonObject(kept.answer))) {
        cache_->Unreadable(cache_->PathOf(request), why.empty() ? "it is no JSON object" : why);
        found = false;
    }
    const long long now = wallClock_();
    const double age = static_cast<double>(now - kept.savedAt) / 86400;
    const bool fresh = found && age >= -1 && age < settings_.longestKeptDays;
    if (found && (fresh || settings_.offline)) {
        ++fromCache_;
        TmdbFetched fetched = Result(TmdbFetched::State::Answer, std::string(), std::move(kept.answer));
        fetched.fromCache = true;
        return fetched;
    }
    if (settings_.offline)
        return Result(TmdbFetched::State::NotCached, "the cache holds no answer to " + request + " (offline)");
    const std::string unreachable = Unreachable();
    TmdbFetched fetched = unreachable.empty() ? Ask(query, read) : Result(TmdbFetched::State::Failed, unreachable);
    if (fetched.state == TmdbFetched::State::Answer && cache_)
        cache_->Keep(request, fetched.body, now);
    // The kept answer is read again: the failed one may have been read in part.
    if (fetched.state == TmdbFetched::State::Failed && found && (!read || read(kept.answer, why))) {
        ++fromCache_;
        fetched = Result(TmdbFetched::State::Answer, std::string(), std::move(kept.answer));
        fetched.fromCache = true;
    }
    return fetched;
}

TmdbFetched TmdbClient::Ask(const TmdbQuery& query, const Reader& read)
{
    using State = TmdbFetched::State;
    std::string last;
    bool unreachable = false;
    const int attempts = std::max(1, settings_.attempts);
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (keyRefused_) {
            std::lock_guard<std::mutex> lock(mutex_);
            return Result(State::KeyRefused, refusal_);
        }
        if (!WaitForTurn())
            return Result(State::Stopped, "stopped");
        HttpAnswer answer = transport_(RequestOf(query));
        ++sent_;
        LeaveTurn();
        double wait = settings_.backoffSeconds * static_cast<double>(1 << std::min(attempt - 1, 16));
        if (answer.failure == HttpAnswer::Failure::None) {
            const std::string status = "TMDB answered " + std::to_string(answer.status);
            if (answer.status >= 200 && answer.status < 300) {
                std::string why;
                if (read ? !read(answer.body, why) : !IsJsonObject(answer.body))
                    return Result(State::Failed, "TMDB's answer to " + query.Text() + " cannot be read" +
                                                     (why.empty() ? std::string(": it is no JSON object") : ": " + why));
                return Result(State::Answer, std::string(), std::move(answer.body));
            }
            if (answer.status == 401) {
                std::lock_guard<std::mutex> lock(mutex_);
                refusal_ = WithTmdbWords("TMDB refused the key (401)", answer.body);
                keyRefused_ = true;
                return Result(State::KeyRefused, refusal_);
            }
            if (answer.status == 404)
                return Result(State::NotFound, WithTmdbWords(status + " to " + query.Text(), answer.body));
            if (answer.status == 429) {
                wait = std::min(RetryAfterSeconds(answer.retryAfter, wait), settings_.longestPause);
                std::lock_guard<std::mutex> lock(mutex_);
                limiter_.PauseUntil(now_() + wait);
                last = "TMDB asked to wait (429)";
                continue;  // the limiter holds every request back meanwhile
            }
            if (answer.status < 500)
                return Result(State::Failed, WithTmdbWords(status + " to " + query.Text(), answer.body));
            last = status;
        } else if (answer.failure == HttpAnswer::Failure::Connect ||
                   answer.failure == HttpAnswer::Failure::Timeout || answer.failure == HttpAnswer::Failure::Cut) {
            last = answer.why;
            unreachable = answer.failure == HttpAnswer::Failure::Connect;
        } else {
            // Trying again would meet the same certificate, size or address.
            return Result(State::Failed, answer.why);
        }
        if (attempt < attempts && !Sleep(wait))
            return Result(State::Stopped, "stopped");
    }
    const std::string why = last + " (" + std::to_string(attempts) + " tries)";
    if (unreachable) {
        // No server to be reached: the network or TMDB's name is gone, and
        // every later request would wait as long for the same answer.
        std::lock_guard<std::mutex> lock(mutex_);
        unreachable_ = "TMDB cannot be reached: " + why;
    }
    return Result(State::Failed, why);
}

std::string TmdbClient::Refusal()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return refusal_;
}

std::string TmdbClient::Unreachable()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return unreachable_;
}
