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
    return error ? path : full.lexically_normal().string();
}
