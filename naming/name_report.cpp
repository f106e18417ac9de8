#include "naming/name_report.h"

#include "db/database.h"
#include "naming/birth_moment.h"
#include "naming/char_data.h"
#include "naming/name_score.h"
#include "naming/surname_text.h"
#include "naming/pillars.h"
#include "runtime/lunar_words.h"
#include "runtime/text.h"

std::vector<std::string> g_reportInputParts;
std::vector<std::string> g_stemBranchElements;

namespace {

std::string LookupN81Field(DbRecordSet& records, const std::string& number, int field, const char* lineBreak)
{
    if (!records.OpenSql("select * from N81 where num = ?", {number}))
        return std::string();
    return ReplaceSubstrings(records.Field(field), {{"<BR>", lineBreak}});
}

// Line 4: the lunar date of the birth's day and the hour as entered; only the label when the calendar
// cannot use the day.
std::string LunarLineOfBirth(const BirthTexts& birth)
{
    LunarDate lunar;
    if (!BirthLunarDate(birth, lunar))
        return "农历： ";
    return "农历： " + LunarDateDigits(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth) + birth.hour + "时";
}

// The score as the title shows it: the score part up to its "分" (" 95", "100").
std::string ScoreText(const std::vector<std::string>& inputParts)
{
    if (inputParts.size() < 2)
        return std::string();
    const std::string& part = inputParts[1];
    const int unit = TextFind(part, "分");
    return unit > 0 ? TextLeft(part, unit - 1) : part;
}

// The characters of a name of 4, 6 or 8 bytes (two bytes each); none for any other length.
std::vector<std::string> CharactersOfName(const std::string& name)
{
    std::vector<std::string> characters;
    if (name.size() == 4 || name.size() == 6 || name.size() == 8)
        for (size_t i = 0; i < name.size(); i += 2)
            characters.push_back(name.substr(i, 2));
    return characters;
}

// Each character followed by its value in brackets; separator(i) goes before character i (from 1).
template <typename Value, typename Separator>
std::string CharactersWith(const std::vector<std::string>& characters, Value value, Separator separator)
{
    std::string text;
    for (size_t i = 0; i < characters.size(); ++i)
        text += (i > 0 ? separator(i) : "") + characters[i] + "(" + value(characters[i]) + ")";
    return text;
}

std::string ElementOf(const std::string& digit)
{
    return DigitToElement(static_cast<int>(TextToInt(digit)));
}

class ReportWriter {
public:
    explicit ReportWriter(std::vector<ReportLine>& lines) : lines_(lines) {}
    void Add(int row, const std::string& text, unsigned long colour)
    {
        lines_.push_back({row, text, colour, lines_.empty() ? kReportTitleSize : kReportTextSize});
    }

private:
    std::vector<ReportLine>& lines_;
};

struct GridBlock {
    const std::string* number;
    const char* explanation;
};

}  // namespace

std::string LookupN81Field1(DbRecordSet& records, const std::string& number)
{
    return LookupN81Field(records, number, 1, "\r\n");
}

std::string LookupN81Field2(DbRecordSet& records, const std::string& number)
{
    return LookupN81Field(records, number, 2, "");
}

std::string LookupN81Field3(DbRecordSet& records, const std::string& number)
{
    return LookupN81Field(records, number, 3, "");
}

std::string LookupN81Field4(DbRecordSet& records, const std::string& number)
{
    return LookupN81Field(records, number, 4, "");
}

