// The journal of a run: its lines and their check, what it keeps and writes
// down, runs that never began or were cut short, and the limits.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/files/RunHistory.h"
#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "platform/ContentHash.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "support/TempFolder.h"

namespace {

constexpr unsigned long long kDay = 24ULL * 3600 * 10000000;

class RunJournalTest : public ::testing::Test {
protected:
    std::string Runs() const { return dir / "runs"; }
    // Begins a run that started at the time given.
    void Begin(RunJournal& journal, unsigned long long started = 0, JournalLimits limits = JournalLimits())
    {
        std::string reason;
        ASSERT_TRUE(journal.Begin(RunHeader{"Generate", dir / "Films", "", started}, limits, reason, Runs()))
            << reason;
    }
    // A run of its own that replaced one file of the given size.
    std::string RunOfSize(unsigned long long started, size_t size, const std::string& name)
    {
        RunJournal journal;
        Begin(journal, started, JournalLimits{100000, ~0ULL});
        dir.WriteFile(name, std::string(size, 'x'));
        SystemError error = 0;
        EXPECT_TRUE(journal.BeforeWrite(dir / name, "new", true, error));
        const std::string id = journal.Id();
        journal.End();
        return id;
    }
    std::vector<std::string> RunIds() const
    {
        std::vector<std::string> ids;
        for (const RunRecord& run : ListRuns(Runs()))
            ids.push_back(run.id);
        return ids;
    }

    TempFolder dir;
};

}  // namespace

TEST_F(RunJournalTest, ManifestLinesKeepEveryWordAndRefuseAnyChange)
{
    const std::vector<std::vector<std::string>> cases = {
        {"replace", "C:\\Films\\A movie.mpg.txt", "ab", "cd"},
        {"create", "/films/100% sure\tor\nnot.txt", "-", ""},
        {"old", "Zoë – Ω", "0", "7", "hash"},
    };
    for (const auto& words : cases) {
        const std::string line = ManifestLine(words);
        ASSERT_EQ('\n', line.back());
        EXPECT_EQ(1, std::count(line.begin(), line.end(), '\n'));
        std::vector<std::string> read;
        ASSERT_TRUE(ReadManifestLine(line.substr(0, line.size() - 1), read)) << line;
        EXPECT_EQ(words, read);
        // One byte changed, or the line torn off: read as absent.
        std::string changed = line.substr(0, line.size() - 1);
        changed[2] ^= 1;
        EXPECT_FALSE(ReadManifestLine(changed, read)) << changed;
        EXPECT_FALSE(ReadManifestLine(line.substr(0, line.size() - 4), read));
    }
}

TEST_F(RunJournalTest, WritesDownEveryStepAndKeepsWhatItReplacesOrRemoves)
{
    dir.WriteFile("Films\\a.txt", "old a");
    dir.WriteFile("Films\\gone.txt", "old gone");
    RunJournal journal;
    Begin(journal);
    SystemError error = 0;
    ASSERT_TRUE(journal.BeforeWrite(dir / "Films\\a.txt", "new a", true, error));
    ASSERT_TRUE(journal.BeforeWrite(dir / "Films\\b.txt", "new b", false, error));
    ASSERT_TRUE(journal.BeforeWrite(dir / "Films\\c.txt", "new c", true, error)) << "a file not there is made";
    journal.StepFailed(dir / "Films\\c.txt");
    ASSERT_TRUE(journal.BeforeRemove(dir / "Films\\gone.txt", error));
    EXPECT_FALSE(journal.BeforeRemove(dir / "Films\\missing.txt", error)) << "nothing there to remove";
    journal.MadeFolder(dir / "Films\\.meta");
    const std::string id = journal.Id();
    journal.End();

    RunRecord run;
    ASSERT_TRUE(ReadRun(Runs() + kSeparator + id, run));
    EXPECT_TRUE(run.complete);
    EXPECT_EQ("Generate", run.header.what);
    EXPECT_EQ(dir / "Films", run.header.folder);
    ASSERT_EQ(5u, run.steps.size());
    EXPECT_EQ(RunStep::Kind::Replace, run.steps[0].kind);
    EXPECT_EQ(ContentHash("old a"), run.steps[0].oldHash);
    EXPECT_EQ(ContentHash("new a"), run.steps[0].newHash);
    EXPECT_EQ(RunStep::Kind::Create, run.steps[1].kind);
    EXPECT_EQ(ContentHash("new b"), run.steps[1].newHash);
    EXPECT_TRUE(run.steps[2].failed);
    EXPECT_EQ(RunStep::Kind::Remove, run.steps[3].kind);
    EXPECT_EQ(RunStep::Kind::MakeFolder, run.steps[4].kind);
    EXPECT_EQ(1, run.Count(RunStep::Kind::Create)) << "a failed step is not counted";
    for (const auto& [path, bytes] : {std::pair<std::string, std::string>{dir / "Films\\a.txt", "old a"},
                                      {dir / "Films\\gone.txt", "old gone"}}) {
        const KeptBytes* kept = run.KeptOf(path, ContentHash(bytes));
        ASSERT_NE(nullptr, kept) << path;
        std::string read;
        ASSERT_TRUE(ReadKeptBytes(run, *kept, read, error));
        EXPECT_EQ(bytes, read);
    }
}

