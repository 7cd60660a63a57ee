#include <gtest/gtest.h>

#include "core/copy/CopyRowCheck.h"
#include "support/TempFolder.h"

// Windows only: drive letters and network paths.
#ifdef _WIN32
TEST(CollapseDoubleBackslashes, MendsPickerPathsButKeepsNetworkPaths)
{
    EXPECT_EQ("Z:\\a.mpg", CollapseDoubleBackslashes("Z:\\\\a.mpg"));
    EXPECT_EQ("C:\\x\\a.mpg", CollapseDoubleBackslashes("C:\\x\\a.mpg"));
    EXPECT_EQ("\\\\server\\share\\a.mpg", CollapseDoubleBackslashes("\\\\server\\share\\\\a.mpg"));
    EXPECT_EQ("C:\\x\\a.mpg", CopyDestinationOf("C:\\x\\", "D:\\films\\a.mpg"));
}
#endif

TEST(CheckCopyRow, TheTargetsListingDecidesWhetherAFileIsThereAlready)
{
    TempFolder folder;
    folder.WriteFile("src\\a.mpg", "a");
    folder.WriteFile("dst\\a.mpg", "old");
    folder.MakeFolder("dst\\b.mpg");
    folder.WriteFile("src\\b.mpg", "b");
    folder.WriteFile("src\\c.mpg", "c");
    const FolderIndex target(folder / "dst");
    folder.WriteFile("dst\\c.mpg", "appeared after the listing");
    const struct {
        std::string name;
        bool overwrite;
        CopyRowState state;
    } cases[] = {
        {"a.mpg", false, CopyRowState::Skip},          {"a.mpg", true, CopyRowState::Overwrite},
        {"b.mpg", false, CopyRowState::Ready},  // a folder holds the name: the copy reports it
        {"c.mpg", false, CopyRowState::Ready},  // the copy itself refuses to replace it
        {"missing.mpg", false, CopyRowState::Blocked},
    };
    for (const auto& c : cases) {
        const std::string source = folder / ("src\\" + c.name);
        EXPECT_EQ(c.state,
                  CheckCopyRow(source, CopyDestinationOf(folder / "dst", source), target, c.overwrite).state)
            << c.name;
    }
}
