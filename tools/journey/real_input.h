#pragma once
// Input as a person gives it: the pointer moved and clicked at screen points and keys pressed, all
// through SendInput, and text pasted from the clipboard as an input method's commit would arrive.
#include <windows.h>

#include <string>

namespace journey {

enum class MouseButton { Left, Right };

void MovePointer(POINT screen);
void ClickAt(POINT screen, MouseButton button = MouseButton::Left, int clicks = 1);
// Presses the left button at a point, holds it for the given time and lets go (an arrow that repeats).
void HoldAt(POINT screen, int milliseconds);
// Turns the mouse wheel at a point: positive notches away from the user (up), negative towards.
void WheelAt(POINT screen, int notches);
// Presses a key with the given modifiers held (VK_SHIFT, VK_CONTROL, VK_MENU; 0 for none).
void PressKey(WORD key, WORD modifier = 0, WORD secondModifier = 0);
// Puts GBK text on the clipboard as Unicode text; false when the clipboard could not be set.
bool SetClipboardGbk(const std::string& gbk);
// The clipboard's text as GBK (empty when there is none).
std::string ClipboardGbk();
// Pastes GBK text into the focused field with Ctrl+V; the clipboard keeps the text afterwards.
bool PasteText(const std::string& gbk);
// Types plain ASCII letters and digits as key presses.
void TypeAscii(const std::string& text);

}  // namespace journey
