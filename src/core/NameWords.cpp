#include "core/NameWords.h"

#include <string_view>

#include "platform/Text.h"

namespace {

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
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
    // A picture height of three or four digits: "720p", "1080i", "2160p".
    return lower.size() >= 4 && lower.size() <= 5 && (lower.back() == 'p' || lower.back() == 'i') &&
           IsAllDigits(lower.substr(0, lower.size() - 1));
}

bool IsInvisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || c == 0x180E || c == 0x200B || c == 0x200E ||
           c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

// Spaces that do not break a line, and the typographic spaces.
bool IsSpaceThatBinds(char32_t c)
{
    return c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F;
}

}  // namespace

bool IsQualityTag(const std::string& token)
{
    const std::string lower = LowerAscii(TrimmedOf(token, "()[]"));
    const size_t dash = lower.rfind('-');
    return IsQualityWord(lower) || (dash != std::string::npos && IsQualityWord(lower.substr(0, dash)));
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

std::string TitleTextOf(const std::string& name)
{
    std::string text;
    text.reserve(name.size());
    for (size_t at = 0; at < name.size();) {
        const size_t start = at;
        const char32_t c = NextCharacter(name, at);
        if (IsSpaceThatBinds(c) || c == U'\t')
            text += ' ';
        else if (!IsInvisible(c))
            text.append(name, start, at - start);
    }
    return TrimmedOf(text, " ");
}
