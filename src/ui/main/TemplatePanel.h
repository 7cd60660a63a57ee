#pragma once
// The metadata template panel of the main window: fields, combo boxes, the
// star picture, the preview, and the enabled states that follow them. The
// panel keeps its controls and the template state (the layout, the last
// composed text); what it needs of the window around it comes through
// TemplatePanelHost.
#include <functional>
#include <string>

#include "core/metadata/MetadataFormat.h"
#include "core/settings/Settings.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/Gdi.h"

struct GenerateRequest;

// What the panel asks of the window it sits in.
struct TemplatePanelHost {
    // The folder shown in the Movie Folder field.
    std::function<std::string()> movieFolder;
    // Marks the folder tree's node of that name.
    std::function<void(const std::string& folderName)> selectFolderNode;
    // The window's own buttons follow its movie list and a running command.
    std::function<void()> refreshCommandStates;
};

class TemplatePanel {
public:
    // settings: the record the fields are copied into; it outlives the panel.
    TemplatePanel(Settings& settings, TemplatePanelHost host);

    // Binds the panel's controls of the window (its data exchange).
    void BindControls(CDataExchange& dx);
    // Adds the rows of the panel's controls to the window's message map;
    // panelOf finds the panel of the window that got the message.
    static void AddMessageRows(MessageMap& rows, TemplatePanel& (*panelOf)(CWnd&));

    // The controls show the settings (the combo boxes select by text).
    void FillFromSettings();
    // The layout follows the selected Series Type.
    void TakeLayoutFromSeriesType();
    // Both rich edits wrap their lines at the window edge.
    void WrapText();

    // Copies the fields into the settings and sets the enabled states.
    void SyncFromControls();
    void RefreshPreview();
    // The Series Title becomes the movie folder's own name.
    void SeriesTitleFromFolder();
    // The template parts of a Generate run, as the controls show them now.
    void DescribeRun(GenerateRequest& request);

    // The template as the fields show it (after SyncFromControls).
    MetadataTemplate CurrentTemplate() const;
    bool MovieMode() const { return movieMode_; }
    const std::string& MetadataText() const { return metadataText_; }

    // Handlers of the panel's controls.
    void OnNewId();
    void OnSeriesTypeChange();
    void OnStarRatingChange();
    void OnMpaaRatingChange();
    void OnTvRatingChange();
    void OnIsEpisodeClick();
    void OnReplaceExistingClick();
    void OnStarPictureClick();
    void OnOptionalFieldChange();

private:
    void ComposeMetadata(const std::string& moviePath, const std::string& titleOverride);
    void SetStarPicture(int stars);

    Settings& settings_;
    TemplatePanelHost host_;
    CEdit seriesTitle_;
    CEdit seriesId_;
    CRichEditCtrl preview_;
    CRichEditCtrl description_;
    CComboBox seriesType_;
    CComboBox mpaaRating_;
    CComboBox tvRating_;
    CComboBox starRating_;
    CButton isEpisode_;
    CButton starPicture_;
    CBitmap starBitmap_;
    CButton replaceExisting_;
    CEdit genre_;
    CEdit airDate_;
    std::string metadataText_;
    bool movieMode_ = true;
    // The fields are being filled from the settings: their changes must not
    // copy the half-filled fields back.
    bool filling_ = false;
};
