#include "app/HomeFolder.h"

#include <windows.h>

#include "framework/Text.h"

std::string HomeFolder()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring wide(needed, L'\0');
    wide.resize(GetCurrentDirectoryW(needed, &wide[0]));
    std::string folder = Narrow(wide);
    // A drive root comes with its backslash; the files are joined with one.
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}
