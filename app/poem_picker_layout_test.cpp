#include "app/poem_picker_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(PoemPicker, SplitsAtPunctuationAndLineBreaks)
{
    struct Case {
        const char* text;
        Lines lines;
    } cases[] = {
        // The shipped form: couplets with their punctuation, one per CR LF line; the last line stays.
        {"床前明月光，疑是地上霜。\r\n举头望明月，低头思故乡。", {"床前明月光", "疑是地上霜", "举头望明月", "低头思故乡"}},
        {"白日依山尽，黄河入海流。", {"白日依山尽", "黄河入海流"}},
        {"山一程，水一程\r\n风一更", {"山一程", "水一程", "风一更"}},
        {"何处? 归去.来兮,也", {"何处", "归去", "来兮", "也"}},
        // Blanks and the code AA BD go; double line breaks collapse in one pass, so four leave an empty line.
        {"明 月\xAA\xBD　光。\r\n\r\n\r\n清风", {"明月光", "", "清风"}},
        // A last piece without a two-byte character is dropped.
        {"明月光。x", {"明月光"}},
        {"明月光。\r\n\r\n\r\n", {"明月光"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitPoemIntoLines(c.text), c.lines) << c.text;
}

TEST(PoemPicker, FourLinesOfSevenGiveTwentyEightBoxes)
{
    Lines lines = SplitPoemIntoLines("朝辞白帝彩云间，千里江陵一日还。\r\n两岸猿声啼不住，轻舟已过万重山。");
    std::vector<PickerBox> boxes = LayoutPickerBoxes(lines, 100, 50);
    ASSERT_EQ(boxes.size(), 28u);
    EXPECT_EQ(boxes[0].character, "朝");
    EXPECT_EQ(boxes[0].left, 102);  // 100 + 32 - 30
    EXPECT_EQ(boxes[0].top, 56);    // 50 + 16 - 10
    const PickerBox& last = boxes.back();
    EXPECT_EQ(last.character, "山");
    EXPECT_EQ(last.line, 4);
    EXPECT_EQ(last.column, 7);
    EXPECT_EQ(last.left, 100 + 32 * 7 - 30);
    EXPECT_EQ(last.top, 50 + 16 * 4 - 10);
    for (size_t i = 1; i < boxes.size(); ++i)
        if (boxes[i].line == boxes[i - 1].line)
            EXPECT_EQ(boxes[i].left - boxes[i - 1].left, 32);
        else
            EXPECT_EQ(boxes[i].top - boxes[i - 1].top, 16);
}

// A character without a reading (here a private-use code) and a punctuation mark get no box, and the
// next character takes their column; the line numbers still count every line.
TEST(PoemPicker, CharactersWithoutAReadingLeaveNoGap)
{
    std::vector<PickerBox> boxes = LayoutPickerBoxes({"明\xAA\xA1月！光", "", "风"}, 0, 0);
    ASSERT_EQ(boxes.size(), 4u);
    const char* characters[] = {"明", "月", "光", "风"};
    const int columns[] = {1, 2, 3, 1};
    const int lines[] = {1, 1, 1, 3};
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].character, characters[i]);
        EXPECT_EQ(boxes[i].column, columns[i]);
        EXPECT_EQ(boxes[i].line, lines[i]);
        EXPECT_EQ(boxes[i].left, 32 * columns[i] - 30);
    }
}

}  // namespace
