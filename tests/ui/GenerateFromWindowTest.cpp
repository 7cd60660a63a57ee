// Generate Meta File(s) run from the main window: what the button and the
// toolbar command write, log and report, and the refresh that follows.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "core/files/LogFileAppender.h"
#include "core/files/TextFile.h"
#include "platform/Text.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"

namespace {

constexpr COLORREF kYellow = RGB(225, 225, 51);

class GenerateFromWindow : public ::testing::Test {
protected:
    GenerateFromWindow()
    {
        for (const char* movie : {"A.mpg", "B.avi", "C.mkv"})
            w.movies.WriteFile(std::string("Films\\") + movie);
        w.movies.MakeFolder("Other");
        w.WriteIniForFolder(Folder(), "SeriesTitle=Films\r\n");
    }

    std::string Folder() const { return w.movies / "Films"; }
    std::string MetadataFile(const std::string& movie) const { return Folder() + "\\" + movie + ".txt"; }
    // The list entries in list order.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        HWND list = w.Item(1001);
        for (int i = 0, n = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0)); i < n; ++i) {
            char name[260] = {};
            ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
            names.push_back(name);
        }
        return names;
    }
    COLORREF EntryColor(int index) const
    {
        return static_cast<COLORREF>(::SendMessageA(w.Item(1001), LB_GETITEMDATA, index, 0));
    }
    void Tick(int id)
    {
        ::SendMessageA(w.Item(id), BM_SETCHECK, BST_CHECKED, 0);
        w.Click(id);
    }
    // Log messages added since the given count.
    std::vector<std::string> NewLogMessages(size_t since) const
    {
        auto all = LogMessages(w.LogText());
        return std::vector<std::string>(all.begin() + static_cast<long>(since), all.end());
    }
    // The lines one run logs per entry, with the given verb for each.
    std::vector<std::string> PerFileLines(const std::vector<std::string>& entries,
                                          const std::vector<bool>& created) const
    {
        std::vector<std::string> lines;
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string number = std::to_string(i + 1) + " of " + std::to_string(entries.size());
            lines.push_back(
                (created[i] ? "Creating metadata file " : "File already exists! Skipping metadata file ") +
                number + ": " + MetadataFile(entries[i]));
        }
        return lines;
    }
    void ExpectLastBox(const std::string& caption, const std::string& text, UINT icon) const
    {
        ASSERT_FALSE(w.prompt.messages.empty());
        EXPECT_EQ(caption, w.prompt.messages.back().caption);
        EXPECT_EQ(text, w.prompt.messages.back().text);
        EXPECT_EQ(icon, w.prompt.messages.back().type & MB_ICONMASK);
    }
    // Only the run's lines between its first line and its summary.
    static std::vector<std::string> FileLines(const std::vector<std::string>& messages)
    {
        std::vector<std::string> lines;
        for (const std::string& m : messages)
            if (m.rfind("Creating metadata file ", 0) == 0 || m.rfind("File already exists!", 0) == 0)
                lines.push_back(m);
        return lines;
    }

    MainWindowHarness w;
};

}  // namespace

