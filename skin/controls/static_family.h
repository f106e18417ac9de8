#pragma once
// Static controls of skinned dialogs and message boxes, drawn over the skin's background: a text in
// black with a soft white glow, an icon or a bitmap; a static with nothing of that kind to show (a
// frame, an etched line, a blank text) is painted by its own procedure over the skin background.
// UI thread only.
#include <windows.h>

#include <string>

// What the static painter reads of the control.
struct StaticSnapshot {
    int kind = 1;  // kStaticKind*
    int imageAlignment = 0;
    std::string text;
    std::string fontFace = "宋体";
    int fontSize = 12;
    int fontStyle = 0;
    HANDLE picture = nullptr;  // the bitmap or icon the control shows; the control keeps it
};

// Registers the direct "Static" children of `parent` not yet listed in form `formNumber` and subclasses
// them; text statics are made `extraWidth` pixels wider, once. Nothing while g_skinChildControls is off.
void SkinStatics(int formNumber, HWND parent, int extraWidth = 0);

// The index of the window in the form's static list, 0 when absent.
int FindStaticIndex(int formNumber, HWND window);

LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool TakeStaticSnapshot(HWND window, StaticSnapshot& snapshot);
// How far right and down, from the control's top left, the text of a text face reaches as
// DrawStaticFace lays it out for a control `width` pixels wide (its layout box is wider than the
// control, for the glow, so long lines can run past the control's edge).
SIZE StaticTextReach(const StaticSnapshot& face, int width);
// The static's text, bitmap or icon onto a width x height memory context; draws nothing for a bitmap
// or icon static without a picture.
void DrawStaticFace(HDC dc, int width, int height, const StaticSnapshot& face);
// Paints static `listIndex` of form `formNumber` onto its client area (not into the back buffer).
void PaintStatic(int formNumber, int listIndex);