TEST_F(RunJournalTest, KeepsAheadWithOneFlushAndAgainOnlyWhatChangedSince)
{
    dir.WriteFile("a.txt", "a1");
    dir.WriteFile("b.txt", "b1");
    RunJournal journal;
    Begin(journal);
    journal.KeepAhead({dir / "a.txt", dir / "b.txt", dir / "not-there.txt"});
    dir.WriteFile("b.txt", "b2");  // changed after it was kept
    SystemError error = 0;
    ASSERT_TRUE(journal.BeforeWrite(dir / "a.txt", "a3", true, error));
    ASSERT_TRUE(journal.BeforeWrite(dir / "b.txt", "b3", true, error));
    const std::string id = journal.Id();
    journal.End();

    RunRecord run;
    ASSERT_TRUE(ReadRun(Runs() + kSeparator + id, run));
    ASSERT_EQ(3u, run.kept.size()) << "a1 and b1 ahead, b2 when it was replaced";
    EXPECT_EQ(ContentHash("b2"), run.kept[2].hash);
    EXPECT_EQ(ContentHash("b2"), run.steps[1].oldHash);
}

TEST_F(RunJournalTest, KeepsNoFileBiggerThanAMetadataFileCanBe)
{
    dir.WriteFile("limit.txt", std::string(kMostKeptBytes, 'x'));
    dir.WriteFile("over.txt", std::string(kMostKeptBytes + 1, 'x'));
    RunJournal journal;
    Begin(journal);
    SystemError error = 0;
    EXPECT_TRUE(journal.BeforeWrite(dir / "limit.txt", "new", true, error));
    EXPECT_FALSE(journal.BeforeWrite(dir / "over.txt", "new", true, error));
    EXPECT_EQ(kErrorTooLarge, error);
    EXPECT_FALSE(journal.BeforeRemove(dir / "over.txt", error));
}

TEST_F(RunJournalTest, ARunThatChangedNothingLeavesNoJournal)
{
    {
        RunJournal journal;
        Begin(journal);
        journal.KeepAhead({});
    }
    EXPECT_TRUE(NamesInFolder(Runs()).empty());
}

TEST_F(RunJournalTest, WithoutSizeKeepsNoJournalAndAFolderItCannotWriteRefusesTheRun)
{
    RunJournal journal;
    std::string reason;
    EXPECT_TRUE(journal.Begin(RunHeader{"Generate", "x", "", 0}, JournalLimits{30, 0}, reason, Runs()));
    EXPECT_FALSE(journal.IsOpen());
    SystemError error = 0;
    EXPECT_TRUE(journal.BeforeWrite(dir / "a.txt", "a", true, error));

    dir.WriteFile("file", "not a folder");
    EXPECT_FALSE(journal.Begin(RunHeader{"Generate", "x", "", 0}, JournalLimits(), reason, dir / "file"));
    EXPECT_NE(std::string::npos, reason.find("The undo journal cannot be written in " + (dir / "file"))) << reason;
    EXPECT_EQ("not a folder", ReadFileBytes(dir / "file"));
    EXPECT_FALSE(journal.IsOpen());
}

TEST_F(RunJournalTest, ARunCutShortReadsUpToItsLastWholeLineAndOneThatNeverBeganIsAbsent)
{
    dir.WriteFile("a.txt", "a");
    dir.WriteFile("b.txt", "b");
    std::string manifest;
    {
        RunJournal journal;
        Begin(journal);
        SystemError error = 0;
        journal.BeforeWrite(dir / "a.txt", "A", true, error);
        journal.BeforeWrite(dir / "b.txt", "B", true, error);
        manifest = "runs\\" + journal.Id() + "\\" + kManifestName;
        journal.End();
    }
    // Torn off in the middle of the last replace line (and no end line).
    std::string text = ReadFileBytes(dir / manifest);
    const size_t last = text.rfind("replace");
    text.resize(last + 20);
    dir.WriteFile(manifest, text);
    // A run whose first line is torn.
    dir.WriteFile("runs\\20200101-000000-1\\manifest", std::string(kManifestMark) + " 1 12");

    const std::vector<RunRecord> runs = ListRuns(Runs());
    ASSERT_EQ(1u, runs.size());
    EXPECT_FALSE(runs[0].complete);
    ASSERT_EQ(1u, runs[0].steps.size());
    EXPECT_EQ(dir / "a.txt", runs[0].steps[0].path);
    EXPECT_EQ(2u, runs[0].kept.size()) << "both were kept before the tear";

    PruneRuns(Runs(), JournalLimits(), FileClockNow());
    EXPECT_FALSE(PathExists(dir / "runs\\20200101-000000-1")) << "absent: removed";
    EXPECT_EQ(1u, ListRuns(Runs()).size()) << "cut short, but it can be undone: kept";
}

