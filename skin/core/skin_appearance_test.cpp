// The appearance interface: the skin picture and colours (theme first; picture, base colour and mode;
// visible forms repainted, hidden ones left alone), a form's title style drawn at once, and a form's
// status-band text style.
#include <gtest/gtest.h>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "skin/core/caption_picture.h"
#include "skin/core/form_rows_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_test_support.h"
#include "skin/core/skin_appearance.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/skinned_labels.h"

namespace {

constexpr char kPngSignature[] = "\x89PNG";

class SkinAppearanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_firstFormSize = false;
        g_skinBaseColour = RGB(10, 20, 30);
        g_skinImage.clear();
        g_skinImageMode = 0;
        g_themeColour = kStartThemeColour;
    }
    void TearDown() override
    {
        g_skinBaseColour = 0;
        g_skinImage.clear();
        g_skinImageMode = 0;
        g_themeColour = kStartThemeColour;
    }
};

uint32_t Rgb(COLORREF c)
{
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

// A plain form's frame picture in its middle, where only the base colour (and the skin picture) lies.
uint32_t FrameMiddle(HWND window)
{
    return PixelRgb(FormRecord(FindSkinnedWindow(window)).frameDc, 150, 250);
}

std::string TemporaryFile(const char* name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof(folder), folder);
    return std::string(folder) + std::to_string(GetCurrentProcessId()) + "_" + name;
}

}  // namespace

TEST_F(SkinAppearanceTest, ThemeColourComesFirst)
{
    ScopedWindow window(CreateFrameForm(40, 40, 300, 300));
    SkinForm(window);
    UpdateWindow(window);
    const uint32_t before = FrameMiddle(window);
    g_skinBaseColour = RGB(200, 0, 0);

    SkinPicture theme;
    theme.themeColour = RGB(1, 2, 3);
    ApplySkin(theme);
    EXPECT_EQ(g_themeColour, RGB(1, 2, 3));
    EXPECT_EQ(FrameMiddle(window), before) << "nothing repainted";

    ApplySkin(SkinPicture{});
    EXPECT_EQ(g_themeColour, kStartThemeColour) << "no theme colour puts the start-up one back";

    SkinPicture fromBase;
    fromBase.themeColour = kThemeFromBaseColour;
    ApplySkin(fromBase);
    EXPECT_EQ(g_themeColour, kStartThemeColour) << "-1 alone changes nothing";
    EXPECT_EQ(g_skinBaseColour, RGB(200, 0, 0));
}

