#include "name_score.h"

#include <array>
#include <cstdint>

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

constexpr int kNoLuckClass = -1;

int Deduction(const GridDeductions& deductions, int luckClass)
{
    return luckClass == kNoLuckClass ? 0 : deductions.byClass[luckClass];
}

int TalentsDeduction(TalentsLuck luck)
{
    switch (luck) {
    case kTalentsFair: return 2;
    case kTalentsBad: return 29;
    default: return 0;
    }
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

int LuckClassOfWord(const std::string& luck)
{
    for (int i = 0; i < kLuckClassCount; ++i)
        if (luck == NumberLuckWords[i])
            return i;
    return kNoLuckClass;
}

// The luck class of a grid number, as GetNumberLuck classes its text.
int LuckClassOf(int value)
{
    static const std::vector<int8_t> classes = [] {
        std::vector<int8_t> byValue(kKeptLuckValues);
        for (int v = 0; v < kKeptLuckValues; ++v)
            byValue[v] = static_cast<int8_t>(LuckClassOfWord(KeptLuck(v)));
        return byValue;
    }();
    if (value >= 0 && value < kKeptLuckValues)
        return classes[value];
    std::string text = IntToText(value);
    return LuckClassOfWord(GetNumberLuck(text));
}

// The element number (TalentElements) of a grid by the element rule: 11 or more counts by its last
// digit, 0 counting as 10; 1-2 木, 3-4 火, 5-6 土, 7-8 金, 9-10 水, anything else none.
int ElementNumberOfGrid(int grid)
{
    const int digit = grid < 11 ? grid : (grid % 10 == 0 ? 10 : grid % 10);
    return digit >= 1 && digit <= 10 ? (digit + 1) / 2 : 0;
}

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

int ScoreNameValue(ThreeTalentsTable& talents, const std::string& fullName, int surnameChars)
{
    const size_t length = fullName.size();
    if (length != 4 && length != 6 && length != 8) {
        // Empty grids: each judged one is classed as its text "" is, and the title is empty.
        static const int emptyClass = [] {
            std::string empty;
            return LuckClassOfWord(GetNumberLuck(empty));
        }();
        return 100 - Deduction(kPersonDeductions, emptyClass) - Deduction(kEarthDeductions, emptyClass) -
               Deduction(kTotalDeductions, emptyClass) - Deduction(kOuterDeductions, emptyClass) -
               TalentsDeduction(talents.LuckOf(0, 0, 0));
    }
    const CharData& chars = ShippedCharData();
    const char* n = fullName.data();
    const int a = chars.GetKangxiStrokeCount(n[0], n[1]);
    const int b = chars.GetKangxiStrokeCount(n[2], n[3]);
    const int last = chars.GetKangxiStrokeCount(n[length - 2], n[length - 1]);
    int heaven, person, earth, outer, total;
    if (length == 6 && surnameChars == 2) {
        heaven = a + b, person = b + last, earth = last + 1, outer = a + 1, total = a + b + last;
    } else if (length == 4) {
        heaven = a + 1, person = a + b, earth = b + 1, outer = 2, total = a + b;
    } else if (length == 6) {
        heaven = a + 1, person = a + b, earth = b + last, outer = last + 1, total = a + b + last;
    } else {
        const int c = chars.GetKangxiStrokeCount(n[4], n[5]);
        heaven = a + b, person = b + c, earth = c + last, outer = a + last, total = a + b + c + last;
    }
    // 天格 is not judged; two-character names lose nothing for 外格.
    int deductions = Deduction(kPersonDeductions, LuckClassOf(person)) + Deduction(kEarthDeductions, LuckClassOf(earth)) +
                     Deduction(kTotalDeductions, LuckClassOf(total));
    if (length != 4)
        deductions += Deduction(kOuterDeductions, LuckClassOf(outer));
    deductions += TalentsDeduction(
        talents.LuckOf(ElementNumberOfGrid(heaven), ElementNumberOfGrid(person), ElementNumberOfGrid(earth)));
    return 100 - deductions;
}

std::string ScoreName(ThreeTalentsTable& talents, const std::string& fullName, int surnameChars)
{
    return IntToText(ScoreNameValue(talents, fullName, surnameChars));
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
