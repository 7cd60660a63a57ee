#include "cli/CliCheck.h"

#include <map>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliPaths.h"
#include "cli/JsonText.h"
#include "core/log/ActivityLog.h"
#include "core/pytivo/TiVoProblems.h"

namespace {

void PrintLines(const std::vector<TiVoProblem>& problems, size_t movies, std::ostream& out)
{
    std::string where;
    for (const TiVoProblem& problem : problems) {
        if (problem.where != where)
            out << (where = problem.where) << "\n";
        out << "  ! ";
        if (problem.file != problem.where)
            out << SourceNameFor(problem.file, problem.where) << ": ";
        out << problem.text << "\n";
    }
    out << (problems.empty() ? "No problems" : std::to_string(problems.size()) +
                                                   (problems.size() == 1 ? " problem" : " problems"))
        << " found in " << movies << (movies == 1 ? " movie" : " movies") << "\n";
}

void PrintJson(const std::vector<TiVoProblem>& problems, size_t movies, int unread, std::ostream& out)
{
    out << "{\"problems\": [";
    for (size_t i = 0; i < problems.size(); ++i)
        out << (i ? ",\n " : "\n ") << "{\"where\": " << JsonString(problems[i].where)
            << ", \"file\": " << JsonString(problems[i].file) << ", \"kind\": " << JsonString(problems[i].kind)
            << ", \"text\": " << JsonString(problems[i].text) << "}";
    out << (problems.empty() ? "]" : "\n]") << ", \"totals\": {\"movies\": " << movies
        << ", \"problems\": " << problems.size() << ", \"unreadFolders\": " << unread << "}}\n";
}

}  // namespace

int CheckCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    ActivityLog log;
    log.SetListener([&err](const std::string& line) { err << line; });
    PyTivoRunCache cache;
    TiVoCheck check;
    int unread = 0;
    const int exitCode = VisitGivenPaths(
        arguments, log, err, unread, [&](const PyTivoFolder& folder) { check.AddFolder(folder, cache); },
        [&](const PyTivoFolder& folder, const FolderEntry& movie) { check.AddMovie(folder, movie, cache); });
    const std::vector<TiVoProblem> problems = check.Finish();
    if (arguments.json)
        PrintJson(problems, check.MoviesChecked(), unread, out);
    else
        PrintLines(problems, check.MoviesChecked(), out);
    if (exitCode != kExitSuccess)
        return exitCode;
    return !problems.empty() ? kExitProblems : unread > 0 ? kExitIncomplete : kExitSuccess;
}
