#include "skin/controls/background_patch.h"

#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"

void PaintBackgroundInSkinCanvas(HWND window, HDC dc, const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    HDC behind = CreateBackgroundDC(window, area);
    if (!behind)
        return;
    BitBlt(dc, area.left, area.top, width, height, behind, 0, 0, SRCCOPY);
    ReleaseMemoryDC(behind);
}
