#include "core/copy/CopyName.h"

#include <cctype>

namespace {

const char kCopyOf[] = "Copy of ";
const char kCopyOpen[] = "Copy (";
const char kCopyClose[] = ") of ";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Adds one to a decimal digit string of any length ("9" -> "10").
std::string Increment(std::string digits)
{
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

// The file name of a "Copy (n) of rest" name with n raised by one; empty
// when the name is not of that form.
std::string NextCounted(const std::string& name)
{
    const size_t open = sizeof(kCopyOpen) - 1;
    if (!StartsWith(name, kCopyOpen))
        return std::string();
    size_t end = open;
    while (end < name.size() && std::isdigit(static_cast<unsigned char>(name[end])))
        ++end;
    if (end == open || name.compare(end, sizeof(kCopyClose) - 1, kCopyClose) != 0)
        return std::string();
    const std::string rest = name.substr(end + sizeof(kCopyClose) - 1);
    return kCopyOpen + Increment(name.substr(open, end - open)) + kCopyClose + rest;
}

}  // namespace

size_t FileNameStart(const std::string& path)
{
    // As _splitpath splits drive and folder from the name.
    const size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos)
        return separator + 1;
    return (path.size() >= 2 && path[1] == ':') ? 2 : 0;
}

std::string MakeCopyName(const std::string& path)
{
    const size_t nameStart = FileNameStart(path);
    const std::string folder = path.substr(0, nameStart);
    const std::string name = path.substr(nameStart);

    // The rule looks at the base name; the extension always stays last.
    const size_t dot = name.rfind('.');
    const std::string base = name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);

    if (StartsWith(base, kCopyOf))
        return folder + "Copy (1) of " + base.substr(sizeof(kCopyOf) - 1) + extension;
    const std::string counted = NextCounted(base);
    if (!counted.empty())
        return folder + counted + extension;
    return folder + kCopyOf + base + extension;
}
