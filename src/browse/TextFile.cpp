#include "browse/TextFile.h"

#include <windows.h>

#include <cstdio>

namespace {

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

void SetError(unsigned long* error, unsigned long code)
{
    if (error)
        *error = code;
}

}  // namespace

bool WriteTextFileAtomically(const std::string& path, const std::string& text, unsigned long* error)
{
    return WriteFileAtomically(path, WithCrLf(text), error);
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, unsigned long* error)
{
    // A read-only file is the user's way of keeping it. Replacing the file
    // whole gets past the attribute on some systems, so it is refused here as
    // an open for writing would be.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetError(error, ERROR_ACCESS_DENIED);
        return false;
    }
    const std::string temporary = path + ".reelmark-new";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        SetError(error, GetLastError());
        return false;
    }
    DWORD written = 0;
    BOOL ok =
        bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    DWORD code = GetLastError();
    if (ok && written != bytes.size()) {
        ok = FALSE;
        code = ERROR_DISK_FULL;
    }
    if (ok && !FlushFileBuffers(file)) {
        ok = FALSE;
        code = GetLastError();
    }
    CloseHandle(file);
    if (ok &&
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = FALSE;
        code = GetLastError();
    }
    if (!ok) {
        DeleteFileA(temporary.c_str());
        SetError(error, code);
        return false;
    }
    return true;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string content;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        content.append(buffer, got);
    std::fclose(file);

    lines.clear();
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos)
            end = content.size();
        size_t stop = (end > start && content[end - 1] == '\r') ? end - 1 : end;
        lines.push_back(content.substr(start, stop - start));
        start = next;
    }
    return true;
}

std::string PathInCurrentDirectory(const std::string& name)
{
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::string folder(needed, '\0');
    DWORD length = GetCurrentDirectoryA(needed, &folder[0]);
    folder.resize(length);
    return folder + "\\" + name;
}

std::string SystemErrorText(unsigned long code)
{
    char* buffer = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
        code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (length && buffer)
        text.assign(buffer, length);
    else
        text = "Unknown error " + std::to_string(code) + ".\r\n";
    if (buffer)
        LocalFree(buffer);
    return text;
}
