// Where the user's cache lives: the system's per-user place for files a
// program can make again.
#include <gtest/gtest.h>

#include "platform/HomeFolder.h"
#include "support/EnvironmentScope.h"

#ifdef _WIN32
TEST(UserCacheFolder, IsReelmarkCacheInTheLocalApplicationDataFolder)
{
    EnvironmentScope local("LOCALAPPDATA", "C:\\Users\\Ann\\AppData\\Local\\");
    EXPECT_EQ("C:\\Users\\Ann\\AppData\\Local\\Reelmark\\cache", UserCacheFolder());
    EnvironmentScope none("LOCALAPPDATA", "");
    EXPECT_EQ("", UserCacheFolder());
}
#else
TEST(UserCacheFolder, FollowsXdgCacheHomeElseTheHomeFolder)
{
    EnvironmentScope home("HOME", "/home/ann");
    {
        EnvironmentScope cache("XDG_CACHE_HOME", "/var/cache/ann/");
        EXPECT_EQ("/var/cache/ann/reelmark", UserCacheFolder());
    }
    {
        // A relative one is to be ignored, as the XDG rules say.
        EnvironmentScope cache("XDG_CACHE_HOME", "relative");
        EXPECT_EQ("/home/ann/.cache/reelmark", UserCacheFolder());
    }
    EnvironmentScope cache("XDG_CACHE_HOME", "");
    EXPECT_EQ("/home/ann/.cache/reelmark", UserCacheFolder());
    EnvironmentScope noHome("HOME", "");
    EXPECT_EQ("", UserCacheFolder());
}
#endif
