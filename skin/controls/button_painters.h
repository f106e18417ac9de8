#pragma once
// The looks of skinned push buttons, auto radio buttons and check boxes. Each painter draws the whole
// control afresh over what lies behind it (CreateBackgroundDC), publishes the picture into the form's
// back buffer and copies it onto the control. The layer functions draw one state onto any graphics, so
// the looks can be checked in a plain memory context. States are the ODS_* bits of DRAWITEMSTRUCT:
// ODS_SELECTED (pressed), ODS_DISABLED, ODS_FOCUS and ODS_HOTLIGHT (mouse over).
#include <windows.h>

#include <string>

class GdipGraphics;

// What a button painter reads of the control.
struct ButtonFace {
    std::string caption;
    std::string fontFace = "宋体";
    int fontSize = 12;
    int fontStyle = 0;
    COLORREF textColour = 0;  // the control's Kj_Ztys, black without one
    bool checked = false;     // BST_CHECKED; an indeterminate box counts as unchecked
    HBITMAP picture = nullptr;  // a picture button's bitmap (BS_BITMAP), shown in place of the caption
};

// The face of a registered button from its record, its Kj_Ztys, (radio buttons and check boxes)
// BM_GETCHECK and (picture buttons) BM_GETIMAGE. False when the window is not a registered button.
bool TakeButtonFace(HWND window, ButtonFace& face);

// The layers of one state on a width x height control whose top-left corner is (0, 0), caption last.
void DrawPushButtonFace(GdipGraphics& graphics, int width, int height, UINT state, const ButtonFace& face);
void DrawRadioButtonFace(GdipGraphics& graphics, int width, int height, UINT state, const ButtonFace& face);
void DrawCheckBoxFace(GdipGraphics& graphics, int width, int height, UINT state, const ButtonFace& face);

// Paints a registered push button into the target context, whose caller keeps it; the rectangle gives
// the size (its left and top are 0). Called from the owner-draw dispatch and from PaintButtonByKind.
void PaintPushButton(HWND window, HDC target, UINT state, const RECT& rect);
// Paint a registered radio button or check box onto its own client area.
void PaintRadioButton(HWND window, UINT state);
void PaintCheckBox(HWND window, UINT state);
