#pragma once
// Screenshots of the custom controls in the main window's look: the skin's options as the program sets
// them, the theme colour 0x51AE51 and a frameless form 宝宝起名 skinned with the built-in picture.
#include <windows.h>

// A hidden form at (30, 30) with a caption band of that height and a 5-pixel status band.
HWND MakeScreenshotForm(int width, int height, int captionHeight, DWORD extraStyle);
// Puts the skin's options and theme colour back.
void EndScreenshotLook();
