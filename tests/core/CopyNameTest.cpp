#include <gtest/gtest.h>

#include "core/copy/CopyName.h"

TEST(MakeCopyName, RunsThroughCopyOfThenCountedCopies)
{
    std::string name = "D:\\T\\Show.mpg";
    const char* const expected[] = {
        "D:\\T\\Copy of Show.mpg",     "D:\\T\\Copy (1) of Show.mpg",  "D:\\T\\Copy (2) of Show.mpg",
        "D:\\T\\Copy (3) of Show.mpg", "D:\\T\\Copy (4) of Show.mpg",  "D:\\T\\Copy (5) of Show.mpg",
        "D:\\T\\Copy (6) of Show.mpg", "D:\\T\\Copy (7) of Show.mpg",  "D:\\T\\Copy (8) of Show.mpg",
        "D:\\T\\Copy (9) of Show.mpg", "D:\\T\\Copy (10) of Show.mpg", "D:\\T\\Copy (11) of Show.mpg"};
    for (const char* next : expected) {
        name = MakeCopyName(name);
        EXPECT_EQ(next, name);
    }
    EXPECT_EQ("Copy (100) of X.mpg", MakeCopyName("Copy (99) of X.mpg"));
    EXPECT_EQ("Copy (10000000000000000000) of X.mpg", MakeCopyName("Copy (9999999999999999999) of X.mpg"));
}

TEST(MakeCopyName, KeepsTitlesThatOnlyLookLikeCopies)
{
    // The title's own parentheses are not a counter.
    EXPECT_EQ("Copy (1) of Show (2010).mpg", MakeCopyName("Copy of Show (2010).mpg"));
    EXPECT_EQ("Copy (2) of Show (2010).mpg", MakeCopyName("Copy (1) of Show (2010).mpg"));
    EXPECT_EQ("Copy of Show (2010).mpg", MakeCopyName("Show (2010).mpg"));
    // "Copy " inside the title loses nothing.
    EXPECT_EQ("Copy of My Copy Show.mpg", MakeCopyName("My Copy Show.mpg"));
    EXPECT_EQ("Copy of Copy (abc) of X.mpg", MakeCopyName("Copy (abc) of X.mpg"));
    EXPECT_EQ("Copy of Copy (2.mpg", MakeCopyName("Copy (2.mpg"));
    EXPECT_EQ("Copy of Copy (3)of X.mpg", MakeCopyName("Copy (3)of X.mpg"));
    EXPECT_EQ("Copy of copy of x.mpg", MakeCopyName("copy of x.mpg"));
}

TEST(MakeCopyName, ChangesOnlyTheBaseNameAndKeepsTheExtensionLast)
{
    EXPECT_EQ("C:\\a.b\\Copy of noext", MakeCopyName("C:\\a.b\\noext"));
    EXPECT_EQ("C:\\m\\Copy of Show.part1.mpg", MakeCopyName("C:\\m\\Show.part1.mpg"));
    EXPECT_EQ("C:Copy of x.avi", MakeCopyName("C:x.avi"));
    EXPECT_EQ("Copy of .mpg", MakeCopyName(".mpg"));
    EXPECT_EQ("\\\\server\\share\\Copy (1) of Tom & Jérôme.mpg",
              MakeCopyName("\\\\server\\share\\Copy of Tom & Jérôme.mpg"));
    EXPECT_EQ("D:/T/Copy of Show.mpg", MakeCopyName("D:/T/Show.mpg"));
}

TEST(FileNameStart, FollowsTheLastSeparatorOrTheDrive)
{
    EXPECT_EQ(5u, FileNameStart("D:\\T\\Show.mpg"));
    EXPECT_EQ(2u, FileNameStart("C:x.avi"));
    EXPECT_EQ(0u, FileNameStart("x.avi"));
    EXPECT_EQ(3u, FileNameStart("E:\\"));
}
