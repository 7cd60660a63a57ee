#pragma once
// CWinApp: the one application object; its InitInstance runs the program
// and its PreTranslateMessage sees every message of the modal loops first.
#include "ui/framework/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Current();

    // Runs InitInstance; the program ends when it returns.
    int Run();

    virtual BOOL InitInstance() { return FALSE; }
    // True when the message was handled and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }

    CWnd* m_pMainWnd = nullptr;
};
