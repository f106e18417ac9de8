#pragma once
// The skin of the program's secondary windows: a caption band over a body tinted light grey, closed
// with the shrink-and-fade effect (SetFormCloseEffect), and what else their creation asks of the skin.
#include "skin/core/form_skinning.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/on_request_skinning.h"
#include "skin/core/skin_form_record.h"

// A caption band of the given height over the body tinted 0xECECEC at opacity 150. The report and the
// birth chart also ask for the frame behaviour (with the caption buttons' tips) and sizing by name.
inline SkinFormOptions TintedWindowSkin(int captionHeight, bool framedAndSizable = false)
{
    SkinFormOptions options;
    options.captionHeight = captionHeight;
    if (framedAndSizable) {
        options.frameEnabled = 1;
        options.resizable = 1;
    }
    options.captionGradient = 1;
    options.tintColour = 0xECECEC;
    options.tintAlpha = 150;
    return options;
}

// A group box on such a window's body, registered with the skin as a container: its frame painted, its
// fill the window's own background colour at opacity 0.
inline int SkinBodyGroupBox(HWND groupBox)
{
    return SkinGroupBox(groupBox, 1, GetSysColor(COLOR_BTNFACE), 0, 1);
}
