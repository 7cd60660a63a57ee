#include "platform/Text.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

// The bytes, in the code page given, as UTF-16.
std::wstring ToUtf16(UINT codePage, const std::string& bytes)
{
    if (bytes.empty())
        return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &wide[0], length);
    return wide;
}

}  // namespace

std::wstring Widen(const std::string& utf8)
{
    return ToUtf16(CP_UTF8, utf8);
}

std::string Narrow(const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

std::string Narrow(const wchar_t* wide)
{
    return wide ? Narrow(std::wstring(wide)) : std::string();
}

bool IsUtf8(const std::string& bytes)
{
    return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

int CompareNamesIgnoringCase(const std::string& a, const std::string& b)
{
    const std::wstring wideA = Widen(a);
    const std::wstring wideB = Widen(b);
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) -
           CSTR_EQUAL;
}

std::string PlainPath(const std::wstring& path)
{
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        return "\\\\" + Narrow(path.substr(8));
    if (path.compare(0, 4, L"\\\\?\\") == 0)
        return Narrow(path.substr(4));
    return Narrow(path);
}

std::string FromWindows1252(const std::string& bytes)
{
    return Narrow(ToUtf16(1252, bytes));
}

bool ToWindows1252(const std::string& utf8, std::string& bytes)
{
    const std::wstring wide = Widen(utf8);
    bytes.clear();
    if (wide.empty())
        return true;
    const int size = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lost);
    if (lost || length <= 0)
        return false;
    bytes.resize(length);
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide.data(), size, &bytes[0], length, nullptr, &lost);
    return !lost;
}

namespace {

// A "." or ".." component, which only the system's clean-up resolves.
bool HasDotComponent(const std::wstring& path)
{
    for (size_t dot = path.find(L"\\."); dot != std::wstring::npos; dot = path.find(L"\\.", dot + 1)) {
        size_t end = dot + 2;
        if (end < path.size() && path[end] == L'.')
            ++end;
        if (end == path.size() || path[end] == L'\\')
            return true;
    }
    return false;
}

}  // namespace

std::wstring FullPath(const std::wstring& path)
{
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    return full;
}

std::wstring FilePath(const std::string& path)
{
    std::wstring wide = Widen(path);
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    if (wide.empty() || wide.compare(0, 4, L"\\\\?\\") == 0 || wide.compare(0, 4, L"\\\\.\\") == 0)
        return wide;
    // The prefix turns off the system's own clean-up of the path ("..",
    // trailing blanks): a path that is not plainly full is made so first.
    const bool full =
        (wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\') || wide.compare(0, 2, L"\\\\") == 0;
    if (!full || HasDotComponent(wide))
        wide = FullPath(wide);
    if (wide.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

std::string FormatText(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::vector<char> buffer(length > 0 ? length + 1 : 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, again);
    va_end(again);
    return buffer.data();
}
