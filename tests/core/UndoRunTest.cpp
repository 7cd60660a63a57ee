// Undoing runs of Generate from their journals: byte for byte, only what
// is still as the run left it, undos undone in turn, and runs that cannot
// be undone.
#include <gtest/gtest.h>

#include "core/files/RunJournal.h"
#include "core/log/ActivityLog.h"
#include "core/runs/GenerateRun.h"
#include "core/runs/UndoRun.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

class UndoRunTest : public ::testing::Test {
protected:
    UndoRunTest() { log.SetListener([this](const std::string& line) { lines += line; }); }

    // Generate over the movies of "Films" (names given), replacing.
    GenerateResult Generate(const std::vector<std::string>& movies, bool metaFolder = false)
    {
        GenerateRequest request;
        request.folder = dir / "Films";
        request.entries = movies;
        request.replaceExisting = true;
        request.metaFolder = metaFolder;
        request.metadata.seriesId = "MV991234";
        request.undoJournal = JournalLimits();
        return RunGenerate(request, log);
    }
    UndoResult Undo(const std::string& run = std::string(), bool dryRun = false)
    {
        UndoRequest request;
        request.run = run;
        request.dryRun = dryRun;
        return RunUndo(request, log);
    }
    std::string Film(const std::string& name) const { return dir / ("Films\\" + name); }
    bool Logged(const std::string& text) const { return lines.find(text) != std::string::npos; }

    MemoryTempScope memory;
    TempFolder dir;
    EnvironmentScope runs{"REELMARK_RUNS", dir / "runs"};
    ScriptedMessages prompt;
    ActivityLog log;
    std::string lines;
};

}  // namespace

TEST_F(UndoRunTest, PutsBackAThousandReplacedFilesByteForByteRemovesTheMadeOnesAndLeavesAnEditedOne)
{
    std::vector<std::string> movies;
    for (int i = 0; i < 1000; ++i) {
        movies.push_back("Movie " + std::to_string(i) + ".mpg");
        dir.WriteFile("Films\\" + movies.back());
        // Old files of every kind: hand edits, odd bytes, UTF-16, no line end.
        const std::string old = i % 3 == 0   ? "title : Hand edited " + std::to_string(i) + "\r\nx : \xE9\r\n"
                                : i % 3 == 1 ? std::string("\xFF\xFEt\0i\0", 6) + std::to_string(i)
                                             : "line without end " + std::to_string(i);
        dir.WriteFile("Films\\" + movies.back() + ".txt", old);
    }
    for (const char* made : {"New 1.mkv", "New 2.mkv"}) {
        movies.push_back(made);
        dir.WriteFile(std::string("Films\\") + made);
    }
    std::vector<std::string> before;
    for (const std::string& movie : movies)
        before.push_back(ReadFileBytes(Film(movie + ".txt")));

    const GenerateResult generated = Generate(movies);
    ASSERT_EQ(1002, generated.created);
    ASSERT_EQ(1000, generated.replaced);
    dir.WriteFile("Films\\Movie 7.mpg.txt", "edited after the run");

    const UndoResult undone = Undo();
    EXPECT_FALSE(undone.refused) << undone.refusal;
    EXPECT_EQ(999, undone.putBack);
    EXPECT_EQ(2, undone.removed);
    EXPECT_EQ(1, undone.leftAlone);
    EXPECT_EQ(0, undone.failed);
    for (size_t i = 0; i < 1000; ++i) {
        if (i != 7) {
            ASSERT_EQ(before[i], ReadFileBytes(Film(movies[i] + ".txt"))) << movies[i];
        }
    }
    EXPECT_EQ("edited after the run", ReadFileBytes(Film("Movie 7.mpg.txt")));
    EXPECT_TRUE(Logged("Left alone (changed since the run): " + Film("Movie 7.mpg.txt")));
    EXPECT_FALSE(PathExists(Film("New 1.mkv.txt")));
    EXPECT_FALSE(PathExists(Film("New 2.mkv.txt")));
    EXPECT_TRUE(PathExists(Film("New 1.mkv"))) << "movies are never touched";
}