TEST_F(SkinAppearanceTest, PictureGivesBaseAndThemeColourAndMode)
{
    const std::string picture = CaptionTestPicture();
    const COLORREF average = SampleImageColour(picture, 2000) & 0xFFFFFF;
    struct Case {
        const char* what;
        std::optional<COLORREF> base;
        std::optional<int> mode;
        COLORREF expectedBase;
        int expectedMode;
        bool keptAsGiven;
    } cases[] = {
        {"no base, no mode: average colour, mirrored strip, bytes kept", std::nullopt, std::nullopt, average, 4, true},
        {"base given, mode 0: faded into it", RGB(0, 90, 0), 0, RGB(0, 90, 0), 0, false},
        {"mode 1", std::nullopt, 1, average, 1, false},
        {"mode 3: bytes kept", std::nullopt, 3, average, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SkinPicture skin;
        skin.bytes = picture;
        skin.baseColour = c.base;
        skin.themeColour = kThemeFromBaseColour;
        skin.imageMode = c.mode;
        ApplySkin(skin);
        EXPECT_EQ(g_skinBaseColour, c.expectedBase) << "colour bits only";
        EXPECT_EQ(g_themeColour, c.expectedBase);
        EXPECT_EQ(g_skinImageMode, c.expectedMode);
        if (c.keptAsGiven) {
            EXPECT_EQ(g_skinImage, picture);
        } else {
            EXPECT_EQ(g_skinImage.substr(0, 4), kPngSignature);
            EXPECT_NE(g_skinImage, picture);
            EXPECT_EQ(g_skinImage, RenderSkinImageToPng(picture, std::nullopt, c.expectedBase, c.expectedMode == 0));
        }
    }
}

// A damaged skin picture (the built-in JPEG cut short) is no picture: the skin in force stays.
TEST_F(SkinAppearanceTest, DamagedPictureKeepsTheSkinInForce)
{
    SkinPicture good;
    good.bytes = CaptionTestPicture();
    ApplySkin(good);
    const std::string kept = g_skinImage;
    const COLORREF base = g_skinBaseColour;
    for (int mode : {0, 1, 4}) {
        SkinPicture damaged;
        damaged.bytes = good.bytes.substr(0, good.bytes.size() / 2);
        damaged.imageMode = mode;
        ApplySkin(damaged);
        EXPECT_EQ(g_skinImage, kept);
        EXPECT_EQ(g_skinBaseColour, base);
    }
}

TEST_F(SkinAppearanceTest, PictureFileIsReadAndKeptAsPng)
{
    GdipBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromStream(CaptionTestPicture()));
    const std::string file = TemporaryFile("skin.bmp");
    ASSERT_TRUE(bitmap.SaveImageToFile(file, kImageFormatBmp));

    SkinPicture skin;
    skin.fileName = file;
    skin.bytes = "not a picture";  // the file wins
    skin.imageMode = 2;
    ApplySkin(skin);
    EXPECT_EQ(g_skinImageMode, 2);
    EXPECT_EQ(g_skinImage.substr(0, 4), kPngSignature) << "decoded and encoded again";
    GdipBitmap stored;
    ASSERT_TRUE(stored.CreateBitmapFromStream(g_skinImage));
    EXPECT_EQ(stored.GetImageWidth(), 420);
    EXPECT_EQ(g_skinBaseColour & 0xFF000000u, 0u);
    EXPECT_NE(g_skinBaseColour, 0u);
    DeleteFileA(file.c_str());
}

