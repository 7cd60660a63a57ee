#pragma once
// The files of tests/data/tags (movies tagged by real tagging tools; see
// make-fixtures.sh there), built into the test programs.
#include <string>

// The bytes of the file of that name; empty when there is none.
std::string TestFileBytes(const std::string& name);
