#pragma once
// Size texts of the copy dialog: comma-grouped byte counts padded to a fixed
// width (so that a text sort orders them by size), the scaled TB/GB/MB/KB
// labels and the target volume's usage. All units are decimal (1 KB = 1,000
// bytes). Every scaled value is rounded to single precision before it is
// formatted, as the dialog has always shown it.
#include <cstdint>
#include <string>

#include "platform/FileCopy.h"  // GetFileSize64, VolumeRootOf

// Decimal digits with a comma before every group of three ("1,234,567");
// a negative value (-1: size unknown) is written plainly.
std::string FormatThousands(int64_t value);

// Left-pads text with spaces to 17 characters; a longer text stays.
void PadSizeText(std::string& text);

// Reads a size text back: commas removed, surrounding white space trimmed,
// an optional sign, then every character counted as a decimal digit.
int64_t ParseSizeText(const std::string& text);

// The label beside the copy list's total: "Total (1.5 GB):" ... or
// "Total (Bytes):".
std::string TotalLabelText(int64_t totalBytes);

// The target volume's size: "931.513 GB" and the like.
std::string VolumeSizeText(uint64_t totalBytes);

// RGB values as COLORREF holds them (red in the low byte).
constexpr uint32_t RgbValue(uint32_t red, uint32_t green, uint32_t blue)
{
    return red | (green << 8) | (blue << 16);
}
constexpr uint32_t kUsageRed = RgbValue(204, 10, 10);
constexpr uint32_t kUsageYellow = RgbValue(225, 225, 51);
constexpr uint32_t kUsageGreen = RgbValue(51, 155, 0);

// Shown on the usage bar when the volume cannot be queried.
constexpr char kDiskUsageUnavailable[] = "Disk Usage: error - unavailable!";

// What the usage bar shows for a volume.
struct DiskUsage {
    float used;          // percent of the volume in use
    std::string text;    // "Disk Usage: (75.00%) 1.500 GB left..."
    uint32_t barColour;  // red above 90 %, yellow above 70 %, else green
    int position;        // bar position: used, truncated toward zero
};

DiskUsage ComputeDiskUsage(uint64_t freeBytes, uint64_t totalBytes);

// Bar colour for a used percentage.
uint32_t UsageBarColour(float used);
