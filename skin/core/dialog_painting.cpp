#include "skin/core/dialog_painting.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/caption_button_pictures.h"
#include "skin/core/frame_surface.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr int kSheenHeight = 26;

struct WindowSize {
    int width = 0;
    int height = 0;
};

WindowSize WindowSizeOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void FillSolidRect(GdipGraphics& graphics, uint32_t argb, float x, float y, float width, float height)
{
    GdipSolidBrush brush;
    brush.CreateSolidFill(argb);
    graphics.FillRectangle(brush, x, y, width, height);
}

void StrokeRoundRect(GdipGraphics& graphics, uint32_t argb, float x, float y, float width, float height, int corner)
{
    GdipPath path;
    MakeRoundRectPath(path, x, y, width, height, corner);
    StrokePath(graphics, path, argb);
}

// Layers 1 to 5 of the frame: base colour, skin picture, base veil, white veil and the caption sheen.
// Also the normal look behind the close button, within the graphics' clip.
void PaintDialogBackground(GdipGraphics& graphics, int width, int height)
{
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    FillSolidRect(graphics, MakeArgbColor(g_skinBaseColour), 0, 0, w, h);
    if (!g_skinImage.empty()) {
        GdipImage picture;
        if (picture.LoadImageFromStream(g_skinImage))
            graphics.DrawImageRectRect(picture, 0, 0, static_cast<float>(picture.GetImageWidth()),
                                       static_cast<float>(picture.GetImageHeight()));
    }
    FillSolidRect(graphics, MakeArgbColor(g_skinBaseColour, 220), 0, 0, w, h);
    FillSolidRect(graphics, MakeArgbColor(kWhite, 100), 0, 0, w, h);
    GdipLinearGradientBrush sheen;
    sheen.CreateLineBrush(PointF{0, 0}, PointF{0, 30}, MakeArgbColor(kWhite, 100), MakeArgbColor(kBlack, 20));
    graphics.FillRectangle(sheen, 0, 0, w, kSheenHeight);
}

// A new window-sized frame picture in the record's frameDc; the previous one is given back first.
void RenewDialogFrameDc(SkinFormRecord& form, const WindowSize& size)
{
    if (form.frameDc) {
        SelectObject(form.frameDc, GetWindowPropHandle<HGDIOBJ>(form.hwnd, kPropFramePrevBitmap));
        DeleteDC(form.frameDc);
        if (HGDIOBJ old = GetWindowPropHandle<HGDIOBJ>(form.hwnd, kPropFrameBitmap))
            DeleteObject(old);
    }
    form.frameDc = CreateCompatibleDC(nullptr);
    HBITMAP frame = CreateDib32(size.width, size.height);
    HGDIOBJ previous = frame ? SelectObject(form.frameDc, frame) : nullptr;
    SetWindowProp(form.hwnd, kPropFramePrevBitmap, reinterpret_cast<LONG_PTR>(previous));
    SetWindowProp(form.hwnd, kPropFrameBitmap, reinterpret_cast<LONG_PTR>(frame));
}

}  // namespace

HDC ExcludeVisibleChildrenFromWindowDc(HWND window)
{
    HDC dc = GetWindowDC(window);
    HWND child = nullptr;
    while ((child = FindWindowExA(window, child, nullptr, nullptr)) != nullptr) {
        if (!IsWindowVisible(child))
            continue;
        const RECT r = GetWindowRectInParent(child);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}

void PaintDialogCloseButton(int formNumber, int button, GdipGraphics* graphics, bool hot)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    const CaptionButtonRecord* record = form ? RecordAt(form->captionButtons, button) : nullptr;
    if (!record)
        return;
    const int x = static_cast<int>(record->rect.x), y = static_cast<int>(record->rect.y);
    const int w = static_cast<int>(record->rect.width), h = static_cast<int>(record->rect.height);
    // Decoded once: every hover change draws it again.
    const std::shared_ptr<const DecodedPicture> picture = DecodeSmallPicture(record->image);
    const auto drawPicture = [&](GdipGraphics& g) {
        if (picture)
            DrawDecodedPicture(g, *picture, static_cast<float>(x), static_cast<float>(y + 3),
                               static_cast<float>(picture->width), static_cast<float>(picture->height));
    };
    if (graphics) {
        drawPicture(*graphics);
        return;
    }
    if (!form->frameDc)
        return;
    {
        GdipBitmap surface;
        GdipGraphics own;
        AttachGraphicsToDc(own, surface, form->frameDc);
        own.SetClipRectI(x, y + 2, w - 2, h);
        if (hot) {
            GdipPath face;
            MakeRoundRectPath(face, static_cast<float>(x + 6), static_cast<float>(y + 2), static_cast<float>(w - 12),
                              static_cast<float>(h - 4), 5);
            FillPathGradient(own, face,
                             {PointF{static_cast<float>(x + 3), static_cast<float>(y + 2)},
                              PointF{static_cast<float>(x + 3), static_cast<float>(y + h - 2)}, MakeArgbColor(kWhite, 10),
                              MakeArgbColor(kRed, 200)});
            StrokePath(own, face, MakeArgbColor(kBlack, 100));
            StrokeRoundRect(own, MakeArgbColor(kWhite, 130), static_cast<float>(x + 7), static_cast<float>(y + 3),
                            static_cast<float>(w - 14), static_cast<float>(h - 6), 3);
        } else {
            const WindowSize size = WindowSizeOf(form->hwnd);
            PaintDialogBackground(own, size.width, size.height);
        }
        drawPicture(own);
        own.Flush();
    }
    HDC dc = ExcludeVisibleChildrenFromWindowDc(form->hwnd);
    BitBlt(dc, x, y, w, h, form->frameDc, x, y, SRCCOPY);
    ReleaseDC(form->hwnd, dc);
}

void PaintDialogFrame(HWND dialog)
{
    SkinFormRecord* form = SkinFormOfWindow(dialog);
    if (!form)
        return;
    const WindowSize size = WindowSizeOf(dialog);
    RenewDialogFrameDc(*form, size);
    const float w = static_cast<float>(size.width), h = static_cast<float>(size.height);
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachGraphicsToDc(graphics, surface, form->frameDc);
        PaintDialogBackground(graphics, size.width, size.height);
        StrokeRoundRect(graphics, MakeArgbColor(kBlack, 120), 0, 0, w - 1, h - 1, 5);
        StrokeRoundRect(graphics, MakeArgbColor(kWhite, 180), 1, 1, w - 3, h - 3, 3);
        if (g_appIcon) {
            graphics.Flush();
            DrawIconEx(form->frameDc, 5, 5, g_appIcon, 17, 17, 0, nullptr, DI_NORMAL);
            GdiFlush();
        }
        // The caption's glow text, drawn as text: the glyph outlines Wine makes of so small a font lose
        // their top strokes.
        GlowTextStyle title;
        title.blurFactor = 4;
        title.fontName = "黑体";
        title.fontSize = 11;
        title.alignment = 0;
        title.lineAlignment = 1;
        DrawTextGdiPlus(graphics, GetWindowTextAsText(dialog), RectF{25, 0, w - 25, 30}, kBlack, kWhite, title);
        const int n = FindSkinnedWindow(dialog);
        for (int i = 1; i <= RecordCount(form->captionButtons); ++i)
            PaintDialogCloseButton(n, i, &graphics, false);
        graphics.Flush();
    }
    HDC dc = ExcludeVisibleChildrenFromWindowDc(dialog);
    BitBlt(dc, 0, 0, size.width, size.height, form->frameDc, 0, 0, SRCCOPY);
    ReleaseDC(dialog, dc);
}
