#include "core/pytivo/PythonRules.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/Text.h"

namespace {

const char kPythonSpace[] = " \t\n\r\v\f";

bool IsPythonSpace(char c)
{
    return c != '\0' && std::strchr(kPythonSpace, c) != nullptr;
}

size_t SkipSpace(const std::string& text, size_t at)
{
    while (at < text.size() && IsPythonSpace(text[at]))
        ++at;
    return at;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

size_t SkipDigits(const std::string& text, size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// Days since 1970-01-01 as a date of the Gregorian calendar, years before
// 1582 included, as Python's dates count them.
void DateOfDay(long long day, long long& year, unsigned& month, unsigned& dayOfMonth)
{
    day += 719468;  // from 0000-03-01, so that a leap day ends its year
    const long long era = (day >= 0 ? day : day - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(day - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    dayOfMonth = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

std::string PythonStripped(const std::string& text)
{
    return TrimmedOf(text, kPythonSpace);
}

std::optional<std::string> PythonIntText(const std::string& text)
{
    size_t at = SkipSpace(text, 0);
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        at = SkipSpace(text, at + 1);
    }
    const size_t digits = at;
    at = SkipDigits(text, at);
    if (at == digits || SkipSpace(text, at) != text.size())
        return std::nullopt;
    const size_t significant = text.find_first_not_of('0', digits);
    if (significant >= at)
        return std::string("0");
    return (negative ? "-" : "") + text.substr(significant, at - significant);
}

std::optional<long long> PythonIntValue(const std::string& text)
{
    const std::optional<std::string> number = PythonIntText(text);
    if (!number)
        return std::nullopt;
    errno = 0;
    const long long value = std::strtoll(number->c_str(), nullptr, 10);
    if (errno == ERANGE)
        return std::nullopt;
    return value;
}

std::optional<double> PythonFloat(const std::string& text)
{
    const std::string number = PythonStripped(text);
    size_t at = 0;
    bool negative = false;
    if (at < number.size() && (number[at] == '+' || number[at] == '-'))
        negative = number[at++] == '-';
    const std::string word = number.substr(at);
    if (StartsWithIgnoringAsciiCase(word, "inf") && (word.size() == 3 || word.size() == 8) &&
        StartsWithIgnoringAsciiCase("infinity", word))
        return negative ? -HUGE_VAL : HUGE_VAL;
    if (word.size() == 3 && StartsWithIgnoringAsciiCase(word, "nan"))
        return std::nan("");
    const size_t whole = SkipDigits(number, at);
    size_t end = whole;
    if (end < number.size() && number[end] == '.')
        end = SkipDigits(number, end + 1);
    if (whole == at && end <= whole + 1)
        return std::nullopt;  // no digit before or after the point
    if (end < number.size() && (number[end] == 'e' || number[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < number.size() && (number[exponent] == '+' || number[exponent] == '-'))
            ++exponent;
        end = SkipDigits(number, exponent);
        if (end == exponent)
            return std::nullopt;
    }
    if (end != number.size())
        return std::nullopt;
    // The text is plain decimal now, which strtod reads as Python does
    // (correctly rounded; the program keeps the "C" locale's point).
    return std::strtod(number.c_str(), nullptr);
}

std::string ZeroPadded(const std::string& number, size_t width)
{
    const size_t sign = !number.empty() && number[0] == '-' ? 1 : 0;
    if (number.size() >= width)
        return number;
    return number.substr(0, sign) + std::string(width - number.size(), '0') + number.substr(sign);
}

std::string PythonStem(const std::string& name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.find_first_not_of('.') >= dot)
        return name;
    return name.substr(0, dot);
}

std::optional<std::string> PythonUtcIsoTime(long long seconds, unsigned hundredNanoseconds)
{
    // The arithmetic of Python's os.stat and datetime, double for double:
    // the rounding of the microseconds depends on it.
    const double moment = static_cast<double>(seconds) + static_cast<double>(hundredNanoseconds * 100) * 1e-9;
    long long whole = static_cast<long long>(moment);
    const double fraction = (moment - static_cast<double>(whole)) * 1e6;
    long microseconds = static_cast<long>(fraction >= 0.0 ? std::floor(fraction + 0.5) : std::ceil(fraction - 0.5));
    if (microseconds < 0) {
        whole -= 1;
        microseconds += 1000000;
    }
    if (microseconds == 1000000) {
        whole += 1;
        microseconds = 0;
    }
    const long long secondOfDay = ((whole % 86400) + 86400) % 86400;
    long long year = 0;
    unsigned month = 0;
    unsigned day = 0;
    DateOfDay((whole - secondOfDay) / 86400, year, month, day);
    if (year < 1 || year > 9999)
        return std::nullopt;
    std::string text = FormatText("%04lld-%02u-%02uT%02lld:%02lld:%02lld", year, month, day, secondOfDay / 3600,
                                  secondOfDay / 60 % 60, secondOfDay % 60);
    if (microseconds != 0)
        text += FormatText(".%06ld", microseconds);
    return text;
}
