// What lies behind a control: the form's frame, a hosting drawing board's background, and the
// translucent fill of the container the control sits in or is.
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

constexpr int kCombineReplace = 0;
constexpr int kCombineXor = 3;
constexpr int kContainerCorner = 5;

const SkinContainerRecord* ContainerAt(int formNumber, int containerNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    return form ? RecordAt(form->containers, containerNumber) : nullptr;
}

// Some fills test the colour as a signed number and skip "negative" colours.
bool HasPositiveFill(const SkinContainerRecord* container)
{
    return container && static_cast<int>(container->fillColour) > 0;
}

bool HasAnyFill(const SkinContainerRecord* container)
{
    return container && container->fillColour != 0;
}

void FillPathWith(GdipGraphics& graphics, const GdipPath& path, const SkinContainerRecord& container)
{
    GdipSolidBrush brush;
    brush.CreateSolidFill(MakeArgbColor(container.fillColour, container.fillAlpha));
    graphics.FillPath(brush, path);
}

// The group box's rounded frame: from 5 pixels below its top (where the caption sits) to one pixel
// above its bottom.
void AddGroupBoxFrame(GdipPath& path, const RECT& area)
{
    AddRoundRectPath(path, 0, 5, static_cast<float>(area.right), static_cast<float>(area.bottom - 6),
                     kContainerCorner);
}

void FillWholeArea(HDC dc, int width, int height, const SkinContainerRecord& container)
{
    GdipGraphics graphics;
    graphics.CreateFromHDC(dc);
    GdipPath path;
    path.CreatePath();
    path.AddPathRectangle(0, 0, static_cast<float>(width), static_cast<float>(height));
    FillPathWith(graphics, path, container);
}

// The fill of the container the control itself is: a group box inside its rounded frame, a tab control
// on its page area, anything else over the whole area.
void ApplyContainerFill(HDC dc, const RECT& area, const SkinContainerRecord& container)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    GdipGraphics graphics;
    graphics.CreateFromHDC(dc);
    GdipPath path;
    path.CreatePath();
    if (container.kind == kContainerKindGroupBox) {
        AddGroupBoxFrame(path, area);
        graphics.SetClipPath(path, kCombineReplace);
    } else if (GetWindowClassName(container.hwnd) == "SysTabControl32") {
        RECT page = GetTabPageRect(container.hwnd);
        AddRoundRectPath(path, static_cast<float>(page.left), static_cast<float>(page.top),
                         static_cast<float>(page.right - page.left), static_cast<float>(page.bottom - page.top),
                         kContainerCorner);
        graphics.SetClipPath(path, kCombineReplace);
    } else {
        path.AddPathRectangle(0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    FillPathWith(graphics, path, container);
}

// A group box lying on a filled container shows that container's fill outside its rounded frame.
void FillGroupBoxCorners(GdipGraphics& graphics, HWND groupBox, int formNumber, const RECT& area)
{
    HWND parent = GetParent(groupBox);
    const SkinContainerRecord* outer = ContainerAt(formNumber, FindContainerIndex(formNumber, parent));
    if (!HasPositiveFill(outer) || GetWindowPropNumber(parent, kPropCanvasHostsChildren) != 0)
        return;
    graphics.SetClipRect(0, 0, static_cast<float>(area.right), static_cast<float>(area.bottom), kCombineReplace);
    GdipPath frame;
    frame.CreatePath();
    AddGroupBoxFrame(frame, area);
    graphics.SetClipPath(frame, kCombineXor);
    GdipSolidBrush brush;
    brush.CreateSolidFill(MakeArgbColor(outer->fillColour, outer->fillAlpha));
    graphics.FillRectangle(brush, 0, 0, static_cast<float>(area.right), static_cast<float>(area.bottom));
    graphics.ResetClip();
}

void CopyFrom(HDC dc, int width, int height, HDC source, const RECT& offset, const RECT& area)
{
    if (source)
        BitBlt(dc, 0, 0, width, height, source, offset.left + area.left, offset.top + area.top, SRCCOPY);
}

HDC FrameDcOf(int formNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    return form ? form->frameDc : nullptr;
}

HDC CanvasBackgroundOf(HWND host)
{
    return GetWindowPropHandle<HDC>(host, kPropCanvasBackgroundDc);
}

}  // namespace

