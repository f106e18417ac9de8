#include "skin/custom/nav_bar_painting.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_path_gradient.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_string_format.h"
#include "skin/controls/canvas_backgrounds.h"
#include "skin/controls/focus_mark.h"
#include "skin/controls/make_point.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/caption_button_pictures.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"
#include "skin/custom/custom_control_frame.h"
#include "skin/custom/nav_bar.h"
#include "skin/custom/nav_bar_images.h"

namespace {

constexpr COLORREF kDisabledCaption = 0x606060;
constexpr int kCombineReplace = 0;
constexpr int kCombineXor = 3;
constexpr int kSmoothingAntiAlias = 4;
constexpr int kUnitPixel = 2;
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 5;
constexpr int kCaptionGap = 3;  // between the picture and a caption under it

uint32_t White(int alpha)
{
    return MakeArgbColor(kWhite, static_cast<BYTE>(alpha));
}

uint32_t Black(int alpha)
{
    return MakeArgbColor(kBlack, static_cast<BYTE>(alpha));
}

// The item's rectangle cut to whole pixels.
struct ItemBox {
    int x, y, w, h;
};

ItemBox BoxOf(const RectF& r)
{
    return ItemBox{static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.width),
                   static_cast<int>(r.height)};
}

void FillVertically(GdipGraphics& g, const GdipPath& path, float x, float top, float bottom, uint32_t topColour,
                    uint32_t bottomColour)
{
    FillPathGradient(g, path, LinearGradient{MakePoint(x, top), MakePoint(x, bottom), topColour, bottomColour});
}

void OutlineRound(GdipGraphics& g, uint32_t colour, float x, float y, float w, float h, int corner)
{
    GdipPath path;
    MakeRoundRectPath(path, x, y, w, h, corner);
    StrokePath(g, path, colour);
}

// A soft ring between the outline and the shadow box 3 pixels below it, darkest at `centre`.
void ShadowRing(GdipGraphics& g, const ItemBox& b, uint32_t centre, const RectF* keepInside)
{
    const float x = static_cast<float>(b.x), y = static_cast<float>(b.y);
    const float w = static_cast<float>(b.w), h = static_cast<float>(b.h);
    GdipPath shadow;
    MakeRoundRectPath(shadow, x, y, w - 1, h + 2, 8);
    GdipPath outline;
    MakeRoundRectPath(outline, x, y, w - 1, h - 1, 5);
    g.SetClipPath(shadow, kCombineReplace);
    g.SetClipPath(outline, kCombineXor);
    FillPathRadial(g, shadow, centre, White(0), 0.8f);
    g.ResetClip();
    if (keepInside)
        g.SetClipRect(keepInside->x, keepInside->y, keepInside->width, keepInside->height, kCombineReplace);
}

void DrawDivider(GdipGraphics& g, const ItemBox& b, int splitOffset)
{
    const float top = b.y + 0.1f * b.h;
    const float bottom = b.y + 0.9f * b.h;
    for (int side = 0; side < 2; ++side) {
        const float d = static_cast<float>(b.x + splitOffset + side);
        const COLORREF colour = side == 0 ? kBlack : kWhite;
        GdipLinearGradientBrush brush;
        brush.CreateLineBrush(MakePoint(d, top), MakePoint(d, bottom), MakeArgbColor(colour, 100),
                              MakeArgbColor(colour, 10));
        GdipPen pen;
        pen.CreatePenFromBrush(brush, 1);
        g.DrawLine(pen, d, top, d, bottom);
    }
}

// The hover layer at alpha a: gloss, shadow ring and both outlines; invisible at a = 0.
void PaintHoverLayer(GdipGraphics& g, const ItemBox& b, int layout, int a, const RectF* keepInside)
{
    const float x = static_cast<float>(b.x), y = static_cast<float>(b.y);
    const float w = static_cast<float>(b.w), h = static_cast<float>(b.h);
    if (layout == 1) {
        // Stays on the surface for the items drawn after this one.
        g.SetSmoothingMode(kSmoothingAntiAlias);
        GdipPath inner;
        MakeRoundRectPath(inner, x + 1, y + 1, w - 3, h - 3, 5);
        FillVertically(g, inner, x + 1, y + 1, y + h - 2, White(a), White(a / 10));
    } else {
        GdipPath gloss;
        gloss.CreatePath();
        AddTopRoundedRectPath(gloss, b.x + 1, b.y + 1, b.w - 3, (b.h - 2) / 2, 5);
        FillVertically(g, gloss, x + 1, y + 1, y + 1 + h / 2, White(a), White(a / 20));
        GdipPath glow;
        glow.CreatePath();
        glow.AddPathArc(x + 1, y + 0.65f * h, w - 3, 0.65f * h, 180, 180);
        GdipPathGradientBrush brush;
        brush.CreatePathGradientFromPath(glow);
        brush.SetPathGradientCenterPoint(MakePoint(x + w / 2, y + h));
        brush.SetPathGradientCenterColor(White(a));
        brush.SetPathGradientSurroundColorsWithCount(std::vector<uint32_t>{White(0)});
        g.FillPath(brush, glow);
    }
    ShadowRing(g, b, Black(a), keepInside);
    OutlineRound(g, Black(a), x, y, w - 1, h - 1, 5);
    OutlineRound(g, White(a), x + 1, y + 1, w - 3, h - 3, 5);
}

