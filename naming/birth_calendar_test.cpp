// The name report and the birth chart against the calendar fixtures (tools/gen/gen_calendar_fixtures.sh,
// made by another calendar program): births within minutes of a solar term and in leap months. Both
// windows must show the fixture's pillars, zodiac animal and lunar date.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "calendar/fixture_file.h"
#include "codepage/codepage.h"
#include "naming/birth_chart_analysis.h"
#include "naming/name_report.h"
#include "naming/pillars.h"
#include "naming/sc_fixture.h"
#include "naming/three_talents.h"
#include "naming/zodiac_advice.h"
#include "runtime/text.h"

namespace {

BirthTexts BirthOf(const std::string& key)  // yyyymmddhhmm
{
    return {key.substr(0, 4), key.substr(4, 2), key.substr(6, 2), key.substr(8, 2), key.substr(10, 2)};
}

// pillars.txt (UTF-8): key -> year, month, day and hour pillar and animal, as GBK.
std::map<std::string, std::vector<std::string>> FixturePillars()
{
    std::map<std::string, std::vector<std::string>> samples;
    for (const std::string& line : ReadFixtureLines("pillars.txt")) {
        std::istringstream in(Utf8ToGbk(line));
        std::string key, part;
        in >> key;
        while (in >> part)
            samples[key].push_back(part);
    }
    return samples;
}

// Days from 1970-01-01 of a civil date, counted here so the expectation does not borrow the
// program's own date arithmetic.
long DaysOf(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// "Y年[闰]M月D日" of a solar date from lunar_months.txt (the first solar day of every lunar month).
std::string FixtureLunarDate(int y, int m, int d)
{
    const long day = DaysOf(y, m, d);
    std::string found;
    for (const std::string& line : ReadFixtureLines("lunar_months.txt")) {
        std::istringstream in(line);
        std::string start;
        int lunarYear = 0, lunarMonth = 0, leap = 0;
        in >> start >> lunarYear >> lunarMonth >> leap;
        const long first = DaysOf(std::stoi(start.substr(0, 4)), std::stoi(start.substr(4, 2)), std::stoi(start.substr(6, 2)));
        if (first > day)
            break;
        found = std::to_string(lunarYear) + "年" + (leap ? "闰" : "") + std::to_string(lunarMonth) + "月" +
                std::to_string(day - first + 1) + "日";
    }
    return found;
}

class BirthCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture_.Create(UniqueDatabasePath(::testing::TempDir(), "birth_calendar"), {}));
        ASSERT_TRUE(fixture_.db.Execute("create table N81 (num text, 数理 text, 吉凶 text, 基业 text, 含意 text)"));
        ASSERT_TRUE(n81_.Attach(&fixture_.db));
    }

    std::map<int, std::string> Report(const BirthTexts& birth)
    {
        std::map<int, std::string> rows;
        for (const ReportLine& line :
             ComposeNameReport({"张三", " 80分】"}, birth, SplitStemBranchElementTable(), talents_, n81_))
            rows.emplace(line.row, line.text);
        return rows;
    }

    static std::string Chart(const BirthTexts& birth)
    {
        return AnalyseBirthChart(birth, SplitStemBranchElementTable(), SplitZodiacRadicalAdviceTable()).analysisText;
    }

    ScFixture fixture_;
    ThreeTalentsTable talents_{&fixture_.db};
    DbRecordSet n81_;
};

TEST_F(BirthCalendarTest, BirthsAMinuteEitherSideOfATermShowTheFixturePillarsInReportAndChart)
{
    const std::map<std::string, std::vector<std::string>> samples = FixturePillars();
    // 立春 2024 (16:27:07), 小寒 2024 (04:49:22, the month changes, not the year), 立春 2033.
    for (const char* key : {"202402041627", "202402041628", "202401060449", "202401060450", "203302032041",
                            "203302032042"}) {
        ASSERT_TRUE(samples.count(key)) << key;
        const std::vector<std::string>& p = samples.at(key);
        ASSERT_EQ(p.size(), 5u) << key;
        const BirthTexts birth = BirthOf(key);
        const std::map<int, std::string> rows = Report(birth);
        EXPECT_EQ(rows.at(6), "四柱： " + p[0] + "年，" + p[1] + "月，" + p[2] + "日，" + p[3] + "时") << key;
        EXPECT_EQ(rows.at(5), "属相： " + p[4]) << key;
        const std::string chart = Chart(birth);
        EXPECT_NE(TextFind(chart, "八字四柱:" + p[0] + " " + p[1] + " " + p[2] + " " + p[3] + "\r\n"), 0)
            << key << ": " << chart;
    }
}

TEST_F(BirthCalendarTest, AfterTheTermTheChartAndTheReportNameTheSameMissingElement)
{
    // 2024-02-04 16:59, after 立春: 甲辰 丙寅 戊戌 庚申, without 水.
    const BirthTexts birth = {"2024", "02", "04", "16", "59"};
    const BirthChartAnalysis chart = AnalyseBirthChart(birth, SplitStemBranchElementTable(), SplitZodiacRadicalAdviceTable());
    EXPECT_EQ(chart.missingCaption, "五行缺： 水");
    EXPECT_EQ(Report(birth).at(26), "此八字喜用神为:水  ");
    EXPECT_EQ(chart.adviceText.substr(0, 10), "\r\n甲辰年，");
}

TEST_F(BirthCalendarTest, LunarDatesOfReportAndChartFollowTheFixtureWithLeapMonths)
{
    // Leap months of 2023 (闰二月), 2020 (闰四月) and 2033 (闰十一月), their first and last days, a
    // birth before the new year, and plain months.
    const BirthTexts births[] = {
        {"2023", "03", "25", "12", "00"}, {"2023", "04", "19", "08", "30"}, {"2023", "03", "21", "12", "00"},
        {"2020", "05", "23", "00", "05"}, {"2033", "12", "22", "23", "30"}, {"2024", "02", "04", "16", "59"},
        {"2012", "05", "12", "12", "12"}, {"1984", "02", "02", "06", "00"},
    };
    for (const BirthTexts& birth : births) {
        const std::string lunar =
            FixtureLunarDate(std::stoi(birth.year), std::stoi(birth.month), std::stoi(birth.day));
        ASSERT_FALSE(lunar.empty()) << birth.year << birth.month << birth.day;
        EXPECT_EQ(Report(birth).at(4), "农历： " + lunar + birth.hour + "时");
        EXPECT_NE(TextFind(Chart(birth), "\r\n农历日期:" + lunar + " " + birth.hour + "时\r\n"), 0) << lunar;
    }
    EXPECT_EQ(FixtureLunarDate(2023, 3, 25), "2023年闰2月4日");
    EXPECT_NE(TextFind(Chart({"2023", "03", "25", "12", "00"}), "农历日期:2023年闰2月4日 12时"), 0);
}

}  // namespace
