#include "skin/core/frame_painting.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_string_format.h"
#include "gdiplus/gdip_texture.h"
#include "skin/core/caption_button_pictures.h"
#include "skin/core/caption_buttons.h"
#include "skin/core/caption_title.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/frame_painting_border.h"
#include "skin/core/frame_painting_picture.h"
#include "skin/core/frame_surface.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

constexpr int kFormCorner = 5;
constexpr int kWrapTileFlipX = 1;
constexpr int kUnitPixel = 2;

struct ClientSize {
    int width = 0;
    int height = 0;
};

ClientSize ClientSizeOf(HWND window)
{
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

bool HasTint(COLORREF colour)
{
    return static_cast<int>(colour) >= 0;
}

bool IsDibOfSize(HGDIOBJ bitmap, int width, int height)
{
    DibPixels pixels;
    return DibPixelsOf(static_cast<HBITMAP>(bitmap), pixels) && pixels.width == width && pixels.height == height;
}

// Gives the frame context a client-sized DIB and returns it; the bitmap the context was made with is
// kept in Ck_Ycjdx for the release. The DIB of the last paint (in Ck_wtjbdx) is kept while the size is
// the same, as every pixel is painted again and fresh pages cost more than the paint itself under Wine;
// else it is deleted. (A new context holds a plain 1 x 1 bitmap, never a DIB section.)
HBITMAP RenewFrameBitmap(SkinFormRecord& form, const ClientSize& size)
{
    if (!form.frameDc)
        form.frameDc = CreateCompatibleDC(nullptr);
    HGDIOBJ current = GetCurrentObject(form.frameDc, OBJ_BITMAP);
    if (IsDibOfSize(current, size.width, size.height))
        return static_cast<HBITMAP>(current);
    HBITMAP dib = CreateDib32(size.width, size.height);
    HGDIOBJ previous = SelectObject(form.frameDc, dib);
    if (!GetPropA(form.hwnd, kPropFramePrevBitmap))
        SetWindowProp(form.hwnd, kPropFramePrevBitmap, reinterpret_cast<LONG_PTR>(previous));
    else if (previous)
        DeleteObject(previous);
    SetWindowProp(form.hwnd, kPropFrameBitmap, reinterpret_cast<LONG_PTR>(dib));
    return dib;
}

// The caption band as painted so far (background, tint, gloss, border), before title and buttons. The
// copy's DIB is kept while its size is the same.
void RenewCaptionCopy(SkinFormRecord& form, const ClientSize& size)
{
    if (form.captionCacheDc && GetCurrentObject(form.captionCacheDc, OBJ_BITMAP) == form.captionCacheBitmap &&
        IsDibOfSize(form.captionCacheBitmap, size.width, form.captionHeight)) {
        BitBlt(form.captionCacheDc, 0, 0, size.width, form.captionHeight, form.frameDc, 0, 0, SRCCOPY);
        return;
    }
    if (form.captionCacheDc) {
        SelectObject(form.captionCacheDc, form.captionCacheOldBitmap);
        DeleteObject(form.captionCacheBitmap);
        DeleteDC(form.captionCacheDc);
    }
    form.captionCacheDc = CreateCompatibleDC(nullptr);
    form.captionCacheBitmap = CreateDib32(size.width, form.captionHeight);
    form.captionCacheOldBitmap = static_cast<HBITMAP>(SelectObject(form.captionCacheDc, form.captionCacheBitmap));
    BitBlt(form.captionCacheDc, 0, 0, size.width, form.captionHeight, form.frameDc, 0, 0, SRCCOPY);
}

// The back buffer is copied from the frame; its DIB is kept while the size is the same.
void RenewBackBuffer(SkinFormRecord& form, const ClientSize& size)
{
    if (form.backBufferDc && IsMemoryDcRegistered(form.backBufferDc) &&
        IsDibOfSize(GetCurrentObject(form.backBufferDc, OBJ_BITMAP), size.width, size.height)) {
        // A control's publishing leaves no clipping behind, but the whole frame must arrive.
        SelectClipRgn(form.backBufferDc, nullptr);
        BitBlt(form.backBufferDc, 0, 0, size.width, size.height, form.frameDc, 0, 0, SRCCOPY);
        return;
    }
    ReleaseMemoryDC(form.backBufferDc);
    form.backBufferDc = CreateMemoryDC(size.width, size.height);
    if (form.backBufferDc)
        BitBlt(form.backBufferDc, 0, 0, size.width, size.height, form.frameDc, 0, 0, SRCCOPY);
}

void FillSolid(GdipGraphics& graphics, uint32_t argb, float x, float y, float width, float height)
{
    GdipSolidBrush brush;
    brush.CreateSolidFill(argb);
    graphics.FillRectangle(brush, x, y, width, height);
}

void FillVerticalGradient(GdipGraphics& graphics, float x, float y, float width, float height, uint32_t top,
                          uint32_t bottom)
{
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(PointF{x, y}, PointF{x, y + height}, top, bottom);
    graphics.FillRectangle(brush, x, y, width, height);
}

// While PaintFormFrame paints a frame with its own graphics, which draws straight into the frame's
// DIB, the large layers are blended into those pixels here. Called on their own, the layer functions
// draw everything with the graphics they are given. Per thread: each UI thread paints its own forms.
struct DirectFrame {
    HDC frameDc = nullptr;
    DibPixels pixels;
};
thread_local const DirectFrame* g_directFrame = nullptr;

class ScopedDirectFrame {
public:
    explicit ScopedDirectFrame(const DirectFrame* frame) : previous_(g_directFrame) { g_directFrame = frame; }
    ~ScopedDirectFrame() { g_directFrame = previous_; }
    ScopedDirectFrame(const ScopedDirectFrame&) = delete;
    ScopedDirectFrame& operator=(const ScopedDirectFrame&) = delete;

private:
    const DirectFrame* previous_;
};

// The frame's pixels, with GDI+'s drawing so far finished, when the form's frame is being painted
// directly; false when the layer is to be drawn with the graphics.
bool DirectPixels(GdipGraphics& graphics, const SkinFormRecord& form, DibPixels& pixels)
{
    if (!g_directFrame || !form.frameDc || g_directFrame->frameDc != form.frameDc)
        return false;
    graphics.Flush();
    GdiFlush();
    pixels = g_directFrame->pixels;
    return true;
}

// Every pixel of the frame picture becomes the colour; filled directly, the pixels GraphicsClear
// gives in a fraction of its time under Wine.
void ClearFrame(GdipGraphics& graphics, const SkinFormRecord& form, uint32_t argb)
{
    DibPixels pixels;
    if (!DirectPixels(graphics, form, pixels)) {
        graphics.GraphicsClear(argb);
        return;
    }
    for (int y = 0; y < pixels.height; ++y)
        std::fill(pixels.Row(y), pixels.Row(y) + pixels.width, argb);
}

// A solid translucent fill of whole pixels, blended directly exactly as GDI+ blends it.
void FillTint(GdipGraphics& graphics, const SkinFormRecord& form, uint32_t argb, int x, int y, int width, int height)
{
    DibPixels pixels;
    if (DirectPixels(graphics, form, pixels))
        FillOver(pixels, x, y, width, height, argb);
    else
        FillSolid(graphics, argb, static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                  static_cast<float>(height));
}

// The caption gloss, a vertical gradient over the caption band: GDI+ gives each row's colour, the rows
// are blended directly.
void FillGloss(GdipGraphics& graphics, const SkinFormRecord& form, int width, int height, uint32_t top,
               uint32_t bottom)
{
    DibPixels pixels;
    if (DirectPixels(graphics, form, pixels)) {
        const std::vector<uint32_t> rows = VerticalGradientRows(0, height, top, bottom);
        if (rows.size() == static_cast<size_t>(height)) {
            FillRowsOver(pixels, 0, 0, width, height, rows.data());
            return;
        }
    }
    FillVerticalGradient(graphics, 0, 0, static_cast<float>(width), static_cast<float>(height), top, bottom);
}

void DrawPicture(GdipGraphics& graphics, const SkinFormRecord& form, const ClientSize& size)
{
    GdipBitmap bitmap;
    if (!PrepareSkinBitmap(FindSkinnedWindow(form.hwnd), bitmap))
        return;
    const bool own = !form.backgroundImage.empty();
    const int mode = own ? form.imageMode : g_skinImageMode;
    const float pw = static_cast<float>(bitmap.GetImageWidth());
    const float ph = static_cast<float>(bitmap.GetImageHeight());
    const float cw = static_cast<float>(size.width);
    const float ch = static_cast<float>(size.height);
    switch (mode) {
    case 0:
    case 4:
        graphics.DrawImage(bitmap, 0, 0);
        break;
    case 1:
        graphics.DrawImage(bitmap, cw - pw, 0);
        break;
    case 2:
        graphics.DrawImageRectRect(bitmap, (cw - pw) / 2, (ch - ph) / 2, pw, ph);
        break;
    case 3:
        graphics.DrawImageRectRect(bitmap, 0, 0, cw, ch);
        break;
    default:
        break;
    }
}

// The picture layer when the frame is painted directly: drawn once per picture, placement and size,
// on the frame's own pixels (which are cleared next), and kept. 0 without a picture.
std::shared_ptr<const PictureLayer> PictureLayerOf(GdipGraphics& graphics, const SkinFormRecord& form,
                                                   const ClientSize& size)
{
    const bool own = !form.backgroundImage.empty();
    const std::string& picture = own ? form.backgroundImage : g_skinImage;
    const int mode = own ? form.imageMode : g_skinImageMode;
    DibPixels pixels;
    if (picture.empty() || mode < 0 || mode > 4 || !DirectPixels(graphics, form, pixels))
        return nullptr;
    // Mode 0 draws the picture at its natural size at (0, 0), whatever the client size.
    return FramePictureLayer(picture, mode, mode == 0, pixels,
                             [&](GdipGraphics& onLayer) { DrawPicture(onLayer, form, size); });
}

// True when the window already has the rounded region of its client size; giving it again costs a
// round trip to the display and a repaint. The regions are compared by their pixels: the copy the
// window hands back is cut into other rectangles than a new one, which EqualRgn tells apart.
bool HasRoundRegion(HWND formWindow, const RECT& client)
{
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    HRGN wanted = CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, kFormCorner, kFormCorner);
    HRGN difference = CreateRectRgn(0, 0, 0, 0);
    const bool same = current && wanted && difference && GetWindowRgn(formWindow, current) != ERROR &&
                      CombineRgn(difference, current, wanted, RGN_XOR) == NULLREGION;
    DeleteObject(current);
    DeleteObject(wanted);
    DeleteObject(difference);
    return same;
}

}  // namespace

