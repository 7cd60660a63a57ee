#include <gtest/gtest.h>

#include "core/copy/SizeTexts.h"
#include "support/TempFolder.h"

TEST(FormatThousands, GroupsByThreeFromTheRight)
{
    EXPECT_EQ("0", FormatThousands(0));
    EXPECT_EQ("999", FormatThousands(999));
    EXPECT_EQ("1,000", FormatThousands(1000));
    EXPECT_EQ("1,000,000", FormatThousands(1000000));
    EXPECT_EQ("1,234,567,890,123", FormatThousands(1234567890123LL));
    EXPECT_EQ("10,050,009", FormatThousands(10050009));
    EXPECT_EQ("9,223,372,036,854,775,807", FormatThousands(INT64_MAX));
    EXPECT_EQ("-1", FormatThousands(-1));
}

TEST(PadSizeText, PadsTo17SoThatTextOrderIsSizeOrder)
{
    std::string text = "1,000";
    PadSizeText(text);
    EXPECT_EQ(std::string(12, ' ') + "1,000", text);
    std::string full = "12,345,678,901,23";
    PadSizeText(full);
    EXPECT_EQ("12,345,678,901,23", full);
    std::string longer = "123,456,789,012,345";
    PadSizeText(longer);
    EXPECT_EQ("123,456,789,012,345", longer);

    std::string small = FormatThousands(999), big = FormatThousands(1000), unknown = FormatThousands(-1);
    PadSizeText(small);
    PadSizeText(big);
    PadSizeText(unknown);
    EXPECT_LT(unknown, small);
    EXPECT_LT(small, big);
}

TEST(ParseSizeText, ReadsBackWhatTheListShows)
{
    for (int64_t value : {int64_t(0), int64_t(999), int64_t(1234567890123LL), int64_t(-1)}) {
        std::string text = FormatThousands(value);
        PadSizeText(text);
        EXPECT_EQ(value, ParseSizeText(text));
    }
    EXPECT_EQ(1500, ParseSizeText(" \t+1,500\r\n"));
    EXPECT_EQ(0, ParseSizeText("   "));
    EXPECT_EQ(0, ParseSizeText(""));
}

TEST(TotalLabelText, ScalesOnlyStrictlyAboveEachBoundary)
{
    EXPECT_EQ("Total (Bytes):", TotalLabelText(0));
    EXPECT_EQ("Total (Bytes):", TotalLabelText(999));
    EXPECT_EQ("Total (1.0 KB):", TotalLabelText(1000));
    EXPECT_EQ("Total (Bytes):", TotalLabelText(999999));
    EXPECT_EQ("Total (1.0 MB):", TotalLabelText(1000000));
    EXPECT_EQ("Total (Bytes):", TotalLabelText(999999999));
    EXPECT_EQ("Total (4.7 GB):", TotalLabelText(4700000000LL));
    EXPECT_EQ("Total (Bytes):", TotalLabelText(999999999999LL));
    EXPECT_EQ("Total (2.5 TB):", TotalLabelText(2500000000000LL));
    EXPECT_EQ("Total (Bytes):", TotalLabelText(-1));
}

TEST(VolumeSizeText, ScalesToThreeDecimals)
{
    EXPECT_EQ("0.500 KB", VolumeSizeText(500));
    EXPECT_EQ("999.999 KB", VolumeSizeText(999999));
    EXPECT_EQ("1.500 MB", VolumeSizeText(1500000));
    EXPECT_EQ("500.108 GB", VolumeSizeText(500107862016ULL));
    EXPECT_EQ("2.000 TB", VolumeSizeText(2000000000000ULL));
}

TEST(DiskUsage, TextNamesTheFreeSpaceInItsUnit)
{
    DiskUsage bytes = ComputeDiskUsage(500, 1000);
    EXPECT_EQ("Disk Usage: (50.00%) 500 bytes left...", bytes.text);
    EXPECT_EQ(50, bytes.position);
    EXPECT_EQ(kUsageGreen, bytes.barColour);

    DiskUsage kilo = ComputeDiskUsage(1500, 6000);
    EXPECT_EQ("Disk Usage: (75.00%) 1.500 KB left...", kilo.text);
    EXPECT_EQ(kUsageYellow, kilo.barColour);

    EXPECT_EQ("Disk Usage: (25.00%) 1.500 GB left...", ComputeDiskUsage(1500000000, 2000000000).text);
    EXPECT_EQ("Disk Usage: (0.00%) 3.000 TB left...",
              ComputeDiskUsage(3000000000000ULL, 3000000000000ULL).text);
    // Exactly 999,999 free bytes falls to the byte form.
    EXPECT_EQ("Disk Usage: (0.00%) 999,999 bytes left...", ComputeDiskUsage(999999, 999999).text);
}

TEST(DiskUsage, BarTurnsYellowAbove70AndRedAbove90)
{
    DiskUsage ninety = ComputeDiskUsage(100, 1000);
    EXPECT_EQ(90.0f, ninety.used);
    EXPECT_EQ(kUsageYellow, ninety.barColour);
    DiskUsage seventy = ComputeDiskUsage(300, 1000);
    EXPECT_EQ(70.0f, seventy.used);
    EXPECT_EQ(kUsageGreen, seventy.barColour);
    EXPECT_EQ(kUsageRed, ComputeDiskUsage(99, 1000).barColour);
    EXPECT_EQ(kUsageYellow, UsageBarColour(70.01f));
    EXPECT_EQ(0x000A0ACCu, kUsageRed);  // COLORREF order: red in the low byte

    // Position is the used percentage truncated, not rounded.
    EXPECT_EQ(99, ComputeDiskUsage(1, 1000).position);
}

TEST(DiskUsage, VolumeWithoutSizeShowsFullInsteadOfDividingByZero)
{
    DiskUsage empty = ComputeDiskUsage(0, 0);
    EXPECT_EQ("Disk Usage: (100.00%) 0 bytes left...", empty.text);
    EXPECT_EQ(100, empty.position);
    EXPECT_EQ(kUsageRed, empty.barColour);
}

TEST(GetFileSize64, SizeOrMinusOne)
{
    TempFolder folder;
    folder.WriteFile("Café & Bar.mpg", std::string(12345, 'x'));
    folder.WriteFile("empty.mpg");
    EXPECT_EQ(12345, GetFileSize64(folder / "Café & Bar.mpg"));
    EXPECT_EQ(0, GetFileSize64(folder / "empty.mpg"));
    EXPECT_EQ(-1, GetFileSize64(folder / "missing.mpg"));
}
