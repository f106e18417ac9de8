// The poem table the program ships, read as the poem page reads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "app/poem_picker_layout.h"
#include "app/poem_queries.h"
#include "data/shipped_database.h"
#include "db/database.h"
#include "runtime/text.h"

namespace {

class PoemTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(db_.Open(ShippedDatabasePath())) << db_.LastError();
        ASSERT_TRUE(records_.Attach(&db_));
    }
    DbConnection db_;
    DbRecordSet records_;
};

// The dynasties the shipped poems come from; the other labels have no source and list nothing.
TEST_F(PoemTable, EveryLabelWithASourceListsPoets)
{
    const std::set<std::string> withSource = {"秦", "汉", "魏晋", "唐", "宋", "元", "清"};
    for (const DynastyLabel& label : kDynastyLabels) {
        ASSERT_TRUE(QueryPoetryDatabase(records_, label.dynasty)) << label.caption;
        size_t poets = ColumnValues(records_, "诗人").size();
        if (withSource.count(label.dynasty))
            EXPECT_GT(poets, 0u) << label.caption;
        else
            EXPECT_EQ(poets, 0u) << label.caption;
    }
    ASSERT_TRUE(QueryPoetryDatabase(records_, "唐"));
    EXPECT_GT(ColumnValues(records_, "诗人").size(), 100u);
}

TEST_F(PoemTable, LiBaiHasQuietNightThoughtInSimplifiedCharacters)
{
    ASSERT_TRUE(QueryPoetryDatabase(records_, "", "李白"));
    std::vector<std::string> titles = ColumnValues(records_, "诗名");
    EXPECT_NE(std::find(titles.begin(), titles.end(), "静夜思"), titles.end());

    ASSERT_TRUE(QueryPoetryDatabase(records_, "", "李白", "静夜思"));
    ASSERT_EQ(records_.RecordCount(), 1);
    EXPECT_EQ(records_.Field("朝代"), "唐");
    EXPECT_EQ(records_.Field("诗句"), "床前看月光，疑是地上霜。\r\n举头望山月，低头思故乡。");
    std::vector<std::string> lines = SplitPoemIntoLines(records_.Field("诗句"));
    EXPECT_EQ(LayoutPickerBoxes(lines, 0, 0).size(), 20u);
}

// Every poem fits the picker: a box for most of its characters, at most 24 lines of at most 12 boxes;
// a poet's titles are unique, so each title shows its own poem.
TEST_F(PoemTable, EveryPoemFitsThePickerAndEachTitleOnce)
{
    ASSERT_TRUE(records_.OpenSql("select 诗人, 诗名, 诗句 from 诗词"));
    ASSERT_GT(records_.RecordCount(), 10000);
    std::set<std::pair<std::string, std::string>> titles;
    int checked = 0;
    for (bool more = records_.MoveFirst(); more; more = records_.MoveNext(), ++checked) {
        const std::string text = records_.Field(2);
        ASSERT_TRUE(titles.insert({records_.Field(0), records_.Field(1)}).second) << records_.Field(0) << records_.Field(1);
        ASSERT_EQ(TextReplaceAll(text, "\r\n", "").find_first_of("\r\n"), std::string::npos) << "line breaks are CR LF";
        std::vector<std::string> lines = SplitPoemIntoLines(text);
        std::vector<PickerBox> boxes = LayoutPickerBoxes(lines, 0, 0);
        ASSERT_FALSE(boxes.empty()) << records_.Field(1);
        ASSERT_LE(lines.size(), 24u) << records_.Field(1);
        for (const PickerBox& box : boxes)
            ASSERT_LE(box.column, 12) << records_.Field(1);
    }
    EXPECT_EQ(checked, records_.RecordCount());
}

}  // namespace
