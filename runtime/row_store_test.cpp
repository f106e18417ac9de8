#include "runtime/row_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> RowOf(const RowStore& store, int row)
{
    std::vector<std::string> cells;
    for (int c = 0; c < store.CellCount(row); ++c)
        cells.push_back(store.Cell(row, c));
    return cells;
}

TEST(RowStoreTest, RowsInsertEraseAndKeepTheirCellsAndData)
{
    RowStore store;
    ASSERT_TRUE(store.Append({"1", "张三丰", "zhang san feng", "95"}));
    ASSERT_TRUE(store.Append({"2", "李四"}));
    ASSERT_TRUE(store.Insert(0, {"0", ""}));
    ASSERT_TRUE(store.Insert(3, {}));
    EXPECT_FALSE(store.Insert(5, {"past the end"}));
    EXPECT_FALSE(store.Insert(-1, {"before the start"}));
    ASSERT_EQ(store.Count(), 4);
    EXPECT_EQ(RowOf(store, 1), (std::vector<std::string>{"1", "张三丰", "zhang san feng", "95"}));
    EXPECT_STREQ(store.Cell(2, 3), "") << "a cell the row does not hold";
    EXPECT_STREQ(store.Cell(0, 1), "");
    EXPECT_STREQ(store.Cell(3, 0), "");
    EXPECT_STREQ(store.Cell(2, -1), "");
    EXPECT_EQ(store.Cell(4, 0), nullptr);
    EXPECT_EQ(store.Cell(-1, 0), nullptr);

    ASSERT_TRUE(store.SetData(2, 42));
    EXPECT_FALSE(store.SetData(4, 1));
    ASSERT_TRUE(store.Erase(0));
    EXPECT_FALSE(store.Erase(3));
    EXPECT_EQ(store.Data(1), 42) << "the number moves with its row";
    EXPECT_STREQ(store.Cell(1, 1), "李四");
    EXPECT_EQ(store.Data(7), 0);
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.ByteSize(), 0u);
}

TEST(RowStoreTest, CellsEndAtTheirFirstZeroByteAsOnScreen)
{
    RowStore store;
    ASSERT_TRUE(store.Append({std::string("ab\0cd", 5), "e"}));
    EXPECT_STREQ(store.Cell(0, 0), "ab");
    EXPECT_STREQ(store.Cell(0, 1), "e");
}

TEST(RowStoreTest, SetCellChangesOneCellAndGrowsShortRows)
{
    RowStore store;
    ASSERT_TRUE(store.Append({"1", "张三"}));
    ASSERT_TRUE(store.Append({"2", "李四", "88"}));
    ASSERT_TRUE(store.SetData(0, 7));
    ASSERT_TRUE(store.SetCell(0, 3, "95"));
    EXPECT_EQ(RowOf(store, 0), (std::vector<std::string>{"1", "张三", "", "95"}));
    ASSERT_TRUE(store.SetCell(1, 0, "a longer serial than before"));
    EXPECT_EQ(RowOf(store, 1), (std::vector<std::string>{"a longer serial than before", "李四", "88"}));
    EXPECT_EQ(store.Data(0), 7);
    EXPECT_FALSE(store.SetCell(2, 0, "no row"));
    EXPECT_FALSE(store.SetCell(0, -1, "no column"));
}

// Renumbering a long list replaces every row: the replaced bytes are reclaimed, not kept for good,
// and every cell survives the move.
TEST(RowStoreTest, ReplacedCellsAreReclaimedAndRowsSurvive)
{
    RowStore store;
    constexpr int kRows = 20000;
    for (int i = 0; i < kRows; ++i)
        ASSERT_TRUE(store.Append({std::to_string(i), "名字" + std::to_string(i), "95"}));
    const size_t filled = store.ByteSize();
    for (int round = 0; round < 5; ++round)
        for (int i = 0; i < kRows; ++i)
            ASSERT_TRUE(store.SetCell(i, 0, std::to_string(i + round)));
    EXPECT_LT(store.ByteSize(), filled * 3) << "replaced rows are reclaimed";
    for (int i = 0; i < kRows; i += 997)
        EXPECT_EQ(RowOf(store, i), (std::vector<std::string>{std::to_string(i + 4), "名字" + std::to_string(i), "95"}));
    for (int i = kRows - 1; i >= 0; i -= 2)
        ASSERT_TRUE(store.Erase(i));
    EXPECT_LT(store.ByteSize(), filled) << "erased rows are reclaimed";
    EXPECT_EQ(RowOf(store, 100), (std::vector<std::string>{std::to_string(200 + 4), "名字" + std::to_string(200), "95"}));
}

}  // namespace
