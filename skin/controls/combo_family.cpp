#include "skin/controls/combo_family.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "skin/controls/arrow_pictures.h"
#include "skin/controls/control_colour_brushes.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/back_buffer_copies.h"
#include "skin/controls/make_point.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/window_rects.h"

namespace {

constexpr char kEditClass[] = "Edit";
constexpr char kListClass[] = "ComboLBox";
constexpr COLORREF kKey = 0xFF00FF;
constexpr LONG_PTR kSimpleBit = 0x1;    // CBS_SIMPLE; with the drop-down bit, CBS_DROPDOWNLIST
constexpr LONG_PTR kDropDownBit = 0x2;  // CBS_DROPDOWN
constexpr int kTextSize = 12;
constexpr WPARAM kNoRegion = static_cast<WPARAM>(-1);

// The child windows that show through the box: with the simple bit every child (a simple combo box's
// edit field and list, the list shrunk by 2 on each side); otherwise the first child, the edit field
// of a drop-down combo box.
std::vector<RECT> HolesOf(HWND combo, LONG_PTR style)
{
    std::vector<RECT> holes;
    HWND child = nullptr;
    while ((child = FindWindowExA(combo, child, nullptr, nullptr)) != nullptr) {
        RECT r = GetWindowRectInParent(child);
        if (GetWindowClassName(child) == kListClass)
            InflateRect(&r, -2, -2);
        holes.push_back(r);
        if (!HasStyleBits(style, kSimpleBit))
            break;
    }
    return holes;
}

bool IsEditNotification(int code)
{
    return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
}

void DrawButton(GdipGraphics& graphics, const ComboSnapshot& box)
{
    const float bx = static_cast<float>(box.button.left);
    const float by = static_cast<float>(box.button.top);
    const float bw = static_cast<float>(box.button.right - box.button.left);
    const float bh = static_cast<float>(box.button.bottom - box.button.top);
    GdipPath path;
    MakeRoundRectPath(path, bx, by, bw - 1, bh - 1, 4);
    // Focus does not change the button's outline.
    StrokePath(graphics, path, box.hot ? MakeArgbColor(g_themeColour, 200) : MakeArgbColor(kBlack, 80));
    MakeRoundRectPath(path, bx + 1, by + 1, bw - 2, bh - 2, 1);
    const uint32_t from = box.hot ? MakeArgbColor(kWhite, 100) : MakeArgbColor(g_themeColour, 30);
    const uint32_t to = box.hot ? MakeArgbColor(g_themeColour, 150) : MakeArgbColor(g_themeColour, 100);
    FillPathGradient(graphics, path, {MakePoint(bx + 1, by), MakePoint(bx + 1, by + bh - 2), from, to});
    GdipBitmap arrow;
    if (!LoadArrowBitmap(ArrowPicture::kDown, arrow))
        return;
    const float iw = static_cast<float>(arrow.GetImageWidth());
    const float ih = static_cast<float>(arrow.GetImageHeight());
    graphics.DrawImageRectRect(arrow, bx + (bw - iw) / 2, by + (bh - ih) / 2, iw, ih);
}

void PaintOwnCombo(const OwnRecord<SkinComboRecord>& own, std::optional<bool> hot, std::optional<bool> focused)
{
    PaintComboBox(own.formNumber, own.listIndex, hot, focused);
}

}  // namespace

ComboSnapshot TakeComboSnapshot(const SkinComboRecord& record, bool hot, std::optional<bool> focused)
{
    ComboSnapshot box;
    HWND combo = record.hwnd;
    RECT r = {};
    GetWindowRect(combo, &r);
    box.width = r.right - r.left;
    box.height = r.bottom - r.top;
    box.style = GetWindowLongPtrA(combo, GWL_STYLE);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)))
        box.button = info.rcButton;
    box.hot = hot;
    box.focused = focused.value_or(record.focused);
    box.veil = g_veilEnabled;
    box.veilAlpha = g_veilAlpha;
    box.holes = HolesOf(combo, box.style);
    if (HasStyleBits(box.style, kSimpleBit | kDropDownBit)) {
        box.text = GetWindowTextAsText(combo);
        box.textColour = static_cast<COLORREF>(GetWindowProp(combo, kPropKjTextColour));
        // Through the veil the field shows the theme: a dark one wants white text.
        if (box.veil) {
            if (HBITMAP background = MakeVeiledBackgroundBitmap(combo)) {
                box.textColour = ReadableTextColour(box.textColour, MeanColourOfBitmap(background));
                DeleteObject(background);
            }
        }
    }
    return box;
}

