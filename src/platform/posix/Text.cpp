// The POSIX side of the text functions: names are bytes, compared exactly.
#include "platform/Text.h"

#include <filesystem>

int CompareFileNames(const std::string& a, const std::string& b)
{
    return a.compare(b);
}

std::string FileNameKey(const std::string& name)
{
    return name;
}

std::string FullPathOf(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error)
        return path;
    // "/srv/movies/." is "/srv/movies", as on Windows, not "/srv/movies/".
    std::string text = full.lexically_normal().string();
    if (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}
