#include "naming/name_score_reference.h"

#include "naming/name_score.h"
#include "runtime/text.h"

namespace {

int GridDeduction(const std::string& luck, int half, int bad, int worst)
{
    if (luck == "半吉")
        return half;
    if (luck == "凶")
        return bad;
    return luck == "大凶" ? worst : 0;
}

}  // namespace

std::string ScoreNameFromTexts(ThreeTalentsTable& talents, const std::string& fullName)
{
    FiveGrids grids = ComputeFiveGrids(fullName);
    int deductions = GridDeduction(GetNumberLuck(grids.person), 1, 12, 19) + GridDeduction(GetNumberLuck(grids.earth), 1, 12, 17) +
                     GridDeduction(GetNumberLuck(grids.total), 1, 11, 13);
    const std::string outerLuck = GetNumberLuck(grids.outer);
    if (fullName.size() != 4)
        deductions += GridDeduction(outerLuck, 1, 12, 17);
    const GridDigits digits = ReduceGridsToDigits(grids.heaven, grids.earth, grids.outer, grids.total, grids.person);
    const ThreeTalentsResult three = LookupThreeTalents(talents, DigitToElement(static_cast<int>(TextToInt(digits.heaven))),
                                                        DigitToElement(static_cast<int>(TextToInt(digits.person))),
                                                        DigitToElement(static_cast<int>(TextToInt(digits.earth))));
    deductions += three.luck == "平" ? 2 : three.luck == "凶" ? 29 : 0;
    return IntToText(100 - deductions);
}
