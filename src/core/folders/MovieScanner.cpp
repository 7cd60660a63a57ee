#include "core/folders/MovieScanner.h"

#include <functional>

#include "core/files/WorkFolder.h"
#include "platform/Text.h"

const char kMovieFileFilterText[] =
    "*.mpg;*.mpeg;*.wmv;*.avi;*.mov;*.flv;*.swf;*.rmvb;*.mkv;*.m4v;*.mp4;*.ts";

const std::vector<std::string>& MovieExtensions()
{
    static const std::vector<std::string> extensions = {".mpg", ".mpeg", ".wmv", ".avi", ".mov", ".flv",
                                                        ".swf", ".rmvb", ".mkv", ".m4v", ".mp4", ".ts"};
    return extensions;
}

bool IsMovieFile(const std::string& path)
{
    // The whole extension: "notes.tsv", "app.tsx" and "Movie.mp4a" are no
    // movies, though their extensions begin as movie extensions do.
    const std::string extension = ExtensionOf(FileNameOf(path, true));
    for (const std::string& movie : MovieExtensions()) {
        if (extension.size() == movie.size() && StartsWithIgnoringAsciiCase(extension, movie))
            return true;
    }
    return false;
}

void ListSubFolders(const std::string& folder, std::vector<std::string>& names)
{
    if (folder.empty())
        return;
    // The program's own work folder (there only while a run writes files,
    // or after one was cut short) is no folder of the user's.
    ForEachFolderEntry(folder, [&](const FolderEntry& entry) {
        if (entry.isFolder && !IsWorkFolderName(entry.name))
            names.push_back(entry.name);
    });
}

bool FileExists(const std::string& path)
{
    return CanReadFile(path);
}

std::string ShortenForDisplay(const std::string& text, int maxLength)
{
    // Counted in UTF-16 units as the window counts them, never cutting a
    // character in two.
    const std::u16string wide = ToUtf16(text);
    if (maxLength < 0 || wide.size() <= static_cast<size_t>(maxLength))
        return text;
    // The tail's share is the single-precision 0.7 (0.699999988...) applied
    // without rounding up, so a width of 50 keeps a tail of 30, not 31.
    const int tail = static_cast<int>(maxLength * static_cast<double>(0.7f)) - 4;
    if (tail <= 0)
        return text;
    const int head = maxLength - tail - 3;
    return FromUtf16(wide.substr(0, head)) + "..." + FromUtf16(wide.substr(wide.size() - tail));
}