void ApplyRoundRegion(HWND formWindow)
{
    RECT client = {};
    GetClientRect(formWindow, &client);
    if (HasRoundRegion(formWindow, client))
        return;
    SetWindowRgn(formWindow, nullptr, TRUE);
    SetWindowPos(formWindow, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    RECT r = {};
    GetClientRect(formWindow, &r);
    SetRoundRegion(formWindow, kFormCorner, r.right, r.bottom);
}

bool PrepareSkinBitmap(int formNumber, GdipBitmap& bitmap)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return false;
    const bool own = !form->backgroundImage.empty();
    const std::string& picture = own ? form->backgroundImage : g_skinImage;
    const int mode = own ? form->imageMode : g_skinImageMode;
    if (picture.empty() || mode < 0 || mode > 4)
        return false;
    if (mode != 4)
        return bitmap.CreateBitmapFromStream(picture);

    GdipImage tile;
    if (!tile.LoadImageFromStream(picture))
        return false;
    const ClientSize size = ClientSizeOf(form->hwnd);
    const int height = tile.GetImageHeight();
    if (!bitmap.CreateBitmapFromScan0Default(size.width, height, kPixelFormat32bppArgb))
        return false;
    GdipGraphics graphics;
    graphics.CreateFromImage(bitmap);
    GdipTextureBrush mirrored;
    mirrored.CreateTexture(tile, kWrapTileFlipX);
    graphics.FillRectangle(mirrored, 0, 0, static_cast<float>(size.width), static_cast<float>(height));
    return true;
}

