#include "ui/library/LibraryDialogs.h"

#include <windows.h>

#include "core/library/GridColumns.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/framework/Prompt.h"

namespace {

// The fields a value can be set for many movies at once, in the list's order.
const EditField kFields[] = {
    EditField::Show,        EditField::Season,     EditField::Genres,    EditField::StarRating,
    EditField::MpaaRating,  EditField::TvRating,   EditField::Actors,    EditField::Description,
    EditField::Kind,        EditField::EpisodeTitle, EditField::Date,
};

std::string Capitalized(const char* name)
{
    std::string text = name;
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

}  // namespace

CSetForSelectedDlg::CSetForSelectedDlg(size_t count, EditField field)
    : CDialog(IDD_LIBRARY_SET), field(field), count_(count)
{
}

const MessageMap& CSetForSelectedDlg::GetMessageMap() const
{
    static const MessageMap map = {
        OnControl(CBN_SELCHANGE, IDC_LIBRARY_SET_FIELD, &CSetForSelectedDlg::OnFieldChange),
    };
    return map;
}

BOOL CSetForSelectedDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_LIBRARY_SET_COUNT, FormatText("One value for the %d movies selected:", static_cast<int>(count_)));
    HWND fields = GetDlgItem(IDC_LIBRARY_SET_FIELD);
    int chosen = 0;
    for (size_t i = 0; i < std::size(kFields); ++i) {
        ::SendMessageW(fields, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(Capitalized(EditFieldName(kFields[i]))).c_str()));
        if (kFields[i] == field)
            chosen = static_cast<int>(i);
    }
    ::SendMessageW(fields, CB_SETCURSEL, chosen, 0);
    OnFieldChange();
    return TRUE;
}

EditField CSetForSelectedDlg::ChosenField() const
{
    const int at = static_cast<int>(::SendDlgItemMessageW(m_hWnd, IDC_LIBRARY_SET_FIELD, CB_GETCURSEL, 0, 0));
    return at >= 0 && static_cast<size_t>(at) < std::size(kFields) ? kFields[at] : EditField::Show;
}

void CSetForSelectedDlg::OnFieldChange()
{
    const std::vector<std::string> choices = FieldChoices(ChosenField());
    HWND choice = GetDlgItem(IDC_LIBRARY_SET_CHOICE);
    ::SendMessageW(choice, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : choices)
        ::SendMessageW(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item.empty() ? "(none)" : item).c_str()));
    ::SendMessageW(choice, CB_SETCURSEL, 0, 0);
    ::ShowWindow(choice, choices.empty() ? SW_HIDE : SW_SHOW);
    ::ShowWindow(GetDlgItem(IDC_LIBRARY_SET_TEXT), choices.empty() ? SW_SHOW : SW_HIDE);
}

void CSetForSelectedDlg::OnOK()
{
    field = ChosenField();
    const std::vector<std::string> choices = FieldChoices(field);
    if (choices.empty()) {
        text = GetDlgItemText(IDC_LIBRARY_SET_TEXT);
    } else {
        const int at = static_cast<int>(::SendDlgItemMessageW(m_hWnd, IDC_LIBRARY_SET_CHOICE, CB_GETCURSEL, 0, 0));
        text = at >= 0 && static_cast<size_t>(at) < choices.size() ? choices[static_cast<size_t>(at)] : std::string();
    }
    std::string value;
    std::string problem;
    if (!NormalizeEdit(field, text, value, problem)) {
        ThePrompt().ShowMessage(m_hWnd, problem, "Value Not Set", MB_OK | MB_ICONEXCLAMATION);
        ::SetFocus(GetDlgItem(choices.empty() ? IDC_LIBRARY_SET_TEXT : IDC_LIBRARY_SET_CHOICE));
        return;
    }
    EndDialog(IDOK);
}

CNumberEpisodesDlg::CNumberEpisodesDlg(size_t count) : CDialog(IDD_LIBRARY_NUMBER), count_(count) {}

BOOL CNumberEpisodesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_LIBRARY_NUMBER_COUNT,
                   FormatText("The %d movies selected become episodes numbered in the order the grid shows them.",
                              static_cast<int>(count_)));
    SetDlgItemText(IDC_LIBRARY_NUMBER_START, std::to_string(start));
    return TRUE;
}

void CNumberEpisodesDlg::OnOK()
{
    const std::string typed = TrimmedOf(GetDlgItemText(IDC_LIBRARY_NUMBER_START));
    if (typed.empty() || typed.size() > 5 || !IsAllDigits(typed)) {
        ThePrompt().ShowMessage(m_hWnd, FormatText("The first episode is a number from 0 to %d.", kMaxEditEpisode),
                                "Episodes Not Numbered", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    start = std::stoi(typed);
    EndDialog(IDOK);
}
