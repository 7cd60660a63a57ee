// The program's temporary files: short names in a hidden work folder of its
// own, and the leftovers of runs that were cut short, removed only where the
// program can prove it made them (its marker), never by their names.
#include <gtest/gtest.h>

#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "core/log/ActivityLog.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
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
        [&](const HeldFolder&, const std::string&) {
            for (const std::string& entry : NamesInFolder(folder))
                name = IsWorkFolderName(entry) ? entry : name;
            return kErrorAccessDenied;
        },
        error);
    return name;
}

}  // namespace

// A work folder as a run leaves it when it is cut short: its marker and
// temporary files.
void LeaveWorkFolder(const TempFolder& folder, const std::string& name, const std::vector<std::string>& files)
{
    folder.WriteFile(name + "\\marker", WorkFolderMarker(name));
    for (const std::string& file : files)
        folder.WriteFile(name + "\\" + file, "cut short");
}

TEST(WorkFolder, ALaterRunRemovesOnlyWhatItsMarkerProvesTheProgramsOwn)
{
    TempFolder folder;
    LeaveWorkFolder(folder, "~reelmark-1f0-3.tmp", {"1", "2a"});
    // Marked, but with a file of somebody else's in it: only the program's
    // own files go, the folder and its marker stay.
    LeaveWorkFolder(folder, "~reelmark-1f0-4.tmp", {"5"});
    folder.WriteFile("~reelmark-1f0-4.tmp\\notes.doc", "the user's");
    // Named like the program's, but nothing proves them its own: a folder
    // without the marker (or with a marker of another folder), and the
    // loose temporary files of earlier versions.
    const std::vector<std::string> kept = {"Holiday.mpg", "Holiday.mpg.txt", "~reelmarkX.tmp",
                                           "notes.reelmark-new.txt", "~reelmark-7-1.tmp\\1",
                                           "~reelmark-7-2.tmp\\marker", "~reelmark.tmp\\1f0-3",
                                           "Holiday.mpg.txt.reelmark-new", "~reelmark12.tmp"};
    for (const std::string& name : kept)
        folder.WriteFile(name, "the user's");
    folder.WriteFile("~reelmark-7-2.tmp\\marker", WorkFolderMarker("~reelmark-1f0-3.tmp"));
    folder.WriteFile("~reelmark-7-2.tmp\\3", "the user's");

    ActivityLog log;
    WorkFolder(folder.Path()).RemoveLeftovers(log);

    EXPECT_FALSE(PathExists(folder / "~reelmark-1f0-3.tmp"));
    // Its marker stays with the file of another's: the folder is still its.
    EXPECT_EQ((std::vector<std::string>{"marker", "notes.doc"}), NamesInFolder(folder / "~reelmark-1f0-4.tmp"));
    for (const std::string& name : kept)
        EXPECT_TRUE(PathExists(folder / name)) << name;
    EXPECT_TRUE(PathExists(folder / "~reelmark-7-2.tmp\\3"));
    // Each removal is a line with its path; what bears the program's names
    // but is not its own is named once.
    const std::string& text = log.Text();
    for (const char* name : {"~reelmark-1f0-3.tmp\\1", "~reelmark-1f0-3.tmp\\2a", "~reelmark-1f0-3.tmp\\marker",
                             "~reelmark-1f0-3.tmp", "~reelmark-1f0-4.tmp\\5"})
        EXPECT_NE(std::string::npos, text.find("run cut short left: " + (folder / name) + "\n")) << name;
    for (const char* name : {"~reelmark-1f0-4.tmp\\notes.doc", "~reelmark-7-1.tmp", "~reelmark-7-2.tmp",
                             "~reelmark.tmp", "Holiday.mpg.txt.reelmark-new", "~reelmark12.tmp"})
        EXPECT_NE(std::string::npos, text.find("Reelmark did not make it: " + (folder / name) + "\n")) << name;
    EXPECT_EQ(11, std::count(text.begin(), text.end(), '\n')) << text;

    // A later run in the same program names them no more.
    WorkFolder(folder.Path()).RemoveLeftovers(log);
    EXPECT_EQ(text, log.Text());
}

TEST(WorkFolder, AMarkerProvesOnlyItsOwnFolder)
{
    const std::string marker = WorkFolderMarker("~reelmark-1-2.tmp");
    EXPECT_TRUE(IsWorkFolderMarker(marker, "~reelmark-1-2.tmp"));
    EXPECT_FALSE(IsWorkFolderMarker(marker, "~reelmark-1-3.tmp"));
    EXPECT_NE(marker, WorkFolderMarker("~reelmark-1-2.tmp"));  // a fresh token each time
    std::string changed = marker;
    changed[25] = changed[25] == 'a' ? 'b' : 'a';
    EXPECT_FALSE(IsWorkFolderMarker(changed, "~reelmark-1-2.tmp"));
    EXPECT_FALSE(IsWorkFolderMarker(marker + "x", "~reelmark-1-2.tmp"));
    EXPECT_FALSE(IsWorkFolderMarker("", "~reelmark-1-2.tmp"));
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
    temp.WriteFile("M\\~reelmark-2b-1.tmp\\marker", WorkFolderMarker("~reelmark-2b-1.tmp"));
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
        [&](const HeldFolder& at, const std::string& name) {
            temporary = at.Path() + NativePath("\\") + name;
            return copy.Create(at, name, "bytes", false);
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
        HeldFolder held;
        ASSERT_EQ(0u, held.OpenChosen(folder.Path()));
        WorkFolder work(held);
        for (const char* name : {"a.mpg.txt", "b.mpg.txt"})
            ASSERT_TRUE(WriteTextFileAtomically(held, name, "text\n", nullptr, &work));
    }
    ASSERT_TRUE(WriteTextFileAtomically(folder / "c.mpg.txt", "text\n"));
    EXPECT_EQ((std::vector<std::string>{"a.mpg.txt", "b.mpg.txt", "c.mpg.txt"}),
              NamesInFolder(folder.Path()));
    EXPECT_EQ("text\r\n", ReadFileBytes(folder / "c.mpg.txt"));
}
