#include "app/favourites_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "db/database.h"
#include "naming/sc_fixture.h"
#include "runtime/textset.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>
#endif

namespace {

const char kCreateFavourites[] = "create table mz (id integer primary key, 名字 text)";

class FavouritesStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture_.Create(UniqueDatabasePath(::testing::TempDir(), "favourites"), {}));
        ASSERT_TRUE(fixture_.db.Execute(kCreateFavourites));
        ASSERT_TRUE(records_.Attach(&fixture_.db));
    }
    std::vector<std::string> Names()
    {
        std::vector<FavouriteRecord> all;
        EXPECT_TRUE(ListFavourites(records_, all));
        std::vector<std::string> names;
        for (const FavouriteRecord& r : all)
            names.push_back(r.name);
        return names;
    }

    ScFixture fixture_;
    DbRecordSet records_;
};

TEST_F(FavouritesStoreTest, AppendsInTableOrderWithRowKeys)
{
    for (const char* name : {"张三丰", "O'Neil张", "李白"})
        ASSERT_TRUE(AppendFavouriteName(records_, name));
    std::vector<FavouriteRecord> all;
    ASSERT_TRUE(ListFavourites(records_, all));
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].name, "张三丰");
    EXPECT_EQ(all[1].name, "O'Neil张");
    EXPECT_EQ(all[2].name, "李白");
    EXPECT_LT(all[0].rowKey, all[1].rowKey);
    EXPECT_LT(all[1].rowKey, all[2].rowKey);
}

// A save that the database refuses is reported as a failure, though writing the column worked.
TEST_F(FavouritesStoreTest, AppendFailsWhenTheRecordIsNotSaved)
{
    ASSERT_TRUE(fixture_.db.Execute("create trigger refuse before insert on mz begin select raise(abort, 'disk full'); end"));
    EXPECT_FALSE(AppendFavouriteName(records_, "张三丰"));
    ASSERT_TRUE(fixture_.db.Execute("drop trigger refuse"));
    EXPECT_TRUE(Names().empty());

    fixture_.db.Close();
    EXPECT_FALSE(AppendFavouriteName(records_, "张三丰"));
    std::vector<FavouriteRecord> all;
    EXPECT_FALSE(ListFavourites(records_, all));
}

// The favourites are a set of names: a name stored again stores nothing, the list shows each name
// once at its first record's place whatever else the run produced, and a delete removes the name
// with every record of it, duplicates left by older copies of the program included.
TEST_F(FavouritesStoreTest, NamesAreStoredListedAndDeletedAsASet)
{
    EXPECT_EQ(FavouriteStoreResult::Stored, StoreFavouriteOnce(records_, "张三丰"));
    EXPECT_EQ(FavouriteStoreResult::AlreadyStored, StoreFavouriteOnce(records_, "张三丰"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"张三丰"}));

    for (const char* name : {"", "王五", "李四", "王五", "李四"})  // an older table's duplicates
        ASSERT_TRUE(AppendFavouriteName(records_, name));
    std::vector<FavouriteRecord> rows;
    ASSERT_TRUE(ListFavouriteNames(records_, rows));
    std::vector<std::string> listed;
    for (const FavouriteRecord& row : rows)
        listed.push_back(row.name);
    EXPECT_EQ(listed, (std::vector<std::string>{"张三丰", "王五", "李四"}));

    ASSERT_TRUE(DeleteFavouriteName(records_, "王五"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"张三丰", "", "李四", "李四"}));
    EXPECT_FALSE(DeleteFavouriteName(records_, "王五"));  // already gone
    EXPECT_FALSE(DeleteFavouriteName(records_, ""));      // no row selected
    ASSERT_TRUE(DeleteFavouriteName(records_, "李四"));   // two records in a row
    EXPECT_EQ(Names(), (std::vector<std::string>{"张三丰", ""}));

    // Deleted, then stored again: listed again.
    EXPECT_EQ(FavouriteStoreResult::Stored, StoreFavouriteOnce(records_, "王五"));
    ASSERT_TRUE(ListFavouriteNames(records_, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].name, "王五");

    ASSERT_TRUE(fixture_.db.Execute("create trigger refuse before insert on mz begin select raise(abort, 'full'); end"));
    EXPECT_EQ(FavouriteStoreResult::Failed, StoreFavouriteOnce(records_, "赵六"));
}

