#include "app/skin_settings_rules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SkinSettingsRules, PagesOfEighteen)
{
    struct Case {
        int skins, pages;
        const char* firstPageText;
    } cases[] = {{0, 0, "1/0"}, {1, 1, "1/1"}, {18, 1, "1/1"}, {19, 2, "1/2"}, {37, 3, "1/3"}};
    for (const Case& c : cases) {
        EXPECT_EQ(SkinPageCount(c.skins), c.pages) << c.skins;
        EXPECT_EQ(SkinPageText(1, SkinPageCount(c.skins)), c.firstPageText) << c.skins;
    }
}

TEST(SkinSettingsRules, OnlyFoldersInsideDskinAreSkins)
{
    const struct {
        const char* folder;
        bool inside;
    } cases[] = {
        {"skin01", true},
        {"春天", true},
        {"themes\\blue", true},
        {"a..b", true},
        {"\x81\x5C", true},          // 乗: its trail byte is the code of "\\", not a separator
        {"\x81\x5C..", true},
        {"..\\..\\escape_target", false},
        {"..", false},
        {".", false},
        {"a\\..\\..\\b", false},
        {"a/../b", false},
        {"a\\.", false},
        {"C:\\Windows", false},
        {"C:skin", false},
        {"\\\\server\\share", false},
        {"\\skins", false},
        {"/tmp/skin", false},
        {"skin\\", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.inside, SkinFolderInsideDskin(c.folder)) << c.folder;
}

TEST(SkinSettingsRules, PagingStopsAtTheEndsAndWithoutSkins)
{
    EXPECT_EQ(NextSkinPage(1, 2), 2);
    EXPECT_EQ(NextSkinPage(2, 2), 2);
    EXPECT_EQ(NextSkinPage(1, 1), 1);
    // No skins: the page number never runs on past the pages there are.
    EXPECT_EQ(NextSkinPage(1, 0), 1);
    EXPECT_EQ(PrevSkinPage(2), 1);
    EXPECT_EQ(PrevSkinPage(1), 1);
}

TEST(SkinSettingsRules, ThumbnailsInThreeRowsOfSix)
{
    SkinCell cell{};
    ASSERT_TRUE(ThumbnailCell(0, 1, cell));
    EXPECT_EQ((std::make_tuple(cell.left, cell.top, cell.width, cell.height)), std::make_tuple(0, 0, 95, 60));
    ASSERT_TRUE(ThumbnailCell(17, 1, cell));  // row 3, column 6
    EXPECT_EQ((std::make_pair(cell.left, cell.top)), std::make_pair(495, 168));
    EXPECT_FALSE(ThumbnailCell(18, 1, cell));
    ASSERT_TRUE(ThumbnailCell(18, 2, cell));  // the 19th starts page 2 at row 1, column 1
    EXPECT_EQ((std::make_pair(cell.left, cell.top)), std::make_pair(0, 0));
    const SkinCell name = NameLabelCell(cell);
    EXPECT_EQ((std::make_tuple(name.left, name.top, name.width, name.height)), std::make_tuple(0, 62, 95, 16));
    const SkinCell marker = MarkerCell(cell);
    EXPECT_EQ((std::make_tuple(marker.left, marker.top, marker.width, marker.height)), std::make_tuple(79, 44, 22, 22));
}

TEST(SkinSettingsRules, GridAndSwatchColours)
{
    // 绿色调 with swatch 16: green fixed at 255, red rising with the column, blue with the row.
    const int fixed = SwatchFixedValue(1016);
    EXPECT_EQ(fixed, 255);
    EXPECT_EQ(GridCellColour(ColourScheme::Green, fixed, 1), 0x00FF00ul);
    EXPECT_EQ(GridCellColour(ColourScheme::Green, fixed, 2), 0x00FF11ul);     // column 2: red 17
    EXPECT_EQ(GridCellColour(ColourScheme::Green, fixed, 17), 0x11FF00ul);    // row 2: blue 17
    EXPECT_EQ(GridCellColour(ColourScheme::Green, fixed, 256), 0xFFFFFFul);
    EXPECT_EQ(GridCellColour(ColourScheme::Red, 0, 18), 0x111100ul);          // (0, 17, 17)
    EXPECT_EQ(GridCellColour(ColourScheme::Blue, 34, 16), 0x2200FFul);        // (255, 0, 34)
    // The grey scheme ignores the fixed value: cell 1 black, cell 256 white.
    EXPECT_EQ(GridCellColour(ColourScheme::Grey, 200, 1), 0x000000ul);
    EXPECT_EQ(GridCellColour(ColourScheme::Grey, 200, 256), 0xFFFFFFul);
    EXPECT_EQ(SwatchColour(ColourScheme::Red, 16), 0x0000FFul);
    EXPECT_EQ(SwatchColour(ColourScheme::Blue, 2), 0x110000ul);
    EXPECT_EQ(SwatchColour(ColourScheme::Grey, 3), 0x222222ul);
}

}  // namespace
