#include "core/NameParser.h"

#include <cstring>
#include <vector>

#include "platform/Text.h"

namespace {

using Tokens = std::vector<std::string>;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowercase(std::string text)
{
    for (char& c : text)
        c = Lower(c);
    return text;
}

// Quality, source and codec marks: where one stands, the title has ended.
bool IsQualityTag(const std::string& token)
{
    static const char* const kTags[] = {
        "480p",   "576p",  "720p",   "1080p",  "1080i", "2160p", "4k",     "uhd",
        "x264",   "x265",  "h264",   "h265",   "hevc",  "xvid",  "divx",   "hdtv",
        "pdtv",   "dsr",   "dvdrip", "dvdscr", "bdrip", "brrip", "bluray", "blu-ray",
        "web-dl", "webdl", "webrip", "hdrip",  "hdcam", "remux", "10bit",
    };
    const std::string lower = Lowercase(token);
    // A release group may hang on the last tag: "x264-GROUP", "WEB-DL-GROUP".
    const size_t dash = lower.rfind('-');
    const std::string head = dash == std::string::npos ? lower : lower.substr(0, dash);
    for (const char* tag : kTags) {
        if (lower == tag || head == tag)
            return true;
    }
    return false;
}

// Release marks that scene names write in capitals only; in other letters
// they are ordinary words of a title.
bool IsReleaseTag(const std::string& token)
{
    static const char* const kTags[] = {"PROPER",  "REPACK",     "INTERNAL", "LIMITED", "EXTENDED",
                                        "UNRATED", "REMASTERED", "DUBBED",   "SUBBED",  "READNFO"};
    for (const char* tag : kTags) {
        if (token == tag)
            return true;
    }
    return false;
}

int NumberOf(const std::string& digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// A year: four digits from 1900 to 2099, bare or in round or square brackets.
int YearOf(const std::string& token, bool& bracketed)
{
    std::string digits = token;
    bracketed =
        token.size() == 6 && ((token[0] == '(' && token[5] == ')') || (token[0] == '[' && token[5] == ']'));
    if (bracketed)
        digits = token.substr(1, 4);
    if (digits.size() != 4 || !IsAllDigits(digits))
        return 0;
    const int year = NumberOf(digits);
    return year >= 1900 && year <= 2099 ? year : 0;
}

// "S01E02", "s1e2", "S01E02E03", "S01E02-E03", "S01E02-03": season and
// first episode.
bool ReadSeasonEpisode(const std::string& token, int& season, int& episode)
{
    size_t i = 0;
    if (token.empty() || Lower(token[0]) != 's')
        return false;
    ++i;
    const size_t seasonStart = i;
    while (i < token.size() && IsDigit(token[i]))
        ++i;
    const size_t seasonDigits = i - seasonStart;
    if (seasonDigits < 1 || seasonDigits > 2 || i >= token.size() || Lower(token[i]) != 'e')
        return false;
    season = NumberOf(token.substr(seasonStart, seasonDigits));
    bool first = true;
    while (i < token.size()) {
        if (token[i] == '-')
            ++i;
        if (i < token.size() && Lower(token[i]) == 'e')
            ++i;
        else if (first)
            return false;
        const size_t start = i;
        while (i < token.size() && IsDigit(token[i]))
            ++i;
        if (i - start < 1 || i - start > 3)
            return false;
        if (first)
            episode = NumberOf(token.substr(start, i - start));
        first = false;
    }
    return true;
}

// "1x02", "01x02", "1X102": season of one or two digits, episode of two or
// three (so "1920x1080" is a picture size, not an episode).
bool ReadCrossEpisode(const std::string& token, int& season, int& episode)
{
    const size_t x = token.find_first_of("xX");
    if (x == std::string::npos || x < 1 || x > 2)
        return false;
    const std::string left = token.substr(0, x);
    const std::string right = token.substr(x + 1);
    if (!IsAllDigits(left) || !IsAllDigits(right) || right.size() < 2 || right.size() > 3)
        return false;
    season = NumberOf(left);
    episode = NumberOf(right);
    return true;
}

// Splits the name into words. Spaces, underscores and dots between two
// words separate; a dot before a space or at the end stays ("Mr. Smith").
Tokens Split(const std::string& name)
{
    Tokens tokens;
    std::string word;
    const auto flush = [&] {
        if (!word.empty())
            tokens.push_back(word);
        word.clear();
    };
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool dotBetweenWords =
            c == '.' && i > 0 && i + 1 < name.size() && name[i - 1] != ' ' && name[i + 1] != ' ';
        if (c == ' ' || c == '_' || dotBetweenWords) {
            flush();
        } else {
            word += c;
        }
    }
    flush();
    // A release group in square brackets before the title: "[Group] Show".
    if (tokens.size() > 1 && tokens.front().front() == '[' && tokens.front().back() == ']')
        tokens.erase(tokens.begin());
    return tokens;
}

bool IsDash(const std::string& token)
{
    return token == "-" || token == "--";
}

// The words from..to (exclusive) joined by single spaces, without leading
// or trailing dashes and without release marks at their end.
std::string Join(const Tokens& tokens, size_t from, size_t to)
{
    while (from < to && IsDash(tokens[from]))
        ++from;
    while (to > from && (IsDash(tokens[to - 1]) || IsReleaseTag(tokens[to - 1])))
        --to;
    std::string text;
    for (size_t i = from; i < to; ++i) {
        if (!text.empty())
            text += ' ';
        text += tokens[i];
    }
    return text;
}

// The first quality tag from `from` on; the end when there is none.
size_t FirstQualityTag(const Tokens& tokens, size_t from)
{
    for (size_t i = from; i < tokens.size(); ++i) {
        if (IsQualityTag(tokens[i]))
            return i;
    }
    return tokens.size();
}

bool ParseEpisode(const Tokens& tokens, ParsedName& parsed)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!ReadSeasonEpisode(tokens[i], parsed.season, parsed.episode) &&
            !ReadCrossEpisode(tokens[i], parsed.season, parsed.episode))
            continue;
        parsed.kind = ParsedName::Kind::Episode;
        parsed.title = Join(tokens, 0, i);
        parsed.episodeTitle = Join(tokens, i + 1, FirstQualityTag(tokens, i + 1));
        return true;
    }
    return false;
}

