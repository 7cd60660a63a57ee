// Delete Selected for good in the running main window: the two questions,
// the engine's read-only question, locked files, and long selections.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>

#include "core/files/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"

namespace {

// The setting that makes Delete Selected delete for good.
const char kForGood[] = "[Config]\r\nDeleteForGood=true\r\n";

const char* const kFirstQuestion =
    "You are about to delete movie files and metadata files you selected.\n"
    "This operation cannot be undone! Do you want to continue?";

class DeleteSelected : public ::testing::Test {
protected:
    // Starts the window on the movie folder "Films" with these files in it,
    // Delete Selected set to delete for good (RecycleBinTest has the bin).
    void StartWith(const std::vector<std::string>& files)
    {
        for (const std::string& file : files)
            w.movies.WriteFile("Films\\" + file);
        w.WriteIniForFolder(Folder(), kForGood);
        w.Start();
    }

    std::string Folder() const { return w.movies / "Films"; }
    std::string Movie(const std::string& name) const { return w.movies / ("Films\\" + name); }

    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        HWND list = w.Item(1001);
        for (int i = 0, n = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0)); i < n; ++i) {
            char text[MAX_PATH] = {};
            ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }

    int IndexOf(const std::string& name) const
    {
        return static_cast<int>(
            ::SendMessageA(w.Item(1001), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(name.c_str())));
    }

    void Select(const std::vector<std::string>& names)
    {
        std::vector<int> indexes;
        for (const std::string& name : names)
            indexes.push_back(IndexOf(name));
        w.SelectListEntries(indexes);
    }

    // Log messages written since the window started.
    std::vector<std::string> NewLogMessages() const
    {
        auto all = LogMessages(w.LogText());
        return std::vector<std::string>(all.begin() + std::min(all.size(), startLines), all.end());
    }

    void MarkStart() { startLines = LogMessages(w.LogText()).size(); }

    MainWindowHarness w;
    size_t startLines = 0;
};

}  // namespace

TEST_F(DeleteSelected, AsksTwiceInBoxesOwnedByTheWindowAndNoAtEitherQuestionDeletesNothing)
{
    StartWith({"a.mpg", "a.mpg.txt", "b.avi"});
    Select({"a.mpg", "b.avi"});
    MarkStart();

    w.prompt.answers = {IDNO};
    w.Click(1027);
    ASSERT_EQ(1u, w.prompt.messages.size());
    const auto& first = w.prompt.messages[0];
    EXPECT_EQ(w.Hwnd(), first.owner) << "an owned box keeps the user's clicks out of the window";
    EXPECT_EQ(kFirstQuestion, first.text);
    EXPECT_EQ("Movie File Delete Warning!", first.caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), first.type & (MB_TYPEMASK | MB_ICONMASK));
    EXPECT_EQ(195, first.iconResource);

    w.prompt.answers = {IDYES, IDNO};
    w.Click(1027);
    ASSERT_EQ(3u, w.prompt.messages.size());
    const auto& second = w.prompt.messages[2];
    EXPECT_EQ(w.Hwnd(), second.owner);
    EXPECT_EQ(
        "Click YES to PERMANENTLY delete 2 selected movie\nand associated metadata files from folder: " +
            Folder() + "?",
        second.text);
    EXPECT_EQ("Are You Really Sure?", second.caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), second.type);
    EXPECT_EQ(0, second.iconResource);

    EXPECT_TRUE(PathExists(Movie("a.mpg")));
    EXPECT_TRUE(PathExists(Movie("a.mpg.txt")));
    EXPECT_TRUE(PathExists(Movie("b.avi")));
    EXPECT_TRUE(NewLogMessages().empty());
    EXPECT_EQ(2u, Entries().size());
}

TEST_F(DeleteSelected, DeletesMoviesWithAndWithoutMetadataAndRefillsTheList)
{
    StartWith({"a.mpg", "a.mpg.txt", "b.avi", "keep.mkv", "keep.mkv.txt"});
    Select({"a.mpg", "b.avi"});
    MarkStart();
    w.Click(1027);

    EXPECT_EQ(2u, w.prompt.messages.size()) << "no box but the two questions";
    EXPECT_FALSE(PathExists(Movie("a.mpg")));
    EXPECT_FALSE(PathExists(Movie("a.mpg.txt")));
    EXPECT_FALSE(PathExists(Movie("b.avi")));
    EXPECT_TRUE(PathExists(Movie("keep.mkv.txt")));
    auto log = NewLogMessages();
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File (plus metafile) deleted: " + Movie("a.mpg")));
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File (plus metafile) deleted: " + Movie("b.avi")));
    EXPECT_EQ(2, std::count_if(log.begin(), log.end(),
                               [](const std::string& m) { return m.find("deleted") != std::string::npos; }));
    EXPECT_EQ(std::vector<std::string>{"keep.mkv"}, Entries());
    EXPECT_EQ("1", w.Text(1005));
}

