#include "cli/CliUndo.h"

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliRun.h"
#include "core/runs/UndoRun.h"
#include "core/settings/Settings.h"

namespace {

// The runs, newest first: each one's name, what it did, and what undid it.
int ListCommand(std::ostream& out)
{
    const std::string folder = RunsFolder();
    const std::vector<RunRecord> runs = ListRuns(folder);
    if (runs.empty()) {
        out << "No run to undo in " << folder << "\n";
        return kExitSuccess;
    }
    const RunRecord* last = LastRunToUndo(runs);
    for (const RunRecord& run : runs) {
        const std::string undoneBy = UndoneBy(runs, run);
        out << run.id << "  " << DescribeRun(run);
        if (!run.header.undoes.empty())
            out << " (undoes " << run.header.undoes << ")";
        if (!undoneBy.empty())
            out << " (undone by " << undoneBy << ")";
        out << (&run == last ? " <- undo\n" : "\n");
    }
    return kExitSuccess;
}

}  // namespace

int UndoCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.list)
        return ListCommand(out);
    CliRun run(out, err);
    Settings settings;
    if (!run.ReadSettings(arguments, settings, err))
        return kExitUsage;
    UndoRequest request;
    request.run = arguments.paths.empty() ? std::string() : arguments.paths.front();
    request.dryRun = arguments.dryRun;
    request.journal = UndoJournalLimits(settings);
    const UndoResult result = RunUndo(request, run.Log());
    if (result.refused || result.failed > 0)
        return kExitFailed;
    return result.leftAlone > 0 ? kExitIncomplete : kExitSuccess;
}
