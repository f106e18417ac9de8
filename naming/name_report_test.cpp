// The name report's lines, the report input of the scoring window, the birth chart's analysis and
// the radical advice table, on a fixture database holding SC and N81.
#include "naming/name_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "naming/birth_chart_analysis.h"
#include "naming/name_score.h"
#include "naming/pillars.h"
#include "naming/report_input.h"
#include "naming/sc_fixture.h"
#include "naming/three_talents.h"
#include "naming/zodiac_advice.h"
#include "runtime/text.h"

namespace {

// SC holds the title of 张三丰 (木火木); N81 rows 1 to 81 whose texts carry their number.
class NameReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture_.Create(UniqueDatabasePath(::testing::TempDir(), "name_report"),
                                    {{"木火木", "吉", "木生火<BR>火生木"}, {"火火火", "凶", "过旺"}}));
        DbConnection& db = fixture_.db;
        ASSERT_TRUE(db.Execute("create table N81 (num text, 数理 text, 吉凶 text, 基业 text, 含意 text)"));
        for (int n = 1; n <= 81; ++n) {
            const std::string t = IntToText(n);
            ASSERT_TRUE(db.Execute("insert into N81 values (?, ?, ?, ?, ?)",
                                   {t, "数理" + t + "<BR>次行", "吉<BR>" + t, "基业" + t + "<br>", "含意" + t}));
        }
        ASSERT_TRUE(n81_.Attach(&db));
    }

    std::vector<ReportLine> Compose(const std::string& input, const BirthTexts& birth = kBirth2012)
    {
        return ComposeNameReport(TextSplit(input, "【"), birth, SplitStemBranchElementTable(), talents_, n81_);
    }

    // The first line of a row; an empty line (row 0) when the report has none.
    static ReportLine Row(const std::vector<ReportLine>& lines, int row)
    {
        for (const ReportLine& line : lines)
            if (line.row == row)
                return line;
        return ReportLine();
    }
    static std::vector<std::string> RowTexts(const std::vector<ReportLine>& lines, int row)
    {
        std::vector<std::string> texts;
        for (const ReportLine& line : lines)
            if (line.row == row)
                texts.push_back(line.text);
        return texts;
    }

    static const BirthTexts kBirth2012;
    ScFixture fixture_;
    ThreeTalentsTable talents_{&fixture_.db};
    DbRecordSet n81_;
};

const BirthTexts NameReportTest::kBirth2012 = {"2012", "05", "12", "12", "12"};

std::string FiveGridsText(const FiveGrids& g)
{
    return g.heaven + "," + g.person + "," + g.earth + "," + g.outer + "," + g.total;
}

TEST(ReportInput, IsGbkHanziTakesTwoBytesOfTheThreeChineseBlocks)
{
    struct Case {
        const char* text;
        bool hanzi;
    } cases[] = {
        {"\xB0\xA1", true},                    // 啊, third block
        {"\x81\x40", true},  {"\xA0\xFE", true},  {"\x81\x7F", true},  // first block, 7F not excluded
        {"\xAA\x40", true},  {"\xFE\xA0", true},  // second block
        {"\xF7\xFE", true},
        {"\xA1\xA1", false},                   // the ideographic space
        {"\xFE\xA1", false}, {"\xF8\xA1", false}, {"\x81\x3F", false}, {"\xA8\xA1", false},
        {"\xB0", false},     {"", false},         {"a", false},
        {"a\xC8\xFD", false},                  // "a三": three bytes
        {"a\xC8", false},                      // its first two bytes
        {"\xB0\xA1\xB0\xA1", false},           // two characters
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsGbkHanzi(c.text), c.hanzi) << ::testing::PrintToString(std::string(c.text));
}

