#pragma once
// Layered windows and the shrink-and-fade close effect of skinned forms.
#include <windows.h>

#include <optional>

// Plays the close effect and returns when it has ended (about 145 ms): the window's client area as
// shown is captured once and shown ten more times, each a tenth smaller, centred where the window's
// centre was, 25 alpha steps fainter. The window is left layered in its last frame; the caller lets it
// close. Frames of size 0 are not shown (layered windows take no empty picture).
void ShrinkFadeAnimation(HWND window);
// A registered memory context holding the window's client area as shown, opaque (alpha 255); 0 when
// the area is empty.
HDC SnapshotClientArea(HWND window);

struct LayeredUpdate {
    std::optional<int> x, y, width, height;  // the window rectangle's place and size when not given
    int sourceX = 0;
    int sourceY = 0;
    BYTE alpha = 255;
    // The frame picture of the skinned form the window is when not given.
    std::optional<HDC> source;
};
// Shows the source picture on the layered window with its own alpha scaled by `alpha`. False when
// there is no source (the window is no skinned form) or the system refuses the update.
bool UpdateLayeredWindowFromDc(HWND window, const LayeredUpdate& update);
void SetLayeredStyle(HWND window);
void ClearLayeredStyle(HWND window);
