// The program's temporary files: short names in a hidden work folder of its
// own, and the leftovers of runs that were cut short, removed only where the
// program can prove it made them.
#include <gtest/gtest.h>

#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "core/log/ActivityLog.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace {

// A folder beside the movie folder whose files must never change.
class Outside {
public:
    explicit Outside(const TempFolder& temp) : temp_(temp)
    {
        temp.WriteFile("outside\\important.doc", "keep me");
        temp.WriteFile("outside\\1", "named like a temporary file");
        AgeFile(temp / "outside\\important.doc");
        AgeFile(temp / "outside\\1");
    }
    std::string Folder() const { return temp_ / "outside"; }
    void ExpectUntouched() const
    {
        EXPECT_EQ((std::vector<std::string>{"1", "important.doc"}), NamesInFolder(Folder()));
        EXPECT_EQ("keep me", ReadFileBytes(temp_ / "outside\\important.doc"));
    }

private:
    const TempFolder& temp_;
};

// The run's own work folder, seen while a temporary file is being made.
std::string OwnWorkFolderName(WorkFolder& work, const std::string& folder)
{
    std::string name;
    SystemError error = 0;
    work.MakeTemporary(
        [&](const std::string&) {
            for (const std::string& entry : NamesInFolder(folder))
                name = IsWorkFolderName(entry) ? entry : name;
            return kErrorAccessDenied;
        },
        error);
    return name;
}

}  // namespace

TEST(WorkFolder, ALaterRunRemovesOnlyTheOldLeftoversOfTheProgramsOwnPatterns)
{
    TempFolder folder;
    const std::vector<std::string> leftovers = {"~reelmark-1f0-3.tmp\\1", "~reelmark-1f0-3.tmp\\2a",
                                                "Holiday.mpg.txt.reelmark-new", "~reelmark12.tmp"};
    const std::vector<std::string> kept = {"Holiday.mpg", "Holiday.mpg.txt", "~reelmarkX.tmp",
                                           "notes.reelmark-new.txt", "~reelmark-7-1.tmp\\notes.doc",
                                           "~reelmark.tmp\\1f0-3"};
    for (const std::string& name : leftovers)
        folder.WriteFile(name, "cut short");
    for (const std::string& name : kept)
        folder.WriteFile(name, "the user's");
    for (const std::string& name : leftovers)
        AgeFile(folder / name);
    AgeFile(folder / "~reelmark-7-1.tmp\\notes.doc");
    AgeFile(folder / "~reelmark.tmp\\1f0-3");

    WorkFolder work(folder.Path());
    // Written after this run began: not a leftover.
    folder.WriteFile("~reelmark-7-1.tmp\\2", "a run's that goes on");
    ActivityLog log;
    work.RemoveLeftovers(log);

    for (const std::string& name : leftovers)
        EXPECT_FALSE(PathExists(folder / name)) << name;
    EXPECT_FALSE(PathExists(folder / "~reelmark-1f0-3.tmp"));
    for (const std::string& name : kept)
        EXPECT_TRUE(PathExists(folder / name)) << name;
    EXPECT_TRUE(PathExists(folder / "~reelmark-7-1.tmp\\2"));
    // What bears the program's names but is not its own is named, once each.
    const std::string& text = log.Text();
    for (const char* name : {"~reelmark-7-1.tmp\\notes.doc", "~reelmark.tmp"})
        EXPECT_NE(std::string::npos, text.find("Reelmark did not make it: " + (folder / name) + "\n")) << text;
    EXPECT_EQ(2, std::count(text.begin(), text.end(), '\n')) << text;
}

