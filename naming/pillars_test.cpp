// Birth pillars and the element tally: the table, the pillar-to-element step, the counting and the
// missing elements, on pillars from the calendar service and on hand-made ones.
#include "naming/pillars.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

FourPillars Pillars(const char* year, const char* month, const char* day, const char* hour)
{
    FourPillars p;
    p.year = year;
    p.month = month;
    p.day = day;
    p.hour = hour;
    return p;
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& t : texts)
        all += t + " ";
    return all;
}

}  // namespace

TEST(Pillars, ElementTableFollowsTheStemAndBranchRule)
{
    EXPECT_EQ(std::strlen(StemBranchElementTable), 478u);
    const std::vector<std::string> table = SplitStemBranchElementTable();
    ASSERT_EQ(table.size(), 60u);
    const std::map<std::string, std::string> element = {
        {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"}, {"己", "土"}, {"庚", "金"},
        {"辛", "金"}, {"壬", "水"}, {"癸", "水"}, {"子", "水"}, {"丑", "土"}, {"寅", "木"}, {"卯", "木"},
        {"辰", "土"}, {"巳", "火"}, {"午", "火"}, {"未", "土"}, {"申", "金"}, {"酉", "金"}, {"戌", "土"},
        {"亥", "水"},
    };
    for (int n = 1; n <= 60; ++n) {
        const std::string name = StemBranchName(n);
        EXPECT_EQ(table[n - 1], element.at(name.substr(0, 2)) + "," + element.at(name.substr(2, 2)) + ",") << n;
    }
    EXPECT_EQ(table[0], "木,水,");
    EXPECT_EQ(table[1], "木,土,");
    EXPECT_EQ(table[4], "土,土,");
    EXPECT_EQ(table[59], "水,水,");
}

TEST(Pillars, FindsSexagenaryNumbersOnlyForWholeNames)
{
    EXPECT_EQ(FindSexagenaryNumber("甲子"), 1);
    EXPECT_EQ(FindSexagenaryNumber("戊辰"), 5);
    EXPECT_EQ(FindSexagenaryNumber("癸亥"), 60);
    for (const char* text : {"", "甲", "甲丑", "甲子甲子", "子甲", " 甲子"})
        EXPECT_EQ(FindSexagenaryNumber(text), 0) << text;
}

TEST(Pillars, AnalysisOfABirthFromTheCalendar)
{
    const std::vector<std::string> table = SplitStemBranchElementTable();
    FourPillars pillars;
    ASSERT_TRUE(FourPillarsAt(2012, 5, 12, 12, 12, pillars));  // 壬辰 乙巳 癸酉 戊午
    const PillarAnalysis a = AnalysePillars(pillars, table);
    EXPECT_EQ(a.elementText, "水,土,木,火,水,金,土,火,");
    EXPECT_EQ(a.elementText.size(), 24u);
    EXPECT_EQ(a.counts, (ElementCounts{1, 1, 2, 2, 2}));
    EXPECT_TRUE(a.missing.empty());

    // Years up to 1900 have no pillars: nothing to count, every element missing.
    EXPECT_FALSE(FourPillarsAt(1900, 6, 1, 12, 0, pillars));
    const PillarAnalysis none = AnalysePillars(pillars, table);
    EXPECT_EQ(none.elementText, "");
    EXPECT_EQ(none.counts, (ElementCounts{0, 0, 0, 0, 0}));
    EXPECT_EQ(Joined(none.missing), "金 木 水 火 土 ");
}

TEST(Pillars, ElementTextRunsYearMonthDayHour)
{
    const std::vector<std::string> table = SplitStemBranchElementTable();
    // 甲子 adds "木,水," first; 戊辰 counts 土 twice.
    const PillarAnalysis a = AnalysePillars(Pillars("甲子", "丙寅", "戊辰", "庚午"), table);
    EXPECT_EQ(a.elementText, "木,水,火,木,土,土,金,火,");
    EXPECT_EQ(a.counts, (ElementCounts{1, 2, 1, 2, 2}));
    EXPECT_EQ(GetPillarElements(Pillars("戊辰", "", "", ""), table), "土,土,");
    EXPECT_EQ(CountPillarElements("土,土,")[4], 2);

    // 金 and 火 missing, in the element order.
    const PillarAnalysis b = AnalysePillars(Pillars("甲子", "乙亥", "壬辰", "癸丑"), table);
    EXPECT_EQ(b.counts, (ElementCounts{0, 2, 4, 0, 2}));
    EXPECT_EQ(Joined(b.missing), "金 火 ");

    // A pillar that is no stem-branch name adds nothing; the others keep their places.
    EXPECT_EQ(GetPillarElements(Pillars("", "xx", "癸亥", "甲"), table), "水,水,");
    // A table that does not reach a pillar's number adds nothing for it rather than reading past it.
    EXPECT_EQ(GetPillarElements(Pillars("癸亥", "甲子", "", ""), std::vector<std::string>(1, "木,水,")), "木,水,");
    EXPECT_EQ(GetPillarElements(Pillars("甲子", "甲子", "甲子", "甲子"), {}), "");
}

TEST(Pillars, CountsOccurrencesScanningForward)
{
    EXPECT_EQ(CountTextOccurrences("木,水,木,", "木"), 2);
    EXPECT_EQ(CountTextOccurrences("木,水,木,", ","), 3);
    EXPECT_EQ(CountTextOccurrences("aaaa", "aa"), 2);  // resumes after each match: no overlaps
    EXPECT_EQ(CountTextOccurrences("aAAa", "aa"), 0);
    EXPECT_EQ(CountTextOccurrences("aAAa", "aa", true), 2);
    EXPECT_EQ(CountTextOccurrences("\xD5\xC5\xC8\xFD", "\xC5\xC8"), 0);  // 张三: no match across characters
    EXPECT_EQ(CountTextOccurrences("", "木"), 0);
    EXPECT_EQ(CountTextOccurrences("木,水,", ""), 0);
    EXPECT_EQ(CountPillarElements(""), (ElementCounts{0, 0, 0, 0, 0}));
}
