#include "skin/controls/static_family.h"

#include <cmath>
#include <memory>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/window_rects.h"

namespace {

constexpr char kStaticClass[] = "Static";
constexpr COLORREF kTextColour = 0x000000;
constexpr int kGlowBlur = 4;

int KindOf(LONG_PTR style)
{
    if (HasStyleBits(style, SS_ICON))
        return kStaticKindIcon;
    if (HasStyleBits(style, SS_BITMAP))
        return kStaticKindBitmap;
    return kStaticKindText;
}

int ImageAlignmentOf(LONG_PTR style)
{
    if (HasStyleBits(style, SS_CENTERIMAGE))
        return kImageCentred;
    if (HasStyleBits(style, SS_REALSIZECONTROL))
        return kImageStretched;
    if (HasStyleBits(style, SS_RIGHTJUST))
        return kImageAtBottomRight;
    return kImageAtTopLeft;
}

// True when the text holds nothing but ASCII spaces and full-width spaces (GBK A1 A1).
bool IsBlankText(const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ')
            continue;
        if (c == 0xA1 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA1) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

HANDLE IconOrBitmap(HWND window)
{
    if (LRESULT icon = SendMessageA(window, STM_GETICON, 0, 0))
        return reinterpret_cast<HANDLE>(icon);
    return reinterpret_cast<HANDLE>(SendMessageA(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

HANDLE BitmapOrIcon(HWND window)
{
    if (LRESULT bitmap = SendMessageA(window, STM_GETIMAGE, IMAGE_BITMAP, 0))
        return reinterpret_cast<HANDLE>(bitmap);
    return reinterpret_cast<HANDLE>(SendMessageA(window, STM_GETICON, 0, 0));
}

void PaintOwnStatic(HWND window)
{
    PaintOwnRecord(window, &SkinFormRecord::statics, PaintStatic);
}

void DrawBitmapPicture(GdipGraphics& graphics, int w, int h, const StaticSnapshot& face)
{
    GdipBitmap picture;
    if (!picture.CreateBitmapFromHBITMAP(static_cast<HBITMAP>(face.picture))) {
        picture.DisposeBitmap();
        if (!picture.CreateBitmapFromHICON(static_cast<HICON>(face.picture)))
            return;
    }
    const float pw = static_cast<float>(picture.GetImageWidth());
    const float ph = static_cast<float>(picture.GetImageHeight());
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    switch (face.imageAlignment) {
    case kImageStretched:
        graphics.DrawImageRectRect(picture, 0, 0, fw, fh);
        break;
    case kImageCentred:
        graphics.DrawImageRectRect(picture, (fw - pw) / 2, (fh - ph) / 2, pw, ph);
        break;
    case kImageAtBottomRight:
        graphics.DrawImageRectRect(picture, fw - pw, fh - ph, pw, ph);
        break;
    default:
        graphics.DrawImageRectRect(picture, 0, 0, pw, ph);
        break;
    }
}

// The native static paints itself into a memory context that already holds the skin background.
LRESULT PaintNatively(HWND window, WPARAM wParam, LPARAM lParam)
{
    RECT rc = {};
    GetClientRect(window, &rc);
    HDC memory = CreateBackgroundDC(window, RECT{0, 0, rc.right, rc.bottom});
    if (!memory)
        return CallPreviousProc(window, WM_PAINT, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    CallPreviousProc(window, WM_PAINT, reinterpret_cast<WPARAM>(memory), lParam);
    BitBlt(dc, 0, 0, rc.right, rc.bottom, memory, 0, 0, SRCCOPY);
    EndPaint(window, &ps);
    ReleaseMemoryDC(memory);
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

// A picture static without a picture (a message box's icon place when the box has no icon) shows
// what lies behind it: its native paint would fill it with the plain window colour.
LRESULT PaintBackgroundOnly(HWND window, WPARAM wParam, LPARAM lParam)
{
    RECT rc = {};
    GetClientRect(window, &rc);
    HDC memory = CreateBackgroundDC(window, RECT{0, 0, rc.right, rc.bottom});
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (memory)
        BitBlt(dc, 0, 0, rc.right, rc.bottom, memory, 0, 0, SRCCOPY);
    EndPaint(window, &ps);
    ReleaseMemoryDC(memory);
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

// Rectangles, frames and etched lines share the icon kind's style bits but draw themselves.
bool IsDrawnShape(HWND window)
{
    const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & SS_TYPEMASK;
    return (type >= SS_BLACKRECT && type <= SS_WHITEFRAME) || (type >= SS_ETCHEDHORZ && type <= SS_ETCHEDFRAME);
}

LRESULT OnPaint(HWND window, const SkinStaticRecord& record, WPARAM wParam, LPARAM lParam)
{
    if (record.kind != kStaticKindText && IconOrBitmap(window) == nullptr)
        return IsDrawnShape(window) ? PaintNatively(window, wParam, lParam)
                                    : PaintBackgroundOnly(window, wParam, lParam);
    if (record.kind == kStaticKindText && IsBlankText(GetWindowTextAsText(window)))
        return PaintNatively(window, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    PaintOwnStatic(window);
    EndPaint(window, &ps);
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

// The static's own alignment plays no part: the text starts at the top left, just left of the
// control, in a box wide enough for the glow.
RectF StaticTextBox(const StaticSnapshot& face, int width, float height)
{
    return MakeRect(-2, 0, static_cast<float>(width + face.fontSize + 10), height);
}

GlowTextStyle StaticTextStyle(const StaticSnapshot& face)
{
    GlowTextStyle style;
    style.blurFactor = kGlowBlur;
    style.fontName = face.fontFace;
    style.fontStyle = face.fontStyle;
    style.fontSize = static_cast<float>(face.fontSize);
    return style;
}

}  // namespace

int FindStaticIndex(int formNumber, HWND window)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    return form ? FindListIndex(form->statics, window) : 0;
}

void SkinStatics(int formNumber, HWND parent, int extraWidth)
{
    ForEachNewChild(formNumber, parent, kStaticClass, &SkinFormRecord::statics, [&](HWND child) {
        // The overlay scroll bars of edit boxes and lists are statics the skin made and paints itself.
        if (GetPropA(child, kPropOverlayOwner))
            return;
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        auto record = std::make_unique<SkinStaticRecord>();
        record->hwnd = child;
        const ControlFontInfo font = GetControlFontInfo(child);
        record->fontFace = font.face;
        record->fontSize = font.size != 0 ? font.size : 12;
        record->fontStyle = font.style;
        record->kind = KindOf(style);
        if (record->kind != kStaticKindText) {
            record->imageAlignment = ImageAlignmentOf(style);
        } else {
            const RECT r = GetRectInAncestorClient(child);
            SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left + extraWidth, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
        RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->statics, std::move(record), StaticWndProc);
    });
}

bool TakeStaticSnapshot(HWND window, StaticSnapshot& face)
{
    const SkinStaticRecord* record = FindOwnRecord(window, &SkinFormRecord::statics);
    if (!record)
        return false;
    face.kind = record->kind;
    face.imageAlignment = record->imageAlignment;
    face.fontFace = record->fontFace;
    face.fontSize = record->fontSize;
    face.fontStyle = record->fontStyle;
    face.text.clear();
    face.picture = nullptr;
    if (record->kind == kStaticKindText)
        face.text = GetWindowTextAsText(window);
    else if (record->kind == kStaticKindBitmap)
        face.picture = BitmapOrIcon(window);
    else
        face.picture = reinterpret_cast<HANDLE>(SendMessageA(window, STM_GETICON, 0, 0));
    return true;
}

void DrawStaticFace(HDC dc, int w, int h, const StaticSnapshot& face)
{
    if (face.kind == kStaticKindIcon) {
        HICON icon = static_cast<HICON>(face.picture);
        if (!icon)
            return;
        if (face.imageAlignment == kImageStretched)
            DrawIconEx(dc, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
        else
            DrawIcon(dc, 0, 0, icon);
        return;
    }
    // Black text stays readable over a dark theme by turning white (its glow then dark).
    const COLORREF text = face.kind == kStaticKindText ? ReadableTextColour(kTextColour, MeanColourOf(dc)) : kTextColour;
    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, dc);
    if (face.kind == kStaticKindBitmap) {
        if (face.picture)
            DrawBitmapPicture(graphics, w, h, face);
        return;
    }
    DrawTextGdiPlus(graphics, face.text, StaticTextBox(face, w, static_cast<float>(h)), text, HaloColourFor(text),
                    StaticTextStyle(face));
}

SIZE StaticTextReach(const StaticSnapshot& face, int width)
{
    const RectF box = StaticTextBox(face, width, 100000.0f);
    const RectF lines = MeasureGlowText(face.text, box, StaticTextStyle(face));
    // DrawTextGdiPlus draws the text one pixel right of and below its box.
    return SIZE{static_cast<LONG>(std::ceil(box.x + 1 + lines.width)),
                static_cast<LONG>(std::ceil(box.y + 1 + lines.height))};
}

void PaintStatic(int formNumber, int listIndex)
{
    const SkinStaticRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::statics);
    if (!record)
        return;
    const HWND window = record->hwnd;
    StaticSnapshot face;
    if (!TakeStaticSnapshot(window, face))
        return;
    // A bitmap static without a picture shows nothing of the skin's; its own repaint follows.
    if (face.kind == kStaticKindBitmap && !face.picture)
        return;
    RECT rc = {};
    GetClientRect(window, &rc);
    HDC memory = CreateBackgroundDC(window, RECT{0, 0, rc.right, rc.bottom});
    if (!memory)
        return;
    DrawStaticFace(memory, rc.right, rc.bottom, face);
    HDC dc = ExcludeChildrenFromClip(window);
    BitBlt(dc, 0, 0, rc.right, rc.bottom, memory, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    ReleaseMemoryDC(memory);
}

LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const SkinStaticRecord* record = FindOwnRecord(window, &SkinFormRecord::statics);
    if (!record)
        return CallPreviousProc(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        // The brush pair a skinned parent handed out goes with the static, and its properties with it.
        FreeControlColourObjects(window);
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        InvalidateRect(window, nullptr, TRUE);
        break;
    case WM_ERASEBKGND:
        return EraseWithTextColour(window, wParam);
    case WM_PAINT:
        return OnPaint(window, *record, wParam, lParam);
    case WM_SETTEXT:
        // Painted with the old text; the native code then stores the new one and repaints.
        PaintOwnStatic(window);
        break;
    default:
        break;
    }
    return CallPreviousProc(window, message, wParam, lParam);
}
