// Generate and the watch write only inside the movie folder: a ".meta" or a
// folder that is a link (or a file, or a link that leads nowhere) is left
// alone with a log line and its movies fail, and folders swapped for links
// at random moments of a run get nothing outside, each swap told in the log
// or its movies' files found in the folder that was moved aside.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "core/log/ActivityLog.h"
#include "core/folders/FolderIndex.h"
#include "core/runs/GenerateRun.h"
#include "core/runs/LibraryWatch.h"
#include "core/library/MovieList.h"
#include "core/pytivo/PyTivoView.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/StopSignal.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

// A library of folders "F000", "F001", ... of movies, and a folder outside
// it that must stay empty.
struct SwapLibrary {
    TempFolder temp;
    int folders;
    int perFolder;
    std::vector<std::string> entries;

    SwapLibrary(int folderCount, int movieCount) : folders(folderCount), perFolder(movieCount)
    {
        temp.MakeFolder("outside");
        for (int f = 0; f < folders; ++f) {
            for (int m = 0; m < perFolder; ++m) {
                entries.push_back(Folder(f) + NativePath("\\") + Movie(m));
                temp.WriteFile("lib\\" + entries.back(), "movie");
            }
        }
    }
    static std::string Folder(int f)
    {
        char name[16];
        std::snprintf(name, sizeof(name), "F%03d", f);
        return name;
    }
    static std::string Movie(int m)
    {
        char name[16];
        std::snprintf(name, sizeof(name), "m%03d.mpg", m);
        return name;
    }
    std::string Path(int f) const { return temp / ("lib\\" + Folder(f)); }
    std::string Aside(int f) const { return Path(f) + ".moved"; }
    bool Swap(int f) const { return SwapForLink(Path(f), Aside(f), temp / "outside"); }

    // Nothing went outside; each swapped folder is named as left alone in
    // the log, or each of its movies has its file in the folder moved
    // aside or a line saying it could not be written (Wine, which renames
    // by names, refuses the rest of a folder swapped while held).
    void ExpectEverySwapToldOrCounted(const std::set<int>& swapped, const std::string& log, int* leftAlone,
                                      int* held) const
    {
        EXPECT_EQ(std::vector<std::string>{}, NamesInFolder(temp / "outside"));
        for (const int f : swapped) {
            if (log.find("Left alone: " + Path(f) + ": a link") != std::string::npos) {
                ++*leftAlone;
                EXPECT_EQ(static_cast<size_t>(perFolder), NamesInFolder(Aside(f)).size())
                    << Folder(f) << ": nothing written in a folder left alone";
                continue;
            }
            ++*held;
            for (int m = 0; m < perFolder; ++m) {
                const std::string movie = Folder(f) + NativePath("\\") + Movie(m);
                EXPECT_TRUE(PathExists(Aside(f) + NativePath("\\") + Movie(m) + ".txt") ||
                            log.find("Could not write metadata file: " + (temp / ("lib\\" + movie)) + ".txt") !=
                                std::string::npos)
                    << movie;
            }
        }
    }
};

// How many folders and movies, and how many swaps: 5,000 movies and 50
// swaps in both builds (under Wine each swap starts a program of the system).
constexpr int kFolders = 100;
constexpr int kPerFolder = 50;
constexpr int kSwaps = 50;

// kSwaps distinct folders, each swapped at a random moment of the run (the
// number of its files begun by then, below moments).
std::map<int, std::vector<int>> SwapMoments(std::mt19937& random, int moments)
{
    std::vector<int> order(kFolders);
    for (int f = 0; f < kFolders; ++f)
        order[static_cast<size_t>(f)] = f;
    std::shuffle(order.begin(), order.end(), random);
    std::map<int, std::vector<int>> at;
    for (int i = 0; i < kSwaps; ++i)
        at[std::uniform_int_distribution<int>(0, moments - 1)(random)].push_back(order[static_cast<size_t>(i)]);
    return at;
}

