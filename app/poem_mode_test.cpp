#include "app/poem_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "naming/char_data.h"
#include "runtime/textset.h"

namespace {

using Names = std::vector<std::string>;

// Elements of a few characters; 张 has none.
CharData& FixtureChars()
{
    static CharData chars([] {
        CharTableTexts texts;
        texts.elementTables = {{"土", "坤"}, {"木", "林森"}, {"火", "炎"}, {"水", "江河"}, {"金", "钱锦"}};
        return texts;
    }());
    return chars;
}

// One run of poem mode over the picked text, as the page runs it.
Names RunPoemMode(const std::string& picked, TextSet& seen, ElementPools* poolsOut = nullptr)
{
    ElementPools pools;
    SortPoemCharsByElement(picked, FixtureChars(), seen, pools);
    if (poolsOut)
        *poolsOut = pools;
    std::string pool = JoinElementPools(pools);
    return PoemModeGivenNames(pool, pool, seen);
}

TEST(PoemMode, TwoPicksGiveFourNamesAndASecondRunNone)
{
    TextSet seen;
    ElementPools pools;
    // 林 (木) is picked first, but the 金 pool comes first.
    EXPECT_EQ(RunPoemMode("林 钱", seen, &pools), (Names{"钱钱", "钱林", "林钱", "林林"}));
    EXPECT_EQ(pools, (ElementPools{"钱", "林", "", "", ""}));
    EXPECT_TRUE(seen.Contains("钱"));
    EXPECT_TRUE(seen.Contains("林"));
    EXPECT_TRUE(RunPoemMode("林钱", seen).empty());
}

TEST(PoemMode, SortsByElementInPickingOrderSkippingUsedAndElementless)
{
    TextSet seen;
    ASSERT_TRUE(seen.Add("张林森"));  // a full name from another producer blocks no single character
    ASSERT_TRUE(seen.Add("江"));      // a character of an earlier run does
    ElementPools pools;
    RunPoemMode("森张江炎林河坤锦森", seen, &pools);
    EXPECT_EQ(pools, (ElementPools{"锦", "森林", "河", "炎", "坤"}));
}

// The pool text itself goes into the run's set: the same pool a second time (its characters having
// been put back by hand, for instance) is paired from the cleaned pool.
TEST(PoemMode, APoolSeenBeforeIsPairedFromTheCleanedPool)
{
    TextSet seen;
    EXPECT_EQ(PoemModeGivenNames("钱林", "钱", seen), (Names{"钱钱", "钱林", "林钱", "林林"}));
    EXPECT_EQ(PoemModeGivenNames("钱林", "钱", seen), Names{"钱钱"});
    EXPECT_TRUE(PoemModeGivenNames("", "", seen).empty());
    // One-byte characters are cut into two-byte units from the first byte; a last odd byte is left.
    EXPECT_EQ(PoemModeGivenNames("钱a", "", seen), Names{"钱钱"});
}

}  // namespace
