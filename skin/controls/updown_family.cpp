#include "skin/controls/updown_family.h"

#include <commctrl.h>

#include <memory>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/arrow_pictures.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/message_words.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"

namespace {

constexpr char kUpDownClass[] = "msctls_updown32";
constexpr int kCorner = 3;
constexpr int kAntiAlias = 4;
constexpr int kHighQuality = 2;

SIZE WindowSize(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// 0 the first half, 1 the second, for a control of that size.
int HalfOf(const SIZE& size, bool horizontal, LPARAM point)
{
    if (horizontal)
        return static_cast<int16_t>(LowWord(point)) > size.cx / 2 ? 1 : 0;
    return HighWord(point) > size.cy / 2 ? 1 : 0;
}

struct UpDownButton {
    float x, y, w, h;           // rounded rectangle
    PointF from, to;            // gradient
    ArrowPicture arrow;
    float arrowX, arrowY;       // where the button's half starts; the arrow is centred in the half
};

// One half is halfWidth x halfHeight; its arrow is drawn at its own size in the half's middle, fractions
// kept.
void DrawUpDownButton(GdipGraphics& graphics, const UpDownButton& b, float halfWidth, float halfHeight, bool active,
                      bool pressed, bool lighterAtRest)
{
    GdipPath path;
    MakeRoundRectPath(path, b.x, b.y, b.w, b.h, kCorner);
    LinearGradient gradient{b.from, b.to, 0, 0};
    uint32_t pen = MakeArgbColor(kBlack, 100);
    if (active && pressed) {
        gradient.from = MakeArgbColor(g_themeColour, 100);
        gradient.to = MakeArgbColor(kWhite, 150);
        pen = MakeArgbColor(g_themeColour, 200);
    } else if (active) {
        gradient.from = MakeArgbColor(kWhite, 100);
        gradient.to = MakeArgbColor(g_themeColour, 150);
        pen = MakeArgbColor(g_themeColour, 200);
    } else {
        gradient.from = MakeArgbColor(kWhite, lighterAtRest ? 60 : 20);
        gradient.to = MakeArgbColor(g_themeColour, 100);
    }
    FillPathGradient(graphics, path, gradient);
    GdipBitmap arrow;
    if (LoadArrowBitmap(b.arrow, arrow)) {
        const float iw = static_cast<float>(arrow.GetImageWidth());
        const float ih = static_cast<float>(arrow.GetImageHeight());
        graphics.DrawImageRectRect(arrow, b.arrowX + (halfWidth - iw) / 2, b.arrowY + (halfHeight - ih) / 2, iw, ih);
    }
    StrokePath(graphics, path, pen);
}

void PaintOwnUpDown(HWND window)
{
    PaintOwnRecord(window, &SkinFormRecord::upDowns, [](int form, int index) { PaintUpDown(form, index); });
}

}  // namespace

void SkinUpDowns(int formNumber, HWND parent)
{
    ForEachNewChild(formNumber, parent, kUpDownClass, &SkinFormRecord::upDowns, [formNumber](HWND child) {
        auto record = std::make_unique<SkinUpDownRecord>();
        record->hwnd = child;
        record->horizontal = HasStyleBits(GetWindowLongPtrA(child, GWL_STYLE), UDS_HORZ);
        RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->upDowns, std::move(record), UpDownWndProc);
    });
}

int HitTestUpDownPart(int formNumber, int listIndex, LPARAM point)
{
    const SkinUpDownRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::upDowns);
    return record ? HalfOf(WindowSize(record->hwnd), record->horizontal, point) : 0;
}

void PaintUpDown(int formNumber, int listIndex, std::optional<bool> hotArgument, std::optional<bool> pressedArgument,
                 std::optional<LPARAM> pointArgument)
{
    const SkinUpDownRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::upDowns);
    if (!record)
        return;
    const bool hot = hotArgument.value_or(record->hot);
    const bool pressed = pressedArgument.value_or(record->pressed);
    const LPARAM point = pointArgument.value_or(record->pressPoint);
    const SIZE size = WindowSize(record->hwnd);
    const int w = size.cx;
    const int h = size.cy;
    const bool horizontal = record->horizontal;
    // K x L: the size of one half.
    const int k = horizontal ? w / 2 : w;
    const int l = horizontal ? h : h / 2;
    const int active = hot ? HalfOf(size, horizontal, point) : -1;

    const float fk = static_cast<float>(k);
    const float fl = static_cast<float>(l);
    UpDownButton first{0, 0, fk - 1, fl - 1, PointF{0, 0}, horizontal ? PointF{fk - 1, 0} : PointF{0, fl - 1},
                       horizontal ? ArrowPicture::kLeft : ArrowPicture::kUp, 0, 0};
    UpDownButton second = horizontal
        ? UpDownButton{fk, 0, fk - 1, fl - 1, PointF{fk - 1, 0}, PointF{static_cast<float>(w), 0},
                       ArrowPicture::kRight, fk, 0}
        : UpDownButton{0, fl, fk - 1, fl - 1, PointF{0, fl}, PointF{0, static_cast<float>(h)},
                       ArrowPicture::kDown, 0, fl};

    HDC memory = RenderOverBackground(record->hwnd, w, h, [&](GdipGraphics& graphics) {
        graphics.SetSmoothingMode(kAntiAlias);
        graphics.SetCompositingQuality(kHighQuality);
        GdipPath base;
        MakeRoundRectPath(base, 0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), kCorner);
        FillPathSolid(graphics, base, MakeArgbColor(kWhite, 160));
        DrawUpDownButton(graphics, first, fk, fl, active == 0, pressed, !horizontal);
        DrawUpDownButton(graphics, second, fk, fl, active == 1, pressed, false);
    });
    if (!memory)
        return;
    BlitToControl(record->hwnd, memory);
    HDC dc = GetWindowDC(record->hwnd);
    BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
    ReleaseDC(record->hwnd, dc);
    ReleaseMemoryDC(memory);
}

LRESULT CALLBACK UpDownWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinUpDownRecord> own = LookUpOwnRecord(window, &SkinFormRecord::upDowns);
    if (!own.record)
        return CallPreviousProc(window, message, wParam, lParam);
    SkinUpDownRecord& record = *own.record;
    switch (message) {
    case WM_MOUSEMOVE: {
        const int part = HitTestUpDownPart(own.formNumber, own.listIndex, lParam);
        if (EnterControlHover(window, *own.form, own.listIndex, kHoverUpDowns, part != record.hotPart)) {
            PaintUpDown(own.formNumber, own.listIndex, true, std::nullopt, lParam);
            record.hot = true;
        }
        record.hotPart = part;
        break;
    }
    case WM_MOUSELEAVE:
        own.form->prevHotIndex = 0;
        record.hot = false;
        PaintUpDown(own.formNumber, own.listIndex, false);
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        PaintUpDown(own.formNumber, own.listIndex);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT:
        // Drawn through the window's DC; DefWindowProcA validates the window.
        PaintOwnUpDown(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_LBUTTONDOWN:
        record.pressed = true;
        record.pressPoint = lParam;
        break;
    case WM_LBUTTONUP:
        record.pressed = false;
        record.pressPoint = lParam;
        break;
    case WM_NCPAINT:
        return 1;
    default:
        break;
    }
    return CallPreviousProc(window, message, wParam, lParam);
}
