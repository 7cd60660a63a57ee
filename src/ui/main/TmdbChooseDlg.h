#pragma once
// "Choose on TMDB": the shows and movies a Generate's lookup left unmatched
// because several of TMDB's have their name, each with TMDB's candidates.
// The user picks the one each is; Keep Choices stores them in the
// settings' [Matches], where later runs and the watch take them without a
// search.
#include <string>
#include <vector>

#include "core/runs/GenerateLookup.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Dialog.h"

struct Settings;

class TmdbChooseDlg : public CDialog {
public:
    // titles: those with candidates to choose from.
    TmdbChooseDlg(std::vector<UnmatchedTitle> titles, CWnd* parent);

    // The candidate chosen for each title (an index into its candidates);
    // -1: none.
    const std::vector<int>& Chosen() const { return chosen_; }
    const std::vector<UnmatchedTitle>& Titles() const { return titles_; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override;

    void OnTitleChange();
    void OnCandidateChange();

private:
    std::string TitleLine(size_t title) const;

    std::vector<UnmatchedTitle> titles_;
    std::vector<int> chosen_;
    CListBox titleList_;
    CListBox candidateList_;
};

// The titles of a lookup that have candidates to choose from.
std::vector<UnmatchedTitle> TitlesToChoose(const std::vector<UnmatchedTitle>& unmatched);

// Runs the dialog over the owner on the titles; on Keep Choices stores each
// choice in the settings ([Matches]) and answers how many it stored.
int ChooseOnTmdb(const std::vector<UnmatchedTitle>& titles, Settings& settings, CWnd* owner);
