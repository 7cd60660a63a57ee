#include "core/lookup/RateLimiter.h"

#include <algorithm>

double RateLimiter::Book(double now)
{
    double start = std::max(now, pausedUntil_);
    // The start that is `most_` bookings back must lie a whole window before.
    if (static_cast<int>(starts_.size()) >= most_)
        start = std::max(start, starts_[starts_.size() - most_] + window_);
    starts_.push_back(start);
    while (!starts_.empty() && static_cast<int>(starts_.size()) > most_)
        starts_.pop_front();
    return start;
}

void RateLimiter::PauseUntil(double until)
{
    pausedUntil_ = std::max(pausedUntil_, until);
}
