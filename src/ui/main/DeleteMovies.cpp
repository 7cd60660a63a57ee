// Delete Selected: the selected movie files of the current folder go, with
// their metadata files, to the Recycle Bin after a question; or for good
// (Shift+Delete, or the DeleteForGood setting) after two. A file that no
// bin can take is deleted for good only when the user says so.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "core/copy/FileOpEngine.h"
#include "core/folders/MovieScanner.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/Trash.h"
#include "resource.h"
#include "ui/framework/Prompt.h"
#include "ui/main/ReelmarkDlg.h"

namespace {

const char kDeleteWarning[] = "Movie File Delete Warning!";

// One selected movie: its file and its metadata file's path.
struct SelectedMovie {
    std::string name;
    std::string movie;
    std::string metadata;
};

// Deletes movies for good, metadata file first, through the engine (which
// never follows a link and asks before a read-only file goes), and logs
// what became of each.
class DeletesForGood {
public:
    DeletesForGood(CReelmarkDlg& window, const std::string& folder) : window_(window)
    {
        engine_.SetKeptFolder(folder);
    }

    // Asks the read-only question for the movie before anything of it goes:
    // false when it stays (logged then).
    bool Confirm(const SelectedMovie& movie)
    {
        if (ClassifyPath(movie.movie) == PathKind::Folder) {
            DeleteFile(movie.movie);  // reports the folder that stays
            return false;
        }
        return engine_.ConfirmDelete(movie.movie) || (Outcome(movie.movie), false);
    }

    // Deletes the confirmed movie and its metadata file.
    void Delete(const SelectedMovie& movie)
    {
        // The metadata file goes first: a run that is cut short (a crash, a
        // power cut) never leaves one that pyTivo would show for no movie.
        // A folder of its name is no metadata file: it is reported and kept,
        // and the movie goes all the same.
        const PathKind metadata = ClassifyPath(movie.metadata);
        if (metadata == PathKind::Folder) {
            DeleteFile(movie.metadata);
        } else if (metadata != PathKind::Missing && !DeleteFile(movie.metadata)) {
            window_.AddLogEntry("", LogSeverity::Information, "File kept with its metafile: %s", movie.movie.c_str());
            return;
        }
        if (!DeleteFile(movie.movie)) {
            if (metadata != PathKind::Missing && metadata != PathKind::Folder)
                window_.AddLogEntry("", LogSeverity::Information, "File kept (metafile deleted): %s",
                                    movie.movie.c_str());
            return;
        }
        ++deleted_;
        window_.AddLogEntry("", LogSeverity::Information,
                            metadata == PathKind::Folder ? "File deleted (metafile kept): %s"
                                                         : "File (plus metafile) deleted: %s",
                            movie.movie.c_str());
    }

    int Deleted() const { return deleted_; }
    int Kept() const { return kept_; }
    int Failed() const { return failed_; }

private:
    // Reads what became of a file from the engine and reports one that
    // stays; true when it went.
    bool Outcome(const std::string& path)
    {
        const std::string error = engine_.ErrorText();
        const bool skipped = engine_.Skipped();
        engine_.Reset();
        if (skipped) {
            // No or Cancel at the read-only question.
            window_.AddLogEntry("", LogSeverity::Information, "File kept (not deleted): %s", path.c_str());
            ++kept_;
            return false;
        }
        if (error != "No error") {
            window_.AddLogEntry("File Delete Error", LogSeverity::Error, "Could not delete file: %s\n%s",
                                path.c_str(), error.c_str());
            ++failed_;
            return false;
        }
        return true;
    }

    // Deletes one file; only files are handed to the engine: a folder of
    // the name is kept.
    bool DeleteFile(const std::string& path)
    {
        if (ClassifyPath(path) == PathKind::Folder) {
            window_.AddLogEntry("", LogSeverity::Information, "Not a file - kept (not deleted): %s", path.c_str());
            ++kept_;
            return false;
        }
        engine_.DeleteItem(path);
        return Outcome(path);
    }

