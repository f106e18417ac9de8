// The name report window on the stand-in main window and the program database: the composed lines
// with their formats in the rich edit box, the box's size, the main window hidden while a report is
// open, the surname taken again from the settings file, and the main window's connection kept usable.
#include "app/report_window.h"

#include <richedit.h>

#include "app/birth_chart_window.h"
#include "app/report_window_rich_text.h"
#include "app/report_window_test_support.h"
#include "app/scoring_window.h"
#include "app/settings_file.h"
#include "app/tinted_window_skin_test_support.h"
#include "db/database.h"
#include "naming/generation_state.h"
#include "naming/name_report.h"
#include "naming/name_score.h"
#include "naming/pillars.h"
#include "naming/report_input.h"
#include "naming/three_talents.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/ini.h"
#include "runtime/text.h"
#include "skin/core/form_skinning.h"

namespace report_test {
namespace {

// The whole text of a rich edit box in the ANSI code page, paragraphs ending in CR. (Wine's
// RichEdit20A reports its text length in characters, which cuts GetWindowTextA short on GBK text.)
std::string RichBoxText(forms::Unit& box)
{
    std::string text(static_cast<size_t>(box.TextLength()) * 2 + 1, '\0');
    GETTEXTEX how = {};
    how.cb = static_cast<DWORD>(text.size());
    how.flags = GT_DEFAULT;
    how.codepage = CP_ACP;
    const LRESULT bytes = SendMessageA(box.Window(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                       reinterpret_cast<LPARAM>(&text[0]));
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return text;
}

struct BoxFormat {
    forms::RichCharFormat chars;
    forms::RichParaFormat para;
};
// The formats of the character at a position (counted in characters).
BoxFormat FormatAt(forms::Unit& box, int position)
{
    BoxFormat format;
    EXPECT_TRUE(box.SetSelection(position, 1));
    EXPECT_TRUE(box.GetCharFormat(format.chars));
    EXPECT_TRUE(box.GetParaFormat(format.para));
    return format;
}

class ReportWindowTest : public ReportWindowsTest {
protected:
    DbConnection* Connection() { return main_->Get("数据库连接1").Connection(); }
};

TEST_F(ReportWindowTest, BoxHoldsTheComposedLinesWithTheirFormats)
{
    g_reportInput = "张三丰【 95分】";
    forms::Form* report = OpenNameReportWindow();
    ASSERT_NE(report, nullptr);
    forms::Unit& box = report->Get("超级编辑框1");

    DbRecordSet n81;
    ASSERT_TRUE(n81.Attach(Connection()));
    ThreeTalentsTable talents(Connection());
    const std::vector<ReportLine> lines = ComposeNameReport({"张三丰", " 95分】"}, {"2012", "05", "12", "12", "12"},
                                                            SplitStemBranchElementTable(), talents, n81);
    ASSERT_EQ(lines.size(), 51u);
    // The program's N81 and SC rows reached the report.
    EXPECT_GT(lines[30].text.size(), std::string("第21数理: ()").size()) << lines[30].text;
    EXPECT_NE(lines[47].text, "");

    std::string all;
    for (size_t i = 0; i < lines.size(); ++i)
        all += (i ? "\r\n" : "") + lines[i].text;
    EXPECT_EQ(RichBoxText(box), TextReplaceAll(all, "\r\n", "\r"));

    int position = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        position += i ? 1 : 0;
        if (!lines[i].text.empty()) {
            const auto [chars, para] = FormatAt(box, position);
            EXPECT_EQ(chars.colour, lines[i].colour) << i << " " << lines[i].text;
            EXPECT_EQ(chars.size, lines[i].size) << i;
            EXPECT_EQ(chars.effects, 0) << i;
            EXPECT_EQ(para.alignment, 1) << i;
            EXPECT_EQ(para.startIndent, 0) << i;
            EXPECT_FALSE(para.bullet) << i;
        }
        position += RichCharCount(lines[i].text);
    }
    EXPECT_EQ(box.TextLength(), position);
    EXPECT_EQ(g_birthYear, "2012");
    EXPECT_EQ(g_birthMinute, "12");
    EXPECT_EQ(g_reportInputParts, (std::vector<std::string>{"张三丰", " 95分】"}));

    EXPECT_TRUE(SaveScreenshot(report->Window(), "report-window.png"));
}

// The title's red (RGB 255,0,0), also at its strokes' edges.
bool IsTitleRed(COLORREF c)
{
    return GetRValue(c) > 200 && GetGValue(c) < 90 && GetBValue(c) < 90;
}

TEST_F(ReportWindowTest, TheReportOpensAtItsFirstLineWithTheNameAndScore)
{
    g_reportInput = "张三丰【 95分】";
    forms::Form* report = OpenNameReportWindow();
    ASSERT_NE(report, nullptr);
    forms::Unit& box = report->Get("超级编辑框1");
    forms::ProcessPendingMessages();
    UpdateWindow(box.Window());
    const LRESULT lines = SendMessageA(box.Window(), EM_GETLINECOUNT, 0, 0);
    ASSERT_GT(lines, 40) << "a report longer than the box";
    EXPECT_EQ(0, SendMessageA(box.Window(), EM_GETFIRSTVISIBLELINE, 0, 0));
    EXPECT_EQ(0, GetScrollPos(box.Window(), SB_VERT));
    // Only the title line is red: the box shows it.
    EXPECT_GT(forms_test::CountPixels(box.Window(), IsTitleRed), 20) << "the title line shows";
    EXPECT_TRUE(report->Close());
}

TEST_F(ReportWindowTest, EmptyInputLeavesTheBoxEmptyAndStillHidesTheMainWindow)
{
    g_reportInput = "";
    ExpectEmptyReport();
}

TEST_F(ReportWindowTest, BoxFollowsTheWindowSize)
{
    g_reportInput = "张三【 80分】";
    forms::Form* report = OpenNameReportWindow();
    ASSERT_NE(report, nullptr);
    forms::Unit& box = report->Get("超级编辑框1");
    EXPECT_EQ(box.Width(), 628 - 5);
    EXPECT_EQ(box.Height(), 429 - 35);
    ASSERT_TRUE(report->Self().Move(60, 40, 800, 600));
    EXPECT_EQ(box.Width(), 795);
    EXPECT_EQ(box.Height(), 565);
    EXPECT_EQ(box.Left(), 1);
    EXPECT_EQ(box.Top(), 30);
}

TEST_F(ReportWindowTest, EveryReportHidesTheMainWindowAndItsCloseShowsItAgain)
{
    g_reportInput = "张三丰【 95分】";
    forms::Form* first = OpenNameReportWindow();
    forms::Form* second = OpenNameReportWindow();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindowVisible(main_->Window()));
    EXPECT_TRUE(second->Close());
    EXPECT_TRUE(IsWindowVisible(main_->Window()));
    main_->Self().SetVisible(false);
    EXPECT_TRUE(first->Close());
    EXPECT_TRUE(IsWindowVisible(main_->Window()));
}

TEST_F(ReportWindowTest, MainWindowConnectionStillScoresAfterAReport)
{
    DbRecordSet favourites;  // a record set of the main window, attached before the report
    ASSERT_TRUE(favourites.Attach(Connection()));
    ThreeTalentsTable talents(Connection());
    const std::string score = ScoreName(talents, "张三丰");
    ASSERT_FALSE(LookupThreeTalents(talents, "木", "火", "木").luck.empty());

    g_reportInput = "张三丰" + ScoreTag(score);
    forms::Form* report = OpenNameReportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_GT(report->Get("超级编辑框1").TextLength(), 0);
    EXPECT_TRUE(report->Close());

    ASSERT_TRUE(Connection()->IsOpen());
    EXPECT_EQ(ScoreName(talents, "张三丰"), score);
    ThreeTalentsTable fresh(Connection());
    EXPECT_EQ(ScoreName(fresh, "张三丰"), score);
    EXPECT_FALSE(LookupThreeTalents(fresh, "木", "火", "木").luck.empty());
    ASSERT_TRUE(favourites.OpenSql("select count(*) from N81"));
    EXPECT_EQ(favourites.Field(0), "81");
}

TEST_F(ReportWindowTest, ReportTakesTheSurnameFromTheSettingsFile)
{
    ASSERT_TRUE(IniWrite(SettingsFilePath(), "编辑框", "编辑框_姓1", "欧阳"));
    g_surname = "张";
    g_reportInput = "张三丰【 95分】";
    forms::Form* report = OpenNameReportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ("欧阳", g_surname);
    EXPECT_TRUE(report->Close());
    DeleteFileA(SettingsFilePath().c_str());
}

TEST_F(ReportWindowTest, EveryWindowHereIsATintedSkinnedForm)
{
    g_reportInput = "张三丰【 95分】";
    const struct {
        const forms::FormDef* def;
        int captionHeight;
        bool framedAndSizable;
        std::vector<const char*> groupBoxes;
    } windows[] = {
        {&NameScoringWindowDef(), 100, false, {"分组框17"}},
        {&NameReportWindowDef(), 130, true, {}},
        {&BirthChartWindowDef(), 130, true, {"分组框2", "分组框3"}},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.def->name);
        SetSkinOptions(false);  // whatever the previous window left
        forms::Form* form = forms::OpenModeless(*w.def);
        ASSERT_NE(form, nullptr);
        ExpectTintedWindowSkin(form->Window(), w.captionHeight, w.framedAndSizable);
        for (const char* box : w.groupBoxes)
            ExpectBodyGroupBox(form->Window(), form->Get(box).Window());
        EXPECT_TRUE(form->Close());
    }
}

