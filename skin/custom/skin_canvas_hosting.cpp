// A drawing board hosting skinned child controls, which then take their background from its picture.
#include "skin/custom/skin_canvas.h"

void HostSkinCanvasChildren(SkinCanvasRecord& board)
{
    (void)board;
}

void UnhostSkinCanvasChildren(HWND window)
{
    (void)window;
}