void PaintFrameBackground(GdipGraphics& graphics, int formNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    const ClientSize size = ClientSizeOf(form->hwnd);
    const int caption = form->captionHeight;

    // Drawn directly, the picture is laid from its layer, which may be drawn first on these pixels.
    const auto layer = PictureLayerOf(graphics, *form, size);
    ClearFrame(graphics, *form, MakeArgbColor(form->backgroundImage.empty() ? g_skinBaseColour : form->imageColour));
    DibPixels pixels;
    if (layer && DirectPixels(graphics, *form, pixels))
        LayPictureLayer(pixels, *layer);
    else
        DrawPicture(graphics, *form, size);

    const BYTE tintAlpha = static_cast<BYTE>(form->tintAlpha);
    if (HasTint(form->tintColour)) {
        const uint32_t tint = MakeArgbColor(form->tintColour, tintAlpha);
        if (form->captionGradient)
            FillTint(graphics, *form, tint, 0, caption, size.width, size.height - caption);
        else
            FillTint(graphics, *form, tint, 0, 0, size.width, size.height);
    }
    if (form->captionGradient) {
        // The tinted gloss only for a colour above 0; black and no tint get the white one.
        if (static_cast<int>(form->tintColour) > 0)
            FillGloss(graphics, *form, size.width, caption,
                      MakeArgbColor(form->tintColour, static_cast<BYTE>(static_cast<int>(form->tintAlpha * 0.2))),
                      MakeArgbColor(form->tintColour, tintAlpha));
        else
            FillGloss(graphics, *form, size.width, caption, MakeArgbColor(kWhite, 150), MakeArgbColor(kWhite, 0));
    }
}