TEST_F(NameReportTest, TypedNameAlwaysMakesTheInputLineAndOpensOnlyForANameTheScorerReads)
{
    TypedNameScore typed = ScoreTypedName(talents_, "张", "三丰");
    EXPECT_EQ(typed.reportInput, "张三丰" + ScoreTag(ScoreName(talents_, "张三丰")));
    EXPECT_EQ(TextSplit(typed.reportInput, "【").size(), 2u);
    EXPECT_TRUE(typed.opensReport);
    EXPECT_EQ("", typed.refusal);
    for (const auto& [surname, given] : std::vector<std::pair<const char*, const char*>>{
             {"欧阳", "娜娜"}, {"司马", "霞"}, {"张", "三"}})
        EXPECT_TRUE(ScoreTypedName(talents_, surname, given).opensReport) << surname << given;

    typed = ScoreTypedName(talents_, "张", "");
    EXPECT_EQ(typed.reportInput, "张" + ScoreTag(ScoreName(talents_, "张")));
    EXPECT_FALSE(typed.opensReport);
    EXPECT_EQ(kScorableNameWord, typed.refusal);
    // Letters, digits, blanks, a '?' left of a character outside GBK, five characters, no surname, a
    // Latin surname, one of three characters.
    for (const auto& [surname, given] : std::vector<std::pair<const char*, const char*>>{
             {"张", "a三"}, {"张", "3三"}, {"张", "\xA1\xA1三"}, {"张", "a"}, {"张", "Wang"}, {"王", "??"},
             {"王", "三 "}, {"欧阳", "娜娜娜"}, {"", "三丰"}, {"Smith", "三"}, {"诸葛亮", "明"}, {"张", "三丰明"}}) {
        typed = ScoreTypedName(talents_, surname, given);
        EXPECT_FALSE(typed.opensReport) << surname << given;
        EXPECT_EQ(kScorableNameWord, typed.refusal) << surname << given;
    }

    // A given name of 100,000 characters is read to its first four (and refused); a letter counts as one.
    std::string huge;
    for (int i = 0; i < 50000; ++i)
        huge += "三丰";
    typed = ScoreTypedName(talents_, "张", huge);
    EXPECT_EQ(TextSplit(typed.reportInput, "【")[0], "张三丰三丰");
    EXPECT_FALSE(typed.opensReport);
    EXPECT_EQ(TextSplit(ScoreTypedName(talents_, "张", "a三丰丰丰").reportInput, "【")[0], "张a三丰丰");
}

TEST_F(NameReportTest, ThreeCharacterNameReportLineByLine)
{
    const std::vector<ReportLine> lines = Compose("张三丰【 95分】");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].row, 1);
    EXPECT_EQ(lines[0].text, "张三丰     总分： 95");
    EXPECT_EQ(lines[0].colour, 0x0000FFu);
    EXPECT_EQ(lines[0].size, 12);
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size, 10) << i;

    const std::map<int, std::string> expected = {
        {2, "----------------------基本信息--------------------------------"},
        {3, "张(zhāng)  三(sān) 丰(fēng)"},
        {4, "农历： 2012年4月22日12时"},
        {5, "属相： 龙"},
        {6, "四柱： 壬辰年，乙巳月，癸酉日，戊午时"},
        {7, "八字： 壬辰，乙巳，癸酉，戊午"},
        {8, "五行： 水,土,木,火,水,金,土,火,"},
        {9, "五行个数： 金：1个  木：1个  水：2个  火：2个  土：2个            五行缺："},
        {10, "纳音： 长流水  覆灯火  剑锋金  天上火"},
        {11, "五格： 天格12(木)   人格14(火)   地格21(木)   总格32(木)   外格 19(水)"},
        {12, "三才： 天才2(木)    人才 4(火)    地才 1(木)"},
        {13, "名字五行属性：张(金)  三(金)  丰(水)"},
        {14, ""},
        {15, "----------------------五格释义--------------------------------"},
        {16, ""},
        {22, "----------------------天地人三才释义--------------------------------"},
        {24, ""},
        {25, "----------------------金木水火土五行命局-----------------------------"},
        {26, "此八字无喜用神"},
    };
    for (const auto& [row, text] : expected)
        EXPECT_EQ(Row(lines, row).text, text) << row;
    // The three-talents explanation keeps its line breaks as the table reader made them.
    EXPECT_EQ(Row(lines, 23).text, "木火木吉木生火\r\n火生木");

    const std::vector<std::string> heaven = {"天格：乃祖先留下来的，其数理对人影响不大。", "",
                                             "第12数理:数理12\r\n次行 (吉12)", "基业：基业12", "含意：含意12", ""};
    EXPECT_EQ(RowTexts(lines, 17), heaven);
    EXPECT_EQ(RowTexts(lines, 18)[2], "第14数理:数理14\r\n次行 (吉14)");
    EXPECT_EQ(RowTexts(lines, 19)[0], "地格：由名字全部笔画数构成，称为前运，主管人中年以前的活动力。");
    EXPECT_EQ(RowTexts(lines, 20)[3], "基业：基业32");
    EXPECT_EQ(RowTexts(lines, 21)[4], "含意：含意19");
    EXPECT_EQ(lines.size(), 26u - 5u + 5u * 6u);

    std::map<int, unsigned long> colours = {{2, 0xFF0000}, {3, 0xFF8800}, {10, 0xFF8800}, {15, 0xFF0000},
                                            {16, 0xC06000}, {17, 0xC06000}, {23, 0x0060C0}, {26, 0xFF8800}};
    for (const auto& [row, colour] : colours)
        EXPECT_EQ(Row(lines, row).colour, colour) << row;
    for (const ReportLine& line : lines) {
        const bool fromTheDatabase = line.text.compare(0, 2, "第") == 0 || line.text.compare(0, 6, "基业：") == 0;
        EXPECT_TRUE(!fromTheDatabase || line.colour == 0x0060C0u) << line.text;
    }
}

