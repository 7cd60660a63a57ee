#include "core/lookup/TmdbMatch.h"

#include "platform/Text.h"

namespace {

// The Latin-1 letters U+00C0 to U+00FF without their accents, in lower
// case ("" for the two that are no letters: × and ÷).
const char* const kLatin1Letters[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// One code point of Latin Extended-A (U+0100 to U+017F) without its accent:
// the letters come in pairs of upper and lower case, a few are special.
std::string LatinExtendedLetter(char32_t c)
{
    // "?" marks the two that become two letters.
    static const char base[] = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii??jjkkklllllll"
                               "lllnnnnnnnnnoooooo??rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
    if (c == 0x132 || c == 0x133)
        return "ij";
    if (c == 0x152 || c == 0x153)
        return "oe";
    const size_t index = c - 0x100;
    return index < sizeof(base) - 1 ? std::string(1, base[index]) : std::string();
}

// Punctuation and symbols beyond Latin-1: quotation marks, dashes, CJK and
// full-width punctuation, the replacement character.
bool IsPunctuation(char16_t c)
{
    return (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE10 && c <= 0xFE6F) ||
           (c >= 0xFF00 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) || c == 0xFFFD;
}

}  // namespace

std::string NormalizedTitle(const std::string& name)
{
    std::u16string normalized;
    const auto add = [&normalized](const std::string& ascii) { normalized.append(ascii.begin(), ascii.end()); };
    for (const char16_t c : ToUtf16(name)) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))
            normalized += c;
        else if (c >= 'A' && c <= 'Z')
            normalized += static_cast<char16_t>(c - 'A' + 'a');
        else if (c == '&')
            add("and");
        else if (c >= 0xC0 && c <= 0xFF)
            add(kLatin1Letters[c - 0xC0]);
        else if (c >= 0x100 && c <= 0x17F)
            add(LatinExtendedLetter(c));
        else if (c >= 0x370 && !IsPunctuation(c))  // other scripts stay as they are written
            normalized += c;
    }
    return FromUtf16(normalized);
}

TmdbChoice ChooseCandidate(const std::string& name, int year, TmdbKind kind, const std::vector<TmdbCandidate>& found)
{
    TmdbChoice choice;
    const std::string wanted = NormalizedTitle(name);
    const char* what = kind == TmdbKind::Show ? "show" : "movie";
    const std::string bare = "\"" + name + "\"";
    const std::string quoted = bare + (year ? " (" + std::to_string(year) + ")" : "");
    std::vector<const TmdbCandidate*> named;
    std::vector<const TmdbCandidate*> taken;
    for (const TmdbCandidate& candidate : found) {
        if (wanted.empty() ||
            (NormalizedTitle(candidate.name) != wanted && NormalizedTitle(candidate.originalName) != wanted))
            continue;
        named.push_back(&candidate);
        if (!year || candidate.year == year)
            taken.push_back(&candidate);
    }
    if (taken.size() == 1) {
        choice.matched = true;
        choice.candidate = *taken.front();
        return choice;
    }
    if (taken.size() > 1)
        choice.reason = std::to_string(taken.size()) + " " + what + "s on TMDB are named " + quoted;
    else if (!named.empty())
        choice.reason = "no " + std::string(what) + " named " + bare + " on TMDB is of " + std::to_string(year);
    else if (!found.empty())
        choice.reason = "no " + std::string(what) + " on TMDB is named exactly " + quoted;
    else
        choice.reason = "TMDB knows no " + std::string(what) + " named " + quoted;
    return choice;
}

std::string OverviewStart(const std::string& overview, size_t words)
{
    std::string start;
    size_t count = 0;
    size_t at = 0;
    while (at < overview.size()) {
        const size_t begin = overview.find_first_not_of(" \t\r\n", at);
        if (begin == std::string::npos)
            break;
        const size_t end = std::min(overview.find_first_of(" \t\r\n", begin), overview.size());
        if (count == words)
            return start + "...";
        start += (count ? " " : "") + overview.substr(begin, end - begin);
        ++count;
        at = end;
    }
    return start;
}

const char* TmdbKindName(TmdbKind kind)
{
    return kind == TmdbKind::Show ? "tv" : "movie";
}

std::string CandidateText(TmdbKind kind, const TmdbCandidate& candidate, size_t words)
{
    std::string line = std::string(TmdbKindName(kind)) + "/" + std::to_string(candidate.id) + "  " + candidate.name;
    if (candidate.year)
        line += " (" + std::to_string(candidate.year) + ")";
    const std::string start = words ? OverviewStart(candidate.overview, words) : std::string();
    return start.empty() ? line : line + "  " + start;
}
