#include <windows.h>

#include "app/ReelmarkApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CReelmarkApp app;
    return app.Run();
}
