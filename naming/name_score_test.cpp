#include "naming/name_score.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "naming/name_lists.h"
#include "runtime/text.h"
#include "naming/name_score_reference.h"
#include "naming/sc_fixture.h"

namespace {

// Names built from characters of known Kangxi counts: 张 11, 三 3, 二 2, 周 8, 刘 15.
TEST(FiveGrids, ByNameLength)
{
    struct Case {
        const char* name;
        const char* heaven;
        const char* person;
        const char* earth;
        const char* outer;
        const char* total;
        int surnameChars = 0;
    } cases[] = {
        {"张三", "12", "14", "4", "2", "14"},
        {"周刘三", "23", "18", "4", "9", "26", 2},  // a two-character surname and one given character
        {"周刘三", "9", "23", "18", "4", "26", 1},
        {"周刘三二", "23", "18", "5", "10", "28", 2},
        {"张三二", "12", "14", "5", "3", "16"},
        {"周刘三二", "23", "18", "5", "10", "28"},
        {"张", "", "", "", "", ""},
        {"张三二周刘", "", "", "", "", ""},
        {"", "", "", "", "", ""},
        {"张a", "", "", "", "", ""},  // three bytes
    };
    for (const Case& c : cases) {
        FiveGrids g = ComputeFiveGrids(c.name, c.surnameChars);
        EXPECT_EQ(c.heaven, g.heaven) << c.name;
        EXPECT_EQ(c.person, g.person) << c.name;
        EXPECT_EQ(c.earth, g.earth) << c.name;
        EXPECT_EQ(c.outer, g.outer) << c.name;
        EXPECT_EQ(c.total, g.total) << c.name;
    }
}

TEST(NumberLuck, ClassesAndPadding)
{
    struct Case {
        const char* number;
        const char* luck;
        const char* after;
    } cases[] = {
        {"1", "大吉", "01"}, {"3", "大吉", "03"}, {"5", "大吉", "05"}, {"6", "半吉", "06"},
        {"7", "吉", "07"},   {"2", "大凶", "02"}, {"9", "凶", "09"},
        {"10", "凶", "10"},  // not padded
        {"55", "半吉", "55"},  // in 大吉 and 半吉: the later list wins
        {"34", "大凶", "34"}, {"81", "大吉", "81"},
        {"0", "", "00"}, {"82", "", "82"}, {"100", "", "100"},
        {"", "大凶", "0"},  // the empty text pads to "0", a part of every list
    };
    for (const Case& c : cases) {
        std::string number = c.number;
        EXPECT_EQ(c.luck, GetNumberLuck(number)) << c.number;
        EXPECT_EQ(c.after, number) << c.number;
    }
}

TEST(GridDigits, ReducedForTheElementRule)
{
    GridDigits d = ReduceGridsToDigits("20", "11", "37", "10", "9");
    EXPECT_EQ("10", d.heaven);
    EXPECT_EQ("1", d.earth);
    EXPECT_EQ("7", d.outer);
    EXPECT_EQ("10", d.total);
    EXPECT_EQ("9", d.person);
    d = ReduceGridsToDigits("07", "", "100", "25", "3");
    EXPECT_EQ("07", d.heaven);  // a padded grid below 11 stays as it is
    EXPECT_EQ("", d.earth);
    EXPECT_EQ("10", d.outer);
    EXPECT_EQ("5", d.total);

    const char* elements[] = {"", "木", "木", "火", "火", "土", "土", "金", "金", "水", "水", ""};
    for (int digit = 0; digit <= 11; ++digit)
        EXPECT_EQ(elements[digit], DigitToElement(digit)) << digit;
    EXPECT_EQ("", DigitToElement(-1));
}

TEST(ScoreTag, BlankBelowOneHundred)
{
    EXPECT_EQ("【 85分】", ScoreTag("85"));
    EXPECT_EQ("【 5分】", ScoreTag("5"));
    EXPECT_EQ("【100分】", ScoreTag("100"));
    EXPECT_EQ("【 99.99分】", ScoreTag("99.99"));
}

class ScoreNameTest : public ::testing::Test {
protected:
    std::string Score(const std::vector<ScRow>& rows, const std::string& name)
    {
        std::string path = UniqueDatabasePath(::testing::TempDir(), "score_name");
        if (!fixture_.Create(path, rows))
            return "no database";
        ThreeTalentsTable talents(&fixture_.db);
        return ScoreName(talents, name);
    }
    ScFixture fixture_;
};

// 张三二 (11-3-2): 人格 14 凶 costs 12, the other grids are 大吉; the talents are 木火土.
TEST_F(ScoreNameTest, ThreeTalentsLuckDeducts)
{
    EXPECT_EQ("88", Score({{"木火土", "吉", ""}}, "张三二"));
    EXPECT_EQ("86", Score({{"木火土", "平", ""}}, "张三二"));
    EXPECT_EQ("59", Score({{"木火土", "凶", ""}}, "张三二"));
    EXPECT_EQ("88", Score({{"木木木", "凶", ""}}, "张三二"));  // no row for the title
    EXPECT_EQ("88", Score({{"木火土", "大凶", ""}}, "张三二"));  // a word the score does not know
}

TEST_F(ScoreNameTest, NamesOfOtherLengthsAndTwoCharacterNames)
{
    // One or five characters: empty grids, each 大凶 (19 + 17 + 13 + 17).
    EXPECT_EQ("34", Score({{"木火土", "凶", ""}}, "张"));
    EXPECT_EQ("34", Score({}, "张三二周刘"));
    EXPECT_EQ("5", Score({{"", "凶", ""}}, "张"));  // unless SC holds a row for the empty title
    // 张三: 人格 14 凶 12, 地格 04 凶 12, 总格 14 凶 11; 外格 2 is 大凶 but costs nothing.
    EXPECT_EQ("65", Score({}, "张三"));
    EXPECT_EQ("63", Score({{"木火火", "平", ""}}, "张三"));
}

// Every luck class of every judged grid, so that each entry of the deduction tables decides some
// score. Counts: 一 1, 二 2, 三 3, 王 4, 石 5, 安 6, 信 9, 恒 10, 瑞 14, 翰 16, 鑫 24; no talents row.
TEST_F(ScoreNameTest, EveryDeductionOfEveryJudgedGrid)
{
    struct Case {
        const char* name;
        const char* person;
        const char* earth;
        const char* total;
        const char* outer;
        const char* score;
    } cases[] = {
        {"一一二", "大凶", "大吉", "凶", "大吉", "70"},    // 19 + 11
        {"一一王", "大凶", "大吉", "半吉", "大吉", "80"},  // 19 + 1
        {"一一瑞", "大凶", "大吉", "大吉", "大吉", "81"},  // 19
        {"一二一", "大吉", "大吉", "凶", "大凶", "72"},    // 11 + 17
        {"一二二", "大吉", "凶", "大吉", "大吉", "88"},    // 12
        {"一二三", "大吉", "大吉", "半吉", "凶", "87"},    // 1 + 12
        {"一二王", "大吉", "半吉", "吉", "大吉", "99"},    // 1
        {"一二翰", "大吉", "大吉", "凶", "半吉", "88"},    // 11 + 1
        {"一三二", "凶", "大吉", "半吉", "大吉", "87"},    // 12 + 1
        {"一王王", "大吉", "吉", "凶", "大吉", "89"},      // 11
        {"一王安", "大吉", "凶", "大吉", "吉", "88"},      // 12
        {"一石恒", "半吉", "大吉", "大吉", "大吉", "99"},  // 1
        {"一安王", "吉", "凶", "大吉", "大吉", "88"},      // 12
        {"一信鑫", "凶", "大吉", "大凶", "大吉", "75"},    // 12 + 13
        {"一恒鑫", "大吉", "大凶", "大吉", "大吉", "83"},  // 17
    };
    std::string path = UniqueDatabasePath(::testing::TempDir(), "score_deductions");
    ASSERT_TRUE(fixture_.Create(path, {}));
    ThreeTalentsTable talents(&fixture_.db);
    for (const Case& c : cases) {
        FiveGrids g = ComputeFiveGrids(c.name);
        EXPECT_EQ(c.person, GetNumberLuck(g.person)) << c.name;
        EXPECT_EQ(c.earth, GetNumberLuck(g.earth)) << c.name;
        EXPECT_EQ(c.total, GetNumberLuck(g.total)) << c.name;
        EXPECT_EQ(c.outer, GetNumberLuck(g.outer)) << c.name;
        EXPECT_EQ(c.score, ScoreName(talents, c.name)) << c.name;
    }
}

TEST_F(ScoreNameTest, ScoredNameRowCells)
{
    std::string path = UniqueDatabasePath(::testing::TempDir(), "score_row");
    ASSERT_TRUE(fixture_.Create(path, {}));
    ThreeTalentsTable talents(&fixture_.db);
    ScoredNameRow row = MakeScoredNameRow(talents, "1", "张三");
    EXPECT_EQ("1", row.serial);
    EXPECT_EQ("张三", row.name);
    EXPECT_EQ("zhāng sān ", row.pinyin);
    EXPECT_EQ("金-金", row.elements);
    EXPECT_EQ("7-3", row.strokes);
    EXPECT_EQ("11-3", row.kangxi);
    EXPECT_EQ("12,14,4,2,14", row.grids);
    EXPECT_EQ("65", row.score);
}

// The score on numbers against the score worked out on texts, name by name. The SC table holds every
// title of three elements, titles with elements missing (a grid of 0 has none) and the empty title.
class ScoreOnNumbersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<ScRow> rows = AllScTitles();
        rows.insert(rows.end(), {{"", "平", ""}, {"木火", "凶", ""}, {"水", "凶", ""}, {"土土", "平", ""}, {"木火土", "凶", ""}});
        ASSERT_TRUE(fixture_.Create(UniqueDatabasePath(::testing::TempDir(), "score_numbers"), rows));
    }

    // Compares every name under both tables; returns the number compared.
    size_t ExpectSameScores(const std::vector<std::string>& names)
    {
        ThreeTalentsTable talents(&fixture_.db);
        ThreeTalentsTable none(nullptr);
        for (const std::string& name : names) {
            const std::string expected = ScoreNameFromTexts(talents, name);
            if (ScoreName(talents, name) != expected || ScoreNameValue(talents, name) != TextToInt(expected) ||
                ScoreName(none, name) != ScoreNameFromTexts(none, name)) {
                ADD_FAILURE() << "name bytes " << Hex(name) << ": texts give " << expected << ", numbers "
                              << ScoreName(talents, name);
                return 0;
            }
        }
        return names.size();
    }

    static std::string Hex(const std::string& text)
    {
        static const char digits[] = "0123456789ABCDEF";
        std::string out;
        for (unsigned char c : text)
            out += {digits[c >> 4], digits[c & 15], ' '};
        return out;
    }

    ScFixture fixture_;
};