TEST_F(GenerateFromWindow, CreatesThenSkipsThenReplacesEveryEntry)
{
    w.Start();
    const auto entries = Entries();
    ASSERT_EQ(3u, entries.size());
    // Only one entry selected: every entry is processed all the same.
    w.SelectListEntries({1});

    size_t before = LogMessages(w.LogText()).size();
    w.Click(1008);
    auto log = NewLogMessages(before);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ("Generating metadata. Processing 3 files", log[0]);
    EXPECT_EQ(PerFileLines(entries, {true, true, true}), FileLines(log));
    ExpectLastBox("Create Meta Files Success", "3 Metadata Files Created - 0 skipped!", 0);
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "3 Metadata Files Created - 0 skipped!"));
    for (const std::string& entry : entries)
        EXPECT_TRUE(PathExists(MetadataFile(entry))) << entry;

    // The view is refreshed: every entry yellow, the folder's node green.
    ASSERT_EQ(entries, Entries());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(kYellow, EntryColor(i)) << entries[i];
    EXPECT_EQ(0, ::SendMessageA(w.Item(1001), LB_GETSELCOUNT, 0, 0));
    HWND tree = w.Item(1025);
    TVITEMW node = {};
    node.mask = TVIF_IMAGE;
    node.hItem = TreeView_GetSelection(tree);
    ASSERT_TRUE(TreeView_GetItem(tree, &node));
    EXPECT_EQ("Films - [3]", SelectedTreeText(tree));
    EXPECT_EQ(2, node.iImage);

    before = LogMessages(w.LogText()).size();
    w.Click(1008);
    log = NewLogMessages(before);
    EXPECT_EQ(PerFileLines(entries, {false, false, false}), FileLines(log));
    ExpectLastBox("Existing Metadata Files Not Overwritten", "All 3 Metadata Files skipped!!", 0);

    // Replace ticked: all three are written again, with the template as it is now.
    for (const std::string& entry : entries)
        w.movies.WriteFile("Films\\" + entry + ".txt", "old");
    Tick(1024);
    before = LogMessages(w.LogText()).size();
    w.Click(1008);
    log = NewLogMessages(before);
    EXPECT_EQ(PerFileLines(entries, {true, true, true}), FileLines(log));
    ExpectLastBox("Create Meta Files Success", "3 Metadata Files Created - 0 skipped!", 0);
    for (const std::string& entry : entries)
        EXPECT_EQ(0u, ReadFileBytes(MetadataFile(entry)).find("title : ")) << entry;
}

TEST_F(GenerateFromWindow, TheLogFileRecordsEachLineAsItHappensAndIsWrittenWholeAtClose)
{
    // What an earlier run left: more lines than a run carries over, blank
    // ones among them (an editor's), the last one cut by a crash.
    std::string earlier;
    for (int i = 0; i < 300; ++i)
        earlier += "Mon Dec  7,2026 10:00:00: earlier line " + std::to_string(i) + "\r\n" + (i % 10 ? "" : "\r\n");
    w.start.WriteFile("Reelmark.log", earlier + "Mon Dec  7,2026 10:00:01: cut");
    w.Start();
    w.Click(1008);

    // Before the window closes, as after a crash: the run's lines are there,
    // each on a line of its own.
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(w.start / "Reelmark.log", lines));
    EXPECT_EQ(332u + LogMessages(w.LogText()).size() - 257u, lines.size());
    EXPECT_EQ("Mon Dec  7,2026 10:00:01: cut", lines[330]);
    std::string appended;
    for (size_t i = 331; i < lines.size(); ++i)
        appended += lines[i] + "\n";
    const std::vector<std::string> messages = LogMessages(appended);
    EXPECT_NE(messages.end(), std::find(messages.begin(), messages.end(), "3 Metadata Files Created - 0 skipped!"));

    // After it: the last 256 old lines with text, then the run's, and no
    // blank line.
    w.Close();
    ASSERT_TRUE(ReadTextLines(w.start / "Reelmark.log", lines));
    EXPECT_EQ(w.LogText(), [&] {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    }());
    EXPECT_EQ("Mon Dec  7,2026 10:00:00: earlier line 45", lines.front());
}

TEST_F(GenerateFromWindow, LinesAnotherProgramAddsToTheLogWhileTheWindowIsOpenStayAfterItCloses)
{
    w.Start();
    // A watch, or a scheduled reelmark-cli, writes the same log meanwhile.
    LogFileAppender other(w.start / "Reelmark.log");
    SystemError error = 0;
    ASSERT_TRUE(other.Append("Mon Dec  7,2026 10:00:00: written by a watch\n", error));
    other.Close();
    w.Click(1008);
    w.Close();

    const std::string file = ReadFileBytes(w.start / "Reelmark.log");
    EXPECT_NE(std::string::npos, file.find("written by a watch\r\n"));
    EXPECT_NE(std::string::npos, file.find("3 Metadata Files Created - 0 skipped!\r\n"));
}

