// A run that replaces files, and an undo, killed (SIGKILL) at random
// moments: every file is as it was or as the run writes it, every journal
// is whole up to at most a torn last line, or absent, and a later undo
// brings every file back. And a run whose journal fills its disk part way
// stops there. POSIX only: the program is forked, killed and limited.
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <random>

#include "core/files/RunHistory.h"
#include "core/files/TextFile.h"
#include "core/log/ActivityLog.h"
#include "core/runs/GenerateRun.h"
#include "core/runs/UndoRun.h"
#include "platform/FileSystem.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

namespace {

constexpr int kMovies = 40;
constexpr int kKills = 60;

class UndoKillTest : public ::testing::Test {
protected:
    UndoKillTest()
    {
        for (int i = 0; i < kMovies; ++i) {
            request.entries.push_back("Movie " + std::to_string(i) + ".mpg");
            olds.push_back("title : mine " + std::to_string(i) + "\r\n");
            dir->WriteFile("Films\\" + request.entries.back());
        }
        request.folder = dir->Path() + "/Films";
        request.replaceExisting = true;
        request.metadata.seriesId = "MV991234";
        request.undoJournal = JournalLimits();
        std::string refusal;
        for (const PlannedWrite& write : PlanGenerate(request, refusal))
            news.push_back(EncodeText(WithCrLf(write.text)));
    }

    std::string File(int i) const { return request.folder + "/" + request.entries[i] + ".txt"; }
    void PutOldFiles()
    {
        for (int i = 0; i < kMovies; ++i)
            dir->WriteFile("Films\\" + request.entries[i] + ".txt", olds[i]);
    }

    // Runs the work in a child process and kills it after the time given
    // (microseconds; below 0: lets it end).
    template <typename Work>
    void RunAndKill(Work work, long killAfter)
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ScriptedMessages quiet;
            ActivityLog log;
            work(log);
            _exit(0);
        }
        if (killAfter >= 0) {
            usleep(static_cast<useconds_t>(killAfter));
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }

    // Every file old or new; how many are new.
    int CheckFiles()
    {
        int changed = 0;
        for (int i = 0; i < kMovies; ++i) {
            const std::string bytes = ReadFileBytes(File(i));
            EXPECT_TRUE(bytes == olds[i] || bytes == news[i]) << File(i) << ": " << bytes;
            changed += bytes == news[i] ? 1 : 0;
        }
        return changed;
    }

    // Every journal whole up to a torn last line, or absent; the whole ones
    // hold the old bytes of every file they replace. The runs.
    std::vector<RunRecord> CheckJournals()
    {
        for (const std::string& name : NamesInFolder(Runs())) {
            const std::string text = ReadFileBytes(Runs() + "/" + name + "/" + kManifestName);
            std::vector<std::string> words;
            for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
                EXPECT_TRUE(ReadManifestLine(text.substr(start, end - start), words)) << name << ": " << text;
        }
        const std::vector<RunRecord> runs = ListRuns(Runs());
        for (const RunRecord& run : runs) {
            for (const RunStep& step : run.steps) {
                if (step.kind != RunStep::Kind::Replace)
                    continue;
                const KeptBytes* kept = run.KeptOf(step.path, step.oldHash);
                std::string bytes;
                SystemError error = 0;
                EXPECT_TRUE(kept && ReadKeptBytes(run, *kept, bytes, error)) << step.path;
            }
        }
        return runs;
    }

    std::string Runs() const { return dir->Path() + "/runs"; }
    static UndoRequest UndoOf(const std::string& run)
    {
        UndoRequest undo;
        undo.run = run;
        return undo;
    }

    MemoryTempScope memory;
    std::unique_ptr<TempFolder> dir = std::make_unique<TempFolder>();
    EnvironmentScope runs{"REELMARK_RUNS", Runs()};
    GenerateRequest request;
    std::vector<std::string> olds;
    std::vector<std::string> news;
};

}  // namespace