void PaintFrameBorder(int formNumber, GdipGraphics& graphics)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    const ClientSize size = ClientSizeOf(form->hwnd);
    DibPixels pixels;
    if (DirectPixels(graphics, *form, pixels) && pixels.width == size.width && pixels.height == size.height &&
        LayFrameBorderStrokes(pixels))
        return;
    DrawFrameBorderStrokes(graphics, size.width, size.height);
}

void PaintStatusSegment(int formNumber, GdipGraphics& graphics, int segment)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || segment < 1 || static_cast<size_t>(segment) > form->statusSegments.size() ||
        static_cast<size_t>(segment) > form->statusSegmentRects.size())
        return;
    const StatusBandSegment& part = form->statusSegments[static_cast<size_t>(segment) - 1];
    const FormRect& r = form->statusSegmentRects[static_cast<size_t>(segment) - 1];
    const float x = static_cast<float>(r.x), y = static_cast<float>(r.y);
    const float w = static_cast<float>(r.width), h = static_cast<float>(r.height);

    FillVerticalGradient(graphics, x, y, w, h, MakeArgbColor(kWhite, 60), MakeArgbColor(kWhite, 10));

    RectF text{x + 3, y + 2, w - 3, h};
    if (!part.picture.empty()) {
        // A picture that does not decode takes no room but the gap.
        const auto picture = DecodeSmallPicture(part.picture);
        float ph = picture ? static_cast<float>(picture->height) : 0;
        float pw = picture ? static_cast<float>(picture->width) : 0;
        if (ph >= form->statusHeight)
            ph = pw = static_cast<float>(static_cast<int>(form->statusHeight * 0.7));
        if (picture)
            DrawDecodedPicture(graphics, *picture, x + 2, y + (h - ph) / 2, pw, ph);
        text = RectF{x + pw + 5, y + 2, w - pw - 5, h};
    }

    if (form->statusTextGlow) {
        GlowTextStyle glow;
        glow.fontName = form->statusFont;
        glow.fontSize = static_cast<float>(form->statusSize);
        glow.lineAlignment = 1;
        DrawTextGdiPlus(graphics, part.text, text, form->statusTextColour, form->statusGlowColour, glow);
        return;
    }
    const COLORREF colour = form->statusInverseText ? (~g_skinBaseColour & 0xFFFFFF) : part.textColour;
    GdipSolidBrush brush;
    brush.CreateSolidFill(MakeArgbColor(colour));
    GdipFont font;
    font.CreateFontFromName(form->statusFont, static_cast<float>(form->statusSize), 0, kUnitPixel);
    GdipStringFormat format;
    format.CreateStringFormat(0);
    format.SetStringFormatAlign(0);
    format.SetStringFormatLineAlign(1);
    graphics.DrawString(part.text, font, brush, text, format);
}

