#include "skin/controls/keyed_copy.h"

#include <algorithm>
#include <cstdint>

#include "skin/core/drawing_core.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

// The 32-bpp DIB section selected into the context, or false.
bool DibOf(HDC dc, DIBSECTION& section)
{
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    return bitmap && GetObjectA(bitmap, sizeof(section), &section) == sizeof(section) && section.dsBm.bmBits &&
           section.dsBm.bmBitsPixel == 32;
}

void ClearAlpha(const DIBSECTION& section, int left, int top, int width, int height)
{
    const int w = section.dsBm.bmWidth;
    const int h = section.dsBm.bmHeight;
    const bool bottomUp = section.dsBmih.biHeight > 0;
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + width, w);
    auto* pixels = static_cast<uint32_t*>(section.dsBm.bmBits);
    GdiFlush();
    for (int y = std::max(top, 0); y < std::min(top + height, h); ++y) {
        uint32_t* row = pixels + static_cast<size_t>(bottomUp ? h - 1 - y : y) * static_cast<size_t>(w);
        for (int x = x0; x < x1; ++x)
            row[x] &= 0x00FFFFFFu;
    }
}

SkinFormRecord* OwningForm(HWND control, bool useKjNumber)
{
    if (int n = GetWindowPropNumber(control, useKjNumber ? kPropKjFormNumber : kPropHwFormNumber))
        return SkinFormAt(n);
    SkinFormRecord* self = SkinFormAt(GetWindowPropNumber(control, kPropHwListIndex));
    return self && self->hwnd == control ? self : nullptr;
}

}  // namespace

bool KeyedCopy(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, COLORREF key)
{
    DIBSECTION from = {};
    DIBSECTION to = {};
    if (DibOf(source, from) && DibOf(target, to))
        ClearAlpha(from, sourceX, sourceY, width, height);
    return TransparentBlt(target, x, y, width, height, source, sourceX, sourceY, width, height, key) != FALSE;
}

void TransparentBlitToControl(HWND control, HDC source, COLORREF key, bool useKjNumber)
{
    SkinFormRecord* form = OwningForm(control, useKjNumber);
    if (!form || !form->backBufferDc)
        return;
    const RECT place = GetRectInSkinnedWindow(control);
    form->backBufferDc = ExcludeChildWindowsFromClip(control, form->backBufferDc);
    KeyedCopy(form->backBufferDc, place.left, place.top, place.right - place.left, place.bottom - place.top, source,
              0, 0, key);
    SelectClipRgn(form->backBufferDc, nullptr);
}
