#include "naming/birth_chart_analysis.h"

#include "naming/birth_moment.h"
#include "naming/pillars.h"
#include "runtime/lunar_words.h"
#include "runtime/text.h"

BirthChartAnalysis AnalyseBirthChart(const BirthTexts& birth, const std::vector<std::string>& elementTable,
                                     const std::vector<std::string>& adviceTable)
{
    const FourPillars pillars = BirthPillars(birth);
    LunarDate lunar;
    BirthLunarDate(birth, lunar);

    BirthChartAnalysis chart;
    chart.analysisText = "\r\n公历日期:" + birth.year + "年" + birth.month + "月" + birth.day + "日 " + birth.hour + "时\r\n";
    chart.analysisText += "农历日期:" + LunarDateDigits(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth) + " " +
                          birth.hour + "时\r\n\r\n";
    chart.analysisText +=
        "八字四柱:" + pillars.year + " " + pillars.month + " " + pillars.day + " " + pillars.hour + "\r\n";
    const PillarAnalysis analysis = AnalysePillars(pillars, elementTable);
    chart.analysisText += "八字五行:" + analysis.elementText;

    const int yearNumber = FindSexagenaryNumber(pillars.year);
    if (yearNumber >= 1 && static_cast<size_t>(yearNumber) <= adviceTable.size())
        chart.adviceText = "\r\n" + TextReplaceAll(adviceTable[yearNumber - 1], "<br>", "\r\n");

    chart.elementLines.push_back("--------");
    chart.missingCaption = "五行缺：";
    for (size_t k = 0; k < kElementOrder.size(); ++k) {
        const std::string element = kElementOrder[k];
        chart.elementLines.push_back("【" + element + "】" + IntToText(analysis.counts[k]));
        if (analysis.counts[k] == 0) {
            chart.missingCaption += " " + element;
            chart.missingShown = true;
            chart.selectedLines.push_back(static_cast<int>(k + 1));
        }
    }
    chart.elementLines.push_back("--------");
    return chart;
}
