/* hh.exe: Reelmark's help viewer. Opens the compiled help file named on its
 * command line ("hh.exe Reelmark.chm", relative to the current folder, quoted
 * or not) in the system's HTML help window and stays until that window is
 * closed. Reelmark writes it beside the help document at every start. */
#include <windows.h>

#include <htmlhelp.h>
#include <stdio.h>
#include <string.h>

typedef HWND(WINAPI* HtmlHelpFunction)(HWND, LPCSTR, UINT, DWORD_PTR);

static const char kCaption[] = "Reelmark Help";

static void ShowError(const char* format, const char* detail)
{
    char text[MAX_PATH + 512];
    snprintf(text, sizeof(text), format, detail);
    MessageBoxA(NULL, text, kCaption, MB_OK | MB_ICONERROR);
}

/* The argument part of the command line: the program name skipped, blanks
 * trimmed, one pair of surrounding double quotes removed. */
static void HelpFileArgument(char* out, size_t size)
{
    const char* p = GetCommandLineA();
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p)
            ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;

    size_t length = strlen(p);
    while (length > 0 && (p[length - 1] == ' ' || p[length - 1] == '\t'))
        --length;
    if (length >= 2 && p[0] == '"' && p[length - 1] == '"') {
        ++p;
        length -= 2;
    }
    if (length >= size)
        length = size - 1;
    memcpy(out, p, length);
    out[length] = '\0';
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;

    char argument[MAX_PATH * 2];
    HelpFileArgument(argument, sizeof(argument));
    if (argument[0] == '\0') {
        MessageBoxA(NULL, "No help file was named.\n\nUsage: hh.exe HELPFILE.chm", kCaption,
                    MB_OK | MB_ICONERROR);
        return 2;
    }

    /* The help control resolves names against its own folder, not ours. */
    char path[MAX_PATH * 2];
    DWORD length = GetFullPathNameA(argument, sizeof(path), path, NULL);
    if (length == 0 || length >= sizeof(path)) {
        ShowError("The help file name is not valid:\n%s", argument);
        return 2;
    }
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ShowError("Cannot find the help file:\n%s", path);
        return 2;
    }

    HMODULE control = LoadLibraryA("hhctrl.ocx");
    HtmlHelpFunction htmlHelp =
        control ? (HtmlHelpFunction)(void*)GetProcAddress(control, "HtmlHelpA") : NULL;
    if (!htmlHelp) {
        ShowError(
            "The HTML Help control \"hhctrl.ocx\" is not installed on this computer,\n"
            "so the help file cannot be shown:\n%s",
            path);
        if (control)
            FreeLibrary(control);
        return 3;
    }

    DWORD cookie = 0;
    htmlHelp(NULL, NULL, HH_INITIALIZE, (DWORD_PTR)&cookie);
    HWND window = htmlHelp(NULL, path, HH_DISPLAY_TOPIC, 0);
    int result = 0;
    if (!window || !IsWindow(window)) {
        ShowError("The help file could not be opened:\n%s", path);
        result = 4;
    } else {
        /* The help window belongs to this thread; a thread timer wakes the
         * loop now and then to notice that the user closed it. */
        UINT_PTR timer = SetTimer(NULL, 0, 250, NULL);
        MSG message;
        while (IsWindow(window) && GetMessageA(&message, NULL, 0, 0) > 0) {
            if (!htmlHelp(NULL, NULL, HH_PRETRANSLATEMESSAGE, (DWORD_PTR)&message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        KillTimer(NULL, timer);
    }
    htmlHelp(NULL, NULL, HH_CLOSE_ALL, 0);
    htmlHelp(NULL, NULL, HH_UNINITIALIZE, (DWORD_PTR)cookie);
    FreeLibrary(control);
    return result;
}
