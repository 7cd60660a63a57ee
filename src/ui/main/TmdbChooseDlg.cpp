#include "ui/main/TmdbChooseDlg.h"

#include "core/lookup/TmdbMatch.h"
#include "core/lookup/TmdbSetup.h"
#include "core/settings/Settings.h"
#include "resource.h"

TmdbChooseDlg::TmdbChooseDlg(std::vector<UnmatchedTitle> titles, CWnd* parent)
    : CDialog(IDD_TMDB_CHOOSE, parent), titles_(std::move(titles)), chosen_(titles_.size(), -1)
{
}

void TmdbChooseDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_CHOOSE_TITLES, titleList_);
    dx.Control(IDC_CHOOSE_CANDIDATES, candidateList_);
}

const MessageMap& TmdbChooseDlg::GetMessageMap() const
{
    using D = TmdbChooseDlg;
    static const MessageMap map = {
        OnControl(LBN_SELCHANGE, IDC_CHOOSE_TITLES, &D::OnTitleChange),
        OnControl(LBN_SELCHANGE, IDC_CHOOSE_CANDIDATES, &D::OnCandidateChange),
    };
    return map;
}

std::string TmdbChooseDlg::TitleLine(size_t title) const
{
    const UnmatchedTitle& t = titles_[title];
    std::string line = t.name + (t.year ? " (" + std::to_string(t.year) + ")" : std::string()) + ", " +
                       std::to_string(t.files) + (t.files == 1 ? " file" : " files");
    if (chosen_[title] >= 0)
        line += "  ->  " + CandidateText(t.kind, t.candidates[static_cast<size_t>(chosen_[title])], 0);
    return line;
}

BOOL TmdbChooseDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (size_t i = 0; i < titles_.size(); ++i)
        titleList_.InsertString(-1, TitleLine(i));
    titleList_.SendMessage(LB_SETCURSEL, 0);
    OnTitleChange();
    return TRUE;
}

void TmdbChooseDlg::OnTitleChange()
{
    candidateList_.ResetContent();
    const int title = static_cast<int>(titleList_.SendMessage(LB_GETCURSEL));
    if (title < 0 || title >= static_cast<int>(titles_.size()))
        return;
    const UnmatchedTitle& t = titles_[static_cast<size_t>(title)];
    for (const TmdbCandidate& candidate : t.candidates)
        candidateList_.InsertString(-1, CandidateText(t.kind, candidate, 16));
    candidateList_.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(chosen_[static_cast<size_t>(title)]));
}

void TmdbChooseDlg::OnCandidateChange()
{
    const int title = static_cast<int>(titleList_.SendMessage(LB_GETCURSEL));
    const int candidate = static_cast<int>(candidateList_.SendMessage(LB_GETCURSEL));
    if (title < 0 || title >= static_cast<int>(titles_.size()) || candidate < 0 ||
        candidate >= static_cast<int>(titles_[static_cast<size_t>(title)].candidates.size()))
        return;
    chosen_[static_cast<size_t>(title)] = candidate;
    // The title's line says the choice; the list keeps its place.
    titleList_.SendMessage(LB_DELETESTRING, static_cast<WPARAM>(title));
    titleList_.InsertString(title, TitleLine(static_cast<size_t>(title)));
    titleList_.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(title));
}

std::vector<UnmatchedTitle> TitlesToChoose(const std::vector<UnmatchedTitle>& unmatched)
{
    std::vector<UnmatchedTitle> titles;
    for (const UnmatchedTitle& title : unmatched) {
        if (!title.candidates.empty())
            titles.push_back(title);
    }
    return titles;
}

int ChooseOnTmdb(const std::vector<UnmatchedTitle>& titles, Settings& settings, CWnd* owner)
{
    TmdbChooseDlg dialog(titles, owner);
    if (dialog.DoModal() != IDOK)
        return 0;
    int stored = 0;
    for (size_t i = 0; i < titles.size(); ++i) {
        const int chosen = dialog.Chosen()[i];
        if (chosen < 0)
            continue;
        const UnmatchedTitle& title = titles[i];
        RememberMatch(settings, title.kind, title.name, title.year, title.candidates[static_cast<size_t>(chosen)].id);
        ++stored;
    }
    return stored;
}
