#pragma once
// The settings file store: a text file of sections, key=value lines and
// comment lines. Nothing is kept between calls: every operation reads the
// whole file, and every change writes the whole file back.
//
// File text, as written (LF here, CR LF on disk):
//   - each entry: its comment lines unchanged, then its marker (a space for
//     an active entry, "#" or ";" for one that was commented out), then
//     "[section]" for a section header or "key=value" for a value, then a
//     line end. There are no blank lines, no quoting and no escaping.
//   - a value that holds line feeds continues on lines of its own: every
//     line feed of the value is written as a line feed followed by a tab and
//     "|" (kIniContinuation), so "a\nb" becomes " key=a" LF TAB "|b" LF.
//     Continuation lines are read untrimmed, and the key line's value keeps
//     its trailing characters when a continuation follows, so such a value
//     comes back byte for byte (carriage returns included). A value without
//     line feeds is written exactly as before. Files that hold continuation
//     lines written raw (without the prefix) read as they always did: such a
//     line is taken for a line of its own.
//
// File text, as read (line by line; CR LF or LF ends a line, a last line
// without a line end counts too):
//   - lines are trimmed of " \t\r\n"; blank lines are dropped.
//   - a line starting with "#" or ";" that holds neither "[" nor "=" is a
//     comment line; one that holds either is a commented-out entry: its
//     first character becomes the marker and the rest, trimmed again, is
//     read as a section or key line.
//   - "[name]..." starts a section (the text up to the first "]"); any other
//     line with "=" after a non-empty key is a key line of the current
//     section (key and value are not trimmed).
//   - comment lines, and lines the store does not understand (no "=", a
//     section line without "]", an empty key), travel as comment text with
//     the entry that follows them, so a rewrite keeps them as they stood;
//     those after the last entry are kept by a closing entry with the
//     marker kIniTrailerMarker.
// Lookups compare section and key exactly (letter case included) and ignore
// the marker: a commented-out entry is found and updated like an active one.
#include <string>
#include <vector>

// One entry of the file.
struct IniRecord {
    std::string comments;  // comment lines before the entry, each with its line feed
    char marker = ' ';     // ' ' active; '#' or ';' commented out
    std::string section;   // the entry's section; a header's own name
    std::string key;       // empty for a section header
    std::string value;     // empty for a section header
};

// Marker of the closing entry that only carries the lines after the last
// real entry: it has no line of its own and lookups never match it.
constexpr char kIniTrailerMarker = '\0';

// Written before every continuation line of a value that holds line feeds.
constexpr const char* kIniContinuation = "\t|";

// The characters that reading trims from both ends of a line.
constexpr const char* kIniTrimChars = " \t\n\r";

// The entries of a file given as its lines (without line ends).
std::vector<IniRecord> ParseIniLines(const std::vector<std::string>& lines);

// The file text of the entries, with LF line ends.
std::string FormatIniRecords(const std::vector<IniRecord>& records);

// The first entry with that section and key; nullptr when there is none.
const IniRecord* FindIniEntry(const std::vector<IniRecord>& records, const std::string& section,
                              const std::string& key);
// Whether any entry (header or value) belongs to the section.
bool HasIniSection(const std::vector<IniRecord>& records, const std::string& section);
// Sets the value of the first matching entry; a new key goes right after
// the first entry of its section, a new section with its key to the end.
void SetIniValue(std::vector<IniRecord>& records, const std::string& key, const std::string& value,
                 const std::string& section);

// The largest settings file read: the program's own are a few kilobytes.
constexpr size_t kLargestIniFile = 1 << 20;

class CIniFile {
public:
    enum TrimSide { kTrimBoth = 0, kTrimStart = 1, kTrimEnd = 2 };

    virtual ~CIniFile() = default;

    // Replaces the list with the file's entries; false (list untouched) when
    // the file cannot be read, with the system's error code in *error: a
    // pipe or a device is no settings file (kErrorNotAFile), nor is a file
    // over kLargestIniFile bytes (kErrorTooLarge).
    bool ReadRecords(const std::string& fileName, std::vector<IniRecord>& records,
                     unsigned long* error = nullptr) const;
    // Replaces the file with the entries in one step; false when it cannot
    // be written (the system's error code in *error), the file then stays as
    // it was.
    bool WriteRecords(const std::string& fileName, const std::vector<IniRecord>& records,
                      unsigned long* error = nullptr) const;
    // Creates the file empty, or empties it.
    bool CreateEmpty(const std::string& fileName) const;
    // Appends a header for the section at the end, even when the section
    // exists already; false when the file cannot be read or written.
    bool AppendSection(const std::string& section, const std::string& fileName) const;
    // A copy of the first entry with that section and key; empty when there
    // is none or the file cannot be read.
    std::vector<IniRecord> FindRecords(const std::string& key, const std::string& section,
                                       const std::string& fileName) const;
    // Whether any entry belongs to the section; true when the file cannot be read.
    bool HasSection(const std::string& section, const std::string& fileName) const;
    // Whether the key exists in the section; true when the file cannot be read.
    bool HasKey(const std::string& key, const std::string& section, const std::string& fileName) const;
    // Sets the value of the first matching entry; a new key goes right after
    // the first entry of its section, a new section with its key to the end.
    // false when the file cannot be read or written.
    bool WriteValue(const std::string& key, const std::string& value, const std::string& section,
                    const std::string& fileName) const;
    // The value of the first matching entry; empty when there is none.
    std::string ReadValue(const std::string& key, const std::string& section,
                          const std::string& fileName) const;

    // The text without the characters of the set at the given side(s).
    static std::string TrimChars(const std::string& text, const std::string& chars,
                                 TrimSide side = kTrimBoth);
};
