// The walk below the movie folder: which names are season folders, the
// series title each folder gives, which entries the walk enters, and walks
// over real trees with a link back up and a folder that cannot be read.

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "core/files/WorkFolder.h"
#include "core/folders/FolderWalk.h"
#include "core/library/MovieList.h"
#include "core/library/SeriesTitle.h"
#include "core/log/ActivityLog.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

TEST(FolderWalk, SeriesTitleOfEachFolder)
{
    const struct {
        const char* movieFolder;
        const char* relative;
        const char* top;
        const char* title;
    } cases[] = {
        {"D:\\TV\\Shows", "", "Shows", "Shows"},  // the movie folder: the Series Title as the user left it
        {"D:\\TV\\Shows", "Dr Who", "Shows", "Dr Who"},
        {"D:\\TV\\Shows", "Dr Who\\Season 1", "Shows", "Dr Who"},
        {"D:\\TV\\Shows", "Dr Who\\Specials", "Shows", "Dr Who"},
        {"D:\\TV\\Shows", "Dr Who\\Staffel 2", "Shows", "Dr Who"},
        {"D:\\TV\\Dr Who", "Season 2", "Dr Who", "Dr Who"},  // a season folder right in the movie folder
        {"D:\\", "Season 2", "", "Season 2"},                // ... of a drive root, which has no name
        {"D:\\TV\\Shows", "A\\Season 2\\S01", "Shows", "Season 2"},  // only the folder right above counts
        {"D:\\TV\\Shows", "Dr Who\\Extras", "Shows", "Extras"},
        // The movie folder is a season folder: the folder above names the show,
        // unless the user typed a title of their own.
        {"D:\\TV\\Dr Who\\Season 1", "", "Season 1", "Dr Who"},
        {"D:\\TV\\Dr Who\\Season 1\\", "", "Season 1", "Dr Who"},
        {"D:\\TV\\Dr Who\\Season 1", "", "Doctor Who", "Doctor Who"},
        {"D:\\TV\\Dr Who\\Season 1", "Specials", "Season 1", "Dr Who"},
        {"D:\\Season 1", "", "Season 1", "Season 1"},
        {"D:\\TV\\Dr Who\\Season 1", "Extras", "Season 1", "Extras"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.title, SeriesTitleOfFolder(NativePath(c.movieFolder), NativePath(c.relative), c.top))
            << c.movieFolder << " " << c.relative;
    }
}

TEST(FolderWalk, EntersFoldersButNoLinksNorItsWorkFolder)
{
    FolderEntry file{"a.mpg"};
    FolderEntry folder{"Season 1", true};
    FolderEntry link{"loop", true};
    link.isLink = true;
    EXPECT_FALSE(WalkEntersFolder(file));
    EXPECT_TRUE(WalkEntersFolder(folder));
    EXPECT_FALSE(WalkEntersFolder(link));
    for (const char* name : {"~reelmark.tmp", "~reelmark-1f0-3.tmp"})
        EXPECT_FALSE(WalkEntersFolder(FolderEntry{name, true})) << name;
    EXPECT_TRUE(WalkEntersFolder(FolderEntry{"~reelmark-notes.tmp", true}));
}

namespace fs = std::filesystem;

namespace {

class FolderWalkTree : public ::testing::Test {
protected:
    FolderWalkTree()
    {
        dir.WriteFile("top.mpg");
        dir.WriteFile("top.mpg.txt", "title : top\r\n");
        dir.WriteFile("Dr Who\\Season 1\\e1.mpg");
        dir.WriteFile("Dr Who\\Season 1\\e1.mpg.txt", "");  // empty: counts as none
        dir.WriteFile("Dr Who\\Season 1\\notes.txt");
        dir.WriteFile("Dr Who\\Season 2\\e2.avi");
        dir.WriteFile("Dr Who\\Season 2\\e2.avi.txt", "title : e2\r\n");
        dir.WriteFile(std::string("~reelmark-2a-1.tmp") + kSeparator + "leftover.mpg");
        dir.MakeFolder("Empty");
    }

    std::vector<std::string> Listed(std::vector<MovieListing> movies) const
    {
        std::vector<std::string> lines;
        for (const MovieListing& movie : movies)
            lines.push_back((movie.hasMetadata ? "[meta] " : "") + movie.name);
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    TempFolder dir;
    ScriptedMessages prompt;
    ActivityLog log;
};

}  // namespace

TEST_F(FolderWalkTree, ListsEveryFolderOnceWithPathsFromTheMovieFolder)
{
    const std::vector<std::string> expected = {NativePath("Dr Who\\Season 1\\e1.mpg"),
                                               NativePath("[meta] Dr Who\\Season 2\\e2.avi"),
                                               "[meta] top.mpg"};
    EXPECT_EQ(expected, Listed(ListMoviesBelow(dir.Path(), log)));
    EXPECT_EQ(expected, Listed(ListMoviesBelow(dir.Path() + kSeparator, log)));
    EXPECT_EQ("", log.Text());

    // A folder comes before its sub-folders, and each is read once.
    std::vector<std::string> order;
    WalkFolderTree(dir.Path(), log, [&](const WalkedFolder& at) {
        order.push_back(at.relative);
        return true;
    });
    ASSERT_EQ(5u, order.size());
    EXPECT_EQ("", order[0]);
    const auto position = [&](const std::string& relative) {
        return std::find(order.begin(), order.end(), relative) - order.begin();
    };
    EXPECT_LT(position("Dr Who"), position(NativePath("Dr Who\\Season 1")));
    EXPECT_LT(position("Dr Who"), position(NativePath("Dr Who\\Season 2")));
    EXPECT_LT(position("Empty"), 5);
}

TEST_F(FolderWalkTree, ALinkBackUpTheTreeIsNotFollowed)
{
    if (!MakeLink(dir / "Dr Who\\Season 1\\back to top", dir.Path()))
        GTEST_SKIP() << "no symbolic links here";
    EXPECT_EQ(3u, ListMoviesBelow(dir.Path(), log).size());
    // Said once, not at every walk.
    EXPECT_EQ(3u, ListMoviesBelow(dir.Path(), log).size());
    const std::string line = "Left out, a link is not followed: " + (dir / "Dr Who\\Season 1\\back to top") + "\n";
    EXPECT_NE(std::string::npos, log.Text().find(line)) << log.Text();
    EXPECT_EQ(log.Text().find("Left out"), log.Text().rfind("Left out")) << log.Text();
}

TEST_F(FolderWalkTree, AFolderThatCannotBeReadIsLoggedAndSkipped)
{
    // Gone between the reading of its parent and its own: the walk goes on
    // with the others.
    bool stopped = true;
    const std::vector<MovieListing> movies = ListMoviesBelow(
        dir.Path(), log,
        [&](const WalkedFolder& at) {
            if (at.relative == "Dr Who")
                fs::rename(fs::u8path(dir / "Dr Who\\Season 2"), fs::u8path(dir / "Moved away"));
            return true;
        },
        &stopped);

    EXPECT_FALSE(stopped);
    EXPECT_EQ(2u, movies.size());
    EXPECT_NE(std::string::npos,
              log.Text().find("Could not read folder (skipped): " + (dir / "Dr Who\\Season 2")))
        << log.Text();
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(FolderWalkTree, KeepGoingStopsTheWalkWithWhatWasFound)
{
    bool stopped = false;
    const std::vector<MovieListing> movies = ListMoviesBelow(
        dir.Path(), log, [](const WalkedFolder& at) { return at.relative.empty(); }, &stopped);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(std::vector<std::string>{"[meta] top.mpg"}, Listed(movies));
}
