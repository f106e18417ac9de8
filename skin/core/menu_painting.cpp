#include "skin/core/menu_painting.h"

#include <string>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/draw_item.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/tick_image.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/layered_windows.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_menu_records.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

constexpr COLORREF kDisabledText = 0x808080;
constexpr BYTE kMenuAlpha = 240;
constexpr int kMenuCorner = 3;
constexpr int kTextLeft = 22;
constexpr int kIconColumn = 20;

struct Area {
    float x, y, width, height;
};

void FillArea(GdipGraphics& graphics, const Area& a, uint32_t argb)
{
    GdipPath path;
    path.CreatePath();
    path.AddPathRectangle(a.x, a.y, a.width, a.height);
    FillPathSolid(graphics, path, argb);
}

void FillAreaGradient(GdipGraphics& graphics, const Area& a, const LinearGradient& gradient)
{
    GdipPath path;
    path.CreatePath();
    path.AddPathRectangle(a.x, a.y, a.width, a.height);
    FillPathGradient(graphics, path, gradient);
}

// The white veil every menu surface gets: alpha 220 at the left fading to 200 at the right.
void FillWhiteVeil(GdipGraphics& graphics, float width, float height)
{
    FillAreaGradient(graphics, {0, 0, width, height},
                     {PointF{0, 0}, PointF{width, 0}, MakeArgbColor(kWhite, 220), MakeArgbColor(kWhite, 200)});
}

// A picture drawn at the given size (GDI+ reads the resolution of the pictures it wrote itself as not
// quite 96 dpi, so a picture is never drawn "at its own size").
void DrawPicture(GdipGraphics& graphics, const std::string& bytes, float x, float y, float width, float height)
{
    GdipImage image;
    if (image.LoadImageFromStream(bytes))
        graphics.DrawImageRectRect(image, x, y, width, height);
}

// The first paint in a menu window makes it the skin's: no system frame, translucent and rounded.
void TakeOverMenuWindow(HWND menuWindow)
{
    if (!menuWindow || GetPropA(menuWindow, kPropHwProc))
        return;
    const LONG_PTR previous =
        SetWindowLongPtrA(menuWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuWindowProc));
    SetWindowProp(menuWindow, kPropHwProc, previous);
    SetLayeredStyle(menuWindow);
    SetLayeredWindowAttributes(menuWindow, 0, kMenuAlpha, LWA_ALPHA);
    SetRoundRegion(menuWindow, kMenuCorner);
}

void PaintItemBackground(HDC dc, int w, int h, const SkinFormRecord* form, const RECT& item)
{
    const bool frameBeneath = form && form->frameDc && !g_skinImage.empty();
    if (frameBeneath)
        BitBlt(dc, 0, 0, w, h, form->frameDc, item.left, item.top + form->captionHeight, SRCCOPY);
    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, dc);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    FillArea(graphics, {0, 0, fw, fh}, MakeArgbColor(g_skinBaseColour, frameBeneath ? 200 : 255));
    FillWhiteVeil(graphics, fw, fh);
    FillArea(graphics, {0, 0, kIconColumn, fh}, MakeArgbColor(g_themeColour, 50));
    FillAreaGradient(graphics, {0, 0, kIconColumn, fh},
                     {PointF{0, 0}, PointF{kIconColumn, 0}, MakeArgbColor(kWhite, 150), MakeArgbColor(kWhite, 20)});
    graphics.Flush();
}

void DrawLine(GdipGraphics& graphics, uint32_t argb, float x1, float x2, float y)
{
    GdipPen pen;
    pen.CreatePen(argb, 1);
    graphics.DrawLine(pen, x1, y, x2, y);
}

void DrawSeparator(GdipGraphics& graphics, int w, int h)
{
    const float left = kTextLeft, right = static_cast<float>(w - 4);
    const float middle = static_cast<float>(h / 2);
    DrawLine(graphics, MakeArgbColor(kBlack, 80), left, right, middle);
    DrawLine(graphics, MakeArgbColor(g_themeColour, 80), left, right, middle);
    DrawLine(graphics, MakeArgbColor(kWhite, 160), left, right, middle + 1);
}

void DrawHighlight(GdipGraphics& graphics, int w, int h)
{
    GdipPath path;
    MakeRoundRectPath(path, 2, 0, static_cast<float>(w - 4), static_cast<float>(h - 1), 5);
    const uint32_t colour = MakeArgbColor(g_themeColour, 80);
    FillPathGradient(graphics, path, {PointF{0, 0}, PointF{0, static_cast<float>(h)}, colour, colour});
    StrokePath(graphics, path, MakeArgbColor(kBlack, 80));
}

// What the menu item itself says of its kind, state and text: read by its position when the item has a
// record (its number comes from its ids), else by its command id.
struct MenuItemFacts {
    UINT type = 0;
    UINT state = 0;
    std::string text;
};

