// The looks of push buttons, radio buttons and check boxes, drawn by their layer functions into a plain
// memory context, and the theme-tinted tick.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/tick_image.h"
#include "skin/core/skin_options.h"

namespace {

using FaceFunction = void (*)(GdipGraphics&, int, int, UINT, const ButtonFace&);

constexpr COLORREF kBlueTheme = 0xFF0000;  // COLORREF: blue
constexpr uint32_t kSilver = 0xC0C0C0;
constexpr uint32_t kGreyBackground = 0x808080;

std::unique_ptr<TestCanvas> Draw(FaceFunction draw, int w, int h, UINT state, const ButtonFace& face,
                                 uint32_t background = 0xFFFFFF)
{
    auto canvas = std::make_unique<TestCanvas>(w, h, background);
    DrawLikeAPainter(*canvas, [&](HDC, GdipGraphics& graphics) { draw(graphics, w, h, state, face); });
    return canvas;
}

bool IsNeutral(uint32_t rgb)
{
    return ColourDistance(rgb, (rgb & 0xFF) * 0x010101) <= 3;
}

bool IsBluish(uint32_t rgb, int margin)
{
    return BlueOf(rgb) > RedOf(rgb) + margin;
}

ButtonFace Face(const char* caption, bool checked = false)
{
    ButtonFace face;
    face.caption = caption;
    face.checked = checked;
    return face;
}

class ButtonPaintersTest : public testing::Test {
protected:
    void SetUp() override { g_themeColour = kBlueTheme; }
    void TearDown() override { g_themeColour = kStartThemeColour; }
};

}  // namespace

TEST_F(ButtonPaintersTest, PushButtonStates)
{
    constexpr int w = 80, h = 24;
    const ButtonFace face = Face("");
    auto plain = Draw(DrawPushButtonFace, w, h, 0, face);
    auto hot = Draw(DrawPushButtonFace, w, h, ODS_HOTLIGHT, face);
    auto focused = Draw(DrawPushButtonFace, w, h, ODS_FOCUS, face);
    auto pressed = Draw(DrawPushButtonFace, w, h, ODS_SELECTED, face);
    auto disabled = Draw(DrawPushButtonFace, w, h, ODS_DISABLED, face);

    struct Probe {
        const char* what;
        const TestCanvas& canvas;
        int x, y;
        std::function<bool(uint32_t)> holds;
    } probes[] = {
        {"plain face is grey", *plain, 40, 18, IsNeutral},
        {"hot face leans to the theme", *hot, 40, 18, [](uint32_t c) { return IsBluish(c, 10); }},
        {"plain edge is grey", *plain, 1, 12, IsNeutral},
        {"focus glow inside the edge, 0xDDCA22", *focused, 1, 12,
         [](uint32_t c) { return GreenOf(c) > RedOf(c) + 20 && BlueOf(c) > RedOf(c) + 20; }},
        {"pressed: inner theme gradient", *pressed, 40, 4, [](uint32_t c) { return IsBluish(c, 20); }},
        {"not pressed: no theme there", *plain, 40, 4, IsNeutral},
        {"disabled: silver block to the corner", *disabled, 0, 0, [](uint32_t c) { return c == kSilver; }},
        {"disabled: silver block to the far corner", *disabled, w - 1, h - 1, [](uint32_t c) { return c == kSilver; }},
        {"disabled face near silver", *disabled, 40, 12, [](uint32_t c) { return ColourDistance(c, kSilver) < 30; }},
    };
    for (const Probe& p : probes)
        EXPECT_TRUE(p.holds(p.canvas.Rgb(p.x, p.y))) << p.what << ": " << std::hex << p.canvas.Rgb(p.x, p.y);

    // A picture button's bitmap sits centred over the look, in place of the caption.
    ButtonFace pictured = Face("不显示");
    pictured.picture = SolidBitmap(10, 8, RGB(255, 0, 0));
    auto picture = Draw(DrawPushButtonFace, w, h, ODS_HOTLIGHT, pictured);
    EXPECT_EQ(picture->Rgb(35, 8), 0xFF0000u);
    EXPECT_EQ(picture->Rgb(44, 15), 0xFF0000u);
    EXPECT_NE(picture->Rgb(34, 8), 0xFF0000u);
    EXPECT_NE(picture->Rgb(45, 15), 0xFF0000u);
    EXPECT_TRUE(SameImage(*picture, *Draw(DrawPushButtonFace, w, h, ODS_HOTLIGHT, [&] {
        ButtonFace f = pictured;
        f.caption.clear();
        return f;
    }()))) << "no caption";
    DeleteObject(pictured.picture);

    // A hot button shows no focus glow; a disabled one no other state.
    EXPECT_TRUE(SameImage(*Draw(DrawPushButtonFace, w, h, ODS_HOTLIGHT | ODS_FOCUS, face), *hot));
    EXPECT_TRUE(SameImage(*Draw(DrawPushButtonFace, w, h, ODS_DISABLED | ODS_HOTLIGHT | ODS_SELECTED, face), *disabled));
    // The pressed gradient lies over the hot look too.
    EXPECT_TRUE(IsBluish(Draw(DrawPushButtonFace, w, h, ODS_HOTLIGHT | ODS_SELECTED, face)->Rgb(40, 4), 20));
    // The glow keeps its colour when the theme changes; the hot look follows the theme.
    g_themeColour = 0x0000FF;  // red
    EXPECT_TRUE(SameImage(*Draw(DrawPushButtonFace, w, h, ODS_FOCUS, face), *focused));
    EXPECT_GT(RedOf(Draw(DrawPushButtonFace, w, h, ODS_HOTLIGHT, face)->Rgb(40, 18)),
              BlueOf(Draw(DrawPushButtonFace, w, h, ODS_HOTLIGHT, face)->Rgb(40, 18)) + 10);
}

