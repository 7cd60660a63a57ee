// reelmark-cli undo: the list of runs, a dry run, the undo and the undo of
// an undo, its command line, and runs whose journal cannot be written.
#include <gtest/gtest.h>

#include "cli/CliArguments.h"
#include "cli/CliFixture.h"
#include "core/files/RunHistory.h"

namespace {

class CliUndo : public CliFixture {
protected:
    CliUndo()
    {
        dir.WriteFile("Films\\a.mpg");
        dir.WriteFile("Films\\a.mpg.txt", "mine a");
        dir.WriteFile("Films\\b.mpg");
        dir.WriteFile("Films\\b.mpg.txt", "mine b");
        dir.WriteFile("Films\\c.mpg");
    }
    std::string Film(const std::string& name) const { return dir / ("Films\\" + name); }
    bool Said(const std::string& message) const
    {
        const std::vector<std::string> messages = Messages();
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    }
};

}  // namespace

TEST_F(CliUndo, ListsTheRunsThenUndoesTheLastLeavingWhatChangedSinceAndAnUndoIsUndoneByName)
{
    ASSERT_EQ(0, Run({"generate", dir / "Films", "--replace"}));
    const std::string generatedA = ReadFileBytes(Film("a.mpg.txt"));
    const std::string run = ListRuns(dir / "runs").front().id;
    dir.WriteFile("Films\\b.mpg.txt", "edited since");

    EXPECT_EQ(0, Run({"undo", "--list"}));
    EXPECT_EQ(0u, out.str().find(run + "  Generate, ")) << out.str();
    EXPECT_NE(std::string::npos, out.str().find(", in " + (dir / "Films") + ": 2 files replaced, 1 file made <- undo\n"));

    EXPECT_EQ(3, Run({"undo", "--dry-run"}));
    EXPECT_TRUE(Said("Would put back: " + Film("a.mpg.txt")));
    EXPECT_TRUE(Said("<WARNING>Left alone (changed since the run): " + Film("b.mpg.txt")));
    EXPECT_TRUE(Said("Would remove (the run made it): " + Film("c.mpg.txt")));
    EXPECT_EQ(generatedA, ReadFileBytes(Film("a.mpg.txt")));

    EXPECT_EQ(3, Run({"undo"})) << "a file was left alone";
    EXPECT_EQ("mine a", ReadFileBytes(Film("a.mpg.txt")));
    EXPECT_EQ("edited since", ReadFileBytes(Film("b.mpg.txt")));
    EXPECT_FALSE(PathExists(Film("c.mpg.txt")));
    EXPECT_TRUE(Said("Undo finished: 1 put back - 1 removed - 1 left alone (changed since) - 0 failed"));

    EXPECT_EQ(1, Run({"undo"}));
    EXPECT_NE(std::string::npos, out.str().find("There is no run to undo.\nNothing was changed."));
    const std::string undo = ListRuns(dir / "runs").front().id;
    EXPECT_EQ(0, Run({"undo", undo}));
    EXPECT_EQ(generatedA, ReadFileBytes(Film("a.mpg.txt")));
    EXPECT_TRUE(PathExists(Film("c.mpg.txt")));
    EXPECT_EQ(0, Run({"undo", "--list"}));
    EXPECT_NE(std::string::npos, out.str().find(" (undoes " + undo + ")")) << out.str();
    EXPECT_NE(std::string::npos, out.str().find(" (undoes " + run + ") (undone by ")) << out.str();
}

TEST_F(CliUndo, TheCommandLineOfUndo)
{
    CliArguments parsed;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"undo"}, parsed, error));
    EXPECT_EQ(CliCommand::Undo, parsed.command);
    EXPECT_TRUE(parsed.paths.empty());
    ASSERT_TRUE(ParseCliArguments({"UNDO", "--dry-run", "20240131-235959-1", "--ini", "x.ini"}, parsed, error));
    EXPECT_EQ(std::vector<std::string>{"20240131-235959-1"}, parsed.paths);
    EXPECT_TRUE(parsed.dryRun);
    const struct {
        std::vector<std::string> args;
        const char* error;
    } bad[] = {
        {{"undo", "a", "b"}, "too many arguments from \"b\" on (undo takes one RUN)"},
        {{"undo", "--list", "a"}, "--list takes no RUN"},
        {{"undo", "--list", "--dry-run"}, "--list and --dry-run do not go together"},
        {{"undo", "--replace"}, "--replace does not belong to the undo command"},
        {{"undo", "--json"}, "--json does not belong to the undo command"},
        {{"generate", "/srv", "--list"}, "--list does not belong to the generate command"},
    };
    for (const auto& c : bad) {
        EXPECT_FALSE(ParseCliArguments(c.args, parsed, error)) << ::testing::PrintToString(c.args);
        EXPECT_EQ(c.error, error);
    }
    EXPECT_EQ(1, Run({"undo", "20200101-000000-1"}));
    EXPECT_NE(std::string::npos, out.str().find("There is no run 20200101-000000-1 in " + (dir / "runs") + "."));
}

TEST_F(CliUndo, AGenerateWhoseJournalCannotBeWrittenChangesNothingAndNoneIsKeptWhenTheSettingsSaySo)
{
    dir.WriteFile("runs", "a file where the folder should be");
    EXPECT_EQ(1, Run({"generate", dir / "Films", "--replace"}));
    EXPECT_NE(std::string::npos, out.str().find("The undo journal cannot be written in " + (dir / "runs")));
    EXPECT_EQ("mine a", ReadFileBytes(Film("a.mpg.txt")));
    EXPECT_FALSE(PathExists(Film("c.mpg.txt")));

    EnvironmentScope elsewhere("REELMARK_RUNS", dir / "journals");
    dir.WriteFile("reelmark.ini", " [Config]\r\n UndoMegabytes=0\r\n");
    EXPECT_EQ(0, Run({"generate", dir / "Films", "--replace"}));
    EXPECT_TRUE(PathExists(Film("c.mpg.txt")));
    EXPECT_FALSE(PathExists(dir / "journals"));
    EXPECT_EQ(1, Run({"undo"}));
}
