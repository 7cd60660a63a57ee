#include "core/library/NameWords.h"

#include <cstring>
#include <string_view>

#include "platform/Text.h"

namespace name_words {

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsQualityWord(const std::string& lower)
{
    static const std::string_view kTags[] = {
        "4k",    "8k",    "uhd",    "x264",    "x265",    "h264",   "h265",   "hevc",   "avc",
        "xvid",  "divx",  "hdtv",   "pdtv",    "sdtv",    "dsr",    "dvdrip", "dvdr",   "dvdscr",
        "bdrip", "brrip", "bluray", "blu-ray", "bdremux", "web-dl", "webdl",  "webrip", "web-rip",
        "hdrip", "hdcam", "camrip", "remux",   "10bit",   "8bit",   "hdr10",  "aac",    "aac2",
        "ac3",   "eac3",  "dd5",    "ddp5",    "dts",     "truehd", "atmos",  "flac",
    };
    for (const std::string_view tag : kTags) {
        if (lower == tag)
            return true;
    }
    // A picture height: "720p", "1080i", "2160p".
    int height = 0;
    return lower.size() >= 4 && (lower.back() == 'p' || lower.back() == 'i') &&
           IsNumber(lower.substr(0, lower.size() - 1), 3, 4, height);
}

// Quality, source and codec marks, in any letter case: where one stands,
// the title has ended. Brackets around and a release group after a dash
// ("x264-GROUP", "[WEBDL-1080p]") belong to it.
bool IsQualityTag(const std::string& token)
{
    std::string lower = TrimmedOf(token, "()[]");
    for (char& c : lower)
        c = Lower(c);
    const size_t dash = lower.rfind('-');
    return IsQualityWord(lower) || (dash != std::string::npos && IsQualityWord(lower.substr(0, dash)));
}

bool IsSingleLetter(const Token& token)
{
    return token.text.size() == 1 && IsAsciiLetter(token.text[0]);
}

}  // namespace

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Is(const std::string& text, const char* word)
{
    return text.size() == std::strlen(word) && StartsWithIgnoringAsciiCase(text, word);
}

bool IsDash(const std::string& text)
{
    return text == "-" || text == "--";
}

size_t ReadDigits(const std::string& text, size_t& i, int& value)
{
    const size_t start = i;
    value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (i - start < 9)
            value = value * 10 + (text[i] - '0');
    }
    return i - start;
}

bool ReadNumber(const std::string& text, size_t& i, size_t fewest, size_t most, int& value)
{
    const size_t digits = ReadDigits(text, i, value);
    return digits >= fewest && digits <= most;
}

bool IsNumber(const std::string& text, size_t fewest, size_t most, int& value)
{
    size_t i = 0;
    return ReadNumber(text, i, fewest, most, value) && i == text.size();
}

bool IsYear(int value)
{
    return value >= 1900 && value <= 2099;
}

int YearOf(const std::string& token, bool& bracketed)
{
    bracketed =
        token.size() == 6 && ((token[0] == '(' && token[5] == ')') || (token[0] == '[' && token[5] == ']'));
    int year = 0;
    const bool digits = bracketed ? IsNumber(token.substr(1, 4), 4, 4, year) : IsNumber(token, 4, 4, year);
    return digits && IsYear(year) ? year : 0;
}

int ReleaseYearOf(const Token& token)
{
    bool bracketed = false;
    const int year = YearOf(token.text, bracketed);
    return bracketed || token.before != ' ' ? year : 0;
}

bool IsReleaseTag(const std::string& token)
{
    static const std::string_view kTags[] = {
        "PROPER",  "REPACK", "RERIP",      "REAL",   "INTERNAL", "iNTERNAL", "LIMITED", "EXTENDED",
        "UNRATED", "UNCUT",  "REMASTERED", "DUBBED", "SUBBED",   "READNFO",  "DIRFIX",  "NFOFIX",
        "MULTI",   "DUAL",   "WEB",        "DVD",    "HDR",      "DV",       "NF",      "AMZN",
        "DSNP",    "HMAX",   "ATVP",       "HULU",   "PCOK"};
    for (const std::string_view tag : kTags) {
        if (token == tag)
            return true;
    }
    return false;
}

size_t EndOfTitle(const Tokens& tokens, size_t from, bool episodeTitle)
{
    for (size_t i = from; i < tokens.size(); ++i) {
        const std::string& text = tokens[i].text;
        if (IsQualityTag(text) || (episodeTitle && (IsReleaseTag(text) || text.front() == '[')))
            return i;
    }
    return tokens.size();
}

Tokens Split(const std::string& name)
{
    static const char kIdeographicSpace[] = "\xE3\x80\x80";
    Tokens tokens;
    Token word;
    char gap = '\0';
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool wide = name.compare(i, 3, kIdeographicSpace) == 0;
        const bool dotBetweenWords =
            c == '.' && i > 0 && i + 1 < name.size() && name[i - 1] != ' ' && name[i + 1] != ' ';
        if (c == ' ' || c == '_' || wide || dotBetweenWords) {
            if (!word.text.empty())
                tokens.push_back(word);
            word.text.clear();
            // Spaces count over dots: "Show - .2012" is spaced.
            gap = gap == ' ' || wide ? ' ' : c;
            i += wide ? 2 : 0;
        } else {
            if (word.text.empty())
                word.before = tokens.empty() ? '\0' : gap;
            word.text += c;
            gap = '\0';
        }
    }
    if (!word.text.empty())
        tokens.push_back(word);
    if (!tokens.empty() && tokens.front().text.front() == '[') {
        for (size_t i = 0; i + 1 < tokens.size(); ++i) {
            if (tokens[i].text.back() == ']') {
                tokens.erase(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                tokens.front().before = '\0';
                break;
            }
        }
    }
    return tokens;
}

std::string Join(const Tokens& tokens, size_t from, size_t to)
{
    while (from < to && IsDash(tokens[from].text))
        ++from;
    while (to > from && (IsDash(tokens[to - 1].text) || IsReleaseTag(tokens[to - 1].text)))
        --to;
    const auto linked = [&](size_t i) {  // token i follows a letter by a dot
        return i > from && i < to && tokens[i].before == '.' && IsSingleLetter(tokens[i]) &&
               IsSingleLetter(tokens[i - 1]);
    };
    std::string text;
    for (size_t i = from; i < to; ++i) {
        if (!text.empty() && !linked(i))
            text += ' ';
        text += tokens[i].text;
        if (linked(i) || linked(i + 1))
            text += '.';
    }
    return text;
}

bool IsCameraName(const Tokens& tokens)
{
    static const char* const kPrefixes[] = {"img", "mvi",  "mov", "dsc",  "dscn", "dscf", "vid",
                                            "pxl", "gopr", "dji", "cimg", "sany", "mah",  "hpim"};
    if (tokens.size() < 2 || !IsAllDigits(tokens[1].text))
        return false;
    for (const char* prefix : kPrefixes) {
        if (Is(tokens[0].text, prefix))
            return true;
    }
    return false;
}

}  // namespace name_words
