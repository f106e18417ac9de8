#include "skin/controls/veiled_background.h"

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/control_framework.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/skin_options.h"
#include "skin/core/window_rects.h"

HDC MakeVeiledBackgroundDc(HWND control)
{
    const RECT client = GetEditNonClientOffsets(control);
    return RenderAreaOverBackground(control, client, [&](GdipGraphics& graphics) {
        GdipSolidBrush veil;
        veil.CreateSolidFill(MakeArgbColor(0xFFFFFF, static_cast<BYTE>(g_veilAlpha)));
        graphics.FillRectangle(veil, 0, 0, static_cast<float>(client.right - client.left),
                               static_cast<float>(client.bottom - client.top));
    });
}
