// Undo Last Run: the journal of the last run that changed metadata files
// (Generate, the editor's saves, an undo of it), undone after a question
// that says what the run was, when, where and what it changed.
#include <windows.h>

#include "core/runs/UndoRun.h"
#include "core/settings/Settings.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "ui/framework/Prompt.h"
#include "ui/main/ReelmarkDlg.h"

void CReelmarkDlg::OnUndoLastRun()
{
    FileCommand run(*this, "Undoing the last run");
    if (run.Refused())
        return;
    const char caption[] = "Undo Last Run";
    // The run is taken once, by name, before the question.
    const std::vector<RunRecord> runs = ListRuns(RunsFolder());
    const RunRecord* last = LastRunToUndo(runs);
    if (!last) {
        ThePrompt().ShowMessage(WindowInUse(),
                                "There is no run to undo.\n\nGenerate and the editor keep what they change for "
                                "an undo (Tools > Options says how long).",
                                caption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (ThePrompt().ShowMessage(WindowInUse(),
                                FormatText("Undo the last run?\n\n%s\n\nThe files it replaced or removed come back "
                                           "and the files it made go, each where it is still as the run left it; "
                                           "a file changed since stays as it is and is named in the log.",
                                           ::DescribeRun(*last).c_str()),
                                caption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    UndoRequest request;
    request.run = last->id;
    request.journal = UndoJournalLimits(CurrentSettings());
    request.progress = [&run](int done, int count, const std::string& path) {
        if (done == count) {
            run.Finish();
            return true;
        }
        return run.Next(done, count, FileNameOf(path, true));
    };
    RunUndo(request, log_);
    OnResetTree();
}
