#include <windows.h>

#include "ui/main/ReelmarkApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CReelmarkApp app;
    return app.Run();
}
