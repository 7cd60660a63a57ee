// Runs the program as a user starts it, with TMDB's stand-in of the tests
// (its sample catalogue) on 127.0.0.1, and presses Generate with the
// lookup ticked (the settings file of the start folder says so), for the
// screenshots of scripts/screenshot-lookup.sh. Boxes are answered as a user
// would (OK, and Yes to choosing among the candidates). Its command line
// picks the picture: "progress" (TMDB answers slowly: the run's window
// shows the lookup), "choose" (the Choose on TMDB dialog, its first
// candidate picked), "tivo" (no choosing; then What the TiVo Shows of
// the first movie, its values from TMDB named) or "tivo-before" (the same
// with the first movie's file deleted after the run: what the next
// Generate adds from TMDB's cache). It runs until it is ended.
#include <windows.h>

#include <cstring>
#include <string>

#include "resource.h"
#include "support/FakeTmdb.h"
#include "support/ScriptedPrompt.h"
#include "ui/main/ReelmarkApp.h"
#include "ui/main/ReelmarkDlg.h"
#include "ui/main/TmdbChooseDlg.h"

namespace {

HWND g_main = nullptr;
bool g_before = false;

// After the run: the first movie selected (its file deleted for the view
// before a Generate), What the TiVo Shows opened.
void CALLBACK OpenTiVoView(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    HWND list = ::GetDlgItem(g_main, IDC_MOVIE_LIST);
    if (g_before) {
        char folder[MAX_PATH] = {};
        char movie[MAX_PATH] = {};
        ::GetDlgItemTextA(g_main, 1003, folder, MAX_PATH);
        ::SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(movie));
        ::DeleteFileA((std::string(folder) + "\\" + movie + ".txt").c_str());
    }
    ::SendMessageW(list, LB_SETSEL, TRUE, 0);
    ::SendMessageW(g_main, WM_COMMAND, MAKEWPARAM(IDC_MOVIE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    ::PostMessageW(g_main, WM_COMMAND, ID_TIVO_VIEW, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const std::string mode = commandLine ? commandLine : "";
    FakeTmdb tmdb("bench-key");
    AddSampleCatalogue(tmdb);
    if (mode.find("progress") != std::string::npos)
        tmdb.DelayAnswers(3);
    ::SetEnvironmentVariableA("REELMARK_TMDB_URL", tmdb.BaseUrl().c_str());
    // A cache of this start folder's own (beside it, out of the movie
    // tree): the user's would answer for TMDB.
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    ::SetEnvironmentVariableA("LOCALAPPDATA", (std::string(folder) + "-cache").c_str());
    ScriptedPrompt prompt;
    const bool tivo = mode.find("tivo") != std::string::npos;
    g_before = mode.find("before") != std::string::npos;
    if (tivo)
        prompt.answers = {IDOK, IDNO};
    CDialog::ModalObserver() = [tivo](CDialog& dialog) {
        if (auto* main = dynamic_cast<CReelmarkDlg*>(&dialog)) {
            g_main = main->m_hWnd;
            main->PostMessage(WM_COMMAND, IDC_GENERATE);
            if (tivo)
                ::SetTimer(nullptr, 0, 4000, OpenTiVoView);
        } else if (dynamic_cast<TmdbChooseDlg*>(&dialog)) {
            ::SendDlgItemMessageW(dialog.m_hWnd, IDC_CHOOSE_CANDIDATES, LB_SETCURSEL, 0, 0);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHOOSE_CANDIDATES, LBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_CHOOSE_CANDIDATES)));
        }
    };
    CReelmarkApp app;
    return app.Run();
}
