// Strings of the JSON answers: escaped as JSON wants them, and a name that
// is not UTF-8 kept byte for byte in escapes a script can turn back.
#include <gtest/gtest.h>

#include <random>

#include "cli/JsonText.h"

namespace {

// The bytes a JSON string of ours stands for: what Python's json.loads and
// then .encode("utf-8", "surrogateescape") give.
std::string BytesOf(const std::string& json)
{
    std::string bytes;
    for (size_t i = 1; i + 1 < json.size(); ++i) {
        if (json[i] != '\\') {
            bytes += json[i];
            continue;
        }
        const char kind = json[++i];
        if (kind == 'u') {
            const unsigned value = static_cast<unsigned>(std::stoul(json.substr(i + 1, 4), nullptr, 16));
            i += 4;
            bytes += static_cast<char>(value >= 0xDC80 && value <= 0xDCFF ? value - 0xDC00 : value);
        } else {
            bytes += kind == 'n' ? '\n' : kind == 'r' ? '\r' : kind == 't' ? '\t' : kind;
        }
    }
    return bytes;
}

}  // namespace

TEST(JsonString, EscapesWhatJsonWantsAndKeepsEveryByteOfANameThatIsNoUtf8)
{
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"plain", "\"plain\""},
        {"a \"quoted\" \\ name\n\t\x01", "\"a \\\"quoted\\\" \\\\ name\\n\\t\\u0001\""},
        {"Café 映画 🎬", "\"Café 映画 🎬\""},                          // UTF-8 stays as it is
        {"Caf\xE9.mkv", "\"Caf\\udce9.mkv\""},                       // Windows-1252 on a Linux disk
        {"\xE2\x82", "\"\\udce2\\udc82\""},                          // a sequence cut short
        {"\xC0\xAF", "\"\\udcc0\\udcaf\""},                          // an overlong "/"
        {"\xED\xA0\x80", "\"\\udced\\udca0\\udc80\""},               // a surrogate written as UTF-8
        {"\xF4\x90\x80\x80", "\"\\udcf4\\udc90\\udc80\\udc80\""},  // above U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.json, JsonString(c.text)) << c.text;
        EXPECT_EQ(c.text, BytesOf(JsonString(c.text))) << c.text;
    }
}

TEST(JsonString, AnyBytesComeBackAsTheyWere)
{
    std::mt19937 random(20260102);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(static_cast<size_t>(random() % 12), '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random() % 2 ? 0x80 + random() % 0x80 : random() % 0x80);
        ASSERT_EQ(bytes, BytesOf(JsonString(bytes)));
    }
}
