#include "platform/Paths.h"

#include "platform/Text.h"

std::string FileNameOf(const std::string& path, bool keepExtension)
{
    const size_t slash = path.rfind(kSeparator);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!keepExtension) {
        const size_t dot = name.rfind('.');
        if (dot != std::string::npos)
            name.erase(dot);
    }
    return name;
}

std::string ParentFolderOf(const std::string& path)
{
    const size_t slash = path.rfind(kSeparator);
    return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string ExtensionOf(const std::string& path)
{
    const size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string StripTrailingSeparator(const std::string& path)
{
    if (!path.empty() && path.back() == kSeparator)
        return path.substr(0, path.size() - 1);
    return path;
}

std::string LastPathComponent(const std::string& path)
{
    const std::string stripped = StripTrailingSeparator(path);
    const size_t slash = stripped.rfind(kSeparator);
    return slash == std::string::npos ? std::string() : stripped.substr(slash + 1);
}

std::string AddTrailingSeparator(const std::string& path)
{
    if (path.empty() || path.back() == kSeparator)
        return path;
    return path + kSeparator;
}

size_t NameLength(const std::string& path)
{
    const std::string name = FileNameOf(path, true);
#ifdef _WIN32
    return ToUtf16(name).size();
#else
    return name.size();
#endif
}
