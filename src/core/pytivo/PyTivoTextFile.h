#pragma once
// pyTivo's metadata text files: "Movie.mkv.txt", "default.txt" and the
// ones in ".meta" ("key : value"), and "Movie.properties" ("key=value").
#include <string>
#include <vector>

#include "core/pytivo/PyTivoValues.h"

// A key and its value as the file's bytes hold them.
struct PyTivoTextLine {
    std::string key;
    std::string value;
};

// The keyed lines of such a file as pyTivo reads them: lines end at CR LF,
// CR or LF; a UTF-8 byte-order mark that starts a line is dropped; a line
// whose text starts with "#" after white space, or without the separator,
// is skipped; key and value are split at the first separator and stripped
// of white space, and a line whose key or value is empty is skipped. False,
// with why in refusal, for a file pyTivo cannot read: UTF-16 text, or any
// other holding NUL bytes, whose values would break what pyTivo sends. The
// lines skipped for want of the separator (neither blank nor comments) go
// to unkeyed when given.
bool ReadPyTivoTextLines(const std::string& bytes, char separator, std::vector<PyTivoTextLine>& lines,
                         std::string& refusal, std::vector<std::string>* unkeyed = nullptr);

// Adds one file's lines to the values of the text files read before it: a
// key that starts with "v" gains an item, any other takes the value. Keys
// and values are read as UTF-8, else as Windows-1252, as pyTivo's output
// decodes them.
void MergePyTivoTextLines(const std::vector<PyTivoTextLine>& lines, const std::string& source,
                          PyTivoValues& values);

// The ratings of the text files, once all are merged: upper-cased and found
// in pyTivo's tables, else taken as a whole number, else kept as written.
void MapTextRatings(PyTivoValues& values);
