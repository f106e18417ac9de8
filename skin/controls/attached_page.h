#pragma once
// A page window that a navigation bar lays out on a skinned form or inside a skinned container: the
// form or container moves it again after every size change.
#include <windows.h>

#include <vector>

struct AttachedPage {
    HWND page = nullptr;
    int top = 0;
    int left = 0;
    // Below the bar across the whole width; otherwise right of the bar from `left`.
    bool fill = false;
};
