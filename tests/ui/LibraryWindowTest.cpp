// The Library window opened from the running main window: a cell edited in
// place, one value set for fifty rows, episodes numbered, an action undone,
// the files written with the edits; a file another program changed
// meanwhile, closing with edits not written, filter, sort, columns kept in
// reelmark.ini, rows copied, and Delete through Delete Selected's path.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "core/files/RunHistory.h"
#include "core/settings/Settings.h"
#include "platform/Text.h"
#include "resource.h"
#include "support/MainWindowHarness.h"
#include "ui/library/LibraryDialogs.h"
#include "ui/library/LibraryDlg.h"

namespace {

class LibraryWindow : public ::testing::Test {
protected:
    LibraryWindow()
    {
        for (int i = 1; i <= 50; ++i)
            w.movies.WriteFile(FormatText("Library\\Cartoons\\Clip %02d.mkv", i));
        w.movies.WriteFile("Library\\Films\\Heat (1995).mkv");
        w.movies.WriteFile("Library\\Shows\\Doctor.Who.S01E01.Rose.mkv");
    }
    void TearDown() override { CDialog::ModalObserver() = nullptr; }

    void Start(const std::string& moreSettings = std::string())
    {
        w.WriteIni(" [Config]\r\n ParseNames=true\r\n [Settings]\r\n TargetDir=" + (w.movies / "Library") +
                   "\r\n SeriesTitle=Library\r\n Recursive=true\r\n" + moreSettings);
        w.Start();
    }

    // Opens the Library window and runs the steps in it; the window is
    // closed after them (as Escape does) when they left it open. Set for Selected
    // and Number Episodes answer with the steps given for them.
    void InLibrary(const std::function<void(CLibraryDlg&)>& steps)
    {
        bool opened = false;
        CDialog::ModalObserver() = [&](CDialog& dialog) {
            if (auto* library = dynamic_cast<CLibraryDlg*>(&dialog)) {
                opened = true;
                // What the window does while it waits for the user: the
                // plan taken in, the movies' own files read.
                library->ReadOwnFilesNow();
                steps(*library);
                if (!library->Closed())
                    Command(*library, IDCANCEL);
            } else if (auto* set = dynamic_cast<CSetForSelectedDlg*>(&dialog)) {
                setSteps(*set);
            } else if (auto* number = dynamic_cast<CNumberEpisodesDlg*>(&dialog)) {
                numberSteps(*number);
            }
        };
        w.Click(ID_LIBRARY);
        CDialog::ModalObserver() = nullptr;
        ASSERT_TRUE(opened);
    }

    static void Command(CLibraryDlg& library, int id) { library.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0)); }
    // The display position of the row whose entry ends with the text.
    static int Position(CLibraryDlg& library, const std::string& ending)
    {
        const std::vector<RowId>& shown = library.Grid().Shown();
        for (size_t at = 0; at < shown.size(); ++at) {
            const std::string& entry = library.Grid().Entry(shown[at]);
            if (entry.size() >= ending.size() && entry.compare(entry.size() - ending.size(), ending.size(), ending) == 0)
                return static_cast<int>(at);
        }
        ADD_FAILURE() << "no row " << ending;
        return -1;
    }
    static RowId Row(CLibraryDlg& library, const std::string& ending)
    {
        return library.Grid().Shown()[static_cast<size_t>(Position(library, ending))];
    }
    static void Select(CLibraryDlg& library, const std::vector<int>& positions)
    {
        library.View().SetItemState(-1, 0, LVIS_SELECTED);
        for (int position : positions)
            library.View().SetItemState(position, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    // Types into the open cell editor and presses Enter.
    static void TypeAndEnter(CLibraryDlg& library, const std::string& text)
    {
        ASSERT_TRUE(library.Editor().IsOpen());
        library.Editor().SetWindowText(text);
        library.Editor().SendMessage(WM_KEYDOWN, VK_RETURN);
    }
    static std::vector<int> ClipPositions(CLibraryDlg& library)
    {
        std::vector<int> positions;
        for (int i = 1; i <= 50; ++i)
            positions.push_back(Position(library, FormatText("Clip %02d.mkv", i)));
        return positions;
    }
    std::string FileOf(const std::string& entry) const { return ReadFileBytes(w.movies / ("Library\\" + entry + ".txt")); }
    static bool Holds(const std::string& text, const std::string& line) { return text.find(line + "\r\n") != std::string::npos; }

    std::function<void(CSetForSelectedDlg&)> setSteps = [](CSetForSelectedDlg& set) { set.EndDialog(IDCANCEL); };
    std::function<void(CNumberEpisodesDlg&)> numberSteps = [](CNumberEpisodesDlg& n) { n.EndDialog(IDCANCEL); };
    MainWindowHarness w;
};

// Chooses the field of that name in Set for Selected, types the value and presses Set.
std::function<void(CSetForSelectedDlg&)> SetField(const char* field, const char* value)
{
    return [field, value](CSetForSelectedDlg& set) {
        HWND fields = set.GetDlgItem(IDC_LIBRARY_SET_FIELD);
        ::SendMessageW(fields, CB_SETCURSEL, ::SendMessageW(fields, CB_FINDSTRINGEXACT, -1,
                                                           reinterpret_cast<LPARAM>(Widen(field).c_str())), 0);
        set.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LIBRARY_SET_FIELD, CBN_SELCHANGE), reinterpret_cast<LPARAM>(fields));
        set.SetDlgItemText(IDC_LIBRARY_SET_TEXT, value);
        set.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    };
}

}  // namespace

