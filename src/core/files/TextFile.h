#pragma once
// Text files as the program writes them: line feeds in memory, CR LF on
// disk. Text in memory is UTF-8; on disk a file is Windows-1252 when that
// code page holds every character of it (so files stay byte for byte as
// earlier versions wrote them), else UTF-8, never with a byte-order mark.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/SystemError.h"

class HeldFolder;
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

// What a write does with a file that is at its path already.
enum class ExistingFile {
    // Replaced; the new bytes reach the disk before the old file goes, so a
    // power cut leaves one or the other whole. A read-only file is refused.
    Replace,
    // The same, for a caller that has seen already that the file is not
    // read-only (a run that read the whole folder).
    ReplaceWritable,
    // Kept: the write fails with a code IsNameTaken knows (also for a file that
    // appears while the text is written). A new file is not forced to the
    // disk: a power cut can leave it empty, and an empty metadata file
    // counts as none, so the next run writes it again.
    Keep,
};

// Writes the file of that name in the held folder in one step: the text
// goes to a temporary file (in the work folder given, which must be one for
// this folder or its parent, or in one of its own), which then takes the
// file's name within the held folder. On any failure an old file stays as
// it was and no partial file is left; false with the system's error code
// in *error (when given).
bool WriteTextFileAtomically(const HeldFolder& folder, const std::string& name, const std::string& text,
                             SystemError* error = nullptr, WorkFolder* work = nullptr,
                             ExistingFile existing = ExistingFile::Replace);
// The same for bytes written exactly as given.
bool WriteFileAtomically(const HeldFolder& folder, const std::string& name, const std::string& bytes,
                         SystemError* error = nullptr, WorkFolder* work = nullptr,
                         ExistingFile existing = ExistingFile::Replace);
// The same for a file of the program's own folder named by its path (the
// settings, the log): the folder of the path is held as the user's, the
// links of its path followed.
bool WriteTextFileAtomically(const std::string& path, const std::string& text, SystemError* error = nullptr);
bool WriteFileAtomically(const std::string& path, const std::string& bytes, SystemError* error = nullptr);

// Why a file could not be written, for the user: the system's text (for a
// refusal, with the user and the folder where the system tells them:
// AccessRefusal), or for a name longer than the file system allows (which
// systems report as a file or folder that is not there) how long it is.
std::string WriteErrorText(const std::string& path, SystemError code);

// The file's lines, decoded, without their line ends (CR LF or LF; a last
// line without a line end counts too; a leading UTF-8 byte-order mark is
// dropped); false with the system's error code in *error (when given) when
// the file cannot be read, or kErrorTooLarge when it holds more than most
// bytes. Only a regular file is read, and nothing waits (platform
// ReadWholeFile).
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, unsigned long* error = nullptr,
                   size_t most = SIZE_MAX);
// The same for a file's bytes at hand.
std::vector<std::string> SplitTextLines(const std::string& content);

// Whether the bytes are UTF-16 text with its byte-order mark (Notepad's
// "Unicode"), which pyTivo cannot read.
bool IsUtf16Text(const std::string& bytes);
// Such text as UTF-8 (its byte-order mark dropped).
std::string FromUtf16Text(const std::string& bytes);
