// A drawing board hosting skinned child controls: registered as a container of its form with the
// container layer's own background painting off, its children skinned, marked as a host (Wxk_Zpf),
// so that they take their background out of its kept picture (Wxk_Cj).
#include "skin/controls/container_family.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/custom/skin_canvas.h"

void HostSkinCanvasChildren(SkinCanvasRecord& board)
{
    HWND window = board.hwnd;
    if (!HasChildWindow(window) || !g_skinChildControls)
        return;
    SkinContainerWindow(window, 0);
    SetWindowProp(window, kPropCanvasHostsChildren, 1);
    SetWindowProp(window, kPropHostCanvas, reinterpret_cast<LONG_PTR>(FindSkinCanvasHost(window)));
    board.hostsChildren = true;
}

void UnhostSkinCanvasChildren(HWND window)
{
    // The children are usually gone by now, and the container layer's own WM_NCDESTROY, which comes
    // next, gives up the registration.
    if (!HasChildWindow(window))
        return;
    const int formNumber = GetWindowPropNumber(window, kPropHwFormNumber);
    if (const int container = FindContainerIndex(formNumber, window))
        UnskinContainer(formNumber, container);
}