MenuItemFacts ReadMenuItem(HMENU menu, UINT item, bool byPosition)
{
    MenuItemFacts facts;
    char buffer[256] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = buffer;
    info.cch = sizeof(buffer) - 1;
    if (!GetMenuItemInfoA(menu, item, byPosition, &info))
        return facts;
    facts.type = info.fType;
    facts.state = info.fState;
    facts.text = buffer;
    return facts;
}

}  // namespace

void InstallMenuItemPainter()
{
    g_menuItemPainter = PaintSkinMenuItem;
}

void PaintSkinMenuItem(int formNumber, const DRAWITEMSTRUCT& item)
{
    if (FindSkinnedMenu(reinterpret_cast<HMENU>(item.hwndItem)) == 0)
        return;
    const SkinFormRecord* form = SkinFormAt(formNumber);
    PaintMenuItem(form ? form->hwnd : nullptr, item);
}

void PaintMenuItem(HWND owner, const DRAWITEMSTRUCT& item)
{
    const SkinFormRecord* form = SkinFormOfWindow(owner);
    HWND menuWindow = WindowFromDC(item.hDC);
    TakeOverMenuWindow(menuWindow);
    if (menuWindow)
        PaintMenuBorder(menuWindow);

    const int w = item.rcItem.right - item.rcItem.left;
    const int h = item.rcItem.bottom - item.rcItem.top;
    HDC dc = CreateMemoryDC(w, h);
    if (!dc)
        return;
    PaintItemBackground(dc, w, h, form, item.rcItem);
    PaintMenuItemContent(item, dc);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, dc, 0, 0, SRCCOPY);
    ReleaseMemoryDC(dc);
}

void PaintMenuItemContent(const DRAWITEMSTRUCT& item, HDC dc)
{
    const int w = item.rcItem.right - item.rcItem.left;
    const int h = item.rcItem.bottom - item.rcItem.top;
    HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
    const int itemNumber = ItemNumberOfId(SkinMenuItemId(item.itemID, item.itemData));
    const SkinMenuItemRecord* record = SkinMenuItemAt(FindSkinnedMenu(menu), itemNumber);
    const MenuItemFacts facts = record ? ReadMenuItem(menu, static_cast<UINT>(itemNumber - 1), true)
                                       : ReadMenuItem(menu, item.itemID, false);

    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, dc);
    if (facts.type & MFT_SEPARATOR) {
        DrawSeparator(graphics, w, h);
        return;
    }
    const bool checked = (facts.state & MFS_CHECKED) != 0;
    const float fh = static_cast<float>(h);
    if (checked)
        DrawPicture(graphics, MakeTintedTickImage(), 3, static_cast<float>((h - 14) / 2), 14, 14);
    if ((facts.state & MFS_HILITE) || (item.itemState & ODS_SELECTED))
        DrawHighlight(graphics, w, h);

    CaptionStyle style;
    style.face = record ? record->fontFace : "宋体";
    style.size = static_cast<float>(record ? record->fontSize : 12);
    style.style = record ? record->fontStyle : 0;
    style.colour = (item.itemState & ODS_DISABLED) ? kDisabledText : (record ? record->textColour : kBlack);
    style.lineAlignment = 1;
    DrawCaption(graphics, record ? record->text : facts.text, RectF{kTextLeft, 2, static_cast<float>(w - kTextLeft), fh},
                style);

    if (record && !record->picture.empty() && !checked)
        DrawPicture(graphics, record->picture, 2, static_cast<float>((h - 16) / 2), 16, 16);
    graphics.Flush();
}

void PaintMenuBorder(HWND menuWindow)
{
    RECT r = {};
    GetWindowRect(menuWindow, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC dc = CreateMemoryDC(w, h);
    if (!dc)
        return;
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachOpaqueGraphics(graphics, surface, dc);
        const float fw = static_cast<float>(w), fh = static_cast<float>(h);
        FillArea(graphics, {0, 0, fw, fh}, MakeArgbColor(g_skinBaseColour));
        FillWhiteVeil(graphics, fw, fh);
        GdipPath outer;
        MakeRoundRectPath(outer, 0, 0, fw - 1, fh - 1, 4);
        StrokePath(graphics, outer, MakeArgbColor(kBlack, 120));
        StrokePath(graphics, outer, MakeArgbColor(g_themeColour, 50));
        GdipPath inner;
        MakeRoundRectPath(inner, 1, 1, fw - 3, fh - 3, 4);
        StrokePath(graphics, inner, MakeArgbColor(kWhite, 250));
        graphics.Flush();
    }
    HDC window = GetWindowDC(menuWindow);
    const RECT inside = GetNonClientOffsets(menuWindow);
    ExcludeClipRect(window, inside.left, inside.top, inside.right, inside.bottom);
    BitBlt(window, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    ReleaseDC(menuWindow, window);
    ReleaseMemoryDC(dc);
}

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        return 0;
    if (message == WM_NCDESTROY) {
        // The window goes: give it its own procedure back and take the property away.
        WNDPROC previous = GetWindowPropHandle<WNDPROC>(window, kPropHwProc);
        if (previous)
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, kPropHwProc);
        return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
    }
    return CallPreviousProc(window, message, wParam, lParam);
}
