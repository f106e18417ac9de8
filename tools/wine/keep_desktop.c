/* Keeps the Wine virtual desktop (and with it the wineserver's session) alive for a whole test run,
   so each test does not pay for starting and tearing down the desktop. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    GetDesktopWindow();
    for (;;)
        Sleep(60 * 60 * 1000);
    return 0;
}
