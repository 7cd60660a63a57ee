#include "core/SeriesId.h"

#include <cstdio>

int SeriesIdNumber(int draw)
{
    const int span = kSeriesIdNumberMax - kSeriesIdNumberMin + 1;
    return kSeriesIdNumberMin + static_cast<int>(draw * span / 32768.0);
}

std::string MakeSeriesId(const std::string& seriesTypeText, std::time_t now)
{
    // The first draw of the Windows C runtime's rand() after srand(now),
    // worked out here so that every system gives the same ID for a second.
    const unsigned seed = static_cast<unsigned>(static_cast<unsigned long long>(now) & 0xFFFFFFFFu);
    const int number = SeriesIdNumber(static_cast<int>(((seed * 214013u + 2531011u) >> 16) & 0x7FFF));
    char id[32];
    std::snprintf(id, sizeof(id), "%s99%04d", seriesTypeText.substr(0, 2).c_str(), number);
    return id;
}
