// The pictures the program carries and the skins it ships, decoded as the program decodes them (GDI+),
// and the program file's icon and version resource, linked into this test program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/pictures/pictures.h"
#include "app/pictures/pictures_test_support.h"
#include "app/pictures/program_resource_ids.h"
#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "runtime/files.h"
#include "runtime/ini.h"

namespace {

constexpr int kPixelFormatHasAlpha = 0x40000;  // PixelFormatAlpha

struct Decoded {
    bool ok = false;
    std::string format;
    int width = 0, height = 0;
    bool alpha = false;
};

Decoded Decode(const std::string& bytes)
{
    Decoded d;
    GdipBitmap bitmap;
    d.ok = bitmap.CreateBitmapFromStream(bytes);
    if (d.ok) {
        d.format = bitmap.GetImageRawFormat();
        d.width = bitmap.GetImageWidth();
        d.height = bitmap.GetImageHeight();
        d.alpha = (bitmap.GetImagePixelFormat() & kPixelFormatHasAlpha) != 0;
    }
    return d;
}

uint32_t AlphaAt(const std::string& png, int x, int y)
{
    GdipBitmap bitmap;
    EXPECT_TRUE(bitmap.CreateBitmapFromStream(png));
    return bitmap.BitmapGetPixel(x, y) >> 24;
}

TEST(EmbeddedPictures, DecodeAtTheirSizes)
{
    struct Case {
        const char* name;
        std::string bytes;
        const char* format;
        int side_x, side_y;
        bool alpha;
    };
    const std::vector<Case> cases = {
        {"built-in skin", PictureBytes(Picture::BuiltInSkin), kImageFormatJpeg, 900, 420, false},
        {"skin button", PictureBytes(Picture::SkinButton), kImageFormatPng, 26, 18, true},
        {"宝宝取名", NavBarPictureBytes(0), kImageFormatPng, 128, 128, true},
        {"姓名评测", NavBarPictureBytes(1), kImageFormatPng, 128, 128, true},
        {"自选列表", NavBarPictureBytes(2), kImageFormatPng, 256, 256, true},
        {"组合模式", NavBarPictureBytes(3), kImageFormatPng, 128, 128, true},
        {"诗词模式", NavBarPictureBytes(4), kImageFormatPng, 128, 128, true},
        {"取英文名", NavBarPictureBytes(5), kImageFormatPng, 128, 128, true},
        {"取小名", NavBarPictureBytes(6), kImageFormatPng, 128, 128, true},
        {"生辰八字", NavBarPictureBytes(7), kImageFormatPng, 128, 128, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded d = Decode(c.bytes);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.format, c.format);
        EXPECT_EQ(d.width, c.side_x);
        EXPECT_EQ(d.height, c.side_y);
        EXPECT_EQ(d.alpha, c.alpha);
    }
    EXPECT_EQ(PictureBytes(Picture::BuiltInSkin).size(), 57344u);
}

// The program file carries the pictures of the tree byte for byte, the navigation bar's in its order.
TEST(EmbeddedPictures, ResourcesAreTheTreesFilesInTheBarOrder)
{
    const char* const navFiles[kNavBarPictureCount] = {"nav_naming.png",      "nav_scoring.png", "nav_favourites.png",
                                                       "nav_combination.png", "nav_poem.png",    "nav_english.png",
                                                       "nav_nickname.png",    "nav_birth_chart.png"};
    const auto fileBytes = [](const char* name) {
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes(std::string(BN_PICTURE_DIR) + "/" + name, bytes)) << name;
        return bytes;
    };
    for (int i = 0; i < kNavBarPictureCount; ++i) {
        const std::string bytes = NavBarPictureBytes(i);
        EXPECT_EQ(bytes, fileBytes(navFiles[i])) << "item " << i + 1;
        EXPECT_TRUE(Decode(bytes).ok) << "item " << i + 1;
    }
    EXPECT_EQ(PictureBytes(Picture::BuiltInSkin), fileBytes("builtin_skin.jpg"));
    EXPECT_EQ(PictureBytes(Picture::SkinButton), fileBytes("skin_button.png"));
    EXPECT_EQ(PictureBytes(Picture::SkinMarker), fileBytes("skin_marker.png"));
    EXPECT_TRUE(NavBarPictureBytes(-1).empty());
    EXPECT_TRUE(NavBarPictureBytes(kNavBarPictureCount).empty());
}

