#include "skin/core/caption_buttons.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/caption_button_pictures.h"
#include "skin/core/caption_title.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/frame_surface.h"
#include "skin/core/frame_layout.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr int kSmoothingAntiAlias = 4;
constexpr float kCloseCorner = 5;

struct ButtonGeometry {
    int x = 0;       // bx: one pixel left of the button's rectangle
    int y = 0;       // one below the strip's top
    int rectY = 0;   // the rectangle's own top, used by the hover layers
    int width = 0;
    int height = 0;
};

ButtonGeometry GeometryOf(const SkinFormRecord& form, const CaptionButtonRecord& button)
{
    ButtonGeometry g;
    g.x = static_cast<int>(button.rect.x - 1);
    g.y = form.captionStrip.y + 1;
    g.rectY = static_cast<int>(button.rect.y);
    g.width = button.width;
    g.height = button.height;
    return g;
}

void FillVertical(GdipGraphics& graphics, const GdipPath& path, float x, float y0, float y1, uint32_t top,
                  uint32_t bottom)
{
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(PointF{x, y0}, PointF{x, y1}, top, bottom);
    graphics.FillPath(brush, path);
}

// Whether a white glyph would not stand out from the caption behind the button (a near-white theme or
// a light sky).
bool LightBehind(const SkinFormRecord& form, float x, float y, float width, float height)
{
    if (!form.captionCacheDc)
        return false;
    const RECT area = {static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x + width), static_cast<LONG>(y + height)};
    return ReadableTextColour(kWhite, MeanColourOfArea(form.captionCacheDc, area)) != kWhite;
}

// Whether the picture's opaque pixels are light on the whole (a white glyph).
bool LightGlyph(const DecodedPicture& picture)
{
    unsigned long long sum = 0, count = 0;
    for (const uint32_t pixel : picture.argb) {
        if ((pixel >> 24) < 128)
            continue;
        sum += ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
        ++count;
    }
    return count > 0 && sum / count >= 3 * 160;
}

void DrawPicture(GdipGraphics& graphics, const SkinFormRecord& form, const CaptionButtonRecord& button, float x,
                 float y, float width, float height)
{
    const bool restore = button.kind == kCaptionMaximize && form.maximized;
    const auto picture = DecodeSmallPicture(restore ? button.altImage : button.image);
    if (!picture)
        return;
    // A light glyph turns dark over a light caption (a near-white theme, a light sky).
    if (LightGlyph(*picture) && LightBehind(form, x, y, width, height)) {
        DecodedPicture dark = *picture;
        for (uint32_t& pixel : dark.argb)
            pixel = (pixel & 0xFF000000u) | (~pixel & 0x00FFFFFFu);
        DrawDecodedPicture(graphics, dark, x, y, width, height);
        return;
    }
    DrawDecodedPicture(graphics, *picture, x, y, width, height);
}

void CopyButtonToWindow(const SkinFormRecord& form, GdipGraphics& graphics, const ButtonGeometry& g)
{
    graphics.Flush();
    HDC dc = GetDC(form.hwnd);
    BitBlt(dc, g.x, g.y, g.width, g.height, form.frameDc, g.x, g.y, SRCCOPY);
    graphics.DeleteGraphics();
    ReleaseDC(form.hwnd, dc);
}

void PaintPressed(int formNumber, const SkinFormRecord& form, const CaptionButtonRecord& button,
                  GdipGraphics& graphics, bool insideFramePaint)
{
    const ButtonGeometry g = GeometryOf(form, button);
    GdipBitmap surface;  // outlives the graphics attached through it
    if (!insideFramePaint)
        AttachGraphicsToDc(graphics, surface, form.frameDc);
    graphics.Flush();
    RestoreCaptionBackground(formNumber, RECT{g.x, g.y, g.x + g.width, g.y + g.height});
    const float x = static_cast<float>(g.x), y = static_cast<float>(g.y);
    const float w = static_cast<float>(g.width), h = static_cast<float>(g.height);
    GdipPath shape;
    shape.CreatePath();
    if (button.kind == kCaptionClose) {
        AddCloseButtonPath(shape, x, y, w, h, kCloseCorner);
        FillVertical(graphics, shape, x, y, y + h, MakeArgbColor(kRed, 255), MakeArgbColor(kWhite, 30));
    } else {
        shape.AddPathRectangle(x, y, w, h);
        FillVertical(graphics, shape, x, y, y + h, MakeArgbColor(kBlack, 80), MakeArgbColor(kWhite, 5));
    }
    DrawPicture(graphics, form, button, x, y, w - 1, h);
    if (!insideFramePaint)
        CopyButtonToWindow(form, graphics, g);
}

void StrokeSeparator(GdipGraphics& graphics, const SkinFormRecord& form, const CaptionButtonRecord& button,
                     BYTE alpha)
{
    const float lx = static_cast<float>(static_cast<int>(button.rect.x - 2));
    const float sy = static_cast<float>(form.captionStrip.y);
    const float sh = static_cast<float>(form.captionStrip.height);
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(PointF{lx, sy}, PointF{lx, sy + sh - 3}, MakeArgbColor(kBlack, alpha),
                          MakeArgbColor(kBlack, 0));
    GdipPen pen;
    pen.CreatePenFromBrush(brush, 1);
    graphics.DrawLine(pen, lx, sy + 1, lx, sy + sh - 4);
}

}  // namespace

