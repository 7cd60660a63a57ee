#include "platform/Text.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

// The characters of 0x80 to 0x9F in Windows-1252; the five bytes it leaves
// undefined stand for the control characters of the same number, as Windows
// reads them.
const char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const char32_t kInvalid = 0xFFFFFFFF;

// The code point that starts at bytes[i], moving i past it; kInvalid (with i
// one byte on) for a byte that starts no well-formed sequence.
char32_t NextCodePoint(const std::string& bytes, size_t& i)
{
    const unsigned char lead = static_cast<unsigned char>(bytes[i++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, value = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, value = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, value = lead & 0x07, lowest = 0x10000;
    } else {
        return kInvalid;
    }
    const size_t start = i;
    for (int k = 0; k < extra; ++k) {
        if (i >= bytes.size() || (static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) {
            i = start;
            return kInvalid;
        }
        value = (value << 6) | (static_cast<unsigned char>(bytes[i++]) & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        i = start;
        return kInvalid;
    }
    return value;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool StartsWithIgnoringAsciiCase(const std::string& text, const std::string& start)
{
    if (text.size() < start.size())
        return false;
    for (size_t i = 0; i < start.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(start[i])))
            return false;
    }
    return true;
}

std::string HexText(const void* bytes, size_t size)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        const unsigned char byte = static_cast<const unsigned char*>(bytes)[i];
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

bool IsAllDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string TrimmedOf(const std::string& text, const char* characters)
{
    const size_t first = text.find_first_not_of(characters);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

bool IsUtf8(const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        if (NextCodePoint(bytes, i) == kInvalid)
            return false;
    }
    return true;
}

size_t Utf8SequenceLength(const std::string& bytes, size_t at)
{
    size_t next = at;
    return at < bytes.size() && NextCodePoint(bytes, next) != kInvalid ? next - at : 0;
}

char32_t NextCharacter(const std::string& bytes, size_t& at)
{
    const char32_t c = NextCodePoint(bytes, at);
    return c == kInvalid ? 0xFFFD : c;
}

std::u16string ToUtf16(const std::string& utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = NextCodePoint(utf8, i);
        if (c == kInvalid)
            c = 0xFFFD;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string FromUtf16(const std::u16string& utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        AppendUtf8(out, c);
    }
    return out;
}

std::string FromWindows1252(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes) {
        const unsigned char b = static_cast<unsigned char>(byte);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b);
    }
    return out;
}

bool ToWindows1252(const std::string& utf8, std::string& bytes)
{
    bytes.clear();
    bytes.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        if (c == kInvalid)
            return false;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes += static_cast<char>(c);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32 && found < 0; ++k)
            found = kHighControls[k] == c ? k : -1;
        if (found < 0)
            return false;
        bytes += static_cast<char>(0x80 + found);
    }
    return true;
}

std::string FormatText(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::vector<char> buffer(length > 0 ? length + 1 : 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, again);
    va_end(again);
    return buffer.data();
}
