#include "support/TempFolder.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        std::ostringstream name;
        name << base << "reelmark-test-" << GetCurrentProcessId() << "-" << GetTickCount() << "-"
             << ++counter;
        if (CreateDirectoryA(name.str().c_str(), nullptr)) {
            path_ = name.str();
            break;
        }
    }
    char full[MAX_PATH];
    GetFullPathNameA(path_.c_str(), MAX_PATH, full, nullptr);
    path_ = full;
}

TempFolder::~TempFolder()
{
    RemoveTree(path_);
}

std::string TempFolder::operator/(const std::string& relative) const
{
    return path_ + "\\" + relative;
}

void TempFolder::MakeFolder(const std::string& relative) const
{
    std::string full = *this / relative;
    for (size_t pos = path_.size() + 1; (pos = full.find('\\', pos)) != std::string::npos; ++pos)
        CreateDirectoryA(full.substr(0, pos).c_str(), nullptr);
    CreateDirectoryA(full.c_str(), nullptr);
}

void TempFolder::WriteFile(const std::string& relative, const std::string& bytes) const
{
    size_t slash = relative.rfind('\\');
    if (slash != std::string::npos)
        MakeFolder(relative.substr(0, slash));
    std::ofstream out(*this / relative, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> NamesInFolder(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ProgramResource(int id, const char* type)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
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

CurrentDirectoryScope::CurrentDirectoryScope(const std::string& folder)
{
    char buffer[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryA(sizeof(buffer), buffer);
    previous_.assign(buffer, length);
    SetCurrentDirectoryA(folder.c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope()
{
    SetCurrentDirectoryA(previous_.c_str());
}
