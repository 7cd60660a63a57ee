#include "ui/main/MetadataEditorDlg.h"

#include <windows.h>

#include <memory>

#include "core/copy/SizeTexts.h"
#include "core/files/TextFile.h"
#include "core/files/RunJournal.h"
#include "core/files/WorkFolder.h"
#include "core/folders/FolderWalk.h"
#include "core/library/LibraryPlan.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "core/runs/GenerateRun.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "platform/SystemError.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/controls/FitText.h"
#include "ui/framework/Prompt.h"
#include "ui/main/ReelmarkDlg.h"

namespace {

using F = MetadataField;

struct TextControl {
    MetadataField field;
    int id;
};
const TextControl kTextControls[] = {
    {F::Title, IDC_EDITOR_TITLE},
    {F::SeriesTitle, IDC_EDITOR_SERIES_TITLE},
    {F::EpisodeTitle, IDC_EDITOR_EPISODE_TITLE},
    {F::EpisodeNumber, IDC_EDITOR_EPISODE_NUMBER},
    {F::OriginalAirDate, IDC_EDITOR_AIR_DATE},
    {F::MovieYear, IDC_EDITOR_MOVIE_YEAR},
    {F::SeriesId, IDC_EDITOR_SERIES_ID},
    {F::Description, IDC_EDITOR_DESCRIPTION},
    {F::ProgramGenre, IDC_EDITOR_GENRES},
    {F::Actor, IDC_EDITOR_ACTORS},
    {F::Director, IDC_EDITOR_DIRECTORS},
};

struct RatingControl {
    MetadataField field;
    int id;
    const RatingTable& (*table)();
};
const RatingControl kRatingControls[] = {
    {F::TvRating, IDC_EDITOR_TV_RATING, TvRatings},
    {F::MpaaRating, IDC_EDITOR_MPAA_RATING, MpaaRatings},
    {F::StarRating, IDC_EDITOR_STAR_RATING, StarRatings},
};

bool IsTrue(const std::string& text)
{
    return text == "true";
}

}  // namespace

CMetadataEditorDlg::CMetadataEditorDlg(MetadataDocument& document, std::string fileName, std::string note,
                                       std::function<bool(const std::string&)> save)
    : CDialog(IDD_METADATA_EDITOR),
      document_(document),
      fileName_(std::move(fileName)),
      note_(std::move(note)),
      save_(std::move(save))
{
}

BOOL CMetadataEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The note whole, the name's middle left out where the title bar is
    // too narrow for all of it: its start and its ending tell the file.
    SetWindowText(CaptionToFit(m_hWnd, "Edit Metadata - ", fileName_, note_.empty() ? "" : " (" + note_ + ")"));
    // The rating combo boxes carry the main window's ids and take its items.
    ExecuteDlgInit(m_hWnd, IDD_REELMARK);
    for (const TextControl& control : kTextControls)
        SetDlgItemText(control.id, WithCrLf(document_.Shown(control.field)));
    for (const RatingControl& control : kRatingControls) {
        const std::string& code = document_.Shown(control.field);
        int position = RatingPosition(control.table(), code);
        if (position < 0 && !code.empty()) {
            // A code the items do not stand for is offered as it is, so that
            // it stays unless the user picks another rating.
            position = static_cast<int>(SendDlgItemMessageW(m_hWnd, control.id, CB_ADDSTRING, 0,
                                                            reinterpret_cast<LPARAM>(Widen(code).c_str())));
        }
        SendDlgItemMessageW(m_hWnd, control.id, CB_SETCURSEL, position, 0);
    }
    CheckDlgButton(m_hWnd, IDC_EDITOR_IS_EPISODE,
                   IsTrue(document_.Shown(F::IsEpisode)) ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_EDITOR_OTHER_LINES, WithCrLf(document_.OtherLines()));
    return TRUE;
}

