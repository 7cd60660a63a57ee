// Delete Selected to the Recycle Bin in the running main window (under
// Wine the bin is the desktop's trash, which scripts/wine-run.sh puts in
// the build tree), Shift+Delete for good, a volume without a bin, and Undo
// Last Run.
#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "resource.h"
#include "support/MainWindowHarness.h"

namespace {

// The desktop's trash of the tests, as Wine's drives name it; empty when
// the tests were not given one of their own (the user's must stay as it is).
std::string TestTrash()
{
    const std::string data = EnvironmentValue("XDG_DATA_HOME");
    if (data.empty() || data.front() != '/' || data.find("test-data") == std::string::npos)
        return std::string();
    std::string path = "Z:" + data + "/Trash";
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

class RecycleBin : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (TestTrash().empty())
            GTEST_SKIP() << "no trash of the tests' own (run through CTest)";
    }

    void StartWith(const std::vector<std::string>& files, const std::string& settings = std::string())
    {
        for (const std::string& file : files)
            w.movies.WriteFile("Films\\" + file, "bytes of " + file);
        w.WriteIniForFolder(Folder(), settings);
        w.Start();
    }
    std::string Folder() const { return w.movies / "Films"; }
    std::string Movie(const std::string& name) const { return w.movies / ("Films\\" + name); }
    void SelectAll() { w.Click(1018); }

    // Whether the trash holds the file of the test's folder with its bytes:
    // its info names where it came from.
    bool InTrash(const std::string& name) const
    {
        const std::string from = "/" + LastPathComponent(w.movies.Path()) + "/Films/" + name + "\n";
        for (const std::string& info : NamesInFolder(TestTrash() + "\\info")) {
            const std::string text = ReadFileBytes(TestTrash() + "\\info\\" + info);
            const std::string trashed = info.substr(0, info.size() - std::string(".trashinfo").size());
            if (text.find(from) != std::string::npos)
                return ReadFileBytes(TestTrash() + "\\files\\" + trashed) == "bytes of " + name;
        }
        return false;
    }
    bool Logged(const std::string& message) const
    {
        const auto lines = LogMessages(w.LogText());
        return std::find(lines.begin(), lines.end(), message) != lines.end();
    }

    // Presses Delete in the movie list, with Shift held when asked.
    void PressDelete(bool shift)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        ::SendMessageW(w.Item(1001), WM_KEYDOWN, VK_DELETE, 0);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    MainWindowHarness w;
};

}  // namespace

TEST_F(RecycleBin, DeleteSelectedMovesMoviesAndMetadataToTheBinAfterOneQuestionThatSaysSo)
{
    StartWith({"a.mpg", "a.mpg.txt", "b.avi", "keep.mkv"});
    w.SelectListEntries({0, 1});
    w.Click(1027);

    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ("Move 2 selected movie files and their metadata files from folder:\n" + Folder() +
                  "\nto the Recycle Bin?\n\n(Shift+Delete deletes for good.)",
              w.prompt.messages[0].text);
    EXPECT_EQ(w.Hwnd(), w.prompt.messages[0].owner);
    for (const char* gone : {"a.mpg", "a.mpg.txt", "b.avi"}) {
        EXPECT_FALSE(PathExists(Movie(gone))) << gone;
        EXPECT_TRUE(InTrash(gone)) << gone;
    }
    EXPECT_TRUE(PathExists(Movie("keep.mkv")));
    EXPECT_TRUE(Logged("File (plus metafile) moved to the Recycle Bin: " + Movie("a.mpg")));
    EXPECT_TRUE(Logged("File moved to the Recycle Bin: " + Movie("b.avi")));
}

TEST_F(RecycleBin, TheDeleteKeyRecyclesAndShiftDeleteDeletesForGoodWithItsOwnWords)
{
    StartWith({"a.mpg", "b.mpg", "b.mpg.txt"});
    w.SelectListEntries({0});
    PressDelete(false);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_TRUE(InTrash("a.mpg"));

    w.SelectListEntries({0});
    PressDelete(true);
    ASSERT_EQ(3u, w.prompt.messages.size());
    EXPECT_EQ("You are about to delete movie files and metadata files you selected.\n"
              "This operation cannot be undone! Do you want to continue?",
              w.prompt.messages[1].text);
    EXPECT_EQ("Click YES to PERMANENTLY delete 1 selected movie\nand associated metadata files from folder: " +
                  Folder() + "?",
              w.prompt.messages[2].text);
    EXPECT_FALSE(PathExists(Movie("b.mpg")));
    EXPECT_FALSE(InTrash("b.mpg"));
    EXPECT_FALSE(InTrash("b.mpg.txt"));
    EXPECT_TRUE(Logged("File (plus metafile) deleted: " + Movie("b.mpg")));
}

