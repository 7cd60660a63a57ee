#pragma once
// The "Setup Configure" dialog: where the pyTivo script lies, whether
// titles come from file names, where Generate writes and what it does where
// other files describe a movie, whether Delete Selected deletes for good,
// and how much of what runs change is kept for an undo. The path may be
// typed or picked with a
// file-open picker; OK stores it as typed, with no check (an empty or wrong
// path just leaves "Launch PyTivo" disabled).
#include <string>

#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"

class SettingsDlg : public CDialog {
public:
    explicit SettingsDlg(CWnd* parent = nullptr);

    // Shown when the dialog opens; read back from the field on OK.
    std::string pyTivoLocation;
    // The "Read titles, years and episode numbers from file names" box.
    int parseNames = BST_UNCHECKED;
    // The "Look up titles and descriptions (TMDB)" box, and the TMDB key.
    int lookup = BST_UNCHECKED;
    std::string tmdbKey;
    // The "Write metadata files into the folder's .meta folder" box.
    int metaFolder = BST_UNCHECKED;
    // Where other files describe a movie: "Write the whole template over
    // them" chosen (else "Add only what they lack").
    int wholeTemplate = BST_UNCHECKED;
    // The "Delete Selected deletes for good" box.
    int deleteForGood = BST_UNCHECKED;
    // How long and how much of what runs change is kept for an undo.
    std::string undoDays;
    std::string undoMegabytes;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    const MessageMap& GetMessageMap() const override;

    void OnBrowsePyTivo();

private:
    CEdit pyTivoEdit_;
};

struct Settings;

// The Options command: runs the dialog modally, without a parent, on the
// current settings; on OK stores the edited location, ParseNames, Lookup,
// TmdbKey, MetaFolder, WholeTemplate, DeleteForGood and the undo numbers (a
// number out of its range keeps the old one) and answers true, on Cancel
// leaves them untouched and answers false.
bool EditSetup(Settings& settings);
