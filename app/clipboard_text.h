#pragma once
// Text on the clipboard (CF_TEXT, GBK).
#include <windows.h>

#include <string>

// Replaces the clipboard's contents with the text; false when the clipboard could not be had.
bool SetClipboardText(HWND owner, const std::string& text);
// The clipboard's text; empty when it holds none.
std::string GetClipboardText(HWND owner);
