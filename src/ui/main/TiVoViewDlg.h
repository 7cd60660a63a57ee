#pragma once
// "What the TiVo Shows": one movie as pyTivo sends it to the TiVo, each
// field with the file it came from, what pyTivo or the TiVo will get wrong
// about it, what the movie's own file says that the TiVo does not show, the
// files pyTivo could not read, and every file it read, in order. With the
// TMDB lookup ticked, what TMDB's cache gives the movie (nothing is asked):
// before its own file is written, what the next Generate adds from TMDB, in
// a part of its own; after, "(TMDB)" beside the own file of each value
// equal to TMDB's.
#include <string>
#include <vector>

#include "core/library/LayersInView.h"
#include "core/library/LibraryPlan.h"
#include "core/pytivo/PyTivoView.h"
#include "core/pytivo/TiVoProblems.h"
#include "ui/framework/Dialog.h"

class ActivityLog;

class CTiVoViewDlg : public CDialog {
public:
    // rows: what the TiVo shows; problems: what pyTivo or the TiVo will get
    // wrong; notes: the text below them.
    // adds: what the next Generate adds from Reelmark's own sources.
    CTiVoViewDlg(std::string moviePath, std::vector<TiVoRow> rows, std::string problems, std::string notes,
                 std::vector<LayerInView> adds = {});

protected:
    BOOL OnInitDialog() override;

private:
    std::string moviePath_;
    std::vector<TiVoRow> rows_;
    std::string problems_;
    std::string notes_;
    std::vector<LayerInView> adds_;
};

// The Problems part: each problem of the movie (core/pytivo/TiVoProblems.h)
// on a line, with the file it lies in.
std::string TiVoViewProblems(const std::string& moviePath, const std::vector<TiVoProblem>& problems);

// The notes below the rows: the own values a ".meta" file takes over, the
// files that could not be read, the files read.
std::string TiVoViewNotes(const std::string& moviePath, const PyTivoView& view,
                          const std::vector<OverriddenValue>& overridden);

// What Reelmark's own sources give the movie: its plan with their values
// laid over it (the TMDB cache's), and how Generate would write its file.
struct TiVoViewLayers {
    PlannedMovie movie;
    OwnFile own = OwnFile::Beside;
    OtherFiles mode = OtherFiles::AddWhatTheyLack;
};

// Reads what pyTivo makes of the movie (one reading of its folder and of its
// ".meta" folder) and shows it modally; a movie that is not there any more
// is reported through the log with a box. layers: nullptr, or what
// Reelmark's own sources give it.
void ShowWhatTheTiVoShows(ActivityLog& log, const std::string& moviePath, TiVoViewLayers* layers = nullptr);
