// The limiter of requests to TMDB, on a clock turned by hand: at most 20
// starts in any second, exactly at the limit and one past it, and a pause
// a 429 answer asks for.
#include <gtest/gtest.h>

#include "core/lookup/RateLimiter.h"

TEST(RateLimiter, TwentyStartAtOnceTheTwentyFirstWaitsAWholeSecond)
{
    RateLimiter limiter(20, 1.0);
    for (int i = 0; i < 20; ++i)
        EXPECT_DOUBLE_EQ(0.0, limiter.Book(0.0)) << i;
    EXPECT_DOUBLE_EQ(1.0, limiter.Book(0.5));
    // The second one of the window is free again at its exact time, not before.
    EXPECT_DOUBLE_EQ(1.0, limiter.Book(0.9));
    EXPECT_DOUBLE_EQ(1.0, limiter.Book(1.0));
}

TEST(RateLimiter, NoWindowOfOneSecondEverHoldsMoreThanTwentyStarts)
{
    RateLimiter limiter(20, 1.0);
    std::vector<double> starts;
    double now = 0;
    for (int i = 0; i < 200; ++i) {
        starts.push_back(limiter.Book(now));
        now += 0.013;  // asked far more often than allowed
    }
    for (size_t i = 20; i < starts.size(); ++i)
        EXPECT_GE(starts[i] - starts[i - 20], 1.0 - 1e-9) << i;
    // And nothing waits longer than it must: each start is one second
    // after the one 20 before it, 9 seconds for the last.
    EXPECT_NEAR(starts[19] + 9.0, starts.back(), 1e-9);
}

TEST(RateLimiter, APauseHoldsEveryStartUntilItsEndAndNeverShortensAnEarlierOne)
{
    RateLimiter limiter(20, 1.0);
    limiter.PauseUntil(5.0);
    limiter.PauseUntil(3.0);
    EXPECT_DOUBLE_EQ(5.0, limiter.Book(1.0));
    EXPECT_DOUBLE_EQ(6.0, limiter.Book(6.0));
}
