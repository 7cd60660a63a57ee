#pragma once
// Text files as the program writes them: line feeds in memory, CR LF on
// disk. Text in memory is UTF-8; on disk a file is Windows-1252 when that
// code page holds every character of it (so files stay byte for byte as
// earlier versions wrote them), else UTF-8, never with a byte-order mark.
#include <string>
#include <vector>

class WorkFolder;

// The text with every line feed written as CR LF, as the files hold it.
std::string WithCrLf(const std::string& text);

// The bytes a text file holds for the text: Windows-1252 when it can hold
// every character, else the UTF-8 as it is.
std::string EncodeText(const std::string& text);
// A line of such a file as UTF-8: taken as UTF-8 when it is well-formed
// UTF-8, else read as Windows-1252 (a file that earlier versions wrote, or
// that holds lines of both kinds, reads right line by line).
std::string DecodeLine(const std::string& bytes);

// Replaces the file with the text in one step: the text goes to a temporary
// file (in the work folder given, or in one of its own), which then takes
// the file's place. On any failure the old file stays as it was and no
// partial file is left; false with the system's error code in *error (when
// given). A read-only file is never replaced.
bool WriteTextFileAtomically(const std::string& path, const std::string& text, unsigned long* error = nullptr,
                             WorkFolder* work = nullptr);
// The same for bytes written exactly as given.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, unsigned long* error = nullptr,
                         WorkFolder* work = nullptr);

// The file's lines, decoded, without their line ends (CR LF or LF; a last
// line without a line end counts too; a leading UTF-8 byte-order mark is
// dropped); false with the system's error code in *error (when given) when
// the file cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, unsigned long* error = nullptr);

// The system's message text for a Windows error code, as FormatMessageA
// gives it (trailing line end included); a fallback text when it has none.
std::string SystemErrorText(unsigned long code);
// The same without its trailing line end, for a line of its own.
std::string SystemErrorLine(unsigned long code);
