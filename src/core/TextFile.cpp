#include "core/TextFile.h"

#include <windows.h>

#include <algorithm>

#include "core/MovieScanner.h"
#include "core/WorkFolder.h"
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
    return ToWindows1252(text, bytes) ? bytes : text;
}

std::string DecodeLine(const std::string& bytes)
{
    return IsUtf8(bytes) ? bytes : FromWindows1252(bytes);
}

namespace {

bool Fail(unsigned long* error, unsigned long code)
{
    if (error)
        *error = code;
    return false;
}

// Writes the bytes into a new file at path, forced to the disk when asked;
// 0 or the system's error code. The file stays open in *file (with the
// right to rename it) when the bytes are written.
unsigned long WriteNewFile(const std::string& path, const std::string& bytes, bool flush, HANDLE* file)
{
    *file = CreateFileW(FilePath(path).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (*file == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD written = 0;
    unsigned long code = 0;
    if (!bytes.empty() &&
        !WriteFile(*file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        code = GetLastError();
    else if (written != bytes.size())
        code = ERROR_DISK_FULL;
    else if (flush && !FlushFileBuffers(*file))
        code = GetLastError();
    if (code != 0) {
        CloseHandle(*file);
        DeleteFileW(FilePath(path).c_str());
    }
    return code;
}

// Gives the open file the name path: a file there is replaced only when
// asked. Renaming through the handle spares the system a second look-up
// of the temporary name. 0 or the system's error code.
unsigned long RenameOpenFile(HANDLE file, const std::string& path, bool replace)
{
    const std::wstring target = FilePath(path);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = replace;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), info->FileName);
    return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(buffer.size()))
               ? 0
               : GetLastError();
}

}  // namespace

bool WriteTextFileAtomically(const std::string& path, const std::string& text, unsigned long* error,
                             WorkFolder* work, ExistingFile existing)
{
    return WriteFileAtomically(path, EncodeText(WithCrLf(text)), error, work, existing);
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, unsigned long* error,
                         WorkFolder* work, ExistingFile existing)
{
    const bool replace = existing != ExistingFile::Keep;
    if (existing == ExistingFile::Replace) {
        // A read-only file is the user's way of keeping it. Replacing the
        // file whole gets past the attribute on some systems, so it is
        // refused here as an open for writing would be.
        const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return Fail(error, ERROR_ACCESS_DENIED);
    }
    WorkFolder own(ParentFolderOf(path));
    WorkFolder& folder = work ? *work : own;
    std::string temporary;
    unsigned long code = 0;
    HANDLE file = INVALID_HANDLE_VALUE;
    if (!folder.MakeTemporary(
            [&](const std::string& name) { return WriteNewFile(name, bytes, replace, &file); }, temporary,
            code))
        return Fail(error, code);
    code = RenameOpenFile(file, path, replace);
    CloseHandle(file);
    if (code != 0) {
        DeleteFileW(FilePath(temporary).c_str());
        return Fail(error, code);
    }
    return true;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, unsigned long* error)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Fail(error, GetLastError());
    std::string content;
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        content.reserve(static_cast<size_t>(size.QuadPart));
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof(buffer), &got, nullptr) != FALSE) && got > 0)
        content.append(buffer, got);
    const DWORD code = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (!ok)
        return Fail(error, code);

    lines.clear();
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
    return true;
}
