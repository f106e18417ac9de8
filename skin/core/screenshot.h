#pragma once
// Test support: pictures of what a person would look at, saved as PNG under build/screenshots/.
#include <windows.h>

#include <string>

// Saves the window's client area as its own DC shows it; returns the file written (a Windows path),
// empty on failure.
std::string SaveWindowScreenshot(HWND window, const std::string& name);
// Saves the top-left width x height pixels of a device context.
std::string SaveDcScreenshot(HDC dc, int width, int height, const std::string& name);