TEST_F(DeleteSelected, ReadOnlyMovieGoesOnlyAfterYesAndNoOrCancelKeepItWithItsMetadata)
{
    StartWith(
        {"yes.mpg", "yes.mpg.txt", "no.mpg", "no.mpg.txt", "cancel.mpg", "cancel.mpg.txt", "plain.avi"});
    for (const char* name : {"yes.mpg", "no.mpg", "cancel.mpg"})
        ASSERT_TRUE(SetFileAttributesW(FilePath(Movie(name)).c_str(), FILE_ATTRIBUTE_READONLY));
    const std::map<std::string, int> answer = {
        {"yes.mpg", IDYES}, {"no.mpg", IDNO}, {"cancel.mpg", IDCANCEL}};
    w.Click(1018);  // Select All
    MarkStart();
    // The engine asks in list order; plain.avi asks nothing.
    w.prompt.answers = {IDYES, IDYES};
    for (const std::string& entry : Entries())
        if (answer.count(entry))
            w.prompt.answers.push_back(answer.at(entry));
    w.Click(1027);

    ASSERT_EQ(5u, w.prompt.messages.size());
    for (size_t i = 2; i < 5; ++i) {
        const auto& question = w.prompt.messages[i];
        const std::string name = question.text.substr(0, question.text.find(' '));
        EXPECT_EQ(name + " is read olny. Do you want delete it?", question.text);
        EXPECT_TRUE(answer.count(name)) << question.text;
        EXPECT_EQ("Warning", question.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), question.type);
    }
    EXPECT_FALSE(PathExists(Movie("yes.mpg")));
    EXPECT_FALSE(PathExists(Movie("yes.mpg.txt")));
    EXPECT_FALSE(PathExists(Movie("plain.avi")));
    for (const char* name : {"no.mpg", "no.mpg.txt", "cancel.mpg", "cancel.mpg.txt"})
        EXPECT_TRUE(PathExists(Movie(name))) << name;

    auto log = NewLogMessages();
    auto has = [&log](const std::string& m) { return std::count(log.begin(), log.end(), m) == 1; };
    EXPECT_TRUE(has("File (plus metafile) deleted: " + Movie("yes.mpg")));
    EXPECT_TRUE(has("File (plus metafile) deleted: " + Movie("plain.avi")));
    EXPECT_TRUE(has("File kept (not deleted): " + Movie("no.mpg")));
    EXPECT_TRUE(has("File kept (not deleted): " + Movie("cancel.mpg")));
    for (const std::string& message : log)
        EXPECT_EQ(std::string::npos, message.find("Could not delete")) << message;
    auto entries = Entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ((std::vector<std::string>{"cancel.mpg", "no.mpg"}), entries);
}

TEST_F(DeleteSelected, LockedMovieShowsOneErrorBoxAndHasLostItsMetadataFirstWhileTheOthersGo)
{
    StartWith({"locked.mpg", "locked.mpg.txt", "free.avi", "free.avi.txt"});
    HANDLE lock = CreateFileW(FilePath(Movie("locked.mpg")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    w.Click(1018);
    MarkStart();
    w.Click(1027);
    CloseHandle(lock);

    ASSERT_EQ(3u, w.prompt.messages.size());
    const auto& box = w.prompt.messages[2];
    std::string systemText = SystemErrorText(ERROR_SHARING_VIOLATION);
    systemText.erase(systemText.find_last_not_of("\r\n ") + 1);
    EXPECT_EQ("File Delete Error", box.caption);
    EXPECT_EQ("Could not delete file: " + Movie("locked.mpg") + "\n" + systemText, box.text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), box.type);
    EXPECT_EQ(w.Hwnd(), box.owner);
    // The metadata file goes first, so that a run cut short never leaves
    // one for no movie; a movie that then stays is shown with pyTivo's
    // defaults.
    EXPECT_TRUE(PathExists(Movie("locked.mpg")));
    EXPECT_FALSE(PathExists(Movie("locked.mpg.txt")));
    EXPECT_FALSE(PathExists(Movie("free.avi")));
    EXPECT_FALSE(PathExists(Movie("free.avi.txt")));

    auto log = NewLogMessages();
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "<ERROR> " + box.text));
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File kept (metafile deleted): " + Movie("locked.mpg")));
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File (plus metafile) deleted: " + Movie("free.avi")));
    EXPECT_EQ(std::vector<std::string>{"locked.mpg"}, Entries());
}

