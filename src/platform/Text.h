#pragma once
// Text inside the program is UTF-8 in std::string. The system's own forms
// (UTF-16 on Windows) and the code page of older files are reached only
// through these functions.
#include <string>

// printf into a string of any length.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Whether the text begins with start, letter case of the ASCII letters
// ignored (".MPG" begins with ".mpg" on every system).
bool StartsWithIgnoringAsciiCase(const std::string& text, const std::string& start);

// Whether the text is one or more ASCII digits.
bool IsAllDigits(const std::string& text);

// The bytes as lower-case hexadecimal digits, two for each.
std::string HexText(const void* bytes, size_t size);

// The text without the given characters at either end.
std::string TrimmedOf(const std::string& text, const char* characters = " \t");

// Whether the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsUtf8(const std::string& bytes);
// The number of bytes of the well-formed UTF-8 sequence that starts at
// bytes[at]; 0 when that byte starts none.
size_t Utf8SequenceLength(const std::string& bytes, size_t at);
// The character that starts at bytes[at], moving at past it; U+FFFD (and at
// one byte on) for a byte that starts no well-formed sequence.
char32_t NextCharacter(const std::string& bytes, size_t& at);

// UTF-8 as UTF-16 (a byte that is no UTF-8 becomes U+FFFD) and back.
std::u16string ToUtf16(const std::string& utf8);
std::string FromUtf16(const std::u16string& utf16);

// Windows-1252 bytes (the code page of the resource script, and of files
// that earlier versions wrote) to UTF-8.
std::string FromWindows1252(const std::string& bytes);

// UTF-8 to Windows-1252 bytes; false when a character has no place there
// (no "best fit" stand-ins: "Ω" is not "O").
bool ToWindows1252(const std::string& utf8, std::string& bytes);

// Text files are Windows-1252 when it holds every character on Windows,
// where earlier versions wrote them so; elsewhere always UTF-8.
#ifdef _WIN32
constexpr bool kTextFilesInWindows1252 = true;
#else
constexpr bool kTextFilesInWindows1252 = false;
#endif

// Compares two file names as the file system does: on Windows character by
// character with letter case ignored by the system's own upper-case table
// ("É" is "é", "ｆ" is not "f"), elsewhere byte for byte; below, equal or
// above zero.
int CompareFileNames(const std::string& a, const std::string& b);

// A key that is the same for two names exactly when the file system takes
// them for the same name.
std::string FileNameKey(const std::string& name);

// The path made full by the system's rules (relative to the current
// directory, "." and ".." resolved); as given when that fails.
std::string FullPathOf(const std::string& path);

#ifdef _WIN32
// UTF-8 to UTF-16 and back, as the wide Windows functions take them.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
std::string Narrow(const wchar_t* wide);
// The same as CompareFileNames (the windows compare names so everywhere).
int CompareNamesIgnoringCase(const std::string& a, const std::string& b);
// The system's form of a path back as UTF-8, without the long-path prefix.
std::string PlainPath(const std::wstring& path);
std::wstring FullPath(const std::wstring& path);
// The form of a path that the wide file functions take: a full path behind
// the long-path prefix ("\\?\" or "\\?\UNC\" for a network path), so that
// paths of any length work and device names such as "con", "aux" or "com1"
// are plain file names there. A relative path is made full first; an empty
// one stays empty.
std::wstring FilePath(const std::string& path);
#endif