unsigned Seed()
{
    const unsigned seed = std::random_device()();
    std::printf("seed %u\n", seed);
    return seed;
}

}  // namespace

TEST(HeldWrites, AMetaFolderThatIsALinkAFileOrALinkThatLeadsNowhereIsLeftAloneAndItsMoviesFail)
{
    const struct {
        const char* what;
        bool link;
    } cases[] = {{"link", true}, {"dangling", true}, {"file", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder temp;
        temp.WriteFile("lib\\A.mpg");
        temp.WriteFile("lib\\B.mpg");
        temp.WriteFile("outside\\B.mpg.txt", "title : Theirs\r\n");
        const std::string meta = temp / "lib\\.meta";
        if (std::string(c.what) == "file")
            temp.WriteFile("lib\\.meta", "a file");
        else if (!MakeLink(meta, temp / (std::string(c.what) == "link" ? "outside" : "nowhere")))
            GTEST_SKIP() << "no symbolic links here";
        for (const bool replace : {false, true}) {
            ScriptedMessages quiet;
            ActivityLog log;
            GenerateRequest request;
            request.folder = temp / "lib";
            request.entries = {"A.mpg", "B.mpg"};
            request.metaFolder = true;
            request.replaceExisting = replace;
            const GenerateResult result = RunGenerate(request, log);

            EXPECT_EQ(0, result.created);
            EXPECT_EQ(2, result.failed);
            EXPECT_EQ((std::vector<std::string>{"B.mpg.txt"}), NamesInFolder(temp / "outside"));
            EXPECT_EQ("title : Theirs\r\n", ReadFileBytes(temp / "outside\\B.mpg.txt"));
            const std::string line = "Left alone: " + meta + ": " +
                                     (c.link ? "a link to another place; nothing is written through a link"
                                             : "a file, not a folder");
            EXPECT_NE(std::string::npos, log.Text().find(line + "\n")) << log.Text();
            EXPECT_EQ(log.Text().find("Left alone"), log.Text().rfind("Left alone")) << "told once a run";
        }
        // No work folder stays behind; the ".meta" is as it was (Wine shows
        // no link that leads nowhere).
        for (const std::string& name : NamesInFolder(temp / "lib"))
            EXPECT_TRUE(name == ".meta" || name == "A.mpg" || name == "B.mpg") << name;
        if (std::string(c.what) == "file")
            EXPECT_EQ("a file", ReadFileBytes(meta));
        else if (std::string(c.what) == "link")
            EXPECT_TRUE(LeadsElsewhere(meta));
    }
}

TEST(HeldWrites, ALinkThatLeadsNowhereNamedLikeAMetadataFileIsSkippedNotReplaced)
{
    // Wine's rename that should not replace took the link's name.
    TempFolder temp;
    temp.WriteFile("lib\\A.mpg");
    temp.MakeFolder("outside");
    if (!MakeLink(temp / "lib\\A.mpg.txt", temp / "outside\\nothing.txt"))
        GTEST_SKIP() << "no symbolic links here";
    ScriptedMessages quiet;
    ActivityLog log;
    GenerateRequest request;
    request.folder = temp / "lib";
    request.entries = {"A.mpg"};
    const GenerateResult result = RunGenerate(request, log);

    EXPECT_EQ(1, result.skipped);
    EXPECT_EQ(0, result.created);
    EXPECT_EQ("", ReadFileBytes(temp / "lib\\A.mpg.txt")) << "still the link, which leads nowhere";
    EXPECT_EQ(std::vector<std::string>{}, NamesInFolder(temp / "outside"));
}

TEST(HeldWrites, WhatPyTivoReadsInALinkedMetaFolderTheListAndTheViewAgreeOn)
{
    // pyTivo reads through the link; the list's colour follows the view.
    TempFolder temp;
    temp.WriteFile("lib\\A.mpg");
    temp.WriteFile("outside\\A.mpg.txt", "title : Theirs\r\n");
    if (!MakeLink(temp / "lib\\.meta", temp / "outside"))
        GTEST_SKIP() << "no symbolic links here";
    const FolderIndex index(temp / "lib");
    PyTivoRunCache cache;
    const PyTivoFolder folder(temp / "lib", index);
    const PyTivoView view = ReadPyTivoView(folder, *index.Find("A.mpg"), cache);
    ASSERT_NE(nullptr, view.Find("title"));
    EXPECT_EQ("Theirs", view.Find("title")->text);
    const std::vector<MovieListing> listed = ListMoviesWithMetadata(temp / "lib");
    ASSERT_EQ(1u, listed.size());
    EXPECT_FALSE(listed[0].hasMetadata);
    EXPECT_TRUE(listed[0].otherSources);
}

TEST(HeldWrites, FoldersSwappedForLinksAtRandomMomentsOfARecursiveGenerateGetNothingOutside)
{
    SwapLibrary lib(kFolders, kPerFolder);
    std::mt19937 random(Seed());
    const int total = kFolders * kPerFolder;
    const std::map<int, std::vector<int>> moments = SwapMoments(random, total);
    std::set<int> swapped;
    ScriptedMessages quiet;
    ActivityLog log;
    GenerateRequest request;
    request.folder = lib.temp / "lib";
    request.entries = lib.entries;
    request.progress = [&](int done, const std::string&) {
        const auto at = moments.find(done);
        for (const int f : at == moments.end() ? std::vector<int>{} : at->second) {
            if (lib.Swap(f))
                swapped.insert(f);
        }
        return true;
    };
    const auto started = std::chrono::steady_clock::now();
    const GenerateResult result = RunGenerate(request, log);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (swapped.empty())
        GTEST_SKIP() << "no symbolic links here";

    EXPECT_EQ(total, result.created + result.failed);
    int leftAlone = 0;
    int held = 0;
    lib.ExpectEverySwapToldOrCounted(swapped, log.Text(), &leftAlone, &held);
    std::printf("generate: %d movies in %d folders, %zu swaps at random moments: %d folders left alone (logged), "
                "%d swapped while held (files in the folder moved aside); %d written, %d failed, nothing "
                "outside; %.2f s\n",
                total, kFolders, swapped.size(), leftAlone, held, result.created, result.failed, seconds);
}

TEST(HeldWrites, FoldersSwappedForLinksAtRandomMomentsOfTheWatchGetNothingOutside)
{
    SwapLibrary lib(kFolders, kPerFolder);
    std::mt19937 random(Seed());
    const int total = kFolders * kPerFolder;
    // The files of folders left alone are not begun: half the files are
    // begun whatever is swapped.
    const std::map<int, std::vector<int>> moments = SwapMoments(random, total / 2);
    std::set<int> swapped;
    ScriptedMessages quiet;
    ActivityLog log;
    // Each file the watch begins is a moment at which folders may be swapped.
    int begun = 0;
    log.SetListener([&](const std::string& line) {
        if (line.find("Creating metadata file") == std::string::npos)
            return;
        const auto at = moments.find(begun++);
        for (const int f : at == moments.end() ? std::vector<int>{} : at->second) {
            if (lib.Swap(f))
                swapped.insert(f);
        }
    });
    WatchRequest request;
    request.generate.folder = lib.temp / "lib";
    request.generate.seriesTitleText = "lib";
    request.recursive = true;
    request.settleSeconds = 0;  // every movie has settled
    StopSignal stop;
    LibraryWatch watch(request, log, stop);
    ASSERT_TRUE(watch.Pass(0));
    if (swapped.empty())
        GTEST_SKIP() << "no symbolic links here";

    int leftAlone = 0;
    int held = 0;
    lib.ExpectEverySwapToldOrCounted(swapped, log.Text(), &leftAlone, &held);
    std::printf("watch: %d movies in %d folders, %zu swaps at random moments: %d folders left alone (logged), %d "
                "swapped while held; nothing outside\n",
                total, kFolders, swapped.size(), leftAlone, held);
}
