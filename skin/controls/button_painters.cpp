#include "skin/controls/button_painters.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/tick_image.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"

namespace {

constexpr COLORREF kSilver = 0xC0C0C0;
constexpr COLORREF kGrey = 0x808080;
// The focus glow of push buttons keeps the skin's first theme colour whatever the theme is now.
constexpr COLORREF kFocusGlow = 0xDDCA22;
constexpr int kCorner = 5;
constexpr int kSmoothingAntiAlias = 4;
constexpr int kCombineXor = 3;
constexpr int kUnitWorld = 0;
constexpr int kUnitPixel = 2;
constexpr int kAlignNear = 0;
constexpr int kAlignCentre = 1;
constexpr int kHotkeyPrefixShow = 1;
constexpr int kTickWidth = 13;
constexpr int kTickHeight = 12;

uint32_t Argb(COLORREF colour, BYTE alpha)
{
    return MakeArgbColor(colour, alpha);
}

float F(int value)
{
    return static_cast<float>(value);
}

void MakeEllipse(GdipPath& path, float x, float y, float width, float height)
{
    path.CreatePath();
    path.AddPathEllipse(x, y, width, height);
}

// Silver block with a soft gradient and a rounded outline, the look of every disabled button.
void DrawDisabledLayers(GdipGraphics& graphics, int w, int h)
{
    GdipPath outline;
    MakeRoundRectPath(outline, 0, 0, F(w - 1), F(h - 1), kCorner);
    GdipSolidBrush silver;
    silver.CreateSolidFill(Argb(kSilver, 255));
    graphics.FillRectangle(silver, 0, 0, F(w), F(h));
    GdipLinearGradientBrush shade;
    shade.CreateLineBrush(PointF{0, 0}, PointF{0, F(h)}, Argb(kWhite, 50), Argb(kWhite, 50));
    shade.SetLinePresetBlend({Argb(kWhite, 50), Argb(kBlack, 10), Argb(kWhite, 50)}, {0.0f, 0.6f, 1.0f});
    graphics.FillPath(shade, outline);
    StrokePath(graphics, outline, Argb(kBlack, 80));
}

CaptionStyle CaptionOf(const ButtonFace& face, int unit, int alignment)
{
    CaptionStyle style;
    style.face = face.fontFace;
    style.size = F(face.fontSize);
    style.style = face.fontStyle;
    style.unit = unit;
    style.colour = face.textColour;
    style.alignment = alignment;
    style.lineAlignment = kAlignCentre;
    // A button's "&" marks its access key, as the system's own buttons draw it ("否(&N)").
    style.hotkeyPrefix = kHotkeyPrefixShow;
    return style;
}

// The caption of radio buttons and check boxes: after the indicator, or from x 2 when disabled.
void DrawIndicatorCaption(GdipGraphics& graphics, int w, int h, bool disabled, const ButtonFace& face)
{
    const float x = disabled ? 2.0f : 15.0f;
    DrawCaption(graphics, face.caption, RectF{x, 2, F(w), F(h)}, CaptionOf(face, kUnitPixel, kAlignNear));
}

// A ring glow: a path-gradient brush made from `ring` drawn white and then in the theme colour, the
// clip already limited to the ring.
void FillRingGlow(GdipGraphics& graphics, const GdipPath& ring)
{
    FillPathRadial(graphics, ring, Argb(kWhite, 255), Argb(kWhite, 0), 0.4f);
    FillPathRadial(graphics, ring, Argb(g_themeColour, 255), Argb(kWhite, 0), 0.3f);
}

// A picture button keeps its picture: at its own size, centred over the push-button look.
void DrawCentredPicture(GdipGraphics& graphics, int w, int h, HBITMAP picture)
{
    GdipBitmap bitmap;
    if (!bitmap.CreateBitmapFromHBITMAP(picture))
        return;
    const float pw = F(bitmap.GetImageWidth());
    const float ph = F(bitmap.GetImageHeight());
    graphics.DrawImageRectRect(bitmap, (F(w) - pw) / 2, (F(h) - ph) / 2, pw, ph);
}

// The memory context, layers, publication and copy shared by the three painters.
// With readableCaption the caption's colour turns white over a dark background (radio buttons and
// check boxes, whose caption lies on the form's background).
template <class DrawLayers>
void PaintButton(HWND window, HDC target, const RECT& rect, DrawLayers drawLayers, bool readableCaption = false)
{
    ButtonFace face;
    if (!TakeButtonFace(window, face))
        return;
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    HDC memory = RenderOverBackgroundSeen(window, w, h, [&](GdipGraphics& graphics, COLORREF background) {
        if (readableCaption)
            face.textColour = ReadableTextColour(face.textColour, background);
        drawLayers(graphics, w, h, face);
    });
    if (!memory)
        return;
    BlitToControl(window, memory);
    BitBlt(target, 0, 0, w, h, memory, 0, 0, SRCCOPY);
    ReleaseMemoryDC(memory);
}

template <class DrawLayers>
void PaintOnOwnDc(HWND window, bool readableCaption, DrawLayers drawLayers)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    HDC dc = GetDC(window);
    PaintButton(window, dc, rect, drawLayers, readableCaption);
    ReleaseDC(window, dc);
}

}  // namespace