void DrawComboFace(GdipGraphics& graphics, const ComboSnapshot& box)
{
    const float w = static_cast<float>(box.width);
    const float h = static_cast<float>(box.height);
    FillVeil(graphics, 0, 0, w, h, box.veil ? box.veilAlpha : 255);

    for (const RECT& hole : box.holes) {
        graphics.SetClipRect(static_cast<float>(hole.left), static_cast<float>(hole.top),
                             static_cast<float>(hole.right - hole.left), static_cast<float>(hole.bottom - hole.top));
        graphics.GraphicsClear(MakeArgbColor(kKey, 255));
    }
    graphics.ResetClip();

    GdipPen frame;
    frame.CreatePen(box.hot || box.focused ? MakeArgbColor(g_themeColour, 200) : MakeArgbColor(kBlack, 80), 1);
    graphics.DrawRectangle(frame, 0, 0, w - 1, h - 1);

    if (HasStyleBits(box.style, kDropDownBit))
        DrawButton(graphics, box);

    if (HasStyleBits(box.style, kSimpleBit | kDropDownBit) && !box.text.empty()) {
        GdipFont font;
        font.CreateFontFromName("宋体", kTextSize);
        GdipSolidBrush ink;
        ink.CreateSolidFill(MakeArgbColor(box.textColour, 255));
        graphics.DrawString(box.text, font, ink, RectF{2, (h - kTextSize) / 2, w - 17, h - 4});
    }
}

void PaintComboBox(int formNumber, int listIndex, std::optional<bool> hot, std::optional<bool> focused)
{
    const SkinComboRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::comboBoxes);
    if (!record)
        return;
    const ComboSnapshot box = TakeComboSnapshot(*record, hot.value_or(false), focused);
    HWND combo = record->hwnd;
    HDC memory = RenderOverBackground(combo, box.width, box.height,
                                      [&](GdipGraphics& graphics) { DrawComboFace(graphics, box); });
    if (!memory)
        return;
    // The holes leave what the child windows drew, on the screen and in the back buffer.
    HDC dc = GetWindowDC(combo);
    for (const RECT& hole : box.holes)
        ExcludeClipRect(dc, hole.left, hole.top, hole.right, hole.bottom);
    BitBlt(dc, 0, 0, box.width, box.height, memory, 0, 0, SRCCOPY);
    TransparentBlitToControl(combo, memory, kKey);
    ReleaseDC(combo, dc);
    ReleaseMemoryDC(memory);
}

LRESULT CALLBACK ComboBoxWindowProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinComboRecord> own = LookUpOwnRecord(combo, &SkinFormRecord::comboBoxes);
    if (!own.record)
        return CallPreviousProc(combo, message, wParam, lParam);
    SkinComboRecord& record = *own.record;
    const WNDPROC previous = record.previousProc;

    switch (message) {
    case WM_MOUSEMOVE:
        if (EnterControlHover(combo, *own.form, own.listIndex, kHoverComboBoxes))
            PaintOwnCombo(own, true, std::nullopt);
        break;
    case WM_MOUSELEAVE:
        PaintOwnCombo(own, false, std::nullopt);
        own.form->prevHotIndex = 0;
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(combo);
        break;
    case WM_MOVE:
        PaintOwnCombo(own, std::nullopt, std::nullopt);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(combo, &ps);
        PaintOwnCombo(own, std::nullopt, std::nullopt);
        EndPaint(combo, &ps);
        return DefWindowProcA(combo, message, wParam, lParam);
    }
    case WM_SETFOCUS:
        record.focused = true;
        PaintOwnCombo(own, false, true);
        break;
    case WM_KILLFOCUS:
        record.focused = false;
        break;
    case WM_SETTEXT:
        // A box with an edit field shows the new text there: repaint it all.
        if (FindWindowExA(combo, nullptr, kEditClass, nullptr))
            InvalidateRect(combo, nullptr, TRUE);
        break;
    case WM_CTLCOLOREDIT:
        if (g_veilEnabled)
            return reinterpret_cast<LRESULT>(
                VeiledControlBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        break;
    case WM_COMMAND:
        if (g_veilEnabled && g_skinChildControls && IsEditNotification(HIWORD(wParam)) &&
            GetWindowClassName(reinterpret_cast<HWND>(lParam)) == kEditClass)
            InvalidateRect(reinterpret_cast<HWND>(lParam), nullptr, TRUE);
        break;
    case WM_NCPAINT:
        PaintOwnCombo(own, std::nullopt, std::nullopt);
        return DefWindowProcA(combo, WM_NCPAINT, kNoRegion, lParam);
    default:
        break;
    }
    return CallRecordedProc(previous, combo, message, wParam, lParam);
}
