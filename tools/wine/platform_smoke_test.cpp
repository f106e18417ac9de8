// Checks the ground every Windows test stands on: a real window with a child Edit keeps GBK text
// under code page 936, and GDI+ draws Chinese text with the prefix's fonts into a memory context.
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WinePlatform, AnsiCodePageIs936)
{
    EXPECT_EQ(GetACP(), 936u);
}

TEST(WinePlatform, EditRoundTripsGbkText)
{
    HWND form = CreateWindowExA(0, "Static", "form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(form, nullptr);
    HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, form, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    const std::string text = "张三丰【100分】";
    ASSERT_TRUE(SetWindowTextA(edit, text.c_str()));
    char back[64] = {};
    GetWindowTextA(edit, back, sizeof back);
    EXPECT_EQ(std::string(back), text);
    wchar_t wide[64] = {};
    GetWindowTextW(edit, wide, 64);
    EXPECT_EQ(std::wstring(wide), L"张三丰【100分】");
    DestroyWindow(form);
}

TEST(WinePlatform, GdiplusDrawsChineseTextIntoAMemoryContext)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = 64;
        info.bmiHeader.biHeight = -64;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        {
            Gdiplus::Graphics graphics(dc);
            graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
            Gdiplus::SolidBrush red(Gdiplus::Color(255, 255, 0, 0));
            graphics.FillRectangle(&red, 0, 0, 8, 8);
            Gdiplus::FontFamily family(L"宋体");
            ASSERT_EQ(family.GetLastStatus(), Gdiplus::Ok);
            Gdiplus::Font font(&family, 24, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
            Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
            ASSERT_EQ(graphics.DrawString(L"张", -1, &font, Gdiplus::PointF(16, 16), &black), Gdiplus::Ok);
        }
        GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        EXPECT_EQ(pixels[2 * 64 + 2] & 0xFFFFFF, 0xFF0000u);  // red square, colour bits only
        int dark = 0;
        for (int y = 16; y < 64; ++y)
            for (int x = 16; x < 64; ++x)
                if ((pixels[y * 64 + x] & 0xFFFFFF) < 0x404040)
                    ++dark;
        EXPECT_GT(dark, 20) << "the Chinese glyph left no dark pixels";
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Gdiplus::GdiplusShutdown(token);
}

}  // namespace
