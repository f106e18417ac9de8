#pragma once
// What a click on a caption button of a skinned form does.
#include "skin/core/skin_callback.h"

// Carries out caption button `button` (1-based) of form `formNumber`: close, maximise or restore and
// minimise by the matching WM_SYSCOMMAND, help, main menu and custom buttons through their handlers.
// Out-of-range numbers do nothing.
void OnCaptionButtonClick(int formNumber, int button);
