#include "db/database.h"
#include "runtime/unique_temp_path.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

namespace {

// A fresh database file with the favourites table and a few rows of the three-talents table.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = UniqueTempPath(::testing::TempDir(), std::string("db_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name(), ".db");
        std::remove(path_.c_str());
        std::FILE* f = std::fopen(path_.c_str(), "wb");  // an empty file is an empty database
        ASSERT_NE(f, nullptr);
        std::fclose(f);
        ASSERT_TRUE(db_.Open(path_));
        ASSERT_TRUE(db_.Execute("create table mz (id integer primary key, 名字 text)"));
        ASSERT_TRUE(db_.Execute("create table SC (id integer, title text, luck text, 解释 text)"));
        ASSERT_TRUE(db_.Execute("insert into SC values (1, ?, ?, ?)", {"木火土", "吉", "成功顺利<BR>身心健康"}));
        ASSERT_TRUE(db_.Execute("insert into SC values (2, ?, ?, ?)", {"木木木", "平", "平稳"}));
    }
    void TearDown() override
    {
        db_.Close();
        std::remove(path_.c_str());
    }
    std::string path_;
    DbConnection db_;
};

TEST_F(DatabaseTest, ReadsQueryRowsByIndexAndName)
{
    DbRecordSet rs;
    ASSERT_TRUE(rs.Attach(&db_));
    ASSERT_TRUE(rs.OpenSql("select * from SC where title=?", {"木火土"}));
    ASSERT_FALSE(rs.IsEof());
    EXPECT_EQ(rs.FieldCount(), 4);
    EXPECT_EQ(rs.Field(1), "木火土");
    EXPECT_EQ(rs.Field(2), "吉");
    EXPECT_EQ(rs.Field("解释"), "成功顺利<BR>身心健康");
    EXPECT_EQ(rs.Field(9), "");
    EXPECT_FALSE(rs.MoveNext());
    EXPECT_TRUE(rs.IsEof());
    EXPECT_EQ(rs.Field(1), "");  // no current row reads empty

    ASSERT_TRUE(rs.OpenSql("select * from SC where title=?", {"金金金"}));
    EXPECT_TRUE(rs.IsEof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_FALSE(rs.OpenSql("select * from no_such_table"));
    EXPECT_FALSE(rs.IsOpen());
}

TEST_F(DatabaseTest, LikeMatchesChineseText)
{
    DbRecordSet rs;
    rs.Attach(&db_);
    ASSERT_TRUE(rs.OpenSql("select title from SC where 解释 like ?", {"%顺利%"}));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Field(0), "木火土");
    // length() counts characters, which only works because text is stored as UTF-8.
    ASSERT_TRUE(rs.OpenSql("select length(title) from SC where id=1"));
    EXPECT_EQ(rs.Field(0), "3");
}

TEST_F(DatabaseTest, BoundTextWithAnApostropheIsStoredAsIs)
{
    const std::string name = "O'Neil张';drop table mz;--";
    DbRecordSet rs;
    rs.Attach(&db_);
    ASSERT_TRUE(rs.OpenTable("mz"));
    ASSERT_TRUE(rs.AddNew());
    ASSERT_TRUE(rs.SetField(1, name));
    ASSERT_TRUE(rs.Update());
    ASSERT_TRUE(rs.OpenSql("select 名字 from mz where 名字=?", {name}));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Field(0), name);
}

