#pragma once
// The words of a file name as the name parser reads them (NameParser.cpp):
// where one word ends and the next begins, which words are years, and
// which are release and quality tags, where a title ends. The shapes of
// episode marks, read from these words, are the parser's own.
#include <cstddef>
#include <string>
#include <vector>

namespace name_words {

// One word of a name and what stood before it: ' ', '.' or '_' ('\0' for
// the first word). A year joined by a dot or an underscore is a release
// year ("Die Hard.1988"); one between spaces may be part of the title
// ("Blade Runner 2049").
struct Token {
    std::string text;
    char before = '\0';
};
using Tokens = std::vector<Token>;

// An ASCII digit.
bool IsDigit(char c);

// The ASCII letter in lower case; any other byte as it is.
char Lower(char c);

// Equal, letter case of the ASCII letters ignored.
bool Is(const std::string& text, const char* word);

// A word that is a dash between parts of a name: "-" or "--".
bool IsDash(const std::string& text);

// Reads the digits at text[i] (i moves past them) and gives their number.
size_t ReadDigits(const std::string& text, size_t& i, int& value);

// The same, true when there were from fewest to most digits.
bool ReadNumber(const std::string& text, size_t& i, size_t fewest, size_t most, int& value);

// A number that is the whole text.
bool IsNumber(const std::string& text, size_t fewest, size_t most, int& value);

// A year a film or a show may have: 1900 to 2099.
bool IsYear(int value);

// A year: four digits from 1900 to 2099, bare or in round or square brackets.
int YearOf(const std::string& token, bool& bracketed);

// The year of a word that stands as a release year (see Token).
int ReleaseYearOf(const Token& token);

// Release marks that scene names write in capitals only; in other letters
// they are ordinary words of a title ("The Web", "Real Steel").
bool IsReleaseTag(const std::string& token);

// Where a title that begins at `from` ends: at the first quality tag, and
// for an episode's title also at a release tag or a word in square
// brackets (a group or a checksum).
size_t EndOfTitle(const Tokens& tokens, size_t from, bool episodeTitle);

// The words of the name. Spaces, underscores and dots between two words
// separate; a dot before a space or at the end stays ("Mr. Smith"). A
// release group in square brackets before the title ("[Group] Show") goes.
Tokens Split(const std::string& name);

// The words from..to (exclusive) joined by single spaces, without leading
// or trailing dashes and without release marks at their end. Letters
// joined by dots stay an abbreviation: "S.H.I.E.L.D", "E.T." -> "E.T.".
std::string Join(const Tokens& tokens, size_t from, size_t to);

// Camera and telephone names: a counter after a fixed prefix
// ("IMG_2012.mp4", "MVI_0412.MOV"); the number is no year.
bool IsCameraName(const Tokens& tokens);

}  // namespace name_words