TEST_F(FavouritesStoreTest, DeleteAllEmptiesTheTable)
{
    ASSERT_TRUE(AppendFavouriteName(records_, "张三丰"));
    ASSERT_TRUE(AppendFavouriteName(records_, "李四"));
    ASSERT_TRUE(DeleteAllFavourites(records_));
    EXPECT_TRUE(Names().empty());
    ASSERT_TRUE(DeleteAllFavourites(records_));  // an empty table too
    fixture_.db.Close();
    EXPECT_FALSE(DeleteAllFavourites(records_));
}

// What keeps a committed add when the process dies: the rollback journal with full sync, SQLite's
// defaults, which the database layer leaves as they are.
TEST_F(FavouritesStoreTest, ConnectionKeepsTheDurableDefaults)
{
    ASSERT_TRUE(records_.OpenSql("pragma journal_mode"));
    EXPECT_EQ(records_.Field(0), "delete");
    ASSERT_TRUE(records_.OpenSql("pragma synchronous"));
    EXPECT_EQ(records_.Field(0), "2");
}

#ifndef _WIN32
// Favourites survive a killed process: a child appends names and reports each add that was
// acknowledged; it is killed at a random moment; every acknowledged name is then in the table, which
// is intact.
TEST(FavouritesDurability, AcknowledgedAddsSurviveAKill)
{
    ScFixture fixture;
    const std::string path = UniqueDatabasePath(::testing::TempDir(), "favourites_kill");
    ASSERT_TRUE(fixture.Create(path, {}));
    ASSERT_TRUE(fixture.db.Execute(kCreateFavourites));
    fixture.db.Close();

    std::mt19937 random(std::random_device{}());
    std::vector<std::string> acknowledged;
    const int rounds = 100;
    for (int round = 0; round < rounds; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeEnds[0]);
            DbConnection db;
            DbRecordSet records;
            if (!db.Open(path) || !records.Attach(&db))
                _exit(2);
            for (int i = 0;; ++i) {
                std::string name = "收藏" + std::to_string(round) + "_" + std::to_string(i);
                if (AppendFavouriteName(records, name)) {
                    name += '\n';
                    if (write(pipeEnds[1], name.data(), name.size()) != static_cast<ssize_t>(name.size()))
                        _exit(3);
                }
            }
        }
        close(pipeEnds[1]);
        // Wait for a few acknowledged adds, then kill at a random moment of a later one.
        std::string reported;
        const size_t wanted = 1 + random() % 4;
        char buffer[4096];
        while (static_cast<size_t>(std::count(reported.begin(), reported.end(), '\n')) < wanted) {
            ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
            ASSERT_GT(got, 0) << "the child ended early";
            reported.append(buffer, got);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));
        for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
            reported.append(buffer, got);
        close(pipeEnds[0]);
        for (size_t start = 0, end; (end = reported.find('\n', start)) != std::string::npos; start = end + 1)
            acknowledged.push_back(reported.substr(start, end - start));
    }

    ASSERT_TRUE(fixture.db.Open(path));
    DbRecordSet check;
    check.Attach(&fixture.db);
    ASSERT_TRUE(check.OpenSql("pragma integrity_check"));
    EXPECT_EQ(check.Field(0), "ok");
    TextSet stored;
    std::vector<FavouriteRecord> all;
    ASSERT_TRUE(ListFavourites(check, all));
    for (const FavouriteRecord& r : all)
        stored.Add(r.name);
    size_t missing = 0;
    for (const std::string& name : acknowledged)
        if (!stored.Contains(name) && ++missing <= 5)
            ADD_FAILURE() << "acknowledged but lost: " << name;
    EXPECT_EQ(missing, 0u);
    EXPECT_GE(acknowledged.size(), static_cast<size_t>(rounds));
    std::printf("kill test: %d rounds, %zu acknowledged adds, %zu records\n", rounds, acknowledged.size(), all.size());
}
#endif

}  // namespace
