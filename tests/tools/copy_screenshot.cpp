// Runs the program as a user starts it, opens the copy dialog from the main
// window's Copy command and fills its list with the files named on the
// command line, as "Add Files To List..." would, for a screenshot of every
// row state. It runs until it is ended.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "resource.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"
#include "ui/main/ReelmarkApp.h"
#include "ui/main/ReelmarkDlg.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::vector<std::string> files(__argv + 1, __argv + __argc);
    CDialog::ModalObserver() = [&files](CDialog& dialog) {
        if (auto* main = dynamic_cast<CReelmarkDlg*>(&dialog)) {
            main->PostMessage(WM_COMMAND, ID_COPY_MOVIES);
        } else if (auto* copy = dynamic_cast<CCopyMoviesToFolderDlg*>(&dialog)) {
            const FolderIndex target(copy->GetDlgItemText(1023));  // the target folder field
            for (const std::string& file : files)
                copy->AddFileToCopyList(file, target);
            copy->SortByColumn(0);
            copy->RefreshCopyListState();
        }
    };
    CReelmarkApp app;
    return app.Run();
}