TEST_F(ButtonPaintersTest, CaptionsAreCentredOnPushButtonsAndFollowTheIndicatorOtherwise)
{
    struct Case {
        const char* what;
        FaceFunction draw;
        UINT state;
        int minLeft, maxLeft;
    } cases[] = {
        {"radio", DrawRadioButtonFace, 0, 15, 19},
        {"check box", DrawCheckBoxFace, 0, 15, 19},
        {"disabled radio", DrawRadioButtonFace, ODS_DISABLED, 2, 6},
        {"disabled check box", DrawCheckBoxFace, ODS_DISABLED, 2, 6},
    };
    for (const Case& c : cases) {
        auto canvas = Draw(c.draw, 120, 20, c.state, Face("测试"), 0xFFFFFF);
        RECT box = {};
        ASSERT_TRUE(canvas->DarkBounds(box, 0x60)) << c.what;
        // The indicator's own dark outline lies left of x 15: look from there on for enabled ones.
        if (c.minLeft >= 15) {
            int left = 119;
            for (int y = 0; y < 20; ++y)
                for (int x = 17; x < 120; ++x)
                    if (RedOf(canvas->Rgb(x, y)) < 0x60 && x < left)
                        left = x;
            EXPECT_GE(left, c.minLeft) << c.what;
            EXPECT_LE(left, c.maxLeft) << c.what;
        } else {
            EXPECT_GE(box.left, c.minLeft) << c.what;
            EXPECT_LE(box.left, c.maxLeft) << c.what;
        }
    }
    auto push = Draw(DrawPushButtonFace, 120, 30, 0, Face("测试"));
    RECT box = {};
    ASSERT_TRUE(push->DarkBounds(box, 0x60));
    EXPECT_NEAR((box.left + box.right) / 2.0, 60, 3);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, 15 + 1, 3) << "two pixels below the middle of the layout box";
}