TEST_F(NameReportTest, ScoreOfOneHundredAndTheNameLengths)
{
    EXPECT_EQ(Compose("张家豪【100分】")[0].text, "张家豪     总分：100");

    std::vector<ReportLine> lines = Compose("张三【 80分】");
    EXPECT_EQ(Row(lines, 3).text, "张(zhāng) 三(sān)");
    EXPECT_EQ(Row(lines, 13).text, "名字五行属性：张(金)  三(金)");

    lines = Compose("欧阳明月【 90分】");
    EXPECT_EQ(Row(lines, 3).text, "欧(ōu)  阳(yáng) 明(míng) 月(yuè)");
    EXPECT_EQ(Row(lines, 13).text, "名字五行属性：欧(土)  阳(土)  明(火)  月(土)");

    // A compound surname with one given character: the surname's grid is its two characters.
    lines = ComposeNameReport({"司马霞", " 80分】"}, kBirth2012, SplitStemBranchElementTable(), talents_, n81_, "司马");
    EXPECT_EQ(Row(lines, 11).text.substr(0, 14), "五格： 天格15(");
    EXPECT_EQ(FiveGridsText(ComputeFiveGrids("司马霞", 2)), "15,27,18,6,32");
    EXPECT_EQ(ScoreTypedName(talents_, "司马", "霞").reportInput,
              "司马霞" + ScoreTag(ScoreName(talents_, "司马霞", 2)));

    // Five characters: no reading and element lines, no grids.
    lines = Compose("欧阳明月星【 70分】");
    EXPECT_EQ(Row(lines, 3).row, 0);
    EXPECT_EQ(Row(lines, 13).row, 0);
    EXPECT_EQ(Row(lines, 11).text, "五格： 天格()   人格()   地格()   总格()   外格 ()");
    EXPECT_EQ(RowTexts(lines, 17)[2], "第数理: ()");
}

TEST_F(NameReportTest, GridAboveEightyOneShowsOnlyTheFixedParts)
{
    const std::vector<ReportLine> lines = Compose("鑫鑫鑫鑫【 60分】");  // 天人地外 48, 总 96
    EXPECT_EQ(RowTexts(lines, 20)[2], "第96数理: ()");
    EXPECT_EQ(RowTexts(lines, 20)[3], "基业：");
    EXPECT_EQ(RowTexts(lines, 20)[4], "含意：");
    EXPECT_EQ(RowTexts(lines, 17)[2], "第48数理:数理48\r\n次行 (吉48)");
    // A title SC lacks (金金金) leaves the three-talents line empty.
    EXPECT_EQ(Row(lines, 23).text, "");
    EXPECT_EQ(Row(lines, 23).row, 23);
}

