// The platform layer on the system at hand: text conversions, full paths,
// and append-only files.
#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/SharedFile.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

TEST(PlatformText, Utf8IsCheckedAndEachBadByteBecomesAReplacementCharacter)
{
    const struct {
        std::string bytes;
        bool utf8;
        std::u16string utf16;
    } cases[] = {
        {"plain", true, u"plain"},
        {"Ωmega 映画", true, u"Ωmega 映画"},
        {"\xF0\x9F\x8E\xAC", true, u"\U0001F3AC"},                 // beyond the first plane: a surrogate pair
        {"Caf\xE9", false, u"Caf\uFFFD"},                          // Windows-1252, not UTF-8
        {"\xC0\xAF", false, u"\uFFFD\uFFFD"},                      // an overlong "/"
        {"\xED\xA0\x80", false, u"\uFFFD\uFFFD\uFFFD"},            // a surrogate written as UTF-8
        {"\xF4\x90\x80\x80", false, u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.utf8, IsUtf8(c.bytes)) << c.bytes;
        EXPECT_EQ(c.utf16, ToUtf16(c.bytes)) << c.bytes;
        if (c.utf8) {
            EXPECT_EQ(c.bytes, FromUtf16(ToUtf16(c.bytes)));
        }
    }
}

TEST(PlatformText, Windows1252BothWays)
{
    EXPECT_EQ("Café €5 “quoted” \xC2\x81", FromWindows1252("Caf\xE9 \x80"
                                                           "5 \x93quoted\x94 \x81"));
    std::string bytes;
    EXPECT_TRUE(ToWindows1252("Café €5 “quoted” \xC2\x81", bytes));
    EXPECT_EQ(
        "Caf\xE9 \x80"
        "5 \x93quoted\x94 \x81",
        bytes);
    EXPECT_FALSE(ToWindows1252("Ωmega", bytes));    // no stand-in: "Ω" is not "O"
    EXPECT_FALSE(ToWindows1252("Caf\xE9", bytes));  // no UTF-8 to start with
}

TEST(PlatformPaths, FullPathsHaveNoTrailingSeparatorAndNoDots)
{
    TempFolder folder;
    folder.MakeFolder("a\\b");
    CurrentDirectoryScope inside(folder / "a");
    EXPECT_EQ(FullPathOf(folder / "a"), FullPathOf("."));
    EXPECT_EQ(FullPathOf(folder / "a\\b"), FullPathOf(NativePath("b\\..\\b")));
    EXPECT_NE(kSeparator, FullPathOf(".").back());
}

TEST(PlatformFiles, AnAppendFileEndsALineLeftCutAndAddsWholePieces)
{
    TempFolder folder;
    folder.WriteFile("log.txt", "cut");
    AppendFile file;
    ASSERT_EQ(0u, file.Open(folder / "log.txt"));
    EXPECT_EQ(0u, file.Append("whole\r\n", "\r\n"));
    EXPECT_EQ(0u, file.Append("next\r\n", "\r\n"));
    EXPECT_EQ(0u, file.Append("piece", ""));
    EXPECT_EQ(0u, file.Append("s\n", ""));
    EXPECT_EQ("cut\r\nwhole\r\nnext\r\npieces\n", ReadFileBytes(folder / "log.txt"));

    AppendFile fresh;
    ASSERT_EQ(0u, fresh.Open(folder / "new.txt"));
    EXPECT_EQ(0u, fresh.Append("first\r\n", "\r\n"));  // an empty file ends no line
    EXPECT_EQ("first\r\n", ReadFileBytes(folder / "new.txt"));
}

TEST(PlatformFiles, ProgramsThatAppendToOneFileAtOnceLoseNoPieceWhileItIsRewrittenInPlace)
{
    // Two watches and a scheduled generate share one Reelmark.log, and the
    // window trims it now and then; each appender holds the file open.
    TempFolder folder;
    constexpr int kPieces = 2000;
    constexpr int kRewrites = 200;
    std::atomic<int> rewrites{0};
    std::atomic<size_t> appended{0};
    const auto append = [&](char mark) {
        AppendFile file;
        ASSERT_EQ(0u, file.Open(folder / "shared.log"));
        // Until the rewrites have had their chance to cross the pieces.
        for (int i = 0; i < kPieces || rewrites < kRewrites; ++i, ++appended)
            ASSERT_EQ(0u, file.Append(std::string(20, mark) + "\n", "\n"));
    };
    std::thread other(append, 'b');
    std::thread third(append, 'c');
    // Rewrites that keep every byte: a piece that went in after the old
    // bytes were read would be lost.
    std::atomic<bool> done{false};
    std::thread rewriter([&] {
        while (!done) {
            EXPECT_EQ(0u, RewriteSharedFile(folder / "shared.log", true, [](const std::string& bytes, std::string& now) {
                          now = bytes;
                          return true;
                      }));
            ++rewrites;
        }
    });
    append('a');
    other.join();
    third.join();
    done = true;
    rewriter.join();
    const std::string bytes = ReadFileBytes(folder / "shared.log");
    EXPECT_EQ(appended * 21, bytes.size());
    for (size_t at = 0; at + 21 <= bytes.size(); at += 21)
        ASSERT_EQ(std::string(20, bytes[at]) + "\n", bytes.substr(at, 21)) << "at " << at;
}

