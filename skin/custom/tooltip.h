#pragma once
// A common-controls tooltip window serving one owner window. The owner's tools are rectangles of its
// client area named by ids the caller chooses; the tooltip follows the owner's mouse messages itself
// (TTF_SUBCLASS). The object keeps no list of tools: the tooltip window holds them.
//
// The tooltip window is owned by its owner window and goes with it; dropping or copying the object
// leaves it alone. Every operation on an object without a window does nothing.
#include <windows.h>

#include <string>

struct ToolTipClass {
    HWND tipWindow = nullptr;
    HWND owner = nullptr;

    // Creates the tooltip window for the owner (TTS_ALWAYSTIP, balloons when asked) with tips at most
    // 600 pixels wide; returns it, 0 on failure. A second Create makes a second window.
    HWND Create(HWND ownerWindow, bool balloon = false);
    // A tool over the rectangle (the owner's client rectangle at this moment when none is given).
    void AddTool(const RECT& rect, const std::string& text, int id) const;
    void AddTool(const std::string& text, int id) const;
    void SetToolRect(int id, const RECT& rect) const;
    void UpdateTipText(int id, const std::string& text) const;
    // The previous maximum width; 0 without a window.
    LRESULT SetMaxWidth(int width) const;
};
