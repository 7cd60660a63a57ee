/* Starts the real Reelmark.exe in the current directory (or a shortcut to
   it, as the Start menu does: in the shortcut's working folder), waits for
   its main window and for the start-up splash to go, then closes the window
   the way its close box does (WM_CLOSE) and waits for the program to end.
   Usage: reelmark-probe PROGRAM|SHORTCUT.lnk [--command ID | --pick-pytivo PATH]
                         [READY_FILE RELEASE_FILE]
   With --command it first posts that command to the window, as a menu or
   toolbar click does (57664 opens the about box). With --pick-pytivo it opens
   Tools > Options, presses "...", picks PATH in the real file picker and
   confirms both dialogs. With the two files it
   creates READY_FILE once the window is up and waits for RELEASE_FILE to
   appear before it closes the window (for screenshots).
   Exit code 0 when every step happened in time. */
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct Search {
    DWORD process;
    const char* className;
    const char* titlePrefix;
    HWND found;
};

static BOOL CALLBACK MatchWindow(HWND wnd, LPARAM lp)
{
    struct Search* search = (struct Search*)lp;
    DWORD process = 0;
    char name[64] = "";
    char title[256] = "";
    GetWindowThreadProcessId(wnd, &process);
    if (process != search->process || !IsWindowVisible(wnd))
        return TRUE;
    GetClassNameA(wnd, name, sizeof(name));
    GetWindowTextA(wnd, title, sizeof(title));
    if (strcmp(name, search->className) != 0 ||
        strncmp(title, search->titlePrefix, strlen(search->titlePrefix)) != 0)
        return TRUE;
    search->found = wnd;
    return FALSE;
}

/* A visible top-level window of the process with that class and title start. */
static HWND FindProcessWindow(DWORD process, const char* className, const char* titlePrefix)
{
    struct Search search = {process, className, titlePrefix, NULL};
    EnumWindows(MatchWindow, (LPARAM)&search);
    return search.found;
}

/* The program and working folder a shortcut names, as Explorer reads them
   when it starts a shortcut of the Start menu. */
static BOOL ReadShortcut(const char* shortcut, char* program, char* folder)
{
    WCHAR wide[MAX_PATH];
    IShellLinkA* link = NULL;
    IPersistFile* file = NULL;
    BOOL read = FALSE;
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    MultiByteToWideChar(CP_ACP, 0, shortcut, -1, wide, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(&CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, &IID_IShellLinkA,
                                   (void**)&link))) {
        if (SUCCEEDED(link->lpVtbl->QueryInterface(link, &IID_IPersistFile, (void**)&file))) {
            read = SUCCEEDED(file->lpVtbl->Load(file, wide, STGM_READ)) &&
                   SUCCEEDED(link->lpVtbl->GetPath(link, program, MAX_PATH, NULL, 0)) &&
                   SUCCEEDED(link->lpVtbl->GetWorkingDirectory(link, folder, MAX_PATH));
            file->lpVtbl->Release(file);
        }
        link->lpVtbl->Release(link);
    }
    return read;
}

/* The started program's process, or NULL. */
static HANDLE Start(const char* program)
{
    char target[MAX_PATH] = "";
    char folder[MAX_PATH] = "";
    size_t length = strlen(program);
    if (length > 4 && _stricmp(program + length - 4, ".lnk") == 0) {
        if (!ReadShortcut(program, target, folder))
            return NULL;
        printf("shortcut: %s in %s\n", target, folder);
        program = target;
    }
    char command[MAX_PATH + 2];
    snprintf(command, sizeof(command), "\"%s\"", program);
    STARTUPINFOA startup = {sizeof(startup)};
    PROCESS_INFORMATION started;
    if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, folder[0] ? folder : NULL, &startup,
                        &started))
        return NULL;
    CloseHandle(started.hThread);
    return started.hProcess;
}

/* Waits up to 10 s for a visible window of the process. */
static HWND WaitForWindow(DWORD process, const char* className, const char* title)
{
    for (int waited = 0; waited < 10000; waited += 50) {
        HWND found = FindProcessWindow(process, className, title);
        if (found)
            return found;
        Sleep(50);
    }
    return NULL;
}

static void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

