#pragma once
// What every skinned control family shares: finding a control's record from its window properties,
// registering and subclassing a control, the form-wide hover bookkeeping, the control's font, and the
// marks that make containers and kept pictures paint afresh. UI thread only.
#include <windows.h>

#include <memory>
#include <string>

#include "skin/core/record_list.h"
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

// Hands the message to the procedure the skin replaced (Hw_hProc), or to DefWindowProcA when the
// window carries none.
LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

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

// The record the window's Hw_FuID and Hw_lbID name in the given list of its form, or nullptr when
// either number is out of range or the record belongs to another window: then the control is none of
// the skin's business and its messages go straight on.
template <class Record>
Record* FindOwnRecord(HWND window, RecordList<Record> SkinFormRecord::*list, SkinFormRecord** form = nullptr)
{
    SkinFormRecord* owner = SkinFormAt(GetWindowPropNumber(window, kPropHwFormNumber));
    if (!owner)
        return nullptr;
    Record* record = RecordAt(owner->*list, GetWindowPropNumber(window, kPropHwListIndex));
    if (!record || record->hwnd != window)
        return nullptr;
    if (form)
        *form = owner;
    return record;
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
// was shown hot last); the form then records it as shown hot.
bool EnterControlHover(HWND window, SkinFormRecord& form, int listIndex, int hoverCode);

// Whether a control that keeps its last picture in the form's back buffer paints afresh: while its form
// is dragged by the caption only when it is also being resized, otherwise while the form is active.
// The form comes from Kj_FuID (useKjNumber) or Hw_FuID; false when that names no form.
bool FormAllowsControlRepaint(HWND window, bool useKjNumber = false);

// Called when a control is about to move or resize: the registered container it lies in (not a drawing
// board) repaints its background at its next paint. Nothing happens for a control on the form itself.
void MarkContainerDirty(HWND window);

// Deletes the brush and bitmap a skinned parent handed the control for WM_CTLCOLOR* (never a stock
// brush) and removes them from the control, so that nobody deletes them a second time.
void FreeControlColourObjects(HWND control);
