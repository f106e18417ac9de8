#include "skin/controls/control_framework.h"

#include <cmath>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/back_buffer_copies.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"
#include "skin/core/mouse_tracking.h"

namespace {

constexpr char kDefaultFace[] = "宋体";
constexpr int kDefaultSize = 12;
constexpr float kNoSize = 1e-7f;

}  // namespace

ControlFontInfo GetControlFontInfo(HWND window)
{
    ControlFontInfo info;
    info.face = kDefaultFace;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    if (!font)
        return info;
    HDC dc = GetDC(window);
    GdipFont gdipFont;
    if (gdipFont.CreateFontFromDCAndHFont(dc, font)) {
        const float size = gdipFont.GetFontSize();
        info.size = std::fabs(size) <= kNoSize ? kDefaultSize : static_cast<int>(size);
        info.style = gdipFont.GetFontStyle();
        // Every GetFamily hands out a new family, which its wrapper does not free by itself.
        GdipFontFamily family;
        if (gdipFont.GetFamily(family)) {
            std::string name = family.GetFamilyName();
            if (!name.empty())
                info.face = name;
            family.DeleteFontFamily();
        }
    }
    ReleaseDC(window, dc);
    return info;
}

std::string GetWindowTextAsText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

LRESULT CallPreviousProc(HWND window, const char* procProperty, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = GetWindowPropHandle<WNDPROC>(window, procProperty);
    return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
}

LRESULT EraseWithTextColour(HWND window, WPARAM wParam)
{
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(GetWindowProp(window, kPropKjTextColour))));
}

bool EnterControlHover(HWND window, SkinFormRecord& form, int listIndex, int hoverCode, bool movedOn)
{
    TrackMouseLeave(window);
    form.hotIndex = listIndex;
    if (form.prevHotIndex == form.hotIndex && form.hoverKind == hoverCode && !movedOn)
        return false;
    form.prevHotIndex = form.hotIndex;
    form.hoverKind = hoverCode;
    return true;
}

HDC RenderOverBackground(HWND window, int width, int height, const std::function<void(GdipGraphics&)>& drawLayers)
{
    return RenderAreaOverBackground(window, RECT{0, 0, width, height}, drawLayers);
}

HDC RenderOverBackgroundSeen(HWND window, int width, int height,
                             const std::function<void(GdipGraphics&, COLORREF background)>& drawLayers)
{
    HDC memory = CreateBackgroundDC(window, RECT{0, 0, width, height});
    if (!memory)
        return nullptr;
    const COLORREF background = MeanColourOf(memory);
    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, memory);
    drawLayers(graphics, background);
    return memory;
}

HDC RenderAreaOverBackground(HWND window, const RECT& area, const std::function<void(GdipGraphics&)>& drawLayers)
{
    HDC memory = CreateBackgroundDC(window, area);
    if (!memory)
        return nullptr;
    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, memory);
    drawLayers(graphics);
    return memory;
}

void PaintOverWholeWindow(HWND window, int width, int height, bool publishWholeWindow,
                          const std::function<void(GdipGraphics&)>& drawLayers)
{
    HDC memory = RenderOverBackground(window, width, height, drawLayers);
    if (!memory)
        return;
    BlitToControl(window, memory, false, publishWholeWindow);
    HDC dc = GetWindowDC(window);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    ReleaseMemoryDC(memory);
}

void PaintNonClientRing(HWND window, int width, int height, const RECT& client,
                        const std::function<void(GdipGraphics&)>& drawLayers, const std::vector<RECT>& covered)
{
    const RECT sides[] = {
        {0, 0, width, client.top},
        {0, client.bottom, width, height},
        {0, client.top, client.left, client.bottom},
        {client.right, client.top, width, client.bottom},
    };
    HDC dc = GetWindowDC(window);
    for (const RECT& r : covered)
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    for (const RECT& side : sides) {
        if (side.right <= side.left || side.bottom <= side.top)
            continue;
        HDC memory = RenderAreaOverBackground(window, side, [&](GdipGraphics& graphics) {
            graphics.TranslateWorldTransform(static_cast<float>(-side.left), static_cast<float>(-side.top));
            drawLayers(graphics);
        });
        if (!memory)
            break;
        BitBlt(dc, side.left, side.top, side.right - side.left, side.bottom - side.top, memory, 0, 0, SRCCOPY);
        BlitAreaToControl(window, memory, side, false, covered);
        ReleaseMemoryDC(memory);
    }
    ReleaseDC(window, dc);
}