TEST_F(NameReportTest, UnusableBirthGivesEmptyPillarsAndEveryElementFavourable)
{
    for (const BirthTexts& birth : {BirthTexts{"1900", "05", "12", "12", "12"}, BirthTexts{"", "", "", "", ""},
                                    BirthTexts{"2012", "13", "12", "12", "12"}}) {
        const std::vector<ReportLine> lines = Compose("张三丰【 95分】", birth);
        EXPECT_EQ(Row(lines, 6).text, "四柱： 年，月，日，时") << birth.year;
        EXPECT_EQ(Row(lines, 7).text, "八字： ，，，");
        EXPECT_EQ(Row(lines, 8).text, "五行： ");
        EXPECT_EQ(Row(lines, 9).text,
                  "五行个数： 金：0个  木：0个  水：0个  火：0个  土：0个            五行缺：金  木  水  火  土  ");
        EXPECT_EQ(Row(lines, 10).text, "纳音：       ");
        EXPECT_EQ(Row(lines, 26).text, "此八字喜用神为:金  木  水  火  土  ");
    }
    // No day the calendar can read: the lunar line keeps only its label.
    EXPECT_EQ(Row(Compose("张三丰【 95分】", {"", "", "", "", ""}), 4).text, "农历： ");
}

TEST_F(NameReportTest, MissingElementsNameTheFavourableOnes)
{
    // 2003-02-08 04:00: 癸未 甲寅 壬子 壬寅, without 金 and 火.
    const std::vector<ReportLine> lines = Compose("张三丰【 95分】", {"2003", "02", "08", "04", "00"});
    EXPECT_EQ(Row(lines, 9).text,
              "五行个数： 金：0个  木：3个  水：4个  火：0个  土：1个            五行缺：金  火  ");
    EXPECT_EQ(Row(lines, 26).text, "此八字喜用神为:金  火  ");
    // The minutes count for the pillars: 23:30 is already the next day's 子 hour.
    EXPECT_EQ(Row(Compose("张三【 80分】", {"2023", "01", "21", "23", "30"}), 6).text, "四柱： 壬寅年，癸丑月，己卯日，丙子时");
}

TEST_F(NameReportTest, EmptyInputGivesNoReportAndAMissingScoreAnEmptyOne)
{
    EXPECT_TRUE(Compose("").empty());
    EXPECT_EQ(Compose("张三丰")[0].text, "张三丰     总分：");
    EXPECT_EQ(Compose("【 95分】")[0].text, "     总分： 95");
}

TEST_F(NameReportTest, N81LookupsBindTheNumber)
{
    EXPECT_EQ(LookupN81Field1(n81_, "7"), "数理7\r\n次行");
    EXPECT_EQ(LookupN81Field2(n81_, "7"), "吉7");
    EXPECT_EQ(LookupN81Field3(n81_, "7"), "基业7");
    EXPECT_EQ(LookupN81Field4(n81_, "7"), "含意7");
    for (const char* number : {"0", "82", "", "07", "7' or '1'='1"})
        EXPECT_EQ(LookupN81Field1(n81_, number), "") << number;
}

TEST(ZodiacAdvice, SixtyEntriesByBranch)
{
    EXPECT_EQ(std::strlen(ZodiacRadicalAdviceTable), 10410u);
    const std::vector<std::string> entries = SplitZodiacRadicalAdviceTable();
    ASSERT_EQ(entries.size(), 60u);
    EXPECT_EQ(entries[0],
              "甲子年，属相(生肖)：鼠<br>鼠年出生的人取名偏旁部首：<br>宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅"
              "等部首为吉<br>忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首");
    for (int n = 1; n <= 60; ++n) {
        const std::string& entry = entries[n - 1];
        EXPECT_EQ(entry.substr(0, 8), StemBranchName(n) + "年，") << n;
        // The advice follows the branch: entry n and entry n + 12 differ only in their name.
        if (n + 12 <= 60) {
            EXPECT_EQ(entry.substr(4), entries[n + 11].substr(4)) << n;
        }
        const bool snakeOrHorse = (n - 1) % 12 == 5 || (n - 1) % 12 == 6;
        EXPECT_EQ(entry.back() == ' ', snakeOrHorse) << n;
    }
    EXPECT_NE(entries[5].find("：蛇<br>蛇年"), std::string::npos);
    EXPECT_EQ(entries[6].substr(entries[6].size() - 7), "等部首 ");
}

