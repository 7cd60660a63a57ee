#include <gtest/gtest.h>

#include "copy/CopyRowCheck.h"
#include "support/TempFolder.h"

TEST(CollapseDoubleBackslashes, MendsPickerPathsButKeepsNetworkPaths)
{
    EXPECT_EQ("Z:\\a.mpg", CollapseDoubleBackslashes("Z:\\\\a.mpg"));
    EXPECT_EQ("C:\\x\\a.mpg", CollapseDoubleBackslashes("C:\\x\\a.mpg"));
    EXPECT_EQ("\\\\server\\share\\a.mpg", CollapseDoubleBackslashes("\\\\server\\share\\\\a.mpg"));
    EXPECT_EQ("C:\\x\\a.mpg", CopyDestinationOf("C:\\x\\", "D:\\films\\a.mpg"));
}

TEST(CheckCopyRow, TheFirstFailingCheckDecides)
{
    TempFolder folder;
    folder.WriteFile("src\\a.mpg", "a");
    folder.WriteFile("dst\\a.mpg", "old");
    folder.MakeFolder("empty");
    const std::string source = folder / "src\\a.mpg";

    EXPECT_EQ(CopyRowState::Ready, CheckCopyRow(source, folder / "empty\\a.mpg", false).state);
    EXPECT_EQ(CopyRowState::Skip, CheckCopyRow(source, folder / "dst\\a.mpg", false).state);
    EXPECT_EQ(CopyRowState::Overwrite, CheckCopyRow(source, folder / "dst\\a.mpg", true).state);
    EXPECT_EQ("Duplicate source and destination in copy list.", CheckCopyRow(source, source, true).message);
    EXPECT_EQ("Cannot find source file in copy list.",
              CheckCopyRow(folder / "src\\gone.mpg", folder / "dst\\gone.mpg", false).message);
    EXPECT_EQ("Illegal source or destination volume in copy list.",
              CheckCopyRow(source, "Q:\\nowhere\\a.mpg", false).message);
    EXPECT_EQ("", CheckCopyRow(source, folder / "empty\\a.mpg", false).message);
}
