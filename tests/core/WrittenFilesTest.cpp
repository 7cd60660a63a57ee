// The record of the metadata files Reelmark wrote: a file is Reelmark's
// while its bytes are those recorded last for its path, in this program or
// any other that keeps the record, and the record stays small.
#include <gtest/gtest.h>

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "core/files/WrittenFiles.h"
#include "support/TempFolder.h"

TEST(WrittenFiles, AFileIsReelmarksWhileItsBytesAreTheOnesRecordedLastForItsPath)
{
    TempFolder dir;
    const std::string record = dir / "Reelmark.written";
    const std::string movie = dir / "Show.S01E01.mkv.txt";
    WrittenFiles written(record);
    EXPECT_FALSE(written.IsAsWritten(movie, "title : Show\r\n")) << "nothing recorded yet";
    written.Record(movie, "title : Show\r\n");
    EXPECT_TRUE(written.IsAsWritten(movie, "title : Show\r\n"));
    EXPECT_FALSE(written.IsAsWritten(movie, "title : Show\r\n ")) << "one byte more";
    EXPECT_FALSE(written.IsAsWritten(movie, "title : Shov\r\n")) << "one byte other";
    EXPECT_FALSE(written.IsAsWritten(dir / "Other.mkv.txt", "title : Show\r\n")) << "another name";

    // Another program (the window, a watch) reads what this one recorded.
    WrittenFiles other(record);
    EXPECT_TRUE(other.IsAsWritten(movie, "title : Show\r\n"));
    other.Record(movie, "title : Show 2\r\n");
    EXPECT_FALSE(written.IsAsWritten(movie, "title : Show\r\n"));
    EXPECT_TRUE(written.IsAsWritten(movie, "title : Show 2\r\n"));
    written.Forget(movie);
    EXPECT_FALSE(other.IsAsWritten(movie, "title : Show 2\r\n"));

    // A line cut short (a full disk) counts for nothing, and lines go on after it.
    ASSERT_TRUE(WriteFileAtomically(record, ReadFileBytes(record) + "1c:0123"));
    WrittenFiles after(record);
    after.Record(movie, "x");
    EXPECT_TRUE(WrittenFiles(record).IsAsWritten(movie, "x"));
}

TEST(WrittenFiles, TheRecordKeepsOnlyWhatItStillHoldsOnceMostOfItIsOld)
{
    TempFolder dir;
    const std::string record = dir / "Reelmark.written";
    WrittenFiles written(record);
    const std::string movie = dir / "a.mkv.txt";
    for (int i = 0; i < 1000; ++i)
        written.Record(movie, std::to_string(i));
    const size_t full = ReadFileBytes(record).size();
    EXPECT_TRUE(WrittenFiles(record).IsAsWritten(movie, "999"));
    EXPECT_LT(ReadFileBytes(record).size(), full / 100) << "compacted when read";
    EXPECT_TRUE(WrittenFiles(record).IsAsWritten(movie, "999"));
}

TEST(WrittenFiles, ItsCompactionIsNoStepOfTheRunInWhoseTimeItComes)
{
    TempFolder dir;
    const std::string record = dir / "Reelmark.written";
    WrittenFiles written(record);
    for (int i = 0; i < 1000; ++i)
        written.Record(dir / "a.mkv.txt", std::to_string(i));
    RunJournal journal;
    std::string reason;
    ASSERT_TRUE(journal.Begin(RunHeader{"Watch", dir.Path(), "", 0}, JournalLimits(), reason, dir / "runs"));
    const RunJournalScope inForce(&journal);
    const size_t full = ReadFileBytes(record).size();
    EXPECT_TRUE(WrittenFiles(record).IsAsWritten(dir / "a.mkv.txt", "999"));
    ASSERT_LT(ReadFileBytes(record).size(), full) << "compacted";
    EXPECT_EQ(0, journal.Steps());
}
