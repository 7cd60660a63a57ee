#pragma once
// Path texts: UTF-8, absolute, with the system's separator (the backslash on
// Windows, the slash elsewhere). Pure text work; nothing asks the disk.
#include <string>
#include <vector>

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// The text after the last separator (all of it when there is none); without
// keepExtension also cut before that name's last ".".
std::string FileNameOf(const std::string& path, bool keepExtension);

// Everything before the last separator; the path itself when it has none.
std::string ParentFolderOf(const std::string& path);

// From the last "." of the path to its end, dot included; empty without one.
std::string ExtensionOf(const std::string& path);

// The path without one trailing separator.
std::string StripTrailingSeparator(const std::string& path);

// The text after the last separator once a trailing one is removed; empty
// for a bare name without any separator.
std::string LastPathComponent(const std::string& path);

// The path with exactly one trailing separator (empty stays empty).
std::string AddTrailingSeparator(const std::string& path);

// How many characters a name (one part of a path) may have: 255, counted as
// UTF-16 units on Windows and as bytes elsewhere.
constexpr size_t kMaxNameLength = 255;
// The length of the path's last name as the file system counts it.
size_t NameLength(const std::string& path);

// The folders above a full path's folder, nearest first, up to the root of
// its disk: "/" elsewhere, "C:\" or "\\server\share\" on Windows, each root
// with its separator, other folders without. None for a root.
std::vector<std::string> FoldersAbove(const std::string& folder);
