/* Keeps one Wine session warm and detached from the caller's output, so
   each test process starts in a fraction of a second. Ends on WM_CLOSE
   or when the wineserver is killed. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prev, LPSTR cmd, int show)
{
    (void)prev;
    (void)cmd;
    (void)show;
    HWND wnd = CreateWindowW(L"STATIC", L"reelmark-wine-keepalive", WS_POPUP, 0, 0, 1, 1, NULL, NULL,
                             instance, NULL);
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0)
        DispatchMessageW(&msg);
    if (wnd)
        DestroyWindow(wnd);
    return 0;
}