TEST(BirthChart, AnalysisOfADateWithEveryElement)
{
    const BirthChartAnalysis chart = AnalyseBirthChart({"2012", "05", "12", "12", "00"}, SplitStemBranchElementTable(),
                                                       SplitZodiacRadicalAdviceTable());
    EXPECT_EQ(chart.analysisText,
              "\r\n公历日期:2012年05月12日 12时\r\n农历日期:2012年4月22日 12时\r\n\r\n"
              "八字四柱:壬辰 乙巳 癸酉 戊午\r\n八字五行:水,土,木,火,水,金,土,火,");
    const std::vector<std::string> lines = {"--------", "【金】1", "【木】1", "【水】2", "【火】2", "【土】2", "--------"};
    EXPECT_EQ(chart.elementLines, lines);
    EXPECT_TRUE(chart.selectedLines.empty());
    EXPECT_FALSE(chart.missingShown);
    EXPECT_EQ(chart.missingCaption, "五行缺：");
    EXPECT_EQ(chart.adviceText.substr(0, 20), "\r\n壬辰年，属相(生肖)");
    EXPECT_EQ(TextFind(chart.adviceText, "<br>"), 0);
}

TEST(BirthChart, YearOfTheRatAdviceAndABlankMinuteCountsAsZero)
{
    // 1984-05-12: a 甲子 year.
    const BirthChartAnalysis chart = AnalyseBirthChart({"1984", "05", "12", "12", "59"}, SplitStemBranchElementTable(),
                                                       SplitZodiacRadicalAdviceTable());
    EXPECT_EQ(chart.adviceText,
              "\r\n甲子年，属相(生肖)：鼠\r\n鼠年出生的人取名偏旁部首：\r\n宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅"
              "等部首为吉\r\n忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首");
    const BirthChartAnalysis noMinute = AnalyseBirthChart({"1984", "05", "12", "12", ""}, SplitStemBranchElementTable(),
                                                          SplitZodiacRadicalAdviceTable());
    const BirthChartAnalysis minuteZero = AnalyseBirthChart({"1984", "05", "12", "12", "00"},
                                                            SplitStemBranchElementTable(), SplitZodiacRadicalAdviceTable());
    EXPECT_EQ(noMinute.analysisText, minuteZero.analysisText);
    // Blanks inside the date texts are dropped before reading it.
    const BirthChartAnalysis blanks = AnalyseBirthChart({" 1984", "05 ", "12", "12", ""}, SplitStemBranchElementTable(),
                                                        SplitZodiacRadicalAdviceTable());
    EXPECT_NE(TextFind(blanks.analysisText, "八字四柱:甲子 "), 0);
}

TEST(BirthChart, MissingElementsAreSelectedAndShown)
{
    const BirthChartAnalysis chart = AnalyseBirthChart({"2003", "02", "08", "04", "00"}, SplitStemBranchElementTable(),
                                                       SplitZodiacRadicalAdviceTable());
    EXPECT_EQ(chart.missingCaption, "五行缺： 金 火");
    EXPECT_TRUE(chart.missingShown);
    EXPECT_EQ(chart.selectedLines, (std::vector<int>{1, 4}));
    EXPECT_EQ(chart.elementLines[1], "【金】0");
    EXPECT_EQ(chart.elementLines[4], "【火】0");
}

TEST(BirthChart, UnusableDateGivesEmptyPillarsAndNoAdvice)
{
    for (const BirthTexts& birth : {BirthTexts{"1900", "05", "12", "12", ""}, BirthTexts{"x", "05", "12", "12", ""},
                                    BirthTexts{"2012", "05", "12", "24", ""}}) {
        const BirthChartAnalysis chart =
            AnalyseBirthChart(birth, SplitStemBranchElementTable(), SplitZodiacRadicalAdviceTable());
        EXPECT_NE(TextFind(chart.analysisText, "八字四柱:   \r\n八字五行:"), 0) << birth.year << birth.hour;
        EXPECT_EQ(chart.analysisText.substr(chart.analysisText.size() - 9), "八字五行:");
        EXPECT_EQ(chart.adviceText, "");
        EXPECT_EQ(chart.missingCaption, "五行缺： 金 木 水 火 土");
        EXPECT_EQ(chart.selectedLines, (std::vector<int>{1, 2, 3, 4, 5}));
        EXPECT_EQ(chart.elementLines[3], "【水】0");
    }
    // 1900 is a lunar year the calendar knows; an unreadable date gives lunar date 0.
    EXPECT_NE(TextFind(AnalyseBirthChart({"x", "05", "12", "12", ""}, SplitStemBranchElementTable(),
                                         SplitZodiacRadicalAdviceTable()).analysisText,
                       "农历日期:0年0月0日 12时"),
              0);
}

}  // namespace