// The generators' character pool, each character once.
std::vector<std::string> PoolCharacters()
{
    const std::string all = NicknameChars;
    std::set<std::string> seen;
    std::vector<std::string> pool;
    for (size_t i = 0; i + 1 < all.size(); i += 2)
        if (seen.insert(all.substr(i, 2)).second)
            pool.push_back(all.substr(i, 2));
    return pool;
}

TEST_F(ScoreOnNumbersTest, EveryNameOfThePool)
{
    const std::vector<std::string> pool = PoolCharacters();
    ASSERT_GT(pool.size(), 700u);
    std::vector<std::string> names;
    for (const std::string& x : pool) {
        names.push_back("张" + x);
        names.push_back(x + x);
        for (const std::string& y : pool)
            names.push_back("张" + x + y);
    }
    EXPECT_EQ(names.size(), ExpectSameScores(names));
    // Two-character surnames, with each pool character as first and as second given character.
    names.clear();
    for (const char* surname : {"欧阳", "司马"})
        for (size_t i = 0; i < pool.size(); ++i)
            for (size_t j = i % 7; j < pool.size(); j += 7)
                names.push_back(surname + pool[i] + pool[j]);
    EXPECT_EQ(names.size(), ExpectSameScores(names));
}

// Byte strings of every length up to 10: Latin letters and digits, halves of characters, characters
// without a stroke count, stray lead bytes, NUL and control bytes.
TEST_F(ScoreOnNumbersTest, GeneratedNamesOfEveryKind)
{
    const std::vector<std::string> pool = PoolCharacters();
    std::mt19937 random(20261211);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<std::string> names;
    for (int i = 0; i < 200000; ++i) {
        const int length = pick(11);
        std::string name;
        while (static_cast<int>(name.size()) < length) {
            switch (pick(6)) {
            case 0: case 1: name += pool[pick(static_cast<int>(pool.size()))]; break;
            case 2: name += static_cast<char>("LiWangaz09 ,"[pick(12)]); break;
            case 3: name += static_cast<char>(pick(256)); break;
            case 4: name += {static_cast<char>(0x81 + pick(126)), static_cast<char>(0x40 + pick(191))}; break;
            default: name += pool[pick(static_cast<int>(pool.size()))].substr(pick(2), 1); break;
            }
        }
        names.push_back(name.substr(0, length));
    }
    EXPECT_EQ(names.size(), ExpectSameScores(names));
}

}  // namespace