TEST_F(RunJournalTest, PrunesRunsOlderThanTheDaysAtTheExactLimit)
{
    const unsigned long long now = FileClockNow();
    const std::string old = RunOfSize(now - 30 * kDay - 1, 10, "a.txt");
    const std::string limit = RunOfSize(now - 30 * kDay, 10, "b.txt");
    PruneRuns(Runs(), JournalLimits{30, ~0ULL}, now);
    EXPECT_EQ(std::vector<std::string>{limit}, RunIds()) << old << " is one tick too old";
}

TEST_F(RunJournalTest, PrunesOldestFirstBeyondTheSizeAndNeverARunInUseOrAForeignFolder)
{
    const unsigned long long now = FileClockNow();
    const std::string first = RunOfSize(now - 3 * kDay, 1000, "a.txt");
    const std::string second = RunOfSize(now - 2 * kDay, 1000, "b.txt");
    const std::string third = RunOfSize(now - kDay, 1000, "c.txt");
    unsigned long long total = 0;
    for (const RunRecord& run : ListRuns(Runs()))
        total += run.bytes;

    PruneRuns(Runs(), JournalLimits{30, total}, now);
    EXPECT_EQ((std::vector<std::string>{third, second, first}), RunIds()) << "at the limit all stay";
    PruneRuns(Runs(), JournalLimits{30, total - 1}, now);
    EXPECT_EQ((std::vector<std::string>{third, second}), RunIds()) << "one byte over: the oldest goes";

    // The oldest is held by a run under way, and one holds a file of its own.
    {
        HeldFolder runs;
        HeldFolder held;
        ASSERT_EQ(0u, runs.OpenChosen(Runs()));
        ASSERT_EQ(0u, held.OpenIn(runs, second, HeldFolder::Hold::Own));
        PruneRuns(Runs(), JournalLimits{30, 1}, now);
    }
    EXPECT_EQ((std::vector<std::string>{second}), RunIds());
    dir.WriteFile("runs\\" + second + "\\notes.txt", "mine");
    PruneRuns(Runs(), JournalLimits{0, 1}, now);
    EXPECT_EQ((std::vector<std::string>{second}), RunIds());
    EXPECT_EQ("mine", ReadFileBytes(dir / ("runs\\" + second + "\\notes.txt")));
}

TEST_F(RunJournalTest, WritesGoIntoTheJournalInForceOnly)
{
    dir.WriteFile("a.txt", "old");
    RunJournal journal;
    Begin(journal);
    ASSERT_TRUE(WriteTextFileAtomically(dir / "a.txt", "outside"));
    {
        RunJournalScope scope(&journal);
        ASSERT_TRUE(WriteTextFileAtomically(dir / "a.txt", "inside"));
        HeldFolder folder;
        ASSERT_EQ(0u, folder.OpenChosen(dir.Path()));
        ASSERT_TRUE(WriteTextFileAtomically(folder, "b.txt", "made", nullptr, nullptr, ExistingFile::Keep));
        EXPECT_FALSE(WriteTextFileAtomically(folder, "b.txt", "again", nullptr, nullptr, ExistingFile::Keep));
        ASSERT_EQ(0u, MakeFolderOfRun(dir / ".meta"));
        ASSERT_EQ(0u, MakeFolderOfRun(dir / ".meta")) << "there already: not the run's";
    }
    const std::string id = journal.Id();
    journal.End();
    RunRecord run;
    ASSERT_TRUE(ReadRun(Runs() + kSeparator + id, run));
    ASSERT_EQ(4u, run.steps.size());
    EXPECT_EQ(ContentHash("outside"), run.steps[0].oldHash);
    EXPECT_EQ(ContentHash("inside"), run.steps[0].newHash);
    EXPECT_TRUE(run.steps[2].failed) << "the name was taken";
    EXPECT_EQ(RunStep::Kind::MakeFolder, run.steps[3].kind);
}