TEST_F(SkinAppearanceTest, VisibleFormsShowTheNewSkinHiddenOnesWait)
{
    ScopedWindow shown(CreateFrameForm(40, 40, 300, 300));
    ScopedWindow hidden(CreateFrameForm(360, 40, 300, 300));
    SkinForm(shown);
    SkinForm(hidden);
    UpdateWindow(shown);
    UpdateWindow(hidden);
    ShowWindow(hidden, SW_HIDE);
    HWND label = CreateTestChild(shown, "Static", 20, 120, 100, 20);
    SetWindowTextA(label, "标签");
    ASSERT_TRUE(CreateSkinnedChildControl(label));
    UpdateWindow(label);
    SkinFormRecord& form = FormRecord(FindSkinnedWindow(shown));
    ASSERT_FALSE(form.childControls[0]->dirty);
    const uint32_t hiddenBefore = FrameMiddle(hidden);

    SkinPicture colour;
    colour.baseColour = RGB(0, 128, 64);
    g_skinImage = CaptionTestPicture();
    g_skinImageMode = 3;
    ApplySkin(colour);
    EXPECT_TRUE(g_skinImage.empty()) << "only a base colour removes the picture";
    EXPECT_EQ(g_skinImageMode, 3) << "and keeps the mode";
    EXPECT_EQ(FrameMiddle(shown), Rgb(RGB(0, 128, 64)));
    EXPECT_EQ(FrameMiddle(hidden), hiddenBefore);
    EXPECT_TRUE(form.childControls[0]->dirty) << "controls render again";
    EXPECT_TRUE(GetUpdateRect(label, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(shown, nullptr, FALSE));
    UpdateWindow(shown);
    UpdateWindow(label);
    HDC dc = GetDC(shown);
    EXPECT_EQ(PixelRgb(dc, 150, 250), Rgb(RGB(0, 128, 64)));
    ReleaseDC(shown, dc);
}

TEST_F(SkinAppearanceTest, TitleStyleIsDrawnAtOnce)
{
    EXPECT_FALSE(SetTitleTextStyle(GetDesktopWindow(), TitleTextStyle{}));
    SkinFormOptions noTitle;
    noTitle.showTitle = 0;
    ScopedWindow window(CreateFrameForm(40, 40, 400, 200));
    SetWindowTextA(window, "标题样式");
    SkinForm(window, noTitle);
    UpdateWindow(window);
    SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    const RECT title = {20, 4, 200, 22};
    const Pixels bare = CopyPixels(form.frameDc, title);

    TitleTextStyle style;
    style.textColour = RGB(255, 255, 0);
    style.glowColour = CLR_INVALID;
    style.fontSize = 14;
    style.bold = false;
    ASSERT_TRUE(SetTitleTextStyle(window, style));
    EXPECT_EQ(form.titleColour, RGB(255, 255, 0));
    EXPECT_EQ(form.titleGlowColour, CLR_INVALID);
    EXPECT_EQ(form.titleSize, 14);
    EXPECT_FALSE(form.titleBold);
    EXPECT_EQ(form.titleFont, "宋体") << "not given: kept";
    const Pixels drawn = CopyPixels(form.frameDc, title);
    EXPECT_NE(drawn, bare) << "drawn although the form shows no title";
    HDC dc = GetDC(window);
    EXPECT_EQ(CopyPixels(dc, title), drawn) << "and on the screen";
    ReleaseDC(window, dc);

    ASSERT_TRUE(SetTitleTextStyle(window, TitleTextStyle{}));
    EXPECT_EQ(CopyPixels(form.frameDc, title), drawn) << "no style given: the current title again";
}

TEST_F(SkinAppearanceTest, StatusBandStyleDefaultsAndWaitsForTheNextRebuild)
{
    EXPECT_FALSE(SetStatusBandStyle(GetDesktopWindow(), StatusTextStyle{}));
    ScopedWindow window(CreateFrameForm(40, 40, 500, 300));
    SkinForm(window, ProgramLikeOptions());
    UpdateWindow(window);
    SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    EXPECT_FALSE(form.statusInverseText) << "segment colours until the style is set";
    form.statusFont = "黑体";
    form.statusSize = 13;
    const RECT band = {0, 270, 500, 300};
    const Pixels before = CopyPixels(form.frameDc, band);

    ASSERT_TRUE(SetStatusBandStyle(window, StatusTextStyle{}));
    EXPECT_TRUE(form.statusInverseText);
    EXPECT_FALSE(form.statusTextGlow);
    EXPECT_EQ(form.statusTextColour, 0u);
    EXPECT_EQ(form.statusGlowColour, 0xFFFFFFu);
    EXPECT_EQ(form.statusFont, "黑体");
    EXPECT_EQ(form.statusSize, 13);
    EXPECT_EQ(CopyPixels(form.frameDc, band), before) << "nothing redrawn";

    StatusTextStyle glowing;
    glowing.inverseText = false;
    glowing.halo = true;
    glowing.haloTextColour = 0xFFFFFF;
    glowing.haloColour = 0x9000FF;
    glowing.fontName = "宋体";
    glowing.fontSize = 12;
    ASSERT_TRUE(SetStatusBandStyle(window, glowing));
    EXPECT_FALSE(form.statusInverseText);
    EXPECT_TRUE(form.statusTextGlow);
    EXPECT_EQ(form.statusTextColour, 0xFFFFFFu);
    EXPECT_EQ(form.statusGlowColour, 0x9000FFu);
    EXPECT_EQ(form.statusFont, "宋体");
    EXPECT_EQ(form.statusSize, 12);
    form.needsFullRepaint = true;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_NE(CopyPixels(form.frameDc, band), before) << "shown by the next rebuild";
}
