#pragma once
// The "Setup Configure" dialog: where the pyTivo script lies. The path may
// be typed or picked with a file-open picker; OK stores it as typed, with
// no check (an empty or wrong path just leaves "Launch PyTivo" disabled).
#include <string>

#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"

class SettingsDlg : public CDialog {
public:
    explicit SettingsDlg(CWnd* parent = nullptr);

    // Shown when the dialog opens; read back from the field on OK.
    std::string pyTivoLocation;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    const MessageMap& GetMessageMap() const override;

    void OnBrowsePyTivo();

private:
    CEdit pyTivoEdit_;
};

// The Options command: runs the dialog modally, without a parent, on the
// current location; on OK stores the edited location and answers true, on
// Cancel leaves it untouched and answers false.
bool EditPyTivoLocation(std::string& pythonLoc);
