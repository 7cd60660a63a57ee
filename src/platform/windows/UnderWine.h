#pragma once
// Whether the program runs under Wine, whose files and shell differ from
// Windows' own in ways the platform layer must allow for.
#include <windows.h>

inline bool UnderWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}