TEST(PlatformFiles, ARewriteKeepsTheFileThatProgramsHoldAndMakesOneOnlyWhenAsked)
{
    TempFolder folder;
    const auto keepLast = [](const std::string& bytes, std::string& now) {
        now = bytes.substr(bytes.find('\n') + 1);
        return true;
    };
    EXPECT_TRUE(IsNotFound(RewriteSharedFile(folder / "none.log", false, keepLast)));
    EXPECT_FALSE(PathExists(folder / "none.log"));
    EXPECT_EQ(0u, RewriteSharedFile(folder / "made.log", true, [](const std::string& bytes, std::string& now) {
                  now = bytes + "made\n";
                  return true;
              }));
    EXPECT_EQ("made\n", ReadFileBytes(folder / "made.log"));

    folder.WriteFile("held.log", "old\nkept\n");
    AppendFile holder;
    ASSERT_EQ(0u, holder.Open(folder / "held.log"));
    EXPECT_EQ(0u, RewriteSharedFile(folder / "held.log", false, keepLast));
    EXPECT_EQ(0u, holder.Append("after\n", "\n"));
    EXPECT_EQ("kept\nafter\n", ReadFileBytes(folder / "held.log"));
    // Asked to leave it: nothing is written.
    EXPECT_EQ(0u, RewriteSharedFile(folder / "held.log", false, [](const std::string&, std::string&) { return false; }));
    EXPECT_EQ("kept\nafter\n", ReadFileBytes(folder / "held.log"));
}

TEST(PlatformFiles, ListingsAndInspectionsTellMissingFromUnreadable)
{
    TempFolder folder;
    folder.WriteFile("sub\\x.mpg", "x");
    SystemError error = 0;
    int seen = 0;
    EXPECT_TRUE(ForEachFolderEntry(folder.Path(), [&](const FolderEntry& entry) { seen += entry.isFolder; }));
    EXPECT_EQ(1, seen);
    EXPECT_FALSE(ForEachFolderEntry(
        folder / "missing", [](const FolderEntry&) {}, "*", &error));
    EXPECT_TRUE(IsNotFound(error)) << error;
    EXPECT_TRUE(ForEachFolderEntry(
        folder.Path(), [](const FolderEntry&) {}, "*.nothing"));
    EXPECT_TRUE(IsNotFound(InspectPath(folder / "missing").error));
    EXPECT_TRUE(InspectPath(folder / "sub").isFolder);
    EXPECT_EQ(0u, CheckFolderReadable(folder / "sub"));
    EXPECT_NE(0u, CheckFolderReadable(folder / "missing"));
}

TEST(PlatformPaths, FoldersAboveGoUpToTheRootOfTheDisk)
{
    using List = std::vector<std::string>;
#ifdef _WIN32
    EXPECT_EQ((List{"C:\\TV\\Show", "C:\\TV", "C:\\"}), FoldersAbove("C:\\TV\\Show\\Season 1"));
    EXPECT_EQ((List{"C:\\"}), FoldersAbove("C:\\TV\\"));
    EXPECT_EQ((List{"\\\\nas\\media\\TV", "\\\\nas\\media\\"}), FoldersAbove("\\\\nas\\media\\TV\\Show"));
    EXPECT_EQ(List{}, FoldersAbove("\\\\nas\\media\\"));
    EXPECT_EQ(List{}, FoldersAbove("C:\\"));
#else
    EXPECT_EQ((List{"/media/TV/Show", "/media/TV", "/media", "/"}), FoldersAbove("/media/TV/Show/Season 1"));
    EXPECT_EQ((List{"/"}), FoldersAbove("/media/"));
    EXPECT_EQ(List{}, FoldersAbove("/"));
#endif
}

TEST(PlatformFiles, FileTimesCountFrom1970AndReadsStopWhereAsked)
{
    TempFolder temp;
    temp.WriteFile("a.txt", "0123456789");
    unsigned long long lastWrite = 0;
    ForEachFolderEntry(temp.Path(), [&](const FolderEntry& entry) { lastWrite = entry.lastWrite; });
    const UnixTime written = UnixTimeOf(lastWrite);
    EXPECT_NEAR(static_cast<double>(std::time(nullptr)), static_cast<double>(written.seconds), 60.0);
#ifdef _WIN32
    const unsigned long long at1970 = 116444736000000000ULL;
#else
    const unsigned long long at1970 = 0;
#endif
    const UnixTime before = UnixTimeOf(at1970 - 15000000);  // 1.5 seconds before 1970
    EXPECT_EQ(-2, before.seconds);
    EXPECT_EQ(5000000u, before.hundredNanoseconds);

    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(temp / "a.txt", bytes, nullptr, 4));
    EXPECT_EQ("0123", bytes);
    EXPECT_TRUE(ReadWholeFile(temp / "a.txt", bytes, nullptr, 100));
    EXPECT_EQ("0123456789", bytes);
}
