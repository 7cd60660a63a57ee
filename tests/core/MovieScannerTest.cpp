#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <gtest/gtest.h>

#include <map>

#include "core/LongPathFolder.h"
#include "core/folders/FolderIndex.h"
#include "core/folders/MovieScanner.h"
#include "core/library/FolderNode.h"
#include "core/library/MovieList.h"
#include "core/pytivo/PyTivoView.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> items)
{
    std::sort(items.begin(), items.end());
    return items;
}

}  // namespace

TEST(IsMovieFile, JudgesTheFileNamesWholeExtensionInAnyCase)
{
    const struct {
        const char* path;
        bool movie;
    } cases[] = {
        {"C:\\Films\\clip.mpg", true},
        {"C:\\Films\\Clip.MPG", true},
        {"C:\\Films\\clip.Mp4", true},
        {"C:\\Films\\clip.mpeg", true},
        {"C:\\Films\\clip.Ts", true},
        {"C:\\Films\\clip.rmvb", true},
        // An extension that only begins as a movie extension does is none:
        // Generate and the watch would write metadata files beside them.
        {"C:\\Films\\notes.tsv", false},
        {"C:\\Films\\app.tsx", false},
        {"C:\\Films\\thumbs.avif", false},
        {"C:\\Films\\x.tsconfig", false},
        {"C:\\Films\\Movie.mp4a", false},
        {"C:\\Films\\clip.mpeg2", false},
        {"C:\\Films\\clip.mpg2", false},
        {"C:\\Films\\clip.mpg.txt", false},
        {"C:\\Films\\clip.mp", false},
        {"C:\\Films\\clip.", false},
        {"C:\\Films\\mpg", false},
        // A dot in a folder name does not make a name without one a movie.
        {"C:\\Films.mov\\trailer", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.movie, IsMovieFile(NativePath(c.path))) << c.path;
}

TEST(PathHelpers, SplitPathsAsTheirCallersExpect)
{
    EXPECT_EQ("Holiday.mpg", FileNameOf(NativePath("D:\\Films\\Holiday.mpg"), true));
    EXPECT_EQ("Holiday.2012", FileNameOf(NativePath("D:\\Films\\Holiday.2012.mpg"), false));
    EXPECT_EQ("noext", FileNameOf(NativePath("D:\\Films\\noext"), false));
    EXPECT_EQ("", FileNameOf(NativePath("D:\\Films\\.mpg"), false));

    EXPECT_EQ(NativePath("C:\\Movies"), ParentFolderOf(NativePath("C:\\Movies\\Drama")));
    EXPECT_EQ("C:", ParentFolderOf(NativePath("C:\\Movies")));
    EXPECT_EQ(NativePath("C:\\Movies"), ParentFolderOf(NativePath("C:\\Movies\\")));
    EXPECT_EQ("bare", ParentFolderOf("bare"));

    EXPECT_EQ(".mpg", ExtensionOf("a.b.mpg"));
    EXPECT_EQ(NativePath(".mov\\trailer"), ExtensionOf(NativePath("C:\\Films.mov\\trailer")));

    EXPECT_EQ("", StripTrailingSeparator(""));
    EXPECT_EQ(NativePath("C:\\Films"), StripTrailingSeparator(NativePath("C:\\Films\\")));
    EXPECT_EQ(NativePath("C:\\Films\\"), StripTrailingSeparator(NativePath("C:\\Films\\\\")));

    EXPECT_EQ("Drama", LastPathComponent(NativePath("C:\\Movies\\Drama")));
    EXPECT_EQ("Drama", LastPathComponent(NativePath("C:\\Movies\\Drama\\")));
    EXPECT_EQ("", LastPathComponent("Drama"));

    EXPECT_EQ("", AddTrailingSeparator(""));
    EXPECT_EQ(NativePath("C:\\"), AddTrailingSeparator("C:"));
}

TEST(ShortenForDisplay, KeepsHeadAndTailAroundThreeDots)
{
    const std::string text51 = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNO";
    ASSERT_EQ(51u, text51.size());
    const std::string shortened = ShortenForDisplay(text51, 50);
    EXPECT_EQ(text51.substr(0, 17) + "..." + text51.substr(21), shortened);
    EXPECT_EQ(50u, shortened.size());
    EXPECT_EQ(text51.substr(0, 50), ShortenForDisplay(text51.substr(0, 50), 50));
    EXPECT_EQ(text51, ShortenForDisplay(text51, 7));  // no room for a tail
    EXPECT_EQ("abcd...O", ShortenForDisplay(text51, 8));
    EXPECT_EQ(text51, ShortenForDisplay(text51, -1));
    // Characters, not bytes: 40 Greek letters fit 50, and a cut never
    // splits one.
    std::string greek;
    for (int i = 0; i < 30; ++i)
        greek += "Ωμ";
    EXPECT_EQ(greek.substr(0, 40), ShortenForDisplay(greek.substr(0, 40), 50));
    EXPECT_EQ(greek.substr(0, 34) + "..." + greek.substr(greek.size() - 60), ShortenForDisplay(greek, 50));
}

TEST(ListMoviesWithMetadata, ListsTheMovieFilesWithOrWithoutTrailingSeparator)
{
    TempFolder dir;
    dir.WriteFile("A.mpg");
    dir.WriteFile("B.MKV");
    dir.WriteFile("A.mpg.txt", "title : A\r\n");
    dir.WriteFile("notes.txt");
    dir.WriteFile("Café & Co.avi");
    dir.WriteFile("Café & Co.avi.txt");  // empty: counts as none
    dir.WriteFile("sub\\C.avi");
    const auto listed = [](const std::string& folder) {
        std::vector<std::string> lines;
        for (const MovieListing& movie : ListMoviesWithMetadata(folder))
            lines.push_back((movie.hasMetadata ? "[meta] " : "") + movie.name);
        return Sorted(lines);
    };
    EXPECT_EQ(Sorted({"[meta] A.mpg", "B.MKV", "Café & Co.avi"}), listed(dir.Path()));
    EXPECT_EQ(listed(dir.Path()), listed(dir.Path() + kSeparator));
    EXPECT_TRUE(listed("").empty());
    EXPECT_TRUE(listed(dir / "missing").empty());
}

TEST(ReadSubFolders, CountsMoviesThoseWithMetadataFromAnySourceAndOrphans)
{
    TempFolder dir;
    dir.WriteFile("Shows\\Own\\A.mpg");
    dir.WriteFile("Shows\\Own\\A.mpg.txt", "title : A");
    dir.WriteFile("Shows\\Own\\orphan.avi.txt", "title : orphan");
    dir.WriteFile("Shows\\Own\\LOUD.AVI.TXT", "title : LOUD");
    dir.WriteFile("Shows\\Own\\empty.mpg.txt");  // gives pyTivo nothing: counts as none
    dir.WriteFile("Shows\\Own\\notes.txt", "notes");
    dir.WriteFile("Shows\\Own\\clip.txt.mpg");
    dir.WriteFile("Shows\\Own\\sub\\hidden.mpg");
    dir.WriteFile("Shows\\Own\\sub\\hidden.mpg.txt", "title : hidden");
    // Metadata only from other files pyTivo reads.
    dir.WriteFile("Shows\\Sonarr\\e1.mkv");
    dir.WriteFile("Shows\\Sonarr\\.meta\\e1.mkv.txt", "title : e1");
    dir.WriteFile("Shows\\Sonarr\\e2.mkv");
    dir.WriteFile("Shows\\Kodi\\Film.mkv");
    dir.WriteFile("Shows\\Kodi\\Film.nfo", "<movie/>");
    dir.WriteFile("Shows\\old.txt stuff\\A.avi.txt", "title : A");
    dir.WriteFile("Shows\\old.txt stuff\\B.avi");

    const auto counts = [&](bool recursive) {
        std::map<std::string, std::vector<long>> found;
        for (const FolderNode& node : ReadSubFolders(dir / "Shows", recursive))
            found[node.name] = {node.movieCount, node.metadataCount, node.orphanCount};
        return found;
    };
    EXPECT_EQ((std::map<std::string, std::vector<long>>{{"Kodi", {1, 1, 0}},
                                                         {"Own", {2, 1, 2}},
                                                         {"Sonarr", {2, 1, 0}},
                                                         {"old.txt stuff", {1, 0, 1}}}),
              counts(false));
    // With the sub-folder tick the folders below count too.
    EXPECT_EQ((std::vector<long>{3, 2, 2}), counts(true)["Own"]);
    EXPECT_TRUE(ReadSubFolders("", false).empty());
}

TEST(OtherSources, AnEmptyFileGivesPyTivoNothingAndCountsAsNoneInTheListAndTheTree)
{
    // Each other file pyTivo reads for Season\M.mkv, empty and with a line:
    // only the second makes the movie light blue and counts in its folder.
    const char* const sources[] = {"Season\\default.txt",      "Season\\M.nfo",
                                   "Season\\M.properties",     "Season\\.meta\\M.mkv.txt",
                                   "Season\\.meta\\default.txt", "default.txt"};
    TempFolder dir;
    int number = 0;
    std::map<std::string, bool> expected;
    for (const char* source : sources) {
        for (const bool empty : {true, false}) {
            const std::string show = "Cases\\Show " + std::to_string(++number);
            dir.WriteFile(show + "\\Season\\M.mkv", "movie");
            dir.WriteFile(show + "\\" + source, empty ? "" : std::string(source).find(".nfo") != std::string::npos
                                                                    ? "<movie><title>T</title></movie>"
                                                                    : "title : T\n");
            expected["Show " + std::to_string(number)] = !empty;
        }
    }
    for (const auto& [show, holds] : expected) {
        const std::vector<MovieListing> listed = ListMoviesWithMetadata(dir / ("Cases\\" + show + "\\Season"));
        ASSERT_EQ(1u, listed.size()) << show;
        EXPECT_FALSE(listed[0].hasMetadata) << show;
        EXPECT_EQ(holds, listed[0].otherSources) << show << ": " << sources[(std::stoi(show.substr(5)) - 1) / 2];
    }
    for (const FolderNode& node : ReadSubFolders(dir / "Cases", true)) {
        EXPECT_EQ(1, node.movieCount) << node.name;
        EXPECT_EQ(expected[node.name] ? 1 : 0, node.metadataCount) << node.name;
    }
}

TEST(ListSubFolders, GivesBareNamesOfAllSubFoldersOnly)
{
    TempFolder dir;
    dir.MakeFolder("Drama");
    dir.MakeFolder("Garden Diary");
    dir.MakeFolder("Hidden");
#ifdef _WIN32
    SetFileAttributesW(FilePath((dir / "Hidden")).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
#endif
    dir.WriteFile("file.avi");
    std::vector<std::string> names;
    ListSubFolders(dir.Path() + kSeparator, names);
    EXPECT_EQ(Sorted({"Drama", "Garden Diary", "Hidden"}), Sorted(names));
}

TEST(FileExists, AnswersOnlyForReadableFiles)
{
    TempFolder dir;
    dir.WriteFile("Holiday.mpg");
    dir.WriteFile("Holiday.mpg.txt", "x");
    dir.WriteFile("Locked.mpg.txt", "x");
    EXPECT_TRUE(FileExists(dir / "Holiday.mpg"));
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_FALSE(FileExists(dir / "missing.mpg"));
    EXPECT_FALSE(FileExists(""));

#ifdef _WIN32
    // Another program holds it: it cannot be read meanwhile.
    HANDLE lock = CreateFileW(FilePath((dir / "Locked.mpg.txt")).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_FALSE(FileExists(dir / "Locked.mpg.txt"));
    CloseHandle(lock);
#endif
    EXPECT_TRUE(FileExists(dir / "Locked.mpg.txt"));
}

TEST(IsFolderOnDrive, IsTrueForFoldersOnly)
{
    TempFolder dir;
    dir.WriteFile("file.avi");
    EXPECT_TRUE(IsFolderOnDrive(dir.Path()));
    EXPECT_FALSE(IsFolderOnDrive(dir / "file.avi"));
    EXPECT_FALSE(IsFolderOnDrive(dir / "missing"));
}

TEST(MovieScanner, PathsBeyondMaxPathNeitherCrashNorComeBackCut)
{
    TempFolder dir;
    LongPathFolder longFolder(dir.Path(), 300);
    longFolder.AddFile("Deep.avi");
    const std::string deep = longFolder.Path();

    // Where the system cannot reach the folder through the ANSI functions
    // the walk is empty; whatever it finds comes back whole.
    const std::vector<MovieListing> found = ListMoviesWithMetadata(deep);
    for (const MovieListing& movie : found)
        EXPECT_EQ("Deep.avi", movie.name);
    FolderNode node;
    PyTivoRunCache cache;
    const FolderIndex index(deep);
    CountFolder(PyTivoFolder(deep, index), cache, node);
    EXPECT_EQ(found.size(), static_cast<size_t>(node.movieCount));
    EXPECT_EQ(0, node.metadataCount);

    const std::string huge = dir.Path() + kSeparator + std::string(1100, 'x') + ".mpg";
    EXPECT_FALSE(FileExists(huge));
    EXPECT_TRUE(IsMovieFile(huge));
}
