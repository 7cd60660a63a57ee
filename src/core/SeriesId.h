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
