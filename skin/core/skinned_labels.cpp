#include "skin/core/skinned_labels.h"

#include "gdiplus/gdip_graphics.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

constexpr int kFormatLineLimit = 0x2000;
constexpr int kFormatNoWrap = 0x1000;
constexpr int kHaloBlur = 4;

SkinnedChildRecord* LabelRecord(HWND window)
{
    return FindOwnRecord(window, &SkinFormRecord::childControls);
}

// The text starts 2 pixels left of the label, in a box 8 pixels wider than the label.
void DrawLabelText(GdipGraphics& graphics, const SkinnedChildRecord& label, const std::string& text, int width,
                   int height)
{
    const RectF layout{-2.0f, 0.0f, static_cast<float>(width + 8), static_cast<float>(height)};
    if (label.halo) {
        GlowTextStyle style;
        style.blurFactor = kHaloBlur;
        style.fontName = label.fontName;
        style.fontStyle = label.fontStyle;
        style.fontSize = static_cast<float>(label.fontSize);
        style.alignment = label.alignment;
        style.lineAlignment = label.lineAlignment;
        style.wrap = label.wrap;
        DrawTextGdiPlus(graphics, text, layout, label.textColour, label.haloColour, style);
        return;
    }
    CaptionStyle style;
    style.face = label.fontName;
    style.size = static_cast<float>(label.fontSize);
    style.style = label.fontStyle;
    style.colour = label.textColour;
    style.alignment = label.alignment;
    style.lineAlignment = label.lineAlignment;
    style.formatFlags = kFormatLineLimit | (label.wrap ? 0 : kFormatNoWrap);
    DrawCaption(graphics, text, layout, style);
}

}  // namespace

bool CreateSkinnedChildControl(HWND window, const LabelStyle& style)
{
    const int n = FindOwningSkinnedWindow(window);
    SkinFormRecord* form = SkinFormAt(n);
    if (!form || form->hwnd == window || GetPropA(window, kPropHwProc) ||
        FindListIndex(form->childControls, window) != 0)
        return false;
    auto record = std::make_unique<SkinnedChildRecord>();
    record->hwnd = window;
    record->alignment = style.alignment.value_or(0);
    record->lineAlignment = style.lineAlignment.value_or(1);
    record->wrap = style.wrap.value_or(false);
    record->textColour = style.textColour.value_or(0);
    record->halo = style.haloColour.has_value();
    record->haloColour = style.haloColour.value_or(CLR_INVALID);
    record->fontName = style.fontName.value_or("宋体");
    record->fontSize = style.fontSize.value_or(12);
    record->fontStyle = style.fontStyle.value_or(0);
    record->dirty = true;
    const int index = AppendRecord(form->childControls, std::move(record));
    const LONG_PTR previous = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinnedChildProc));
    SetWindowProp(window, kPropHwProc, previous);
    SetWindowProp(window, kPropHwFormNumber, n);
    SetWindowProp(window, kPropHwListIndex, index);
    return true;
}

void PaintSkinnedChild(HWND window, const std::optional<std::string>& text)
{
    SkinnedChildRecord* label = LabelRecord(window);
    if (!label)
        return;
    const std::string shown = text ? *text : GetWindowTextAsText(window);
    RECT client = {};
    GetClientRect(window, &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    HDC memory = RenderOverBackground(window, width, height,
                                      [&](GdipGraphics& graphics) { DrawLabelText(graphics, *label, shown, width, height); });
    if (!memory)
        return;
    BlitToControl(window, memory);
    HDC dc = ExcludeChildrenFromClip(window);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    ReleaseMemoryDC(memory);
    label->dirty = false;
}

LRESULT CALLBACK SkinnedChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SkinnedChildRecord* label = LabelRecord(window);
    if (!label)
        return CallPreviousProc(window, message, wParam, lParam);
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        label->dirty = true;
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_SHOWWINDOW:
        if (wParam == 1)
            label->dirty = true;
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (!label->dirty)
            label->dirty = FormAllowsControlRepaint(window);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (label->dirty)
            PaintSkinnedChild(window);
        else
            BlitFormBackground(window, false, false, dc);
        EndPaint(window, &ps);
        return DefWindowProcA(window, WM_PAINT, wParam, lParam);
    }
    case WM_SETTEXT: {
        // The new text shows before the label stores it.
        const char* text = reinterpret_cast<const char*>(lParam);
        PaintSkinnedChild(window, std::string(text ? text : ""));
        break;
    }
    case WM_SIZE:
        label->dirty = true;
        break;
    default:
        break;
    }
    return CallPreviousProc(window, message, wParam, lParam);
}