void AddCloseButtonPath(GdipPath& path, float x, float y, float width, float height, float r)
{
    path.AddPathLine(x, y + height, x, y);
    path.AddPathLine(x, y, x + width - r, y);
    path.AddPathArc(x + width - r, y, r, r, 270, 90);
    path.AddPathLine(x + width, y + r, x + width, y + height);
}

void PaintCaptionButtonHover(GdipGraphics& graphics, int formNumber, int button, int hoverAlpha)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    const CaptionButtonRecord* record = form ? RecordAt(form->captionButtons, button) : nullptr;
    if (!record)
        return;
    const ButtonGeometry g = GeometryOf(*form, *record);
    graphics.Flush();
    RestoreCaptionBackground(formNumber, RECT{g.x - 1, g.rectY, g.x + g.width + 2, g.rectY + g.height + 1});
    // At alpha 0 every layer below is transparent and changes no pixel: only the wipe shows.
    if (hoverAlpha == 0)
        return;
    const float x = static_cast<float>(g.x), y = static_cast<float>(g.rectY);
    const float w = static_cast<float>(g.width), h = static_cast<float>(g.height);
    const BYTE level = static_cast<BYTE>(hoverAlpha);
    const bool close = record->kind == kCaptionClose;

    GdipPath shade;
    shade.CreatePath();
    AddTopRoundedRectPath(shade, g.x, g.rectY, g.width, g.height, 1);
    FillVertical(graphics, shade, x, y, y + h + 1, MakeArgbColor(kBlack, static_cast<BYTE>(hoverAlpha / 5)),
                 MakeArgbColor(kWhite, 0));

    if (close) {
        GdipPath colour;
        colour.CreatePath();
        AddCloseButtonPath(colour, x, y, w, h, kCloseCorner);
        FillVertical(graphics, colour, x, y, y + h + 1, MakeArgbColor(kRed, level), MakeArgbColor(kWhite, 0));
    } else {
        FillVertical(graphics, shade, x, y, y + h + 1, MakeArgbColor(g_themeColour, level), MakeArgbColor(kWhite, 0));
    }

    GdipPath rim;
    rim.CreatePath();
    const int rimHeight = static_cast<int>(g.height * 0.8);
    if (close)
        AddCloseButtonPath(rim, x, y, w - 1, static_cast<float>(rimHeight), kCloseCorner);
    else
        AddTopRoundedRectPath(rim, g.x, g.rectY, g.width - 1, rimHeight, 1);
    GdipLinearGradientBrush rimBrush;
    rimBrush.CreateLineBrush(PointF{x, y}, PointF{x, y + h + 1},
                             MakeArgbColor(kWhite, static_cast<BYTE>(hoverAlpha * 0.8)), MakeArgbColor(kWhite, 0));
    GdipPen pen;
    pen.CreatePenFromBrush(rimBrush, 1);
    graphics.DrawPath(pen, rim);
}

void PaintCaptionSeparators(int formNumber, int button, GdipGraphics& graphics)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    const CaptionButtonRecord* record = form ? RecordAt(form->captionButtons, button) : nullptr;
    if (!record)
        return;
    StrokeSeparator(graphics, *form, *record, button == 1 ? 100 : 60);
    if (const CaptionButtonRecord* next = RecordAt(form->captionButtons, button + 1))
        StrokeSeparator(graphics, *form, *next, 60);
}

void PaintCaptionButtons(int formNumber, int button, GdipGraphics& graphics, bool insideFramePaint, bool pressed,
                         int hoverAlpha)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    const CaptionButtonRecord* record = form ? RecordAt(form->captionButtons, button) : nullptr;
    if (!record || !form->frameDc)
        return;
    if (pressed) {
        PaintPressed(formNumber, *form, *record, graphics, insideFramePaint);
        return;
    }
    const ButtonGeometry g = GeometryOf(*form, *record);
    GdipBitmap surface;  // outlives the graphics attached through it
    if (!insideFramePaint) {
        AttachGraphicsToDc(graphics, surface, form->frameDc);
        graphics.SetSmoothingMode(kSmoothingAntiAlias);
    }
    PaintCaptionButtonHover(graphics, formNumber, button, hoverAlpha);
    const float x = static_cast<float>(g.x), y = static_cast<float>(g.y);
    const float w = static_cast<float>(g.width), h = static_cast<float>(g.height);
    GdipLinearGradientBrush gloss;
    gloss.CreateLineBrush(PointF{x, y}, PointF{x, y + h}, MakeArgbColor(kWhite, 50), MakeArgbColor(kBlack, 0));
    graphics.FillRectangle(gloss, x - 1, y, w + 1, h - 1);
    DrawPicture(graphics, *form, *record, x, y, w, h);
    PaintCaptionSeparators(formNumber, button, graphics);
    if (!insideFramePaint)
        CopyButtonToWindow(*form, graphics, g);
}

bool AddTitleBarButton(HWND formWindow, const std::string& picture, const std::string& tooltip,
                       SkinCallback callback)
{
    int n = 0;
    SkinFormRecord* form = SkinFormOfWindow(formWindow, &n);
    if (!form)
        return false;
    form->captionStrip.width += 27;
    auto button = std::make_unique<CaptionButtonRecord>();
    button->width = 26;
    button->height = 18;
    button->kind = kCaptionCustom;
    button->image = picture;
    button->tipText = tooltip;
    button->callback = callback;
    form->captionButtons.insert(form->captionButtons.begin(), std::move(button));
    form->tooltipCount = RecordCount(form->captionButtons);
    form->tooltip.AddTool(RECT{}, tooltip, form->tooltipCount);
    LayoutCaptionButtons(n);
    return true;
}
