// Runs the program as a user starts it, selects the first movie of the list
// and presses Edit Selected Meta Text, for a screenshot of the metadata
// editor, or with "tivo" on its command line opens What the TiVo Shows. It
// runs until it is ended.
#include <windows.h>

#include <cstring>

#include "resource.h"
#include "ui/main/ReelmarkApp.h"
#include "ui/main/ReelmarkDlg.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const UINT command = commandLine && std::strstr(commandLine, "tivo") ? ID_TIVO_VIEW : IDC_EDIT_META;
    CDialog::ModalObserver() = [command](CDialog& dialog) {
        if (auto* main = dynamic_cast<CReelmarkDlg*>(&dialog)) {
            HWND list = main->GetDlgItem(IDC_MOVIE_LIST);
            ::SendMessageW(list, LB_SETSEL, TRUE, 0);
            main->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MOVIE_LIST, LBN_SELCHANGE),
                              reinterpret_cast<LPARAM>(list));
            main->PostMessage(WM_COMMAND, command);
        }
    };
    CReelmarkApp app;
    return app.Run();
}
