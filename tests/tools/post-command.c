/* Sends a command to the running Reelmark's main window, as a menu or
   toolbar click would, for the screenshot scripts (xdotool cannot post
   window messages to a Wine window).
   Usage: post-command.exe COMMAND_ID | close
   Waits up to 30 s for the main window to show and, for a command, for
   the start-up splash to go; then posts WM_COMMAND with the id, or
   WM_CLOSE (which also takes an about box with it).
   Exit code 0 when posted, 1 when no main window showed, 2 on bad usage. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char kTitlePrefix[] = "Reelmark [ver ";

static HWND mainWindow;
static BOOL splashShown;

static BOOL CALLBACK Inspect(HWND wnd, LPARAM unused)
{
    char text[256] = "";
    char className[64] = "";
    (void)unused;
    if (!IsWindowVisible(wnd))
        return TRUE;
    GetClassNameA(wnd, className, sizeof(className));
    if (strcmp(className, "ReelmarkSplash") == 0) {
        splashShown = TRUE;
        return TRUE;
    }
    GetWindowTextA(wnd, text, sizeof(text));
    /* Only dialogs: a test window's title is never visible, a console's
       title may name the program. */
    if (strcmp(className, "#32770") == 0 && strncmp(text, kTitlePrefix, sizeof(kTitlePrefix) - 1) == 0)
        mainWindow = wnd;
    return TRUE;
}

int main(int argc, char** argv)
{
    int waited;
    BOOL closing;
    if (argc != 2) {
        fprintf(stderr, "usage: post-command.exe COMMAND_ID | close\n");
        return 2;
    }
    closing = strcmp(argv[1], "close") == 0;
    for (waited = 0; waited < 300; ++waited) {
        mainWindow = NULL;
        splashShown = FALSE;
        EnumWindows(Inspect, 0);
        if (mainWindow && (closing || !splashShown))
            break;
        Sleep(100);
    }
    if (!mainWindow || (!closing && splashShown)) {
        fprintf(stderr, "post-command: no Reelmark main window%s\n", mainWindow ? " without a splash" : "");
        return 1;
    }
    if (closing)
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    else
        PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(atoi(argv[1]), 0), 0);
    return 0;
}
