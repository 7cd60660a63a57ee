#include "platform/Environment.h"

#include <windows.h>

#include "platform/Text.h"

std::string EnvironmentValue(const std::string& name)
{
    const std::wstring wideName = Widen(name);
    const DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0)
        return std::string();
    std::wstring value(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), &value[0], needed);
    if (length == 0 || length >= needed)
        return std::string();
    value.resize(length);
    return Narrow(value);
}
