#pragma once
// How Python 2, which pyTivo runs on, reads numbers, names and file times:
// pyTivo's answers rest on these readings, so the model of what pyTivo
// reads takes them from here.
#include <optional>
#include <string>

// The text without Python's white space (space, tab, line feed, carriage
// return, vertical tab, form feed) at either end, as str.strip() leaves it.
std::string PythonStripped(const std::string& text);

// int(text): the whole number as Python prints it (no leading zeros, a
// minus sign only before a number other than 0), of any length; nothing
// when int() refuses the text. White space may surround the number and
// follow its sign ("- 5" is -5).
std::optional<std::string> PythonIntText(const std::string& text);
// The same number; nothing also when it does not fit in a long long.
std::optional<long long> PythonIntValue(const std::string& text);

// float(text): digits with an optional point and exponent, or "inf",
// "infinity" or "nan" in any letter case, each with an optional sign and
// white space around; nothing when float() refuses the text.
std::optional<double> PythonFloat(const std::string& text);

// "%0Nd" of a number as PythonIntText prints it: zeros after the sign up
// to the width ("-005" for -5 in four places).
std::string ZeroPadded(const std::string& number, size_t width);

// os.path.splitext(name)[0] for a file name: the name without its last
// extension; dots that only lead the name make none (".hidden", "..mkv").
std::string PythonStem(const std::string& name);

// datetime.utcfromtimestamp(t).isoformat(), for t a file's modification
// time as Python's os.stat gives it (seconds since 1970 as a double): the
// UTC time as "YYYY-MM-DDTHH:MM:SS", with ".ffffff" when its microseconds
// (rounded as Python rounds them) are not 0. Nothing for a time Python's
// dates do not reach (before year 1, after 9999).
std::optional<std::string> PythonUtcIsoTime(long long seconds, unsigned hundredNanoseconds);
