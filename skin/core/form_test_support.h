#pragma once
// A skinned form as the program's windows make one, for the tests and the benchmark of the frame.
#include <windows.h>

#include <string>

#include "skin/core/form_skinning.h"

// A 420 x 110 caption picture: a sky-coloured gradient with lighter stripes (PNG).
std::string CaptionTestPicture();
// Caption 90 with the picture faded into its colour, a light tint with the caption gloss, the frame
// behaviour with tooltips, and a 24-pixel status band of three segments (160, 180 and the rest).
SkinFormOptions ProgramLikeOptions();
// A shown frame form (CreateFrameForm with minimise and maximise boxes at 40, 40) with that title,
// skinned with ProgramLikeOptions over a blue base colour and painted.
HWND ShowProgramLikeForm(int width, int height, const char* title);
