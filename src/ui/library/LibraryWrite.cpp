// Write Selected and Write All of the Library window: the same Generate as
// the main window's (skip or replace, the changed-on-disk check, progress,
// Cancel), writing each movie's edits; a movie whose own file exists takes
// its edits through the editor's safe save instead.
#include <numeric>
#include <unordered_map>

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "core/library/PlanEdits.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "core/runs/GenerateRun.h"
#include "platform/Paths.h"
#include "ui/controls/FileCommand.h"
#include "ui/controls/MetadataSave.h"
#include "ui/library/LibraryDlg.h"

void CLibraryDlg::OnWriteSelected()
{
    WriteRows(view_.SelectedRows());
}

void CLibraryDlg::OnWriteAll()
{
    std::vector<RowId> rows(grid_.RowCount());
    std::iota(rows.begin(), rows.end(), RowId(0));
    WriteRows(rows);
}

void CLibraryDlg::WriteRows(const std::vector<RowId>& chosen)
{
    if (chosen.empty())
        return;
    cellEditor_.Close(true);
    TakePlanWhenMade(true);
    FileCommand run(host_.FileCommands(), "Writing metadata files");
    if (run.Refused())
        return;
    std::vector<RowId> own;
    std::vector<RowId> generated;
    for (RowId row : chosen)
        (grid_.HasOwnFile(row) && grid_.HasEdits(row) ? own : generated).push_back(row);
    const int total = static_cast<int>(chosen.size());
    std::vector<RowId> written = SaveOwnFiles(own, run, total);
    if (!run.Cancelled() && !generated.empty()) {
        const std::vector<RowId> made = GenerateRows(generated, run, static_cast<int>(own.size()), total);
        written.insert(written.end(), made.begin(), made.end());
    }
    run.Finish();
    if (!written.empty()) {
        changedFiles_ = true;
        grid_.Written(written);
    }
    RowsEdited(true);
}

std::vector<RowId> CLibraryDlg::SaveOwnFiles(const std::vector<RowId>& rows, FileCommand& run, int total)
{
    ActivityLog& log = host_.Log();
    std::vector<RowId> saved;
    if (rows.empty())
        return saved;
    // The saves are a run of their own that can be undone, as the editor's.
    GenerateRequest described;
    host_.DescribeRun(described);
    const JournaledRun journal(RunHeader{"Library", grid_.Folder(), std::string(), 0}, described.undoJournal);
    if (!journal.Refusal().empty()) {
        log.AddLogEntry("Metadata File Not Saved", LogSeverity::Error, "%s\nNo file was saved.",
                        journal.Refusal().c_str());
        return saved;
    }
    int done = 0;
    for (RowId row : rows) {
        const std::string moviePath = grid_.MoviePath(row);
        const std::string path = grid_.OwnFilePath(row);
        if (!run.Next(done++, total, FileNameOf(path, true)))
            break;
        const OwnValues* own = grid_.Own(row);
        const MovieEdits* edits = grid_.Edits().Of(grid_.Entry(row));
        if (!own || !edits ||
            !MaySaveOver(log, moviePath, path, own->read, "the Library window read it",
                         "write your edits into it as it is now"))
            continue;
        // The edits go into the file as it is now: what another program
        // changed in its other lines stays.
        FileSnapshot now;
        std::string bytes;
        SystemError error = 0;
        if (!ReadSnapshot(path, now, &bytes, error) || IsUtf16Text(bytes) || bytes.find('\0') != std::string::npos) {
            log.AddLogEntry("Metadata File Not Saved", LogSeverity::Error,
                            "Could not read metadata file: %s\n%s", path.c_str(),
                            error ? SystemErrorText(error).c_str() : "It holds text the grid cannot change.");
            continue;
        }
        MetadataDocument document(bytes);
        ApplyEditsTo(document, *edits);
        if (SaveMetadataBytes(log, grid_.Folder(), grid_.Entry(row), path, document.Compose(),
                              path != MetadataPathOf(moviePath)))
            saved.push_back(row);
    }
    if (!rows.empty())
        log.AddLogEntry("", LogSeverity::Information, "%d of %d metadata files saved with their edits.",
                        static_cast<int>(saved.size()), static_cast<int>(rows.size()));
    return saved;
}

std::vector<RowId> CLibraryDlg::GenerateRows(const std::vector<RowId>& rows, FileCommand& run, int done, int total)
{
    GenerateRequest request;
    host_.DescribeRun(request);
    request.folder = grid_.Folder();
    request.entries.reserve(grid_.RowCount());
    for (RowId row = 0; row < grid_.RowCount(); ++row)
        request.entries.push_back(grid_.Entry(row));
    std::unordered_map<std::string, RowId> rowOf;
    for (RowId row : rows) {
        request.writeOnly.push_back(grid_.Entry(row));
        rowOf[grid_.MoviePath(row)] = row;
    }
    request.edits = &grid_.Edits();
    if (!host_.AskAboutOtherFiles(request))
        return {};
    const int count = static_cast<int>(rows.size());
    request.progress = [&](int at, const std::string& moviePath) {
        return at == count || run.Next(done + at, total, FileNameOf(moviePath, true));
    };
    std::vector<RowId> written;
    request.outcome = [&](const FileOutcome& outcome) {
        const auto row = rowOf.find(outcome.moviePath);
        if (row != rowOf.end() && (outcome.result == FileResult::Created || outcome.result == FileResult::Replaced))
            written.push_back(row->second);
    };
    RunGenerate(request, host_.Log());
    return written;
}
