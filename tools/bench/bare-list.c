/* Baseline for scripts/benchmark.sh: a bare window that fills a list box
   with the movie names of one listing of FOLDER, and stays until closed.
   Usage: bare-list FOLDER */
#include <windows.h>

#include <wchar.h>

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wp, lp);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return 2;
    WNDCLASSW windowClass = {0};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(NULL);
    windowClass.lpszClassName = L"BareList";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"BareList", L"Bare list", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, NULL,
                                  NULL, windowClass.hInstance, NULL);
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0, 0,
                                600, 440, window, (HMENU)1001, windowClass.hInstance, NULL);
    wchar_t pattern[MAX_PATH * 2];
    swprintf(pattern, MAX_PATH * 2, L"%ls\\*.mpg", argv[1]);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    if (find != INVALID_HANDLE_VALUE) {
        do
            SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)data.cFileName);
        while (FindNextFileW(find, &data));
        FindClose(find);
    }
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
