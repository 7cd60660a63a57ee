// Delete Selected: the selected movie files of the current folder go, with
// their metadata files, after two confirmations.
#include <windows.h>

#include <cstdio>

#include "core/copy/FileOpEngine.h"
#include "core/folders/MovieScanner.h"
#include "resource.h"
#include "ui/framework/Prompt.h"
#include "ui/main/ReelmarkDlg.h"

void CReelmarkDlg::OnDeleteSelected()
{
    FileCommand run(*this, "Deleting movie files");
    if (run.Refused())
        return;
    // What goes is settled here, by name: a refill or a folder switch while
    // a question is up changes nothing about it.
    const std::string folder = MovieFolder();
    const std::vector<std::string> names = movieList_.SelectedEntries();
    const int count = static_cast<int>(names.size());

    if (ThePrompt().ShowMessage(WindowInUse(),
                                "You are about to delete movie files and metadata files you selected.\n"
                                "This operation cannot be undone! Do you want to continue?",
                                "Movie File Delete Warning!", MB_YESNO, IDI_DELETE_WARNING) != IDYES)
        return;
    std::vector<char> question(folder.size() + 256);
    std::snprintf(question.data(), question.size(),
                  "Click YES to PERMANENTLY delete %d selected movie\nand associated metadata files from "
                  "folder: %s?",
                  count, folder.c_str());
    if (ThePrompt().ShowMessage(WindowInUse(), question.data(), "Are You Really Sure?",
                                MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (count == 0)
        return;

    CFileOpEngine engine;
    engine.SetKeptFolder(folder);
    int deleted = 0;
    int kept = 0;
    int failed = 0;
    // Reads what became of a file from the engine and reports one that
    // stays; true when it went.
    auto outcome = [&](const std::string& path) {
        const std::string error = engine.ErrorText();
        const bool skipped = engine.Skipped();
        engine.Reset();
        if (skipped) {
            // No or Cancel at the read-only question.
            AddLogEntry("", LogSeverity::Information, "File kept (not deleted): %s", path.c_str());
            ++kept;
            return false;
        }
        if (error != "No error") {
            AddLogEntry("File Delete Error", LogSeverity::Error, "Could not delete file: %s\n%s",
                        path.c_str(), error.c_str());
            ++failed;
            return false;
        }
        return true;
    };
    // Deletes one file; only files are handed to the engine: a folder of
    // the name is kept.
    auto deleteFile = [&](const std::string& path) {
        if (ClassifyPath(path) == PathKind::Folder) {
            AddLogEntry("", LogSeverity::Information, "Not a file - kept (not deleted): %s", path.c_str());
            ++kept;
            return false;
        }
        engine.DeleteItem(path);
        return outcome(path);
    };
    int done = 0;
    for (const std::string& name : names) {
        if (!run.Next(done, count, name))
            break;
        ++done;
        const std::string moviePath = AddTrailingSeparator(folder) + name;
        const std::string metadataPath = moviePath + ".txt";
        // The metadata file goes first: a run that is cut short (a crash, a
        // power cut) never leaves one that pyTivo would show for no movie.
        // So a movie that is to stay is settled before its metadata file goes.
        if (ClassifyPath(moviePath) == PathKind::Folder) {
            deleteFile(moviePath);  // reports the folder that stays
            continue;
        }
        if (!engine.ConfirmDelete(moviePath)) {
            outcome(moviePath);
            continue;
        }
        // A folder of the metadata file's name is no metadata file: it is
        // reported and kept, and the movie goes all the same.
        const PathKind metadata = ClassifyPath(metadataPath);
        if (metadata == PathKind::Folder) {
            deleteFile(metadataPath);
        } else if (metadata != PathKind::Missing && !deleteFile(metadataPath)) {
            AddLogEntry("", LogSeverity::Information, "File kept with its metafile: %s", moviePath.c_str());
            continue;
        }
        if (!deleteFile(moviePath)) {
            if (metadata != PathKind::Missing && metadata != PathKind::Folder)
                AddLogEntry("", LogSeverity::Information, "File kept (metafile deleted): %s", moviePath.c_str());
            continue;
        }
        ++deleted;
        AddLogEntry("", LogSeverity::Information,
                    metadata == PathKind::Folder ? "File deleted (metafile kept): %s" : "File (plus metafile) deleted: %s",
                    moviePath.c_str());
    }
    run.Finish();
    if (run.Cancelled())
        AddLogEntry("File Delete Cancelled", LogSeverity::Information,
                    "%d files deleted - %d kept - %d failed - %d cancelled", deleted, kept, failed,
                    count - done);
    OnResetTree();
}
