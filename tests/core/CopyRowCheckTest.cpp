#include <gtest/gtest.h>

#include "core/CopyRowCheck.h"

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
