#include "app/HomeFolder.h"

#include <windows.h>

std::string HomeFolder()
{
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::string folder(needed, '\0');
    folder.resize(GetCurrentDirectoryA(needed, &folder[0]));
    // A drive root comes with its backslash; the files are joined with one.
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}
