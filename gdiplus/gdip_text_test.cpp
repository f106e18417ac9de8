// Fonts, font families and string formats.
#include <gtest/gtest.h>

#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_string_format.h"
#include "gdiplus/gdip_test_support.h"

namespace {

constexpr int kOk = 0;
constexpr int kInvalidParameter = 2;

TEST(GdipFontTest, FontFromAnInstalledFamilyName)
{
    for (const char* name : {"宋体", "黑体"}) {
        SCOPED_TRACE(name);
        GdipFont font;
        ASSERT_TRUE(font.CreateFontFromName(name, 12, 0, 2));
        EXPECT_FLOAT_EQ(font.GetFontSize(), 12);
        EXPECT_EQ(font.GetFontStyle(), 0);
        EXPECT_EQ(font.GetFontUnit(), 2);
        GdipFontFamily family;
        ASSERT_TRUE(font.GetFamily(family));
        EXPECT_FALSE(family.GetFamilyName().empty());
        EXPECT_TRUE(family.IsStyleAvailable(0));
        EXPECT_GT(family.GetEmHeight(0), 0);
        EXPECT_TRUE(family.DeleteFontFamily());
        EXPECT_TRUE(font.DeleteFont());
    }
    GdipFont bold;
    ASSERT_TRUE(bold.CreateFontFromName("宋体", 9, 1));
    EXPECT_EQ(bold.GetFontStyle(), 1);
    EXPECT_EQ(bold.GetFontUnit(), 0) << "world unit when none is given";
}

TEST(GdipFontTest, UnknownFamilyLeavesTheFontEmpty)
{
    GdipFont font;
    EXPECT_FALSE(font.CreateFontFromName("没有这种字体", 12, 0, 2));
    EXPECT_TRUE(font.IsEmpty());
    EXPECT_NE(LastGdipStatus(), kOk);
    EXPECT_FALSE(font.DeleteFont());

    // A font that held one keeps nothing of it after a failed create.
    ASSERT_TRUE(font.CreateFontFromName("宋体", 12));
    EXPECT_FALSE(font.CreateFontFromName("NoSuchFamilyAnywhere", 12));
    EXPECT_TRUE(font.IsEmpty());
}

TEST(GdipFontTest, FontFromAContextAndAGdiFont)
{
    TestCanvas canvas(8, 8);
    HFONT gdiFont = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    ASSERT_NE(gdiFont, nullptr);
    GdipFont font;
    ASSERT_TRUE(font.CreateFontFromDCAndHFont(canvas.Dc(), gdiFont));
    EXPECT_EQ(font.GetFontStyle() & 1, 1) << "bold comes from the LOGFONT";
    std::string logfont;
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    ASSERT_TRUE(font.GetLogFontA(g, logfont));
    ASSERT_EQ(logfont.size(), sizeof(LOGFONTA));
    EXPECT_GE(reinterpret_cast<const LOGFONTA*>(logfont.data())->lfWeight, FW_BOLD);

    HGDIOBJ previous = SelectObject(canvas.Dc(), gdiFont);
    GdipFont fromDc;
    EXPECT_TRUE(fromDc.CreateFontFromDCAndHFont(canvas.Dc(), nullptr)) << "the context's own font";
    SelectObject(canvas.Dc(), previous);
    DeleteObject(gdiFont);

    GdipFont gui;
    EXPECT_TRUE(gui.CreateDefaultGuiFont());
    EXPECT_GT(gui.GetFontSize(), 0);
}

TEST(GdipFontTest, FamilyListsAndGenericFamilies)
{
    GdipFontCollection installed;
    std::vector<GdipFontFamily> families(2);
    EXPECT_EQ(installed.GetFontFamilyList(0, families), 0);
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
    EXPECT_EQ(installed.GetFontCollectionFamilyCount(), 0) << "an empty collection wrapper has no native collection";

    GdipFontFamily sans, copy;
    ASSERT_TRUE(sans.GetGenericFontFamilySansSerif());
    ASSERT_TRUE(sans.CloneFontFamily(copy));
    EXPECT_EQ(copy.GetFamilyName(), sans.GetFamilyName());
    const std::string wide = copy.GetFamilyNameW();
    EXPECT_EQ(wide.size(), 64u);
    EXPECT_EQ(WideToText(reinterpret_cast<const wchar_t*>(wide.data())), sans.GetFamilyName());
    EXPECT_TRUE(sans.DeleteFontFamily());
    EXPECT_TRUE(copy.DeleteFontFamily());
}

TEST(GdipStringFormatTest, CreationAlignmentAndTabStops)
{
    GdipStringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    EXPECT_EQ(format.GetStringFormatFlags(), 0);
    EXPECT_TRUE(format.SetStringFormatFlags(0x1000 | 0x2000));
    EXPECT_EQ(format.GetStringFormatFlags(), 0x3000);
    EXPECT_TRUE(format.SetStringFormatAlign(1));
    EXPECT_TRUE(format.SetStringFormatLineAlign(2));
    EXPECT_TRUE(format.SetStringFormatTrimming(3));
    EXPECT_EQ(format.GetStringFormatAlign(), 1);
    EXPECT_EQ(format.GetStringFormatLineAlign(), 2);
    EXPECT_EQ(format.GetStringFormatTrimming(), 3);

    EXPECT_TRUE(format.SetStringFormatTabStops(4, {10, 20, 30}));
    float first = -1;
    std::vector<float> stops{9};
    EXPECT_EQ(format.GetStringFormatTabStops(first, stops), 3);
    EXPECT_FLOAT_EQ(first, 4);
    EXPECT_EQ(stops, (std::vector<float>{10, 20, 30}));

    EXPECT_TRUE(format.SetStringFormatDigitSubstitution(1, 0x0804));
    int method = 0, language = 0;
    EXPECT_TRUE(format.GetStringFormatDigitSubstitution(method, language));
    EXPECT_EQ(method, 1);
    EXPECT_EQ(language, 0x0804);

    GdipStringFormat copy;
    ASSERT_TRUE(format.CloneStringFormat(copy));
    EXPECT_EQ(copy.GetStringFormatAlign(), 1);
    GdipStringFormat typographic;
    EXPECT_TRUE(typographic.StringFormatGetGenericTypographic());
}

}  // namespace
