// The copy run of the copy dialog: every listed file into the target
// folder, one after the other, with progress, a log line per file and a
// summary.
#include <windows.h>

#include "app/ReelmarkDlg.h"
#include "browse/MovieScanner.h"
#include "copy/CopyMoviesToFolderDlg.h"
#include "copy/SizeTexts.h"
#include "fileops/FileOpEngine.h"
#include "framework/Prompt.h"

void CCopyMoviesToFolderDlg::OnStartCopy()
{
    // Check every row against the files as they are now.
    RebuildCopyList();
    if (ReportCopyListErrors())
        return;

    CWaitCursor wait;
    const int rows = list_.GetItemCount();
    const std::string target = TargetFolder();
    if (rows == 0)
        return;

    CFileOpEngine engine;
    const int answer =
        existingCount != 0
            ? ThePrompt().ShowMessage(
                  nullptr,
                  FormatText("There are %d files already on the folder: %s.\nYou must set "
                             "the overwrite check to write over these\nfiles or they will "
                             "be skipped.\n\nDo you want to continue and skip duplicate "
                             "files?",
                             existingCount, target.c_str()),
                  "Warning: Duplicate File Will Be Skipped", MB_YESNO | MB_ICONEXCLAMATION)
            : ThePrompt().ShowMessage(
                  nullptr,
                  FormatText("Are you ready to copy %d files to the folder: %s?", rows, target.c_str()),
                  "Ready To Start Copy Process", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES)
        return;

    progress_.SetRange(0, 100);
    progress_.ShowWindow(SW_SHOW);
    progress_.SetWindowText(FormatText("Starting copy file process: %d files...", rows));
    progress_.SendMessage(TPC_SHOWPERCENT, FALSE);
    progress_.SetPos(1);

    const std::string targetPrefix = target + "\\";
    int copied = 0;
    bool goOn = true;
    for (int row = 0; goOn && row < rows; ++row) {
        bool skipped = false;
        const std::string name = list_.GetItemText(row, 0);
        const std::string destination = targetPrefix + name;
        const std::string source = list_.GetItemText(row, 1) + "\\" + name;

        if (!OverwriteChecked() && FileExists(destination)) {
            mainWindow_.AddLogEntry("", LogSeverity::Information,
                                    "Copy File \"%s\" already exists - skipped!", destination.c_str());
            progress_.SetWindowText(FormatText("File skipped - already exists: %s - ", source.c_str()));
            skipped = true;
        } else {
            if (OverwriteChecked())
                engine.SetReplaceExisting(true);
            engine.CopyItem(source, targetPrefix);
        }
        UpdateDiskUsage();
        const std::string errorText = engine.ErrorText();
        engine.Reset();

        if (errorText == "No error") {
            if (!skipped) {
                mainWindow_.AddLogEntry("", LogSeverity::Information, "File \"%s\" copied to: %s",
                                        source.c_str(), targetPrefix.c_str());
                progress_.SetWindowText(FormatText("File copied: %s", source.c_str()));
                ++copied;
            }
        } else {
            mainWindow_.AddLogEntry("File Copy Error", LogSeverity::Error, "Could not copy file: %s\n%s",
                                    source.c_str(), errorText.c_str());
            goOn = false;
        }
        progress_.SetPos(row * 100 / rows);
        Invalidate(TRUE);
        UpdateWindow();
    }
    progress_.SetPos(100);
    progress_.SetWindowText("Completed");
    mainWindow_.AddLogEntry("Copy Complete", LogSeverity::Information, "File copy complete: %d files copied.",
                            copied);
    progress_.ShowWindow(SW_HIDE);

    // The copied movies now belong to the main window's folder.
    mainWindow_.RebuildTree();
    mainWindow_.OnResetTree();
    RebuildCopyList();
}
