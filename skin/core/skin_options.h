#pragma once
// The skin engine's globals and the values they start with. InitSkinEngine (engine_startup.h) puts the
// start-up values back; SetSkinOptions, SkinForm and the appearance interface change them later.
// User-interface thread only.
#include <windows.h>

#include <string>

// The control installers skin child controls only while this is set.
inline bool g_skinChildControls = true;
// Opacity of the white veil laid over control backgrounds (MakeVeiledBackgroundBitmap).
inline int g_veilAlpha = 160;
// The veiled painting paths of the controls are on (veiled backgrounds, WM_CTLCOLOR* pattern brushes).
inline bool g_veilEnabled = false;
// Track bars draw their outer frame; list controls draw theirs.
inline bool g_trackbarEffect = true;
inline bool g_listFrameEffect = true;
// Width of a skinned form's resize border; SkinForm sets it.
inline int g_frameBorder = 0;

// The current skin: accent colour of hover and focus looks, base colour, picture (PNG, or the bytes as
// given for image modes other than 0 and 1) and its placement on forms without a picture of their own.
inline constexpr COLORREF kStartThemeColour = 0xDDCA22;
inline COLORREF g_themeColour = kStartThemeColour;
inline COLORREF g_skinBaseColour = 0;
inline std::string g_skinImage;
inline int g_skinImageMode = 0;

// Drawn in the captions of skinned forms and dialogs; 0 when the program has no icon.
inline HICON g_appIcon = nullptr;

// GDI+ as the engine started it; the saved token is the one ShutdownGdiplus uses when given none.
inline ULONG_PTR g_gdiplusToken = 0;
inline ULONG_PTR g_savedGdiplusToken = 0;

// The first WM_SIZE any skinned form receives does not mark its frame dirty.
inline bool g_firstFormSize = true;

// What a click on caption button `button` of form `formNumber` does; set by the first SkinForm, and
// caption-button clicks are delivered only once it is.
using CaptionClickHandler = void (*)(int formNumber, int button);
inline CaptionClickHandler g_captionClickHandler = nullptr;
// The caption button under the pointer at the last mouse move or left press on any skinned form.
inline int g_pressedCaptionButton = 0;