// A table name is converted, then quoted: a lead byte before a quote cannot make the rest of the name
// run as SQL, and names that are not GBK or hold NUL are refused.
TEST_F(DatabaseTest, TableNamesCannotBreakOutOfTheirQuotes)
{
    ASSERT_TRUE(db_.Execute("create table \"?\" (a text)"));
    ASSERT_TRUE(db_.Execute("create table secrets (secret text)"));
    ASSERT_TRUE(db_.Execute("insert into secrets values ('hidden')"));
    DbRecordSet rs;
    rs.Attach(&db_);
    const std::string attacks[] = {
        "\x81\"--",
        "\x81\" union select 1, secret from secrets --",
        "\xD5\"",
        std::string("mz\0x", 4),
        std::string("mz\0", 3),
    };
    for (const std::string& name : attacks) {
        EXPECT_FALSE(rs.OpenTable(name)) << name;
        EXPECT_FALSE(rs.IsOpen());
    }
    ASSERT_TRUE(rs.OpenTable("?"));  // the odd name itself still opens
    EXPECT_EQ(rs.FieldName(0), "a");
    ASSERT_TRUE(db_.Execute("create table \"a\"\"b\" (x text)"));
    ASSERT_TRUE(rs.OpenTable("a\"b"));
    ASSERT_TRUE(rs.AddNew());
    ASSERT_TRUE(rs.SetField(0, "1"));
    ASSERT_TRUE(rs.Update());
    ASSERT_TRUE(rs.OpenTable("a\"b"));
    EXPECT_EQ(rs.RecordCount(), 1);
    ASSERT_TRUE(rs.DeleteCurrent());
    ASSERT_TRUE(rs.OpenTable("a\"b"));
    EXPECT_EQ(rs.RecordCount(), 0);
}

// The whole text is one statement: a second statement or a NUL fails it instead of being cut off.
TEST_F(DatabaseTest, StatementTextIsReadToItsEnd)
{
    EXPECT_FALSE(db_.Execute("delete from SC; drop table mz"));
    EXPECT_FALSE(db_.Execute(std::string("delete from SC where id=1\0 or 1", 31)));
    EXPECT_FALSE(db_.Execute("delete from SC where title='\xB0'"));  // not GBK text
    EXPECT_FALSE(db_.LastError().empty());
    DbRecordSet rs;
    rs.Attach(&db_);
    EXPECT_FALSE(rs.OpenSql("select 1; select 2"));
    ASSERT_TRUE(rs.OpenSql("select count(*) from SC ; -- two rows\n ;"));
    EXPECT_EQ(rs.Field(0), "2");
    ASSERT_TRUE(rs.OpenTable("mz"));
}

TEST_F(DatabaseTest, AddsDeletesAndKeepsTableOrder)
{
    DbRecordSet rs;
    rs.Attach(&db_);
    ASSERT_TRUE(rs.OpenTable("mz"));
    for (const char* name : {"张三", "李四", "王五"}) {
        ASSERT_TRUE(rs.AddNew());
        ASSERT_TRUE(rs.SetField(1, name));
        ASSERT_TRUE(rs.Update());
        EXPECT_EQ(rs.Field(1), name);  // the new row is current
    }
    ASSERT_TRUE(rs.OpenTable("mz"));
    ASSERT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.Field(0), "1");
    ASSERT_TRUE(rs.MoveTo(2));
    ASSERT_TRUE(rs.DeleteCurrent());
    EXPECT_EQ(rs.Field(1), "王五");  // the next row becomes current
    ASSERT_TRUE(rs.DeleteCurrent());
    EXPECT_TRUE(rs.IsEof());
    EXPECT_FALSE(rs.DeleteCurrent());

    ASSERT_TRUE(rs.OpenTable("mz"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Field(1), "张三");
    ASSERT_TRUE(rs.SetField(1, "张三丰"));
    ASSERT_TRUE(rs.Update());
    ASSERT_TRUE(rs.DeleteAll());
    EXPECT_TRUE(rs.IsEof());
    ASSERT_TRUE(rs.OpenTable("mz"));
    EXPECT_EQ(rs.RecordCount(), 0);
}

TEST_F(DatabaseTest, QueryResultsAreReadOnlyAndEditsNeedAnOpenConnection)
{
    DbRecordSet rs;
    rs.Attach(&db_);
    ASSERT_TRUE(rs.OpenSql("select * from mz"));
    EXPECT_FALSE(rs.AddNew());
    ASSERT_TRUE(rs.OpenTable("mz"));
    db_.Close();
    EXPECT_FALSE(rs.AddNew());
    EXPECT_FALSE(rs.DeleteAll());
    EXPECT_FALSE(rs.OpenTable("mz"));
}

