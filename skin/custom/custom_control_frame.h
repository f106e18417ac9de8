#pragma once
// The frame the custom-drawn control classes share. A class object designates the window it was last
// attached to; the control's state lives in a record of its class's global list (custom_control_
// records.h), found through an index property on the window; the class subclasses the window, keeps
// the procedure it replaced in a second property, paints into a kept memory context that a dirty flag
// invalidates, and gives the record up with renumbering when the window goes. Everything here runs on
// the thread that owns the control windows.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/core/mouse_tracking.h"
#include "skin/core/record_list.h"
#include "skin/core/skin_callback.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/custom/custom_control_object.h"

// The record of the control on the window, or nullptr. Its index is remembered per window (record_
// numbers_memo.h): the control's procedure looks it up for every message.
template <class Record>
Record* FindCustomRecord(const RecordList<Record>& list, HWND window, const CustomControlKeys& keys)
{
    if (!window)
        return nullptr;
    RecordNumbers numbers;
    if (RecallRecordNumbers(window, keys.family, numbers)) {
        Record* record = RecordAt(list, numbers.listIndex);
        if (record && record->hwnd == window)
            return record;
    }
    numbers.listIndex = GetWindowPropNumber(window, keys.index);
    Record* record = RecordAt(list, numbers.listIndex);
    if (!record || record->hwnd != window)
        return nullptr;
    RememberRecordNumbers(window, keys.family, numbers);
    return record;
}

// What an attach finds on the window before it starts: -1 when it is free; the index of its record
// when the class is attached already; 0 when something else skinned it under the same properties (a
// form, a listed control, another class whose index property is the same): taking the window then
// would keep the class's own procedure as the one to pass messages on to.
template <class Record>
int ExistingAttachment(const RecordList<Record>& list, HWND window, const CustomControlKeys& keys)
{
    if (!IsWindow(window))
        return 0;
    const int index = GetWindowPropNumber(window, keys.index);
    if (FindCustomRecord(list, window, keys))
        return index;
    if (index != 0 || GetWindowProp(window, keys.previousProc) != 0)
        return 0;
    return -1;
}

// Attach: appends a new record, sets Hw_FuID to the owning form and the index property, lets setUp
// fill the record (defaults, arguments, the class's own set-up) and subclasses the window last,
// keeping the replaced procedure in the record and the property. Returns the index; an attached
// window answers its index again, a refused one 0 (nothing changes then).
template <class Record, class SetUp>
int AttachCustomControl(RecordList<Record>& list, HWND window, const CustomControlKeys& keys, WNDPROC entry,
                        SetUp&& setUp)
{
    const int existing = ExistingAttachment(list, window, keys);
    if (existing >= 0)
        return existing;
    auto owned = std::make_unique<Record>();
    Record* record = owned.get();
    int index = 0;
    {
        SkinRegistryWriteGuard guard;
        index = AppendRecord(list, std::move(owned));
    }
    SetWindowProp(window, kPropHwFormNumber, FindOwningSkinnedWindow(window));
    SetWindowProp(window, keys.index, index);
    record->hwnd = window;
    setUp(*record);
    record->oldWndProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry)));
    SetWindowProp(window, keys.previousProc, reinterpret_cast<LONG_PTR>(record->oldWndProc));
    return index;
}

// Detach, from the control's WM_NCDESTROY: gives the window its replaced procedure back, takes the
// record out of the list, renumbers the index property of every later control and hands the record
// to `release` before freeing it. Without a record of the window nothing happens, unless
// restoreWithoutRecord asks for the procedure back all the same. True when a record was removed.
template <class Record, class Release>
bool DetachCustomControl(RecordList<Record>& list, HWND window, const CustomControlKeys& keys,
                         bool restoreWithoutRecord, Release&& release)
{
    const int index = GetWindowPropNumber(window, keys.index);
    const bool found = FindCustomRecord(list, window, keys) != nullptr;
    if (!found && !restoreWithoutRecord)
        return false;
    if (LONG_PTR previous = GetWindowProp(window, keys.previousProc))
        SetWindowLongPtrA(window, GWLP_WNDPROC, previous);
    if (!found)
        return false;
    std::unique_ptr<Record> record;
    {
        SkinRegistryWriteGuard guard;
        record = std::move(list[static_cast<size_t>(index) - 1]);
        list.erase(list.begin() + (index - 1));
    }
    for (int i = 1; i <= RecordCount(list); ++i)
        SetWindowProp(RecordAt(list, i)->hwnd, keys.index, i);
    release(*record);
    return true;
}

// Hands the message to the procedure the class replaced (DefWindowProcA when none is known).
LRESULT CallPreviousProc(HWND window, const CustomControlKeys& keys, UINT message, WPARAM wParam, LPARAM lParam);

// WM_ERASEBKGND of every class: the painter draws the background, so nothing is erased.
LRESULT EraseTransparently(WPARAM wParam);

// WM_PAINT of every class: BeginPaint, paint(dc) (a full repaint into the kept picture when the
// record is dirty, else a copy of the kept picture), EndPaint, and DefWindowProcA's answer.
template <class Paint>
LRESULT RunPaintCycle(HWND window, WPARAM wParam, LPARAM lParam, Paint&& paint)
{
    PAINTSTRUCT ps = {};
    HDC dc = BeginPaint(window, &ps);
    paint(dc);
    EndPaint(window, &ps);
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

class GdipGraphics;

// The kept picture of a full repaint: releases the old one and makes one of the client size holding
// what lies behind the control (a plain one for a control no skinned form owns). 0 when none can be
// made.
HDC RenewKeptPicture(HWND window, HDC& kept);
// Draws on the pixels of a kept picture through an opaque surface (translucent layers blend over the
// background as over a screen), made and deleted here.
void DrawOnKeptPicture(HDC picture, const std::function<void(GdipGraphics&)>& draw);
// Copies the area of the picture to the same place on `target`, or on a DC of the window.
void CopyPictureToWindow(HWND window, HDC picture, const RECT& area, HDC target = nullptr);

// Calls an application handler and finds the control's record again: the handler may process
// messages or destroy the control. nullptr when the control is gone.
template <class Record>
Record* InvokeControlCallback(SkinCallback handler, const std::vector<int>& arguments, const RecordList<Record>& list,
                              HWND window, const CustomControlKeys& keys)
{
    InvokeCallback(handler, arguments);
    return FindCustomRecord(list, window, keys);
}
