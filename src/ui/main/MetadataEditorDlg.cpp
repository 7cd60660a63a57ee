#include "ui/main/MetadataEditorDlg.h"

#include <windows.h>

#include "core/ActivityLog.h"
#include "core/MetadataWriter.h"
#include "core/TextFile.h"
#include "platform/Paths.h"
#include "platform/SystemError.h"
#include "platform/Text.h"
#include "resource.h"
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

CMetadataEditorDlg::CMetadataEditorDlg(MetadataDocument& document, std::string fileName,
                                       std::function<bool(const std::string&)> save)
    : CDialog(IDD_METADATA_EDITOR),
      document_(document),
      fileName_(std::move(fileName)),
      save_(std::move(save))
{
}

BOOL CMetadataEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Edit Metadata - " + fileName_);
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

bool EditMetadataFile(ActivityLog& log, const std::string& moviePath, const std::string& templateText)
{
    const std::string path = MetadataPathOf(moviePath);
    const char* const notOpened = "Metadata File Not Opened";
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    unsigned long error = exists ? 0 : GetLastError();
    std::vector<std::string> lines;
    if (!exists && error != ERROR_FILE_NOT_FOUND) {
        log.AddLogEntry(notOpened, LogSeverity::Error, "Could not read metadata file: %s\n%s", path.c_str(),
                        SystemErrorText(error).c_str());
        return false;
    }
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        log.AddLogEntry(notOpened, LogSeverity::Error, "Not a file: %s", path.c_str());
        return false;
    }
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
        log.AddLogEntry(notOpened, LogSeverity::Warning,
                        "The metadata file is read-only: %s\nClear its read-only attribute to edit it.",
                        path.c_str());
        return false;
    }
    if (exists && !ReadTextLines(path, lines, &error)) {
        log.AddLogEntry(notOpened, LogSeverity::Error, "Could not read metadata file: %s\n%s", path.c_str(),
                        SystemErrorText(error).c_str());
        return false;
    }
    // An empty file gives pyTivo nothing: it starts as a new one does.
    MetadataDocument document =
        lines.empty() ? MetadataDocument::FromText(templateText) : MetadataDocument(std::move(lines));
    const auto save = [&](const std::string& text) {
        // A file that appears meanwhile is not written over.
        unsigned long code = 0;
        if (!WriteMetadataFile(moviePath, text, &code, nullptr,
                               exists ? ExistingFile::Replace : ExistingFile::Keep)) {
            log.AddLogEntry("Metadata File Not Saved", LogSeverity::Error,
                            "Could not write metadata file: %s\n%s", path.c_str(),
                            SystemErrorText(code).c_str());
            return false;
        }
        log.AddLogEntry("", LogSeverity::Information, "Metadata file saved: %s", path.c_str());
        return true;
    };
    CMetadataEditorDlg dialog(document, FileNameOf(path, true), save);
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
    const std::string moviePath = AddTrailingSeparator(MovieFolder()) + name;
    // A new file starts as Generate would write it.
    SyncFromControls();
    if (EditMetadataFile(log_, moviePath,
                         ::ComposeMetadata(template_.CurrentTemplate(), moviePath, std::string())))
        OnResetTree();
}
