#pragma once
// When the next request to a service may start: at most so many in any
// window of time (TMDB: 20 a second), and none before a pause the service
// asked for (a 429 answer's Retry-After) is over. Times are seconds on any
// clock that only goes forward; the limiter keeps no clock of its own, so
// tests turn the time by hand.
#include <deque>

class RateLimiter {
public:
    RateLimiter(int most, double windowSeconds) : most_(most), window_(windowSeconds) {}

    // Books a start for a request asked for at `now`: the time it may
    // start, `now` or later. Every booking counts, so callers that wait
    // until their time never exceed the limit together.
    double Book(double now);
    // No request starts before `until`.
    void PauseUntil(double until);

private:
    int most_;
    double window_;
    double pausedUntil_ = 0;
    std::deque<double> starts_;  // the booked starts of the last window, in order
};
