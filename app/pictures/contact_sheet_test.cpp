// A contact sheet of every picture the program carries and of the shipped skins' thumbnails with their
// names, drawn with GDI+ as the program draws them and saved to build/screenshots/pictures.png, so a
// person can look at them all at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/pictures/pictures.h"
#include "app/pictures/pictures_test_support.h"
#include "app/pictures/program_resource_ids.h"
#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_string_format.h"
#include "gdiplus/gdip_types.h"
#include "runtime/files.h"

namespace {

constexpr int kSheetWidth = 1000;
constexpr int kSheetHeight = 1130;
constexpr uint32_t kPaper = 0xFFF4F6F4;
constexpr uint32_t kInk = 0xFF303030;
constexpr uint32_t kThemeGreen = 0xFF51AE51;  // the main window's theme colour 0x51AE51

class Sheet {
public:
    Sheet()
    {
        bitmap_.CreateBitmapFromScan0Default(kSheetWidth, kSheetHeight, kPixelFormat32bppArgb);
        g_.CreateFromImage(bitmap_);
        g_.SetInterpolationMode(7);  // high-quality bicubic for the scaled pictures
        g_.GraphicsClear(kPaper);
        font_.CreateFontFromName("宋体", 12, 0, 2);
        heading_.CreateFontFromName("宋体", 14, 1, 2);
        ink_.CreateSolidFill(kInk);
        centred_.CreateStringFormat();
        centred_.SetStringFormatAlign(1);
    }

    void Heading(const std::string& text, float y) { g_.DrawString(text, heading_, ink_, {12, y, 900, 20}); }
    void Caption(const std::string& text, float x, float y, float width)
    {
        g_.DrawString(text, font_, ink_, {x, y, width, 16}, centred_);
    }
    void Fill(uint32_t colour, float x, float y, float w, float h)
    {
        GdipSolidBrush brush;
        brush.CreateSolidFill(colour);
        g_.FillRectangle(brush, x, y, w, h);
    }
    bool Picture(const std::string& bytes, float x, float y, float w, float h)
    {
        GdipBitmap picture;
        return picture.CreateBitmapFromStream(bytes) && g_.DrawImageRectRect(picture, x, y, w, h);
    }
    bool Icon(int side, float x, float y)
    {
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM_ICON), IMAGE_ICON, side, side, 0));
        if (!icon)
            return false;
        GdipBitmap picture;
        const bool drawn = picture.CreateBitmapFromHICON(icon) &&
                           g_.DrawImageRectRect(picture, x, y, static_cast<float>(side), static_cast<float>(side));
        DestroyIcon(icon);
        return drawn;
    }
    bool Save(const std::string& path)
    {
        g_.DeleteGraphics();
        return bitmap_.SaveImageToFile(path, kImageFormatPng);
    }

private:
    GdipBitmap bitmap_;
    GdipGraphics g_;
    GdipFont font_, heading_;
    GdipSolidBrush ink_;
    GdipStringFormat centred_;
};

TEST(ContactSheet, SavesEveryPictureAndSkin)
{
    Sheet sheet;

    sheet.Heading("导航栏图片（128 x 128，第三张 256 x 256；下排为导航栏上的大小）", 10);
    const char* const captions[] = {"宝宝取名", "姓名评测", "自选列表", "组合模式",
                                    "诗词模式", "取英文名", "取小名",   "生辰八字"};
    for (int i = 0; i < kNavBarPictureCount; ++i) {
        const float x = 12.0f + i * 122.0f;
        EXPECT_TRUE(sheet.Picture(NavBarPictureBytes(i), x, 36, 112, 112)) << captions[i];
        sheet.Fill(kThemeGreen, x + 18, 160, 76, 70);
        EXPECT_TRUE(sheet.Picture(NavBarPictureBytes(i), x + 31, 164, 50, 50));
        sheet.Caption(captions[i], x, 214, 112);
    }

    sheet.Heading("换皮肤按钮（26 x 18，原大与四倍）与程序图标（16 至 256）", 244);
    sheet.Fill(kThemeGreen, 12, 270, 150, 90);
    EXPECT_TRUE(sheet.Picture(PictureBytes(Picture::SkinButton), 20, 280, 26, 18));
    EXPECT_TRUE(sheet.Picture(PictureBytes(Picture::SkinButton), 52, 280, 104, 72));
    float x = 180;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sheet.Icon(side, x, 270)) << side;
        x += side + 12;
    }

    sheet.Heading("内置皮肤图片（900 x 420，缩小一半）", 534);
    EXPECT_TRUE(sheet.Picture(PictureBytes(Picture::BuiltInSkin), 12, 560, 450, 210));

    std::vector<ShippedSkin> skins;
    ASSERT_TRUE(ReadShippedSkins(skins));
    sheet.Heading("皮肤库 Dskin（缩略图 95 x 60 与名称）", 786);
    for (size_t i = 0; i < skins.size(); ++i) {
        // The skin window's grid: 99 pixels a column, 84 a row.
        const float left = 12.0f + (i % 9) * 107.0f;
        const float top = 812.0f + (i / 9) * 84.0f;
        std::string thumbnail;
        ASSERT_TRUE(ReadFileBytes(SkinFolderPath() + "\\" + skins[i].folder + "\\small.jpg", thumbnail));
        EXPECT_TRUE(sheet.Picture(thumbnail, left, top, 95, 60)) << skins[i].folder;
        sheet.Caption(skins[i].name, left - 4, top + 62, 103);
    }

    CreateDirectoryA(BN_SCREENSHOT_DIR, nullptr);
    const std::string path = std::string(BN_SCREENSHOT_DIR) + "\\pictures.png";
    ASSERT_TRUE(sheet.Save(path));
    GdipBitmap saved;
    ASSERT_TRUE(saved.CreateBitmapFromFile(path));
    EXPECT_EQ(saved.GetImageWidth(), kSheetWidth);
    EXPECT_EQ(saved.GetImageHeight(), kSheetHeight);
}

}  // namespace
