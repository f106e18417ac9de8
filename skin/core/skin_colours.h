#pragma once
// The two colours every painter of the skin blends its layers from, beside the theme colour.
#include <windows.h>

inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;
