#include "app/calendar_texts.h"

#include <gtest/gtest.h>

#include "app/calendar_essays.h"
#include "runtime/datetime.h"
#include "runtime/text.h"

namespace {

TEST(CalendarTexts, TheBoardsLunarDate)
{
    const struct {
        LunarDate lunar;
        const char* text;
    } cases[] = {
        {{2012, 10, 21, false}, "农历:二零一二年十月廿一"},
        {{2012, 12, 1, false}, "农历:二零一二年腊月初一"},
        {{2013, 1, 10, false}, "农历:二零一三年正月初十"},
        {{2013, 11, 15, false}, "农历:二零一三年十一月十五"},
        {{2012, 4, 20, true}, "农历:二零一二年闰四月二十"},
        {{2023, 2, 29, true}, "农历:二零二三年闰二月廿九"},
        {{2023, 2, 29, false}, "农历:二零二三年二月廿九"},
        {{2000, 9, 30, false}, "农历:二零零零年九月三十"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TodayLunarText(c.lunar), c.text);
}

TEST(CalendarTexts, NamesAndClockTexts)
{
    EXPECT_EQ(WeekdayName(1), "星期日");
    EXPECT_EQ(WeekdayName(7), "星期六");
    EXPECT_EQ(WeekdayName(0), "");
    EXPECT_EQ(WeekdayName(8), "");
    EXPECT_EQ(SolarTermName(1), "立春");
    EXPECT_EQ(SolarTermName(22), "冬至");
    EXPECT_EQ(SolarTermName(24), "大寒");
    EXPECT_EQ(SolarTermName(25), "");

    EXPECT_EQ(ClockText(15, 0, 0), "15:00:00");
    EXPECT_EQ(ClockText(9, 5, 7), "09:05:07");
    double saturday = 0;
    ASSERT_TRUE(MakeDateTime(2012, 5, 12, 8, 30, 0, saturday));
    EXPECT_EQ(DateTimeWithWeekday(saturday), "2012年5月12日8时30分0秒 星期六");

    FourPillars pillars;
    EXPECT_EQ(JoinFourPillars(pillars), "   ");
    ASSERT_TRUE(FourPillarsAt(2012, 5, 12, 12, 12, pillars));
    EXPECT_EQ(JoinFourPillars(pillars), "壬辰 乙巳 癸酉 戊午");
}

TEST(CalendarTexts, SolarTermLinesReadBack)
{
    // 2012: 立春 in February, 小寒 and 大寒 in January of the same year.
    const std::string first = SolarTermLine(2012, 1);
    ASSERT_EQ(TextFind(first, "立春:2012年2月"), 1) << first;
    for (int term : {23, 24}) {
        const std::string line = SolarTermLine(2012, term);
        ASSERT_EQ(TextFind(line, SolarTermName(term) + ":2012年1月"), 1) << line;
        double when = 0;
        EXPECT_TRUE(TextToDateTime(line.substr(SolarTermName(term).size() + 1), when));
    }
    EXPECT_EQ(SolarTermLine(2012, 25), "");
    EXPECT_EQ(SolarTermLine(1900, 1), "");
}

TEST(CalendarEssays, ParagraphsOpenAndEndAsTheWindowShowsThem)
{
    const auto& lunar = LunarEssayParagraphs();
    const auto& solar = SolarEssayParagraphs();
    ASSERT_EQ(lunar.size(), 10u);
    ASSERT_EQ(solar.size(), 6u);
    EXPECT_EQ(TextFind(lunar[0], "    中国是世界上最古老的文明国家之一，农历又称阴历、太阴历，是我国除四大发明之外的另一项伟大的发明。"), 1);
    EXPECT_EQ(TextFind(lunar[9], "    太初历同时结合周朝太阳历法"), 1);
    EXPECT_EQ(TextFind(solar[0], "    公历传自欧洲，又称阳历，公元，西元，以西元的称法更为准确一些。西方人将基督的诞生年定为公元一年。"), 1);
    EXPECT_EQ(TextFind(solar[1], "    现在世界使用的所谓的“公历”"), 1);
    EXPECT_EQ(TextFind(solar[5], "    非常遗憾的是"), 1);
    for (size_t i = 0; i < solar.size(); ++i) {
        const std::string ending = i == 1 ? "。\r\n" : "。\r\n\r\n";
        EXPECT_EQ(TextRight(solar[i], static_cast<int>(ending.size())), ending) << i;
    }
    for (const std::string& paragraph : lunar) {
        EXPECT_EQ(TextRight(paragraph, 4), "\r\n\r\n");
        EXPECT_NE(paragraph.substr(4, 1), " ");
    }
}

}  // namespace
