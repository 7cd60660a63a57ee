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

namespace {

// The length of the path's root, its separator included: "/", "C:\" or
// "\\server\share\"; 0 for a path without one.
size_t RootLength(const std::string& path)
{
#ifdef _WIN32
    if (path.size() >= 3 && path[1] == ':' && path[2] == kSeparator)
        return 3;
    if (path.compare(0, 2, "\\\\") == 0) {
        const size_t share = path.find(kSeparator, 2);
        const size_t end = share == std::string::npos ? share : path.find(kSeparator, share + 1);
        return end == std::string::npos ? path.size() : end + 1;
    }
    return 0;
#else
    return path.compare(0, 1, "/") == 0 ? 1 : 0;
#endif
}

}  // namespace

std::vector<std::string> FoldersAbove(const std::string& folder)
{
    std::vector<std::string> above;
    const size_t root = RootLength(folder);
    std::string path = folder.size() > root ? StripTrailingSeparator(folder) : folder;
    while (path.size() > root) {
        const size_t slash = path.rfind(kSeparator);
        if (slash == std::string::npos)
            break;
        path = slash + 1 <= root ? folder.substr(0, root) : path.substr(0, slash);
        above.push_back(path);
    }
    return above;
}
