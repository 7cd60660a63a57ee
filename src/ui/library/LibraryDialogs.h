#pragma once
// The Library window's two questions: one value for every selected movie
// ("Set for Selected"), and the first number of the episodes numbered in
// the order the grid shows them ("Number Episodes").
#include <string>

#include "core/library/PlanEdits.h"
#include "ui/framework/Dialog.h"

class CSetForSelectedDlg : public CDialog {
public:
    // count: the movies selected; field: the one offered first.
    CSetForSelectedDlg(size_t count, EditField field);

    EditField field;
    std::string text;  // as typed or chosen

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnFieldChange();
    // The field chosen in the list.
    EditField ChosenField() const;

    size_t count_;
};

class CNumberEpisodesDlg : public CDialog {
public:
    explicit CNumberEpisodesDlg(size_t count);

    int start = 1;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    size_t count_;
};
