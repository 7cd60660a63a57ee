#include "app/ApplicationBinRes.h"

#include <windows.h>

namespace {

bool FileHoldsBytes(const std::string& path, const void* bytes, DWORD size)
{
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER fileSize = {};
    std::string content;
    bool same = GetFileSizeEx(file, &fileSize) && fileSize.QuadPart == size;
    if (same && size > 0) {
        content.resize(size);
        DWORD got = 0;
        same = ReadFile(file, &content[0], size, &got, nullptr) && got == size &&
               content.compare(0, size, static_cast<const char*>(bytes), size) == 0;
    }
    CloseHandle(file);
    return same;
}

// The bytes go to "<path>.reelmark-new" first, which then replaces path.
DWORD WriteBytesAtomically(const std::string& path, const void* bytes, DWORD size)
{
    // Windows refuses to replace a read-only file but Wine does not: refuse
    // it here so that the user's protection holds everywhere.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return ERROR_ACCESS_DENIED;
    const std::string temporary = path + ".reelmark-new";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD code = ERROR_SUCCESS;
    DWORD written = 0;
    if (size > 0 && !WriteFile(file, bytes, size, &written, nullptr))
        code = GetLastError();
    else if (written != size)
        code = ERROR_DISK_FULL;
    else if (!FlushFileBuffers(file))
        code = GetLastError();
    CloseHandle(file);
    if (code == ERROR_SUCCESS &&
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        code = GetLastError();
    if (code != ERROR_SUCCESS)
        DeleteFileA(temporary.c_str());
    return code;
}

}  // namespace

ExtractResult ApplicationBinRes::ExtractBinResource(const std::string& type, int id, const std::string& path,
                                                    unsigned long* error)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type.c_str());
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return ExtractResult::ResourceMissing;
    const DWORD size = SizeofResource(module, found);

    if (FileHoldsBytes(path, bytes, size))
        return ExtractResult::Written;
    DWORD code = WriteBytesAtomically(path, bytes, size);
    if (code == ERROR_SUCCESS)
        return ExtractResult::Written;
    if (error)
        *error = code;
    return ExtractResult::WriteFailed;
}
