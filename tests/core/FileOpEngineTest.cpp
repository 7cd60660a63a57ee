#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/copy/FileOpEngine.h"
#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

const std::string kNoError = "No error";
const std::string kAmpersandName = "Tom & Jérôme.mpg";

// The names in the folder beside the engine's hidden work folder, which
// stays while the engine lives.
std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names = NamesInFolder(folder);
    names.erase(std::remove_if(names.begin(), names.end(), IsWorkFolderName), names.end());
    return names;
}

// The same path as the file system takes it, written in other letters
// where names are compared without regard to case (Windows).
std::string InOtherCase(std::string text)
{
    if (CompareFileNames("a", "A") == 0) {
        for (char& c : text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

TEST(FileOpEngineCopy, FileIntoFolderPicksTheNextFreeCopyName)
{
    TempFolder temp;
    temp.WriteFile("src\\X.mpg", "new");
    temp.WriteFile("dst\\X.mpg", "old");
    temp.WriteFile("dst\\Copy of X.mpg", "old copy");
    temp.WriteFile("dst\\Copy (1) of X.mpg", "old copy 1");
    CFileOpEngine engine;

    EXPECT_TRUE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst\\"));
    EXPECT_EQ(kNoError, engine.ErrorText());
    EXPECT_EQ(0u, engine.ErrorCode());
    EXPECT_EQ("new", ReadFileBytes(temp / "dst\\Copy (2) of X.mpg"));
    EXPECT_EQ("old", ReadFileBytes(temp / "dst\\X.mpg"));
    EXPECT_EQ("old copy", ReadFileBytes(temp / "dst\\Copy of X.mpg"));
    EXPECT_EQ("old copy 1", ReadFileBytes(temp / "dst\\Copy (1) of X.mpg"));

    // Without a trailing backslash the folder is meant just the same.
    EXPECT_TRUE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst"));
    EXPECT_EQ("new", ReadFileBytes(temp / "dst\\Copy (3) of X.mpg"));
    EXPECT_EQ(5u, FilesIn(temp / "dst").size());
}

TEST(FileOpEngineCopy, ReplaceExistingOverwritesUntilReset)
{
    TempFolder temp;
    temp.WriteFile("src\\X.mpg", "new content");
    temp.WriteFile("dst\\X.mpg", "old");
    CFileOpEngine engine;
    engine.SetReplaceExisting(true);
    EXPECT_TRUE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst\\"));
    EXPECT_EQ("new content", ReadFileBytes(temp / "dst\\X.mpg"));
    EXPECT_EQ(std::vector<std::string>{"X.mpg"}, FilesIn(temp / "dst"));

    engine.Reset();
    EXPECT_TRUE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst\\"));
    EXPECT_EQ((std::vector<std::string>{"Copy of X.mpg", "X.mpg"}), FilesIn(temp / "dst"));
}

TEST(FileOpEngineCopy, FileOntoFileCopiesBesideItOrReplacesIt)
{
    TempFolder temp;
    temp.WriteFile("a.mpg", "a");
    temp.WriteFile("b.mpg", "b");
    CFileOpEngine engine;
    EXPECT_TRUE(engine.CopyItem(temp / "a.mpg", temp / "b.mpg"));
    EXPECT_EQ("a", ReadFileBytes(temp / "Copy of b.mpg"));
    EXPECT_EQ("b", ReadFileBytes(temp / "b.mpg"));
    engine.SetReplaceExisting(true);
    EXPECT_TRUE(engine.CopyItem(temp / "a.mpg", temp / "b.mpg"));
    EXPECT_EQ("a", ReadFileBytes(temp / "b.mpg"));
}

TEST(FileOpEngineCopy, OddCharactersInNamesSurvive)
{
    TempFolder temp;
    temp.WriteFile("src & été\\" + kAmpersandName, "movie");
    temp.MakeFolder("dst é");
    CFileOpEngine engine;
    ASSERT_TRUE(engine.CopyItem(temp / ("src & été\\" + kAmpersandName), temp / "dst é\\"));
    ASSERT_TRUE(engine.CopyItem(temp / ("src & été\\" + kAmpersandName), temp / "dst é\\"));
    EXPECT_EQ((std::vector<std::string>{"Copy of " + kAmpersandName, kAmpersandName}),
              FilesIn(temp / "dst é"));
    EXPECT_EQ("movie", ReadFileBytes(temp / ("dst é\\Copy of " + kAmpersandName)));
}

TEST(FileOpEngineCopy, ReportsMissingPathsAndWrongOperationWithCodeZero)
{
    TempFolder temp;
    temp.WriteFile("file.mpg", "x");
    temp.MakeFolder("folder");
    CFileOpEngine engine;

    EXPECT_FALSE(engine.CopyItem(temp / "gone.mpg", temp / "folder"));
    EXPECT_EQ(temp / "gone.mpg not found", engine.ErrorText());
    EXPECT_EQ(0u, engine.ErrorCode());
    // The error stays until Reset, even through a call that succeeds.
    EXPECT_TRUE(engine.CopyItem(temp / "file.mpg", temp / "folder"));
    EXPECT_EQ(temp / "gone.mpg not found", engine.ErrorText());

    engine.Reset();
    EXPECT_FALSE(engine.CopyItem(temp / "file.mpg", temp / "nowhere\\"));
    EXPECT_EQ(temp / "nowhere\\ not found", engine.ErrorText());

    engine.Reset();
    EXPECT_FALSE(engine.CopyItem(temp / "folder", temp / "file.mpg"));
    EXPECT_EQ("Wrong operation", engine.ErrorText());
    EXPECT_EQ(0u, engine.ErrorCode());
    EXPECT_EQ("x", ReadFileBytes(temp / "file.mpg"));
}

// Windows only: "?" is no character of a file name there.
#ifdef _WIN32
TEST(FileOpEngineCopy, PathThatCannotBeExaminedIsAFailureNotASuccess)
{
    TempFolder temp;
    temp.MakeFolder("dst");
    CFileOpEngine engine;
    EXPECT_FALSE(engine.CopyItem(temp / "bad?name.mpg", temp / "dst"));
    EXPECT_NE(0u, engine.ErrorCode());
    EXPECT_EQ(SystemErrorText(engine.ErrorCode()), engine.ErrorText());
    EXPECT_TRUE(FilesIn(temp / "dst").empty());
}
#endif

TEST(FileOpEngineCopy, FolderCopyMakesTheNamedFolderWithItsWholeTree)
{
    TempFolder temp;
    temp.WriteFile("Movies\\Kids\\a.mpg", "a");
    temp.WriteFile("Movies\\Kids\\Sub\\b.mpg", "b");
    temp.WriteFile("Movies\\Kids\\Sub\\Deeper\\c.mpg", "c");
    temp.MakeFolder("Movies\\Kids\\Empty");
    temp.MakeFolder("Backup");
    CFileOpEngine engine;

    EXPECT_TRUE(engine.CopyItem(temp / "Movies\\Kids", temp / "Backup"));
    EXPECT_EQ(kNoError, engine.ErrorText());
    EXPECT_EQ("a", ReadFileBytes(temp / "Backup\\Kids\\a.mpg"));
    EXPECT_EQ("b", ReadFileBytes(temp / "Backup\\Kids\\Sub\\b.mpg"));
    EXPECT_EQ("c", ReadFileBytes(temp / "Backup\\Kids\\Sub\\Deeper\\c.mpg"));
    EXPECT_TRUE(PathExists(temp / "Backup\\Kids\\Empty"));

    // Again: the folder exists already, the files get copy names.
    EXPECT_TRUE(engine.CopyItem(temp / "Movies\\Kids\\", temp / "Backup\\"));
    EXPECT_EQ("a", ReadFileBytes(temp / "Backup\\Kids\\Copy of a.mpg"));
    EXPECT_EQ("c", ReadFileBytes(temp / "Backup\\Kids\\Sub\\Deeper\\Copy of c.mpg"));
}

TEST(FileOpEngineCopy, FolderIntoItsOwnParentDoesNothing)
{
    TempFolder temp;
    temp.WriteFile("A\\B\\x.mpg", "x");
    CFileOpEngine engine;
    engine.CopyItem(temp / "missing", temp.Path());  // leaves an error behind
    const std::string errorBefore = engine.ErrorText();

    EXPECT_TRUE(engine.CopyItem(temp / "A\\B", InOtherCase(temp / "A")));
    EXPECT_TRUE(engine.CopyItem(temp / "A\\B", temp / "A\\"));
    EXPECT_EQ(errorBefore, engine.ErrorText());
    EXPECT_EQ(std::vector<std::string>{"B"}, FilesIn(temp / "A"));
    EXPECT_EQ(std::vector<std::string>{"x.mpg"}, FilesIn(temp / "A\\B"));
}

TEST(FileOpEngineCopy, FolderIntoItsOwnSubFolderEntersOnlyOneSubFolder)
{
    TempFolder temp;
    temp.WriteFile("A\\top.mpg", "t");
    temp.WriteFile("A\\B\\b.mpg", "b");
    temp.WriteFile("A\\C\\c.mpg", "c");
    CFileOpEngine engine;

    EXPECT_TRUE(engine.CopyItem(temp / "A", temp / "A\\B"));
    EXPECT_EQ("t", ReadFileBytes(temp / "A\\B\\A\\top.mpg"));
    // One sub-folder of the whole tree was entered: B or C, not both, and
    // never the copy being made.
    const bool enteredB = PathExists(temp / "A\\B\\A\\B");
    const bool enteredC = PathExists(temp / "A\\B\\A\\C");
    EXPECT_NE(enteredB, enteredC);
    EXPECT_FALSE(PathExists(temp / "A\\B\\A\\B\\A\\A"));

    // The limit ends with the call.
    EXPECT_TRUE(engine.CopyItem(temp / "A\\C", temp / "A\\B"));
    EXPECT_EQ("c", ReadFileBytes(temp / "A\\B\\C\\c.mpg"));
}

TEST(FileOpEngineCopy, FolderIntoASiblingWithALongerNameCopiesEverything)
{
    TempFolder temp;
    temp.WriteFile("Movies\\Kids\\Sub\\b.mpg", "b");
    temp.WriteFile("Movies\\Drama\\d.mpg", "d");
    temp.MakeFolder("Movies2");
    CFileOpEngine engine;
    EXPECT_TRUE(engine.CopyItem(temp / "Movies", temp / "Movies2"));
    EXPECT_EQ("b", ReadFileBytes(temp / "Movies2\\Movies\\Kids\\Sub\\b.mpg"));
    EXPECT_EQ("d", ReadFileBytes(temp / "Movies2\\Movies\\Drama\\d.mpg"));
}

// Windows only: there a file another program holds open cannot be read.
#ifdef _WIN32
TEST(FileOpEngineCopy, FailedCopyLeavesNoPartialFileAndKeepsTheReplacedOne)
{
    TempFolder temp;
    temp.WriteFile("src\\X.mpg", "new");
    temp.WriteFile("dst\\Y.mpg", "old");
    CFileOpEngine engine;

    // The source is held open without sharing: the copy cannot read it.
    HANDLE locked = CreateFileW(FilePath((temp / "src\\X.mpg")).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    EXPECT_FALSE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst\\"));
    EXPECT_NE(0u, engine.ErrorCode());
    EXPECT_EQ(SystemErrorText(engine.ErrorCode()), engine.ErrorText());
    EXPECT_EQ(std::vector<std::string>{"Y.mpg"}, FilesIn(temp / "dst"));

    engine.Reset();
    engine.SetReplaceExisting(true);
    EXPECT_FALSE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst\\Y.mpg"));
    CloseHandle(locked);
    EXPECT_EQ("old", ReadFileBytes(temp / "dst\\Y.mpg"));
    EXPECT_EQ(std::vector<std::string>{"Y.mpg"}, FilesIn(temp / "dst"));

    // A read-only file is not replaced, and the new bytes do not linger.
    engine.Reset();
    engine.SetReplaceExisting(true);
    SetReadOnly(temp / "dst\\Y.mpg");
    EXPECT_FALSE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst\\Y.mpg"));
    EXPECT_EQ(SystemErrorText(engine.ErrorCode()), engine.ErrorText());
    EXPECT_EQ("old", ReadFileBytes(temp / "dst\\Y.mpg"));
    EXPECT_EQ(std::vector<std::string>{"Y.mpg"}, FilesIn(temp / "dst"));
}
#endif

TEST(FileOpEngineCopy, ReadOnlySourceCopiesAndNoTemporaryFileRemains)
{
    TempFolder temp;
    temp.WriteFile("src\\X.mpg", "x");
    temp.MakeFolder("dst");
    SetReadOnly(temp / "src\\X.mpg");
    {
        CFileOpEngine engine;
        EXPECT_TRUE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst"));
    }
    EXPECT_EQ(std::vector<std::string>{"X.mpg"}, NamesInFolder(temp / "dst"));
    EXPECT_EQ("x", ReadFileBytes(temp / "dst\\X.mpg"));
}

// The engine reads the target folder once; a file that appears there later
// is found by the rename, which never replaces unless told to.
TEST(FileOpEngineCopy, ANameTakenAfterTheListingIsNeverOverwrittenUnlessToldTo)
{
    TempFolder temp;
    temp.WriteFile("src\\A.mpg", "a");
    temp.WriteFile("src\\B.mpg", "new");
    temp.MakeFolder("dst");
    CFileOpEngine engine;
    EXPECT_FALSE(engine.HoldsFile(temp / "dst\\B.mpg"));
    temp.WriteFile("dst\\B.mpg", "theirs");
    temp.WriteFile("dst\\C.mpg", "theirs");
    SetReadOnly(temp / "dst\\C.mpg");

    EXPECT_TRUE(engine.CopyItem(temp / "src\\B.mpg", temp / "dst"));
    EXPECT_EQ("theirs", ReadFileBytes(temp / "dst\\B.mpg"));
    EXPECT_EQ("new", ReadFileBytes(temp / "dst\\Copy of B.mpg"));
    // Told to replace, the file is replaced, but a read-only one is not.
    engine.SetReplaceExisting(true);
    EXPECT_TRUE(engine.CopyItem(temp / "src\\A.mpg", temp / "dst\\B.mpg"));
    EXPECT_EQ("a", ReadFileBytes(temp / "dst\\B.mpg"));
    EXPECT_FALSE(engine.CopyItem(temp / "src\\A.mpg", temp / "dst\\C.mpg"));
    EXPECT_EQ("theirs", ReadFileBytes(temp / "dst\\C.mpg"));
    EXPECT_EQ((std::vector<std::string>{"B.mpg", "C.mpg", "Copy of B.mpg"}), FilesIn(temp / "dst"));
}

TEST(FileOpEngineCopy, HoldsFileAnswersFromOneListingAndTheEnginesOwnCopies)
{
    TempFolder temp;
    const std::string big(300000, 'b');
    temp.WriteFile("src\\big.mpg", big);
    temp.WriteFile("dst\\Old.mpg");
    temp.MakeFolder("dst\\Folder.mpg");
    CFileOpEngine engine;
    std::vector<uint64_t> copied;
    engine.SetWhileCopying([&copied, &big](uint64_t bytes, uint64_t size) {
        EXPECT_EQ(big.size(), size);
        copied.push_back(bytes);
    });
    // Letter case counts where the file system counts it.
    EXPECT_EQ(CompareFileNames("a", "A") == 0, engine.HoldsFile(temp / "dst\\old.MPG"));
    EXPECT_FALSE(engine.HoldsFile(temp / "dst\\Folder.mpg"));
    EXPECT_FALSE(engine.HoldsFile(temp / "dst\\big.mpg"));
    EXPECT_TRUE(engine.CopyItem(temp / "src\\big.mpg", temp / "dst"));
    EXPECT_TRUE(engine.HoldsFile(temp / "dst\\big.mpg"));
    EXPECT_EQ(big, ReadFileBytes(temp / "dst\\big.mpg"));
    ASSERT_FALSE(copied.empty());
    EXPECT_EQ(big.size(), copied.back());
}

TEST(FileOpEngineDelete, DeletesAFileAndAWholeTree)
{
    TempFolder temp;
    temp.WriteFile("a.mpg");
    temp.WriteFile("a.mpg.txt");
    temp.WriteFile("tree\\x.mpg");
    temp.WriteFile("tree\\sub\\y.mpg");
    temp.MakeFolder("tree\\sub\\empty");
    ScriptedMessages prompt;
    CFileOpEngine engine;

    EXPECT_TRUE(engine.DeleteItem(temp / "a.mpg"));
    EXPECT_TRUE(engine.DeleteItem(temp / "tree"));
    EXPECT_EQ(kNoError, engine.ErrorText());
    EXPECT_EQ(std::vector<std::string>{"a.mpg.txt"}, FilesIn(temp.Path()));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(FileOpEngineDelete, ATreeGoesDownItsOwnFoldersOnlyAndALinkNeverLeadsOut)
{
    TempFolder temp;
    temp.WriteFile("outside\\important.mpg", "the user's");
    SetReadOnly(temp / "outside\\important.mpg");
    temp.WriteFile("tree\\x.mpg");
    if (!MakeLink(temp / "tree\\up", temp / "outside") ||
        !MakeLink(temp / "film.mpg", temp / "outside\\important.mpg"))
        GTEST_SKIP() << "no symbolic links here";
    ScriptedMessages prompt;
    CFileOpEngine engine;

    const bool treeGone = engine.DeleteItem(temp / "tree");
    const SystemError treeCode = engine.ErrorCode();
    engine.Reset();
    const bool linkGone = engine.DeleteItem(temp / "film.mpg");

    EXPECT_EQ("the user's", ReadFileBytes(temp / "outside\\important.mpg"));
    EXPECT_TRUE(InspectPath(temp / "outside\\important.mpg").readOnly) << "the target's mark stays";
    EXPECT_TRUE(prompt.messages.empty()) << "a link is not asked about";
    // A link goes itself; where the system can delete a link only with what
    // it leads to (Wine), it stays and the engine says why.
    EXPECT_EQ(treeGone, !PathExists(temp / "tree"));
    EXPECT_EQ(linkGone, !LeadsElsewhere(temp / "film.mpg"));
    if (!treeGone)
        EXPECT_EQ(kErrorLink, treeCode);
    if (!linkGone)
        EXPECT_EQ(kErrorLink, engine.ErrorCode());
#ifndef _WIN32
    EXPECT_TRUE(treeGone && linkGone);
#endif
}

TEST(FileOpEngineDelete, MissingPathFailsWithTheSystemText)
{
    TempFolder temp;
    CFileOpEngine engine;
    EXPECT_FALSE(engine.DeleteItem(temp / "gone.mpg"));
    EXPECT_TRUE(IsNotFound(engine.ErrorCode())) << engine.ErrorCode();
    EXPECT_EQ(SystemErrorText(engine.ErrorCode()), engine.ErrorText());
}

TEST(FileOpEngineDelete, ReadOnlyFileIsDeletedOnlyAfterYes)
{
    TempFolder temp;
    temp.WriteFile(kAmpersandName);
    SetReadOnly(temp / kAmpersandName);
    ScriptedMessages prompt;
    prompt.answers = {MessageAnswer::Yes};
    CFileOpEngine engine;

    EXPECT_TRUE(engine.DeleteItem(temp / kAmpersandName));
    EXPECT_EQ(kNoError, engine.ErrorText());
    EXPECT_FALSE(PathExists(temp / kAmpersandName));
    ASSERT_EQ(1u, prompt.messages.size());
    EXPECT_EQ(kAmpersandName + " is read olny. Do you want delete it?", prompt.messages[0].text);
    EXPECT_EQ("Warning", prompt.messages[0].caption);
    EXPECT_EQ(MessageButtons::YesNoCancel, prompt.messages[0].buttons);
    EXPECT_EQ(MessageIcon::Question, prompt.messages[0].icon);
}

TEST(FileOpEngineDelete, NoKeepsTheFileAndItsFoldersAndReportsNoError)
{
    TempFolder temp;
    temp.WriteFile("tree\\keep\\locked.mpg");
    temp.WriteFile("tree\\keep\\other.mpg");
    temp.WriteFile("tree\\gone\\z.mpg");
    temp.WriteFile("tree\\top.mpg");
    SetReadOnly(temp / "tree\\keep\\locked.mpg");
    ScriptedMessages prompt;
    prompt.answers = {MessageAnswer::No};
    CFileOpEngine engine;

    EXPECT_TRUE(engine.DeleteItem(temp / "tree"));
    EXPECT_EQ(kNoError, engine.ErrorText());
    EXPECT_EQ(0u, engine.ErrorCode());
    EXPECT_EQ(std::vector<std::string>{"keep"}, FilesIn(temp / "tree"));
    EXPECT_EQ(std::vector<std::string>{"locked.mpg"}, FilesIn(temp / "tree\\keep"));
    EXPECT_EQ(1u, prompt.messages.size());
}

TEST(FileOpEngineDelete, CancelStopsTheDeleteAndLeavesAnErrorText)
{
    TempFolder temp;
    temp.WriteFile("a.mpg");
    SetReadOnly(temp / "a.mpg");
    ScriptedMessages prompt;
    prompt.answers = {MessageAnswer::Cancel};
    CFileOpEngine engine;

    EXPECT_TRUE(engine.DeleteItem(temp / "a.mpg"));
    EXPECT_TRUE(PathExists(temp / "a.mpg"));
    EXPECT_EQ(0u, engine.ErrorCode());
    EXPECT_EQ(SystemErrorText(0), engine.ErrorText());
    EXPECT_NE(kNoError, engine.ErrorText());

    // Inside a tree nothing after the cancelled file is touched, and the
    // folder holding it stays.
    temp.WriteFile("tree\\only.mpg");
    SetReadOnly(temp / "tree\\only.mpg");
    engine.Reset();
    prompt.answers = {MessageAnswer::Cancel};
    EXPECT_TRUE(engine.DeleteItem(temp / "tree"));
    EXPECT_TRUE(PathExists(temp / "tree\\only.mpg"));
}

TEST(FileOpEngineDelete, WithoutConfirmationReadOnlyFilesGoSilently)
{
    TempFolder temp;
    temp.WriteFile("tree\\a.mpg");
    SetReadOnly(temp / "tree\\a.mpg");
    ScriptedMessages prompt;
    CFileOpEngine engine;
    engine.SetConfirmReadOnly(false);
    EXPECT_TRUE(engine.DeleteItem(temp / "tree"));
    EXPECT_FALSE(PathExists(temp / "tree"));
    EXPECT_TRUE(prompt.messages.empty());
}

// A target name the system cannot examine is not taken for an existing one
// (which would search for a free copy name forever): the copy is tried and
// either works or reports why, leaving nothing behind.
TEST(FileOpEngineCopy, TargetNameTooLongToExamineIsNotTakenForAnExistingOne)
{
    TempFolder temp;
    const std::string name = std::string(250 - temp.Path().size(), 'n') + ".mpg";
    const std::string destination = temp / std::string(40, 'd');
    temp.WriteFile("s\\" + name, "x");
    temp.MakeFolder(std::string(40, 'd'));
    ASSERT_TRUE(PathExists(temp / ("s\\" + name)));
    CFileOpEngine engine;
    if (engine.CopyItem(temp / ("s\\" + name), destination)) {
        EXPECT_EQ(std::vector<std::string>{name}, FilesIn(destination));
    } else {
        EXPECT_EQ(SystemErrorText(engine.ErrorCode()), engine.ErrorText());
        EXPECT_TRUE(FilesIn(destination).empty());
    }
}

TEST(FileOpEngineRefusal, NeverDeletesOrCopiesFromAnEmptyRelativeRootOrKeptPath)
{
    TempFolder temp;
    temp.WriteFile("Movies\\a.mpg", "movie");
    temp.MakeFolder("dst");
    // The current directory holds something a relative path would reach.
    CurrentDirectoryScope inside(temp / "Movies");
    const struct {
        std::string path;
        std::string text;
    } refused[] = {
        {"", "The path is empty."},
        {"a.mpg", "a.mpg is not a full path."},
#ifdef _WIN32
        {"\\", "\\ is not a full path."},
        {"C:\\", "C:\\ is the root of a drive."},
        {"Z:", "Z: is not a full path."},
        {"\\\\server\\share\\", "\\\\server\\share\\ is the root of a drive."},
        {"\\\\?\\C:\\", "\\\\?\\C:\\ is the root of a drive."},
#else
        {"/", "/ is the root of a drive."},
#endif
        {InOtherCase(temp / "Movies") + kSeparator,
         InOtherCase(temp / "Movies") + kSeparator + " is the movie folder itself."},
    };
    for (const auto& path : refused) {
        CFileOpEngine engine;
        engine.SetKeptFolder(temp / "Movies");
        EXPECT_FALSE(engine.DeleteItem(path.path)) << path.path;
        EXPECT_EQ(path.text, engine.ErrorText());
        EXPECT_NE(0u, engine.ErrorCode());
        engine.Reset();
        EXPECT_FALSE(engine.CopyItem(path.path, temp / "dst")) << path.path;
        EXPECT_EQ(path.text, engine.ErrorText());
    }
    EXPECT_EQ("movie", ReadFileBytes(temp / "Movies\\a.mpg"));
    EXPECT_TRUE(FilesIn(temp / "dst").empty());
}

TEST(FileOpEngineCopy, ANameTakenByAFolderIsAnErrorNotACopyBesideIt)
{
    TempFolder temp;
    temp.WriteFile("src\\X.mpg", "new");
    temp.WriteFile("dst\\X.mpg\\inside.txt", "kept");
    CFileOpEngine engine;

    EXPECT_FALSE(engine.CopyItem(temp / "src\\X.mpg", temp / "dst"));
    EXPECT_EQ(temp / "dst\\X.mpg is a folder.", engine.ErrorText());
    EXPECT_TRUE(IsNameTaken(engine.ErrorCode())) << engine.ErrorCode();
    EXPECT_EQ(std::vector<std::string>{"X.mpg"}, FilesIn(temp / "dst"));
}

TEST(FileOpEngineCopy, AFolderOfTheTargetThatIsALinkGetsNothing)
{
    // A folder copy into a target whose folder of that name, or one below
    // it, is a link to another place: nothing is written through the link.
    for (const char* linked : {"Backup\\Kids", "Backup\\Kids\\Extras"}) {
        SCOPED_TRACE(linked);
        TempFolder temp;
        temp.WriteFile("Movies\\Kids\\a.mpg", "a");
        temp.WriteFile("Movies\\Kids\\Extras\\b.mpg", "b");
        temp.MakeFolder(std::string(linked) == "Backup\\Kids" ? "Backup" : "Backup\\Kids");
        temp.MakeFolder("elsewhere");
        if (!MakeLink(temp / linked, temp / "elsewhere"))
            GTEST_SKIP() << "no symbolic links here";
        CFileOpEngine engine;
        EXPECT_FALSE(engine.CopyItem(temp / "Movies\\Kids", temp / "Backup"));
        EXPECT_EQ(kErrorLink, engine.ErrorCode()) << engine.ErrorText();
        EXPECT_EQ(std::vector<std::string>{}, NamesInFolder(temp / "elsewhere"));
    }
}