TEST_F(LibraryWindow, EditsACellSetsFiftyRowsNumbersUndoesAndWritesThemAll)
{
    Start();
    InLibrary([&](CLibraryDlg& library) {
        LibraryGrid& grid = library.Grid();
        ASSERT_EQ(52u, grid.Shown().size());
        // F2 on the current cell of the focused row.
        const int heat = Position(library, "Heat (1995).mkv");
        Select(library, {heat});
        library.View().SetCurrentColumn(GridColumn::Show);
        library.View().PostMessage(WM_KEYDOWN, VK_F2);
        CDialog::PumpWaitingMessages();
        TypeAndEnter(library, "Heat (Director's Cut)");
        EXPECT_EQ("Heat (Director's Cut)", grid.CellText(Row(library, "Heat (1995).mkv"), GridColumn::Show));
        EXPECT_TRUE(grid.IsEdited(Row(library, "Heat (1995).mkv"), GridColumn::Show));

        // One show for the fifty clips.
        Select(library, ClipPositions(library));
        setSteps = SetField("Show", "Looney Tunes");
        Command(library, ID_LIBRARY_SET);
        for (int i = 1; i <= 50; ++i)
            EXPECT_EQ("Looney Tunes", grid.CellText(Row(library, FormatText("Clip %02d.mkv", i)), GridColumn::Show));

        // Three numbered in the order shown, and taken back.
        Select(library, {Position(library, "Clip 03.mkv"), Position(library, "Clip 04.mkv"),
                         Position(library, "Clip 05.mkv")});
        numberSteps = [](CNumberEpisodesDlg& number) {
            number.SetDlgItemText(IDC_LIBRARY_NUMBER_START, "5");
            number.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        };
        Command(library, ID_LIBRARY_NUMBER);
        EXPECT_EQ("episode", grid.CellText(Row(library, "Clip 03.mkv"), GridColumn::Kind));
        EXPECT_EQ("7", grid.CellText(Row(library, "Clip 05.mkv"), GridColumn::Episode));
        Command(library, ID_LIBRARY_UNDO);
        EXPECT_EQ("movie", grid.CellText(Row(library, "Clip 03.mkv"), GridColumn::Kind));
        EXPECT_EQ("", grid.CellText(Row(library, "Clip 05.mkv"), GridColumn::Episode));
        EXPECT_EQ("Looney Tunes", grid.CellText(Row(library, "Clip 05.mkv"), GridColumn::Show)) << "one action back";

        // All fifty numbered from 1, then everything written.
        Select(library, ClipPositions(library));
        numberSteps = [](CNumberEpisodesDlg& number) { number.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)); };
        Command(library, ID_LIBRARY_NUMBER);
        Command(library, ID_LIBRARY_WRITE_ALL);
        EXPECT_TRUE(grid.Edits().Empty());
        EXPECT_FALSE(grid.IsEdited(Row(library, "Heat (1995).mkv"), GridColumn::Show));
        EXPECT_EQ("own file", grid.CellText(Row(library, "Clip 01.mkv"), GridColumn::State));
        EXPECT_EQ("Looney Tunes", grid.CellText(Row(library, "Clip 01.mkv"), GridColumn::Show)) << "from the file now";
    });
    EXPECT_EQ("Create Meta Files Success", w.prompt.messages.back().caption);
    EXPECT_EQ("52 Metadata Files Created - 0 skipped!", w.prompt.messages.back().text);
    const std::string clip = FileOf("Cartoons\\Clip 07.mkv");
    EXPECT_TRUE(Holds(clip, "title : Looney Tunes")) << clip;
    EXPECT_TRUE(Holds(clip, "seriesTitle : Looney Tunes"));
    EXPECT_TRUE(Holds(clip, "episodeNumber : 7"));
    EXPECT_TRUE(Holds(clip, "isEpisode : true"));
    EXPECT_EQ(FileOf("Cartoons\\Clip 01.mkv").substr(clip.find("seriesId")).substr(0, 19),
              clip.substr(clip.find("seriesId")).substr(0, 19))
        << "one show, one series ID";
    EXPECT_TRUE(Holds(FileOf("Films\\Heat (1995).mkv"), "title : Heat (Director's Cut)"));
    EXPECT_TRUE(Holds(FileOf("Shows\\Doctor.Who.S01E01.Rose.mkv"), "episodeTitle : Rose"));
}

