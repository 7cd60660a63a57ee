#include "ui/main/TemplatePanel.h"

#include <windows.h>

#include <ctime>

#include "core/files/TextFile.h"
#include "core/folders/FolderWalk.h"
#include "core/library/SeriesTitle.h"
#include "core/metadata/SeriesId.h"
#include "core/runs/GenerateRun.h"
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

void SelectComboByText(CComboBox& combo, const std::string& text)
{
    combo.SetCurSel(FindComboItem(combo.Items(), text));
}

}  // namespace

TemplatePanel::TemplatePanel(Settings& settings, TemplatePanelHost host)
    : settings_(settings), host_(std::move(host))
{
}

void TemplatePanel::BindControls(CDataExchange& dx)
{
    dx.Control(IDC_SERIES_TITLE, seriesTitle_);
    dx.Control(IDC_SERIES_ID, seriesId_);
    dx.Control(IDC_PREVIEW, preview_);
    dx.Control(IDC_DESCRIPTION, description_);
    dx.Control(IDC_SERIES_TYPE, seriesType_);
    dx.Control(IDC_MPAA_RATING, mpaaRating_);
    dx.Control(IDC_TV_RATING, tvRating_);
    dx.Control(IDC_STAR_RATING, starRating_);
    dx.Control(IDC_IS_EPISODE, isEpisode_);
    dx.Control(IDC_STAR_PICTURE, starPicture_);
    dx.Control(IDC_REPLACE_EXISTING, replaceExisting_);
    dx.Control(IDC_GENRE, genre_);
    dx.Control(IDC_AIR_DATE, airDate_);
}

void TemplatePanel::AddMessageRows(MessageMap& rows, TemplatePanel& (*panelOf)(CWnd&))
{
    const auto row = [&rows, panelOf](UINT code, UINT id, void (TemplatePanel::*handler)()) {
        rows.push_back({WM_COMMAND, code, id, [panelOf, handler](CWnd& window, WPARAM, LPARAM) -> LRESULT {
                            (panelOf(window).*handler)();
                            return 0;
                        }});
    };
    using P = TemplatePanel;
    row(0, IDC_NEW_ID, &P::OnNewId);
    row(0, IDC_IS_EPISODE, &P::OnIsEpisodeClick);
    row(0, IDC_STAR_PICTURE, &P::OnStarPictureClick);
    row(0, IDC_REPLACE_EXISTING, &P::OnReplaceExistingClick);
    row(CBN_SELCHANGE, IDC_SERIES_TYPE, &P::OnSeriesTypeChange);
    row(CBN_SELCHANGE, IDC_MPAA_RATING, &P::OnMpaaRatingChange);
    row(CBN_SELCHANGE, IDC_STAR_RATING, &P::OnStarRatingChange);
    row(CBN_SELCHANGE, IDC_TV_RATING, &P::OnTvRatingChange);
    row(EN_CHANGE, IDC_GENRE, &P::OnOptionalFieldChange);
    row(EN_CHANGE, IDC_AIR_DATE, &P::OnOptionalFieldChange);
}

void TemplatePanel::FillFromSettings()
{
    const Settings& s = settings_;
    seriesTitle_.SetWindowText(s.SeriesTitle);
    seriesId_.SetWindowText(s.SeriesID);
    description_.SetWindowText(WithCrLf(s.SeriesDesc));
    replaceExisting_.SetCheck(s.OverwriteMetadata == "true" ? BST_CHECKED : BST_UNCHECKED);
    isEpisode_.SetCheck(s.IsEpisode == "true" ? BST_CHECKED : BST_UNCHECKED);
    SelectComboByText(seriesType_, s.SeriesType);
    SelectComboByText(mpaaRating_, s.MpaaRating);
    SelectComboByText(tvRating_, s.TvRating);
    SelectComboByText(starRating_, s.StarRating);
    filling_ = true;
    genre_.SetWindowText(s.Genre);
    airDate_.SetWindowText(s.OriginalAirDate);
    filling_ = false;
}

void TemplatePanel::TakeLayoutFromSeriesType()
{
    movieMode_ = seriesType_.GetLBText(seriesType_.GetCurSel()).find("MV") != std::string::npos;
}

void TemplatePanel::WrapText()
{
    preview_.WrapAtWindowEdge();
    description_.WrapAtWindowEdge();
}

void TemplatePanel::SyncFromControls()
{
    Settings& s = settings_;
    s.SeriesDesc = WithLineFeeds(description_.GetWindowText());
    s.SeriesTitle = seriesTitle_.GetWindowText();
    s.SeriesID = seriesId_.GetWindowText();
    s.IsEpisode = isEpisode_.GetCheck() == BST_CHECKED ? "true" : "false";
    s.OverwriteMetadata = replaceExisting_.GetCheck() == BST_CHECKED ? "true" : "false";
    s.Genre = genre_.GetWindowText();
    s.OriginalAirDate = airDate_.GetWindowText();

    mpaaRating_.EnableWindow(movieMode_);
    tvRating_.EnableWindow(!movieMode_);
    airDate_.EnableWindow(!movieMode_);
    ::ShowWindow(::GetDlgItem(::GetParent(airDate_.m_hWnd), IDC_NAMES_NOTE), s.ParseNames == "true" ? SW_SHOW : SW_HIDE);
    host_.refreshCommandStates();
}

