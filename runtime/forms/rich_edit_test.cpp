// Rich edit boxes: formatted pieces appended the way the name report writes them, read back.
#include "runtime/forms/forms_test_support.h"

namespace forms_test {
namespace {

using forms::Define;
using forms::RichCharFormat;
using forms::RichParaFormat;
using forms::UnitKind;

const forms::FormDef& ReportWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 400;
        d.name = "NameReportWindow";
        d.caption = "名字评分";
        d.rect = {50, 50, 628, 429};
        d.units = {Define(UnitKind::RichEdit, 1, "超级编辑框1", {1, 30, 600, 340})};
        return d;
    }();
    return def;
}

// Appends one piece as the report does: formats first, then the text at the end of the box.
void AppendPiece(forms::Unit& box, const std::string& text, bool newLine, unsigned long colour, int size, int effects,
                 int alignment)
{
    if (newLine)
        box.AppendText("\r\n");
    else
        box.SetSelection(box.TextLength());
    RichCharFormat chars;
    ASSERT_TRUE(box.GetCharFormat(chars));
    chars.size = size;
    chars.colour = colour;
    chars.effects = effects;
    RichParaFormat para;
    ASSERT_TRUE(box.GetParaFormat(para));
    para.alignment = alignment;
    ASSERT_TRUE(box.SetParaFormat(para));
    ASSERT_TRUE(box.SetCharFormat(chars));
    ASSERT_TRUE(box.AppendText(text));
}

TEST_F(FormsTest, RichEditAppendsColouredBoldCentredTextAndReadsTheFormatsBack)
{
    forms::Form* form = forms::OpenModeless(ReportWindow());
    ASSERT_NE(form, nullptr);
    forms::Unit& box = form->Get("超级编辑框1");
    EXPECT_EQ(box.TextLength(), 0);

    const std::string title = "张三丰     总分： 95";
    AppendPiece(box, title, false, 0x0000FF, 12, 1, 2);
    EXPECT_EQ(box.TextLength(), 14);  // characters, a Chinese one counting once
    AppendPiece(box, "----------------------基本信息--------------------------------", true, 0xFF0000, 10, 0, 1);
    EXPECT_EQ(box.Text().substr(0, title.size()), title);

    RichCharFormat chars;
    RichParaFormat para;
    ASSERT_TRUE(box.SetSelection(1, 2));  // inside the title
    ASSERT_TRUE(box.GetCharFormat(chars));
    EXPECT_EQ(chars.colour, 0x0000FFu);
    EXPECT_EQ(chars.effects, 1);
    EXPECT_EQ(chars.size, 12);
    ASSERT_TRUE(box.GetParaFormat(para));
    EXPECT_EQ(para.alignment, 2);

    ASSERT_TRUE(box.SetSelection(20, 4));  // inside the heading
    ASSERT_TRUE(box.GetCharFormat(chars));
    EXPECT_EQ(chars.colour, 0xFF0000u);
    EXPECT_EQ(chars.effects, 0);
    EXPECT_EQ(chars.size, 10);
    ASSERT_TRUE(box.GetParaFormat(para));
    EXPECT_EQ(para.alignment, 1);
}

TEST_F(FormsTest, RichEditFormatFieldsRoundTrip)
{
    forms::Form* form = forms::OpenModeless(ReportWindow());
    ASSERT_NE(form, nullptr);
    forms::Unit& box = form->Get("超级编辑框1");
    box.AppendText("天格");
    ASSERT_TRUE(box.SetSelection(0, 2));
    RichCharFormat chars;
    chars.fontName = "宋体";
    chars.size = 14;
    chars.offset = 3;
    chars.effects = 2 | 4 | 8 | 16;
    chars.colour = RichCharFormat::kAutoColour;
    ASSERT_TRUE(box.SetCharFormat(chars));
    RichParaFormat para;
    para.bullet = true;
    para.startIndent = 10;
    para.firstLineOffset = 6;
    para.rightIndent = 5;
    para.alignment = 3;
    ASSERT_TRUE(box.SetParaFormat(para));

    RichCharFormat chars2;
    RichParaFormat para2;
    ASSERT_TRUE(box.GetCharFormat(chars2));
    ASSERT_TRUE(box.GetParaFormat(para2));
    EXPECT_EQ(chars2.fontName, "宋体");
    EXPECT_EQ(chars2.size, 14);
    EXPECT_EQ(chars2.offset, 3);
    EXPECT_EQ(chars2.effects, 2 | 4 | 8 | 16);
    EXPECT_EQ(chars2.colour, RichCharFormat::kAutoColour);
    EXPECT_TRUE(para2.bullet);
    EXPECT_EQ(para2.startIndent, 10);
    EXPECT_EQ(para2.firstLineOffset, 6);
    EXPECT_EQ(para2.rightIndent, 5);
    EXPECT_EQ(para2.alignment, 3);
    // Only rich edit boxes have formats.
    EXPECT_FALSE(form->Self().GetCharFormat(chars2));
}

}  // namespace
}  // namespace forms_test