TEST_F(ReportWindowTest, OpeningAndClosingLeavesNothingBehind)
{
    g_reportInput = "张三丰【 95分】";
    ExpectOpenCloseCyclesLeaveNothing(NameReportWindowDef());
}

TEST_F(ReportWindowTest, AppendRichTextSetsTheParagraphOnlyForANewLineOrAnEmptyBox)
{
    forms::Form* report = forms::OpenModeless([] {
        forms::FormDef def = NameReportWindowDef();
        def.name = "RichTextWindow";
        def.bindings.clear();
        return def;
    }());
    ASSERT_NE(report, nullptr);
    forms::Unit& box = report->Get("超级编辑框1");
    RichTextStyle centred;
    centred.alignment = 2;
    centred.colour = 0x00FF00;
    centred.effects = 1;
    centred.size = 14;
    ASSERT_TRUE(AppendRichText(box, "天格", centred));
    RichTextStyle sameLine;  // no new line: the paragraph stays centred; effects 16 keep bold
    sameLine.colour = 0x0000FF;
    sameLine.effects = 16;
    ASSERT_TRUE(AppendRichText(box, "人格", sameLine));
    RichTextStyle next;
    next.newLine = true;
    next.colour = 0xFF0000;
    ASSERT_TRUE(AppendRichText(box, "地格", next));

    const BoxFormat sameLineFormat = FormatAt(box, 2);
    EXPECT_EQ(sameLineFormat.chars.colour, 0x0000FFu);
    EXPECT_EQ(sameLineFormat.chars.effects, 1);
    EXPECT_EQ(sameLineFormat.chars.size, 14);
    EXPECT_EQ(sameLineFormat.para.alignment, 2);
    const BoxFormat nextFormat = FormatAt(box, 5);
    EXPECT_EQ(nextFormat.chars.colour, 0xFF0000u);
    EXPECT_EQ(nextFormat.chars.effects, 0);
    EXPECT_EQ(nextFormat.para.alignment, 1);
    EXPECT_FALSE(AppendRichText(report->Self(), "x"));
}

}  // namespace
}  // namespace report_test
