// Python 2's readings that pyTivo's answers rest on; each expectation is
// what Python 2.7 itself answers.
#include <gtest/gtest.h>

#include <cmath>

#include "core/pytivo/PythonRules.h"

TEST(PythonRules, WholeNumbersAsIntReadsThem)
{
    const struct {
        const char* text;
        const char* number;  // nullptr: int() refuses it
    } cases[] = {
        {"5", "5"},     {" 5 ", "5"},   {"- 5", "-5"}, {"+ 5", "5"},   {"007", "7"},   {"-0", "0"},
        {"-00", "0"},   {"\t-12\n", "-12"}, {"\v7\f", "7"}, {"99999999999999999999", "99999999999999999999"},
        {"", nullptr},  {"+", nullptr}, {"5L", nullptr}, {"1 2", nullptr}, {"0x10", nullptr},
        {"1.5", nullptr}, {"\xd9\xa3", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> number = PythonIntText(c.text);
        ASSERT_EQ(c.number != nullptr, number.has_value()) << c.text;
        if (c.number) {
            EXPECT_EQ(c.number, *number) << c.text;
        }
    }
    EXPECT_EQ(-5, PythonIntValue("- 5"));
    EXPECT_EQ(9223372036854775807LL, PythonIntValue("9223372036854775807"));
    EXPECT_FALSE(PythonIntValue("9223372036854775808")) << "a number that does not fit is none";
}

TEST(PythonRules, FloatsAsFloatReadsThem)
{
    const struct {
        const char* text;
        double value;  // NAN: refused
    } cases[] = {
        {"5", 5},      {"5.", 5},      {".5", 0.5},   {" 7.5 ", 7.5}, {"1e5", 1e5}, {"+.5e-3", 0.0005},
        {"+inf", INFINITY}, {"-Infinity", -INFINITY}, {"1e400", INFINITY},
        {".", NAN},    {"1e", NAN},    {"infinit", NAN}, {"- 5", NAN}, {"1_0", NAN}, {"0x10", NAN},
        {"e5", NAN},   {"", NAN},
    };
    for (const auto& c : cases) {
        const std::optional<double> value = PythonFloat(c.text);
        ASSERT_EQ(!std::isnan(c.value), value.has_value()) << c.text;
        if (value) {
            EXPECT_EQ(c.value, *value) << c.text;
        }
    }
    EXPECT_TRUE(std::isnan(PythonFloat("NAN").value()));
}

TEST(PythonRules, StemsPaddingAndStripping)
{
    const struct {
        const char* name;
        const char* stem;
    } stems[] = {
        {"Movie.mkv", "Movie"}, {"..mkv", "..mkv"}, {".hidden", ".hidden"}, {"a..mkv", "a."},
        {"abc.", "abc"},        {"a.b.c", "a.b"},   {"noext", "noext"},     {"...", "..."},
    };
    for (const auto& c : stems)
        EXPECT_EQ(c.stem, PythonStem(c.name)) << c.name;

    EXPECT_EQ("-005", ZeroPadded("-5", 4));
    EXPECT_EQ("0005", ZeroPadded("5", 4));
    EXPECT_EQ("12345", ZeroPadded("12345", 4));
    EXPECT_EQ("-2", ZeroPadded("-2", 2));
    EXPECT_EQ("00", ZeroPadded("0", 2));

    EXPECT_EQ("a b", PythonStripped("\v\f \t\r\na b\n\r"));
    EXPECT_EQ("\xC2\xA0x", PythonStripped("\xC2\xA0x")) << "bytes beyond ASCII are no white space";
}

TEST(PythonRules, FileTimesAsDatetimePrintsThem)
{
    const struct {
        long long seconds;
        unsigned hundredNanoseconds;
        const char* text;  // nullptr: beyond Python's dates
    } cases[] = {
        {0, 0, "1970-01-01T00:00:00"},
        {1234567890, 5000000, "2009-02-13T23:31:30.500000"},
        {-1, 0, "1969-12-31T23:59:59"},
        {0, 5, "1970-01-01T00:00:00.000001"},  // half a microsecond rounds up
        {1700000000, 1234560, "2023-11-14T22:13:20.123456"},
        {1700000000, 1234567, "2023-11-14T22:13:20.123457"},
        {1700000000, 9999999, "2023-11-14T22:13:21"},  // a second less 100 ns is the next second
        {-1, 9999999, "1970-01-01T00:00:00"},
        {951782400, 0, "2000-02-29T00:00:00"},
        {253402300799, 0, "9999-12-31T23:59:59"},
        {-62135596800, 0, "0001-01-01T00:00:00"},
        {253402300800, 0, nullptr},
        {-62135596801, 0, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> text = PythonUtcIsoTime(c.seconds, c.hundredNanoseconds);
        ASSERT_EQ(c.text != nullptr, text.has_value()) << c.seconds;
        if (c.text) {
            EXPECT_EQ(c.text, *text) << c.seconds << " " << c.hundredNanoseconds;
        }
    }
}