bool ParseMovie(const Tokens& tokens, bool spaced, ParsedName& parsed)
{
    const size_t tag = FirstQualityTag(tokens, 1);
    // The last year before the tags that follows at least one word of the
    // title ("2001 A Space Odyssey" has none). Between spaces a bare number
    // is a year only right before a tag: "Blade Runner 2049" is a title.
    size_t yearAt = 0;
    for (size_t i = 1; i < tag; ++i) {
        bool bracketed = false;
        const int year = YearOf(tokens[i], bracketed);
        const bool rightBeforeTag = i + 1 == tag && tag < tokens.size();
        if (year != 0 && (bracketed || !spaced || rightBeforeTag)) {
            parsed.year = year;
            yearAt = i;
        }
    }
    const size_t end = yearAt != 0 ? yearAt : tag;
    if (end >= tokens.size())
        return false;  // neither a year nor a tag: a name of its own
    parsed.title = Join(tokens, 0, end);
    if (parsed.title.empty())
        return false;
    parsed.kind = ParsedName::Kind::Movie;
    return true;
}

}  // namespace

ParsedName ParseMovieName(const std::string& fileName)
{
    const size_t dot = fileName.rfind('.');
    const std::string name = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    ParsedName parsed;
    const Tokens tokens = Split(name);
    if (tokens.empty() || ParseEpisode(tokens, parsed))
        return parsed;
    if (!ParseMovie(tokens, name.find(' ') != std::string::npos, parsed))
        parsed = ParsedName();
    return parsed;
}

std::string EpisodeNumberText(int season, int episode)
{
    const std::string number = std::to_string(episode);
    if (season == 0)
        return number;
    return std::to_string(season) + (episode < 10 ? "0" : "") + number;
}