TEST_F(LibraryWindow, AnOwnFileChangedMeanwhileIsWrittenOnlyWhenTheUserSaysSo)
{
    w.movies.WriteFile("Library\\Films\\Heat (1995).mkv.txt", "title : Heat\r\nmovieYear : 1995\r\nmyKey : mine\r\n");
    Start();
    InLibrary([&](CLibraryDlg& library) {
        const int heat = Position(library, "Heat (1995).mkv");
        EXPECT_EQ("1995", library.Grid().CellText(Row(library, "Heat (1995).mkv"), GridColumn::Date));
        ASSERT_TRUE(library.EditCell(heat, GridColumn::Date));
        TypeAndEnter(library, "1996");
        w.movies.WriteFile("Library\\Films\\Heat (1995).mkv.txt",
                           "title : Heat\r\nmovieYear : 1995\r\nmyKey : theirs\r\n");
        Select(library, {heat});
        w.prompt.answers = {IDCANCEL};
        Command(library, ID_LIBRARY_WRITE_SELECTED);
        ASSERT_FALSE(w.prompt.messages.empty());
        EXPECT_EQ("Metadata File Changed", w.prompt.messages.back().caption);
        EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2), w.prompt.messages.back().type);
        EXPECT_EQ(library.m_hWnd, w.prompt.messages.back().owner) << "the box is the Library window's";
        EXPECT_EQ("title : Heat\r\nmovieYear : 1995\r\nmyKey : theirs\r\n", FileOf("Films\\Heat (1995).mkv"));
        EXPECT_TRUE(library.Grid().HasEdits(Row(library, "Heat (1995).mkv"))) << "the edit waits";

        w.prompt.answers = {IDOK};
        Command(library, ID_LIBRARY_WRITE_SELECTED);
        EXPECT_FALSE(library.Grid().HasEdits(Row(library, "Heat (1995).mkv")));
    });
    EXPECT_EQ("title : Heat\r\nmovieYear : 1996\r\nmyKey : theirs\r\n", FileOf("Films\\Heat (1995).mkv"))
        << "the edit goes into the file as it is now";
    // The saves of movies' own files are a run that can be undone, as the
    // editor's save is.
    const std::vector<RunRecord> runs = ListRuns(RunsFolder());
    EXPECT_TRUE(std::any_of(runs.begin(), runs.end(), [](const RunRecord& run) {
        return run.header.what == "Library" && !run.steps.empty();
    })) << runs.size() << " runs";
}

TEST_F(LibraryWindow, ClosingWithEditsNotWrittenAsksFirst)
{
    Start();
    InLibrary([&](CLibraryDlg& library) {
        ASSERT_TRUE(library.EditCell(Position(library, "Clip 02.mkv"), GridColumn::EpisodeTitle));
        TypeAndEnter(library, "The Chase");
        w.prompt.answers = {IDCANCEL};
        Command(library, IDCANCEL);
        EXPECT_EQ("Edits Not Written", w.prompt.messages.back().caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), w.prompt.messages.back().type);
        EXPECT_FALSE(library.Closed()) << "Cancel stays";
        w.prompt.answers = {IDYES};
        Command(library, IDCANCEL);
    });
    EXPECT_TRUE(Holds(FileOf("Cartoons\\Clip 02.mkv"), "episodeTitle : The Chase")) << "Yes writes the edited rows";
    EXPECT_FALSE(PathExists(w.movies / "Library\\Cartoons\\Clip 03.mkv.txt")) << "and only them";

    InLibrary([&](CLibraryDlg& library) {
        ASSERT_TRUE(library.EditCell(Position(library, "Clip 03.mkv"), GridColumn::EpisodeTitle));
        TypeAndEnter(library, "Dropped");
        w.prompt.answers = {IDNO};
        Command(library, IDCANCEL);
    });
    EXPECT_FALSE(PathExists(w.movies / "Library\\Cartoons\\Clip 03.mkv.txt"));
}

