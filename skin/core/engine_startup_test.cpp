// Engine start-up: the globals' start-up values, GDI+ tokens and the shadow window class.
#include <gtest/gtest.h>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/core/engine_startup.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"

namespace {

// Leaves GDI+ as the test environment started it.
class EngineStartupTest : public testing::Test {
protected:
    void TearDown() override
    {
        ShutdownGdiplus(g_gdiplusToken);
        ShutdownGdiplus();
    }
};

// GDI+ still draws: a red fill reads back red.
bool GdiplusDraws()
{
    HDC dc = CreateMemoryDC(4, 4);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(dc);
        GdipSolidBrush red;
        red.CreateSolidFill(0xFFFF0000);
        graphics.FillRectangle(red, 0, 0, 4, 4);
    }
    bool red = PixelRgb(dc, 1, 1) == 0xFF0000;
    ReleaseMemoryDC(dc);
    return red;
}

}  // namespace

TEST_F(EngineStartupTest, PutsTheStartUpValuesBack)
{
    g_skinChildControls = false;
    g_veilAlpha = 0;
    g_themeColour = 0x51AE51;
    g_trackbarEffect = false;
    g_listFrameEffect = false;
    g_firstFormSize = false;

    EXPECT_EQ(InitSkinEngine(), 0);

    EXPECT_TRUE(g_skinChildControls);
    EXPECT_EQ(g_veilAlpha, 160);
    EXPECT_EQ(g_themeColour, 0xDDCA22u);
    EXPECT_TRUE(g_trackbarEffect);
    EXPECT_TRUE(g_listFrameEffect);
    EXPECT_TRUE(g_firstFormSize);
    EXPECT_NE(g_gdiplusToken, 0u);
    EXPECT_EQ(g_savedGdiplusToken, g_gdiplusToken);
    // The test program carries neither icon resource.
    EXPECT_EQ(g_appIcon, nullptr);
}

TEST_F(EngineStartupTest, RegistersTheShadowClassOnce)
{
    InitSkinEngine();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kShadowWindowClass, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_FALSE(RegisterShadowWindowClass());
}

TEST_F(EngineStartupTest, ShutdownWithTheStartUpTokenClearsBothTokens)
{
    InitSkinEngine();
    ShutdownGdiplus(g_gdiplusToken);
    EXPECT_EQ(g_gdiplusToken, 0u);
    EXPECT_EQ(g_savedGdiplusToken, 0u);
    // The saved token is gone, so this shuts nothing down a second time.
    ShutdownGdiplus();
    EXPECT_TRUE(GdiplusDraws());
}

TEST_F(EngineStartupTest, ShutdownWithoutATokenUsesTheSavedOneOnce)
{
    ULONG_PTR token = StartGdiplus();
    ASSERT_NE(token, 0u);
    EXPECT_EQ(g_savedGdiplusToken, token);
    ShutdownGdiplus();
    EXPECT_EQ(g_savedGdiplusToken, 0u);
    ShutdownGdiplus();
    EXPECT_TRUE(GdiplusDraws());
}
