#include "skin/core/form_test_support.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"

std::string CaptionTestPicture()
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(420, 110);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(bitmap);
        GdipLinearGradientBrush sky;
        sky.CreateLineBrush(PointF{0, 0}, PointF{420, 110}, 0xFF2E6FB8, 0xFF7FC8E8);
        graphics.FillRectangle(sky, 0, 0, 420, 110);
        GdipSolidBrush stripe;
        stripe.CreateSolidFill(0x40FFFFFF);
        for (int x = 0; x < 420; x += 30)
            graphics.FillRectangle(stripe, static_cast<float>(x), 0, 12, 110);
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}

SkinFormOptions ProgramLikeOptions()
{
    SkinFormOptions o;
    o.captionHeight = 90;
    o.frameEnabled = 1;
    o.captionGradient = 1;
    o.backgroundImage = CaptionTestPicture();
    o.imageMode = 0;
    o.tintColour = 0xECECEC;
    o.tintAlpha = 150;
    o.statusHeight = 24;
    std::vector<StatusBandSegment> segments(3);
    segments[0].width = 160;
    segments[0].text = "就绪";
    segments[1].width = 180;
    segments[1].text = "2024年5月20日";
    segments[2].width = -1;
    segments[2].text = "宝宝起名：输入姓氏后按生成";
    for (StatusBandSegment& s : segments)
        s.textColour = RGB(30, 30, 30);
    o.statusSegments = segments;
    return o;
}

HWND ShowProgramLikeForm(int width, int height, const char* title)
{
    g_skinBaseColour = RGB(0x3C, 0x8C, 0xC8);
    HWND window = CreateFrameForm(40, 40, width, height, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false);
    SetWindowTextA(window, title);
    SkinForm(window, ProgramLikeOptions());
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}
