// BabyName.exe: the Windows entry point.
#include <windows.h>

#include "app/program_startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return ProgramStartup();
}
