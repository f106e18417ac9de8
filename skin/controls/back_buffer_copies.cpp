#include "skin/controls/back_buffer_copies.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/core/drawing_core.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

// The pixels of the 32-bpp DIB section selected into a context.
struct DibPixels {
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    bool bottomUp = true;

    uint32_t* Row(int y) const
    {
        return bits + static_cast<size_t>(bottomUp ? height - 1 - y : y) * static_cast<size_t>(width);
    }
};

bool DibOf(HDC dc, DibPixels& dib)
{
    DIBSECTION section = {};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || GetObjectA(bitmap, sizeof(section), &section) != sizeof(section) || !section.dsBm.bmBits ||
        section.dsBm.bmBitsPixel != 32)
        return false;
    dib.bits = static_cast<uint32_t*>(section.dsBm.bmBits);
    dib.width = section.dsBm.bmWidth;
    dib.height = section.dsBm.bmHeight;
    dib.bottomUp = section.dsBmih.biHeight > 0;
    return true;
}

// The parts of the target rectangle that the context's clip region lets through, in device
// coordinates; the whole rectangle when the context has no clip region.
std::vector<RECT> VisibleParts(HDC dc, const RECT& area)
{
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    std::vector<RECT> parts;
    if (GetClipRgn(dc, clip) != 1) {
        parts.push_back(area);
    } else {
        const DWORD size = GetRegionData(clip, 0, nullptr);
        std::vector<char> buffer(size);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        if (size && GetRegionData(clip, size, data)) {
            const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
            for (DWORD i = 0; i < data->rdh.nCount; ++i) {
                RECT part;
                if (IntersectRect(&part, &rects[i], &area))
                    parts.push_back(part);
            }
        }
    }
    DeleteObject(clip);
    return parts;
}

// Copies the pixels of the source whose colour bits differ from the key, within the target's clip.
void CopyUnkeyedPixels(const DibPixels& target, int x, int y, int width, int height, const DibPixels& source,
                       int sourceX, int sourceY, uint32_t key, HDC targetDc)
{
    RECT area = {x, y, x + width, y + height};
    const RECT targetBounds = {0, 0, target.width, target.height};
    const RECT sourceBounds = {x - sourceX, y - sourceY, x - sourceX + source.width, y - sourceY + source.height};
    if (!IntersectRect(&area, &area, &targetBounds) || !IntersectRect(&area, &area, &sourceBounds))
        return;
    GdiFlush();
    for (const RECT& part : VisibleParts(targetDc, area)) {
        for (int ty = part.top; ty < part.bottom; ++ty) {
            uint32_t* to = target.Row(ty);
            const uint32_t* from = source.Row(ty - y + sourceY);
            for (int tx = part.left; tx < part.right; ++tx) {
                const uint32_t pixel = from[tx - x + sourceX];
                if ((pixel & 0x00FFFFFFu) != key)
                    to[tx] = pixel;
            }
        }
    }
}

}  // namespace

bool KeyedCopy(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, COLORREF key)
{
    DibPixels from;
    DibPixels to;
    if (DibOf(source, from) && DibOf(target, to)) {
        // DIB pixels are 0x00RRGGBB, a COLORREF 0x00BBGGRR.
        const uint32_t keyBits = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
        CopyUnkeyedPixels(to, x, y, width, height, from, sourceX, sourceY, keyBits, target);
        return true;
    }
    return TransparentBlt(target, x, y, width, height, source, sourceX, sourceY, width, height, key) != FALSE;
}

void TransparentBlitToControl(HWND control, HDC source, COLORREF key, bool useKjNumber)
{
    SkinFormRecord* form = PublishingForm(control, useKjNumber);
    if (!form || !form->backBufferDc)
        return;
    const RECT place = GetRectInSkinnedWindow(control);
    form->backBufferDc = ExcludeChildWindowsFromClip(control, form->backBufferDc);
    KeyedCopy(form->backBufferDc, place.left, place.top, place.right - place.left, place.bottom - place.top, source,
              0, 0, key);
    SelectClipRgn(form->backBufferDc, nullptr);
}

void BlitAreaToControl(HWND control, HDC source, const RECT& area, bool useKjNumber, const std::vector<RECT>& covered)
{
    SkinFormRecord* form = PublishingForm(control, useKjNumber);
    if (!form || !form->backBufferDc)
        return;
    const RECT place = GetRectInSkinnedWindow(control);
    for (const RECT& r : covered)
        ExcludeClipRect(form->backBufferDc, place.left + r.left, place.top + r.top, place.left + r.right,
                        place.top + r.bottom);
    BitBlt(form->backBufferDc, place.left + area.left, place.top + area.top, area.right - area.left,
           area.bottom - area.top, source, 0, 0, SRCCOPY);
    if (!covered.empty())
        SelectClipRgn(form->backBufferDc, nullptr);
}

void BlitRingFromBackBuffer(HWND control, int width, int height, const RECT& client, bool useKjNumber)
{
    SkinFormRecord* form = PublishingForm(control, useKjNumber);
    if (!form || !form->backBufferDc)
        return;
    const RECT place = GetRectInSkinnedWindow(control);
    HDC dc = GetWindowDC(control);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    BitBlt(dc, 0, 0, width, height, form->backBufferDc, place.left, place.top, SRCCOPY);
    ReleaseDC(control, dc);
}
