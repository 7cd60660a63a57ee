// The name reader: whatever a file is called, what it reads holds together
// (a kind with what makes it, no numbers below zero but "none", ranges
// that go forward, real days only, titles without spaces at their ends).
#include <cstdlib>
#include <string>

#include "core/library/NameParser.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

bool Trimmed(const std::string& text)
{
    return text.empty() ||
           (text.front() != ' ' && text.back() != ' ' && text.find("  ") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string name(reinterpret_cast<const char*>(bytes), size);
    const ParsedName parsed = ParseMovieName(name);
    Check(Trimmed(parsed.title) && Trimmed(parsed.episodeTitle));
    Check(parsed.year == 0 || (parsed.year >= 1900 && parsed.year <= 2099));
    Check(parsed.season >= kNoNumber && parsed.episode >= kNoNumber);
    Check(parsed.lastEpisode >= parsed.episode);
    Check(!parsed.airDate.IsSet() ||
          IsCalendarDate(parsed.airDate.year, parsed.airDate.month, parsed.airDate.day));
    switch (parsed.kind) {
        case ParsedName::Kind::Movie:
            Check(!parsed.title.empty() && parsed.year != 0 && parsed.episode == kNoNumber);
            break;
        case ParsedName::Kind::Episode:
            Check(parsed.episode != kNoNumber || parsed.airDate.IsSet());
            break;
        case ParsedName::Kind::None:
            Check(parsed.year == 0 && parsed.episode == kNoNumber && parsed.season == kNoNumber &&
                  parsed.episodeTitle.empty() && !parsed.airDate.IsSet());
            break;
    }
    Check(SeasonOfFolderName(name) >= kNoNumber);
    return 0;
}
