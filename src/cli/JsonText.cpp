#include "cli/JsonText.h"

#include <cstdio>

#include "platform/Text.h"

std::string JsonString(const std::string& text)
{
    std::string json = "\"";
    char escaped[8];
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8SequenceLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            std::snprintf(escaped, sizeof(escaped), "\\udc%02x", byte);
            json += escaped;
            ++i;
            continue;
        }
        if (length > 1) {
            json.append(text, i, length);
            i += length;
            continue;
        }
        ++i;
        switch (byte) {
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
                if (byte < 0x20) {
                    std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
                    json += escaped;
                } else {
                    json += static_cast<char>(byte);
                }
        }
    }
    return json + "\"";
}
