#pragma once
// The application object: registers the controls, runs the main window.
#include "ui/framework/WinApp.h"

class CReelmarkApp : public CWinApp {
public:
    BOOL InitInstance() override;
    BOOL PreTranslateMessage(MSG* msg) override;
};
