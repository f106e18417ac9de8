#pragma once
// The parts of the self-drawn scroll bar that its procedure and its painting share: the hit and action
// codes, the sizes, and the record of a bar's window (a ScrollBarRecord of g_scrollBars).
#include <windows.h>

#include "skin/core/window_props.h"
#include "skin/custom/custom_control_object.h"

struct ScrollBarRecord;

inline constexpr CustomControlKeys kScrollBarKeys{kPropScrollBarIndex, kPropScrollBarProc, RecordNumberFamily::kScrollBar};

// What lies under a point.
inline constexpr int kScrollHitNone = -1;
inline constexpr int kScrollHitThumb = 1;
inline constexpr int kScrollHitTrack = 2;
inline constexpr int kScrollHitUp = 3;
inline constexpr int kScrollHitDown = 4;
// What a scroll action does (also the pressed part).
inline constexpr int kScrollDrag = 1;
inline constexpr int kScrollStepUp = 2;
inline constexpr int kScrollStepDown = 3;
inline constexpr int kScrollPage = 4;
inline constexpr int kScrollWheel = 5;

inline constexpr UINT_PTR kScrollRepeatTimer = 1;
inline constexpr UINT kScrollRepeatPeriod = 10;
inline constexpr int kScrollArrowHeight = 15;
inline constexpr int kScrollThumbLength = 30;
inline constexpr int kScrollStripWidth = 17;

// The record of the bar on the window; null when it carries none.
ScrollBarRecord* FindScrollBar(HWND window);
