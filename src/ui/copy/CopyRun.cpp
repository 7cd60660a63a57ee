// The copy run of the copy dialog: every listed file into the target
// folder, one after the other, with progress, a log line per file and a
// summary.
#include <windows.h>

#include "core/copy/FileOpEngine.h"
#include "core/copy/SizeTexts.h"
#include "core/files/WorkFolder.h"
#include "core/folders/MovieScanner.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "ui/controls/FileCommand.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"
#include "ui/framework/Prompt.h"

void CCopyMoviesToFolderDlg::OnStartCopy()
{
    FileCommand run(host_.FileCommands(), "Copying movie files");
    if (run.Refused())
        return;
    // Check every row against the files as they are now.
    RebuildCopyList();
    if (ReportCopyListErrors())
        return;

    CWaitCursor wait;
    const int rows = list_.GetItemCount();
    const std::string target = TargetFolder();
    if (rows == 0)
        return;

    const int answer =
        existingCount != 0
            ? ThePrompt().ShowMessage(
                  WindowInUse(),
                  FormatText("There are %d files already on the folder: %s.\nYou must set "
                             "the overwrite check to write over these\nfiles or they will "
                             "be skipped.\n\nDo you want to continue and skip duplicate "
                             "files?",
                             existingCount, target.c_str()),
                  "Warning: Duplicate File Will Be Skipped", MB_YESNO | MB_ICONEXCLAMATION)
            : ThePrompt().ShowMessage(
                  WindowInUse(),
                  FormatText("Are you ready to copy %d files to the folder: %s?", rows, target.c_str()),
                  "Ready To Start Copy Process", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES)
        return;

    // The files are taken once, by name, now that the answer is in: rows
    // that changed while the question was up count as they are now.
    struct CopyFile {
        std::string name;
        std::string folder;
    };
    std::vector<CopyFile> files;
    for (int row = 0, count = list_.GetItemCount(); row < count; ++row)
        files.push_back({list_.GetItemText(row, 0), list_.GetItemText(row, 1)});
    const int total = static_cast<int>(files.size());

    progress_.SetRange(0, 100);
    progress_.ShowWindow(SW_SHOW);
    progress_.SetWindowText(FormatText("Starting copy file process: %d files...", total));
    progress_.SendMessage(TPC_SHOWPERCENT, FALSE);
    progress_.SetPos(1);

    WorkFolder(target).RemoveLeftovers(host_.Log());
    const std::string targetPrefix = target + "\\";
    int copied = 0;
    int skippedFiles = 0;
    int done = 0;
    {  // the engine's work folder goes before the window shows the folder again
        CFileOpEngine engine;
        engine.SetKeptFolder(target);
        // A big file takes long to copy: the bar moves within it, and the
        // windows keep answering meanwhile.
        engine.SetWhileCopying([&](uint64_t bytes, uint64_t size) {
            progress_.SetPos(static_cast<int>((done + static_cast<double>(bytes) / size) * 100 / total));
            run.KeepAnswering();
        });
        for (bool goOn = true; goOn && done < total; ++done) {
            if (!run.Next(done, total, files[done].name))
                break;
            const std::string& name = files[done].name;
            const std::string destination = targetPrefix + name;
            const std::string source = files[done].folder + "\\" + name;
            // Taken names come from one reading of the target folder: a test
            // of each name would read the whole folder under Wine.
            const bool skipped = !OverwriteChecked() && engine.HoldsFile(destination);
            if (skipped) {
                host_.Log().AddLogEntry("", LogSeverity::Information,
                                        "Copy File \"%s\" already exists - skipped!", destination.c_str());
                progress_.SetWindowText(FormatText("File skipped - already exists: %s - ", source.c_str()));
                ++skippedFiles;
            } else {
                engine.SetReplaceExisting(OverwriteChecked());
                engine.CopyItem(source, targetPrefix);
            }
            UpdateDiskUsage();
            const std::string errorText = engine.ErrorText();
            engine.Reset();

            if (errorText == "No error") {
                if (!skipped) {
                    host_.Log().AddLogEntry("", LogSeverity::Information, "File \"%s\" copied to: %s",
                                            source.c_str(), targetPrefix.c_str());
                    progress_.SetWindowText(FormatText("File copied: %s", source.c_str()));
                    ++copied;
                }
            } else {
                host_.Log().AddLogEntry("File Copy Error", LogSeverity::Error, "Could not copy file: %s\n%s",
                                        source.c_str(), errorText.c_str());
                goOn = false;
            }
            progress_.SetPos(done * 100 / total);
            Invalidate(TRUE);
            UpdateWindow();
        }
    }
    progress_.SetPos(100);
    progress_.SetWindowText("Completed");
    run.Finish();
    if (run.Cancelled())
        host_.Log().AddLogEntry("Copy Cancelled", LogSeverity::Information,
                                "File copy complete: %d files copied - %d skipped - %d cancelled.", copied,
                                skippedFiles, total - done);
    else
        host_.Log().AddLogEntry("Copy Complete", LogSeverity::Information,
                                "File copy complete: %d files copied.", copied);
    progress_.ShowWindow(SW_HIDE);

    // The copied movies now belong to the main window's folder.
    host_.FoldersChanged();
    RebuildCopyList();
}
