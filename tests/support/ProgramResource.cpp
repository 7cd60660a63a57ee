#include "support/ProgramResource.h"

#include <windows.h>

#include "platform/Text.h"
#include "support/TempFolder.h"

std::string ProgramResource(int id, const char* type)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), Widen(type).c_str());
    if (!found)
        return std::string();
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

::testing::AssertionResult FileHoldsResource(const std::string& path, int id)
{
    const std::string actual = ReadFileBytes(path);
    const std::string expected = ProgramResource(id);
    if (!expected.empty() && actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << path << " holds " << actual.size() << " bytes, resource " << id << " has " << expected.size();
}
