#include "ui/framework/WinApp.h"

namespace {
CWinApp* currentApp = nullptr;
}

CWinApp::CWinApp()
{
    currentApp = this;
}

CWinApp::~CWinApp()
{
    if (currentApp == this)
        currentApp = nullptr;
}

CWinApp* CWinApp::Current()
{
    return currentApp;
}

int CWinApp::Run()
{
    InitInstance();
    return 0;
}
