#pragma once
// Shared by the tab strip's tests: the strip of the skin-settings window and items by caption.
#include "skin/custom/tab_strip.h"

// 80, 3, 1, 1, 0xFFFFFF, 255, colour2 and alpha2 omitted, 0, 1, 1.
inline TabStripOptions SkinSettingsStripOptions()
{
    TabStripOptions o;
    o.itemWidth = 80;
    o.highlightStyle = 3;
    o.shapeStyle = 1;
    o.selectionMode = true;
    o.colour1 = 0xFFFFFF;
    o.alpha1 = 255;
    o.separators = false;
    o.attachedTabs = true;
    o.baseline = true;
    return o;
}

inline TabItemOptions CaptionItem(const char* caption, const char* tip = nullptr)
{
    TabItemOptions o;
    o.caption = caption;
    if (tip)
        o.tipText = tip;
    return o;
}
