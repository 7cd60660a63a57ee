// The Windows side of the text functions: UTF-16 as the wide functions take
// it, names compared as the file system compares them, full paths.
#include "platform/Text.h"

#include <windows.h>

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], length);
    return wide;
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

int CompareNamesIgnoringCase(const std::string& a, const std::string& b)
{
    const std::wstring wideA = Widen(a);
    const std::wstring wideB = Widen(b);
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) -
           CSTR_EQUAL;
}

int CompareFileNames(const std::string& a, const std::string& b)
{
    return CompareNamesIgnoringCase(a, b);
}

std::string FileNameKey(const std::string& name)
{
    // The invariant upper case of the kernel, not the window library's: the
    // console program needs no window library at all.
    const std::wstring wide = Widen(name);
    if (wide.empty())
        return std::string();
    std::wstring key(wide.size(), L'\0');
    const int length = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide.data(),
                                    static_cast<int>(wide.size()), &key[0], static_cast<int>(key.size()));
    return length > 0 ? Narrow(key.substr(0, length)) : Narrow(wide);
}

std::string PlainPath(const std::wstring& path)
{
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        return "\\\\" + Narrow(path.substr(8));
    if (path.compare(0, 4, L"\\\\?\\") == 0)
        return Narrow(path.substr(4));
    return Narrow(path);
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

std::string FullPathOf(const std::string& path)
{
    return Narrow(FullPath(Widen(path)));
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
