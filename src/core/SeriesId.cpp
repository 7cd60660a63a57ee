#include "core/SeriesId.h"

#include <cstdio>
#include <cstdlib>

int SeriesIdNumber(int draw)
{
    const int span = kSeriesIdNumberMax - kSeriesIdNumberMin + 1;
    return kSeriesIdNumberMin + static_cast<int>(draw * span / 32768.0);
}

std::string MakeSeriesId(const std::string& seriesTypeText, std::time_t now)
{
    std::srand(static_cast<unsigned>(static_cast<unsigned long long>(now) & 0xFFFFFFFFu));
    const int number = SeriesIdNumber(std::rand());
    char id[32];
    std::snprintf(id, sizeof(id), "%s99%04d", seriesTypeText.substr(0, 2).c_str(), number);
    return id;
}