void CMetadataEditorDlg::ReadControls()
{
    for (const TextControl& control : kTextControls)
        document_.Edit(control.field, GetDlgItemText(control.id));
    for (const RatingControl& control : kRatingControls) {
        const RatingTable& table = control.table();
        const int position = static_cast<int>(SendDlgItemMessageW(m_hWnd, control.id, CB_GETCURSEL, 0, 0));
        // Past the table's items: the code from the file, kept.
        document_.Edit(control.field, position >= static_cast<int>(table.codes.size())
                                          ? document_.Shown(control.field)
                                          : RatingCode(table, position));
    }
    // A value other than "true" or "false" stays until the box is clicked.
    const bool ticked = IsDlgButtonChecked(m_hWnd, IDC_EDITOR_IS_EPISODE) == BST_CHECKED;
    const std::string& shown = document_.Shown(F::IsEpisode);
    document_.Edit(F::IsEpisode, ticked == IsTrue(shown) ? shown : ticked ? "true" : "false");
}

void CMetadataEditorDlg::OnOK()
{
    ReadControls();
    MetadataField field = F::Title;
    const std::string problem = document_.Check(&field);
    if (!problem.empty()) {
        ThePrompt().ShowMessage(m_hWnd, problem, "Metadata Not Saved", MB_OK | MB_ICONEXCLAMATION);
        for (const TextControl& control : kTextControls) {
            if (control.field == field) {
                SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(control.id)), TRUE);
                SendDlgItemMessageW(m_hWnd, control.id, EM_SETSEL, 0, -1);
            }
        }
        return;
    }
    if (save_(document_.Compose()))
        EndDialog(IDOK);
}