void PaintPressedOrChecked(GdipGraphics& g, const ItemBox& b, bool pressed, bool horizontal, const RectF* keepInside)
{
    const float x = static_cast<float>(b.x), y = static_cast<float>(b.y);
    const float w = static_cast<float>(b.w), h = static_cast<float>(b.h);
    OutlineRound(g, Black(120), x, y, w - 1, h - 1, 5);
    if (horizontal)
        ShadowRing(g, b, Black(250), keepInside);
    OutlineRound(g, White(150), x + 1, y + 1, w - 3, h - 3, 5);
    GdipPath fill;
    fill.CreatePath();
    if (pressed) {
        AddTopRoundedRectPath(fill, b.x + 1, b.y + 1, b.w - 3, b.h - 2, 5);
        FillVertically(g, fill, x + 1, y + 1, y + h - 1, White(0), White(100));
    } else {
        AddRoundRectPath(fill, x + 1, y + 1, w - 3, h, 5);
        FillVertically(g, fill, x + 1, y + 1, y + h + 2, White(100), White(10));
    }
}

// Icon files are told by their first bytes (00 00 01 00) or by the icon format: Wine's GDI+ reports
// an icon file's raw format as BMP.
bool HasIconHeader(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    unsigned char head[4] = {};
    DWORD read = 0;
    const bool ok = ReadFile(file, head, sizeof(head), &read, nullptr) && read == sizeof(head);
    CloseHandle(file);
    return ok && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0;
}

void DrawIconFile(GdipGraphics& g, HDC surfaceDc, const NavBarItem& item, float left, float top, float side)
{
    HICON icon = LoadIconFromFile(item.imagePath);
    if (!icon)
        return;
    if (!item.disabled) {
        // Straight into the surface's context, with the icon's own mask or alpha.
        HDC dc = surfaceDc ? surfaceDc : g.GetDC();
        if (dc) {
            DrawIconEx(dc, static_cast<int>(left), static_cast<int>(top), icon, static_cast<int>(side),
                       static_cast<int>(side), 0, nullptr, DI_NORMAL);
            GdiFlush();
        }
        if (dc && !surfaceDc)
            g.ReleaseDC(dc);
    } else {
        GdipBitmap grey;
        if (grey.CreateBitmapFromStream(ConvertIconToPng(icon, true)))
            g.DrawImageRectRect(grey, left, top, side, side);
    }
    DestroyIcon(icon);
}

// The item's picture scaled into side x side; a picture that cannot be read leaves the square empty.
void DrawItemPicture(GdipGraphics& g, HDC surfaceDc, const NavBarItem& item, float left, float top, float side)
{
    GdipBitmap picture;
    if (!item.imagePath.empty()) {
        if (HasIconHeader(item.imagePath)) {
            DrawIconFile(g, surfaceDc, item, left, top, side);
            return;
        }
        if (!picture.CreateBitmapFromFile(item.imagePath))
            return;
        if (picture.GetImageRawFormat() == kImageFormatIcon) {
            picture.DisposeBitmap();
            DrawIconFile(g, surfaceDc, item, left, top, side);
            return;
        }
        if (item.disabled)
            MakeDerivedItemImage(picture);
    } else if (!item.disabled) {
        // Decoded once and kept: every hover-fade step draws the picture again.
        if (std::shared_ptr<const DecodedPicture> decoded = DecodeSmallPicture(item.image))
            DrawDecodedPicture(g, *decoded, left, top, side, side);
        return;
    } else {
        if (!picture.CreateBitmapFromStream(item.image))
            return;
        // The same pixels MakeDerivedItemImagePng gives, without encoding and decoding them again.
        MakeDerivedItemImage(picture);
    }
    g.DrawImageRectRect(picture, left, top, side, side);
}

