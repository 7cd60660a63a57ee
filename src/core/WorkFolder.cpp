#include "core/WorkFolder.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

#include "core/MovieScanner.h"
#include "platform/Text.h"

const char kWorkFolderName[] = "~reelmark.tmp";

namespace {

unsigned long long TimeValue(const FILETIME& time)
{
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

unsigned long long Now()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return TimeValue(now);
}

// Short and unique within the machine: the process number and a counter.
std::string NextName()
{
    static std::atomic<unsigned> counter{0};
    char name[32];
    std::snprintf(name, sizeof(name), "%lx-%x", GetCurrentProcessId(), ++counter);
    return name;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "~reelmark<digits>.tmp": the copies of earlier versions.
bool IsOldCopyTemporary(const std::string& name)
{
    const std::string start = "~reelmark";
    if (name.compare(0, start.size(), start) != 0 || !EndsWith(name, ".tmp"))
        return false;
    const std::string digits = name.substr(start.size(), name.size() - start.size() - 4);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
}

// Deletes the files of the listing that pass the test and were last written
// before the given time; a file another program holds open stays.
void DeleteOldFiles(const std::string& pattern, const std::string& folder, unsigned long long before,
                    bool (*matches)(const std::string&))
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(FilePath(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = Narrow(data.cFileName);
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !matches(name) ||
            TimeValue(data.ftLastWriteTime) >= before)
            continue;
        const std::wstring path = FilePath(folder + "\\" + name);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

bool AnyName(const std::string&)
{
    return true;
}

bool IsOldTemporary(const std::string& name)
{
    return EndsWith(name, ".reelmark-new") || IsOldCopyTemporary(name);
}

}  // namespace

WorkFolder::WorkFolder(const std::string& folder)
    : folder_(StripTrailingSeparator(folder)),  // a drive root comes with its backslash
      work_(folder_ + "\\" + kWorkFolderName),
      made_(Now())
{
}

WorkFolder::~WorkFolder()
{
    if (ready_)
        RemoveDirectoryW(FilePath(work_).c_str());
}

bool WorkFolder::MakeTemporary(const std::function<unsigned long(const std::string& path)>& make,
                               std::string& path, unsigned long& error)
{
    // Taken names are passed over; a work folder that another run removed
    // meanwhile is made again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!ready_) {
            if (CreateDirectoryW(FilePath(work_).c_str(), nullptr))
                SetFileAttributesW(FilePath(work_).c_str(), FILE_ATTRIBUTE_HIDDEN);
            else if (GetLastError() != ERROR_ALREADY_EXISTS) {
                error = GetLastError();
                return false;
            }
            ready_ = true;
        }
        path = work_ + "\\" + NextName();
        error = make(path);
        if (error == 0)
            return true;
        if (error == ERROR_PATH_NOT_FOUND)
            ready_ = false;
        else if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

void WorkFolder::RemoveLeftovers() const
{
    DeleteOldFiles(work_ + "\\*", work_, made_, AnyName);
    if (!ready_)
        RemoveDirectoryW(FilePath(work_).c_str());
    // Searched by their patterns: the system then compares names only, and
    // does not look into every file of a big folder.
    DeleteOldFiles(folder_ + "\\*.reelmark-new", folder_, made_, IsOldTemporary);
    DeleteOldFiles(folder_ + "\\~reelmark*.tmp", folder_, made_, IsOldTemporary);
}
