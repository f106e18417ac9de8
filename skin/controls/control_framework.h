#pragma once
// What every skinned control family shares: finding a control's record from its window properties,
// registering and subclassing a control, the form-wide hover bookkeeping, the control's font, and the
// marks that make containers and kept pictures paint afresh. UI thread only.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/core/record_numbers_memo.h"
#include "skin/core/record_list.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

// Which family last showed a control hot (SkinFormRecord::hoverKind). A list index names a control
// only together with its family's code.
inline constexpr int kHoverButtons = 0;
inline constexpr int kHoverEdits = 1;
inline constexpr int kHoverTrackbars = 2;
inline constexpr int kHoverComboBoxes = 3;
inline constexpr int kHoverListControls = 4;
inline constexpr int kHoverUpDowns = 8;
inline constexpr int kHoverHeaders = 9;

// The font a control draws its text with: GDI+ family name, em size in pixels and style bits.
struct ControlFontInfo {
    std::string face;
    int size = 12;
    int style = 0;
};

// The control's WM_GETFONT font as GDI+ sees it on the control's DC; "宋体", 12, regular for a control
// without a font (and for an empty family name or a size GDI+ reports as 0).
ControlFontInfo GetControlFontInfo(HWND window);

// The window's text; empty, never missing, for a window without one.
std::string GetWindowTextAsText(HWND window);

// Hands the message to the procedure the skin replaced, kept in the property named (Hw_hProc when none
// is named), or to DefWindowProcA when the window carries none.
LRESULT CallPreviousProc(HWND window, const char* procProperty, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPreviousProc(window, kPropHwProc, message, wParam, lParam);
}

// A style bit, or group of bits, counts as set when OR-ing it into the style leaves the style unchanged.
inline bool HasStyleBits(LONG_PTR style, LONG_PTR bits)
{
    return (style | bits) == style;
}

// Whether a skinned procedure keeps its numbers in the window's Hw_ properties already: a control of a
// family list, a container, a form or dialog, a text label or a custom-drawn control (each keeps the
// procedure it replaced in Hw_hProc). No other family registers or subclasses such a window: its
// numbers would overwrite the holder's, the holder's procedure would find no record and pass every
// message to the procedure above it, which passes it back down.
inline bool HoldsHwProperties(HWND window)
{
    return GetWindowProp(window, kPropHwProc) != 0;
}

// Index of the window in the list, 0 when it is not there.
template <class Record>
int FindListIndex(const RecordList<Record>& list, HWND window)
{
    for (int i = 1; i <= RecordCount(list); ++i) {
        if (window && RecordAt(list, i)->hwnd == window)
            return i;
    }
    return 0;
}

// A control's record found from its window properties, with its form and the two numbers (each
// property is read once: under Wine every GetPropA is a round trip to the server).
template <class Record>
struct OwnRecord {
    Record* record = nullptr;  // nullptr when the control is none of the skin's business
    SkinFormRecord* form = nullptr;
    int formNumber = 0;
    int listIndex = 0;
};

// The pair of window properties that name a control's form and its place in a list of that form.
struct RecordProperties {
    const char* formNumber;
    const char* listIndex;
    RecordNumberFamily family;  // where the numbers are remembered
};
inline constexpr RecordProperties kListedRecordProperties{kPropHwFormNumber, kPropHwListIndex,
                                                          RecordNumberFamily::kListed};
inline constexpr RecordProperties kKjRecordProperties{kPropKjFormNumber, kPropKjListIndex, RecordNumberFamily::kKj};

