#include "naming/pillars.h"

#include "runtime/text.h"

const char StemBranchElementTable[] =
    // 1-10: 甲子 乙丑 丙寅 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉
    "木,水,\r\n木,土,\r\n火,木,\r\n火,木,\r\n土,土,\r\n土,火,\r\n金,火,\r\n金,土,\r\n水,金,\r\n水,金,\r\n"
    // 11-20: 甲戌 乙亥 丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未
    "木,土,\r\n木,水,\r\n火,水,\r\n火,土,\r\n土,木,\r\n土,木,\r\n金,土,\r\n金,火,\r\n水,火,\r\n水,土,\r\n"
    // 21-30: 甲申 乙酉 丙戌 丁亥 戊子 己丑 庚寅 辛卯 壬辰 癸巳
    "木,金,\r\n木,金,\r\n火,土,\r\n火,水,\r\n土,水,\r\n土,土,\r\n金,木,\r\n金,木,\r\n水,土,\r\n水,火,\r\n"
    // 31-40: 甲午 乙未 丙申 丁酉 戊戌 己亥 庚子 辛丑 壬寅 癸卯
    "木,火,\r\n木,土,\r\n火,金,\r\n火,金,\r\n土,土,\r\n土,水,\r\n金,水,\r\n金,土,\r\n水,木,\r\n水,木,\r\n"
    // 41-50: 甲辰 乙巳 丙午 丁未 戊申 己酉 庚戌 辛亥 壬子 癸丑
    "木,土,\r\n木,火,\r\n火,火,\r\n火,土,\r\n土,金,\r\n土,金,\r\n金,土,\r\n金,水,\r\n水,水,\r\n水,土,\r\n"
    // 51-60: 甲寅 乙卯 丙辰 丁巳 戊午 己未 庚申 辛酉 壬戌 癸亥
    "木,木,\r\n木,木,\r\n火,土,\r\n火,火,\r\n土,火,\r\n土,土,\r\n金,金,\r\n金,金,\r\n水,土,\r\n水,水,";

const std::array<const char*, 5> kElementOrder = {"金", "木", "水", "火", "土"};

std::vector<std::string> SplitStemBranchElementTable()
{
    return TextSplit(StemBranchElementTable, "\r\n");
}

int FindSexagenaryNumber(const std::string& stemBranch)
{
    for (int n = 1; n <= 60; ++n)
        if (StemBranchName(n) == stemBranch)
            return n;
    return 0;
}

std::string GetPillarElements(const FourPillars& pillars, const std::vector<std::string>& splitTable)
{
    std::string text;
    for (const std::string* pillar : {&pillars.year, &pillars.month, &pillars.day, &pillars.hour}) {
        const int n = FindSexagenaryNumber(*pillar);
        if (n >= 1 && static_cast<size_t>(n) <= splitTable.size())
            text += splitTable[n - 1];
    }
    return text;
}

ElementCounts CountPillarElements(const std::string& elementText)
{
    ElementCounts counts{};
    for (size_t i = 0; i < kElementOrder.size(); ++i)
        counts[i] = CountTextOccurrences(elementText, kElementOrder[i]);
    return counts;
}

std::vector<std::string> MissingElements(const ElementCounts& counts)
{
    std::vector<std::string> missing;
    for (size_t i = 0; i < kElementOrder.size(); ++i)
        if (counts[i] == 0)
            missing.push_back(kElementOrder[i]);
    return missing;
}

int CountTextOccurrences(const std::string& text, const std::string& sought, bool ignoreCase)
{
    if (sought.empty())
        return 0;
    int count = 0;
    int position = 1;
    for (;;) {
        position = ignoreCase ? TextFindNoCase(text, sought, position) : TextFind(text, sought, position);
        if (position <= 0)
            return count;
        ++count;
        position += static_cast<int>(sought.size());
    }
}

PillarAnalysis AnalysePillars(const FourPillars& pillars, const std::vector<std::string>& splitTable)
{
    PillarAnalysis analysis;
    analysis.elementText = GetPillarElements(pillars, splitTable);
    analysis.counts = CountPillarElements(analysis.elementText);
    analysis.missing = MissingElements(analysis.counts);
    return analysis;
}