TEST(WorkFolder, LinksThatBearItsNamesAreNeverFollowedNorRemoved)
{
    TempFolder temp;
    const Outside outside(temp);
    temp.WriteFile("M\\a.mpg");
    // Links named like work folders lead to a folder, those named like the
    // temporary files of earlier versions to a file.
    const std::vector<std::pair<std::string, std::string>> links = {
        {"~reelmark-2a-1.tmp", outside.Folder()},
        {"~reelmark.tmp", outside.Folder()},
        {"b.mpg.reelmark-new", temp / "outside\\important.doc"},
        {"~reelmark7.tmp", temp / "outside\\important.doc"},
    };
    for (const auto& link : links) {
        if (!MakeLink(temp / ("M\\" + link.first), link.second))
            GTEST_SKIP() << "no symbolic links here";
    }
    temp.WriteFile("M\\~reelmark-2b-1.tmp\\9");
    AgeFile(temp / "M\\~reelmark-2b-1.tmp\\9");
    if (!MakeLink(temp / "M\\~reelmark-2b-1.tmp\\5", temp / "outside\\1"))
        GTEST_SKIP() << "no symbolic links here";

    ActivityLog log;
    WorkFolder(temp / "M").RemoveLeftovers(log);
    // A run through that folder also writes its files, the link beside it.
    ASSERT_TRUE(WriteTextFileAtomically(temp / "M\\a.mpg.txt", "title : a\n"));

    outside.ExpectUntouched();
    for (const auto& link : links) {
        EXPECT_TRUE(LeadsElsewhere(temp / ("M\\" + link.first))) << link.first;
        EXPECT_NE(std::string::npos, log.Text().find(temp / ("M\\" + link.first))) << link.first;
    }
    EXPECT_FALSE(PathExists(temp / "M\\~reelmark-2b-1.tmp\\9"));
    EXPECT_NE(std::string::npos, log.Text().find(temp / "M\\~reelmark-2b-1.tmp\\5"));
    EXPECT_EQ("title : a\r\n", ReadFileBytes(temp / "M\\a.mpg.txt"));
}

TEST(WorkFolder, ANameThatIsTakenIsPassedOverNeverTakenOver)
{
    TempFolder temp;
    const Outside outside(temp);
    temp.MakeFolder("M");
    // Whatever holds the names the next runs would pick: a link, a folder
    // of the user's, a file.
    WorkFolder first(temp / "M");
    const std::string used = OwnWorkFolderName(first, temp / "M");
    ASSERT_FALSE(used.empty());
    const size_t dash = used.rfind('-');
    const unsigned long next = std::stoul(used.substr(dash + 1), nullptr, 16);
    const auto name = [&](unsigned long number) {
        char hex[24];
        std::snprintf(hex, sizeof(hex), "%lx", number);
        return temp / ("M\\" + used.substr(0, dash + 1) + hex + ".tmp");
    };
    const bool linked = MakeLink(name(next + 1), outside.Folder());
    temp.WriteFile(name(next + 2).substr(temp.Path().size() + 1) + "\\mine.doc", "the user's");
    temp.WriteFile(name(next + 3).substr(temp.Path().size() + 1), "a file");

    ASSERT_TRUE(WriteTextFileAtomically(temp / "M\\a.mpg.txt", "title : a\n"));

    outside.ExpectUntouched();
    EXPECT_EQ(linked, LeadsElsewhere(name(next + 1)));
    EXPECT_EQ("the user's", ReadFileBytes(name(next + 2) + NativePath("\\mine.doc")));
    EXPECT_EQ("a file", ReadFileBytes(name(next + 3)));
    EXPECT_EQ("title : a\r\n", ReadFileBytes(temp / "M\\a.mpg.txt"));
}

TEST(WorkFolder, AFolderThatARunningRunHoldsIsLeftToIt)
{
    TempFolder folder;
    WorkFolder running(folder.Path());
    // Its copy of a movie has the movie's old time while it is being named.
    NewFile copy;
    std::string temporary;
    SystemError error = 0;
    ASSERT_TRUE(running.MakeTemporary(
        [&](const std::string& path) {
            temporary = path;
            return copy.Create(path, "bytes", false);
        },
        error));
    AgeFile(temporary);

    ActivityLog log;
    WorkFolder(folder.Path()).RemoveLeftovers(log);

    EXPECT_TRUE(PathExists(temporary));
    EXPECT_EQ("", log.Text());
}

TEST(WorkFolder, AtomicWritesLeaveNothingButTheFileAndCleanUpAfterThemselves)
{
    TempFolder folder;
    {
        WorkFolder work(folder.Path());
        for (const char* name : {"a.mpg.txt", "b.mpg.txt"})
            ASSERT_TRUE(WriteTextFileAtomically(folder / name, "text\n", nullptr, &work));
    }
    ASSERT_TRUE(WriteTextFileAtomically(folder / "c.mpg.txt", "text\n"));
    EXPECT_EQ((std::vector<std::string>{"a.mpg.txt", "b.mpg.txt", "c.mpg.txt"}),
              NamesInFolder(folder.Path()));
    EXPECT_EQ("text\r\n", ReadFileBytes(folder / "c.mpg.txt"));
}