// The record the window's Hw_FuID and Hw_lbID (or the other pair given) name in the given list of its
// form; no record when either number is out of range or the record belongs to another window: then
// the control is none of the skin's business and its messages go straight on.
// The numbers are remembered per window (record_numbers_memo.h) and the properties read only when the
// remembered ones no longer name the window's record.
template <class Record>
OwnRecord<Record> LookUpOwnRecord(HWND window, RecordList<Record> SkinFormRecord::*list,
                                  const RecordProperties& properties = kListedRecordProperties)
{
    const auto lookUp = [&](const RecordNumbers& numbers) {
        OwnRecord<Record> found;
        found.formNumber = numbers.formNumber;
        found.listIndex = numbers.listIndex;
        SkinFormRecord* owner = SkinFormAt(numbers.formNumber);
        Record* record = owner ? RecordAt(owner->*list, numbers.listIndex) : nullptr;
        if (record && record->hwnd == window) {
            found.record = record;
            found.form = owner;
        }
        return found;
    };
    RecordNumbers numbers;
    if (RecallRecordNumbers(window, properties.family, numbers)) {
        const OwnRecord<Record> found = lookUp(numbers);
        if (found.record)
            return found;
    }
    numbers.formNumber = GetWindowPropNumber(window, properties.formNumber);
    numbers.listIndex = SkinFormAt(numbers.formNumber) ? GetWindowPropNumber(window, properties.listIndex) : 0;
    const OwnRecord<Record> found = lookUp(numbers);
    if (found.record)
        RememberRecordNumbers(window, properties.family, numbers);
    return found;
}

// The record alone (see LookUpOwnRecord), or nullptr.
template <class Record>
Record* FindOwnRecord(HWND window, RecordList<Record> SkinFormRecord::*list, SkinFormRecord** form = nullptr)
{
    const OwnRecord<Record> found = LookUpOwnRecord(window, list);
    if (found.record && form)
        *form = found.form;
    return found.record;
}

// Calls paint(form number, list index) with the numbers of the control's own record in the list (see
// LookUpOwnRecord); nothing for a control without one.
template <class Record, class Paint>
void PaintOwnRecord(HWND window, RecordList<Record> SkinFormRecord::*list, Paint&& paint)
{
    const OwnRecord<Record> own = LookUpOwnRecord(window, list);
    if (own.record)
        paint(own.formNumber, own.listIndex);
}

// Hands the message to the procedure a record kept (DefWindowProcA when it kept none).
inline LRESULT CallRecordedProc(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
}

// The shared visit of an installer: the direct children of `parent` with the window class, in the order
// FindWindowExA gives them, that the list of form `formNumber` does not hold yet, each handed to
// `take`. A control already listed is never registered or subclassed again. Nothing happens while
// g_skinChildControls is off or when the number names no form.
template <class Record, class Take>
void ForEachNewChild(int formNumber, HWND parent, const char* className, RecordList<Record> SkinFormRecord::*list,
                     Take take)
{
    if (!g_skinChildControls || !SkinFormAt(formNumber))
        return;
    HWND child = nullptr;
    while ((child = FindWindowExA(parent, child, className, nullptr)) != nullptr) {
        const SkinFormRecord* form = SkinFormAt(formNumber);
        if (form && FindListIndex(form->*list, child) == 0)
            take(child);
    }
}

// Record `listIndex` of the list of form `formNumber` when both numbers are in range and its control
// still exists; nullptr otherwise.
template <class Record>
Record* LiveRecordAt(int formNumber, int listIndex, RecordList<Record> SkinFormRecord::*list)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    Record* record = form ? RecordAt(form->*list, listIndex) : nullptr;
    return record && IsWindow(record->hwnd) ? record : nullptr;
}