TEST_F(DatabaseTest, ReopeningTheSameFileKeepsRecordSetsValid)
{
    DbRecordSet rs;
    rs.Attach(&db_);
    ASSERT_TRUE(rs.OpenTable("SC"));
    ASSERT_TRUE(db_.Open(path_));
    EXPECT_EQ(rs.Field(1), "木火土");
    ASSERT_TRUE(rs.MoveNext());
    EXPECT_EQ(rs.Field(1), "木木木");
    ASSERT_TRUE(rs.OpenSql("select count(*) from SC"));
    EXPECT_EQ(rs.Field(0), "2");
}

TEST(Database, OpenFailsForMissingFilesNonDatabasesAndPasswords)
{
    DbConnection db;
    EXPECT_FALSE(db.Open(::testing::TempDir() + "no_such_dir/none.db"));
    EXPECT_FALSE(db.IsOpen());
    std::string junk = ::testing::TempDir() + "db_test_junk.db";
    std::FILE* f = std::fopen(junk.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("this is not a database file, just some text long enough to have a header", f);
    std::fclose(f);
    EXPECT_FALSE(db.Open(junk));
    EXPECT_FALSE(db.Open(junk, "secret"));
    std::remove(junk.c_str());
    DbRecordSet rs;
    EXPECT_FALSE(rs.Attach(nullptr));
    EXPECT_FALSE(rs.OpenSql("select 1"));
}

bool ReadBytes(const std::string& path, std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bytes.clear();
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, f)) > 0;)
        bytes.append(block, got);
    std::fclose(f);
    return true;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

TEST_F(DatabaseTest, DamagedFilesAreNotIntactAndStayAsTheyWere)
{
    // Enough rows for the tables to span many pages, so a cut loses some of them.
    for (int i = 0; i < 400; ++i)
        ASSERT_TRUE(db_.Execute("insert into mz (名字) values (?)", {std::string(200, 'a' + i % 26)}));
    ASSERT_TRUE(db_.IsIntact());
    db_.Close();
    std::string good;
    ASSERT_TRUE(ReadBytes(path_, good));
    ASSERT_GT(good.size(), 40000u);

    std::string random(good.size(), '\0');
    unsigned seed = 12345;
    for (char& byte : random)
        byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"truncated", good.substr(0, good.size() / 2)},
                 {"zeroed", std::string(good.size(), '\0')},
                 {"random", random},
                 {"header only", good.substr(0, 100)},
                 {"empty", ""}};
    const std::string damaged = path_ + ".damaged";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteBytes(damaged, c.bytes));
        DbConnection db;
        EXPECT_FALSE(db.Open(damaged) && db.IsIntact());
        db.Close();
        std::string after;
        ASSERT_TRUE(ReadBytes(damaged, after));
        EXPECT_TRUE(after == c.bytes) << "the file was changed";
    }
    std::remove(damaged.c_str());
    DbConnection db;
    EXPECT_FALSE(db.Open(damaged) && db.IsIntact());
    std::FILE* missing = std::fopen(damaged.c_str(), "rb");
    EXPECT_EQ(missing, nullptr) << "a missing file was made";
    if (missing)
        std::fclose(missing);
    EXPECT_FALSE(db.IsIntact());
}

TEST_F(DatabaseTest, WorkerAndUiThreadShareOneConnection)
{
    std::thread worker([this] {
        DbRecordSet rs;
        rs.Attach(&db_);
        for (int i = 0; i < 200; ++i) {
            ASSERT_TRUE(rs.OpenSql("select luck from SC where title=?", {"木火土"}));
            ASSERT_EQ(rs.Field(0), "吉");
        }
    });
    DbRecordSet rs;
    rs.Attach(&db_);
    ASSERT_TRUE(rs.OpenTable("mz"));
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(rs.AddNew());
        ASSERT_TRUE(rs.SetField(1, "名" + std::to_string(i)));
        ASSERT_TRUE(rs.Update());
    }
    worker.join();
    ASSERT_TRUE(rs.OpenSql("select count(*) from mz"));
    EXPECT_EQ(rs.Field(0), "200");
}

}  // namespace
