// Clipping child windows out of a context, and the child-window walks of the drawing core.
#include <algorithm>

#include "skin/core/drawing_core.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

template <class Visit>
void ForEachVisibleChild(HWND window, Visit visit)
{
    HWND child = nullptr;
    while ((child = FindWindowExA(window, child, nullptr, nullptr)) != nullptr) {
        if (IsWindowVisible(child))
            visit(child);
    }
}

struct SizeLimit {
    bool clamp = false;
    int width = 0;
    int height = 0;
};

// The size that the children of the window are clamped to. A window known to the skin without a
// recorded size (a skinned control that is not a container) clamps everything to nothing.
SizeLimit KnownClientSize(HWND window)
{
    if (const SkinFormRecord* form = SkinFormAt(FindSkinnedWindow(window)))
        return {true, form->clientWidth, form->clientHeight};
    if (int canvas = GetWindowPropNumber(window, kPropCanvasIndex); canvas > 0) {
        if (const SkinCanvasRecord* board = RecordAt(g_skinCanvases, canvas))
            return {true, board->clientWidth, board->clientHeight};
        return {true, 0, 0};
    }
    int formNumber = GetWindowPropNumber(window, kPropHwFormNumber);
    if (const SkinFormRecord* form = SkinFormAt(formNumber)) {
        for (const auto& container : form->containers) {
            if (container->hwnd == window)
                return {true, container->clientWidth, container->clientHeight};
        }
    }
    return {formNumber > 0, 0, 0};
}

}  // namespace

bool IsTransparentWindow(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

void InvalidateVisibleChildren(HWND window)
{
    ForEachVisibleChild(window, [](HWND child) { InvalidateRect(child, nullptr, TRUE); });
}

HDC ExcludeChildWindowsFromClip(HWND window, HDC hdc)
{
    ForEachVisibleChild(window, [hdc](HWND child) {
        if (IsTransparentWindow(child))
            return;
        RECT r = GetRectInSkinnedWindow(child);
        ExcludeClipRect(hdc, r.left, r.top, r.right, r.bottom);
    });
    return hdc;
}

HDC ExcludeChildrenFromClip(HWND window, HDC hdc)
{
    HDC dc = hdc ? hdc : GetDC(window);
    // The animation threads of the drawing boards come through here: keep releases off the records.
    SkinRegistryReadGuard guard;
    const SizeLimit limit = KnownClientSize(window);
    ForEachVisibleChild(window, [&](HWND child) {
        if (IsTransparentWindow(child))
            return;
        RECT r = GetRectInAncestorClient(child);
        r.left = std::max<LONG>(r.left, 0);
        r.top = std::max<LONG>(r.top, 0);
        if (limit.clamp) {
            r.right = std::min<LONG>(r.right, limit.width);
            r.bottom = std::min<LONG>(r.bottom, limit.height);
        }
        r.right = std::max(r.right, r.left);
        r.bottom = std::max(r.bottom, r.top);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    });
    return dc;
}

HDC ExcludeUnskinnedChildrenFromClip(HWND window, HDC hdc)
{
    HDC dc = hdc ? hdc : GetDC(window);
    ForEachVisibleChild(window, [dc](HWND child) {
        if (GetWindowPropNumber(child, kPropHwFormNumber) != 0)
            return;
        RECT r = GetRectInAncestorClient(child);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    });
    return dc;
}
