#pragma once
// "What the TiVo Shows": one movie as pyTivo sends it to the TiVo, each
// field with the file it came from, what pyTivo or the TiVo will get wrong
// about it, what the movie's own file says that the TiVo does not show, the
// files pyTivo could not read, and every file it read, in order.
#include <string>
#include <vector>

#include "core/pytivo/PyTivoView.h"
#include "core/pytivo/TiVoProblems.h"
#include "ui/framework/Dialog.h"

class ActivityLog;

class CTiVoViewDlg : public CDialog {
public:
    // rows: what the TiVo shows; problems: what pyTivo or the TiVo will get
    // wrong; notes: the text below them.
    CTiVoViewDlg(std::string moviePath, std::vector<TiVoRow> rows, std::string problems, std::string notes);

protected:
    BOOL OnInitDialog() override;

private:
    std::string moviePath_;
    std::vector<TiVoRow> rows_;
    std::string problems_;
    std::string notes_;
};

// The Problems part: each problem of the movie (core/pytivo/TiVoProblems.h)
// on a line, with the file it lies in.
std::string TiVoViewProblems(const std::string& moviePath, const std::vector<TiVoProblem>& problems);

// The notes below the rows: the own values a ".meta" file takes over, the
// files that could not be read, the files read.
std::string TiVoViewNotes(const std::string& moviePath, const PyTivoView& view,
                          const std::vector<OverriddenValue>& overridden);

// Reads what pyTivo makes of the movie (one reading of its folder and of its
// ".meta" folder) and shows it modally; a movie that is not there any more
// is reported through the log with a box.
void ShowWhatTheTiVoShows(ActivityLog& log, const std::string& moviePath);
