#include "ui/main/TiVoViewDlg.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "core/files/TextFile.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "resource.h"
#include "ui/controls/FitText.h"
#include "ui/main/ReelmarkDlg.h"

namespace {

// The room a list view cell leaves around its text, in pixels.
constexpr int kCellMargin = 14;

// A file as the dialog names it; the movie file itself stands for pyTivo's
// own values (the title from its name, the date from its time).
std::string SourceName(const std::string& source, const std::string& moviePath)
{
    return source == moviePath ? "(pyTivo, from the movie file)" : SourceNameFor(source, moviePath);
}

void AddColumn(HWND list, int index, const char* heading, int width)
{
    const std::wstring text = Widen(heading);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(text.c_str());
    column.cx = width;
    column.iSubItem = index;
    ::SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& text)
{
    const std::wstring wide = Widen(text);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(wide.c_str());
    ::SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, column == 0 ? 0 : row,
                   reinterpret_cast<LPARAM>(&item));
}

// Fills a list of the dialog with rows: the field, the value with its
// heading, and where it comes from.
void FillRows(HWND list, const char* shownHeading, const std::vector<TiVoRow>& rows, const std::string& moviePath)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    RECT client = {};
    ::GetClientRect(list, &client);
    const int width = client.right - client.left - ::GetSystemMetrics(SM_CXVSCROLL);
    AddColumn(list, 0, "Field", width * 16 / 100);
    AddColumn(list, 1, shownHeading, width * 46 / 100);
    AddColumn(list, 2, "From", width * 38 / 100);
    // A name too long for its column loses its middle, not its end: the
    // ends tell "Show - 1x02 - Title.nfo" from "Show - 1x02 - Title.mkv.txt".
    const int fromWidth = static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, 2, 0)) - kCellMargin;
    const auto fitsFrom = [list, fromWidth](const std::string& text) {
        const std::wstring wide = Widen(text);
        return ::SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide.c_str())) <= fromWidth;
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        SetCell(list, row, 0, rows[i].field);
        SetCell(list, row, 1, rows[i].shown);
        // Where Reelmark took the file's value from stays whole, however
        // long the file's name: "Show - 1x02.mkv.txt (TMDB)".
        const std::string origin = rows[i].origin.empty() ? std::string() : " (" + rows[i].origin + ")";
        SetCell(list, row, 2,
                ElideMiddleToFit(SourceName(rows[i].source, moviePath),
                                 [&](const std::string& text) { return fitsFrom(text + origin); }) +
                    origin);
    }
}

}  // namespace

CTiVoViewDlg::CTiVoViewDlg(std::string moviePath, std::vector<TiVoRow> rows, std::string problems,
                           std::string notes, std::vector<LayerInView> adds)
    : CDialog(IDD_TIVO_VIEW), moviePath_(std::move(moviePath)), rows_(std::move(rows)),
      problems_(std::move(problems)), notes_(std::move(notes)), adds_(std::move(adds))
{
}

BOOL CTiVoViewDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("What the TiVo Shows - " + FileNameOf(moviePath_, true));
    SetDlgItemText(IDC_TIVO_MOVIE, moviePath_);
    HWND list = ::GetDlgItem(m_hWnd, IDC_TIVO_FIELDS);
    // What the next Generate adds takes the lower part of the fields' room,
    // apart from what the TiVo shows now.
    std::vector<TiVoRow> adds;
    std::string origins;
    for (const LayerInView& layer : adds_) {
        adds.insert(adds.end(), layer.adds.begin(), layer.adds.end());
        if (!layer.adds.empty())
            origins += (origins.empty() ? "" : " and ") + layer.origin;
    }
    if (!adds.empty()) {
        HWND label = ::GetDlgItem(m_hWnd, IDC_TIVO_ADDS_LABEL);
        RECT fields = {};
        RECT below = {};
        ::GetWindowRect(list, &fields);
        ::GetWindowRect(label, &below);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&fields), 2);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&below), 2);
        ::MoveWindow(list, fields.left, fields.top, fields.right - fields.left,
                     below.top - fields.top - (below.bottom - below.top) / 2, TRUE);
        SetDlgItemText(IDC_TIVO_ADDS_LABEL, "Not shown yet: what the next Generate adds from " + origins +
                                                " (its cached values that the library's own files lack) :");
        ::ShowWindow(label, SW_SHOW);
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_TIVO_ADDS), SW_SHOW);
        FillRows(::GetDlgItem(m_hWnd, IDC_TIVO_ADDS), "The next Generate adds", adds, moviePath_);
    }
    FillRows(list, "The TiVo shows", rows_, moviePath_);
    SetDlgItemText(IDC_TIVO_PROBLEMS, WithCrLf(problems_));
    SetDlgItemText(IDC_TIVO_NOTES, WithCrLf(notes_));
    return TRUE;
}

