#include "ui/main/MetadataEditorDlg.h"

#include <windows.h>


#include "core/copy/SizeTexts.h"
#include "core/files/TextFile.h"
#include "core/files/RunJournal.h"
#include "core/files/WorkFolder.h"
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
#include "ui/controls/MetadataSave.h"
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
// The file's text for the editor; false when it is not to be edited (said
// to the user through the log).
bool TextToEdit(ActivityLog& log, const std::string& path, FileSnapshot& state, std::string& text)
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
    if (info.exists && CanReadFile(path, &size) && size > kEditableMetadataBytes) {
        log.AddLogEntry(kNotOpened, LogSeverity::Warning,
                        "The file is too big for a metadata file: %s (%s bytes)\nThe editor opens files of up to "
                        "%s bytes; it is left as it is.",
                        path.c_str(), FormatThousands(static_cast<int64_t>(size)).c_str(),
                        FormatThousands(static_cast<int64_t>(kEditableMetadataBytes)).c_str());
        return false;
    }
    if (!ReadSnapshot(path, state, &text, error)) {
        log.AddLogEntry(kNotOpened, LogSeverity::Error, "Could not read metadata file: %s\n%s", path.c_str(),
                        SystemErrorText(error).c_str());
        return false;
    }
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
    if (HoldMovieFolder(opened, movieFolder, entry) == 0)
        RemoveSaveLeftovers(log, opened.Last());
    FileSnapshot read;
    std::string text;
    if (!TextToEdit(log, path, read, text))
        return false;
    // An empty file gives pyTivo nothing: it starts as a new one does, as
    // Generate would write it.
    MetadataDocument document(SplitTextLines(text).empty() ? EncodeText(WithCrLf(templateText)) : text);
    const auto save = [&](const std::string& composed) {
        if (!MaySaveOver(log, moviePath, path, read, "the editor opened it", "write your version over it"))
            return false;
        // The save is a run of its own that can be undone.
        const JournaledRun run(RunHeader{"Editor", ParentFolderOf(moviePath), std::string(), 0}, undo);
        if (!run.Refusal().empty()) {
            log.AddLogEntry("Metadata File Not Saved", LogSeverity::Error, "%s\nThe file was not saved.",
                            run.Refusal().c_str());
            return false;
        }
        return SaveMetadataBytes(log, movieFolder, entry, path, composed, inMeta);
    };
    // The caption says which file it is: in ".meta" the one pyTivo reads last.
    const std::string name =
        inMeta ? std::string(kMetaFolderName) + kSeparator + FileNameOf(path, true) : FileNameOf(path, true);
    CMetadataEditorDlg dialog(document, name, inMeta ? "pyTivo reads it last" : "", save);
    return dialog.DoModal() == IDOK;
}

void CReelmarkDlg::OnEditMetadata()
{
    if (movieList_.Filling())
        return;
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
