#pragma once
// The movie list panel of the main window: the movie files of the current
// folder, yellow when they already have a metadata file, light blue when
// only other files pyTivo reads hold their metadata, with their count. With
// the sub-folder tick each shows its name with its folder below it, with
// names read what its file will say, and where other files describe a
// movie what its file would add to them ("adds 3 values").
#include <string>
#include <vector>

#include "core/folders/FolderIndex.h"
#include "core/library/PlannedKeys.h"
#include "core/metadata/MetadataFormat.h"
#include "ui/controls/ColorListBox.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Gdi.h"

class ActivityLog;
class CDataExchange;
class OtherSourceViews;

struct LibraryPlan;

// What the list needs from the window it sits in.
class MovieListHost {
public:
    // The folder shown in the Movie Folder field.
    virtual std::string MovieFolder() const = 0;
    // The list was filled anew with that many entries.
    virtual void MovieListFilled(int count) = 0;
    // The template Generate would use now (with whether names are read).
    virtual MetadataTemplate CurrentTemplate() const = 0;
    // Whether Generate writes into the folders' ".meta", and what it does
    // where other files describe a movie.
    virtual bool WritesIntoMeta() const = 0;
    virtual OtherFiles OtherFilesChoice() const = 0;
    // With names read and the lookup ticked: lays the values TMDB's cache
    // gives the plan's files over them (LayCachedValuesOver), asking TMDB
    // nothing; else leaves the plan as it is.
    virtual void LayCachedLookupOver(LibraryPlan& plan, const MetadataTemplate& metadata) = 0;

protected:
    ~MovieListHost() = default;
};

class MovieListPanel {
public:
    MovieListPanel(MovieListHost& host, ActivityLog& log) : host_(host), log_(log) {}

    void DoDataExchange(CDataExchange& dx);
    // The list's font, its filter text and an empty list (once, when the
    // window is made).
    void Init();
    // Fills the list with the movie files of the movie folder, and with the
    // sub-folder tick also those of every folder below it, each as its path
    // from the movie folder. A long walk shows its progress and can be
    // cancelled: the list then shows the movie folder alone, tick cleared.
    void Fill();
    bool Recursive() const { return recursive_.GetCheck() == BST_CHECKED; }
    void SetRecursive(bool on) { recursive_.SetCheck(on ? BST_CHECKED : BST_UNCHECKED); }

    int GetCount() const { return list_.GetCount(); }
    int GetSelCount() const { return list_.GetSelCount(); }
    // The entries' texts, all of them or the selected ones, in list order.
    std::vector<std::string> Entries() const;
    std::vector<std::string> SelectedEntries() const;
    // Whether any movie of the last fill had metadata in other files pyTivo
    // reads (a ".meta" file among them): only then can one win over a file
    // Generate writes beside it.
    bool AnyOtherSources() const { return anyOtherSources_; }
    // Selects every entry, or none.
    void SelectAll(bool select) { list_.SetSel(-1, select ? TRUE : FALSE); }

private:
    // The movies of the folder and below, walked with a progress window
    // once the walk takes a while; false when the walk was stopped.
    bool ListBelow(const std::string& folder, std::vector<MovieListing>& movies, OtherSourceViews& views);
    // Puts the movies into the list, each with its look and its plan.
    void Show(const std::string& folder, const std::vector<MovieListing>& movies, const OtherSourceViews& views);

    MovieListHost& host_;
    ActivityLog& log_;
    CEdit fileFilters_;
    CButton recursive_;
    CColorListBox list_;
    CEdit fileCount_;
    CFont font_;
    bool anyOtherSources_ = false;
    bool walking_ = false;
    bool refillWanted_ = false;  // a fill came while the walk let messages through
};
