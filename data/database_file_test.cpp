// The database file that ships with the program opens and holds every table the program reads.
#include "db/database.h"

#include <gtest/gtest.h>

#include <string>

#include "data/shipped_database.h"

namespace {

TEST(DatabaseFile, HoldsTheProgramsTables)
{
    DbConnection db;
    ASSERT_TRUE(db.Open(ShippedDatabasePath())) << db.LastError();
    DbRecordSet rs;
    rs.Attach(&db);
    const struct {
        const char* table;
        int fields;
        int nameField;
        const char* name;
    } tables[] = {{"SC", 4, 1, "title"}, {"N81", 5, 0, "num"}, {"诗词", 5, 3, "诗名"}, {"mz", 2, 1, "名字"}};
    for (const auto& t : tables) {
        ASSERT_TRUE(rs.OpenTable(t.table)) << t.table;
        EXPECT_EQ(rs.FieldCount(), t.fields) << t.table;
        EXPECT_EQ(rs.FieldName(t.nameField), t.name) << t.table;
    }
}

}  // namespace
