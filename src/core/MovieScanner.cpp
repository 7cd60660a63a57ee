#include "core/MovieScanner.h"

#include <windows.h>

#include <string.h>

#include <functional>

#include "core/WorkFolder.h"
#include "platform/Text.h"

const char kMovieFileFilterText[] =
    "*.mpg;*.mpeg;*.wmv;*.avi;*.mov;*.flv;*.swf;*.rmvb;*.mkv;*.m4v;*.mp4;*.ts";

namespace {

const char kMetadataEnding[] = ".txt";

bool StartsWithIgnoringCase(const std::string& text, const std::string& start)
{
    return text.size() >= start.size() && _strnicmp(text.c_str(), start.c_str(), start.size()) == 0;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && StartsWithIgnoringCase(text.substr(text.size() - end.size()), end);
}

// Calls visit with the path (folder + "\" + name) and the directory flag of
// every entry of the folder except "." and ".."; nothing when it cannot be
// enumerated.
void ForEachEntry(const std::string& folder, const std::string& pattern,
                  const std::function<void(const std::string& path, bool isDirectory)>& visit)
{
    const std::string parent = StripTrailingSeparator(folder);
    ForEachFolderEntry(
        folder, [&](const FolderEntry& entry) { visit(parent + kSeparator + entry.name, entry.isFolder); },
        pattern);
}

// Whether the file can be opened for reading; its size in *size (when given).
bool OpenForReading(const std::string& path, unsigned long long* size = nullptr)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER length = {};
    if (size)
        *size = GetFileSizeEx(file, &length) ? static_cast<unsigned long long>(length.QuadPart) : 0;
    CloseHandle(file);
    return true;
}

}  // namespace

void ForEachFolderEntry(const std::string& folder, const std::function<void(const FolderEntry&)>& visit,
                        const std::string& pattern)
{
    if (folder.empty())
        return;
    // Behind the long-path prefix, so that deep folders can be read too.
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(
        FilePath(StripTrailingSeparator(folder) + kSeparator + (pattern.empty() ? "*.*" : pattern)).c_str(),
        &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        FolderEntry entry;
        entry.name = Narrow(data.cFileName);
        entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (entry.isFolder && (entry.name == "." || entry.name == ".."))
            continue;
        entry.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entry.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        visit(entry);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

const std::vector<std::string>& MovieExtensions()
{
    static const std::vector<std::string> extensions = {".mpg", ".mpeg", ".wmv", ".avi", ".mov", ".flv",
                                                        ".swf", ".rmvb", ".mkv", ".m4v", ".mp4", ".ts"};
    return extensions;
}

bool IsMovieFile(const std::string& path)
{
    const std::string extension = ExtensionOf(FileNameOf(path, true));
    for (const std::string& movie : MovieExtensions()) {
        if (StartsWithIgnoringCase(extension, movie))
            return true;
    }
    return false;
}

void ListMovieFiles(const std::string& folder, const std::string& pattern, bool recursive,
                    std::vector<std::string>& paths)
{
    if (folder.empty())
        return;
    ForEachEntry(folder, pattern, [&](const std::string& path, bool isDirectory) {
        if (isDirectory) {
            if (recursive)
                ListMovieFiles(path, pattern, recursive, paths);
        } else if (IsMovieFile(path)) {
            paths.push_back(path);
        }
    });
}

void CountFolderFiles(const std::string& folder, int& movieCount, int& metadataCount)
{
    movieCount = 0;
    metadataCount = 0;
    if (folder.empty())
        return;
    const std::string ending = kMetadataEnding;
    ForEachFolderEntry(folder, [&](const FolderEntry& entry) {
        if (entry.isFolder)
            return;
        const std::string& name = entry.name;
        if (IsMovieFile(name))
            ++movieCount;
        // A metadata file counts whether or not its movie is still there:
        // that is how folders with orphaned metadata files show up. An
        // empty one gives pyTivo nothing and counts as none.
        if (entry.size > 0 && EndsWithIgnoringCase(name, ending) &&
            IsMovieFile(name.substr(0, name.size() - ending.size())))
            ++metadataCount;
    });
}

void ListSubFolders(const std::string& folder, std::vector<std::string>& names)
{
    if (folder.empty())
        return;
    // The program's own work folder (there only while a run writes files,
    // or after one was cut short) is no folder of the user's.
    ForEachFolderEntry(folder, [&](const FolderEntry& entry) {
        if (entry.isFolder && entry.name != kWorkFolderName)
            names.push_back(entry.name);
    });
}

bool HasMetadataFile(const std::string& moviePath)
{
    unsigned long long size = 0;
    return OpenForReading(moviePath + kMetadataEnding, &size) && size > 0;
}

bool FileExists(const std::string& path)
{
    return !path.empty() && OpenForReading(path);
}

bool IsFolderOnDrive(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const UINT type = GetDriveTypeW(Widen(path).c_str());
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

std::string ShortenForDisplay(const std::string& text, int maxLength)
{
    // Counted in characters, so no character is cut in two.
    const std::wstring wide = Widen(text);
    if (maxLength < 0 || wide.size() <= static_cast<size_t>(maxLength))
        return text;
    // The tail's share is the single-precision 0.7 (0.699999988...) applied
    // without rounding up, so a width of 50 keeps a tail of 30, not 31.
    const int tail = static_cast<int>(maxLength * static_cast<double>(0.7f)) - 4;
    if (tail <= 0)
        return text;
    const int head = maxLength - tail - 3;
    return Narrow(wide.substr(0, head)) + "..." + Narrow(wide.substr(wide.size() - tail));
}
