// The birth chart window on the stand-in main window: the analysis its worker writes, the missing
// elements selected in the list, the radical advice, and windows closed before their worker ends.
#include "app/birth_chart_window.h"

#include "app/report_window_test_support.h"
#include "naming/birth_texts.h"
#include "runtime/forms/form_runtime.h"

namespace report_test {
namespace {

class BirthChartWindowTest : public ReportWindowsTest {
protected:
    // Opens the window and waits for its worker's lines.
    forms::Form* OpenChart()
    {
        forms::Form* chart = forms::OpenModeless(BirthChartWindowDef());
        if (chart && !forms_test::PumpUntil([&] { return chart->Get("列表框_五行").ItemCount() == 7; }))
            return nullptr;
        return chart;
    }
    static std::vector<int> SelectedLines(forms::Form& chart)
    {
        std::vector<int> selected;
        HWND list = chart.Get("列表框_五行").Window();
        for (int i = 0; i < 7; ++i)
            if (SendMessageA(list, LB_GETSEL, i, 0) > 0)
                selected.push_back(i);
        return selected;
    }
};

TEST_F(BirthChartWindowTest, AnalysisOfADateWithEveryElement)
{
    forms::Form* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Get("编辑框_分析").Text(),
              "\r\n公历日期:2012年05月12日 12时\r\n农历日期:2012年4月22日 12时\r\n\r\n"
              "八字四柱:壬辰 乙巳 癸酉 戊午\r\n八字五行:水,土,木,火,水,金,土,火,");
    forms::Unit& list = chart->Get("列表框_五行");
    const char* lines[] = {"--------", "【金】1", "【木】1", "【水】2", "【火】2", "【土】2", "--------"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(list.ItemText(i), lines[i]) << i;
    EXPECT_TRUE(SelectedLines(*chart).empty());
    forms::Unit& label = chart->Get("标签_五行");
    EXPECT_FALSE(label.Visible());
    EXPECT_EQ(label.Text(), "五行缺：");
    EXPECT_EQ(chart->Get("编辑框_姓").Text().substr(0, 10), "\r\n壬辰年，");
    EXPECT_EQ(g_birthYear, "2012");
    EXPECT_EQ(g_birthHour, "12");
    EXPECT_EQ(g_birthMinute, "12");
    EXPECT_EQ(g_birthChartElements.size(), 60u);
    EXPECT_EQ(g_birthChartAdvice.size(), 60u);
    EXPECT_TRUE(SaveScreenshot(chart->Window(), "birth-chart.png"));
}

TEST_F(BirthChartWindowTest, YearOfTheRatGivesTheRatAdvice)
{
    SetBirth({"1984", "05", "12", "12", "00"});
    forms::Form* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Get("编辑框_姓").Text(),
              "\r\n甲子年，属相(生肖)：鼠\r\n鼠年出生的人取名偏旁部首：\r\n宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅"
              "等部首为吉\r\n忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首");
}

TEST_F(BirthChartWindowTest, MissingElementsAreShownAndSelected)
{
    SetBirth({"2003", "02", "08", "04", "00"});  // 癸未 甲寅 壬子 壬寅
    forms::Form* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    forms::Unit& label = chart->Get("标签_五行");
    EXPECT_TRUE(label.Visible());
    EXPECT_EQ(label.Text(), "五行缺： 金 火");
    EXPECT_EQ(SelectedLines(*chart), (std::vector<int>{1, 4}));
}

TEST_F(BirthChartWindowTest, YearOf1900GivesEmptyPillarsAndNoAdvice)
{
    SetBirth({"1900", "05", "12", "12", "00"});
    forms::Form* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    const std::string analysis = chart->Get("编辑框_分析").Text();
    EXPECT_NE(analysis.find("八字四柱:   \r\n八字五行:"), std::string::npos) << analysis;
    EXPECT_EQ(analysis.substr(analysis.size() - 9), "八字五行:");
    EXPECT_EQ(chart->Get("标签_五行").Text(), "五行缺： 金 木 水 火 土");
    EXPECT_EQ(SelectedLines(*chart), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(chart->Get("编辑框_姓").Text(), "");
}

TEST_F(BirthChartWindowTest, WindowsClosedAtOnceLeaveNoWorkerAndNothingBehind)
{
    ExpectOpenCloseCyclesLeaveNothing(BirthChartWindowDef());
}

TEST_F(BirthChartWindowTest, NavigationOpensItModalAndLeavesThePage)
{
    main_->Get("高级选择夹1").SetCurrentPage(3);
    bool modal = false, mainDisabled = false, written = false;
    RunInsideNextModalLoop([&] {
        forms::Form* chart = forms::FindForm("BirthChartWindow");
        if (!chart)
            return;
        modal = chart->IsModal() && IsWindowVisible(chart->Window());
        mainDisabled = !IsWindowEnabled(main_->Window());
        written = forms_test::PumpUntil([&] { return chart->Get("列表框_五行").ItemCount() == 7; });
        chart->Close();
    });
    EXPECT_TRUE(OpenBirthChartWindow());
    EXPECT_TRUE(modal);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(written);
    EXPECT_EQ(main_->Get("高级选择夹1").CurrentPage(), 3);
    EXPECT_TRUE(IsWindowEnabled(main_->Window()));
}

}  // namespace
}  // namespace report_test