TEST_F(RecycleBin, TheSettingDeletesForGood)
{
    StartWith({"a.mpg"}, "[Config]\r\nDeleteForGood=true\r\n");
    SelectAll();
    w.Click(1027);
    EXPECT_EQ(2u, w.prompt.messages.size());
    EXPECT_FALSE(PathExists(Movie("a.mpg")));
    EXPECT_FALSE(InTrash("a.mpg"));
}

// A volume without a bin: a memory file system, which Wine's trash on the
// build's disk cannot take. Its folders are made before the window's.
struct OnMemory {
    MemoryTempScope memory;
};
class NoRecycleBin : public OnMemory, public RecycleBin {
protected:
    void StartOnMemory(const std::vector<std::string>& files)
    {
        if (w.movies.Path().compare(0, 10, "Z:\\dev\\shm") != 0)
            GTEST_SKIP() << "no memory file system";
        StartWith(files);
    }
};

TEST_F(NoRecycleBin, AsksFirstAndDeletesForGoodOnlyAfterYes)
{
    StartOnMemory({"a.mpg", "a.mpg.txt", "b.mpg"});
    // Cancel, then No: nothing goes; Yes: for good.
    for (const int answer : {IDCANCEL, IDNO, IDYES}) {
        w.prompt.answers = {IDYES, answer};
        w.SelectListEntries({0, 1});
        w.Click(1027);
        const auto& question = w.prompt.messages.back();
        EXPECT_EQ("Cannot Be Recycled", question.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON2), question.type);
        EXPECT_EQ(0u, question.text.find("2 of the movies cannot be recycled")) << question.text;
        EXPECT_EQ(answer != IDYES, PathExists(Movie("a.mpg"))) << answer;
        EXPECT_EQ(answer != IDYES, PathExists(Movie("a.mpg.txt"))) << answer;
    }
    EXPECT_TRUE(Logged("File kept (cannot be recycled): " + Movie("b.mpg")));
    EXPECT_TRUE(Logged("File (plus metafile) deleted: " + Movie("a.mpg")));
    EXPECT_FALSE(InTrash("a.mpg"));
}

TEST_F(RecycleBin, UndoLastRunSaysWhatTheRunDidFirstAndPutsItsFilesBack)
{
    StartWith({"a.mpg", "a.mpg.txt", "b.mpg"});
    w.Click(ID_UNDO_LAST_RUN);
    ASSERT_EQ(1u, w.prompt.messages.size());
    EXPECT_EQ(0u, w.prompt.messages[0].text.find("There is no run to undo.")) << w.prompt.messages[0].text;

    ::SendMessageW(w.Item(IDC_REPLACE_EXISTING), BM_SETCHECK, BST_CHECKED, 0);
    w.Click(IDC_REPLACE_EXISTING);
    w.Click(IDC_GENERATE);
    const std::string generated = ReadFileBytes(Movie("a.mpg.txt"));
    ASSERT_NE("bytes of a.mpg.txt", generated);
    ASSERT_TRUE(PathExists(Movie("b.mpg.txt")));

    w.prompt.messages.clear();
    w.prompt.answers = {IDNO};
    w.Click(ID_UNDO_LAST_RUN);
    ASSERT_EQ(1u, w.prompt.messages.size());
    const std::string& question = w.prompt.messages[0].text;
    EXPECT_EQ("Undo Last Run", w.prompt.messages[0].caption);
    EXPECT_EQ(0u, question.find("Undo the last run?\n\nGenerate, ")) << question;
    EXPECT_NE(std::string::npos, question.find(", in " + Folder() + ": 1 file replaced, 1 file made\n")) << question;
    EXPECT_EQ(generated, ReadFileBytes(Movie("a.mpg.txt"))) << "No undoes nothing";

    w.prompt.answers = {IDYES};
    w.Click(ID_UNDO_LAST_RUN);
    EXPECT_EQ("bytes of a.mpg.txt", ReadFileBytes(Movie("a.mpg.txt")));
    EXPECT_FALSE(PathExists(Movie("b.mpg.txt")));
    EXPECT_EQ("Undo Last Run", w.prompt.messages.back().caption);
    EXPECT_EQ("Undo finished: 1 put back - 1 removed - 0 left alone (changed since) - 0 failed",
              w.prompt.messages.back().text);
}
