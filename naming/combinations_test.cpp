// Combination lines from a pool, their scored rows, and ExtractChineseChars.
#include "naming/combinations.h"

#include <gtest/gtest.h>


#include "naming/name_score.h"
#include "naming/sc_fixture.h"
#include "services/codepage/codepage.h"

namespace {

TEST(CombinationLines, EveryOrderedPairOfThePool)
{
    const std::string lines = BuildCombinationLines("张", CleanCombinationPool("甲乙丙"));
    EXPECT_EQ("张甲甲\r\n张甲乙\r\n张甲丙\r\n张乙甲\r\n张乙乙\r\n张乙丙\r\n张丙甲\r\n张丙乙\r\n张丙丙\r\n", lines);
    EXPECT_EQ(9u, SplitCandidateLines(lines).size());
    EXPECT_EQ("", BuildCombinationLines("张", CleanCombinationPool("")));
    EXPECT_TRUE(SplitCandidateLines("").empty());
}

TEST(CombinationLines, SeparatorsBlanksAndSingleBytesAreCleaned)
{
    const struct {
        const char* pool;
        const char* cleaned;
    } cases[] = {
        {"浩,然,宇,轩,明", "浩然宇轩明"},  // ASCII commas separate as "，" does
        {"甲，乙 丙", "甲乙丙"},
        {"甲。乙；丙？丁\\戊\r\n己'[]<庚\xA1\xA1", "甲乙丙丁戊己庚"},
        {"甲, 乙>丙\n丁\t", "甲乙丙丁"},
        {"甲a乙1", "甲乙"},                    // a letter would shift the units after it
        {"\x81\x5C\\甲", "\x81\x5C" "甲"},     // 乗 (81 5C) keeps its trail byte; the lone "\" goes
        {"甲\xD2", "甲"},                      // a lead byte at the end
        {"\xD2,乙\x80", "乙"},                 // a lead byte before a comma, and the euro byte
        {",,  ,", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cleaned, CleanCombinationPool(c.pool)) << c.pool;
}

TEST(CombinationLines, EveryLineIsTheSurnameAndTwoWholeCharacters)
{
    const std::vector<std::string> lines = SplitCandidateLines(BuildCombinationLines("王", CleanCombinationPool("浩,然,宇,轩,明")));
    ASSERT_EQ(25u, lines.size());
    EXPECT_EQ("王浩浩", lines[0]);
    EXPECT_EQ("王浩然", lines[1]);
    EXPECT_EQ("王然宇", lines[7]);
    EXPECT_EQ("王轩明", lines[19]);
    EXPECT_EQ("王明明", lines[24]);
    for (const std::string& line : lines)
        EXPECT_TRUE(line.size() == 6 && IsValidGbk(line) && line.find_first_of(",?") == std::string::npos) << line;
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

// A pool beyond what a run can list is read no further than its first kMostCombinationPoolChars
// characters; the names come one at a time, in the order of the lines, in batches.
TEST(CombinationRows, AHugePoolIsReadToItsBoundAndItsNamesMadeInBatches)
{
    std::string pool;
    for (int i = 0; pool.size() < 2 * 65536; ++i)
        pool += static_cast<char>(0xB0 + i / 94 % 0x27) + std::string(1, static_cast<char>(0xA1 + i % 94)) + (i % 7 ? "" : "，");
    const std::string cleaned = CleanCombinationPool(pool);
    ASSERT_EQ(2 * kMostCombinationPoolChars, cleaned.size());
    EXPECT_EQ(pool.substr(0, 2), cleaned.substr(0, 2));
    EXPECT_TRUE(IsValidGbk(cleaned));

    ScFixture fixture;
    ASSERT_TRUE(fixture.Create(UniqueDatabasePath(::testing::TempDir(), "pool_rows"), {{"木火土", "吉", ""}}));
    ThreeTalentsTable talents(&fixture.db);
    const std::string small = CleanCombinationPool("浩,然,宇,轩,明");
    const std::vector<std::string> lines = SplitCandidateLines(BuildCombinationLines("王", small));
    std::vector<TextRow> rows;
    std::atomic<bool> stop{false};
    EXPECT_TRUE(ProducePoolCombinationRows("王", small, talents, stop, [&](std::vector<TextRow>& batch) {
        rows.insert(rows.end(), batch.begin(), batch.end());
        return true;
    }));
    ASSERT_EQ(lines.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(ScoredNameRowCells(MakeScoredNameRow(talents, std::to_string(i + 1), lines[i])), rows[i]);

    // The bounded pool of the huge one: n x n rows.
    size_t count = 0;
    EXPECT_TRUE(ProducePoolCombinationRows("王", cleaned, talents, stop, [&](std::vector<TextRow>& batch) {
        count += batch.size();
        return true;
    }));
    EXPECT_EQ(kMostCombinationPoolChars * kMostCombinationPoolChars, count);
    stop = true;
    EXPECT_FALSE(ProducePoolCombinationRows("王", cleaned, talents, stop, [](std::vector<TextRow>&) { return true; }));
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
