#include "cli/CliProgram.h"

#include <memory>

#include "cli/CliArguments.h"
#include "cli/CliCheck.h"
#include "cli/CliCommon.h"
#include "cli/CliLookup.h"
#include "cli/CliReport.h"
#include "cli/CliRun.h"
#include "cli/CliSettings.h"
#include "cli/CliShow.h"
#include "cli/CliUndo.h"
#include "cli/CliUsage.h"
#include "cli/CliWatch.h"
#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/folders/MovieScanner.h"
#include "core/library/MovieList.h"
#include "core/log/ActivityLog.h"
#include "core/runs/GenerateLookup.h"
#include "core/runs/GenerateRun.h"
#include "core/settings/Version.h"
#include "platform/StopSignal.h"
#include "platform/Text.h"

namespace {

int ListCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    std::string folder;
    if (!ResolveFolder(arguments.Folder(), folder, err))
        return kExitUsage;
    // Folders below that cannot be read are reported on the error stream.
    ActivityLog log;
    log.SetListener([&err](const std::string& line) { err << line; });
    int unread = 0;
    const std::vector<MovieListing> movies =
        arguments.recursive ? ListMoviesBelow(folder, log, nullptr, nullptr, &unread) : ListMoviesWithMetadata(folder);
    if (arguments.json) {
        PrintListJson(folder, movies, unread, out);
        return unread > 0 ? kExitIncomplete : kExitSuccess;
    }
    int withMetadata = 0;
    int elsewhere = 0;
    for (const MovieListing& movie : movies) {
        withMetadata += movie.hasMetadata ? 1 : 0;
        elsewhere += !movie.hasMetadata && movie.otherSources ? 1 : 0;
        out << (movie.hasMetadata ? "[meta] " : movie.otherSources ? "[other] " : "[    ] ") << movie.name << "\n";
    }
    out << movies.size() << (movies.size() == 1 ? " movie file, " : " movie files, ") << withMetadata
        << " with metadata";
    if (elsewhere > 0)
        out << ", " << elsewhere << " with metadata only in other files";
    out << "\n";
    return unread > 0 ? kExitIncomplete : kExitSuccess;
}

// Prints what the run would write, writing nothing: each file's path, then
// its text as the file would hold it (with line feeds). It ends as the real
// run would: with 3 when folders below could not be read.
int DryRun(const GenerateRequest& request, int unread, std::ostream& out, std::ostream& err)
{
    std::string refusal;
    const std::vector<PlannedWrite> writes = PlanGenerate(request, refusal);
    if (!refusal.empty()) {
        err << "reelmark-cli: the run would be refused: " << refusal << "\n";
        return kExitFailed;
    }
    for (const PlannedWrite& write : writes) {
        if (write.skipped || write.NothingToAdd()) {
            out << "== skip " << write.metadataPath
                << (write.skipped ? " (a metadata file is there)\n" : " (" + std::string(kNothingToAdd) + ")\n");
            continue;
        }
        out << "== write " << write.metadataPath;
        if (!write.plan.empty())
            out << " (" << write.plan << ")";
        out << "\n" << write.text;
    }
    return unread > 0 ? kExitIncomplete : kExitSuccess;
}

int GenerateCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    // A JSON answer keeps standard output for the document alone.
    CliRun run(arguments.json ? err : out, err);
    if (!run.Prepare(arguments, err))
        return kExitUsage;
    GenerateRequest& request = run.Request();
    // One reading of the folder serves the list of movies and the run.
    const FolderIndex listing(request.folder);
    request.listing = &listing;
    int unread = 0;
    for (const MovieListing& movie : arguments.recursive
                                         ? ListMoviesBelow(request.folder, run.Log(), nullptr, nullptr, &unread)
                                         : MoviesIn(listing))
        request.entries.push_back(movie.name);
    request.replaceExisting = arguments.replace;
    std::unique_ptr<GenerateLookupResult> lookedUp;
    if (run.Lookup()) {
        LookupProgressLine line(err, !arguments.json);
        lookedUp = std::make_unique<GenerateLookupResult>(run.Lookup()->Before(request, run.Log(), line.Callback()));
    }
    if (arguments.dryRun)
        return DryRun(request, unread, out, err);
    std::unique_ptr<GenerateJson> json;
    if (arguments.json) {
        json = std::make_unique<GenerateJson>(request.folder, out);
        request.outcome = [&json](const FileOutcome& outcome) { json->Add(outcome); };
    }
    const GenerateResult result = RunGenerate(request, run.Log());
    if (json)
        json->Finish(result, unread, lookedUp.get());
    if (result.refused || result.failed > 0)
        return kExitFailed;
    return unread > 0 ? kExitIncomplete : kExitSuccess;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CliArguments arguments;
    std::string error;
    if (!ParseCliArguments(args, arguments, error)) {
        err << "reelmark-cli: " << error << "\n" << ShortUsage(arguments.command);
        return kExitUsage;
    }
    switch (arguments.command) {
        case CliCommand::Version:
            out << kReelmarkVersion << "\n";
            return kExitSuccess;
        case CliCommand::List:
            return ListCommand(arguments, out, err);
        case CliCommand::Generate:
            return GenerateCommand(arguments, out, err);
        case CliCommand::Show:
            return ShowCommand(arguments, out, err);
        case CliCommand::Check:
            return CheckCommand(arguments, out, err);
        case CliCommand::Undo:
            return UndoCommand(arguments, out, err);
        case CliCommand::Settings:
            return SettingsCommand(arguments, out, err);
        case CliCommand::Watch: {
            StopSignal stop;
            stop.TakeSystemRequests();
            return WatchCommand(arguments, out, err, stop);
        }
        case CliCommand::Lookup:
            return LookupCommand(arguments, out, err);
        case CliCommand::Help:
            break;
    }
    out << kUsage;
    return kExitSuccess;
}