namespace {

const char kNotOpened[] = "Metadata File Not Opened";
const char kNotSaved[] = "Metadata File Not Saved";

// A metadata file is a few hundred bytes; Wine's edit control takes time
// that grows with the square of a long line, so a much bigger file is not
// one to edit here (and likely no metadata file at all).
const unsigned long long kEditorMaxBytes = 16 * 1024;

// What the file was when the editor read it: whether it was there, and its
// bytes, so that Save can tell a change made meanwhile.
struct FileOnDisk {
    bool exists = false;
    std::string bytes;
};

// Reads the file's state now; false with the error code when it is there
// but cannot be read.
bool ReadOnDisk(const std::string& path, FileOnDisk& state, SystemError& error)
{
    const PathInfo info = InspectPath(path);
    state.exists = info.exists;
    state.bytes.clear();
    if (!info.exists) {
        error = info.error;
        return IsNotFound(info.error);
    }
    return ReadWholeFile(path, state.bytes, &error);
}

// The file's text for the editor; false when it is not to be edited (said
// to the user through the log).
bool TextToEdit(ActivityLog& log, const std::string& path, FileOnDisk& state, std::string& text)
{
    SystemError error = 0;
    const PathInfo info = InspectPath(path);
    if (info.isFolder) {
        log.AddLogEntry(kNotOpened, LogSeverity::Error, "Not a file: %s", path.c_str());
        return false;
    }
    if (info.readOnly) {
        log.AddLogEntry(kNotOpened, LogSeverity::Warning,
                        "The metadata file is read-only: %s\nClear its read-only attribute to edit it.", path.c_str());
        return false;
    }
    unsigned long long size = 0;
    if (info.exists && CanReadFile(path, &size) && size > kEditorMaxBytes) {
        log.AddLogEntry(kNotOpened, LogSeverity::Warning,
                        "The file is too big for a metadata file: %s (%s bytes)\nThe editor opens files of up to "
                        "%s bytes; it is left as it is.",
                        path.c_str(), FormatThousands(static_cast<int64_t>(size)).c_str(),
                        FormatThousands(static_cast<int64_t>(kEditorMaxBytes)).c_str());
        return false;
    }
    if (!ReadOnDisk(path, state, error)) {
        log.AddLogEntry(kNotOpened, LogSeverity::Error, "Could not read metadata file: %s\n%s", path.c_str(),
                        SystemErrorText(error).c_str());
        return false;
    }
    text = state.bytes;
    if (IsUtf16Text(text)) {
        // Saved as text of one encoding, never UTF-16 with bytes of another.
        if (ThePrompt().ShowMessage(WindowInUse(),
                                    path + "\nholds UTF-16 text (Notepad's \"Unicode\"), which pyTivo cannot "
                                           "read.\n\nEdit it and save it as text pyTivo reads (UTF-8, or "
                                           "Windows-1252 where that holds every character)?",
                                    "Metadata File In UTF-16", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return false;
        text = EncodeText(FromUtf16Text(text));
    }
    if (text.find('\0') != std::string::npos) {
        log.AddLogEntry(kNotOpened, LogSeverity::Warning,
                        "The metadata file holds NUL bytes, which the editor cannot show: %s\nIt is left as it is.",
                        path.c_str());
        return false;
    }
    return true;
}

// Whether Save may write: the movie is still there, and the file is as the
// editor read it, or the user says to write over what changed.
bool MayWrite(ActivityLog& log, const std::string& moviePath, const std::string& path, const FileOnDisk& read)
{
    if (ClassifyPath(moviePath) != PathKind::File) {
        log.AddLogEntry(kNotSaved, LogSeverity::Warning,
                        "The movie is not there any more: %s\nNo metadata file is written for it.",
                        moviePath.c_str());
        return false;
    }
    FileOnDisk now;
    SystemError error = 0;
    ReadOnDisk(path, now, error);
    if (now.exists == read.exists && now.bytes == read.bytes)
        return true;
    const std::string what = !now.exists ? "has been deleted" : read.exists ? "has been changed" : "has been made";
    // Keeping what is on the disk is the default answer, and Escape's.
    return ThePrompt().ShowMessage(WindowInUse(),
                                   path + "\n" + what +
                                       " by another program since the editor opened it.\n\nClick OK to write "
                                       "your version over it, or Cancel to keep the file as it is now.",
                                   "Metadata File Changed", MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) == IDOK;
}

// Holds the folders from the movie folder down to the entry's.
SystemError HoldFolderOf(HeldFolderChain& chain, const std::string& movieFolder, const std::string& entry)
{
    const SystemError code = chain.OpenChosen(movieFolder);
    return code != 0 ? code : chain.Reach(RelativeFolderOf(entry));
}

}  // namespace

void RemoveSaveLeftovers(ActivityLog& log, const HeldFolder& folder)
{
    WorkFolder(folder).RemoveLeftovers(log);
    // A ".meta" that is a link is not entered.
    HeldFolder meta;
    if (meta.OpenIn(folder, kMetaFolderName) == 0)
        WorkFolder(meta).RemoveLeftovers(log);
}

void RemoveSaveLeftovers(ActivityLog& log, const std::string& folder)
{
    HeldFolder held;
    if (!folder.empty() && held.OpenChosen(folder) == 0)
        RemoveSaveLeftovers(log, held);
}

std::string EditedFileOf(const std::string& moviePath, bool metaFolder)
{
    const std::string meta = MetaFolderPathOf(moviePath);
    return metaFolder || ClassifyPath(meta) == PathKind::File ? meta : MetadataPathOf(moviePath);
}

bool EditMetadataFile(ActivityLog& log, const std::string& movieFolder, const std::string& entry,
                      const std::string& templateText, bool metaFolder, const JournalLimits& undo)
{
    const std::string moviePath = AddTrailingSeparator(movieFolder) + entry;
    const std::string path = EditedFileOf(moviePath, metaFolder);
    const bool inMeta = path != MetadataPathOf(moviePath);
    // What an earlier save that was cut short left goes when the editor
    // opens, not only at the next save.
    HeldFolderChain opened;
    if (HoldFolderOf(opened, movieFolder, entry) == 0)
        RemoveSaveLeftovers(log, opened.Last());
    FileOnDisk read;
    std::string text;
    if (!TextToEdit(log, path, read, text))
        return false;
    // An empty file gives pyTivo nothing: it starts as a new one does, as
    // Generate would write it.
    MetadataDocument document(SplitTextLines(text).empty() ? EncodeText(WithCrLf(templateText)) : text);
    const auto save = [&](const std::string& composed) {
        if (!MayWrite(log, moviePath, path, read))
            return false;
        // The save is a run of its own that can be undone.
        RunJournal journal;
        std::string reason;
        if (!journal.Begin(RunHeader{"Editor", ParentFolderOf(moviePath), std::string(), 0}, undo, reason)) {
            log.AddLogEntry(kNotSaved, LogSeverity::Error, "%s\nThe file was not saved.", reason.c_str());
            return false;
        }
        RunJournalScope journalInForce(&journal);
        // Within the folders held from the movie folder down: a folder on
        // the way, or a ".meta", that is a link gets nothing.
        HeldFolderChain chain;
        HeldFolder meta;
        SystemError code = HoldFolderOf(chain, movieFolder, entry);
        if (code == 0 && inMeta) {
            const bool there = chain.Last().InspectEntry(kMetaFolderName).exists;
            code = meta.OpenOrMakeIn(chain.Last(), kMetaFolderName);
            if (code == 0 && !there)
                journal.MadeFolder(ParentFolderOf(path));
        }
        const HeldFolder& folder = inMeta ? meta : chain.Last();
        const std::string name = FileNameOf(path, true);
        // What saves that were cut short left in the folder goes first, as
        // a Generate there would remove it.
        std::unique_ptr<WorkFolder> work;
        if (code == 0) {
            work = std::make_unique<WorkFolder>(chain.Last());
            work->RemoveLeftovers(log);
        }
        // A file that appears meanwhile is not written over.
        if (code != 0 ||
            !WriteFileAtomically(folder, name, composed, &code, work.get(),
                                 folder.InspectEntry(name).exists ? ExistingFile::Replace : ExistingFile::Keep)) {
            log.AddLogEntry(kNotSaved, LogSeverity::Error, "Could not write metadata file: %s\n%s", path.c_str(),
                            journal.Broken() ? journal.Reason().c_str() : WriteErrorText(path, code).c_str());
            return false;
        }
        log.AddLogEntry("", LogSeverity::Information, "Metadata file saved: %s", path.c_str());
        return true;
    };
    // The caption says which file it is: in ".meta" the one pyTivo reads last.
    const std::string name =
        inMeta ? std::string(kMetaFolderName) + kSeparator + FileNameOf(path, true) : FileNameOf(path, true);
    CMetadataEditorDlg dialog(document, name, inMeta ? "pyTivo reads it last" : "", save);
    return dialog.DoModal() == IDOK;
}

void CReelmarkDlg::OnEditMetadata()
{
    // The button is enabled with exactly one movie selected; its name is
    // taken here, once.
    const std::vector<std::string> selected = movieList_.SelectedEntries();
    if (selected.size() != 1)
        return;
    const std::string& name = selected.front();
    FileCommand run(*this, "Saving metadata file");
    if (run.Refused() || name.empty())
        return;
    // A new file starts as Generate would write it: names read when the
    // setting says so, and beside other files that describe the movie only
    // what they lack (unless the setting wants the whole template).
    GenerateRequest request;
    request.folder = MovieFolder();
    request.entries = {name};
    template_.DescribeRun(request);
    request.replaceExisting = true;
    std::string refusal;
    const std::vector<PlannedWrite> planned = PlanGenerate(request, refusal);
    const std::string text = planned.size() == 1
                                 ? planned.front().text
                                 : PlanLibrary(request.folder, request.entries, request.metadata).movies.front().text;
    if (EditMetadataFile(log_, MovieFolder(), name, text, CurrentSettings().MetaFolder == "true",
                         UndoJournalLimits(CurrentSettings())))
        OnResetTree();
}