/* Options, "...", the file picker with the path typed in, Open, then OK. */
static const char* PickPyTivo(DWORD process, HWND main, const char* path)
{
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(32779, 0), 0);
    HWND settings = WaitForWindow(process, "#32770", "Setup Configure");
    if (!settings)
        return "no Setup Configure dialog";
    Click(settings, 1022);
    HWND picker = WaitForWindow(process, "#32770", "Open");
    if (!picker)
        return "no file picker";
    /* The file name box: a combo box on newer dialogs, an edit on older. */
    HWND name = GetDlgItem(picker, 0x47c);
    if (!name)
        name = GetDlgItem(picker, 0x480);
    if (!name)
        return "no file name box in the picker";
    /* As a user does: into the script's folder first, then the script. */
    char folder[MAX_PATH];
    snprintf(folder, sizeof(folder), "%s", path);
    char* file = strrchr(folder, '\\');
    if (!file)
        return "no folder in the path to pick";
    *file++ = '\0';
    SendMessageA(name, WM_SETTEXT, 0, (LPARAM)folder);
    Click(picker, IDOK);
    Sleep(500);
    if (!IsWindow(picker))
        return "the file picker closed on a folder";
    SendMessageA(name, WM_SETTEXT, 0, (LPARAM)file);
    Click(picker, IDOK);
    for (int waited = 0; IsWindow(picker); waited += 50) {
        if (waited >= 10000)
            return "the file picker stayed open";
        Sleep(50);
    }
    char chosen[MAX_PATH] = "";
    GetDlgItemTextA(settings, 1023, chosen, sizeof(chosen));
    printf("picked: %s\n", chosen);
    Click(settings, IDOK);
    for (int waited = 0; IsWindow(settings); waited += 50) {
        if (waited >= 10000)
            return "the Setup Configure dialog stayed open";
        Sleep(50);
    }
    return NULL;
}

static int Fail(const char* what, HANDLE process)
{
    fprintf(stderr, "reelmark-probe: %s\n", what);
    if (process)
        TerminateProcess(process, 99);
    return 1;
}

int main(int argc, char** argv)
{
    unsigned commandId = 0;
    const char* pickPath = NULL;
    if (argc >= 4 && strcmp(argv[2], "--command") == 0)
        commandId = (unsigned)atoi(argv[3]);
    else if (argc >= 4 && strcmp(argv[2], "--pick-pytivo") == 0)
        pickPath = argv[3];
    if (commandId != 0 || pickPath) {
        argv[3] = argv[1];
        argv += 2;
        argc -= 2;
    }
    if (argc != 2 && argc != 4) {
        fprintf(stderr,
                "usage: reelmark-probe PROGRAM|SHORTCUT.lnk [--command ID | --pick-pytivo PATH] "
                "[READY_FILE RELEASE_FILE]\n");
        return 2;
    }
    HANDLE process = Start(argv[1]);
    if (!process)
        return Fail("the program could not be started", NULL);
    DWORD id = GetProcessId(process);

    HWND main = NULL;
    BOOL splashSeen = FALSE;
    for (int waited = 0; waited < 15000 && !main; waited += 50) {
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0)
            return Fail("the program ended before its main window appeared", NULL);
        splashSeen = splashSeen || FindProcessWindow(id, "ReelmarkSplash", "") != NULL;
        main = FindProcessWindow(id, "#32770", "Reelmark [ver ");
    }
    if (!main)
        return Fail("no main window within 15 s", process);
    char title[256] = "";
    GetWindowTextA(main, title, sizeof(title));
    printf("main window: %s\n", title);

    /* The splash hides itself after about one and a half seconds. */
    int splashWait = 0;
    for (; splashWait < 5000; splashWait += 50) {
        if (FindProcessWindow(id, "ReelmarkSplash", ""))
            splashSeen = TRUE;
        else if (splashSeen || splashWait >= 500)
            break;
        Sleep(50);
    }
    if (splashWait >= 5000)
        return Fail("the splash window stayed up for 5 s", process);
    printf("splash window: %s\n", splashSeen ? "shown and gone" : "not seen");
    fflush(stdout);

    if (commandId != 0)
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    if (pickPath) {
        const char* problem = PickPyTivo(id, main, pickPath);
        if (problem)
            return Fail(problem, process);
    }
    if (argc == 4) {
        HANDLE ready = CreateFileA(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
        for (int waited = 0; GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES; waited += 100) {
            if (waited >= 120000)
                return Fail("no release file within 120 s", process);
            Sleep(100);
        }
    }

    PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0)
        return Fail("the program did not end within 10 s of WM_CLOSE", process);
    DWORD exitCode = 0;
    GetExitCodeProcess(process, &exitCode);
    CloseHandle(process);
    printf("ended with exit code %lu\n", (unsigned long)exitCode);
    return 0;
}
