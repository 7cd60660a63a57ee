#pragma once
// Text files as the program writes them: line feeds in memory, CR LF on
// disk, bytes otherwise as given (ANSI code page, no byte-order mark).
#include <string>
#include <vector>

class WorkFolder;

// The text with every line feed written as CR LF, as the files hold it.
std::string WithCrLf(const std::string& text);

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

// The file's lines without their line ends (CR LF or LF; a last line
// without a line end counts too); false with the system's error code in
// *error (when given) when the file cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, unsigned long* error = nullptr);

// The system's message text for a Windows error code, as FormatMessageA
// gives it (trailing line end included); a fallback text when it has none.
std::string SystemErrorText(unsigned long code);
// The same without its trailing line end, for a line of its own.
std::string SystemErrorLine(unsigned long code);
