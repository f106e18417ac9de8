// The name scoring window on the stand-in main window: opened modal by the navigation, it stays
// visible; a typed name sets the report input and opens a usable report.
#include "app/scoring_window.h"

#include "app/report_window_test_support.h"
#include "app/skin_modal_test_support.h"
#include "db/database.h"
#include "naming/name_score.h"
#include "naming/report_input.h"
#include "naming/three_talents.h"
#include "runtime/forms/form_runtime.h"

namespace report_test {
namespace {

void TypeAndScore(forms::Form& scoring, const std::string& givenName)
{
    scoring.Get("编辑框姓名评分").SetText(givenName);
    SendMessageA(scoring.Get("按钮名字评分").Window(), BM_CLICK, 0, 0);
}

class ScoringWindowTest : public ReportWindowsTest {
protected:
    std::string ExpectedInput(const std::string& fullName, int surnameChars = 0)
    {
        ThreeTalentsTable talents(main_->Get("数据库连接1").Connection());
        return fullName + ScoreTag(ScoreName(talents, fullName, surnameChars));
    }
};

TEST_F(ScoringWindowTest, NavigationOpensItModalAndVisibleAndItsReportStaysUsable)
{
    struct Seen {
        bool scoringVisible = false, mainDisabled = false;
        int page = -1;
        std::string input;
        bool reportVisible = false, reportEnabled = false, mainHiddenByReport = false;
        bool reportClosed = false, mainShownAgain = false, scoringStillOpen = false;
        bool screenshot = false;
    } seen;
    RunInsideNextModalLoop([&] {
        forms::Form* scoring = forms::FindForm("NameScoringWindow");
        if (!scoring)
            return;
        seen.scoringVisible = IsWindowVisible(scoring->Window()) != FALSE;
        seen.mainDisabled = !IsWindowEnabled(main_->Window());
        seen.page = main_->Get("高级选择夹1").CurrentPage();
        scoring->Get("编辑框姓名评分").SetText("三丰");
        seen.screenshot = SaveScreenshot(scoring->Window(), "scoring-window.png");
        TypeAndScore(*scoring, "三丰");
        seen.input = g_reportInput;
        forms::Form* report = forms::FindForm("NameReportWindow");
        if (!report)
            return;
        seen.reportVisible = IsWindowVisible(report->Window()) != FALSE;
        seen.reportEnabled = IsWindowEnabled(report->Window()) != FALSE;
        seen.mainHiddenByReport = !IsWindowVisible(main_->Window());
        // The caption's close button sends the same message.
        SendMessageA(report->Window(), WM_CLOSE, 0, 0);
        seen.reportClosed = forms::FindForm("NameReportWindow") == nullptr;
        seen.mainShownAgain = IsWindowVisible(main_->Window()) != FALSE;
        seen.scoringStillOpen = forms::FindForm("NameScoringWindow") != nullptr && IsWindowVisible(scoring->Window());
        scoring->Close();
    });
    main_->Get("高级选择夹1").SetCurrentPage(0);
    EXPECT_TRUE(OpenNameScoringWindow());

    EXPECT_TRUE(seen.scoringVisible);
    EXPECT_TRUE(seen.mainDisabled);
    EXPECT_EQ(seen.page, 2);
    EXPECT_TRUE(seen.screenshot);
    EXPECT_EQ(seen.input, ExpectedInput("张三丰"));
    EXPECT_EQ(seen.input.substr(0, 8), "张三丰【");
    EXPECT_TRUE(seen.reportVisible);
    EXPECT_TRUE(seen.reportEnabled);
    EXPECT_TRUE(seen.mainHiddenByReport);
    EXPECT_TRUE(seen.reportClosed);
    EXPECT_TRUE(seen.mainShownAgain);
    EXPECT_TRUE(seen.scoringStillOpen);
    EXPECT_EQ(forms::FindForm("NameScoringWindow"), nullptr);
    EXPECT_TRUE(IsWindowEnabled(main_->Window()));
}

// A name the scorer cannot read opens no report: the skin's box says what it needs.
TEST_F(ScoringWindowTest, TypedNamesSetTheInputAndOpenAReportOnlyForANameTheScorerReads)
{
    app_test::MessageBoxAnswerer boxes;
    // The three-talents row of 张三丰 (木火木) is in the program database: the score counts it.
    ThreeTalentsTable talents(main_->Get("数据库连接1").Connection());
    ASSERT_FALSE(LookupThreeTalents(talents, "木", "火", "木").luck.empty());

    forms::Form* scoring = forms::OpenModeless(NameScoringWindowDef());
    ASSERT_NE(scoring, nullptr);
    struct Case {
        const char* given;
        const char* input;  // empty: the expected line is worked out
        bool opens;
    } cases[] = {
        {"家豪", "张家豪【100分】", true},
        {"三丰", "", true},
        {"", "", false},
        {"a三", "", false},
        {"\xA1\xA1三", "", false},
        {"Wang", "", false},
        {"三丰明", "", false},
    };
    for (const Case& c : cases) {
        g_reportInput = "old";
        boxes.Clear();
        const int formsBefore = forms::OpenFormCount();
        TypeAndScore(*scoring, c.given);
        EXPECT_EQ(g_reportInput, *c.input ? std::string(c.input) : ExpectedInput(std::string("张") + c.given)) << c.given;
        EXPECT_EQ(forms::OpenFormCount(), formsBefore + (c.opens ? 1 : 0)) << c.given;
        EXPECT_EQ(boxes.Texts(), c.opens ? std::vector<std::string>{} : std::vector<std::string>{kScorableNameWord})
            << c.given;
        if (forms::Form* report = forms::FindForm("NameReportWindow"))
            report->Close();
    }
    EXPECT_TRUE(forms_test::Log().messages.empty());
    EXPECT_TRUE(IsWindowVisible(main_->Window()));
}

TEST_F(ScoringWindowTest, BlanksAroundTheSurnameAreNotPartOfTheName)
{
    forms::Form* scoring = forms::OpenModeless(NameScoringWindowDef());
    ASSERT_NE(scoring, nullptr);
    for (const char* surname : {"司马 ", " 司马", "\xA1\xA1司马\xA1\xA1"}) {
        main_->Get("编辑框_姓1").SetText(surname);
        g_reportInput = "old";
        TypeAndScore(*scoring, "懿");
        // The given name starts after the whole surname: 天格 is 司 and 马 together.
        EXPECT_EQ(g_reportInput, ExpectedInput("司马懿", 2)) << surname;
        if (forms::Form* report = forms::FindForm("NameReportWindow"))
            report->Close();
    }
}

TEST_F(ScoringWindowTest, OpeningAndClosingLeavesNothingBehind)
{
    ExpectOpenCloseCyclesLeaveNothing(NameScoringWindowDef());
}

}  // namespace
}  // namespace report_test