TEST_F(ButtonPaintersTest, AnAmpersandMarksTheAccessKeyAndIsNotDrawn)
{
    RECT marked = {};
    RECT plain = {};
    ASSERT_TRUE(Draw(DrawPushButtonFace, 120, 30, 0, Face("否(&N)"))->DarkBounds(marked, 0x60));
    ASSERT_TRUE(Draw(DrawPushButtonFace, 120, 30, 0, Face("否(N)"))->DarkBounds(plain, 0x60));
    EXPECT_NEAR(marked.right - marked.left, plain.right - plain.left, 2) << "no ampersand's width";
}

TEST_F(ButtonPaintersTest, RadioButtonAndCheckBoxStates)
{
    constexpr int w = 100, h = 20;
    const int cy = (h - 12) / 2;
    g_themeColour = kBlueTheme;
    struct Probe {
        const char* what;
        FaceFunction draw;
        UINT state;
        bool checked;
        int x, y;
        std::function<bool(uint32_t)> holds;
    } probes[] = {
        {"radio unchecked: white indicator", DrawRadioButtonFace, 0, false, 8, cy + 6,
         [](uint32_t c) { return IsNeutral(c) && RedOf(c) > 0xA0; }},
        {"radio checked: theme dot", DrawRadioButtonFace, 0, true, 6, cy + 6, [](uint32_t c) { return IsBluish(c, 20); }},
        {"radio hot: glowing ring", DrawRadioButtonFace, ODS_HOTLIGHT, false, 0, cy + 6,
         [](uint32_t c) { return c != kGreyBackground; }},
        {"radio not hot: no ring", DrawRadioButtonFace, 0, false, 0, cy + 6,
         [](uint32_t c) { return c == kGreyBackground; }},
        {"check box unchecked: light box", DrawCheckBoxFace, 0, false, 10, cy + 6,
         [](uint32_t c) { return RedOf(c) > 0x80; }},
        {"check box hot: glowing ring", DrawCheckBoxFace, ODS_HOTLIGHT, false, 0, cy + 6,
         [](uint32_t c) { return c != kGreyBackground; }},
        {"check box not hot: no ring", DrawCheckBoxFace, 0, false, 0, cy + 6,
         [](uint32_t c) { return c == kGreyBackground; }},
        {"check box hot: box leans to the theme", DrawCheckBoxFace, ODS_HOTLIGHT, false, 10, cy + 6,
         [](uint32_t c) { return IsBluish(c, 10); }},
    };
    for (const Probe& p : probes) {
        auto canvas = Draw(p.draw, w, h, p.state, Face("", p.checked), kGreyBackground);
        EXPECT_TRUE(p.holds(canvas->Rgb(p.x, p.y))) << p.what << ": " << std::hex << canvas->Rgb(p.x, p.y);
    }

    SCOPED_TRACE("a theme-0 tick is black inside the box");
    g_themeColour = 0;
    EXPECT_LT(RedOf(Draw(DrawCheckBoxFace, w, h, 0, Face("", true), kGreyBackground)->Rgb(10, cy + 6)), 0x40);
    g_themeColour = kBlueTheme;

    for (FaceFunction draw : {DrawRadioButtonFace, DrawCheckBoxFace}) {
        SCOPED_TRACE(draw == DrawRadioButtonFace ? "radio" : "check box");
        // Pressed and focus bits change nothing.
        EXPECT_TRUE(SameImage(*Draw(draw, w, h, ODS_SELECTED | ODS_FOCUS, Face("a", true)), *Draw(draw, w, h, 0, Face("a", true))));
        // Disabled: a silver block without indicator, checked or not.
        auto disabledChecked = Draw(draw, w, h, ODS_DISABLED, Face("", true), kGreyBackground);
        EXPECT_TRUE(SameImage(*disabledChecked, *Draw(draw, w, h, ODS_DISABLED | ODS_HOTLIGHT, Face("", false), kGreyBackground)));
        EXPECT_EQ(disabledChecked->Rgb(0, 0), kSilver);
        EXPECT_LT(ColourDistance(disabledChecked->Rgb(8, cy + 6), kSilver), 30);
    }
    // An odd height puts the indicator on a half pixel and still draws it.
    EXPECT_TRUE(IsBluish(Draw(DrawRadioButtonFace, w, 21, 0, Face("", true))->Rgb(6, 10), 20));
}

