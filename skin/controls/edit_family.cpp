#include "skin/controls/edit_family.h"

#include <memory>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_pen.h"
#include "skin/controls/combo_family.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/back_buffer_copies.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/controls/veiled_background.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/window_rects.h"

namespace {

constexpr char kEditClass[] = "Edit";
constexpr char kComboClass[] = "ComboBox";
constexpr COLORREF kKey = 0xFF00FF;
constexpr int kCombineReplace = 0;
constexpr int kCombineXor = 3;
// WM_NCPAINT with this "region" makes DefWindowProcA validate the frame without drawing any of it.
constexpr WPARAM kNoRegion = static_cast<WPARAM>(-1);

void DrawRectangleLine(GdipGraphics& graphics, float x, float y, float width, float height, uint32_t argb)
{
    GdipPen pen;
    pen.CreatePen(argb, 1);
    graphics.DrawRectangle(pen, x, y, width, height);
}

// Registers the Edit in the form's Edit list, with overlays when asked, and subclasses it.
void RegisterEdit(int formNumber, HWND edit, bool withOverlays)
{
    auto record = std::make_unique<SkinEditRecord>();
    record->hwnd = edit;
    if (withOverlays) {
        const bool visible = IsVisibleStyle(edit);
        if (HasVerticalScrollStyle(edit))
            record->verticalScrollBar = CreateVScrollOverlay(edit, visible);
        if (HasHorizontalScrollStyle(edit))
            record->horizontalScrollBar = CreateHScrollOverlay(edit, visible);
    }
    const HWND vertical = record->verticalScrollBar, horizontal = record->horizontalScrollBar;
    RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->edits, std::move(record), EditWindowProc);
    // A bar shows only where the text gives something to scroll.
    SyncOverlayWindows(edit, true, vertical, horizontal, false);
    // Black text on the pattern brush the parent hands out.
    SetWindowProp(edit, kPropKjTextColour, 0);
}

void RegisterCombo(int formNumber, HWND combo)
{
    // The box shows the text of its selected item.
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected >= 0) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
        if (length >= 0) {
            std::string text(static_cast<size_t>(length) + 1, '\0');
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&text[0]));
            SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    auto record = std::make_unique<SkinComboRecord>();
    record->hwnd = combo;
    RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->comboBoxes, std::move(record), ComboBoxWindowProc);
    HWND field = FindWindowExA(combo, nullptr, kEditClass, nullptr);
    if (field && g_veilEnabled && FindEditRecord(formNumber, field) == 0)
        RegisterEdit(formNumber, field, false);
}

void PaintFrameOf(HWND edit, const SkinEditRecord& record, std::optional<bool> focused = std::nullopt,
                  std::optional<bool> hot = std::nullopt)
{
    const EditFrameSnapshot frame = TakeEditFrameSnapshot(edit, record, focused, hot);
    // The ring reaches the screen and the back buffer; the client area is the Edit's own.
    PaintNonClientRing(edit, frame.width, frame.height, frame.client,
                       [&](GdipGraphics& graphics) { DrawEditFrameFace(graphics, frame); });
}

void SyncOwnOverlays(HWND edit, const SkinEditRecord& record, bool raise)
{
    SyncOverlayWindows(edit, true, record.verticalScrollBar, record.horizontalScrollBar, raise);
}

bool ChangesText(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        return true;
    default:
        return false;
    }
}

// After the text changed: a bar shows once there is something to scroll and goes when there is none
// any more, the ring then painted over the edit's own disabled bar.
void ShowBarsAsTheTextNeeds(HWND edit, SkinEditRecord& record)
{
    auto shown = [](HWND overlay) { return overlay && IsWindowVisible(overlay); };
    const bool verticalBefore = shown(record.verticalScrollBar);
    const bool horizontalBefore = shown(record.horizontalScrollBar);
    SyncOwnOverlays(edit, record, false);
    if (verticalBefore == shown(record.verticalScrollBar) && horizontalBefore == shown(record.horizontalScrollBar))
        return;
    PaintFrameOf(edit, record);
    RepaintScrollOverlays(edit, record, GetWindowLongPtrA(edit, GWL_STYLE));
}

void InvalidateWhenVeiledWithoutBars(HWND edit, LONG_PTR style)
{
    if (g_veilEnabled && !(style & (WS_VSCROLL | WS_HSCROLL)))
        InvalidateRect(edit, nullptr, TRUE);
}

