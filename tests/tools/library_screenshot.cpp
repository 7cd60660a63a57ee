// Runs the program as a user starts it and opens the Library window, for
// the screenshots of scripts/screenshot-library.sh: with "edit" on its
// command line a cell's editor is open over a row, with "set" the Set for
// Selected question is up over several selected rows; some rows carry
// edits not written yet. It runs until it is ended.
#include <windows.h>

#include <cstring>

#include "resource.h"
#include "ui/library/LibraryDialogs.h"
#include "ui/library/LibraryDlg.h"
#include "ui/main/ReelmarkApp.h"
#include "ui/main/ReelmarkDlg.h"

namespace {

// The rows whose name holds the text, in the order shown.
std::vector<int> PositionsOf(CLibraryDlg& library, const char* part)
{
    std::vector<int> positions;
    const std::vector<RowId>& shown = library.Grid().Shown();
    for (size_t at = 0; at < shown.size(); ++at) {
        if (library.Grid().Entry(shown[at]).find(part) != std::string::npos)
            positions.push_back(static_cast<int>(at));
    }
    return positions;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const bool edit = commandLine && std::strstr(commandLine, "edit");
    CDialog::ModalObserver() = [edit](CDialog& dialog) {
        if (auto* main = dynamic_cast<CReelmarkDlg*>(&dialog)) {
            main->PostMessage(WM_COMMAND, ID_LIBRARY);
        } else if (auto* library = dynamic_cast<CLibraryDlg*>(&dialog)) {
            LibraryGrid& grid = library->Grid();
            std::string problem;
            std::vector<RowId> downloads;
            for (int position : PositionsOf(*library, "Downloads"))
                downloads.push_back(grid.Shown()[static_cast<size_t>(position)]);
            grid.SetValue(downloads, EditField::Description, "Recorded off the air in 2012", problem);
            LibraryGridView& view = library->View();
            if (edit) {
                const std::vector<int> holiday = PositionsOf(*library, "holiday");
                if (!holiday.empty() && library->EditCell(holiday.front(), GridColumn::Show)) {
                    library->Editor().SetWindowText("Summer Holiday 20");
                    library->Editor().SendMessage(EM_SETSEL, 17, 17);
                }
            } else {
                for (int position : PositionsOf(*library, "Doctor"))
                    view.SetItemState(position, LVIS_SELECTED, LVIS_SELECTED);
                library->PostMessage(WM_COMMAND, ID_LIBRARY_SET);
            }
        } else if (auto* set = dynamic_cast<CSetForSelectedDlg*>(&dialog)) {
            ::SendDlgItemMessageW(*set, IDC_LIBRARY_SET_FIELD, CB_SETCURSEL, 2, 0);
            set->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LIBRARY_SET_FIELD, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(set->GetDlgItem(IDC_LIBRARY_SET_FIELD)));
            set->SetDlgItemText(IDC_LIBRARY_SET_TEXT, "Science Fiction");
        }
    };
    CReelmarkApp app;
    return app.Run();
}
