#pragma once
// The order in which Python 2 walks a dictionary of byte-string keys. pyTivo
// applies a movie's MP4 tags in the order mutagen's dictionary gives them,
// so where two tags set the same key the one Python walks later wins.
#include <string>
#include <vector>

// hash() of a Python 2 byte string, as a 64-bit Python computes it (the
// first places of a table's order do not depend on the width).
unsigned long long PythonStringHash(const std::string& bytes);

// The keys, given in the order they were first put into a new dict (none
// ever removed), in the order Python 2.7 walks them.
std::vector<std::string> PythonDictOrder(const std::vector<std::string>& insertedKeys);