MetadataTemplate TemplatePanel::CurrentTemplate() const
{
    const Settings& s = settings_;
    MetadataTemplate t;
    t.seriesTitle = s.SeriesTitle;
    t.seriesId = s.SeriesID;
    t.description = s.SeriesDesc;
    t.isEpisode = s.IsEpisode;
    t.movieMode = movieMode_;
    t.starRating = starRating_.GetCurSel();
    t.mpaaRating = mpaaRating_.GetCurSel();
    t.tvRating = tvRating_.GetCurSel();
    t.genres = s.Genre;
    t.originalAirDate = s.OriginalAirDate;
    t.parseNames = s.ParseNames == "true";
    return t;
}

void TemplatePanel::DescribeRun(GenerateRequest& request)
{
    request.replaceExisting = replaceExisting_.GetCheck() == BST_CHECKED;
    request.isEpisodeTicked = isEpisode_.GetCheck() == BST_CHECKED;
    request.seriesTitleText = seriesTitle_.GetWindowText();
    // The template as the controls show it when the run starts, as the
    // preview shows it (typing on during the run changes nothing of it).
    SyncFromControls();
    request.metadata = CurrentTemplate();
    request.metaFolder = settings_.MetaFolder == "true";
    request.otherFiles =
        settings_.WholeTemplate == "true" ? OtherFiles::WholeTemplate : OtherFiles::AddWhatTheyLack;
}

void TemplatePanel::ComposeMetadata(const std::string& moviePath, const std::string& titleOverride)
{
    SyncFromControls();
    metadataText_ = ::ComposeMetadata(CurrentTemplate(), moviePath, titleOverride);
}

void TemplatePanel::RefreshPreview()
{
    ComposeMetadata(kPreviewPlaceholder, "");
    preview_.SetWindowText(WithCrLf(metadataText_));
}

void TemplatePanel::SeriesTitleFromFolder()
{
    const std::string folder = host_.movieFolder();
    const size_t slash = folder.rfind('\\');
    const std::string name = slash == std::string::npos ? std::string() : folder.substr(slash + 1);
    // A season folder ("Season 1") is no series: its show is the folder above.
    const std::string title = name.empty() ? name : SeriesTitleOfFolder(folder, std::string(), name);
    settings_.SeriesTitle = title;
    seriesTitle_.SetWindowText(title);
    RefreshPreview();
    host_.selectFolderNode(name);
}

void TemplatePanel::OnNewId()
{
    seriesId_.SetWindowText(MakeSeriesId(seriesType_.GetLBText(seriesType_.GetCurSel()), std::time(nullptr)));
    RefreshPreview();
}

void TemplatePanel::SetStarPicture(int stars)
{
    const UINT id = stars >= 2 && stars <= 4 ? IDB_STARS_1 + stars - 1 : IDB_STARS_1;
    CBitmap picture;
    if (!picture.LoadImage(id, 114, 18))
        return;
    starPicture_.SetBitmap(picture);
    // The button does not own its picture: keep it alive while it is shown.
    starBitmap_.Attach(picture.Detach());
}

void TemplatePanel::OnSeriesTypeChange()
{
    const std::string text = seriesType_.GetLBText(seriesType_.GetCurSel());
    settings_.SeriesType = text;
    movieMode_ = text.find("MV") != std::string::npos;
    isEpisode_.SetCheck(movieMode_ ? BST_UNCHECKED : BST_CHECKED);
    OnNewId();
}

void TemplatePanel::OnStarRatingChange()
{
    settings_.StarRating = starRating_.GetLBText(starRating_.GetCurSel());
    OnNewId();
    SetStarPicture(starRating_.GetCurSel() + 1);
}

void TemplatePanel::OnMpaaRatingChange()
{
    settings_.MpaaRating = mpaaRating_.GetLBText(mpaaRating_.GetCurSel());
    OnNewId();
}

void TemplatePanel::OnTvRatingChange()
{
    settings_.TvRating = tvRating_.GetLBText(tvRating_.GetCurSel());
    OnNewId();
}

void TemplatePanel::OnStarPictureClick()
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

void TemplatePanel::OnIsEpisodeClick()
{
    const bool ticked = isEpisode_.GetCheck() == BST_CHECKED;
    settings_.IsEpisode = ticked ? "true" : "false";
    movieMode_ = !ticked;
    RefreshPreview();
}

void TemplatePanel::OnOptionalFieldChange()
{
    if (!filling_)
        RefreshPreview();
}

void TemplatePanel::OnReplaceExistingClick()
{
    SyncFromControls();
}
