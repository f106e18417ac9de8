#include "skin/custom/scroll_bar_parts.h"

#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"

ScrollBarRecord* FindScrollBar(HWND window)
{
    return FindCustomRecord(g_scrollBars, window, kScrollBarKeys);
}
