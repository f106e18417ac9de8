#include "app/poem_queries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/database.h"
#include "naming/sc_fixture.h"

namespace {

using Texts = std::vector<std::string>;

class PoemQueriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture_.Create(UniqueDatabasePath(::testing::TempDir(), "poems"), {}));
        ASSERT_TRUE(fixture_.db.Execute("create table 诗词 (id integer primary key, 朝代 text, 诗人 text, 诗名 text, 诗句 text)"));
        const Texts rows[] = {
            {"先秦", "佚名", "关雎", "关关雎鸠，在河之洲。"},
            {"唐", "李商隐", "无题", "相见时难别亦难，东风无力百花残。"},
            {"隋", "杨广", "春江花月夜", "暮江平不动，春花满正开。"},
            {"唐", "李白", "静夜思", "床前明月光，疑是地上霜。"},
            {"唐", "杜牧", "无题", "落魄江湖载酒行，楚腰纤细掌中轻。"},
            {"唐", "李商隐", "锦瑟", "锦瑟无端五十弦，一弦一柱思华年。"},
            {"唐", "O'Neil", "Tom's 歌", "明月几时有。"},
            {"先秦", "屈原", "离骚", "帝高阳之苗裔兮，朕皇考曰伯庸。"},
        };
        for (const Texts& row : rows)
            ASSERT_TRUE(fixture_.db.Execute("insert into 诗词 (朝代, 诗人, 诗名, 诗句) values (?, ?, ?, ?)", row));
        ASSERT_TRUE(records_.Attach(&fixture_.db));
    }
    Texts Column(const char* column) { return ColumnValues(records_, column); }

    ScFixture fixture_;
    DbRecordSet records_;
};

TEST_F(PoemQueriesTest, DynastyListsItsPoetsOnceInTableOrder)
{
    ASSERT_TRUE(QueryPoetryDatabase(records_, "唐"));
    EXPECT_EQ(Column("诗人"), (Texts{"李商隐", "李白", "杜牧", "O'Neil"}));
    // No dynasty is called 秦 exactly: every dynasty containing it.
    ASSERT_TRUE(QueryPoetryDatabase(records_, "秦"));
    EXPECT_EQ(Column("诗人"), (Texts{"佚名", "屈原"}));
    // The label 5.随 queries 隋.
    for (const DynastyLabel& label : kDynastyLabels)
        if (std::string(label.caption) == "5.随") {
            ASSERT_TRUE(QueryPoetryDatabase(records_, label.dynasty));
            EXPECT_EQ(Column("诗人"), Texts{"杨广"});
        }
    ASSERT_TRUE(QueryPoetryDatabase(records_, "明"));
    EXPECT_TRUE(Column("诗人").empty());
}

TEST_F(PoemQueriesTest, PoetListsTitlesFallingBackToPartOfTheName)
{
    ASSERT_TRUE(QueryPoetryDatabase(records_, "", "李商隐"));
    EXPECT_EQ(Column("诗名"), (Texts{"无题", "锦瑟"}));
    ASSERT_TRUE(QueryPoetryDatabase(records_, "", "商隐"));
    EXPECT_EQ(Column("诗名"), (Texts{"无题", "锦瑟"}));
}

// A title two poets share shows each poet's own poem; then the title alone, then its start by part of the name.
TEST_F(PoemQueriesTest, TitleFindsThePoetsOwnPoemFirst)
{
    struct Case {
        const char* poet;
        const char* title;
        const char* text;  // of the first record
    } cases[] = {
        {"杜牧", "无题", "落魄江湖载酒行，楚腰纤细掌中轻。"},
        {"李商隐", "无题", "相见时难别亦难，东风无力百花残。"},
        {"", "无题", "相见时难别亦难，东风无力百花残。"},    // the title alone
        {"李", "静夜", "床前明月光，疑是地上霜。"},          // start of the title, part of the name
        {"O'Neil", "Tom's 歌", "明月几时有。"},              // apostrophes are plain text
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(QueryPoetryDatabase(records_, "", c.poet, c.title)) << c.title;
        ASSERT_GT(records_.RecordCount(), 0) << c.title;
        EXPECT_EQ(records_.Field("诗句"), c.text) << c.poet << c.title;
    }
    ASSERT_TRUE(QueryPoetryDatabase(records_, "", "李白", "无此诗"));
    EXPECT_EQ(records_.RecordCount(), 0);
}

TEST_F(PoemQueriesTest, NothingGivenOrNoDatabaseOpensNothing)
{
    ASSERT_TRUE(QueryPoetryDatabase(records_, "唐"));
    EXPECT_FALSE(QueryPoetryDatabase(records_, "", "", ""));
    EXPECT_FALSE(records_.IsOpen());
    EXPECT_TRUE(Column("诗人").empty());
    fixture_.db.Close();
    EXPECT_FALSE(QueryPoetryDatabase(records_, "唐"));
    EXPECT_TRUE(Column("诗人").empty());
}

}  // namespace
