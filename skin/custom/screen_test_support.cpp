#include "skin/custom/screen_test_support.h"

#include "skin/custom/nav_bar_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"

HWND MakeScreenshotForm(int width, int height, int captionHeight, DWORD extraStyle)
{
    SetSkinOptions(true, 0);
    g_firstFormSize = false;
    g_themeColour = 0x51AE51;
    HWND window = CreateFrameForm(30, 30, width, height, extraStyle, false);
    SetWindowTextA(window, "宝宝起名");
    SkinFormOptions options;
    options.captionHeight = captionHeight;
    options.frameEnabled = 1;
    options.statusHeight = 5;
    options.backgroundImage = ProgramPicture("builtin_skin.jpg");
    options.imageMode = 1;
    SkinForm(window, options);
    return window;
}

void EndScreenshotLook()
{
    g_themeColour = kStartThemeColour;
    SetSkinOptions(true);
}
