#pragma once
// A property list as Python 2's plistlib.readPlistFromString reads it:
// pyTivo reads the cast and crew of a movie's iTunMOVI tag and any key of
// its own tiVoINFO tag so. The XML comes through platform/Xml.h.
#include <optional>
#include <string>
#include <vector>

struct PlistValue {
    enum class Kind { String, Integer, Real, Bool, Date, Data, Array, Dict };
    Kind kind = Kind::String;
    // A string, an integer or a real as Python prints it, "True" or
    // "False", a date or data as written.
    std::string text;
    // An array's values in order; a dict's values, each under the key of
    // the same place in keys (a key given twice keeps its last value).
    std::vector<PlistValue> items;
    std::vector<std::string> keys;

    // A dict's value under the key; nullptr when it has none.
    const PlistValue* Find(const std::string& key) const;
};

// The root object, as plistlib builds it: elements it does not know are
// passed over, a value that closes later than another replaces it at the
// top. Nothing when plistlib raises (no XML, an integer int() refuses, a
// value in a dict without a key, a key in an array); an object without
// any value inside gives a root of nothing, told by rootless.
std::optional<PlistValue> ReadPythonPlist(const std::string& bytes, bool* rootless);
