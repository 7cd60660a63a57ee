// Delete Selected: the selected movie files of the current folder go, with
// their metadata files, after two confirmations.
#include <windows.h>

#include <cstdio>

#include "app/ReelmarkDlg.h"
#include "browse/MovieScanner.h"
#include "fileops/FileOpEngine.h"
#include "framework/Prompt.h"
#include "resource.h"

void CReelmarkDlg::OnDeleteSelected()
{
    const std::vector<int> selected = movieList_.GetSelItems();
    const int count = static_cast<int>(selected.size());
    const std::string folder = MovieFolder();

    if (ThePrompt().ShowMessage(nullptr,
                                "You are about to delete movie files and metadata files you selected.\n"
                                "This operation cannot be undone! Do you want to continue?",
                                "Movie File Delete Warning!", MB_YESNO, IDI_DELETE_WARNING) != IDYES)
        return;
    std::vector<char> question(folder.size() + 256);
    std::snprintf(question.data(), question.size(),
                  "Click YES to PERMANENTLY delete %d selected movie\nand associated metadata files from "
                  "folder: %s?",
                  count, folder.c_str());
    if (ThePrompt().ShowMessage(nullptr, question.data(), "Are You Really Sure?",
                                MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (count == 0)
        return;

    CFileOpEngine engine;
    // Deletes one file and reports a file that stays; true when it is gone.
    auto deleteFile = [this, &engine](const std::string& path) {
        engine.DeleteItem(path);
        const std::string error = engine.ErrorText();
        const bool kept = engine.Skipped();
        engine.Reset();
        if (kept) {
            // No or Cancel at the read-only question.
            AddLogEntry("", LogSeverity::Information, "File kept (not deleted): %s", path.c_str());
            return false;
        }
        if (error != "No error") {
            AddLogEntry("File Delete Error", LogSeverity::Error, "Could not delete file: %s\n%s",
                        path.c_str(), error.c_str());
            return false;
        }
        return true;
    };
    for (int index : selected) {
        const std::string moviePath = AddTrailingSeparator(folder) + movieList_.GetText(index);
        // A movie that stays keeps its metadata file.
        if (!deleteFile(moviePath))
            continue;
        // A movie without a metadata file passes silently; a metadata file
        // that stays is reported, and the line says the movie went.
        const std::string metadataPath = moviePath + ".txt";
        if (GetFileAttributesA(metadataPath.c_str()) != INVALID_FILE_ATTRIBUTES &&
            !deleteFile(metadataPath)) {
            AddLogEntry("", LogSeverity::Information, "File deleted (metafile kept): %s", moviePath.c_str());
            continue;
        }
        AddLogEntry("", LogSeverity::Information, "File (plus metafile) deleted: %s", moviePath.c_str());
    }
    OnResetTree();
}