void OnMouseMove(HWND edit, SkinEditRecord& record, SkinFormRecord& form, int listIndex, LONG_PTR style)
{
    // Another Edit of the same index under another parent counts as another control.
    HWND parent = GetParent(edit);
    if (EnterControlHover(edit, form, listIndex, kHoverEdits, form.hotEditParent != parent)) {
        form.hotEditParent = parent;
        PaintFrameOf(edit, record, std::nullopt, true);
    }
    if (record.pressed) {
        // Selecting with the mouse may scroll.
        if (!(style & (WS_VSCROLL | WS_HSCROLL)))
            InvalidateRect(edit, nullptr, TRUE);
        RepaintScrollOverlays(edit, record, style);
    }
}

}  // namespace

void SkinEditsAndCombos(int formNumber, HWND parent)
{
    ForEachNewChild(formNumber, parent, kEditClass, &SkinFormRecord::edits,
                    [formNumber](HWND edit) { RegisterEdit(formNumber, edit, true); });
    ForEachNewChild(formNumber, parent, kComboClass, &SkinFormRecord::comboBoxes,
                    [formNumber](HWND combo) { RegisterCombo(formNumber, combo); });
}

int FindEditRecord(int formNumber, HWND edit)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    return form ? FindListIndex(form->edits, edit) : 0;
}

EditFrameSnapshot TakeEditFrameSnapshot(HWND edit, const SkinEditRecord& record, std::optional<bool> focused,
                                        std::optional<bool> hot)
{
    EditFrameSnapshot frame;
    RECT r = {};
    GetWindowRect(edit, &r);
    frame.width = r.right - r.left;
    frame.height = r.bottom - r.top;
    frame.client = GetEditNonClientOffsets(edit);
    frame.borderKind = GetBorderKind(edit);
    frame.focused = focused.value_or(record.focused);
    frame.hot = hot.value_or(record.hot);
    frame.veil = g_veilEnabled;
    frame.veilAlpha = g_veilAlpha;
    return frame;
}

void DrawEditBorderLines(GdipGraphics& graphics, int width, int height, int borderKind, bool focused, bool hot)
{
    if (borderKind == kBorderNone)
        return;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    if (hot && borderKind == kBorderEdge) {
        DrawRectangleLine(graphics, 0, 0, w - 1, h - 1, MakeArgbColor(kWhite, 60));
        DrawRectangleLine(graphics, 0, 0, w - 1, h - 1, MakeArgbColor(g_themeColour, 90));
        DrawRectangleLine(graphics, 1, 1, w - 3, h - 3, MakeArgbColor(g_themeColour, 180));
        return;
    }
    DrawRectangleLine(graphics, 0, 0, w - 1, h - 1,
                      focused ? MakeArgbColor(g_themeColour, 180) : MakeArgbColor(kBlack, 80));
}

void DrawEditFrameFace(GdipGraphics& graphics, const EditFrameSnapshot& frame)
{
    const float w = static_cast<float>(frame.width);
    const float h = static_cast<float>(frame.height);
    const RECT& c = frame.client;
    graphics.SetClipRect(0, 0, w, h, kCombineReplace);
    graphics.SetClipRect(static_cast<float>(c.left), static_cast<float>(c.top), static_cast<float>(c.right - c.left),
                         static_cast<float>(c.bottom - c.top), kCombineXor);
    if (frame.veil) {
        FillVeil(graphics, 0, 0, w, h, frame.veilAlpha);
    } else {
        graphics.GraphicsClear(MakeArgbColor(kWhite, 255));
    }
    DrawEditBorderLines(graphics, frame.width, frame.height, frame.borderKind, frame.focused, frame.hot);
    graphics.ResetClip();
}

void PaintEditBorder(HWND edit, std::optional<bool> focused, std::optional<bool> hot, GdipGraphics& graphics)
{
    if (FindOwningSkinnedWindow(edit) == 0)
        return;
    if (const SkinEditRecord* record = FindOwnRecord(edit, &SkinFormRecord::edits)) {
        focused = focused.value_or(record->focused);
        hot = hot.value_or(record->hot);
    }
    RECT r = {};
    GetWindowRect(edit, &r);
    DrawEditBorderLines(graphics, r.right - r.left, r.bottom - r.top, GetBorderKind(edit), focused.value_or(false),
                        hot.value_or(false));
}

void PaintEditFrame(HWND edit, std::optional<bool> focused, std::optional<bool> hot)
{
    if (const SkinEditRecord* record = FindOwnRecord(edit, &SkinFormRecord::edits))
        PaintFrameOf(edit, *record, focused, hot);
}