bool FindCustomContainer(HWND window, int& formNumber, int& containerNumber, HWND& host, bool searchHosts)
{
    if (searchHosts && GetWindowPropNumber(window, kPropCanvasHostsChildren) == 1) {
        host = window;
        return false;
    }
    if (int n = FindSkinnedWindow(window)) {
        formNumber = n;
        return true;
    }
    HWND ancestor = window;
    while ((ancestor = GetParent(ancestor)) != nullptr) {
        if (searchHosts && GetWindowPropNumber(ancestor, kPropCanvasHostsChildren) == 1) {
            host = ancestor;
            return false;
        }
        for (int i = 1; i <= SkinFormCount(); ++i) {
            const SkinFormRecord* form = SkinFormAt(i);
            if (form->hwnd == ancestor) {
                formNumber = i;
                return true;
            }
            if (int j = FindContainerIndex(i, ancestor)) {
                if (HWND outerHost = GetWindowPropHandle<HWND>(ancestor, kPropHostCanvas); searchHosts && outerHost) {
                    host = outerHost;
                    return false;
                }
                formNumber = i;
                containerNumber = j;
                return false;
            }
        }
    }
    return false;
}

int FindContainerOfControl(int formNumber, HWND window, HWND stopWindow)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return 0;
    HWND ancestor = window;
    while ((ancestor = GetParent(ancestor)) != nullptr && ancestor != stopWindow) {
        int j = FindContainerIndex(formNumber, ancestor);
        if (j > 0 && RecordAt(form->containers, j)->paintAsContainer)
            return j;
    }
    return 0;
}

HDC CreateBackgroundDC(HWND control, const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC dc = CreateMemoryDC(width, height);
    if (!dc)
        return nullptr;

    int formNumber = 0;
    int containerNumber = 0;
    HWND host = nullptr;
    if (FindCustomContainer(control, formNumber, containerNumber, host, true)) {
        // Straight on its form (or the form itself).
        CopyFrom(dc, width, height, FrameDcOf(formNumber), GetRectInCustomContainer(control), area);
        const SkinContainerRecord* self = ContainerAt(formNumber, FindContainerIndex(formNumber, control));
        if (HasAnyFill(self))
            ApplyContainerFill(dc, area, *self);
        return dc;
    }

    if (host) {
        if (control == host) {
            // A hosting board takes its background from the board it lies in, or from its form.
            if (HWND outerHost = GetWindowPropHandle<HWND>(control, kPropHostCanvas)) {
                CopyFrom(dc, width, height, CanvasBackgroundOf(outerHost), GetRectRelativeTo(outerHost, control),
                         area);
            } else if (int n = FindOwningSkinnedWindow(control)) {
                CopyFrom(dc, width, height, FrameDcOf(n), GetRectInSkinnedWindow(control), area);
            }
            return dc;
        }
        CopyFrom(dc, width, height, CanvasBackgroundOf(host), GetRectRelativeTo(host, control), area);
        if (formNumber == 0)
            formNumber = FindOwningSkinnedWindow(control);
        if (formNumber > 0) {
            int self = FindContainerIndex(formNumber, control);
            if (self < 1) {
                const SkinContainerRecord* around =
                    ContainerAt(formNumber, FindContainerOfControl(formNumber, control, host));
                if (HasPositiveFill(around))
                    FillWholeArea(dc, width, height, *around);
            } else if (const SkinContainerRecord* container = ContainerAt(formNumber, self);
                       HasPositiveFill(container)) {
                ApplyContainerFill(dc, area, *container);
            }
        }
        return dc;
    }

    // Inside a container, or in nothing registered.
    if (formNumber == 0)
        formNumber = FindOwningSkinnedWindow(control);
    if (formNumber == 0) {
        ReleaseMemoryDC(dc);
        return nullptr;
    }
    const int self = FindContainerIndex(formNumber, control);
    if (self > 0)
        containerNumber = self;
    CopyFrom(dc, width, height, FrameDcOf(formNumber), GetRectInSkinnedWindow(control), area);
    const SkinContainerRecord* container = ContainerAt(formNumber, containerNumber);
    if (!HasAnyFill(container))
        return dc;
    GdipGraphics graphics;
    graphics.CreateFromHDC(dc);
    GdipPath path;
    path.CreatePath();
    if (containerNumber == self && container->kind == kContainerKindGroupBox) {
        FillGroupBoxCorners(graphics, control, formNumber, area);
        AddGroupBoxFrame(path, area);
        graphics.SetClipPath(path, kCombineReplace);
    } else {
        path.AddPathRectangle(0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    FillPathWith(graphics, path, *container);
    return dc;
}

HBITMAP MakeVeiledBackgroundBitmap(HWND control)
{
    RECT area = GetEditNonClientOffsets(control);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC dc = CreateBackgroundDC(control, area);
    if (!dc)
        return nullptr;
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(dc);
        GdipSolidBrush veil;
        veil.CreateSolidFill(MakeArgbColor(0xFFFFFF, static_cast<BYTE>(g_veilAlpha)));
        graphics.FillRectangle(veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    return CopyDcToBitmap(dc, width, height);
}
