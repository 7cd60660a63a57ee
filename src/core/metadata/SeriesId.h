#pragma once
// Series IDs: a two-letter series type, "99" and a four-digit number drawn
// from the C runtime's generator seeded with the time in seconds, so two
// IDs made within the same second are equal.
#include <ctime>
#include <string>

// The smallest and largest number an ID can carry.
constexpr int kSeriesIdNumberMin = 200;
constexpr int kSeriesIdNumberMax = 9988;

// The ID number for one draw of rand() (0..32767), spread over
// kSeriesIdNumberMin..kSeriesIdNumberMax.
int SeriesIdNumber(int draw);

// A new series ID for the Series Type item text ("MV movies" gives
// "MV99" and four digits); reseeds the C runtime's generator with now.
std::string MakeSeriesId(const std::string& seriesTypeText, std::time_t now);

// What makes two show names one show: their letters and digits, ASCII
// letters in lower case ("Marvel's Agents of S.H.I.E.L.D." and
// "marvels agents of shield" agree), and the show's year when known (0:
// none), so that a remake ("Doctor Who" of 2005) is a show of its own.
std::string ShowKey(const std::string& showName, int year);

// A series ID that every run on every system gives a show again: the two
// letters of its series type and six digits drawn from its ShowKey. The
// numbers from 990000 on are MakeSeriesId's, so a drawn ID never meets
// one the user made with New ID. attempt > 0 gives other digits, for a
// show whose digits another show of the run has taken.
std::string ShowSeriesId(const std::string& typePrefix, const std::string& showKey, int attempt);
