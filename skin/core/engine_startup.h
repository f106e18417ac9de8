#pragma once
// Start-up and shutdown of the skin engine, run once by the program's start-up routine before the
// first window is loaded. User-interface thread only.
#include <windows.h>

#include <optional>

// The class the engine registers for drop shadows.
inline constexpr char kShadowWindowClass[] = "zuvoWindow";
// Icon resources the caption icon is taken from: the number first, then the name.
inline constexpr int kAppIconResource = 129;
inline constexpr char kAppIconResourceName[] = "DEFAULT_ICON";

// Starts GDI+ (keeping the token in g_gdiplusToken), takes the program icon, puts the skin globals
// back to their start-up values and registers the shadow window class. Always 0.
int InitSkinEngine();
// Starts GDI+ at the given version (1 when not given) and keeps the token in g_savedGdiplusToken;
// returns the token, 0 when GDI+ did not start.
ULONG_PTR StartGdiplus(std::optional<UINT32> version = std::nullopt);
// Shuts GDI+ down with the token, or with the saved one when none is given. Whichever global held
// that token is cleared, so no token is ever shut down twice.
void ShutdownGdiplus(std::optional<ULONG_PTR> token = std::nullopt);
// Registers kShadowWindowClass; false when it could not be registered.
bool RegisterShadowWindowClass();