TEST_F(LibraryWindow, AValueTheFieldCannotTakeIsRefusedAndTheEditorKeepsIt)
{
    Start();
    InLibrary([&](CLibraryDlg& library) {
        const int clip = Position(library, "Clip 09.mkv");
        ASSERT_TRUE(library.EditCell(clip, GridColumn::Season));
        TypeAndEnter(library, "100");
        EXPECT_EQ("Value Not Set", w.prompt.messages.back().caption);
        EXPECT_EQ("The season is a number from 0 to 99, or nothing.", w.prompt.messages.back().text);
        ASSERT_TRUE(library.Editor().IsOpen());
        EXPECT_EQ("100", library.Editor().GetWindowText());
        TypeAndEnter(library, "99");
        EXPECT_EQ("99", library.Grid().CellText(Row(library, "Clip 09.mkv"), GridColumn::Season));
        EXPECT_FALSE(library.EditCell(clip, GridColumn::Name)) << "a file's name is not set here";
        library.Grid().Undo();
    });
}

TEST_F(LibraryWindow, FiltersSortsAndKeepsItsColumnsAndPlace)
{
    Start();
    InLibrary([&](CLibraryDlg& library) {
        library.SetDlgItemText(IDC_LIBRARY_FILTER, "clip 1");
        EXPECT_EQ(10u, library.Grid().Shown().size()) << "Clip 10 to Clip 19";
        EXPECT_EQ(10, library.View().GetItemCount());
        library.SetDlgItemText(IDC_LIBRARY_FILTER, "");
        NMLISTVIEW click = {};
        click.hdr = {library.View().m_hWnd, IDC_LIBRARY_GRID, static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iSubItem = 1;  // Name
        library.SendMessage(WM_NOTIFY, IDC_LIBRARY_GRID, reinterpret_cast<LPARAM>(&click));
        library.SendMessage(WM_NOTIFY, IDC_LIBRARY_GRID, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ("Heat (1995).mkv", library.Grid().CellText(library.Grid().Shown().front(), GridColumn::Name))
            << "the second click sorts down";
        Command(library, ID_LIBRARY_COLUMN + static_cast<int>(GridColumn::Folder));
        EXPECT_FALSE(library.View().IsShown(GridColumn::Folder));
    });
    const std::string columns = w.Dialog().CurrentSettings().LibraryColumns;
    EXPECT_EQ(0, ColumnWidthsOf(columns)[static_cast<int>(GridColumn::Folder)]) << columns;
    EXPECT_LT(0, ColumnWidthsOf(columns)[static_cast<int>(GridColumn::Name)]);
    EXPECT_FALSE(w.Dialog().CurrentSettings().LibraryPlacement.empty());
    InLibrary([&](CLibraryDlg& library) { EXPECT_FALSE(library.View().IsShown(GridColumn::Folder)); });
    w.Close();
    EXPECT_NE(std::string::npos, w.IniText().find("[Library]")) << w.IniText();
}

TEST_F(LibraryWindow, CopiesRowsAsTabSeparatedTextAndDeletesThroughDeleteSelected)
{
    Start();
    InLibrary([&](CLibraryDlg& library) {
        const std::string text = library.RowsText({Row(library, "Heat (1995).mkv")});
        EXPECT_EQ(0u, text.find("State\tName\tFolder\tKind\tShow\tSeason\tEpisode\t")) << text;
        EXPECT_NE(std::string::npos, text.find("\r\nnone\tHeat (1995).mkv\tFilms\tmovie\tHeat\t\t\t\t1995\t")) << text;

        Select(library, {Position(library, "Clip 50.mkv")});
        Command(library, ID_LIBRARY_DELETE);
        EXPECT_EQ(51u, library.Grid().RowCount());
    });
    EXPECT_FALSE(PathExists(w.movies / "Library\\Cartoons\\Clip 50.mkv"));
    // Delete Selected's own question: to the Recycle Bin, as the settings say.
    EXPECT_EQ("Movie File Delete Warning!", w.prompt.messages.back().caption);
    EXPECT_NE(std::string::npos, w.prompt.messages.back().text.find("to the Recycle Bin?"))
        << w.prompt.messages.back().text;
}

TEST_F(LibraryWindow, TheMainWindowsKeysOpenTheLibraryAndPickAFolder)
{
    Start();
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    bool opened = false;
    CDialog::ModalObserver() = [&](CDialog& dialog) {
        if (auto* library = dynamic_cast<CLibraryDlg*>(&dialog)) {
            opened = true;
            Command(*library, IDCANCEL);
        }
    };
    ::PostMessageW(w.Item(IDC_MOVIE_LIST), WM_KEYDOWN, 'L', 0);
    CDialog::PumpWaitingMessages();
    ::PostMessageW(w.Item(IDC_MOVIE_LIST), WM_KEYDOWN, 'S', 0);
    CDialog::PumpWaitingMessages();
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(opened) << "Ctrl+L";
    EXPECT_EQ(1u, w.prompt.folderQuestions.size()) << "Ctrl+S, as the File menu says";
}