TEST_F(UndoRunTest, AnUndoIsUndoneInTurnAndTheLastRunToUndoIsNeverAnUndoNorUndone)
{
    dir.WriteFile("Films\\a.mpg");
    dir.WriteFile("Films\\a.mpg.txt", "mine");
    ASSERT_EQ(1, Generate({"a.mpg"}).created);
    const std::string generated = ReadFileBytes(Film("a.mpg.txt"));
    const std::string first = ListRuns(dir / "runs").front().id;

    const UndoResult undo = Undo();
    EXPECT_EQ(first, undo.run);
    EXPECT_EQ("mine", ReadFileBytes(Film("a.mpg.txt")));
    std::vector<RunRecord> runs = ListRuns(dir / "runs");
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(runs[0].id, UndoneBy(runs, runs[1]));
    EXPECT_EQ(nullptr, LastRunToUndo(runs)) << "the run is undone, and an undo is undone only by name";
    EXPECT_TRUE(Undo().refused);

    // The undo of the undo puts the run's file back: the run counts again.
    const UndoResult redo = Undo(runs[0].id);
    EXPECT_EQ(1, redo.putBack);
    EXPECT_EQ(generated, ReadFileBytes(Film("a.mpg.txt")));
    runs = ListRuns(dir / "runs");
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ("", UndoneBy(runs, runs[2]));
    ASSERT_NE(nullptr, LastRunToUndo(runs));
    EXPECT_EQ(first, LastRunToUndo(runs)->id);
}

TEST_F(UndoRunTest, ADryRunSaysWhatItWouldDoAndChangesNothing)
{
    dir.WriteFile("Films\\a.mpg");
    dir.WriteFile("Films\\b.mpg");
    dir.WriteFile("Films\\a.mpg.txt", "mine");
    Generate({"a.mpg", "b.mpg"});
    const std::string a = ReadFileBytes(Film("a.mpg.txt"));
    const size_t runs = ListRuns(dir / "runs").size();

    const UndoResult result = Undo("", true);
    EXPECT_EQ(1, result.putBack);
    EXPECT_EQ(1, result.removed);
    EXPECT_EQ(a, ReadFileBytes(Film("a.mpg.txt")));
    EXPECT_TRUE(PathExists(Film("b.mpg.txt")));
    EXPECT_EQ(runs, ListRuns(dir / "runs").size()) << "a dry run is no run";
    EXPECT_TRUE(Logged("Would put back: " + Film("a.mpg.txt")));
    EXPECT_TRUE(Logged("Would remove (the run made it): " + Film("b.mpg.txt")));
}

TEST_F(UndoRunTest, LeavesAloneWhatWasChangedRemovedMarkedReadOnlyOrMadeALinkSince)
{
    for (const char* name : {"edited", "removed", "readonly", "link", "same"}) {
        dir.WriteFile(std::string("Films\\") + name + ".mpg");
        dir.WriteFile(std::string("Films\\") + name + ".mpg.txt", "old");
    }
    Generate({"edited.mpg", "removed.mpg", "readonly.mpg", "link.mpg", "same.mpg"});
    const std::string generated = ReadFileBytes(Film("readonly.mpg.txt"));
    dir.WriteFile("Films\\edited.mpg.txt", "edit");
    ASSERT_EQ(0u, DeleteFileItself(Film("removed.mpg.txt"), false));
    SetReadOnly(Film("readonly.mpg.txt"));
    dir.WriteFile("elsewhere.txt", generated);
    ASSERT_EQ(0u, DeleteFileItself(Film("link.mpg.txt"), false));
    const bool linked = MakeLink(Film("link.mpg.txt"), dir / "elsewhere.txt");
    dir.WriteFile("Films\\same.mpg.txt", "old");  // put back by hand

    const UndoResult result = Undo();
    EXPECT_EQ(linked ? 4 : 3, result.leftAlone);
    EXPECT_EQ(1, result.asBefore);
    EXPECT_EQ("edit", ReadFileBytes(Film("edited.mpg.txt")));
    EXPECT_FALSE(PathExists(Film("removed.mpg.txt")));
    EXPECT_EQ(generated, ReadFileBytes(Film("readonly.mpg.txt")));
    EXPECT_EQ(generated, ReadFileBytes(dir / "elsewhere.txt")) << "never through a link";
    EXPECT_TRUE(Logged("Left alone (removed since the run): " + Film("removed.mpg.txt")));
    EXPECT_TRUE(Logged("Left alone (it is read-only): " + Film("readonly.mpg.txt")));
    if (linked) {
        EXPECT_TRUE(Logged("Left alone (it is a link now): " + Film("link.mpg.txt")));
    }
    SetReadOnly(Film("readonly.mpg.txt"), false);
}

