#include "cli/JsonText.h"

#include <cstdio>

#include "platform/Text.h"

std::string JsonString(const std::string& text)
{
    const std::string utf8 = IsUtf8(text) ? text : FromUtf16(ToUtf16(text));
    std::string json = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof(escaped), "\\u%04x", static_cast<unsigned char>(c));
                    json += escaped;
                } else {
                    json += c;
                }
        }
    }
    return json + "\"";
}