std::string TiVoViewProblems(const std::string& moviePath, const std::vector<TiVoProblem>& problems)
{
    if (problems.empty())
        return "None: pyTivo sends the fields above as they are.\n";
    std::string text;
    for (const TiVoProblem& problem : problems) {
        text += "! ";
        if (problem.file != moviePath)
            text += SourceName(problem.file, moviePath) + ": ";
        text += problem.text + "\n";
    }
    return text;
}

std::string TiVoViewNotes(const std::string& moviePath, const PyTivoView& view,
                          const std::vector<OverriddenValue>& overridden)
{
    std::string notes;
    const std::string own = FileNameOf(moviePath, true) + ".txt";
    for (const OverriddenValue& value : overridden)
        notes += "Not shown: " + value.key + " \"" + value.ownValue + "\" of " + own + ". " +
                 SourceName(value.winner, moviePath) + " is read after it and sets it.\n";
    for (const PyTivoProblem& problem : view.problems)
        notes += "Not read: " + SourceName(problem.path, moviePath) + ": " + problem.why + "\n";
    if (view.filesRead.empty())
        notes += "No file holds metadata for this movie: the TiVo shows pyTivo's own title and date.\n";
    for (const std::string& file : view.filesRead)
        notes += "Read: " + file + "\n";
    for (const std::string& note : view.notes)
        notes += "Note: " + note + ".\n";
    return notes;
}

namespace {

// The paths the movie's own file has (beside it, in ".meta"), spelled as
// the folders' readings spell them.
std::vector<std::string> OwnFilesOf(const PyTivoFolder& sources, const std::string& movieName)
{
    std::vector<std::string> own;
    const std::string name = movieName + ".txt";
    if (const FolderEntry* beside = sources.Index().Find(name))
        own.push_back(AddTrailingSeparator(sources.Path()) + beside->name);
    if (const FolderEntry* inMeta = sources.Meta() ? sources.Meta()->Find(name) : nullptr)
        own.push_back(AddTrailingSeparator(AddTrailingSeparator(sources.Path()) + kMetaFolderName) + inMeta->name);
    return own;
}

}  // namespace

void ShowWhatTheTiVoShows(ActivityLog& log, const std::string& moviePath, TiVoViewLayers* layers)
{
    const std::string folder = ParentFolderOf(moviePath);
    const FolderIndex index(folder);
    const FolderEntry* movie = index.Find(FileNameOf(moviePath, true));
    if (!movie || movie->isFolder) {
        log.AddLogEntry("Movie Not Found", LogSeverity::Error, "The movie is not there any more: %s",
                        moviePath.c_str());
        return;
    }
    const PyTivoFolder sources(folder, index);
    PyTivoRunCache cache;
    const PyTivoView view = ReadPyTivoView(sources, *movie, cache);
    TiVoCheck check;
    check.AddMovie(sources, *movie, cache);
    std::vector<TiVoRow> rows = RowsOf(view);
    std::vector<LayerInView> adds;
    if (layers && !layers->movie.layers.empty()) {
        // Once Generate wrote the movie's file, its values equal to TMDB's
        // came from TMDB; before, TMDB's are what the next Generate adds,
        // decided as the movie list decides them.
        const std::vector<std::string> own = OwnFilesOf(sources, movie->name);
        if (std::any_of(own.begin(), own.end(), [&view](const std::string& file) {
                return std::find(view.filesRead.begin(), view.filesRead.end(), file) != view.filesRead.end();
            })) {
            NameOrigins(rows, own, LayersInView(layers->movie));
        } else {
            PyTivoView others;
            const bool anyOthers = HasOtherPyTivoSources(sources, movie->name, cache, layers->own);
            if (anyOthers)
                others = ReadOtherSources(sources, *movie, cache, layers->own);
            PlanAgainst(layers->movie, anyOthers ? &others : nullptr, layers->mode);
            adds = LayersInView(layers->movie);
        }
    }
    CTiVoViewDlg dialog(moviePath, std::move(rows), TiVoViewProblems(moviePath, check.Finish()),
                        TiVoViewNotes(moviePath, view, OverriddenOwnValues(sources, *movie, view)), std::move(adds));
    dialog.DoModal();
}

void CReelmarkDlg::OnTiVoView()
{
    // The one movie selected (a double click selects the one it hits),
    // taken by name once.
    const std::vector<std::string> selected = movieList_.SelectedEntries();
    if (selected.size() != 1)
        return;
    // The movie planned as the list plans it, with what TMDB's cache gives.
    const MetadataTemplate metadata = CurrentTemplate();
    LibraryPlan plan = PlanLibrary(MovieFolder(), selected, metadata);
    LayCachedLookupOver(plan, metadata);
    TiVoViewLayers layers{std::move(plan.movies.front()), WritesIntoMeta() ? OwnFile::InMeta : OwnFile::Beside,
                          OtherFilesChoice()};
    ShowWhatTheTiVoShows(log_, AddTrailingSeparator(MovieFolder()) + selected.front(), &layers);
}