bool TakeButtonFace(HWND window, ButtonFace& face)
{
    const SkinButtonRecord* record = FindOwnRecord(window, &SkinFormRecord::buttons);
    if (!record)
        return false;
    face.caption = record->caption;
    face.fontFace = record->fontFace;
    face.fontSize = record->fontSize;
    face.fontStyle = record->fontStyle;
    face.textColour = static_cast<COLORREF>(GetWindowProp(window, kPropKjTextColour));
    const int kind = record->kind;
    face.checked = kind != kButtonKindPush && SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (kind == kButtonKindPush && (GetWindowLongPtrA(window, GWL_STYLE) & BS_BITMAP))
        face.picture = reinterpret_cast<HBITMAP>(SendMessageA(window, BM_GETIMAGE, IMAGE_BITMAP, 0));
    return true;
}

void DrawPushButtonFace(GdipGraphics& graphics, int w, int h, UINT state, const ButtonFace& face)
{
    GdipPath outline;
    MakeRoundRectPath(outline, 0, 0, F(w - 1), F(h - 1), kCorner);
    FillPathSolid(graphics, outline, Argb(kWhite, 120));
    if (state & ODS_DISABLED) {
        DrawDisabledLayers(graphics, w, h);
    } else {
        FillPathGradient(graphics, outline, {PointF{0, 0}, PointF{0, F(h - 1)}, Argb(kWhite, 0), Argb(kGrey, 60)});
        GdipPath highlight;
        highlight.CreatePath();
        AddTopRoundedRectPath(highlight, 0, 0, w - 1, static_cast<int>(h * 0.5), kCorner);
        FillPathGradient(graphics, highlight,
                         {PointF{0, 0}, PointF{0, h * 0.5f}, Argb(kWhite, 50), Argb(kWhite, 10)});
        if (state & ODS_HOTLIGHT) {
            FillPathGradient(graphics, outline,
                             {PointF{0, 0}, PointF{0, F(h - 1)}, Argb(g_themeColour, 60), Argb(kWhite, 80)});
            FillPathGradient(graphics, outline,
                             {PointF{0, 0}, PointF{0, F(h - 1)}, Argb(kWhite, 100), Argb(g_themeColour, 30)});
            StrokePath(graphics, outline, Argb(kBlack, 150));
            StrokePath(graphics, outline, Argb(g_themeColour, 100));
        } else if (state & ODS_FOCUS) {
            graphics.SetClipPath(outline);
            DrawSoftOutline(graphics, outline, 3, kFocusGlow, 120);
            graphics.ResetClip();
            StrokePath(graphics, outline, Argb(kBlack, 80));
        } else {
            StrokePath(graphics, outline, Argb(kBlack, 120));
        }
        if (state & ODS_SELECTED) {
            GdipPath inner;
            MakeRoundRectPath(inner, 2, 2, F(w - 3), F(h - 3), kCorner);
            FillPathGradient(graphics, inner,
                             {PointF{2, 2}, PointF{2, F(h - 2)}, Argb(g_themeColour, 60), Argb(kWhite, 100)});
        }
    }
    if (face.picture)
        DrawCentredPicture(graphics, w, h, face.picture);
    else
        DrawCaption(graphics, face.caption, RectF{0, 2, F(w), F(h)}, CaptionOf(face, kUnitWorld, kAlignCentre));
}

