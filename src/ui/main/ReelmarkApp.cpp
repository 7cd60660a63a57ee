#include "ui/main/ReelmarkApp.h"

#include <windows.h>

#include <commctrl.h>

#include "ui/main/ReelmarkDlg.h"

BOOL CReelmarkApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);
    LoadLibraryW(L"riched20.dll");

    CReelmarkDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

BOOL CReelmarkApp::PreTranslateMessage(MSG* msg)
{
    // While a splash shows, a key or click only dismisses it.
    return CSplashWnd::FilterAppMessage(msg) ? TRUE : FALSE;
}
