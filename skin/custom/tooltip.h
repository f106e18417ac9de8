#pragma once
// A common-controls tooltip window serving one owner window. The owner's tools are rectangles of its
// client area named by ids the caller chooses. The owner's window procedure hands the tooltip its
// mouse messages (RelayMouseMessage): a tooltip that subclassed the owner itself (TTF_SUBCLASS) would
// put every message of the owner through the subclass chain, which under Wine reads a window property,
// a round trip to the server, for each one. The object keeps no list of tools: the tooltip window holds
// them, and every operation sends one message in the first-version TOOLINFOA layout.
//
// The tooltip window is owned by its owner window (by the owner's top-level window when the owner is
// a child) and goes with it. Destroying or copying the object leaves the window alone; a control whose
// record made the window destroys it when the control goes (DestroyTipWindow). Every operation on an
// object without a window does nothing.
#include <windows.h>

#include <optional>
#include <string>

struct ToolTipClass {
    HWND tipWindow = nullptr;
    HWND owner = nullptr;

    // Does nothing: the tooltip window and its tools stay.
    void Destroy() {}
    // A second object naming the same tooltip window.
    ToolTipClass Copy() const { return *this; }

    // Creates the tooltip window for the owner (TTS_ALWAYSTIP, balloons when asked) with tips at most
    // 600 pixels wide; returns it, 0 on failure. A second Create makes a second window.
    HWND Create(HWND ownerWindow, bool balloon = false);
    // A tool over the rectangle (the owner's client rectangle at this moment when none is given;
    // later size changes of the owner do not follow).
    void AddTool(std::optional<RECT> rect, const std::string& text, int id) const;
    void AddTool(const std::string& text, int id) const { AddTool(std::nullopt, text, id); }
    // A tool whose text the tooltip asks the owner for (TTN_GETDISPINFOA) each time it shows.
    void AddCallbackTool(const RECT& rect, int id) const;
    // The results of the colour and width messages; 0 without a window.
    LRESULT SetBackColour(COLORREF colour) const;
    LRESULT SetTextColour(COLORREF colour) const;
    // The previous maximum width.
    LRESULT SetMaxWidth(int width) const;
    void DeleteTool(int id) const;
    void SetToolRect(int id, const RECT& rect) const;
    void UpdateTipText(int id, const std::string& text) const;
    HWND GetHandle() const { return tipWindow; }
    // From the owner's window procedure, for each message it gets: the mouse messages go on to the
    // tooltip (TTM_RELAYEVENT), which shows, moves and hides its tips by them; others are left alone.
    void RelayMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

    // Destroys the tooltip window this object made (if it still exists) and forgets it.
    void DestroyTipWindow();
};