TEST_F(DeleteSelected, EverySelectedEntryGoesEvenPastTheFirst1024)
{
    constexpr int kMovies = 1030;
    w.movies.MakeFolder("Films");
    for (int i = 0; i < kMovies; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "m%04d.mpg", i);
        HANDLE file = CreateFileW(FilePath(Movie(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << name;
        CloseHandle(file);
    }
    w.WriteIniForFolder(Folder(), kForGood);
    w.Start();
    ASSERT_EQ(static_cast<size_t>(kMovies), Entries().size());
    w.Click(1018);
    MarkStart();
    w.Click(1027);

    ASSERT_EQ(2u, w.prompt.messages.size());
    EXPECT_NE(std::string::npos, w.prompt.messages[1].text.find("delete 1030 selected movie"));
    EXPECT_TRUE(Entries().empty());
    auto log = NewLogMessages();
    EXPECT_EQ(kMovies, std::count_if(log.begin(), log.end(), [](const std::string& m) {
                  return m.rfind("File (plus metafile) deleted: ", 0) == 0;
              }));
    WIN32_FIND_DATAW data;
    HANDLE left = FindFirstFileW(FilePath(Folder() + "\\*.mpg").c_str(), &data);
    EXPECT_EQ(INVALID_HANDLE_VALUE, left) << "left over: " << Narrow(data.cFileName);
    if (left != INVALID_HANDLE_VALUE)
        FindClose(left);
}

TEST_F(DeleteSelected, AMetadataFileThatStaysKeepsItsMovieSoThatNoneIsLeftForNoMovie)
{
    StartWith({"locked.mpg", "locked.mpg.txt", "kept.avi", "kept.avi.txt"});
    HANDLE lock = CreateFileW(FilePath(Movie("locked.mpg.txt")).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    ASSERT_TRUE(SetFileAttributesW(FilePath(Movie("kept.avi.txt")).c_str(), FILE_ATTRIBUTE_READONLY));
    w.Click(1018);
    MarkStart();
    w.prompt.answers = {IDYES, IDYES, IDNO};  // No at the read-only metadata file
    w.Click(1027);
    CloseHandle(lock);

    for (const char* name : {"locked.mpg", "locked.mpg.txt", "kept.avi", "kept.avi.txt"})
        EXPECT_TRUE(PathExists(Movie(name))) << name;
    ASSERT_EQ(4u, w.prompt.messages.size());
    EXPECT_EQ("kept.avi.txt is read olny. Do you want delete it?", w.prompt.messages[2].text);
    EXPECT_EQ("File Delete Error", w.prompt.messages[3].caption);
    EXPECT_EQ(0u, w.prompt.messages[3].text.find("Could not delete file: " + Movie("locked.mpg.txt") + "\n"));
    auto log = NewLogMessages();
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File kept (not deleted): " + Movie("kept.avi.txt")));
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File kept with its metafile: " + Movie("kept.avi")));
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File kept with its metafile: " + Movie("locked.mpg")));
    for (const std::string& message : log)
        EXPECT_EQ(std::string::npos, message.find("(plus metafile) deleted")) << message;
}

TEST_F(DeleteSelected, ASecondDeleteWhileTheQuestionIsUpIsRefused)
{
    StartWith({"a.mpg", "b.mpg", "c.mpg", "d.mpg", "e.mpg"});
    Select({"a.mpg", "b.mpg"});
    // A double click, or a command posted to the window, while the first
    // question is up.
    bool clicked = false;
    w.prompt.whileOpen = [&](const ScriptedPrompt::Message&) {
        if (!clicked) {
            clicked = true;
            w.Click(1027);
        }
    };
    w.Click(1027);

    EXPECT_EQ(2u, w.prompt.messages.size()) << "one pair of questions";
    EXPECT_FALSE(PathExists(Movie("a.mpg")));
    EXPECT_FALSE(PathExists(Movie("b.mpg")));
    for (const char* name : {"c.mpg", "d.mpg", "e.mpg"})
        EXPECT_TRUE(PathExists(Movie(name))) << name;
}

TEST_F(DeleteSelected, AFolderSwitchWhileTheQuestionIsUpChangesNothingAboutWhatGoes)
{
    w.movies.WriteFile("Video\\Other\\x.mpg");
    w.movies.WriteFile("Video\\Films\\Sub\\inside.mpg");
    for (const char* name : {"a.mpg", "b.mpg", "b.mpg.txt"})
        w.movies.WriteFile(std::string("Video\\Films\\") + name);
    w.WriteIniForFolder(w.movies / "Video\\Films", kForGood);
    w.Start();
    Select({"b.mpg"});
    // A click on another folder of the tree while the first question is up.
    w.prompt.whileOpen = [&](const ScriptedPrompt::Message& box) {
        if (box.caption != "Movie File Delete Warning!")
            return;
        HWND tree = w.Item(1025);
        for (HTREEITEM item = TreeView_GetChild(tree, TreeView_GetRoot(tree)); item;
             item = TreeView_GetNextSibling(tree, item)) {
            if (TreeItemText(tree, item).rfind("Other", 0) == 0)
                TreeView_SelectItem(tree, item);
        }
    };
    w.Click(1027);

    ASSERT_EQ(w.movies / "Video\\Other", w.Text(1003)) << "the switch happened";
    EXPECT_FALSE(PathExists(w.movies / "Video\\Films\\b.mpg"));
    EXPECT_FALSE(PathExists(w.movies / "Video\\Films\\b.mpg.txt"));
    for (const char* name : {"Films\\a.mpg", "Films\\Sub\\inside.mpg", "Other\\x.mpg"})
        EXPECT_TRUE(PathExists(w.movies / (std::string("Video\\") + name))) << name;
}

TEST_F(DeleteSelected, OnlyFilesAreDeletedNeverAFolderOfTheirName)
{
    StartWith({"Holiday.mpg", "Holiday.mpg.txt\\keep.txt", "Trip.mpg"});
    w.movies.WriteFile("Films\\Trip.mpg.txt\\nested\\keep too.txt");
    w.Click(1018);
    MarkStart();
    w.Click(1027);

    EXPECT_FALSE(PathExists(Movie("Holiday.mpg")));
    EXPECT_FALSE(PathExists(Movie("Trip.mpg")));
    EXPECT_TRUE(PathExists(Movie("Holiday.mpg.txt\\keep.txt")));
    EXPECT_TRUE(PathExists(Movie("Trip.mpg.txt\\nested\\keep too.txt")));
    auto log = NewLogMessages();
    EXPECT_EQ(1, std::count(log.begin(), log.end(),
                            "Not a file - kept (not deleted): " + Movie("Holiday.mpg.txt")));
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "File deleted (metafile kept): " + Movie("Holiday.mpg")));
}

TEST_F(DeleteSelected, LinksNamedLikeAMovieOrAMetadataFileNeverLeadOutOfTheFolder)
{
    w.movies.WriteFile("Elsewhere\\important.mpg", "the user's film");
    w.movies.WriteFile("Elsewhere\\notes.txt", "the user's notes");
    w.movies.WriteFile("Films\\a.mpg");
    if (!MakeLink(Movie("link.mpg"), w.movies / "Elsewhere\\important.mpg") ||
        !MakeLink(Movie("a.mpg.txt"), w.movies / "Elsewhere\\notes.txt"))
        GTEST_SKIP() << "no symbolic links here";
    w.WriteIniForFolder(Folder(), kForGood);
    w.Start();
    w.Click(1018);
    MarkStart();
    w.Click(1027);

    EXPECT_EQ("the user's film", ReadFileBytes(w.movies / "Elsewhere\\important.mpg"));
    EXPECT_EQ("the user's notes", ReadFileBytes(w.movies / "Elsewhere\\notes.txt"));
    // Windows deletes a link itself; Wine would delete what it leads to, so
    // there it stays, with its movie, and the box says why.
    const auto log = NewLogMessages();
    for (const char* name : {"link.mpg", "a.mpg.txt"}) {
        const std::string box = "Could not delete file: " + Movie(name) + "\n" + SystemErrorLine(kErrorLink);
        EXPECT_EQ(LeadsElsewhere(Movie(name)), 1 == std::count(log.begin(), log.end(), "<ERROR> " + box)) << name;
    }
    EXPECT_EQ(LeadsElsewhere(Movie("a.mpg.txt")), PathExists(Movie("a.mpg")));
}
