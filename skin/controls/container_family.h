#pragma once
// Containers: tab controls, group boxes and other windows that hold skinned controls. A container is
// registered in its form's container list, its children are skinned by the control installers, and
// its procedure paints it (tab controls and group boxes) or leaves that to its own code, hands its
// children the veiled brushes the form hands its own, and lays out the pages attached to it.
//
// The container list is read by the drawing board's animation threads: registration, removal and
// renumbering happen under a SkinRegistryWriteGuard. Everything else runs on the UI thread.
#include <windows.h>

// Registers the window as a container of the skinned form that owns it, runs the control installers
// on its children and subclasses it with ContainerWndProc. A tab control or group box always paints
// itself (paint flag 1) and keeps its font; any other window takes the paint flag given. Only the low
// byte of the fill alpha counts; a fill colour of 0 means no fill. Returns the new container index; 0
// when nothing was done: the window belongs to no skinned form, it is a container already (its
// children are then not visited again), or another skinned procedure holds its Hw_ properties
// (HoldsHwProperties: a control of a family list, a form, a text label, a custom-drawn control).
int SkinContainerWindow(HWND window, int paintFlag = 1, COLORREF fillColour = 0, int fillAlpha = 255, int option = 0);

// A control made after its skinned form (a page's units made when the page is first shown): the
// control installers visit its parent's new children, and a container parent makes it see-through as
// it does the children it had when registered. Nothing when no skinned form owns the control.
void SkinLateChild(HWND child);

LRESULT CALLBACK ContainerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A "Button" whose style has bit 0x4 (group boxes, and the button types 4 to 6 and 12 to 15).
bool IsGroupBoxButton(HWND window);

// The nearest ancestor that is a drawing board hosting child controls (Wxk_Zpf 1); 0 when none. The
// window itself is not tested.
HWND FindSkinCanvasHost(HWND window);

// Gives container `containerIndex` of form `formNumber` its own procedure back (from Hw_hProc), removes
// its record and renumbers the containers behind it (Hw_lbID). The window's properties stay. Returns
// the procedure given back, 0 when the numbers name no container (nothing is changed then).
WNDPROC UnskinContainer(int formNumber, int containerIndex);

// Copies the window's last picture from its form's back buffer into the DC (children clipped out; the
// DC stays the caller's) and asks its see-through children to paint again.
void RefreshChildBackground(HWND window, HDC dc);

// Moves the pages attached to the container into its client area: a full-width page to (2, top) over
// the width less 4 and the rest of the height; another from (left, top) to 2 pixels inside the right
// and bottom edges.
void LayoutContainerChildren(int formNumber, int containerIndex);