std::vector<ReportLine> ComposeNameReport(const std::vector<std::string>& inputParts, const BirthTexts& birth,
                                          const std::vector<std::string>& stemBranchElements,
                                          ThreeTalentsTable& talents, DbRecordSet& n81Records,
                                          const std::string& surname)
{
    std::vector<ReportLine> lines;
    if (inputParts.empty())
        return lines;
    ReportWriter out(lines);
    const std::string& name = inputParts[0];

    const FourPillars pillars = BirthPillars(birth);
    const PillarAnalysis analysis = AnalysePillars(pillars, stemBranchElements);
    std::string missing;
    for (const std::string& element : analysis.missing)
        missing += element + "  ";

    const FiveGrids grids = ComputeFiveGrids(name, SurnameCharsOfName(name, surname));
    const GridDigits digits = ReduceGridsToDigits(grids.heaven, grids.earth, grids.outer, grids.total, grids.person);
    const ThreeTalentsResult talentsText =
        LookupThreeTalents(talents, ElementOf(digits.heaven), ElementOf(digits.person), ElementOf(digits.earth));

    out.Add(1, name + "     总分：" + ScoreText(inputParts), kReportTitleColour);
    out.Add(2, "----------------------基本信息--------------------------------", kReportHeadingColour);
    const std::vector<std::string> characters = CharactersOfName(name);
    if (!characters.empty()) {
        // Two blanks after the first reading of a longer name, one blank elsewhere.
        const auto readingGap = [&](size_t i) { return i == 1 && characters.size() > 2 ? "  " : " "; };
        out.Add(3, CharactersWith(characters, [](const std::string& ch) { return GetNamePinyin(ch, 0); }, readingGap),
                kReportDataColour);
    }
    out.Add(4, LunarLineOfBirth(birth), kReportDataColour);
    // The animal of the birth minute, as the year pillar: both change at the instant of 立春.
    out.Add(5, "属相： " + BirthZodiac(birth), kReportDataColour);
    out.Add(6, "四柱： " + pillars.year + "年，" + pillars.month + "月，" + pillars.day + "日，" + pillars.hour + "时",
            kReportDataColour);
    out.Add(7, "八字： " + pillars.year + "，" + pillars.month + "，" + pillars.day + "，" + pillars.hour, kReportDataColour);
    out.Add(8, "五行： " + analysis.elementText, kReportDataColour);
    const ElementCounts& n = analysis.counts;
    out.Add(9,
            "五行个数： 金：" + IntToText(n[0]) + "个  木：" + IntToText(n[1]) + "个  水：" + IntToText(n[2]) + "个  火：" +
                IntToText(n[3]) + "个  土：" + IntToText(n[4]) + "个" + "            五行缺：" + missing,
            kReportDataColour);
    out.Add(10,
            "纳音： " + NayinName(pillars.year) + "  " + NayinName(pillars.month) + "  " + NayinName(pillars.day) + "  " +
                NayinName(pillars.hour),
            kReportDataColour);
    out.Add(11,
            "五格： 天格" + grids.heaven + "(" + ElementOf(digits.heaven) + ")   人格" + grids.person + "(" +
                ElementOf(digits.person) + ")   地格" + grids.earth + "(" + ElementOf(digits.earth) + ")   总格" +
                grids.total + "(" + ElementOf(digits.total) + ")   外格 " + grids.outer + "(" +
                ElementOf(digits.outer) + ")",
            kReportDataColour);
    out.Add(12,
            "三才： 天才" + digits.heaven + "(" + ElementOf(digits.heaven) + ")    人才 " + digits.person + "(" +
                ElementOf(digits.person) + ")    地才 " + digits.earth + "(" + ElementOf(digits.earth) + ")",
            kReportDataColour);
    if (!characters.empty())
        out.Add(13,
                "名字五行属性：" + CharactersWith(characters, [](const std::string& ch) { return GetCharElement(ch); },
                                                 [](size_t) { return "  "; }),
                kReportDataColour);
    out.Add(14, "", kReportDataColour);
    out.Add(15, "----------------------五格释义--------------------------------", kReportHeadingColour);
    out.Add(16, "", kReportExplanationColour);

    const GridBlock blocks[] = {
        {&grids.heaven, "天格：乃祖先留下来的，其数理对人影响不大。"},
        {&grids.person, "人格：又称主运，是整个姓名的中心点，人一生的命运，均由此人格推断。"},
        {&grids.earth, "地格：由名字全部笔画数构成，称为前运，主管人中年以前的活动力。"},
        {&grids.total, "总格：主中年至晚年的命运，又称后运。"},
        {&grids.outer, "外格：主管命运之灵力。"},
    };
    int row = 17;
    for (const GridBlock& block : blocks) {
        const std::string& number = *block.number;
        out.Add(row, block.explanation, kReportExplanationColour);
        out.Add(row, "", kReportExplanationColour);
        out.Add(row, "第" + number + "数理:" + LookupN81Field1(n81Records, number) + " (" +
                         LookupN81Field2(n81Records, number) + ")",
                kReportDatabaseColour);
        out.Add(row, "基业：" + LookupN81Field3(n81Records, number), kReportDatabaseColour);
        out.Add(row, "含意：" + LookupN81Field4(n81Records, number), kReportDatabaseColour);
        out.Add(row, "", kReportDatabaseColour);
        ++row;
    }

    out.Add(22, "----------------------天地人三才释义--------------------------------", kReportHeadingColour);
    out.Add(23, talentsText.title + talentsText.luck + talentsText.explanation, kReportDatabaseColour);
    out.Add(24, "", kReportDataColour);
    out.Add(25, "----------------------金木水火土五行命局-----------------------------", kReportHeadingColour);
    out.Add(26, missing.empty() ? std::string("此八字无喜用神") : "此八字喜用神为:" + missing, kReportDataColour);
    return lines;
}
