#include "skin/controls/canvas_backgrounds.h"

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

constexpr int kCombineReplace = 0;
constexpr int kCombineXor = 3;
// A group box's fill starts this far below the top of an area: at its outer frame line for the patch
// behind its caption.
constexpr int kGroupBoxFillInset = 4;

const SkinContainerRecord* ContainerOf(int formNumber, int containerNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    return form ? RecordAt(form->containers, containerNumber) : nullptr;
}

// Fills of records tested as signed numbers skip the "negative" colours.
bool HasPositiveFill(const SkinContainerRecord* container)
{
    return container && static_cast<int>(container->fillColour) > 0;
}

void CopyArea(HDC dc, const RECT& area, HDC source, const RECT& offset)
{
    if (source)
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source,
               offset.left + area.left, offset.top + area.top, SRCCOPY);
}

HDC FrameDcOf(int formNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    return form ? form->frameDc : nullptr;
}

HDC HostBackground(HWND host)
{
    return GetWindowPropHandle<HDC>(host, kPropCanvasBackgroundDc);
}

RectF WholeOf(const RECT& area)
{
    return MakeRect(static_cast<float>(area.left), static_cast<float>(area.top),
                    static_cast<float>(area.right - area.left), static_cast<float>(area.bottom - area.top));
}

RectF BodyOf(const RECT& area)
{
    RectF body = WholeOf(area);
    body.y += kGroupBoxFillInset;
    body.height -= kGroupBoxFillInset;
    return body;
}

void FillArea(GdipGraphics& graphics, const RectF& rect, const SkinContainerRecord& container)
{
    GdipSolidBrush brush;
    brush.CreateSolidFill(MakeArgbColor(container.fillColour, container.fillAlpha));
    graphics.FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

// The window's own fill as a container: a group box's below the top of the area, clipped there.
void ApplyOwnFill(HDC dc, const RECT& area, const SkinContainerRecord& container)
{
    GdipGraphics graphics;
    graphics.CreateFromHDC(dc);
    const RectF rect = container.kind == kContainerKindGroupBox ? BodyOf(area) : WholeOf(area);
    if (container.kind == kContainerKindGroupBox)
        graphics.SetClipRect(rect.x, rect.y, rect.width, rect.height, kCombineReplace);
    GdipPath path;
    path.CreatePath();
    path.AddPathRectangle(rect.x, rect.y, rect.width, rect.height);
    GdipSolidBrush brush;
    brush.CreateSolidFill(MakeArgbColor(container.fillColour, container.fillAlpha));
    graphics.FillPath(brush, path);
}

void PaintOnForm(HWND window, HDC dc, const RECT& area, int formNumber)
{
    CopyArea(dc, area, FrameDcOf(formNumber), GetRectInCustomContainer(window));
    const SkinContainerRecord* own = ContainerOf(formNumber, FindContainerIndex(formNumber, window));
    if (own && own->fillColour != 0)
        ApplyOwnFill(dc, area, *own);
}

void PaintHost(HWND window, HDC dc, const RECT& area)
{
    if (HWND outer = GetWindowPropHandle<HWND>(window, kPropHostCanvas)) {
        CopyArea(dc, area, HostBackground(outer), GetRectRelativeTo(outer, window));
    } else if (int n = FindOwningSkinnedWindow(window)) {
        CopyArea(dc, area, FrameDcOf(n), GetRectInSkinnedWindow(window));
    }
}

void PaintInHost(HWND window, HDC dc, const RECT& area, HWND host, int formNumber)
{
    CopyArea(dc, area, HostBackground(host), GetRectRelativeTo(host, window));
    if (formNumber == 0)
        formNumber = FindOwningSkinnedWindow(window);
    if (formNumber == 0)
        return;
    if (const int own = FindContainerIndex(formNumber, window); own > 0) {
        if (const SkinContainerRecord* container = ContainerOf(formNumber, own); HasPositiveFill(container))
            ApplyOwnFill(dc, area, *container);
        return;
    }
    const SkinContainerRecord* around = ContainerOf(formNumber, FindContainerOfControl(formNumber, window, host));
    if (HasPositiveFill(around)) {
        GdipGraphics graphics;
        graphics.CreateFromHDC(dc);
        FillArea(graphics, WholeOf(area), *around);
    }
}

void PaintInContainer(HWND window, HDC dc, const RECT& area, int formNumber, int containerNumber)
{
    int own = 0;
    if (formNumber > 0) {
        own = FindContainerIndex(formNumber, window);
        if (own > 0)
            containerNumber = own;
    }
    if (formNumber == 0)
        formNumber = FindOwningSkinnedWindow(window);
    if (formNumber == 0)
        return;
    CopyArea(dc, area, FrameDcOf(formNumber), GetRectInSkinnedWindow(window));
    const SkinContainerRecord* container = ContainerOf(formNumber, containerNumber);
    if (!container || container->fillColour == 0)
        return;
    GdipGraphics graphics;
    graphics.CreateFromHDC(dc);
    if (containerNumber == own && container->kind == kContainerKindGroupBox) {
        // Above its frame line a group box shows the fill of the container it lies on.
        HWND parent = GetParent(window);
        const SkinContainerRecord* outer = ContainerOf(formNumber, FindContainerIndex(formNumber, parent));
        const RectF body = BodyOf(area);
        if (HasPositiveFill(outer) && GetWindowPropNumber(parent, kPropCanvasHostsChildren) == 0) {
            graphics.SetClipRect(0, 0, static_cast<float>(area.right), static_cast<float>(area.bottom),
                                 kCombineReplace);
            graphics.SetClipRect(body.x, body.y, body.width, body.height, kCombineXor);
            FillArea(graphics, WholeOf(area), *outer);
            graphics.ResetClip();
        }
        graphics.SetClipRect(body.x, body.y, body.width, body.height, kCombineReplace);
    }
    FillArea(graphics, WholeOf(area), *container);
}

}  // namespace

void PaintBackgroundInSkinCanvas(HWND window, HDC dc, const RECT& area)
{
    int formNumber = 0;
    int containerNumber = 0;
    HWND host = nullptr;
    if (FindCustomContainer(window, formNumber, containerNumber, host, true))
        PaintOnForm(window, dc, area, formNumber);
    else if (host == window)
        PaintHost(window, dc, area);
    else if (host)
        PaintInHost(window, dc, area, host, formNumber);
    else
        PaintInContainer(window, dc, area, formNumber, containerNumber);
}