TEST_F(ButtonPaintersTest, TheTickPictureAndItsTint)
{
    GdipBitmap source;
    ASSERT_TRUE(source.CreateBitmapFromStream(PngTick13x12()));
    ASSERT_EQ(source.GetImageWidth(), 13);
    ASSERT_EQ(source.GetImageHeight(), 12);
    EXPECT_NEAR(source.GetImageHorizontalResolution(), 96, 0.1);
    EXPECT_EQ(source.BitmapGetPixel(0, 0), 0x00FFFFFFu) << "transparent white around the tick";
    const uint32_t bottom = source.BitmapGetPixel(5, 11);  // where the two strokes meet
    EXPECT_EQ(bottom >> 24, 0xFFu);
    EXPECT_GT((bottom >> 8) & 0xFF, (bottom >> 16) & 0xFF) << "green";
    EXPECT_EQ(source.BitmapGetPixel(12, 0) >> 24, 0xFFu) << "up to the top-right corner";

    struct Case {
        COLORREF theme;
    } cases[] = {{0}, {0x2233AA}, {0xFF2233AA}};
    std::vector<std::vector<uint32_t>> pictures;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.theme);
        g_themeColour = c.theme;
        GdipBitmap tinted;
        ASSERT_TRUE(tinted.CreateBitmapFromStream(MakeTintedTickImage()));
        std::vector<uint32_t> pixels;
        for (int x = 0; x < 13; ++x) {
            for (int y = 0; y < 12; ++y) {
                const uint32_t before = source.BitmapGetPixel(x, y);
                const uint32_t after = tinted.BitmapGetPixel(x, y);
                pixels.push_back(after);
                if ((before & 0xFFFFFF) == 0xFFFFFF) {
                    EXPECT_EQ(after, before) << "white stays, transparent or not";
                    continue;
                }
                const uint32_t r = (before >> 16) & 0xFF, g = (before >> 8) & 0xFF, b = before & 0xFF;
                const uint32_t theme = c.theme & 0xFFFFFF;
                const uint32_t expected = ((255 - (r + g + b) / 3) << 24) |
                                          (static_cast<uint32_t>(r / 255.0 * GetRValue(theme)) << 16) |
                                          (static_cast<uint32_t>(g / 255.0 * GetGValue(theme)) << 8) |
                                          static_cast<uint32_t>(b / 255.0 * GetBValue(theme));
                EXPECT_EQ(after, expected) << x << "," << y;
            }
        }
        pictures.push_back(pixels);
    }
    EXPECT_EQ(pictures[1], pictures[2]) << "the top byte of the theme is not part of the colour";
}

TEST_F(ButtonPaintersTest, SoftOutlineGrowsFromOneToCountPixels)
{
    std::vector<int> widths;
    for (int count : {0, 1, 3}) {
        TestCanvas canvas(40, 40, 0xFFFFFF);
        DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& graphics) {
            GdipPath path;
            path.CreatePath();
            path.AddPathRectangle(10, 10, 20, 20);
            DrawSoftOutline(graphics, path, count, 0x000000, 120);
        });
        // Across the left side, the line x = 10: how many pixels the strokes touched, and the darkest.
        int touched = 0;
        int darkest = 0;
        for (int x = 5; x < 16; ++x) {
            if (canvas.Rgb(x, 20) != 0xFFFFFF)
                ++touched;
            if (RedOf(canvas.Rgb(x, 20)) < RedOf(canvas.Rgb(darkest, 20)))
                darkest = x;
        }
        widths.push_back(touched);
        if (count > 0) {
            EXPECT_NEAR(darkest, 10, 1) << "most opaque along the path";
        }
        EXPECT_EQ(canvas.Rgb(20, 20), 0xFFFFFFu);
    }
    EXPECT_EQ(widths[0], 0);
    EXPECT_GE(widths[1], 1);
    EXPECT_GT(widths[2], widths[1]);
}