TEST_F(UndoKillTest, KilledRunsAndUndosLeaveEveryFileOldOrNewAndEveryJournalWholeOrAbsent)
{
    ASSERT_EQ(static_cast<size_t>(kMovies), news.size());
    // How long a whole run takes here: the kills fall within it.
    PutOldFiles();
    const double start = SteadySeconds();
    RunAndKill([this](ActivityLog& log) { RunGenerate(request, log); }, -1);
    const long span = std::max(2000L, static_cast<long>((SteadySeconds() - start) * 1e6));
    std::mt19937 random(20240131);
    std::uniform_int_distribution<long> moment(0, span);

    int kills = 0;
    int cutShort = 0;
    for (int round = 0; kills < kKills && round < 3 * kKills; ++round) {
        std::error_code ignored;
        std::filesystem::remove_all(Runs(), ignored);
        PutOldFiles();

        RunAndKill([this](ActivityLog& log) { RunGenerate(request, log); }, moment(random));
        ++kills;
        const int changed = CheckFiles();
        std::vector<RunRecord> runs = CheckJournals();
        if (changed > 0)
            ASSERT_EQ(1u, runs.size()) << "a run that changed files has its journal";
        if (runs.empty())
            continue;
        const std::string generate = runs.front().id;
        cutShort += runs.front().complete ? 0 : 1;

        // The undo killed in turn; then undone to the end.
        RunAndKill([&generate](ActivityLog& log) { RunUndo(UndoOf(generate), log); }, moment(random) / 2);
        ++kills;
        CheckFiles();
        CheckJournals();
        ScriptedMessages quiet;
        ActivityLog log;
        const UndoResult undo = RunUndo(UndoOf(generate), log);
        EXPECT_FALSE(undo.refused) << undo.refusal;
        EXPECT_EQ(0, undo.failed);
        EXPECT_EQ(0, undo.leftAlone);
        EXPECT_EQ(0, CheckFiles()) << "round " << round;
    }
    EXPECT_GE(kills, kKills);
    std::cout << kills << " kills; " << cutShort << " runs cut short\n";
}

TEST_F(UndoKillTest, ARunWhoseJournalCannotGrowStopsThereAndWhatItChangedCanBeUndone)
{
    // The journal's manifest may grow by ten steps after the old files of
    // all the movies were kept ahead.
    PutOldFiles();
    const std::string hash(64, '0');
    size_t most = ManifestLine({kManifestMark, kManifestVersion, "0", "Generate", request.folder, ""}).size();
    size_t offset = 0;
    for (int i = 0; i < kMovies; ++i) {
        most += ManifestLine({"old", File(i), std::to_string(offset), std::to_string(olds[i].size()), hash}).size();
        offset += olds[i].size();
    }
    most += 10 * ManifestLine({"replace", File(0), hash, hash}).size();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {most, most};
        setrlimit(RLIMIT_FSIZE, &limit);
        ScriptedMessages quiet;
        ActivityLog log;
        const GenerateResult result = RunGenerate(request, log);
        const bool said = log.Text().find("The undo journal cannot be written in") != std::string::npos;
        _exit(said && result.cancelled > 0 && !result.refused ? result.created : 255);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    const int written = WEXITSTATUS(status);
    ASSERT_LT(written, kMovies) << "the run stopped";
    EXPECT_GE(written, 9) << "it wrote what its journal held";
    ASSERT_GT(written, 0) << "after the files its journal held";
    EXPECT_EQ(written, CheckFiles());
    for (int i = written; i < kMovies; ++i)
        EXPECT_EQ(olds[i], ReadFileBytes(File(i))) << "nothing after the stop";
    ScriptedMessages quiet;
    ActivityLog log;
    const UndoResult undo = RunUndo(UndoOf(""), log);
    EXPECT_EQ(written, undo.putBack);
    EXPECT_EQ(0, CheckFiles());
}
#endif
