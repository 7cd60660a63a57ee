#include "core/metadata/SeriesId.h"

#include <cstdint>
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

std::string ShowKey(const std::string& showName, int year)
{
    std::string key;
    for (char c : showName) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c >= 'A' && c <= 'Z')
            key += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || byte >= 0x80)
            key += c;
    }
    // "Doctor Who 2005" and "Doctor Who" of 2005 are one show.
    return year != 0 ? key + std::to_string(year) : key;
}

std::string ShowSeriesId(const std::string& typePrefix, const std::string& showKey, int attempt)
{
    // FNV-1a: the same on every system and in every run.
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](const std::string& text) {
        for (char c : text) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
    };
    mix(showKey);
    if (attempt > 0)
        mix('#' + std::to_string(attempt));
    char id[32];
    std::snprintf(id, sizeof(id), "%s%06u", typePrefix.substr(0, 2).c_str(),
                  static_cast<unsigned>(hash % 990000u));
    return id;
}