void InvalidateWithChildren(HWND window, bool withChildren)
{
    InvalidateRect(window, nullptr, TRUE);
    if (!withChildren)
        return;
    HWND child = nullptr;
    while ((child = FindWindowExA(window, child, nullptr, nullptr)) != nullptr) {
        if (IsWindowVisible(child))
            InvalidateRect(child, nullptr, TRUE);
    }
}

void InvalidateChildControls(int formNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    const auto onForm = [form](HWND control) { return control && GetParent(control) == form->hwnd; };
    for (const auto& list : form->listControls)
        if (onForm(list->hwnd))
            InvalidateWithChildren(list->hwnd, true);
    const auto invalidate = [&](const auto& records) {
        for (const auto& record : records)
            if (onForm(record->hwnd))
                InvalidateRect(record->hwnd, nullptr, TRUE);
    };
    invalidate(form->comboBoxes);
    invalidate(form->edits);
    invalidate(form->buttons);
    invalidate(form->trackbars);
    invalidate(form->progressBars);
    invalidate(form->upDowns);
}

void PaintFormFrame(int formNumber, bool present)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    const ClientSize size = ClientSizeOf(form->hwnd);
    if (form->frameEnabled && present)
        ApplyRoundRegion(form->hwnd);
    // The region change can move the form; read the record again.
    form = SkinFormAt(formNumber);
    if (!form)
        return;
    RenewFrameBitmap(*form, size);
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachGraphicsToDc(graphics, surface, form->frameDc);
        DirectFrame direct;
        direct.frameDc = form->frameDc;
        const bool onPixels = !surface.IsEmpty() && DibPixelsOfDc(form->frameDc, direct.pixels);
        ScopedDirectFrame scope(onPixels ? &direct : nullptr);
        PaintFrameBackground(graphics, formNumber);
        if (form->frameEnabled) {
            PaintFrameBorder(formNumber, graphics);
            graphics.Flush();
            RenewCaptionCopy(*form, size);
            if (form->showTitle)
                DrawFormTitle(formNumber, graphics, true);
            for (int i = 1; i <= RecordCount(form->captionButtons); ++i)
                PaintCaptionButtons(formNumber, i, graphics, true, false, 0);
        }
        if (form->statusHeight > 0) {
            for (int i = 1; i <= static_cast<int>(form->statusSegments.size()); ++i)
                PaintStatusSegment(formNumber, graphics, i);
        }
        graphics.Flush();
    }
    RenewBackBuffer(*form, size);
    form->needsFullRepaint = false;
    ++form->framePaints;
    form->clientWidth = size.width;
    form->clientHeight = size.height;
    if (!present)
        return;
    HDC dc = ExcludeChildrenFromClip(form->hwnd);
    BitBlt(dc, 0, 0, size.width, size.height, form->frameDc, 0, 0, SRCCOPY);
    ReleaseDC(form->hwnd, dc);
    InvalidateChildControls(formNumber);
}
