/* hh.exe: Reelmark's help viewer. Opens the compiled help file named on its
 * command line ("hh.exe Reelmark.chm", relative to the current folder, quoted
 * or not) in the system's HTML help window and stays until that window is
 * closed. Reelmark writes it beside the help document at every start. */
#include <windows.h>

#include <htmlhelp.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

typedef HWND(WINAPI* HtmlHelpFunction)(HWND, LPCWSTR, UINT, DWORD_PTR);

static const wchar_t kCaption[] = L"Reelmark Help";

static void ShowError(const wchar_t* message, const wchar_t* detail)
{
    wchar_t text[MAX_PATH * 2 + 512];
    _snwprintf(text, sizeof(text) / sizeof(text[0]) - 1, L"%ls\n%ls", message, detail);
    text[sizeof(text) / sizeof(text[0]) - 1] = L'\0';
    MessageBoxW(NULL, text, kCaption, MB_OK | MB_ICONERROR);
}

/* The argument part of the command line: the program name skipped, blanks
 * trimmed, one pair of surrounding double quotes removed. */
static void HelpFileArgument(wchar_t* out, size_t size)
{
    const wchar_t* p = GetCommandLineW();
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

    size_t length = wcslen(p);
    while (length > 0 && (p[length - 1] == ' ' || p[length - 1] == '\t'))
        --length;
    if (length >= 2 && p[0] == '"' && p[length - 1] == '"') {
        ++p;
        length -= 2;
    }
    if (length >= size)
        length = size - 1;
    memcpy(out, p, length * sizeof(wchar_t));
    out[length] = L'\0';
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;

    wchar_t argument[MAX_PATH * 2];
    HelpFileArgument(argument, sizeof(argument) / sizeof(argument[0]));
    if (argument[0] == L'\0') {
        MessageBoxW(NULL, L"No help file was named.\n\nUsage: hh.exe HELPFILE.chm", kCaption,
                    MB_OK | MB_ICONERROR);
        return 2;
    }

    /* The help control resolves names against its own folder, not ours. */
    wchar_t path[MAX_PATH * 2];
    DWORD length = GetFullPathNameW(argument, sizeof(path) / sizeof(path[0]), path, NULL);
    if (length == 0 || length >= sizeof(path) / sizeof(path[0])) {
        ShowError(L"The help file name is not valid:", argument);
        return 2;
    }
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ShowError(L"Cannot find the help file:", path);
        return 2;
    }

    HMODULE control = LoadLibraryW(L"hhctrl.ocx");
    HtmlHelpFunction htmlHelp =
        control ? (HtmlHelpFunction)(void*)GetProcAddress(control, "HtmlHelpW") : NULL;
    if (!htmlHelp) {
        ShowError(
            L"The HTML Help control \"hhctrl.ocx\" is not installed on this computer,\n"
            L"so the help file cannot be shown:",
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
        ShowError(L"The help file could not be opened:", path);
        result = 4;
    } else {
        /* The help window belongs to this thread; a thread timer wakes the
         * loop now and then to notice that the user closed it. */
        UINT_PTR timer = SetTimer(NULL, 0, 250, NULL);
        MSG message;
        while (IsWindow(window) && GetMessageW(&message, NULL, 0, 0) > 0) {
            if (!htmlHelp(NULL, NULL, HH_PRETRANSLATEMESSAGE, (DWORD_PTR)&message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        KillTimer(NULL, timer);
    }
    htmlHelp(NULL, NULL, HH_CLOSE_ALL, 0);
    htmlHelp(NULL, NULL, HH_UNINITIALIZE, (DWORD_PTR)cookie);
    FreeLibrary(control);
    return result;
}
