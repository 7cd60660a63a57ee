#pragma once
// Text inside the program is UTF-8 in std::string; Windows takes and gives
// UTF-16. Every crossing between the two goes through these functions.
#include <string>

// printf into a string of any length.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// UTF-8 to UTF-16; a byte that is no UTF-8 becomes U+FFFD.
std::wstring Widen(const std::string& utf8);
// UTF-16 to UTF-8.
std::string Narrow(const std::wstring& wide);
std::string Narrow(const wchar_t* wide);

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(const std::string& bytes);

// Compares as Windows compares file names: character by character, letter
// case ignored by the system's own upper-case table ("É" is "é", "ｆ" is
// not "f"); below, equal or above zero.
int CompareNamesIgnoringCase(const std::string& a, const std::string& b);

// The system's form of a path back as UTF-8, without the long-path prefix.
std::string PlainPath(const std::wstring& path);

// Windows-1252 bytes (the code page of the resource script, and of files
// that earlier versions wrote) to UTF-8.
std::string FromWindows1252(const std::string& bytes);
// UTF-8 to Windows-1252 bytes; false when a character has no place there
// (no "best fit" stand-ins: "Ω" is not "O").
bool ToWindows1252(const std::string& utf8, std::string& bytes);

// The path made full by the system's rules (relative to the current
// directory, "." and ".." resolved); as given when that fails.
std::wstring FullPath(const std::wstring& path);

// The form of a path that the wide file functions take: a full path behind
// the long-path prefix ("\\?\" or "\\?\UNC\" for a network path), so that
// paths of any length work and device names such as "con", "aux" or "com1"
// are plain file names there. A relative path is made full first; an empty
// one stays empty.
std::wstring FilePath(const std::string& path);
