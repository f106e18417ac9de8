// Text of skinned statics, labels, check boxes and radio buttons stays readable on dark and light themes:
// black over light backgrounds, white over dark ones.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "gdiplus/gdip_test_support.h"
#include "skin/controls/button_family.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/combo_family.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/static_family.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

constexpr uint32_t kDarkBlue = 0x202060;    // 0xRRGGBB, as a dark theme leaves the form
constexpr uint32_t kLightGreen = 0xD8ECD0;  // the built-in skin's light green

bool IsLight(uint32_t rgb)
{
    return RedOf(rgb) > 0xC0 && GreenOf(rgb) > 0xC0 && BlueOf(rgb) > 0xC0;
}

bool IsDark(uint32_t rgb)
{
    return RedOf(rgb) < 0x50 && GreenOf(rgb) < 0x50 && BlueOf(rgb) < 0x50;
}

COLORREF AsColorref(uint32_t rgb)
{
    return RGB(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// Light and dark pixels of an area of a picture.
struct Strokes {
    int light = 0, dark = 0;
};

template <class PixelAt>
Strokes CountStrokes(int left, int top, int right, int bottom, PixelAt pixelAt)
{
    Strokes s;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const uint32_t rgb = pixelAt(x, y);
            s.light += IsLight(rgb);
            s.dark += IsDark(rgb);
        }
    return s;
}

// Skinned children under the veil, on a plain theme of one colour; the skin's settings come back after.
class VeiledTheme {
public:
    VeiledTheme() { g_skinChildControls = g_veilEnabled = true; }
    ~VeiledTheme()
    {
        g_skinBaseColour = base_;
        g_skinImage = image_;
        g_skinChildControls = skinChildren_;
        g_veilEnabled = veil_;
    }
    VeiledTheme(const VeiledTheme&) = delete;
    VeiledTheme& operator=(const VeiledTheme&) = delete;
    void Use(uint32_t background)
    {
        g_skinBaseColour = AsColorref(background);
        g_skinImage.clear();
    }

private:
    const COLORREF base_ = g_skinBaseColour;
    const std::string image_ = g_skinImage;
    const bool skinChildren_ = g_skinChildControls, veil_ = g_veilEnabled;
};

}  // namespace

TEST(TextContrastTest, TextTurnsWhiteOnlyWhereBlackWouldNotStandOut)
{
    struct Case {
        COLORREF wanted, background, expected;
    } cases[] = {
        {0x000000, AsColorref(kDarkBlue), 0xFFFFFF},
        {0x000000, AsColorref(kLightGreen), 0x000000},
        {0x000000, 0x808080, 0x000000},          // mid grey: black still reads
        {0xFFFFFF, AsColorref(kDarkBlue), 0xFFFFFF},
        {0xFFFFFF, AsColorref(kLightGreen), 0x000000},
        {0x0000C0, 0x000000, 0xFFFFFF},          // dark red on black
        {0x00C0FF, 0x000000, 0x00C0FF},          // a bright colour stays
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadableTextColour(c.wanted, c.background), c.expected) << std::hex << c.wanted << " on " << c.background;
    EXPECT_EQ(HaloColourFor(0xFFFFFF), 0x000000u);
    EXPECT_EQ(HaloColourFor(0x000000), 0xFFFFFFu);

    TestCanvas blue(8, 4, kDarkBlue);
    EXPECT_EQ(MeanColourOf(blue.Dc()), AsColorref(kDarkBlue));
}

TEST(TextContrastTest, StaticTextIsWhiteOnADarkThemeAndBlackOnALightOne)
{
    StaticSnapshot face;
    face.kind = kStaticKindText;
    face.text = "姓氏：出生时间";
    for (const uint32_t background : {kDarkBlue, kLightGreen}) {
        TestCanvas canvas(120, 18, background);
        DrawLikeAPainter(canvas, [&](HDC dc, GdipGraphics&) { DrawStaticFace(dc, 120, 18, face); });
        const Strokes s = CountStrokes(0, 0, 120, 18, [&](int x, int y) { return canvas.Rgb(x, y); });
        if (background == kDarkBlue) {
            EXPECT_GT(s.light, 40) << "white strokes on dark blue";
        } else {
            EXPECT_GT(s.dark, 40) << "black strokes on light green";
        }
    }
}

TEST(TextContrastTest, CheckBoxRadioAndLabelTextFollowsTheBackground)
{
    VeiledTheme theme;
    for (const uint32_t background : {kDarkBlue, kLightGreen}) {
        theme.Use(background);
        ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
        HWND check = CreateControl(form, "Button", "第二个字限定五行", 10, 40, 160, 22, BS_AUTOCHECKBOX);
        HWND radio = CreateControl(form, "Button", "男女金木水", 10, 70, 160, 22, BS_AUTORADIOBUTTON);
        HWND label = CreateControl(form, "Static", "姓氏：", 10, 100, 60, 18, SS_LEFT);
        ShowSkinnedForm(form);
        // A label the native code paints takes its text colour from the form's colour answer.
        HDC dc = GetDC(label);
        SendMessageA(form, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(GetTextColor(dc), background == kDarkBlue ? 0xFFFFFFu : 0x000000u);
        ReleaseDC(label, dc);
        for (HWND button : {check, radio}) {
            PaintButtonByKind(button, 0, false);
            const Strokes s = CountStrokes(18, 2, 160, 20, [&](int x, int y) { return BackBufferPixel(button, x, y); });
            if (background == kDarkBlue) {
                EXPECT_GT(s.light, 40) << "a white caption on dark blue";
                EXPECT_LT(s.dark, 10);
            } else {
                EXPECT_GT(s.dark, 40) << "a black caption on light green";
            }
        }
    }
}

TEST(TextContrastTest, ADropDownListsTextFollowsTheBackgroundThroughTheVeil)
{
    VeiledTheme theme;
    for (const uint32_t background : {kDarkBlue, kLightGreen}) {
        theme.Use(background);
        ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
        HWND combo = CreateControl(form, "ComboBox", "", 10, 40, 80, 200, CBS_DROPDOWNLIST);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("三字"));
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        const int n = ShowSkinnedForm(form);
        const ComboSnapshot box = TakeComboSnapshot(*RecordAt(FormRecord(n).comboBoxes, 1), false, std::nullopt);
        EXPECT_EQ(box.textColour, background == kDarkBlue ? 0xFFFFFFu : 0x000000u);
        // The face drawn: strokes of that colour left of the button.
        TestCanvas canvas(80, 22, background);
        DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& graphics) { DrawComboFace(graphics, box); });
        const Strokes s = CountStrokes(2, 2, 50, 20, [&](int x, int y) { return canvas.Rgb(x, y); });
        if (background == kDarkBlue) {
            EXPECT_GT(s.light, 20) << "white text on dark blue";
        } else {
            EXPECT_GT(s.dark, 20) << "black text on light green";
        }
    }
}