    CReelmarkDlg& window_;
    CFileOpEngine engine_;
    int deleted_ = 0;
    int kept_ = 0;
    int failed_ = 0;
};

// Splits the movies into those whose files can all go to the Recycle Bin
// and those of which one cannot: a link (the bin is never handed one), or
// a file on a volume without a bin.
void SplitByBin(const std::vector<SelectedMovie>& movies, std::vector<SelectedMovie>& toBin,
                std::vector<SelectedMovie>& noBin)
{
    std::vector<std::string> paths;
    for (const SelectedMovie& movie : movies) {
        paths.push_back(movie.metadata);
        paths.push_back(movie.movie);
    }
    const std::vector<bool> recyclable = CanRecycle(paths);
    for (size_t i = 0; i < movies.size(); ++i) {
        bool can = true;
        for (size_t j = 2 * i; j < 2 * i + 2; ++j) {
            const PathInfo info = InspectPath(paths[j]);
            can = can && (!info.exists || (!info.isFolder && !LeadsElsewhere(paths[j]) && recyclable[j]));
        }
        (can ? toBin : noBin).push_back(movies[i]);
    }
}

// Sends the movies and their metadata files to the Recycle Bin in one call
// (the bin holds them as one deletion), each metadata file before its
// movie, and logs what became of each; how many went.
int RecycleMovies(CReelmarkDlg& window, const std::vector<SelectedMovie>& movies, FileCommand& run)
{
    std::vector<std::string> paths;
    for (const SelectedMovie& movie : movies) {
        if (InspectPath(movie.metadata).exists)
            paths.push_back(movie.metadata);
        paths.push_back(movie.movie);
    }
    if (paths.empty())
        return 0;
    run.Next(0, 1, FormatText("%d files", static_cast<int>(paths.size())));
    SendToRecycleBin(paths);
    int recycled = 0;
    bool told = false;
    for (const SelectedMovie& movie : movies) {
        const bool hadMetadata = std::find(paths.begin(), paths.end(), movie.metadata) != paths.end();
        const bool metadataStayed = hadMetadata && InspectPath(movie.metadata).exists;
        if (!InspectPath(movie.movie).exists && !metadataStayed) {
            ++recycled;
            window.AddLogEntry("", LogSeverity::Information,
                               hadMetadata ? "File (plus metafile) moved to the Recycle Bin: %s"
                                           : "File moved to the Recycle Bin: %s",
                               movie.movie.c_str());
            continue;
        }
        // The shell stops at the first file it cannot move (one another
        // program holds open): that one and the files after it stay.
        const std::string& stayed = metadataStayed ? movie.metadata : movie.movie;
        window.AddLogEntry(told ? "" : "File Delete Error", LogSeverity::Error,
                           "Could not move to the Recycle Bin: %s", stayed.c_str());
        told = true;
        if (hadMetadata && !metadataStayed)
            window.AddLogEntry("", LogSeverity::Information, "File kept (metafile moved to the Recycle Bin): %s",
                               movie.movie.c_str());
    }
    return recycled;
}

// Asks the read-only questions, then the one for the movies no bin can
// take, and only then moves the movies to the Recycle Bin (or deletes for
// good those the user said so of); how many movies it dealt with.
int RecycleOrAsk(CReelmarkDlg& window, const std::vector<SelectedMovie>& movies, DeletesForGood& deletes,
                 FileCommand& run)
{
    // Nothing goes before the last answer.
    const int count = static_cast<int>(movies.size());
    std::vector<SelectedMovie> confirmed;
    int done = 0;
    for (const SelectedMovie& movie : movies) {
        if (!run.Next(done, count, movie.name))
            return 0;
        ++done;
        if (deletes.Confirm(movie))
            confirmed.push_back(movie);
    }
    std::vector<SelectedMovie> toBin;
    std::vector<SelectedMovie> noBin;
    SplitByBin(confirmed, toBin, noBin);
    int answer = IDNO;
    if (!noBin.empty()) {
        answer = ThePrompt().ShowMessage(
            WindowInUse(),
            FormatText("%d of the movies cannot be recycled: their files lie on a volume without a Recycle Bin "
                       "(a network share, a removable disk, or a bin that is turned off), or are links.\n\n"
                       "Delete them for good?\n\nYes deletes them for good, No keeps them; the others go to "
                       "the Recycle Bin either way.",
                       static_cast<int>(noBin.size())),
            "Cannot Be Recycled", MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON2);
        if (answer == IDCANCEL)
            return 0;
    }
    const int recycled = RecycleMovies(window, toBin, run);
    done = count - static_cast<int>(noBin.size());
    for (const SelectedMovie& movie : noBin) {
        if (answer != IDYES) {
            window.AddLogEntry("", LogSeverity::Information, "File kept (cannot be recycled): %s", movie.movie.c_str());
        } else if (run.Next(done, count, movie.name)) {
            deletes.Delete(movie);
        } else {
            break;
        }
        ++done;
    }
    window.AddLogEntry("", LogSeverity::Information, "%d movie files moved to the Recycle Bin - %d deleted for good",
                recycled, deletes.Deleted());
    return done;
}

}  // namespace

