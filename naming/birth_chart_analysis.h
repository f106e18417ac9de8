#pragma once
// The birth chart: the analysis of the birth as the birth chart window shows it, worked out from
// copies of its inputs so it can run on a worker thread. The pillars are those of the birth minute
// and the lunar date marks a leap month, as in the name report (naming/birth_moment.h).
// Texts are GBK.
#include <string>
#include <vector>

#include "naming/birth_texts.h"

struct BirthChartAnalysis {
    // The analysis box: an empty line, the solar and the lunar date, the pillars and their elements.
    std::string analysisText;
    // The radical advice of the year pillar, "<br>" made line breaks; empty when the year pillar has
    // no number.
    std::string adviceText;
    // The element list: "--------", "【金】" + count ... "【土】" + count, "--------".
    std::vector<std::string> elementLines;
    // The lines of the missing elements (indexes into elementLines).
    std::vector<int> selectedLines;
    // "五行缺：" followed by a blank and each missing element; shown only when one is missing.
    std::string missingCaption;
    bool missingShown = false;
};

// elementTable: StemBranchElementTable split; adviceTable: ZodiacRadicalAdviceTable split. A date
// the calendar cannot use (unreadable texts, a year up to 1900) gives empty pillars; an unreadable
// day gives lunar date 0.
BirthChartAnalysis AnalyseBirthChart(const BirthTexts& birth, const std::vector<std::string>& elementTable,
                                     const std::vector<std::string>& adviceTable);
