// The metadata template panel of the main window: fields, combo boxes, the
// star picture, the preview, and the enabled states that follow them.
#include <windows.h>

#include <ctime>

#include "ui/main/ReelmarkDlg.h"
#include "core/SeriesId.h"
#include "ui/main/OutsidePrograms.h"
#include "core/TextFile.h"
#include "resource.h"

namespace {

constexpr const char* kPreviewPlaceholder = "<<< Your Movie File Name Here >>>";

// Rich edit boxes hand out paragraph breaks as CR or CR LF; the settings
// and the metadata files keep line feeds.
std::string WithLineFeeds(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

void CReelmarkDlg::SetDescriptionText(const std::string& text)
{
    description_.SetWindowText(WithCrLf(text));
}

void CReelmarkDlg::SyncFromControls()
{
    Settings& s = CurrentSettings();
    s.SeriesDesc = WithLineFeeds(description_.GetWindowText());
    s.SeriesTitle = seriesTitle_.GetWindowText();
    s.SeriesID = seriesId_.GetWindowText();
    s.IsEpisode = isEpisode_.GetCheck() == BST_CHECKED ? "true" : "false";
    s.OverwriteMetadata = replaceExisting_.GetCheck() == BST_CHECKED ? "true" : "false";

    mpaaRating_.EnableWindow(movieMode_);
    tvRating_.EnableWindow(!movieMode_);
    // Commands that change files wait while one of them runs.
    const bool running = runningCommand_ != nullptr;
    const bool hasEntries = movieList_.GetCount() > 0;
    generate_.EnableWindow(hasEntries && !running);
    selectAll_.EnableWindow(hasEntries);
    const bool hasSelection = movieList_.GetSelCount() > 0;
    editMeta_.EnableWindow(movieList_.GetSelCount() == 1 && !running);
    clearSelect_.EnableWindow(hasSelection);
    deleteSelected_.EnableWindow(hasSelection && !running);
    toolBar_.EnableButton(ID_LAUNCH_PYTIVO, IsPyTivoAvailable(s.PythonLoc));
}

MetadataTemplate CReelmarkDlg::CurrentTemplate() const
{
    const Settings& s = settings_.Values();
    MetadataTemplate t;
    t.seriesTitle = s.SeriesTitle;
    t.seriesId = s.SeriesID;
    t.description = s.SeriesDesc;
    t.isEpisode = s.IsEpisode;
    t.movieMode = movieMode_;
    t.starRating = starRating_.GetCurSel();
    t.mpaaRating = mpaaRating_.GetCurSel();
    t.tvRating = tvRating_.GetCurSel();
    return t;
}

void CReelmarkDlg::ComposeMetadata(const std::string& moviePath, const std::string& titleOverride)
{
    SyncFromControls();
    metadataText_ = ::ComposeMetadata(CurrentTemplate(), moviePath, titleOverride);
}

void CReelmarkDlg::RefreshPreview()
{
    ComposeMetadata(kPreviewPlaceholder, "");
    preview_.SetWindowText(WithCrLf(metadataText_));
}

void CReelmarkDlg::SeriesTitleFromFolder()
{
    const std::string folder = MovieFolder();
    const size_t slash = folder.rfind('\\');
    const std::string title = slash == std::string::npos ? std::string() : folder.substr(slash + 1);
    CurrentSettings().SeriesTitle = title;
    seriesTitle_.SetWindowText(title);
    RefreshPreview();
    SelectFolderNode(title);
}

void CReelmarkDlg::OnNewId()
{
    seriesId_.SetWindowText(MakeSeriesId(seriesType_.GetLBText(seriesType_.GetCurSel()), std::time(nullptr)));
    RefreshPreview();
}

void CReelmarkDlg::SetStarPicture(int stars)
{
    const UINT id = stars >= 2 && stars <= 4 ? IDB_STARS_1 + stars - 1 : IDB_STARS_1;
    CBitmap picture;
    if (!picture.LoadImage(id, 114, 18))
        return;
    starPicture_.SetBitmap(picture);
    // The button does not own its picture: keep it alive while it is shown.
    starBitmap_.Attach(picture.Detach());
}

void CReelmarkDlg::OnSeriesTypeChange()
{
    const std::string text = seriesType_.GetLBText(seriesType_.GetCurSel());
    CurrentSettings().SeriesType = text;
    movieMode_ = text.find("MV") != std::string::npos;
    isEpisode_.SetCheck(movieMode_ ? BST_UNCHECKED : BST_CHECKED);
    OnNewId();
}

void CReelmarkDlg::OnStarRatingChange()
{
    CurrentSettings().StarRating = starRating_.GetLBText(starRating_.GetCurSel());
    OnNewId();
    SetStarPicture(starRating_.GetCurSel() + 1);
}

void CReelmarkDlg::OnMpaaRatingChange()
{
    CurrentSettings().MpaaRating = mpaaRating_.GetLBText(mpaaRating_.GetCurSel());
    OnNewId();
}

void CReelmarkDlg::OnTvRatingChange()
{
    CurrentSettings().TvRating = tvRating_.GetLBText(tvRating_.GetCurSel());
    OnNewId();
}

void CReelmarkDlg::OnStarPictureClick()
{
    // Where the button was released: its left quarter means one star, the
    // right quarter four.
    const DWORD pos = GetMessagePos();
    const int x = static_cast<short>(LOWORD(pos));
    const RECT button = starPicture_.GetWindowRect();
    const int quarter = (button.right - button.left) / 4;
    int stars = 4;
    if (x < button.left + quarter)
        stars = 1;
    else if (x < button.left + 2 * quarter)
        stars = 2;
    else if (x < button.left + 3 * quarter)
        stars = 3;
    starRating_.SetCurSel(stars - 1);
    OnStarRatingChange();
}

void CReelmarkDlg::OnIsEpisodeClick()
{
    const bool ticked = isEpisode_.GetCheck() == BST_CHECKED;
    CurrentSettings().IsEpisode = ticked ? "true" : "false";
    movieMode_ = !ticked;
    RefreshPreview();
}

void CReelmarkDlg::OnReplaceExistingClick()
{
    SyncFromControls();
}
