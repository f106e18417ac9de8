#pragma once
// The scoring core: the five grids of a full name from its Kangxi stroke counts, the luck class of
// each grid number, the three talents, the score out of 100, the score tag written after a name,
// and the fixed text of each number 1 to 81. Texts are GBK.
#include <string>
#include <utility>
#include <vector>

#include "three_talents.h"

// The grid numbers as decimal texts; all empty when the name is not 4, 6 or 8 bytes long.
// Shown in the order 天 人 地 外 总.
struct FiveGrids {
    std::string heaven;  // 天格
    std::string earth;   // 地格
    std::string outer;   // 外格
    std::string total;   // 总格
    std::string person;  // 人格
};

// The grids reduced for the element rule: 11 or more becomes its last digit ("0" becoming "10"),
// anything below 11 keeps its text.
struct GridDigits {
    std::string heaven;
    std::string person;
    std::string earth;
    std::string total;
    std::string outer;
};

// Five grids of a full name whose surname is its first surnameChars characters (SurnameCharsOfName);
// 0 reads the split from the length: a two-character name is one surname character and one given
// one, a three-character name one and two, a four-character name two and two. A three-character name
// with a two-character surname: 天格 a + b, 人格 b + c, 地格 c + 1, 外格 a + 1, 总格 a + b + c.
FiveGrids ComputeFiveGrids(const std::string& fullName, int surnameChars = 0);

// 大吉, 半吉, 吉, 凶, 大凶 or the empty text. A number of 9 or less first gets a "0" in front, and the
// caller's text is replaced by that padded form. The lists are searched as texts and a later list
// wins: 55 is 半吉; 0 and numbers above 81 have no class; the empty text becomes "0", a part of every
// list, and so is 大凶.
std::string GetNumberLuck(std::string& number);

GridDigits ReduceGridsToDigits(const std::string& heaven, const std::string& earth, const std::string& outer,
                               const std::string& total, const std::string& person);

// 1-2 木, 3-4 火, 5-6 土, 7-8 金, 9-10 水, anything else the empty text.
std::string DigitToElement(int digit);

// 100 minus the deductions for 人格, 地格, 总格 and (names not of two characters) 外格 by their luck, and
// for the three-talents luck read through talents. Worked out on numbers (stroke counts, grid numbers,
// luck classes, the talents' luck by element numbers), with the answers the texts above give. The surname
// is the first surnameChars characters as ComputeFiveGrids takes them.
int ScoreNameValue(ThreeTalentsTable& talents, const std::string& fullName, int surnameChars = 0);
// The same as decimal text.
std::string ScoreName(ThreeTalentsTable& talents, const std::string& fullName, int surnameChars = 0);

// "【 " + score + "分】" below 100, "【" + score + "分】" from 100 on.
std::string ScoreTag(const std::string& score);

// The text of a number 1 to 81; the empty text for any other number.
std::string GetNumberMeaningText(int number);

// The eight cells of a row of every scored-name list.
struct ScoredNameRow {
    std::string serial;      // 序号
    std::string name;        // 名字
    std::string pinyin;      // 汉字拼音: each reading followed by a blank
    std::string elements;    // 汉字五行
    std::string strokes;     // 汉字笔画
    std::string kangxi;      // 康熙笔画
    std::string grids;       // 五格: 天,人,地,外,总
    std::string score;       // 评分
};
ScoredNameRow MakeScoredNameRow(ThreeTalentsTable& talents, const std::string& serial, const std::string& fullName,
                                int surnameChars = 0);
// The cells in column order.
std::vector<std::string> ScoredNameRowCells(const ScoredNameRow& row);