// The button face is a glyph over a clear gloss: the symbol opaque at the middle, the bottom corners
// almost clear, so the caption behind shows through as on the standard buttons.
TEST(EmbeddedPictures, SkinButtonIsAGlyphOnAClearFace)
{
    const std::string png = PictureBytes(Picture::SkinButton);
    EXPECT_EQ(AlphaAt(png, 13, 10), 255u);
    EXPECT_LT(AlphaAt(png, 0, 17), 16u);
    EXPECT_LT(AlphaAt(png, 25, 17), 16u);
    EXPECT_GT(AlphaAt(png, 1, 0), AlphaAt(png, 1, 16));  // the gloss fades toward the bottom
}

TEST(ShippedSkins, ListFoldersNamesAndColours)
{
    std::vector<ShippedSkin> skins;
    ASSERT_TRUE(ReadShippedSkins(skins)) << SkinFolderPath();
    EXPECT_GE(skins.size(), 18u);
    std::set<std::string> folders, names;
    for (const ShippedSkin& skin : skins) {
        SCOPED_TRACE(skin.folder);
        EXPECT_TRUE(folders.insert(skin.folder).second);
        EXPECT_TRUE(names.insert(skin.name).second);
        // A Chinese name in GBK: two bytes a character, lead bytes from 0x81.
        ASSERT_GE(skin.name.size(), 4u);
        EXPECT_EQ(skin.name.size() % 2, 0u);
        EXPECT_GE(static_cast<unsigned char>(skin.name[0]), 0x81);
        const std::string ini = SkinFolderPath() + "\\" + skin.folder + "\\conf.ini";
        for (const char* key : {"TitleColor", "SongColor", "TimeColor", "PartColor"}) {
            const std::string value = IniRead(ini, "CONF", key);
            char* end = nullptr;
            const long colour = std::strtol(value.c_str(), &end, 10);
            EXPECT_TRUE(!value.empty() && *end == '\0') << key << "=" << value;
            EXPECT_GE(colour, 0) << key;
            EXPECT_LE(colour, 0xFFFFFF) << key;
        }
    }
}

TEST(ShippedSkins, PicturesDecodeAtTheirSizes)
{
    std::vector<ShippedSkin> skins;
    ASSERT_TRUE(ReadShippedSkins(skins));
    for (const ShippedSkin& skin : skins) {
        SCOPED_TRACE(skin.folder);
        const std::string folder = SkinFolderPath() + "\\" + skin.folder + "\\";
        std::string background, thumbnail;
        ASSERT_TRUE(ReadFileBytes(folder + "bk.jpg", background));
        ASSERT_TRUE(ReadFileBytes(folder + "small.jpg", thumbnail));
        const Decoded bk = Decode(background);
        const Decoded small = Decode(thumbnail);
        ASSERT_TRUE(bk.ok);
        ASSERT_TRUE(small.ok);
        EXPECT_EQ(bk.format, kImageFormatJpeg);
        EXPECT_EQ(small.format, kImageFormatJpeg);
        EXPECT_EQ(bk.width, 950);
        EXPECT_EQ(bk.height, 600);
        EXPECT_EQ(small.width, 95);
        EXPECT_EQ(small.height, 60);
    }
}

TEST(ProgramResources, Icon129LoadsAtEverySize)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(self, MAKEINTRESOURCEA(IDI_PROGRAM_ICON));
    ASSERT_NE(icon, nullptr);
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        HICON sized = static_cast<HICON>(LoadImageA(self, MAKEINTRESOURCEA(IDI_PROGRAM_ICON), IMAGE_ICON, side, side, 0));
        ASSERT_NE(sized, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(sized, &info));
        BITMAP colour = {};
        ASSERT_NE(info.hbmColor, nullptr);
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, side);
        EXPECT_EQ(colour.bmHeight, side);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(sized);
    }
}

std::string VersionString(const std::vector<char>& info, const char* key)
{
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\080404b0\\") + key;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return std::string();
    return std::string(value, strnlen(value, length));
}

TEST(ProgramResources, FileVersionEndsInTheVersionTag)
{
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));

    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, sizeof *translation);
    EXPECT_EQ(translation->language, 0x0804);
    EXPECT_EQ(translation->codePage, 1200);

    const std::string version = VersionString(info, "FileVersion");
    EXPECT_EQ(version, "2024.1.1.0");
    ASSERT_GE(version.size(), 3u);
    EXPECT_EQ(version.substr(version.size() - 3), "1.0");
    // The script is UTF-8: the Chinese names come back in the ANSI code page intact.
    EXPECT_EQ(VersionString(info, "ProductName"), "宝宝起名");
}

}  // namespace
