#include "naming/three_talents.h"

#include <gtest/gtest.h>

#include <map>

#include "naming/sc_fixture.h"

namespace {

class ThreeTalentsTest : public ::testing::Test {
protected:
    std::string PathFor(const char* stem)
    {
        auto known = paths_.find(stem);
        if (known == paths_.end())
            known = paths_.emplace(stem, UniqueDatabasePath(::testing::TempDir(), stem)).first;
        return known->second;
    }
    std::map<std::string, std::string> paths_;
    ScFixture fixture_;
};

TEST_F(ThreeTalentsTest, ReadsTitleLuckAndExplanationWithLineBreaks)
{
    ASSERT_TRUE(fixture_.Create(PathFor("talents_read"),
                                {{"木火土", "吉", "成功顺利<BR>身心健康<br />基础稳固"}, {"木木木", "平", "平稳"}}));
    ThreeTalentsTable table(&fixture_.db);
    ThreeTalentsResult r = LookupThreeTalents(table, "木", "火", "土");
    EXPECT_EQ("吉", r.luck);
    EXPECT_EQ("木火土", r.title);
    EXPECT_EQ("成功顺利\r\n身心健康\r\n基础稳固", r.explanation);
    EXPECT_EQ("平", LookupThreeTalents(table, "木", "木", "木").luck);

    r = LookupThreeTalents(table, "金", "金", "金");  // no row
    EXPECT_EQ("", r.luck);
    EXPECT_EQ("", r.title);
    EXPECT_EQ("", r.explanation);
    EXPECT_EQ("", LookupThreeTalents(table, "", "", "").title);
}

// The kept rows give what the query of one title gives, also for repeated and NULL titles.
TEST_F(ThreeTalentsTest, AnswersAsTheQueryOfOneTitle)
{
    ASSERT_TRUE(fixture_.Create(PathFor("talents_query"),
                                {{"木火土", "吉", "first"}, {"木火土", "凶", "second"}, {"", "平", "empty title"}}));
    ASSERT_TRUE(fixture_.db.Execute("insert into SC values (9, NULL, '凶', 'no title')"));
    ThreeTalentsTable table(&fixture_.db);
    for (const char* title : {"木火土", "", "水水水", "木火"}) {
        DbRecordSet direct;
        ASSERT_TRUE(direct.Attach(&fixture_.db));
        ASSERT_TRUE(direct.OpenSql("select * from SC where title= ?", {title}));
        ThreeTalentsResult kept = table.Lookup(title);
        EXPECT_EQ(direct.Field(1), kept.title) << title;
        EXPECT_EQ(direct.Field(2), kept.luck) << title;
        EXPECT_EQ(direct.Field(3), kept.explanation) << title;
    }
    EXPECT_EQ("吉", table.Lookup("木火土").luck);
    EXPECT_EQ("平", table.Lookup("").luck);
}

TEST_F(ThreeTalentsTest, FollowsTheConnection)
{
    ThreeTalentsTable table(&fixture_.db);
    EXPECT_EQ("", table.Lookup("木火土").luck);  // not open yet

    ASSERT_TRUE(fixture_.Create(PathFor("talents_first"), {{"木火土", "吉", ""}}));
    EXPECT_EQ("吉", table.Lookup("木火土").luck);

    ScFixture second;
    ASSERT_TRUE(second.Create(PathFor("talents_second"), {{"木火土", "凶", ""}}));
    second.db.Close();
    ASSERT_TRUE(fixture_.db.Open(PathFor("talents_second")));  // another file: read again
    EXPECT_EQ("凶", table.Lookup("木火土").luck);

    fixture_.db.Close();
    EXPECT_EQ("", table.Lookup("木火土").luck);

    ThreeTalentsTable none(nullptr);
    EXPECT_EQ("", none.Lookup("木火土").luck);
}

TEST_F(ThreeTalentsTest, MissingTableFindsNothing)
{
    ASSERT_TRUE(fixture_.Create(PathFor("talents_missing"), {}));
    ASSERT_TRUE(fixture_.db.Execute("drop table SC"));
    ThreeTalentsTable table(&fixture_.db);
    EXPECT_EQ("", table.Lookup("木火土").luck);
    // The table may come later: nothing was kept from the failed read.
    ASSERT_TRUE(fixture_.db.Execute("create table SC (id integer, title text, luck text, explain text)"));
    ASSERT_TRUE(fixture_.db.Execute("insert into SC values (1, ?, ?, ?)", {"木火土", "平", ""}));
    EXPECT_EQ("平", table.Lookup("木火土").luck);
}

}  // namespace
