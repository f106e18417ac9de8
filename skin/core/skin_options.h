#pragma once
// Skin-wide settings read by the painters.

// Opacity of the white veil laid over control backgrounds (MakeVeiledBackgroundBitmap).
inline int g_veilAlpha = 160;