void PaintEditBackground(HWND edit, HDC dc)
{
    const RECT c = GetEditNonClientOffsets(edit);
    HDC memory = MakeVeiledBackgroundDc(edit);
    if (!memory)
        return;
    BitBlt(dc, 0, 0, c.right - c.left, c.bottom - c.top, memory, 0, 0, SRCCOPY);
    ReleaseMemoryDC(memory);
}

LRESULT CALLBACK EditWindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinEditRecord> own = LookUpOwnRecord(edit, &SkinFormRecord::edits);
    if (!own.record)
        return CallPreviousProc(edit, message, wParam, lParam);
    SkinEditRecord& record = *own.record;
    const WNDPROC previous = record.previousProc;
    const auto pass = [&] { return CallRecordedProc(previous, edit, message, wParam, lParam); };

    switch (message) {
    case WM_DESTROY:
        FreeControlColourObjects(edit);
        break;
    case WM_NCDESTROY:
        DestroyScrollOverlays(record.verticalScrollBar, record.horizontalScrollBar, edit);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(edit, record, *own.form, own.listIndex, GetWindowLongPtrA(edit, GWL_STYLE));
        break;
    case WM_MOUSELEAVE:
        own.form->prevHotIndex = 0;
        PaintFrameOf(edit, record, record.focused);
        break;
    case WM_SHOWWINDOW:
        SyncOwnOverlays(edit, record, true);
        break;
    case WM_MOVE:
        if (g_veilEnabled)
            InvalidateRect(edit, nullptr, TRUE);
        SyncOwnOverlays(edit, record, false);
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(edit);
        break;
    case WM_WINDOWPOSCHANGED:
    case WM_GETMINMAXINFO:
        SyncOwnOverlays(edit, record, RaisesOverlays(message, lParam));
        break;
    case WM_ERASEBKGND:
        if (!g_veilEnabled)
            break;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        PaintEditBackground(edit, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        PaintFrameOf(edit, record);
        break;
    case WM_SETFOCUS:
        record.focused = true;
        break;
    case WM_KILLFOCUS:
        record.focused = false;
        // A combo box's edit field shows the frame at once; others repaint with their text.
        if (GetWindowClassName(GetParent(edit)) == kComboClass)
            PaintFrameOf(edit, record, std::nullopt, false);
        else
            InvalidateRect(edit, nullptr, TRUE);
        break;
    case WM_SETTEXT:
    case WM_MOUSEWHEEL:
    case WM_NCLBUTTONDOWN:
        RepaintScrollOverlays(edit, record, GetWindowLongPtrA(edit, GWL_STYLE));
        break;
    case WM_KEYDOWN: {
        const LONG_PTR style = GetWindowLongPtrA(edit, GWL_STYLE);
        InvalidateWhenVeiledWithoutBars(edit, style);
        RepaintScrollOverlays(edit, record, style);
        break;
    }
    case WM_LBUTTONDOWN:
        record.pressed = true;
        InvalidateWhenVeiledWithoutBars(edit, GetWindowLongPtrA(edit, GWL_STYLE));
        break;
    case WM_LBUTTONUP:
        record.pressed = false;
        break;
    case WM_VSCROLL:
    case WM_HSCROLL: {
        if (g_veilEnabled)
            InvalidateRect(edit, nullptr, TRUE);
        const LRESULT result = pass();
        // The bar is repainted once the Edit has scrolled.
        const bool vertical = message == WM_VSCROLL;
        RepaintScrollOverlays(edit, record, GetWindowLongPtrA(edit, GWL_STYLE), vertical, !vertical);
        return result;
    }
    case WM_NCPAINT: {
        // The Edit's own code never sees it: the ring is the skin's. DefWindowProcA validates the
        // frame; under Wine it still draws a WS_BORDER line, so the ring and the overlays come after it.
        const LRESULT result = DefWindowProcA(edit, WM_NCPAINT, kNoRegion, lParam);
        PaintFrameOf(edit, record);
        RepaintScrollOverlays(edit, record, GetWindowLongPtrA(edit, GWL_STYLE));
        return result;
    }
    case WM_NCMOUSEMOVE:
        HighlightScrollOverlays(edit, record, GetWindowLongPtrA(edit, GWL_STYLE), lParam);
        break;
    default:
        break;
    }
    if (!ChangesText(message))
        return pass();
    const LRESULT result = pass();
    // What the text changed may end the edit's window (Enter closing a window): look the record up again.
    if (SkinEditRecord* still = FindOwnRecord(edit, &SkinFormRecord::edits))
        ShowBarsAsTheTextNeeds(edit, *still);
    return result;
}
