#include "skin/controls/veiled_background.h"

#include "gdiplus/gdip_graphics.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/skin_options.h"
#include "skin/core/window_rects.h"

HDC MakeVeiledBackgroundDc(HWND control)
{
    const RECT client = GetEditNonClientOffsets(control);
    return RenderAreaOverBackground(control, client, [&](GdipGraphics& graphics) {
        FillVeil(graphics, 0, 0, static_cast<float>(client.right - client.left),
                 static_cast<float>(client.bottom - client.top), g_veilAlpha);
    });
}