void CReelmarkDlg::OnDeleteSelected()
{
    DeleteSelected(CurrentSettings().DeleteForGood == "true");
}

void CReelmarkDlg::OnDeleteForGood()
{
    DeleteSelected(true);
}

LRESULT CReelmarkDlg::OnListKey(WPARAM wp, LPARAM)
{
    // Delete in the movie list as in Explorer: to the bin, and with Shift
    // for good.
    if (LOWORD(wp) != VK_DELETE || !deleteSelected_.IsWindowEnabled())
        return -1;  // the list box's own handling
    if (::GetKeyState(VK_SHIFT) < 0)
        OnDeleteForGood();
    else
        OnDeleteSelected();
    return -2;  // handled
}

void CReelmarkDlg::DeleteSelected(bool forGood)
{
    if (movieList_.Filling())
        return;
    // What goes is settled here, by name: a refill or a folder switch while
    // a question is up changes nothing about it.
    DeleteNamed(MovieFolder(), movieList_.SelectedEntries(), forGood);
}

void CReelmarkDlg::DeleteMovies(const std::string& folder, const std::vector<std::string>& names)
{
    DeleteNamed(folder, names, CurrentSettings().DeleteForGood == "true");
}

void CReelmarkDlg::DeleteNamed(const std::string& folder, const std::vector<std::string>& names, bool forGood)
{
    FileCommand run(*this, forGood ? "Deleting movie files" : "Moving movie files to the Recycle Bin");
    if (run.Refused())
        return;
    std::vector<SelectedMovie> movies;
    for (const std::string& name : names) {
        const std::string movie = AddTrailingSeparator(folder) + name;
        movies.push_back({name, movie, movie + ".txt"});
    }
    const int count = static_cast<int>(movies.size());

    if (forGood) {
        if (ThePrompt().ShowMessage(WindowInUse(),
                                    "You are about to delete movie files and metadata files you selected.\n"
                                    "This operation cannot be undone! Do you want to continue?",
                                    kDeleteWarning, MB_YESNO, IDI_DELETE_WARNING) != IDYES)
            return;
        std::vector<char> question(folder.size() + 256);
        std::snprintf(question.data(), question.size(),
                      "Click YES to PERMANENTLY delete %d selected movie\nand associated metadata files from "
                      "folder: %s?",
                      count, folder.c_str());
        if (ThePrompt().ShowMessage(WindowInUse(), question.data(), "Are You Really Sure?",
                                    MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    } else if (ThePrompt().ShowMessage(WindowInUse(),
                                       FormatText("Move %d selected movie file%s and %s metadata files from "
                                                  "folder:\n%s\nto the Recycle Bin?\n\n(Shift+Delete deletes "
                                                  "for good.)",
                                                  count, count == 1 ? "" : "s", count == 1 ? "its" : "their",
                                                  folder.c_str()),
                                       kDeleteWarning, MB_YESNO, IDI_DELETE_WARNING) != IDYES) {
        return;
    }
    if (count == 0)
        return;

    DeletesForGood deletes(*this, folder);
    int done = 0;
    if (forGood) {
        for (const SelectedMovie& movie : movies) {
            if (!run.Next(done, count, movie.name))
                break;
            ++done;
            if (deletes.Confirm(movie))
                deletes.Delete(movie);
        }
    } else {
        done = RecycleOrAsk(*this, movies, deletes, run);
    }
    run.Finish();
    if (run.Cancelled())
        AddLogEntry("File Delete Cancelled", LogSeverity::Information,
                    "%d files deleted - %d kept - %d failed - %d cancelled", deletes.Deleted(), deletes.Kept(),
                    deletes.Failed(), count - done);
    OnResetTree();
}
