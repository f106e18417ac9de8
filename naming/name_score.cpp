#include "name_score.h"

#include <array>

#include "char_data.h"
#include "number_tables.h"
#include "runtime/text.h"

namespace {

// Deductions by luck class (大吉, 半吉, 吉, 凶, 大凶 as in NumberLuckWords) for each judged grid.
struct GridDeductions {
    int byClass[kLuckClassCount];
};
constexpr GridDeductions kPersonDeductions = {{0, 1, 0, 12, 19}};
constexpr GridDeductions kEarthDeductions = {{0, 1, 0, 12, 17}};
constexpr GridDeductions kTotalDeductions = {{0, 1, 0, 11, 13}};
constexpr GridDeductions kOuterDeductions = {{0, 1, 0, 12, 17}};

int Deduction(const GridDeductions& deductions, const std::string& luck)
{
    for (int i = 0; i < kLuckClassCount; ++i)
        if (luck == NumberLuckWords[i])
            return deductions.byClass[i];
    return 0;
}

int TalentsDeduction(const std::string& luck)
{
    if (luck == "平")
        return 2;
    if (luck == "凶")
        return 29;
    return 0;
}

// The luck class of a (padded) number text by searching the lists: the rule itself.
std::string SearchLuckLists(const std::string& paddedNumber)
{
    static const std::array<std::string, kLuckClassCount> lists = [] {
        std::array<std::string, kLuckClassCount> texts;
        for (int i = 0; i < kLuckClassCount; ++i)
            texts[i] = NumberLuckLists[i];
        return texts;
    }();
    std::string luck;
    for (int i = 0; i < kLuckClassCount; ++i)
        if (TextFind(lists[i], paddedNumber) > 0)
            luck = NumberLuckWords[i];
    return luck;
}

// Grid numbers are plain decimal texts: their classes are searched once and kept.
constexpr int kKeptLuckValues = 1000;

bool IsPlainNumber(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 3 || (text[0] == '0' && text.size() > 1))
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

std::string PaddedNumber(const std::string& number)
{
    return TextToNumber(number) <= 9 ? "0" + number : number;
}

const std::string& KeptLuck(int value)
{
    static const std::vector<std::string> kept = [] {
        std::vector<std::string> classes(kKeptLuckValues);
        for (int v = 0; v < kKeptLuckValues; ++v)
            classes[v] = SearchLuckLists(PaddedNumber(IntToText(v)));
        return classes;
    }();
    return kept[value];
}

std::string GridText(int value) { return IntToText(value); }

}  // namespace

FiveGrids ComputeFiveGrids(const std::string& fullName, int surnameChars)
{
    FiveGrids grids;
    size_t length = fullName.size();
    if (length != 4 && length != 6 && length != 8)
        return grids;
    int a = GetKangxiStrokeCount(fullName.substr(0, 2));
    int b = GetKangxiStrokeCount(fullName.substr(2, 2));
    int last = GetKangxiStrokeCount(fullName.substr(length - 2, 2));
    if (length == 6 && surnameChars == 2) {
        const int c = last;
        grids.heaven = GridText(a + b);
        grids.person = GridText(b + c);
        grids.earth = GridText(c + 1);
        grids.outer = GridText(a + 1);
        grids.total = GridText(a + b + c);
    } else if (length == 4) {
        grids.heaven = GridText(a + 1);
        grids.person = GridText(a + b);
        grids.earth = GridText(b + 1);
        grids.outer = GridText(2);
        grids.total = GridText(a + b);
    } else if (length == 6) {
        int c = last;
        grids.heaven = GridText(a + 1);
        grids.person = GridText(a + b);
        grids.earth = GridText(b + c);
        grids.outer = GridText(c + 1);
        grids.total = GridText(a + b + c);
    } else {
        int c = GetKangxiStrokeCount(fullName.substr(4, 2));
        int d = last;
        grids.heaven = GridText(a + b);
        grids.person = GridText(b + c);
        grids.earth = GridText(c + d);
        grids.outer = GridText(a + d);
        grids.total = GridText(a + b + c + d);
    }
    return grids;
}

std::string GetNumberLuck(std::string& number)
{
    int value;
    if (IsPlainNumber(number, value)) {
        if (value <= 9)
            number = "0" + number;
        return KeptLuck(value);
    }
    number = PaddedNumber(number);
    return SearchLuckLists(number);
}

GridDigits ReduceGridsToDigits(const std::string& heaven, const std::string& earth, const std::string& outer,
                               const std::string& total, const std::string& person)
{
    auto reduce = [](const std::string& grid) -> std::string {
        if (TextToInt(grid) < 11)
            return grid;
        std::string last = grid.substr(grid.size() - 1);
        return last == "0" ? "10" : last;
    };
    return GridDigits{reduce(heaven), reduce(person), reduce(earth), reduce(total), reduce(outer)};
}

std::string DigitToElement(int digit)
{
    switch (digit) {
    case 1: case 2: return "木";
    case 3: case 4: return "火";
    case 5: case 6: return "土";
    case 7: case 8: return "金";
    case 9: case 10: return "水";
    default: return std::string();
    }
}

std::string ScoreName(ThreeTalentsTable& talents, const std::string& fullName, int surnameChars)
{
    FiveGrids grids = ComputeFiveGrids(fullName, surnameChars);
    // 天格 is not judged; the judged grids may come back padded, which changes none of their digits.
    int deductions = Deduction(kPersonDeductions, GetNumberLuck(grids.person)) +
                     Deduction(kEarthDeductions, GetNumberLuck(grids.earth)) +
                     Deduction(kTotalDeductions, GetNumberLuck(grids.total));
    std::string outerLuck = GetNumberLuck(grids.outer);
    if (fullName.size() != 4)
        deductions += Deduction(kOuterDeductions, outerLuck);
    GridDigits digits = ReduceGridsToDigits(grids.heaven, grids.earth, grids.outer, grids.total, grids.person);
    ThreeTalentsResult three = LookupThreeTalents(talents, DigitToElement(static_cast<int>(TextToInt(digits.heaven))),
                                                  DigitToElement(static_cast<int>(TextToInt(digits.person))),
                                                  DigitToElement(static_cast<int>(TextToInt(digits.earth))));
    deductions += TalentsDeduction(three.luck);
    return IntToText(100 - deductions);
}

std::string ScoreTag(const std::string& score)
{
    return (TextToNumber(score) >= 100 - 0.0000001 ? "【" : "【 ") + score + "分】";
}

std::string GetNumberMeaningText(int number)
{
    return number >= 1 && number <= kNumberTextCount ? NumberMeaningTexts[number - 1] : std::string();
}

ScoredNameRow MakeScoredNameRow(ThreeTalentsTable& talents, const std::string& serial, const std::string& fullName,
                                int surnameChars)
{
    FiveGrids grids = ComputeFiveGrids(fullName, surnameChars);
    ScoredNameRow row;
    row.serial = serial;
    row.name = fullName;
    row.pinyin = GetNamePinyin(fullName, 1);
    row.elements = GetNameElements(fullName);
    row.strokes = GetNameStrokeCounts(fullName);
    row.kangxi = GetNameKangxiStrokes(fullName);
    row.grids = grids.heaven + "," + grids.person + "," + grids.earth + "," + grids.outer + "," + grids.total;
    row.score = ScoreName(talents, fullName, surnameChars);
    return row;
}

std::vector<std::string> ScoredNameRowCells(const ScoredNameRow& row)
{
    return {row.serial, row.name, row.pinyin, row.elements, row.strokes, row.kangxi, row.grids, row.score};
}
