#include "core/copy/SizeTexts.h"

#include "platform/Text.h"

namespace {

const size_t kSizeTextWidth = 17;

// The scaled values are shown as single-precision numbers.
double Single(double value)
{
    return static_cast<float>(value);
}

}  // namespace

std::string FormatThousands(int64_t value)
{
    if (value < 0)
        return std::to_string(value);
    int64_t remainder = 0;
    int64_t scale = 1;
    while (value >= 1000) {
        remainder += (value % 1000) * scale;
        value /= 1000;
        scale *= 1000;
    }
    std::string text = std::to_string(value);
    while (scale != 1) {
        scale /= 1000;
        text += FormatText(",%03d", static_cast<int>(remainder / scale));
        remainder %= scale;
    }
    return text;
}

void PadSizeText(std::string& text)
{
    if (text.size() < kSizeTextWidth)
        text.insert(0, kSizeTextWidth - text.size(), ' ');
}

int64_t ParseSizeText(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (c != ',')
            digits += c;
    }
    const char* const space = " \t\r\n\v\f";
    const size_t first = digits.find_first_not_of(space);
    if (first == std::string::npos)
        return 0;
    digits = digits.substr(first, digits.find_last_not_of(space) - first + 1);

    size_t at = 0;
    bool negative = false;
    if (digits[0] == '+' || digits[0] == '-') {
        negative = digits[0] == '-';
        at = 1;
    }
    // Unsigned arithmetic: a garbled text gives a garbled number, never an
    // overflow fault.
    uint64_t value = 0;
    for (; at < digits.size(); ++at)
        value = value * 10 + static_cast<uint64_t>(static_cast<int>(digits[at]) - '0');
    return static_cast<int64_t>(negative ? 0 - value : value);
}

std::string TotalLabelText(int64_t totalBytes)
{
    const double t = static_cast<double>(totalBytes);
    if (t > 999999999999.0)
        return FormatText("Total (%.01f TB):", Single(t / 1e12));
    if (t > 999999999.0 && t < 999999999999.0)
        return FormatText("Total (%.01f GB):", Single(t / 1e9));
    if (t > 999999.0 && t < 999999999.0)
        return FormatText("Total (%.01f MB):", Single(t / 1e6));
    if (t > 999.0 && t < 999999.0)
        return FormatText("Total (%.01f KB):", Single(t / 1e3));
    return "Total (Bytes):";
}

std::string VolumeSizeText(uint64_t totalBytes)
{
    const double t = static_cast<double>(totalBytes);
    if (t > 999999999999.0)
        return FormatText("%.03f TB", Single(t / 1e12));
    if (t > 999999999.0 && t < 999999999999.0)
        return FormatText("%.03f GB", Single(t / 1e9));
    if (t > 999999.0 && t < 999999999.0)
        return FormatText("%.03f MB", Single(t / 1e6));
    return FormatText("%.03f KB", Single(t / 1e3));
}

uint32_t UsageBarColour(float used)
{
    if (used > 90)
        return kUsageRed;
    if (used > 70)
        return kUsageYellow;
    return kUsageGreen;
}

DiskUsage ComputeDiskUsage(uint64_t freeBytes, uint64_t totalBytes)
{
    const double f = static_cast<double>(freeBytes);
    const double t = static_cast<double>(totalBytes);
    DiskUsage usage;
    // A volume that reports no size at all has no room: shown full rather
    // than as a division by zero.
    usage.used = t > 0 ? static_cast<float>(100.0 - (f / t) * 100.0) : 100.0f;
    const double used = usage.used;
    if (f > 999999999999.0)
        usage.text = FormatText("Disk Usage: (%.02f%%) %.03f TB left...", used, Single(f / 1e12));
    else if (f > 999999999.0 && f < 999999999999.0)
        usage.text = FormatText("Disk Usage: (%.02f%%) %.03f GB left...", used, Single(f / 1e9));
    else if (f > 999999.0 && f < 999999999.0)
        usage.text = FormatText("Disk Usage: (%.02f%%) %.03f MB left...", used, Single(f / 1e6));
    else if (f > 999.0 && f < 999999.0)
        usage.text = FormatText("Disk Usage: (%.02f%%) %.03f KB left...", used, Single(f / 1e3));
    else
        usage.text = FormatText("Disk Usage: (%.02f%%) %s bytes left...", used,
                                FormatThousands(static_cast<int64_t>(freeBytes)).c_str());
    usage.barColour = UsageBarColour(usage.used);
    usage.position = static_cast<int>(usage.used);
    return usage;
}
