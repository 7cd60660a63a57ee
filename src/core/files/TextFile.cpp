#include "core/files/TextFile.h"

#include <memory>

#include "core/files/RunJournal.h"
#include "core/files/WorkFolder.h"
#include "platform/Access.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "platform/Text.h"

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string EncodeText(const std::string& text)
{
    std::string bytes;
    return kTextFilesInWindows1252 && ToWindows1252(text, bytes) ? bytes : text;
}

std::string DecodeLine(const std::string& bytes)
{
    return IsUtf8(bytes) ? bytes : FromWindows1252(bytes);
}

std::string WriteErrorText(const std::string& path, SystemError code)
{
    const size_t length = NameLength(path);
    if (length <= kMaxNameLength) {
        // Which user the system refused which folder, where it can tell.
        const std::string refusal = code == kErrorAccessDenied ? AccessRefusal(path, true) : std::string();
        return SystemErrorText(code) + (refusal.empty() ? "" : refusal + "\n");
    }
    return FormatText("The name is too long: %zu characters, where the file system takes at most %zu.\n", length,
                      kMaxNameLength);
}

namespace {

bool Fail(unsigned long* error, unsigned long code)
{
    if (error)
        *error = code;
    return false;
}

}  // namespace

bool WriteTextFileAtomically(const HeldFolder& folder, const std::string& name, const std::string& text,
                             SystemError* error, WorkFolder* work, ExistingFile existing)
{
    return WriteFileAtomically(folder, name, EncodeText(WithCrLf(text)), error, work, existing);
}

bool WriteFileAtomically(const HeldFolder& folder, const std::string& name, const std::string& bytes,
                         SystemError* error, WorkFolder* work, ExistingFile existing)
{
    const bool replace = existing != ExistingFile::Keep;
    // A read-only file is the user's way of keeping it. Replacing the file
    // whole gets past the attribute on some systems, so it is refused here
    // as an open for writing would be.
    if (existing == ExistingFile::Replace && folder.InspectEntry(name).readOnly)
        return Fail(error, kErrorAccessDenied);
    std::unique_ptr<WorkFolder> own;
    if (!work)
        own = std::make_unique<WorkFolder>(folder);
    SystemError code = 0;
    NewFile file;
    // A new file that is lost to a power cut is written again by the next
    // run; a replaced one must be whole on the disk before the old one goes.
    if (!(work ? *work : *own).MakeTemporary(
            [&](const HeldFolder& at, const std::string& temporary) {
                return file.Create(at, temporary, bytes, replace);
            },
            code))
        return Fail(error, code);
    // The journal of the run in force (if any) writes the step down, and
    // keeps what it replaces, before the step is taken.
    const std::string path = folder.Path() + kSeparator + name;
    if (!JournalBeforeWrite(path, bytes, replace, code))
        return Fail(error, code);
    code = file.MoveTo(folder, name, replace);
    JournalAfterStep(path, code == 0);
    return code == 0 || Fail(error, code);
}

bool WriteTextFileAtomically(const std::string& path, const std::string& text, SystemError* error)
{
    return WriteFileAtomically(path, EncodeText(WithCrLf(text)), error);
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, SystemError* error)
{
    HeldFolder folder;
    const SystemError code = folder.OpenChosen(ParentFolderOf(path));
    return code == 0 ? WriteFileAtomically(folder, FileNameOf(path, true), bytes, error) : Fail(error, code);
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, unsigned long* error, size_t most)
{
    std::string content;
    // One byte more than allowed tells a file that is too large.
    if (!ReadWholeFile(path, content, error, most == SIZE_MAX ? most : most + 1))
        return false;
    if (content.size() > most)
        return Fail(error, kErrorTooLarge);
    lines = SplitTextLines(content);
    return true;
}

std::vector<std::string> SplitTextLines(const std::string& content)
{
    std::vector<std::string> lines;
    // A file that is UTF-8 as a whole (plain ASCII above all) needs no
    // decoding line by line.
    const bool utf8 = IsUtf8(content);
    size_t start = content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos)
            end = content.size();
        size_t stop = (end > start && content[end - 1] == '\r') ? end - 1 : end;
        lines.emplace_back(content, start, stop - start);
        if (!utf8)
            lines.back() = DecodeLine(lines.back());
        start = next;
    }
    return lines;
}

bool IsUtf16Text(const std::string& bytes)
{
    return bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0;
}

std::string FromUtf16Text(const std::string& bytes)
{
    const bool bigEndian = bytes.compare(0, 2, "\xFE\xFF") == 0;
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return FromUtf16(text);
}