void DrawItemCaption(GdipGraphics& g, const NavBarRecord& bar, const NavBarItem& item, const RectF& box, int alignment,
                 int lineAlignment)
{
    const COLORREF textColour = item.disabled ? kDisabledCaption : bar.textColour;
    const COLORREF haloColour = item.disabled ? kWhite : bar.haloColour;
    const float size = static_cast<float>(bar.fontSize);
    if (bar.haloText) {
        SkinTextStyle style;
        style.glowOffset = 1;
        style.fontName = bar.fontName;
        style.fontSize = size;
        style.alignment = 1;
        DrawSkinText(g, item.caption, box, textColour, haloColour, style);
        return;
    }
    if (bar.fontSet) {
        GlowTextStyle style;
        style.blurFactor = 4;
        style.fontName = bar.fontName;
        style.fontSize = size;
        style.alignment = alignment;
        style.lineAlignment = lineAlignment;
        DrawTextGdiPlus(g, item.caption, box, textColour, haloColour, style);
        return;
    }
    COLORREF plain = bar.captionColour;
    if (item.disabled)
        plain = kDisabledCaption;
    else if (bar.inverseCaptions)
        plain = ~g_skinBaseColour & 0xFFFFFF;
    CaptionStyle style;
    style.face = bar.fontName;
    style.size = size;
    style.unit = kUnitPixel;
    style.colour = plain;
    style.alignment = alignment;
    style.lineAlignment = lineAlignment;
    DrawCaption(g, item.caption, box, style);
}

// The colour of an enabled item's caption.
COLORREF CaptionColourOf(const NavBarRecord& bar)
{
    if (bar.haloText || bar.fontSet)
        return bar.textColour;
    return bar.inverseCaptions ? ~g_skinBaseColour & 0xFFFFFF : bar.captionColour;
}

// Picture and caption by the caption and the layout.
void PaintContent(GdipGraphics& g, HDC surfaceDc, const NavBarRecord& bar, const NavBarItem& item,
                  const ItemBox& b)
{
    const float x = static_cast<float>(b.x), y = static_cast<float>(b.y);
    const float w = static_cast<float>(b.w), h = static_cast<float>(b.h);
    const float drop = static_cast<float>(item.dropWidth);
    if (item.caption.empty()) {
        const float side = 0.7f * (w - drop);
        DrawItemPicture(g, surfaceDc, item, x + (w - drop - side) / 2, y + (h - side) / 2, side);
    } else if (item.layout == 0) {
        const float side = std::min(0.8f * (h - bar.fontSize), w - drop - 4);
        const float top = y + std::floor(0.05f * h);
        DrawItemPicture(g, surfaceDc, item, x + (w - drop - side) / 2, top, side);
        DrawItemCaption(g, bar, item, MakeRect(x, top + side + kCaptionGap, w - drop, h - side), 1, 0);
    } else if (item.layout == 1) {
        const float side = 0.8f * h;
        DrawItemPicture(g, surfaceDc, item, x + 3, y + (h - side) / 2, side);
        DrawItemCaption(g, bar, item, MakeRect(x + side + 2, y + 2, w - drop - side - 7, h - 2), 0, 1);
    }
}

// The drop-down arrow: a dark grey triangle pointing down, 7 wide at its top row, 1 at its fourth;
// the fifth row is empty.
bool MakeDropArrow(GdipBitmap& arrow)
{
    if (!arrow.CreateBitmapFromScan0Default(kArrowWidth, kArrowHeight))
        return false;
    constexpr uint32_t kArrowColour = 0xFF3C3C3C;
    for (int row = 0; row < 4; ++row)
        for (int x = row; x < kArrowWidth - row; ++x)
            arrow.BitmapSetPixel(x, row, kArrowColour);
    return true;
}

void DrawDropArrow(GdipGraphics& g, const ItemBox& b, const RectF& exact, int splitOffset)
{
    GdipBitmap arrow;
    if (MakeDropArrow(arrow))
        g.DrawImageRectRect(arrow, static_cast<float>(b.x + splitOffset + 2), exact.y + (b.h - kArrowHeight) / 2.0f,
                            kArrowWidth, kArrowHeight);
}

// The bar's own fill colour over the area; a back colour of 0 means none.
void FillBackColour(GdipGraphics& g, const NavBarRecord& bar, const RectF& area)
{
    if (bar.backColour == 0)
        return;
    GdipSolidBrush fill;
    fill.CreateSolidFill(MakeArgbColor(bar.backColour, static_cast<BYTE>(bar.backAlpha)));
    g.FillRectangle(fill, area.x, area.y, area.width, area.height);
}

}  // namespace

