#include <gtest/gtest.h>
#include <regex>

#include "core/metadata/SeriesId.h"

namespace {

// The first draw of the C runtime's generator after srand(seed).
int FirstDraw(unsigned seed)
{
    return static_cast<int>(((seed * 214013u + 2531011u) >> 16) & 0x7FFF);
}

// The first time from start on whose first draw lies within [low, high].
std::time_t TimeWithDrawBetween(int low, int high, std::time_t start)
{
    for (std::time_t t = start;; ++t) {
        const int draw = FirstDraw(static_cast<unsigned>(t));
        if (draw >= low && draw <= high)
            return t;
    }
}

}  // namespace

TEST(SeriesIdNumber, SpreadsDrawsOver200To9988)
{
    EXPECT_EQ(kSeriesIdNumberMin, SeriesIdNumber(0));
    EXPECT_EQ(200, SeriesIdNumber(3));
    EXPECT_EQ(201, SeriesIdNumber(4));
    EXPECT_EQ(kSeriesIdNumberMax, SeriesIdNumber(32767));
    EXPECT_EQ(200 + 16383 * 9789 / 32768, SeriesIdNumber(16383));
}

TEST(MakeSeriesId, IsTypePrefix99AndTheNumberOfTheFirstDraw)
{
    const std::regex shape("(MV|SH|SP|TS)99[0-9]{4}");
    const std::time_t start = 1767225600;  // 2026-01-01
    for (std::time_t t = start; t < start + 50; ++t) {
        const std::string id = MakeSeriesId("MV movies", t);
        EXPECT_TRUE(std::regex_match(id, shape)) << id;
        EXPECT_EQ(SeriesIdNumber(FirstDraw(static_cast<unsigned>(t))), std::stoi(id.substr(4))) << id;
    }
    EXPECT_EQ("SH99", MakeSeriesId("SH general TV shows", start).substr(0, 4));
    EXPECT_EQ("TS99", MakeSeriesId("TS Tivocast content", start).substr(0, 4));
    EXPECT_EQ(6u, MakeSeriesId("", start).size());
}

TEST(MakeSeriesId, SmallestAndLargestNumbersKeepFourDigits)
{
    EXPECT_EQ("SP990200", MakeSeriesId("SP sports", TimeWithDrawBetween(0, 3, 1767225600)));
    EXPECT_EQ("MV999988", MakeSeriesId("MV movies", TimeWithDrawBetween(32765, 32767, 1767225600)));
}

TEST(MakeSeriesId, SameSecondGivesTheSameId)
{
    const std::time_t now = std::time(nullptr);
    const std::string first = MakeSeriesId("MV movies", now);
    EXPECT_EQ(first, MakeSeriesId("MV movies", now));
}

TEST(ShowKey, LettersAndDigitsOfTheNameAndItsYear)
{
    EXPECT_EQ(ShowKey("marvels agents of shield", 0), ShowKey("Marvel's Agents of S.H.I.E.L.D.", 0));
    EXPECT_EQ(ShowKey("Game of Thrones", 0), ShowKey("game.of_thrones", 0));
    EXPECT_EQ(ShowKey("Doctor Who 2005", 0), ShowKey("Doctor Who", 2005));
    EXPECT_NE(ShowKey("Doctor Who", 0), ShowKey("Doctor Who", 2005));
    EXPECT_NE(ShowKey("Çà et là", 0), ShowKey("Ca et la", 0));
    EXPECT_EQ("метод", ShowKey("метод!", 0));
}

TEST(ShowSeriesId, SixDigitsBelowTheUsersOwnThatNeverChange)
{
    // Pinned: another number would split every library's shows in two.
    EXPECT_EQ("SH159475", ShowSeriesId("SH", ShowKey("Doctor Who", 2005), 0));
    EXPECT_EQ("MV159475", ShowSeriesId("MV movies", ShowKey("Doctor Who", 2005), 0));
    EXPECT_NE(ShowSeriesId("SH", "doctorwho2005", 0), ShowSeriesId("SH", "doctorwho2005", 1));
    const std::regex shape("SH[0-8][0-9]{5}|SH9[0-8][0-9]{4}");
    for (int i = 0; i < 2000; ++i) {
        const std::string id = ShowSeriesId("SH", "show" + std::to_string(i), i % 3);
        EXPECT_TRUE(std::regex_match(id, shape)) << id;
    }
}
