// Combination lines from a pool, their scored rows, and ExtractChineseChars.
#include "naming/combinations.h"

#include <gtest/gtest.h>

#include "naming/name_score.h"
#include "naming/sc_fixture.h"

namespace {

TEST(CombinationLines, EveryOrderedPairOfThePool)
{
    const std::string lines = BuildCombinationLines("张", CleanCombinationPool("甲乙丙"));
    EXPECT_EQ("张甲甲\r\n张甲乙\r\n张甲丙\r\n张乙甲\r\n张乙乙\r\n张乙丙\r\n张丙甲\r\n张丙乙\r\n张丙丙\r\n", lines);
    EXPECT_EQ(9u, SplitCandidateLines(lines).size());
    EXPECT_EQ("", BuildCombinationLines("张", CleanCombinationPool("")));
    EXPECT_TRUE(SplitCandidateLines("").empty());
}

TEST(CombinationLines, PunctuationAndBlanksAreCleanedOthersStay)
{
    EXPECT_EQ("甲乙丙", CleanCombinationPool("甲，乙 丙"));
    EXPECT_EQ("甲乙丙丁戊己庚", CleanCombinationPool("甲。乙；丙？丁\\戊\r\n己'[]<庚\xA1\xA1"));
    EXPECT_EQ("甲,乙>丙\n", CleanCombinationPool("甲,乙>丙\n"));  // ASCII commas, ">" and a lone LF stay
    // "\" only as a character of its own: the GBK character 乗 (81 5C) keeps its trail byte.
    EXPECT_EQ("\x81\x5C" "甲", CleanCombinationPool("\x81\x5C\\甲"));
}

TEST(CombinationLines, AnAsciiLetterMisalignsTheUnitsAfterIt)
{
    const std::vector<std::string> lines = SplitCandidateLines(BuildCombinationLines("张", CleanCombinationPool("甲a乙")));
    ASSERT_EQ(9u, lines.size());  // five bytes: "甲", "a" + half of 乙, the other half
    EXPECT_EQ(std::string("张甲a\xD2"), lines[1]);
    EXPECT_EQ(std::string("张甲\xD2"), lines[2]);  // half a character does not swallow the line break
    EXPECT_EQ(std::string("张\xD2\xD2"), lines[8]);
}

TEST(CombinationRows, ScoredRowsInBatchesWithSerialsFromOne)
{
    ScFixture fixture;
    ASSERT_TRUE(fixture.Create(UniqueDatabasePath(::testing::TempDir(), "combination_rows"), {{"木火土", "吉", ""}}));
    ThreeTalentsTable talents(&fixture.db);
    std::vector<std::string> names;
    for (int i = 0; i < 600; ++i)
        names.push_back(i % 2 ? "张三二" : "张子轩");
    std::vector<TextRow> rows;
    int batches = 0;
    std::atomic<bool> stop{false};
    EXPECT_TRUE(ProduceCombinationRows(names, talents, stop, [&](std::vector<TextRow>& batch) {
        ++batches;
        rows.insert(rows.end(), batch.begin(), batch.end());
        return true;
    }));
    EXPECT_GE(batches, 1);
    ASSERT_EQ(600u, rows.size());
    EXPECT_EQ(ScoredNameRowCells(MakeScoredNameRow(talents, "1", "张子轩")), rows[0]);
    EXPECT_EQ(ScoredNameRowCells(MakeScoredNameRow(talents, "600", "张三二")), rows[599]);
    EXPECT_EQ("88", rows[1][7]);

    // A refused batch or a stop ends the run.
    batches = 0;
    EXPECT_FALSE(ProduceCombinationRows(names, talents, stop, [&](std::vector<TextRow>&) { return ++batches < 0; }));
    EXPECT_EQ(1, batches);
    stop = true;
    EXPECT_FALSE(ProduceCombinationRows(names, talents, stop, [&](std::vector<TextRow>&) { return ++batches > 0; }));
    EXPECT_EQ(1, batches);
}

TEST(ExtractChineseChars, KeepsCharactersWithAReadingInOrder)
{
    std::string result = "前";
    ExtractChineseChars("ab12张三", result);
    EXPECT_EQ("前张三", result);
    result.clear();
    ExtractChineseChars("床前明月光，疑是地上霜。 \xA1\xA1 ", result);
    EXPECT_EQ("床前明月光疑是地上霜", result);
    result.clear();
    ExtractChineseChars("", result);
    ExtractChineseChars("   ", result);
    ExtractChineseChars("a a", result);
    EXPECT_EQ("", result);
    ExtractChineseChars("月月", result);
    EXPECT_EQ("月月", result);  // repeats stay
}

}  // namespace