void PaintNavBarBackground(const NavBarRecord& bar, GdipGraphics& surface)
{
    GdipPen dark;
    dark.CreatePen(Black(60), 1);
    GdipPen light;
    light.CreatePen(White(150), 1);
    const float from = 4;
    for (int n : bar.separators) {
        if (!RecordAt(bar.items, n))
            continue;
        const RectF& r = bar.itemRects[static_cast<size_t>(n) - 1];
        if (bar.vertical == 0) {
            const float p = static_cast<float>(static_cast<int>(r.x + r.width + 3));
            const float to = static_cast<float>(bar.itemHeight - 4);
            surface.DrawLine(dark, p, from, p, to);
            surface.DrawLine(light, p + 1, from, p + 1, to);
        } else {
            const float p = static_cast<float>(static_cast<int>(r.y + r.height + 3));
            const float to = static_cast<float>(bar.itemWidth - 4);
            surface.DrawLine(dark, from, p, to, p);
            surface.DrawLine(light, from, p + 1, to, p + 1);
        }
    }
}

void PaintNavItem(GdipGraphics& surface, const NavBarRecord& bar, int item, const NavItemLook& look,
                  const RectF* keepInside, HDC surfaceDc)
{
    const NavBarItem* record = RecordAt(bar.items, item);
    if (!record || record->hidden)
        return;
    const RectF& exact = bar.itemRects[static_cast<size_t>(item) - 1];
    const ItemBox b = BoxOf(exact);
    if (record->dropWidth > 0 && (look.hot || look.pressed || record->checked) && !record->disabled)
        DrawDivider(surface, b, record->splitOffset);
    if (!record->disabled) {
        if (record->checked || look.pressed)
            PaintPressedOrChecked(surface, b, look.pressed, bar.vertical == 0, keepInside);
        else
            PaintHoverLayer(surface, b, record->layout, look.overlayAlpha, keepInside);
    }
    PaintContent(surface, surfaceDc, bar, *record, b);
    if (record->dropWidth > 0)
        DrawDropArrow(surface, b, exact, record->splitOffset);
    if (item == bar.focusItem && bar.hwnd && GetFocus() == bar.hwnd)
        DrawFocusMark(surface, static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                      static_cast<float>(b.h), CaptionColourOf(bar));
}

void PaintNavBar(HWND window, HDC paintDc)
{
    NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (!RenewKeptPicture(window, bar->memoryDC))
        return;
    DrawOnKeptPicture(bar->memoryDC, [&](GdipGraphics& surface) {
        FillBackColour(surface, *bar, MakeRect(0, 0, static_cast<float>(width), static_cast<float>(height)));
        PaintNavBarBackground(*bar, surface);
        for (int i = 1; i <= RecordCount(bar->items); ++i)
            PaintNavItem(surface, *bar, i, NavItemLook(), nullptr, bar->memoryDC);
    });
    BlitToControl(window, bar->memoryDC);
    CopyPictureToWindow(window, bar->memoryDC, client, paintDc);
    bar->dirty = false;
}

void DrawNavItem(HWND window, int item, GdipGraphics* surface, const NavItemLook& look, HDC target)
{
    const NavBarRecord* bar = FindNavBar(window);
    const NavBarItem* record = bar ? RecordAt(bar->items, item) : nullptr;
    if (!record || record->hidden)
        return;
    if (surface) {
        PaintNavItem(*surface, *bar, item, look);
        return;
    }
    if (!bar->memoryDC)
        return;
    const ItemBox b = BoxOf(bar->itemRects[static_cast<size_t>(item) - 1]);
    const RECT restore = {b.x, b.y, b.x + b.w, b.y + b.h + 3};
    PaintBackgroundInSkinCanvas(window, bar->memoryDC, restore);
    DrawOnKeptPicture(bar->memoryDC, [&](GdipGraphics& own) {
        const RectF area = MakeRect(static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                                    static_cast<float>(b.h + 3));
        FillBackColour(own, *bar, area);
        own.SetClipRect(static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                        static_cast<float>(b.h), kCombineReplace);
        PaintNavItem(own, *bar, item, look, &area, bar->memoryDC);
    });
    CopyPictureToWindow(window, bar->memoryDC, restore, target);
}

void RedrawNavItem(HWND window, int item, bool hot)
{
    NavItemLook look;
    look.hot = hot;
    DrawNavItem(window, item, nullptr, look);
}
