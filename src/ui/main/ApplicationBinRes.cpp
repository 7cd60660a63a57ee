#include "ui/main/ApplicationBinRes.h"

#include <windows.h>

#include "core/files/TextFile.h"
#include "platform/Text.h"

namespace {

bool FileHoldsBytes(const std::string& path, const void* bytes, DWORD size)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
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

}  // namespace

ExtractResult ApplicationBinRes::ExtractBinResource(const std::string& type, int id, const std::string& path,
                                                    unsigned long* error)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), Widen(type).c_str());
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return ExtractResult::ResourceMissing;
    const DWORD size = SizeofResource(module, found);

    if (FileHoldsBytes(path, bytes, size))
        return ExtractResult::Written;
    if (WriteFileAtomically(path, std::string(static_cast<const char*>(bytes), size), error))
        return ExtractResult::Written;
    return ExtractResult::WriteFailed;
}
