#pragma once
// The metadata editor: one movie's metadata file field by field (the
// ratings with the main window's rating items), the lines it does not know
// shown and kept. Save checks the fields and hands the text to the caller's
// save step; when that fails the dialog stays open, so nothing typed is lost.
#include <functional>
#include <string>

#include "core/files/RunManifest.h"
#include "core/metadata/MetadataDocument.h"
#include "ui/framework/Dialog.h"

class ActivityLog;
class HeldFolder;

class CMetadataEditorDlg : public CDialog {
public:
    // The caption names the file and adds the note in brackets (none when
    // empty). save: writes the composed bytes; false keeps the dialog open.
    // The dialog is owned by the window in use.
    CMetadataEditorDlg(MetadataDocument& document, std::string fileName, std::string note,
                       std::function<bool(const std::string& bytes)> save);

protected:
    BOOL OnInitDialog() override;
    // Save.
    void OnOK() override;

private:
    // The user's texts into the document.
    void ReadControls();

    MetadataDocument& document_;
    std::string fileName_;
    std::string note_;
    std::function<bool(const std::string&)> save_;
};

// Edits the movie's metadata file (EditedFileOf) modally, its name and
// where it lies in the caption; a missing or empty file starts as the
// template text. A read-only, unreadable or
// unwritable file is reported through the log with a box, and nothing is
// written; a saved file is logged. Each save is a run with a journal
// within the limits (RunJournal.h), so that it can be undone; one whose
// journal cannot be written saves nothing. True when the file was saved.
// The movie is the entry (a path below the movie folder); the file is
// written within the folders held from the movie folder down, never
// through a link (platform/HeldFolder.h).
bool EditMetadataFile(ActivityLog& log, const std::string& movieFolder, const std::string& entry,
                      const std::string& templateText, bool metaFolder = false,
                      const JournalLimits& undo = JournalLimits());

// Removes what editor saves that were cut short left in the movie folder
// and its ".meta" folder, as far as it is proven the program's own
// (WorkFolder::RemoveLeftovers); each removal is logged.
// A ".meta" that is a link is not entered.
void RemoveSaveLeftovers(ActivityLog& log, const HeldFolder& folder);
// The same for the folder the user chose, by its path.
void RemoveSaveLeftovers(ActivityLog& log, const std::string& folder);

// The movie's metadata file that the editor edits: the one whose values
// the TiVo shows, its folder's ".meta" file when there is one (pyTivo reads
// it last) or the settings write there, else the one beside the movie.
std::string EditedFileOf(const std::string& moviePath, bool metaFolder);
