#pragma once
// The engine's rule for a free name when a copy would land on an existing
// file: "Copy of X", then "Copy (1) of X", "Copy (2) of X", ... Pure text
// work, so it needs no file system.
#include <string>

// The next candidate after path (drive and folder kept, only the file name
// changes). Only names the rule itself made are counted on: "Copy of X"
// becomes "Copy (1) of X", "Copy (n) of X" becomes "Copy (n+1) of X"; any
// other name, even one with "Copy " or parentheses of its own, gets
// "Copy of " in front.
std::string MakeCopyName(const std::string& path);

// Where the file name of path begins: after the last "\" or "/", or after
// the drive of a path like "C:name"; 0 when the path is a bare name.
size_t FileNameStart(const std::string& path);
