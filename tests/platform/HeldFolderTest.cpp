// Folders held from a chosen folder down and the files made within them:
// nothing goes through a link, whatever is swapped meanwhile, and reads
// never wait for a pipe.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "platform/SharedFile.h"
#include "support/TempFolder.h"

namespace {

// A chosen folder with a folder outside it whose files must never change.
struct Library {
    TempFolder temp;
    HeldFolderChain chain;

    Library()
    {
        temp.MakeFolder("lib\\Z");
        temp.WriteFile("outside\\keep.txt", "keep me");
        EXPECT_EQ(0u, chain.OpenChosen(temp / "lib"));
    }
    void ExpectOutsideUntouched() const
    {
        EXPECT_EQ(std::vector<std::string>{"keep.txt"}, NamesInFolder(temp / "outside"));
        EXPECT_EQ("keep me", ReadFileBytes(temp / "outside\\keep.txt"));
    }
};

}  // namespace

TEST(HeldFolder, ANewFileTakesItsNameOnlyWhenNothingHoldsItUnlessItReplaces)
{
    Library lib;
    lib.temp.WriteFile("lib\\kept.txt", "old");
    const bool linked = MakeLink(lib.temp / "lib\\dangling.txt", lib.temp / "outside\\nothing.txt") &&
                        MakeLink(lib.temp / "lib\\linked.txt", lib.temp / "outside\\keep.txt");
    const HeldFolder& folder = lib.chain.Last();
    {
        NewFile file;
        ASSERT_EQ(0u, file.Create(folder, "one.tmp", "new", false));
        EXPECT_TRUE(IsNameTaken(file.MoveTo(folder, "kept.txt", false)));
        // A link holds its name, one that leads nowhere too (Wine's rename
        // took that one).
        if (linked) {
            EXPECT_TRUE(IsNameTaken(file.MoveTo(folder, "dangling.txt", false)));
            EXPECT_TRUE(IsNameTaken(file.MoveTo(folder, "linked.txt", false)));
            EXPECT_TRUE(IsNameTaken(NewFile().Create(folder, "dangling.txt", "x", false)));
        }
    }  // the file that never took its name goes
    EXPECT_EQ("old", ReadFileBytes(lib.temp / "lib\\kept.txt"));
    EXPECT_FALSE(PathExists(lib.temp / "lib\\one.tmp"));
    {
        NewFile file;
        ASSERT_EQ(0u, file.Create(folder, "two.tmp", "new", true));
        EXPECT_TRUE(IsNameTaken(NewFile().Create(folder, "two.tmp", "x", false)));
        EXPECT_EQ(0u, file.MoveTo(folder, "kept.txt", true));
    }
    EXPECT_EQ("new", ReadFileBytes(lib.temp / "lib\\kept.txt"));
    EXPECT_FALSE(PathExists(lib.temp / "lib\\two.tmp"));
    lib.ExpectOutsideUntouched();
}

TEST(HeldFolder, AChainNeverGoesThroughALinkAFileOrALinkThatLeadsNowhere)
{
    Library lib;
    lib.temp.MakeFolder("lib\\Z\\Season 1");
    lib.temp.WriteFile("lib\\Z\\plain", "a file");
    if (!MakeLink(lib.temp / "lib\\Z\\linked", lib.temp / "outside") ||
        !MakeLink(lib.temp / "lib\\Z\\dangling", lib.temp / "outside\\nothing"))
        GTEST_SKIP() << "no symbolic links here";

    EXPECT_EQ(0u, lib.chain.Reach(NativePath("Z\\Season 1")));
    EXPECT_EQ(lib.temp / "lib\\Z\\Season 1", lib.chain.Last().Path());
    EXPECT_EQ(kErrorLink, lib.chain.Reach(NativePath("Z\\linked")));
    EXPECT_EQ(lib.temp / "lib\\Z\\linked", lib.chain.FailedAt());
    const SystemError file = lib.chain.Reach(NativePath("Z\\plain"));
    EXPECT_NE(0u, file);
    EXPECT_NE(kErrorLink, file);
    EXPECT_EQ(lib.temp / "lib\\Z\\plain", lib.chain.FailedAt());
    ASSERT_EQ(0u, lib.chain.Reach("Z"));

    // A ".meta" is made when missing, never taken through a link.
    const struct {
        const char* name;
        bool made;
        bool link;
    } metas[] = {{"linked", false, true}, {"dangling", false, true}, {"plain", false, false}, {"new", true, false}};
    for (const auto& meta : metas) {
        HeldFolder held;
        const SystemError code = held.OpenOrMakeIn(lib.chain.Last(), meta.name);
        EXPECT_EQ(meta.made, code == 0) << meta.name;
        EXPECT_EQ(meta.link, code == kErrorLink) << meta.name;
    }
    EXPECT_TRUE(InspectPath(lib.temp / "lib\\Z\\new").isFolder);
    lib.ExpectOutsideUntouched();
}

