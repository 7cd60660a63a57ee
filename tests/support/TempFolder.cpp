#include "support/TempFolder.h"

#include <algorithm>

#include "platform/Paths.h"

std::string NativePath(const std::string& path)
{
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', kSeparator);
    return native;
}

std::string TempFolder::operator/(const std::string& relative) const
{
    return path_ + kSeparator + NativePath(relative);
}
