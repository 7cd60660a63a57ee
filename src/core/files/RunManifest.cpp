#include "core/files/RunManifest.h"

#include "platform/ContentHash.h"
#include "platform/Environment.h"
#include "platform/HomeFolder.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

// The check of a line's text: eight digits of its hash.
std::string CheckOf(const std::string& text)
{
    return ContentHash(text).substr(0, 8);
}

std::string EncodeWord(const std::string& word)
{
    if (word.empty())
        return "-";
    if (word == "-")
        return "%2d";
    std::string encoded;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == '%' || byte == 0x7F)
            encoded += FormatText("%%%02x", byte);
        else
            encoded += c;
    }
    return encoded;
}

int HexValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool DecodeWord(const std::string& encoded, std::string& word)
{
    word.clear();
    if (encoded == "-")
        return true;
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            word += encoded[i];
            continue;
        }
        const int high = i + 2 < encoded.size() ? HexValue(encoded[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(encoded[i + 2]) : -1;
        if (low < 0)
            return false;
        word += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

}  // namespace

std::string RunsFolder()
{
    const std::string given = EnvironmentValue("REELMARK_RUNS");
    if (!given.empty())
        return StripTrailingSeparator(given);
    const std::string state = UserStateFolder();
    return state.empty() ? std::string() : state + kSeparator + "runs";
}

std::string ManifestLine(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + EncodeWord(word);
    return text + " " + CheckOf(text) + "\n";
}

bool ReadManifestLine(const std::string& line, std::vector<std::string>& words)
{
    const size_t space = line.rfind(' ');
    if (space == std::string::npos || line.compare(space + 1, std::string::npos, CheckOf(line.substr(0, space))) != 0)
        return false;
    words.clear();
    for (size_t start = 0; start <= space;) {
        const size_t end = line.find(' ', start);
        words.emplace_back();
        if (!DecodeWord(line.substr(start, end - start), words.back()))
            return false;
        start = end + 1;
    }
    return true;
}

bool IsRunName(const std::string& name)
{
    // Date, time, then the process and perhaps a count: digits and dashes.
    return name.size() > 16 && name[8] == '-' && name[15] == '-' && IsAllDigits(name.substr(0, 8)) &&
           IsAllDigits(name.substr(9, 6)) && name.find_first_not_of("0123456789-", 16) == std::string::npos &&
           name.back() != '-';
}