bool HandleWholeWindowPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void (*paint)(HWND),
                            LRESULT& result)
{
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        return false;
    case WM_MOVE:
        paint(window);
        return false;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = 1;
        return true;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        paint(window);
        EndPaint(window, &ps);
        result = DefWindowProcA(window, message, wParam, lParam);
        return true;
    }
    case WM_NCPAINT:
        paint(window);
        result = 1;
        return true;
    default:
        return false;
    }
}

bool FormAllowsControlRepaint(HWND window, bool useKjNumber)
{
    const SkinFormRecord* form =
        SkinFormAt(GetWindowPropNumber(window, useKjNumber ? kPropKjFormNumber : kPropHwFormNumber));
    if (!form)
        return false;
    return form->moving ? form->sizing : form->active;
}

void MarkContainerDirty(HWND window)
{
    HWND parent = GetParent(window);
    const int n = GetWindowPropNumber(parent, kPropHwFormNumber);
    SkinFormRecord* form = SkinFormAt(n);
    if (!form)
        return;
    SkinContainerRecord* container = RecordAt(form->containers, FindContainerIndex(n, parent));
    if (container && !GetPropA(parent, kPropCanvasIndex))
        container->childrenMoved = true;
}

namespace {

void FreeColourObjectsIfHeld(HWND window)
{
    if (GetPropA(window, kPropKjCtlBrush) || GetPropA(window, kPropKjCtlBitmap))
        FreeControlColourObjects(window);
}

BOOL CALLBACK FreeColourObjectsOfChild(HWND child, LPARAM)
{
    FreeColourObjectsIfHeld(child);
    return TRUE;
}

// A window about to be destroyed gives up the pairs it and every window inside it hold: their
// properties go with them, and nobody could find the handles afterwards.
LRESULT CALLBACK FreeColourObjectsOnDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        FreeColourObjectsIfHeld(window);
        EnumChildWindows(window, FreeColourObjectsOfChild, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One hook per thread, set before the first pair is handed out there and kept while the thread runs.
void WatchDestructions()
{
    thread_local HHOOK hook = nullptr;
    if (!hook)
        hook = SetWindowsHookExA(WH_CBT, FreeColourObjectsOnDestroy, nullptr, GetCurrentThreadId());
}

}  // namespace

void KeepControlColourObjects(HWND control, HBRUSH brush, HBITMAP bitmap)
{
    WatchDestructions();
    SetWindowProp(control, kPropKjCtlBrush, reinterpret_cast<LONG_PTR>(brush));
    SetWindowProp(control, kPropKjCtlBitmap, reinterpret_cast<LONG_PTR>(bitmap));
}

void FreeControlColourObjects(HWND control)
{
    HGDIOBJ brush = GetWindowPropHandle<HGDIOBJ>(control, kPropKjCtlBrush);
    if (brush && brush != GetStockObject(NULL_BRUSH))
        DeleteObject(brush);
    RemovePropA(control, kPropKjCtlBrush);
    // A toolbar keeps its image list under the same name: that is the toolbar's own.
    if (GetWindowClassName(control) == "ToolbarWindow32")
        return;
    if (HGDIOBJ bitmap = GetWindowPropHandle<HGDIOBJ>(control, kPropKjCtlBitmap))
        DeleteObject(bitmap);
    RemovePropA(control, kPropKjCtlBitmap);
}
