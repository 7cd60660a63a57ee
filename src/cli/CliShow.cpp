#include "cli/CliShow.h"

#include <vector>

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliPaths.h"
#include "cli/JsonText.h"
#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "core/pytivo/PyTivoView.h"
#include "platform/Paths.h"

namespace {

struct ShownMovie {
    std::string path;
    PyTivoView view;
};

void PrintLines(const ShownMovie& movie, std::ostream& out)
{
    out << movie.path << "\n";
    for (const auto& [key, value] : movie.view.values) {
        if (value.kind == PyTivoValue::Kind::List) {
            for (const PyTivoItem& item : value.items)
                out << "  " << key << " : " << item.text << "  [" << SourceNameFor(item.source, movie.path) << "]\n";
        } else {
            out << "  " << key << " : " << value.text << "  [" << SourceNameFor(value.source, movie.path) << "]\n";
        }
    }
    for (const PyTivoProblem& problem : movie.view.problems)
        out << "  ! " << problem.path << ": " << problem.why << "\n";
    for (const std::string& note : movie.view.notes)
        out << "  note: " << note << "\n";
}

std::string JsonValue(const PyTivoValue& value)
{
    switch (value.kind) {
        case PyTivoValue::Kind::Number:
            return std::to_string(value.number);
        case PyTivoValue::Kind::List: {
            std::string items;
            for (const PyTivoItem& item : value.items)
                items += (items.empty() ? "" : ", ") + JsonString(item.text);
            return "[" + items + "]";
        }
        case PyTivoValue::Kind::Text:
            break;
    }
    return JsonString(value.text);
}

void PrintJson(const std::vector<ShownMovie>& movies, std::ostream& out)
{
    out << "[";
    for (size_t i = 0; i < movies.size(); ++i) {
        const PyTivoView& view = movies[i].view;
        out << (i ? ",\n " : "\n ") << "{\"movie\": " << JsonString(movies[i].path) << ", \"metadata\": {";
        bool first = true;
        for (const auto& [key, value] : view.values) {
            out << (first ? "" : ", ") << JsonString(key) << ": " << JsonValue(value);
            first = false;
        }
        out << "}, \"sources\": [";
        for (size_t s = 0; s < view.filesRead.size(); ++s)
            out << (s ? ", " : "") << JsonString(view.filesRead[s]);
        out << "]";
        // Only where something could not be read or was left out, so that
        // the usual object holds just the three keys.
        if (!view.problems.empty()) {
            out << ", \"problems\": [";
            for (size_t p = 0; p < view.problems.size(); ++p)
                out << (p ? ", " : "") << "{\"path\": " << JsonString(view.problems[p].path)
                    << ", \"why\": " << JsonString(view.problems[p].why) << "}";
            out << "]";
        }
        if (!view.notes.empty()) {
            out << ", \"notes\": [";
            for (size_t n = 0; n < view.notes.size(); ++n)
                out << (n ? ", " : "") << JsonString(view.notes[n]);
            out << "]";
        }
        out << "}";
    }
    out << (movies.empty() ? "]\n" : "\n]\n");
}

}  // namespace

int ShowCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    // Folders below that cannot be read are reported on the error stream.
    ActivityLog log;
    log.SetListener([&err](const std::string& line) { err << line; });
    PyTivoRunCache cache;  // the shared sources read once for the whole run
    std::vector<ShownMovie> shown;
    int unread = 0;
    const int exitCode = VisitGivenPaths(
        arguments, log, err, unread,
        [&](const PyTivoFolder& folder) {
            for (const FolderEntry& entry : folder.Index().Entries()) {
                if (!entry.isFolder && IsMovieFile(entry.name))
                    shown.push_back({folder.Path() + kSeparator + entry.name, ReadPyTivoView(folder, entry, cache)});
            }
        },
        [&](const PyTivoFolder& folder, const FolderEntry& movie) {
            shown.push_back({folder.Path() + kSeparator + movie.name, ReadPyTivoView(folder, movie, cache)});
        });
    if (arguments.json) {
        PrintJson(shown, out);
    } else {
        for (const ShownMovie& movie : shown)
            PrintLines(movie, out);
    }
    return exitCode != kExitSuccess ? exitCode : unread > 0 ? kExitIncomplete : kExitSuccess;
}
