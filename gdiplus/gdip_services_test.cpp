// The operations the skin engine, the skinned controls and the custom-drawn controls call, each with
// the arguments those painters pass, in the order a painter uses them.
#include <gtest/gtest.h>

#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_matrix.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_path_gradient.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_string_format.h"
#include "gdiplus/gdip_test_support.h"
#include "gdiplus/gdip_texture.h"

namespace {

TEST(GdipPainterServices, ShapesPensAndBrushes)
{
    TestCanvas canvas(120, 60);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    EXPECT_TRUE(g.SetSmoothingMode(4));
    EXPECT_TRUE(g.SetCompositingQuality(2));
    EXPECT_TRUE(g.SetCompositingQuality(3));
    EXPECT_TRUE(g.GraphicsClear(0xFFECECEC));

    GdipPath path;
    ASSERT_TRUE(path.CreatePath());
    EXPECT_TRUE(path.AddPathArc(0, 0, 10, 10, 180, 90));
    EXPECT_TRUE(path.AddPathLine(5, 0, 55, 0));
    EXPECT_TRUE(path.AddPathArc(50, 0, 10, 10, 270, 90));
    EXPECT_TRUE(path.AddPathLine(60, 5, 60, 30));
    EXPECT_TRUE(path.ClosePathFigure());
    GdipMatrix noMatrix;
    GdipPen noPen;
    const RectF bounds = path.GetPathWorldBounds(noMatrix, noPen);
    EXPECT_NEAR(bounds.width, 60, 0.01);
    EXPECT_NEAR(bounds.height, 30, 0.01);

    GdipLinearGradientBrush gradient;
    ASSERT_TRUE(gradient.CreateLineBrush(PointF{0, 0}, PointF{0, 30}, 0xFFFFFFFF, 0xFF22CADD));
    EXPECT_TRUE(gradient.SetLinePresetBlend({0xFFFFFFFF, 0xFF80E0E0, 0xFF22CADD}, {0.0f, 0.5f, 1.0f}));
    EXPECT_TRUE(gradient.SetLineLinearBlend(0.5f, 1.0f));
    EXPECT_TRUE(g.FillPath(gradient, path));

    GdipPen pen;
    ASSERT_TRUE(pen.CreatePen(0xFF808080, 1.0f));
    EXPECT_TRUE(g.DrawPath(pen, path));
    EXPECT_TRUE(pen.SetPenWidth(2.0f));
    EXPECT_TRUE(g.DrawLine(pen, 0, 40, 60, 40));
    EXPECT_TRUE(g.DrawRectangle(pen, 70, 5, 40, 20));
    EXPECT_TRUE(pen.DeletePen());
    GdipPen brushPen;
    EXPECT_TRUE(brushPen.CreatePenFromBrush(gradient, 1.0f));
    EXPECT_TRUE(brushPen.CreatePenFromBrush(gradient, 1.0f, 2));
    EXPECT_TRUE(brushPen.DeletePen());
    GdipPen pixelPen;
    EXPECT_TRUE(pixelPen.CreatePen(0xFF000000, 1.0f, 2));

    EXPECT_TRUE(path.ResetPath());
    EXPECT_TRUE(path.AddPathRectangle(70, 30, 20, 20));
    EXPECT_TRUE(path.AddPathEllipse(95, 30, 20, 20));
    GdipSolidBrush solid;
    ASSERT_TRUE(solid.CreateSolidFill(0xFF0000FF));
    EXPECT_TRUE(g.SetClipRect(0, 0, 120, 60));
    EXPECT_TRUE(g.SetClipPath(path, 1));
    EXPECT_TRUE(g.SetClipRect(70, 30, 10, 10, 3));
    EXPECT_TRUE(g.FillRectangle(solid, 0, 0, 120, 60));
    EXPECT_TRUE(g.ResetClip());
    EXPECT_TRUE(g.SetClipPath(path));
    EXPECT_TRUE(g.ResetClip());
    EXPECT_TRUE(gradient.DeleteBrush());
    EXPECT_TRUE(solid.DeleteBrush());
    EXPECT_TRUE(path.DeletePath());
    GdipPath winding;
    EXPECT_TRUE(winding.CreatePath(1));
    EXPECT_TRUE(g.DeleteGraphics());

    EXPECT_EQ(canvas.Rgb(85, 45), 0x0000FFu) << "inside the path, outside the excluded corner";
    EXPECT_EQ(canvas.Rgb(75, 35), 0xECECECu) << "the xor-ed corner stays clear";
    EXPECT_EQ(canvas.Rgb(30, 55), 0xECECECu) << "outside the clip path";
}

TEST(GdipPainterServices, TextFontsAndFormats)
{
    TestCanvas canvas(160, 40);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    GdipFont font;
    ASSERT_TRUE(font.CreateFontFromName("宋体", 12, 0));
    ASSERT_TRUE(font.CreateFontFromName("宋体", 12, 1, 2));
    EXPECT_FLOAT_EQ(font.GetFontSize(), 12);
    EXPECT_EQ(font.GetFontStyle(), 1);
    GdipFontFamily family;
    EXPECT_TRUE(font.GetFamily(family));
    EXPECT_FALSE(family.GetFamilyName().empty());
    EXPECT_TRUE(family.DeleteFontFamily());
    EXPECT_TRUE(font.DeleteFont());

    GdipFontCollection installed;
    GdipFontFamily named;
    ASSERT_TRUE(named.CreateFontFamilyFromName("宋体", installed, 0));
    GdipFont fromFamily;
    EXPECT_TRUE(fromFamily.CreateFont(named, 14));
    EXPECT_TRUE(fromFamily.CreateFont(named, 14, 2, 2));
    EXPECT_TRUE(named.DeleteFontFamily());

    HFONT gdiFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    GdipFont fromGdi;
    EXPECT_TRUE(fromGdi.CreateFontFromDCAndHFont(canvas.Dc(), gdiFont));
    DeleteObject(gdiFont);

    GdipStringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.CreateStringFormat(0x1000, 0));
    EXPECT_TRUE(format.SetStringFormatFlags(0x1000 | 0x2000));
    EXPECT_TRUE(format.SetStringFormatAlign(1));
    EXPECT_TRUE(format.SetStringFormatLineAlign(1));
    EXPECT_TRUE(format.SetStringFormatTrimming(3));
    GdipSolidBrush black;
    ASSERT_TRUE(black.CreateSolidFill(0xFF000000));
    const RectF box{0, 0, 160, 40};
    EXPECT_TRUE(g.DrawString("取名【100分】", fromFamily, black, box, format));
    EXPECT_TRUE(g.DrawString("左上", fromFamily, black, box));
    const RectF measured = g.MeasureString("取名", fromFamily, box, format);
    EXPECT_GT(measured.width, 14);
    RectF out;
    EXPECT_TRUE(g.MeasureString("取名", fromFamily, box, format, out));
    EXPECT_FLOAT_EQ(out.width, measured.width);
    EXPECT_TRUE(format.DeleteStringFormat());
    EXPECT_TRUE(fromFamily.DeleteFont());
    EXPECT_TRUE(g.DeleteGraphics());
    RECT ink;
    EXPECT_TRUE(canvas.DarkBounds(ink));

