#include "skin/core/engine_startup.h"

#include <objidl.h>
#include <gdiplus.h>

#include "skin/core/skin_options.h"

namespace {

LRESULT CALLBACK ShadowWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

HICON LoadAppIcon()
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    if (HICON icon = LoadIconA(module, MAKEINTRESOURCEA(kAppIconResource)))
        return icon;
    return LoadIconA(module, kAppIconResourceName);
}

}  // namespace

int InitSkinEngine()
{
    g_gdiplusToken = StartGdiplus();
    g_appIcon = LoadAppIcon();
    g_firstFormSize = true;
    g_skinChildControls = true;
    g_veilAlpha = 160;
    g_themeColour = kStartThemeColour;
    g_trackbarEffect = true;
    g_listFrameEffect = true;
    RegisterShadowWindowClass();
    return 0;
}

ULONG_PTR StartGdiplus(std::optional<UINT32> version)
{
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = version.value_or(1);
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        token = 0;
    g_savedGdiplusToken = token;
    return token;
}

void ShutdownGdiplus(std::optional<ULONG_PTR> token)
{
    const ULONG_PTR shutdown = token.value_or(g_savedGdiplusToken);
    if (shutdown == 0)
        return;
    // The start-up keeps the token twice: a shutdown through either must not leave the other to shut
    // GDI+ down a second time.
    if (g_savedGdiplusToken == shutdown)
        g_savedGdiplusToken = 0;
    if (g_gdiplusToken == shutdown)
        g_gdiplusToken = 0;
    Gdiplus::GdiplusShutdown(shutdown);
}

bool RegisterShadowWindowClass()
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ShadowWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = g_appIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = "";
    wc.lpszClassName = kShadowWindowClass;
    return RegisterClassExA(&wc) != 0;
}
