#include "support/TempFolder.h"

#include <algorithm>

#include "platform/Paths.h"

std::string TempFolder::operator/(const std::string& relative) const
{
    std::string native = relative;
    std::replace(native.begin(), native.end(), '\\', kSeparator);
    return path_ + kSeparator + native;
}
