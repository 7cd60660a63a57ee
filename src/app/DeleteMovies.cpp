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
    if (ThePrompt().ShowMessage(nullptr, question.data(), "Are You Really Sure?", MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    if (count == 0)
        return;

    CFileOpEngine engine;
    for (int index : selected) {
        const std::string moviePath = AddTrailingSeparator(folder) + movieList_.GetText(index);
        engine.DeleteItem(moviePath);
        const std::string error = engine.ErrorText();
        const bool kept = engine.Skipped();
        engine.Reset();
        if (kept) {
            // No or Cancel at the read-only question: the movie stays, and
            // so does its metadata file.
            AddLogEntry("", LogSeverity::Information, "File kept (not deleted): %s", moviePath.c_str());
            continue;
        }
        if (error != "No error") {
            AddLogEntry("File Delete Error", LogSeverity::Error, "Could not delete file: %s\n%s", moviePath.c_str(),
                        error.c_str());
            continue;
        }
        AddLogEntry("", LogSeverity::Information, "File (plus metafile) deleted: %s", moviePath.c_str());
        // A movie without a metadata file passes silently.
        if (FileExists(moviePath + ".txt") || GetFileAttributesA((moviePath + ".txt").c_str()) != INVALID_FILE_ATTRIBUTES)
            engine.DeleteItem(moviePath + ".txt");
        engine.Reset();
    }
    OnResetTree();
}