// Appends the record (whose hwnd is the control) to the list, sets the control's Hw_lbID and Hw_FuID,
// subclasses it with `procedure` and keeps the procedure it replaced in the record and in Hw_hProc.
// Returns the control's list index.
template <class Record>
int RegisterSkinnedControl(int formNumber, RecordList<Record>& list, std::unique_ptr<Record> record,
                           WNDPROC procedure)
{
    Record& added = *record;
    const int index = AppendRecord(list, std::move(record));
    SetWindowProp(added.hwnd, kPropHwListIndex, index);
    SetWindowProp(added.hwnd, kPropHwFormNumber, formNumber);
    added.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(added.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    SetWindowProp(added.hwnd, kPropHwProc, reinterpret_cast<LONG_PTR>(added.previousProc));
    return index;
}

// The hover protocol on WM_MOUSEMOVE: asks for WM_MOUSELEAVE, makes the control the form's current hot
// one and returns true when it must now be painted hot (another control, or one of another family,
// was shown hot last, or the caller says the hover moved on otherwise); the form then records it as
// shown hot.
bool EnterControlHover(HWND window, SkinFormRecord& form, int listIndex, int hoverCode, bool movedOn = false);

// WM_ERASEBKGND of controls that paint their own background: the context's background mode becomes
// transparent and its text colour the control's Kj_Ztys; the previous text colour is the result.
LRESULT EraseWithTextColour(HWND window, WPARAM dc);

class GdipGraphics;

// The start of every painter: a registered width x height memory context holding what lies behind
// the control (CreateBackgroundDC), with the layers drawn straight into its pixels. 0 when the control
// belongs to no skinned form. The caller publishes and copies the picture and releases the context.
HDC RenderOverBackground(HWND window, int width, int height, const std::function<void(GdipGraphics&)>& drawLayers);
// The same, the layers also given the mean colour of what lies behind the control.
HDC RenderOverBackgroundSeen(HWND window, int width, int height,
                             const std::function<void(GdipGraphics&, COLORREF background)>& drawLayers);
// The same for an area of the control in its window coordinates (its client area, for example).
HDC RenderAreaOverBackground(HWND window, const RECT& area, const std::function<void(GdipGraphics&)>& drawLayers);

// The painter pipeline of the controls drawn over their whole window rectangle (track bars, progress
// bars): a width x height memory context holding what lies behind the control, the layers drawn
// straight into its pixels, the copy into the form's back buffer (the client area, or with
// publishWholeWindow the window rectangle) and onto the window's own DC, border included.
void PaintOverWholeWindow(HWND window, int width, int height, bool publishWholeWindow,
                          const std::function<void(GdipGraphics&)>& drawLayers);

// The painter pipeline of a control's non-client ring (the window area around its client area, both
// in window coordinates): for each side of the ring a memory context holding what lies behind it, the
// layers of the whole window drawn over it (in window coordinates, clipped to that side), and the side
// copied onto the window and into the form's back buffer. Sides are painted apart because GDI+ under
// Wine works through a shape's whole bounding box; the client area stays the control's own. The
// `covered` parts of the ring (window coordinates; sibling windows over it, such as overlay scroll
// bars) are neither painted on the window nor published, so what covers them keeps its picture.
void PaintNonClientRing(HWND window, int width, int height, const RECT& client,
                        const std::function<void(GdipGraphics&)>& drawLayers, const std::vector<RECT>& covered = {});

// The procedure rows those controls share: WM_WINDOWPOSCHANGING marks the container, WM_MOVE paints
// (both then go on to the native code); WM_ERASEBKGND only makes the background mode transparent and
// answers 1; WM_PAINT paints between BeginPaint and EndPaint and answers what DefWindowProcA does;
// WM_NCPAINT paints and answers 1. True, with `result` set, when the message is answered here.
bool HandleWholeWindowPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void (*paint)(HWND),
                            LRESULT& result);

// Whether a control that keeps its last picture in the form's back buffer paints afresh: while its form
// is dragged by the caption only when it is also being resized, otherwise while the form is active.
// The form comes from Kj_FuID (useKjNumber) or Hw_FuID; false when that names no form.
bool FormAllowsControlRepaint(HWND window, bool useKjNumber = false);

// Called when a control is about to move or resize: the registered container it lies in (not a drawing
// board) repaints its background at its next paint. Nothing happens for a control on the form itself.
void MarkContainerDirty(HWND window);

// Deletes the brush and bitmap a skinned parent handed the control for WM_CTLCOLOR* (never a stock
// brush) and removes them from the control, so that nobody deletes them a second time. A toolbar's
// Kj_wtjb is its image list and stays.
void FreeControlColourObjects(HWND control);

// Hands the control a new brush and bitmap for WM_CTLCOLOR* (Kj_dxjb, Kj_wtjb). They are freed when the
// control is destroyed, whichever way it goes: destroyed alone (even one that tells its parent nothing,
// WS_EX_NOPARENTNOTIFY), with its parent, or inside a window the skin never knew (the edit field of a
// combo box).
void KeepControlColourObjects(HWND control, HBRUSH brush, HBITMAP bitmap);