    // A family no installed font matches leaves the font empty; drawing with it draws nothing.
    GdipFont missing;
    EXPECT_FALSE(missing.CreateFontFromName("不存在的字体", 12, 0));
    TestCanvas blank(40, 20);
    GdipGraphics g2;
    ASSERT_TRUE(g2.CreateFromHDC(blank.Dc()));
    EXPECT_FALSE(g2.DrawString("字", missing, black, RectF{0, 0, 40, 20}));
    EXPECT_FALSE(blank.DarkBounds(ink));
}

TEST(GdipPainterServices, PicturesBitmapsAndPictureBrushes)
{
    // An off-screen bitmap painted through a graphics made on it, then handed on as a GDI bitmap.
    GdipBitmap surface;
    ASSERT_TRUE(surface.CreateBitmapFromScan0Default(48, 32));
    ASSERT_TRUE(surface.CreateBitmapFromScan0Default(48, 32, kPixelFormat32bppArgb));
    EXPECT_EQ(surface.BitmapGetPixel(0, 0), 0u);
    {
        GdipGraphics g;
        ASSERT_TRUE(g.CreateFromImage(surface));
        EXPECT_TRUE(g.GraphicsClear(0xFFFFFFFF));
        GdipPath round;
        ASSERT_TRUE(round.CreatePath());
        ASSERT_TRUE(round.AddPathEllipse(0, 0, 32, 32));
        GdipPathGradientBrush glow;
        ASSERT_TRUE(glow.CreatePathGradientFromPath(round));
        EXPECT_TRUE(glow.SetPathGradientCenterColor(0xFFFFFF00));
        std::vector<uint32_t> surround{0x00FFFFFF};
        EXPECT_TRUE(glow.SetPathGradientSurroundColorsWithCount(surround));
        int count = 1;
        EXPECT_TRUE(glow.SetPathGradientSurroundColorsWithCount(surround, count));
        EXPECT_TRUE(glow.SetPathGradientCenterPoint(PointF{16, 16}));
        EXPECT_TRUE(glow.SetPathGradientFocusScales(0.5f, 0.5f));
        EXPECT_TRUE(g.FillPath(glow, round));
        EXPECT_TRUE(glow.DeleteBrush());
    }
    EXPECT_TRUE(surface.BitmapSetPixel(47, 31, 0xFF123456));
    EXPECT_EQ(surface.BitmapGetPixel(47, 31), 0xFF123456u);
    HBITMAP gdi = surface.CreateHBITMAPFromBitmap(0);
    ASSERT_NE(gdi, nullptr);
    GdipBitmap fromGdi;
    EXPECT_TRUE(fromGdi.CreateBitmapFromHBITMAP(gdi, nullptr));
    DeleteObject(gdi);
    HBITMAP plain = surface.CreateHBITMAPFromBitmap();
    EXPECT_NE(plain, nullptr);
    DeleteObject(plain);

    // Picture bytes: PNG round trip, the raw format, and an animated GIF stepped frame by frame.
    const std::string png = surface.SaveImageToStream("{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}");
    ASSERT_FALSE(png.empty());
    GdipImage picture;
    ASSERT_TRUE(picture.LoadImageFromStream(png));
    ASSERT_TRUE(picture.LoadImageFromStream(png, false));
    EXPECT_EQ(picture.GetImageWidth(), 48);
    EXPECT_EQ(picture.GetImageHeight(), 32);
    EXPECT_EQ(picture.GetImageRawFormat(), "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}");
    GdipBitmap pictureBitmap;
    ASSERT_TRUE(pictureBitmap.CreateBitmapFromStream(png));
    EXPECT_EQ(pictureBitmap.GetImageWidth(), 48);
    GdipImage gif;
    ASSERT_TRUE(gif.LoadImageFromStream(MakeAnimatedGif(4, 4, {0xFF0000, 0x00FF00}, {10, 20})));
    EXPECT_EQ(gif.ImageGetFrameCount("{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}"), 2);
    EXPECT_TRUE(gif.ImageSelectActiveFrame("{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}", 1));
    std::vector<int> delays;
    EXPECT_TRUE(gif.GetFrameDelays(delays));

    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "导航图标.png";
    ASSERT_TRUE(picture.SaveImageToFile(file));
    GdipImage fromFile;
    EXPECT_TRUE(fromFile.LoadImageFromFile(file));
    GdipBitmap bitmapFromFile;
    EXPECT_TRUE(bitmapFromFile.CreateBitmapFromFile(file));
    EXPECT_TRUE(bitmapFromFile.CreateBitmapFromFile(file, false));
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    GdipBitmap fromIcon;
    EXPECT_TRUE(fromIcon.CreateBitmapFromHICON(icon));

    // Drawing pictures and a tiled picture brush onto a memory context.
    TestCanvas canvas(120, 40);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc(), nullptr));
    EXPECT_TRUE(g.DrawImage(picture, 50, 0));
    EXPECT_TRUE(g.DrawImage(surface, 0, 0));
    EXPECT_TRUE(g.DrawImageRectRect(fromIcon, 100, 0, 14, 14));
    EXPECT_TRUE(g.DrawImageRectRect(picture, 100, 20, 10, 10, 2));
    GdipTextureBrush tiles;
    EXPECT_TRUE(tiles.CreateTexture(fromIcon));
    EXPECT_TRUE(tiles.CreateTexture(fromIcon, 1));
    EXPECT_TRUE(g.FillRectangle(tiles, 0, 34, 120, 6));
    EXPECT_TRUE(tiles.DeleteBrush());
    EXPECT_TRUE(g.DeleteGraphics());
    EXPECT_EQ(canvas.Rgb(47, 31), 0x123456u) << "a 96-dpi bitmap is drawn at its own size";

    EXPECT_TRUE(fromFile.DisposeImage());
    EXPECT_TRUE(bitmapFromFile.DisposeBitmap());
    EXPECT_TRUE(picture.DisposeImage());
    EXPECT_TRUE(pictureBitmap.DisposeBitmap());
    EXPECT_TRUE(surface.DisposeBitmap());
    EXPECT_EQ(LastGdipStatus(), 0);
    DeleteFileA(file.c_str());
}

}  // namespace