TEST(HeldFolder, AJunctionIsAsMuchALinkAsASymbolicLink)
{
    Library lib;
    if (!MakeJunction(lib.temp / "lib\\Z\\junction", lib.temp / "outside"))
        GTEST_SKIP() << "no junctions here";
    EXPECT_EQ(kErrorLink, lib.chain.Reach(NativePath("Z\\junction")));
    ASSERT_EQ(0u, lib.chain.Reach("Z"));
    HeldFolder held;
    EXPECT_EQ(kErrorLink, held.OpenOrMakeIn(lib.chain.Last(), "junction"));
    lib.ExpectOutsideUntouched();
}

TEST(HeldFolder, AFolderSwappedForALinkWhileHeldGetsItsFilesAndNothingGoesOutside)
{
    // The swap comes at each step of a write in turn: after the folder was
    // held, after the work folder was made, after the file was written.
    for (int step = 0; step < 3; ++step) {
        for (const bool replace : {false, true}) {
            Library lib;
            lib.temp.WriteFile("lib\\Z\\a.txt", "old");
            ASSERT_EQ(0u, lib.chain.Reach("Z"));
            const auto swap = [&] {
                return SwapForLink(lib.temp / "lib\\Z", lib.temp / "lib\\Z.moved", lib.temp / "outside");
            };
            bool swapped = step == 0 && swap();
            HeldFolder work;
            ASSERT_EQ(0u, work.MakeIn(lib.chain.Last(), "w", true));
            swapped = swapped || (step == 1 && swap());
            NewFile file;
            ASSERT_EQ(0u, file.Create(work, "1", "new", replace));
            swapped = swapped || (step == 2 && swap());
            if (!swapped)
                GTEST_SKIP() << "no symbolic links here";
            const SystemError code = file.MoveTo(lib.chain.Last(), replace ? "a.txt" : "b.txt", replace);

            lib.ExpectOutsideUntouched();
            // Natively the file takes its name in the folder held; Wine,
            // which renames by names, refuses.
            if (code == 0)
                EXPECT_EQ("new", ReadFileBytes(lib.temp / (replace ? "lib\\Z.moved\\a.txt" : "lib\\Z.moved\\b.txt")));
#ifndef _WIN32
            EXPECT_EQ(0u, code) << step;
#endif
        }
    }
}

TEST(HeldFolder, ReadsNeverWaitForAPipeAndNeverGoThroughALink)
{
    TempFolder temp;
    temp.WriteFile("real.txt", "bytes");
    if (!MakeFifo(temp / "pipe.txt"))
        GTEST_SKIP() << "no named pipes here";
    // Without a writer a reader of a pipe would wait for ever.
    std::string bytes;
    SystemError error = 0;
    EXPECT_FALSE(ReadWholeFile(temp / "pipe.txt", bytes, &error));
    EXPECT_EQ(kErrorNotAFile, error);
    EXPECT_FALSE(CanReadFile(temp / "pipe.txt", nullptr, &error));
    EXPECT_EQ(kErrorNotAFile, error);
    AppendFile log;
    EXPECT_EQ(kErrorNotAFile, log.Open(temp / "pipe.txt"));

    HeldFolder folder;
    ASSERT_EQ(0u, folder.OpenChosen(temp.Path()));
    EXPECT_FALSE(folder.ReadEntry("pipe.txt", bytes, &error));
    EXPECT_EQ(kErrorNotAFile, error);
    EXPECT_TRUE(folder.ReadEntry("real.txt", bytes, &error, 3));
    EXPECT_EQ("byt", bytes);
    if (MakeLink(temp / "link.txt", temp / "real.txt")) {
        EXPECT_FALSE(folder.ReadEntry("link.txt", bytes, &error));
        EXPECT_EQ(kErrorLink, error);
        // A link goes itself, never what it leads to (or stays, where the
        // system would take the target).
        const SystemError deleted = folder.DeleteEntry("link.txt");
        EXPECT_TRUE(deleted == 0 || deleted == kErrorLink) << deleted;
        EXPECT_EQ("bytes", ReadFileBytes(temp / "real.txt"));
    }
}