TEST_F(GenerateFromWindow, AWatchThatWritesTheLogWhileTheWindowClosesLosesNoLineAndGetsNoBox)
{
    // A watch holds Reelmark.log open and writes it before, while and after
    // the window closes; the file keeps being the one it writes into.
    w.Start();
    LogFileAppender watch(w.start / "Reelmark.log");
    std::atomic<bool> closed{false};
    std::atomic<int> written{0};
    std::thread writer([&] {
        SystemError error = 0;
        int last = -1;  // 50 lines after the window has closed
        for (int i = 0; last < 0 || i < last; ++i) {
            if (closed && last < 0)
                last = i + 50;
            ASSERT_TRUE(watch.Append("Mon Dec  7,2026 10:00:00: watch line " + std::to_string(i) + "\n", error));
            written = i + 1;
            // Paced, so that the window's own lines are not trimmed away
            // behind hundreds of the watch's on a loaded machine.
            if (i >= 20)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    while (written < 20)
        std::this_thread::yield();
    w.Click(1008);
    const size_t boxes = w.prompt.messages.size();
    w.Close();
    closed = true;
    writer.join();

    EXPECT_EQ(boxes, w.prompt.messages.size()) << w.prompt.messages.back().caption;
    const std::string file = ReadFileBytes(w.start / "Reelmark.log");
    // The trim keeps the file's last lines (the watch's count among them):
    // from the first of its lines that stayed on, every one is there, and
    // all that it wrote after the window closed.
    const auto has = [&file](int i) { return file.find(": watch line " + std::to_string(i) + "\r\n") != std::string::npos; };
    int first = 0;
    while (first < written && !has(first))
        ++first;
    EXPECT_LE(first, written - 50);
    for (int i = first; i < written; ++i)
        ASSERT_TRUE(has(i)) << i << " of " << written;
    EXPECT_NE(std::string::npos, file.find("3 Metadata Files Created - 0 skipped!\r\n"));
    EXPECT_EQ(std::string::npos, file.find("\r\n\r\n"));
}

TEST_F(GenerateFromWindow, TheToolbarCommandSkipsTheTwoExistingFiles)
{
    w.Start();
    const auto entries = Entries();
    ASSERT_EQ(3u, entries.size());
    w.movies.WriteFile("Films\\" + entries[0] + ".txt", "mine");
    w.movies.WriteFile("Films\\" + entries[2] + ".txt", "mine too");

    const size_t before = LogMessages(w.LogText()).size();
    ::SendMessageA(w.Hwnd(), WM_COMMAND, MAKEWPARAM(1008, 0),
                   reinterpret_cast<LPARAM>(w.Dialog().ToolBar().m_hWnd));
    EXPECT_EQ(PerFileLines(entries, {false, true, false}), FileLines(NewLogMessages(before)));
    ExpectLastBox("Create Meta Files Success", "1 Metadata Files Created - 2 skipped!", 0);
    EXPECT_EQ("mine", ReadFileBytes(MetadataFile(entries[0])));
    EXPECT_EQ("mine too", ReadFileBytes(MetadataFile(entries[2])));
    EXPECT_TRUE(PathExists(MetadataFile(entries[1])));
}

TEST_F(GenerateFromWindow, AnEpisodeRunWithoutSeriesTitleTouchesNothing)
{
    w.Start();
    Tick(1021);
    ::SetWindowTextA(w.Item(1009), "");
    const size_t before = LogMessages(w.LogText()).size();
    w.Click(1008);

    ASSERT_EQ(1u, w.prompt.messages.size());
    ExpectLastBox(
        "Movie Meta Files Creation Error!",
        "The \"Is Episode\" flag is checked. You must use a sub folder\n for these movies or turn this "
        "flag off to continue.\n\nNote: if you turn the \"Is Episode\" flag off the movies\nwill be "
        "pushed or pulled as individual movie files to TiVo.",
        MB_ICONERROR);
    for (const std::string& entry : Entries())
        EXPECT_FALSE(PathExists(MetadataFile(entry))) << entry;
    // No refresh: the title stays empty and the list is not filled again.
    EXPECT_EQ("", w.Text(1009));
    EXPECT_EQ(1u, NewLogMessages(before).size());
}

TEST_F(GenerateFromWindow, AReadOnlyMetadataFileIsReportedAndKept)
{
    w.Start();
    const auto entries = Entries();
    ASSERT_EQ(3u, entries.size());
    const std::string locked = MetadataFile(entries[1]);
    w.movies.WriteFile("Films\\" + entries[1] + ".txt", "keep me\r\n");
    ASSERT_TRUE(::SetFileAttributesW(FilePath(locked).c_str(), FILE_ATTRIBUTE_READONLY));
    Tick(1024);

    const size_t before = LogMessages(w.LogText()).size();
    w.Click(1008);
    const auto log = NewLogMessages(before);
    const std::string failure = "<ERROR> Could not write metadata file: " + locked + "\n";
    const auto line = std::find_if(log.begin(), log.end(), [&](const std::string& m) {
        return m.compare(0, failure.size(), failure) == 0;
    });
    ASSERT_NE(log.end(), line) << ::testing::PrintToString(log);
    EXPECT_GT(line->size(), failure.size()) << "the system's reason follows";
    ExpectLastBox("Movie Meta Files Creation Error!", "2 Metadata Files Created - 0 skipped - 1 failed!",
                  MB_ICONERROR);
    EXPECT_EQ("keep me\r\n", ReadFileBytes(locked));
    EXPECT_TRUE(PathExists(MetadataFile(entries[0])));
    EXPECT_TRUE(PathExists(MetadataFile(entries[2])));
}

TEST_F(GenerateFromWindow, FilesCarryTheTemplateTheWindowShowsByteForByte)
{
    w.Start();
    w.ChooseComboItem(1017, 0);  // G - General Audiences
    w.ChooseComboItem(1020, 3);  // 4 (****) stars
    ::SetWindowTextW(w.Item(1014), L"First line\r\nSecond & last é");
    const std::string id = w.Text(1011);
    w.Click(1008);
    EXPECT_EQ(
        "title : A\r\nseriesTitle : A\r\nepisodeTitle : \r\nseriesId : " + id +
            "\r\nmovieYear : 2012\r\ndescription : First line Second & last \xe9\r\nisEpisode : false\r\n"
            "mpaaRating : G1\r\nstarRating : x7\r\n",
        ReadFileBytes(MetadataFile("A.mpg")));
    // The description keeps its two lines in the settings, and the preview
    // shows the one line the files get.
    EXPECT_EQ("First line\nSecond & last é", w.Dialog().CurrentSettings().SeriesDesc);
    EXPECT_NE(std::string::npos, w.Text(1007).find("description : First line Second & last é\r"));

    // A name long enough to take two display lines is written whole.
    const std::string longName = "A film whose name takes two lines in the list & more.mpg";
    w.movies.WriteFile("Films\\" + longName);
    w.Click(1026);
    w.Click(1008);
    EXPECT_EQ(0u, ReadFileBytes(MetadataFile(longName))
                      .find("title : " + longName.substr(0, longName.size() - 4) + "\r\n"));

    // Episode layout; a title typed but not yet shown in the preview still counts.
    w.ChooseComboItem(1010, 1);  // SH general TV shows
    w.ChooseComboItem(1023, 5);  // TV-14
    ::SetWindowTextA(w.Item(1009), "Garden Diary");
    ::SetWindowTextA(w.Item(1014), "");
    Tick(1024);
    const std::string episodeId = w.Text(1011);
    w.Click(1008);
    EXPECT_EQ(
        "title : Garden Diary\r\nseriesTitle : Garden Diary\r\nepisodeTitle : C\r\nseriesId : " + episodeId +
            "\r\nmovieYear : 2012\r\ndescription : \r\nisEpisode : true\r\ntvRating : x5\r\nstarRating : "
            "x7\r\n",
        ReadFileBytes(MetadataFile("C.mkv")));
    // The refresh sets the title back to the folder's name.
    EXPECT_EQ("Films", w.Text(1009));
}

TEST_F(GenerateFromWindow, NoOtherFileCommandStartsWhileTheSummaryIsUp)
{
    w.Start();
    const size_t before = LogMessages(w.LogText()).size();
    // Commands posted to the window while its box is up.
    w.prompt.whileOpen = [&](const ScriptedPrompt::Message&) {
        w.prompt.whileOpen = nullptr;
        w.Click(1008);
        w.Click(1018);
        w.Click(1027);
        w.Click(32785);
    };
    w.Click(1008);

    const auto log = NewLogMessages(before);
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "Generating metadata. Processing 3 files"));
    EXPECT_EQ(1u, w.prompt.messages.size()) << "no delete question, no copy dialog";
    EXPECT_EQ((std::vector<std::string>{"A.mpg", "B.avi", "C.mkv"}), Entries());
}