void DrawRadioButtonFace(GdipGraphics& graphics, int w, int h, UINT state, const ButtonFace& face)
{
    const bool disabled = (state & ODS_DISABLED) != 0;
    if (disabled) {
        DrawDisabledLayers(graphics, w, h);
    } else {
        graphics.SetSmoothingMode(kSmoothingAntiAlias);
        const float cy = (h - 12) / 2.0f;
        GdipPath indicator;
        MakeEllipse(indicator, 2, cy, 12, 12);
        FillPathSolid(graphics, indicator, Argb(kWhite, 255));
        FillPathGradient(graphics, indicator,
                         {PointF{3, cy + 1}, PointF{10, cy + 11}, Argb(kBlack, 100), Argb(kBlack, 0)});
        if (state & ODS_HOTLIGHT) {
            GdipPath ring;
            MakeEllipse(ring, -1, cy - 3, 18, 18);
            graphics.SetClipPath(indicator);
            graphics.SetClipPath(ring, kCombineXor);
            FillRingGlow(graphics, ring);
            FillPathGradient(graphics, indicator,
                             {PointF{3, cy + 1}, PointF{11, cy + 12}, Argb(g_themeColour, 100), Argb(kBlack, 0)});
            graphics.ResetClip();
        }
        StrokePath(graphics, indicator, Argb(kBlack, 200));
        GdipPath highlight;
        MakeEllipse(highlight, 3, (h - 11) / 2.0f + 1, 9, 9);
        StrokePath(graphics, highlight, Argb(kWhite, 255));
        if (face.checked) {
            GdipPath dot;
            MakeEllipse(dot, 5, cy + 3, 6, 6);
            StrokePath(graphics, dot, Argb(kBlack, 150));
            StrokePath(graphics, dot, Argb(g_themeColour, 150));
            FillPathRadial(graphics, dot, Argb(kWhite, 80), Argb(g_themeColour, 255));
        }
    }
    DrawIndicatorCaption(graphics, w, h, disabled, face);
}

void DrawCheckBoxFace(GdipGraphics& graphics, int w, int h, UINT state, const ButtonFace& face)
{
    const bool disabled = (state & ODS_DISABLED) != 0;
    if (disabled) {
        DrawDisabledLayers(graphics, w, h);
    } else {
        const float cy = (h - 12) / 2.0f;
        GdipPath inside;
        inside.CreatePath();
        inside.AddPathRectangle(3, cy + 1, 11, 11);
        FillPathSolid(graphics, inside, Argb(kWhite, 255));
        FillPathGradient(graphics, inside, {PointF{0, cy}, PointF{0, cy + 12}, Argb(kBlack, 70), Argb(kWhite, 255)});
        GdipPath box;
        box.CreatePath();
        box.AddPathRectangle(2, cy, 12, 12);
        if (state & ODS_HOTLIGHT) {
            GdipPath ring;
            MakeRoundRectPath(ring, -1, cy - 3, 18, 18, 6);
            graphics.SetClipPath(box);
            graphics.SetClipPath(ring, kCombineXor);
            FillRingGlow(graphics, ring);
            graphics.ResetClip();
            const float top = (h - 11) / 2.0f;
            FillPathGradient(graphics, box,
                             {PointF{0, top}, PointF{12, top + 12}, Argb(g_themeColour, 90), Argb(kWhite, 30)});
        }
        StrokePath(graphics, box, Argb(kBlack, 150));
        GdipPath highlight;
        highlight.CreatePath();
        highlight.AddPathRectangle(4, cy + 1, 9, 10);
        StrokePath(graphics, highlight, Argb(kWhite, 255));
        if (face.checked) {
            // Drawn twice to deepen its translucent pixels. The recoloured picture reads back at a
            // resolution a hair above 96 dpi, so it is drawn into its exact size.
            GdipImage tick;
            if (tick.LoadImageFromStream(MakeTintedTickImage())) {
                for (int i = 0; i < 2; ++i)
                    graphics.DrawImageRectRect(tick, 2, cy, kTickWidth, kTickHeight);
            }
        }
    }
    DrawIndicatorCaption(graphics, w, h, disabled, face);
}

void PaintPushButton(HWND window, HDC target, UINT state, const RECT& rect)
{
    // A disabled button looks disabled whoever asks for the paint and whatever state they name.
    if (!IsWindowEnabled(window))
        state = (state & ~(ODS_HOTLIGHT | ODS_SELECTED | ODS_FOCUS)) | ODS_DISABLED;
    PaintButton(window, target, rect, [state](GdipGraphics& graphics, int w, int h, const ButtonFace& face) {
        DrawPushButtonFace(graphics, w, h, state, face);
    });
}

void PaintRadioButton(HWND window, UINT state)
{
    // A disabled one is drawn on a silver block, where its caption stays as it is.
    PaintOnOwnDc(window, !(state & ODS_DISABLED), [state](GdipGraphics& graphics, int w, int h, const ButtonFace& face) {
        DrawRadioButtonFace(graphics, w, h, state, face);
    });
}

void PaintCheckBox(HWND window, UINT state)
{
    PaintOnOwnDc(window, !(state & ODS_DISABLED), [state](GdipGraphics& graphics, int w, int h, const ButtonFace& face) {
        DrawCheckBoxFace(graphics, w, h, state, face);
    });
}
