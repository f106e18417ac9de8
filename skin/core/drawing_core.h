#pragma once
// The drawing core every skin painter works through. A control painter:
//   1. dc = CreateBackgroundDC(control, area): a registered memory context already holding what lies
//      behind the control (its form's frame, a drawing board's background, the fill of its container);
//   2. draws the control on dc with GDI+;
//   3. BlitToControl(control, dc) publishes the image into the form's back buffer, the control's
//      visible children left out;
//   4. copies dc onto the control and calls ReleaseMemoryDC(dc).
// Erasing a control copies its part of the back buffer back (BlitFormBackground).
#include <windows.h>

// A new registered memory context of the area's size holding what lies behind that part of the
// control; the area is in the control's window coordinates (usually its client rectangle). 0 when the
// control belongs to no skinned form (nothing stays registered then).
HDC CreateBackgroundDC(HWND control, const RECT& area);

// Which registered thing lies directly behind the window. True with `formNumber` set when the window
// is a skinned form or lies straight on one. False with `host` set when the window is, or lies in, a
// drawing board that hosts child controls (with searchHosts); false with `formNumber` and
// `containerNumber` set when it lies in a registered container; false with nothing written otherwise.
bool FindCustomContainer(HWND window, int& formNumber, int& containerNumber, HWND& host, bool searchHosts);
// The number of the nearest container of the form above the window (not the window itself) whose
// paint-as-container flag is set; 0 when the walk reaches `stopWindow` or runs out of parents.
int FindContainerOfControl(int formNumber, HWND window, HWND stopWindow);

struct SkinFormRecord;
// The form a control publishes into: the one its Kj_FuID (useKjNumber) or Hw_FuID names, or the control
// itself when it is a form; nullptr for a window that names no form.
SkinFormRecord* PublishingForm(HWND control, bool useKjNumber = false);

// Copies the memory context into the form's back buffer at the control's place: its inner area, or
// its whole window rectangle. The form comes from Kj_FuID (useKjNumber) or Hw_FuID, or is the control
// itself; a window that names no form is left alone.
void BlitToControl(HWND control, HDC memoryDc, bool useKjNumber = false, bool wholeWindow = false);
// Copies the control's inner area of its form's back buffer onto the control, child windows left out
// (with onlyUnskinnedChildren: only those carrying no Hw_FuID). Draws into `dc` when one is given (the
// caller keeps it), else into the control's own DC, which it releases.
void BlitFormBackground(HWND control, bool useKjNumber = false, bool onlyUnskinnedChildren = false,
                        HDC dc = nullptr);

// Excludes each visible, non-transparent direct child from the context's clip, by its rectangle in the
// owning form's window coordinates (for a form's back buffer). Returns hdc.
HDC ExcludeChildWindowsFromClip(HWND window, HDC hdc);
// Excludes each visible, non-transparent direct child by its rectangle in the window's client
// coordinates, clamped to the window's known size (a form's, a drawing board's or a container's client
// size). Without a context it works on GetDC(window) and returns that for the caller to release.
// Safe on the drawing board's animation threads.
HDC ExcludeChildrenFromClip(HWND window, HDC hdc = nullptr);
// The same for the visible direct children that carry no Hw_FuID, unclamped.
HDC ExcludeUnskinnedChildrenFromClip(HWND window, HDC hdc = nullptr);
bool IsTransparentWindow(HWND window);
void InvalidateVisibleChildren(HWND window);

// A new device-dependent bitmap of the control's client area holding what lies behind it under a white
// veil of opacity g_veilAlpha; the caller owns it (a pattern brush for WM_CTLCOLOR*). 0 when the
// control belongs to no skinned form.
HBITMAP MakeVeiledBackgroundBitmap(HWND control);