TEST_F(UndoRunTest, ChangesNothingThroughAFolderSwappedForALinkSinceTheRun)
{
    // One run replaced Films/Sub/a.mpg.txt, another made .meta/a.mpg.txt in
    // Films/Meta; since then both folders were moved elsewhere and links to
    // them put in their place. The files there are still as the runs left
    // them, yet the undos neither write nor remove through a link.
    dir.WriteFile("Films\\Sub\\a.mpg");
    dir.WriteFile("Films\\Sub\\a.mpg.txt", "old");
    dir.WriteFile("Films\\Meta\\a.mpg");
    Generate({std::string("Sub") + kSeparator + "a.mpg"});
    Generate({std::string("Meta") + kSeparator + "a.mpg"}, true);
    const std::string written = ReadFileBytes(Film("Sub\\a.mpg.txt"));
    ASSERT_NE("old", written);
    const std::string made = ReadFileBytes(Film("Meta\\.meta\\a.mpg.txt"));
    ASSERT_FALSE(made.empty());
    if (!SwapForLink(Film("Sub"), dir / "Aside", dir / "Aside") ||
        !SwapForLink(Film("Meta\\.meta"), dir / "AsideMeta", dir / "AsideMeta"))
        GTEST_SKIP() << "no links here";

    for (const RunRecord& run : ListRuns(dir / "runs")) {
        const UndoResult result = Undo(run.id);
        EXPECT_EQ(0, result.putBack + result.removed) << run.id;
        EXPECT_EQ(1, result.failed + result.leftAlone) << run.id;
    }
    EXPECT_EQ(written, ReadFileBytes(dir / "Aside\\a.mpg.txt")) << "never written through a link";
    EXPECT_EQ(made, ReadFileBytes(dir / "AsideMeta\\a.mpg.txt")) << "never removed through a link";
}

TEST_F(UndoRunTest, TheMetaFolderARunMadeGoesWithItsFilesAndComesBackWithTheirUndo)
{
    dir.WriteFile("Films\\a.mpg");
    Generate({"a.mpg"}, true);
    ASSERT_TRUE(PathExists(Film(".meta\\a.mpg.txt")));
    const std::string text = ReadFileBytes(Film(".meta\\a.mpg.txt"));

    const UndoResult undo = Undo();
    EXPECT_EQ(1, undo.removed);
    EXPECT_FALSE(PathExists(Film(".meta")));
    EXPECT_EQ(1, Undo(ListRuns(dir / "runs").front().id).putBack);
    EXPECT_EQ(text, ReadFileBytes(Film(".meta\\a.mpg.txt")));
}

TEST_F(UndoRunTest, ARunCutShortIsUndoneAsFarAsItsJournalGoes)
{
    dir.WriteFile("Films\\a.mpg");
    dir.WriteFile("Films\\a.mpg.txt", "old a");
    dir.WriteFile("Films\\b.mpg");
    dir.WriteFile("Films\\b.mpg.txt", "old b");
    Generate({"a.mpg", "b.mpg"});
    // The kill came after b was kept ahead and before its step was written
    // down: the end and b's step are torn off, and b was changed all the same.
    const RunRecord run = ListRuns(dir / "runs").front();
    const std::string manifest = "runs\\" + run.id + "\\manifest";
    std::string text = ReadFileBytes(dir / manifest);
    text.resize(text.find("replace", text.find("replace") + 1));
    dir.WriteFile(manifest, text);

    const UndoResult result = Undo();
    EXPECT_EQ(run.id, result.run);
    EXPECT_EQ(1, result.putBack);
    EXPECT_EQ("old a", ReadFileBytes(Film("a.mpg.txt")));
    EXPECT_EQ(1, result.leftAlone);
    EXPECT_TRUE(Logged("Left alone (the run was cut short after it kept the file, and it is not as it was): " +
                       Film("b.mpg.txt")));
}

TEST_F(UndoRunTest, RefusesARunThatIsNotThereOrStillGoingOn)
{
    EXPECT_EQ("There is no run to undo.", Undo().refusal);
    EXPECT_EQ("There is no run 20200101-000000-1 in " + (dir / "runs") + ".", Undo("20200101-000000-1").refusal);
    dir.WriteFile("Films\\a.txt", "a");
    RunJournal journal;
    std::string reason;
    ASSERT_TRUE(journal.Begin(RunHeader{"Generate", dir / "Films", "", 0}, JournalLimits(), reason));
    SystemError error = 0;
    ASSERT_TRUE(journal.BeforeWrite(Film("a.txt"), "b", true, error));
    EXPECT_EQ("The run " + journal.Id() + " is still going on.", Undo().refusal);
    EXPECT_TRUE(Logged("Nothing was changed."));
}

TEST_F(UndoRunTest, AGenerateWhoseJournalCannotBeWrittenChangesNothing)
{
    dir.WriteFile("runs", "a file where the folder should be");
    dir.WriteFile("Films\\a.mpg");
    dir.WriteFile("Films\\a.mpg.txt", "mine");
    dir.WriteFile("Films\\b.mpg");

    const GenerateResult result = Generate({"a.mpg", "b.mpg"});
    EXPECT_TRUE(result.refused);
    EXPECT_EQ(0, result.created);
    EXPECT_EQ("mine", ReadFileBytes(Film("a.mpg.txt")));
    EXPECT_FALSE(PathExists(Film("b.mpg.txt")));
    EXPECT_TRUE(Logged("The undo journal cannot be written in " + (dir / "runs")));
    EXPECT_TRUE(Logged("Nothing was changed."));
}
