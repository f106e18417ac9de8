#pragma once
// Skinned dialogs: a system dialog ("#32770", in this program the message boxes) taken over by the skin.
// It becomes a skinned form of its own kind: a record with a 25-pixel caption band and one close
// button, 6 pixels more width, a rounded region, a layered window that stays invisible until its first
// paint fades it in, skinned child controls (statics included) and the procedure DialogFrameWndProc.
#include <windows.h>

#include <string>

// The rounding of a skinned dialog's region corners, in pixels.
inline constexpr int kDialogCorner = 5;

// Takes the dialog over; a window that is already skinned is left alone.
void SkinDialogWindow(HWND dialog);
// Lays out the caption of dialog `formNumber` in its window coordinates: the caption strip and every
// caption button at (W - 36, 0), 36 x 22, W being the window's width.
void InitCaptionButtonRect(int formNumber);
// The close picture of skinned dialogs: PNG, 38 x 18, RGBA (made by tools/gen/gen_caption_glyphs.py).
std::string DialogCloseGlyphPng();
