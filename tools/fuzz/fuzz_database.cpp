// The database layer (db/): a table name opens only the table of that very name; any value is stored
// and read back; a statement runs whole or not at all, and nothing after its end ever runs.
#include "codepage/codepage.h"
#include "db/database.h"
#include "fuzz_support.h"
#include "runtime/text.h"

namespace {

struct Database {
    DbConnection db;
    Database()
    {
        FUZZ_CHECK(db.Open(":memory:"));
        const char* schema[] = {
            "create table mz (id integer primary key, 名字 text)",
            "create table SC (id integer, title text, luck text, 解释 text)",
            "create table \"a\"\"b\" (x text)",
            "create table \"?\" (a text)",
            "create table secrets (secret text)",
            "create table log (x)",
            "insert into secrets values ('hidden')",
            "insert into SC values (1, '木火土', '吉', '说明')",
        };
        for (const char* sql : schema)
            FUZZ_CHECK(db.Execute(sql));
    }

    // One text per table: its name and its rows, so any change shows.
    std::string Snapshot()
    {
        DbRecordSet rs;
        FUZZ_CHECK(rs.Attach(&db));
        FUZZ_CHECK(rs.OpenSql("select name from sqlite_master order by name"));
        std::vector<std::string> tables;
        for (bool more = rs.MoveFirst(); more; more = rs.MoveNext())
            tables.push_back(rs.Field(0));
        std::string snapshot;
        for (const std::string& table : tables) {
            snapshot += "[" + table + "]";
            if (table == "log")
                continue;
            FUZZ_CHECK(rs.OpenTable(table));
            for (bool more = rs.MoveFirst(); more; more = rs.MoveNext())
                for (int f = 0; f < rs.FieldCount(); ++f)
                    snapshot += rs.Field(f) + "|";
        }
        return snapshot;
    }

    int Count(const char* sql, const std::vector<std::string>& params = {})
    {
        DbRecordSet rs;
        FUZZ_CHECK(rs.Attach(&db) && rs.OpenSql(sql, params));
        return static_cast<int>(TextToInt(rs.Field(0)));
    }
};

bool StartsWithNoCase(const std::string& text, const char* prefix)
{
    return TextToLower(text.substr(0, std::string(prefix).size())) == prefix;
}

void CheckOpenTable(Database& base, const std::string& name)
{
    DbRecordSet rs;
    FUZZ_CHECK(rs.Attach(&base.db));
    bool opened = rs.OpenTable(name);
    FUZZ_CHECK(opened == rs.IsOpen());
    if (StartsWithNoCase(name, "sqlite_"))
        return;  // SQLite's own tables are not listed among the tables
    bool nameable = !name.empty() && IsValidGbk(name) && name.find('\0') == std::string::npos;
    bool exists = nameable && base.Count("select count(*) from sqlite_master where type='table' and name=? collate nocase", {name}) > 0;
    FUZZ_CHECK(opened == exists);
}

void CheckValueRoundTrip(Database& base, const std::string& value)
{
    DbRecordSet rs;
    FUZZ_CHECK(rs.Attach(&base.db) && rs.OpenTable("mz"));
    FUZZ_CHECK(rs.AddNew() && rs.SetField(1, value) && rs.Update());
    long long key = rs.RowKey();
    std::string stored = IsValidGbk(value) ? value : Utf8ToGbk(GbkToUtf8(value));
    FUZZ_CHECK(rs.Field(1) == value);
    // (The statements stand outside the checks, whose text is kept as written.)
    const char* readBack = "select 名字 from mz where id=?";
    const char* countEqual = "select count(*) from mz where 名字=?";
    DbRecordSet read;
    FUZZ_CHECK(read.Attach(&base.db) && read.OpenSql(readBack, {IntToText(key)}));
    FUZZ_CHECK(read.RecordCount() == 1 && read.Field(0) == stored);
    FUZZ_CHECK(base.Count(countEqual, {value}) >= 1);
    FUZZ_CHECK(rs.DeleteCurrent());
    FUZZ_CHECK(base.Count("select count(*) from mz") == 0);
}

void CheckOneStatement(Database& base, const std::string& tail)
{
    const std::string before = base.Snapshot();
    const std::string sql = "insert into log values (1)" + tail;
    bool ran = base.db.Execute(sql);
    if (!IsValidGbk(sql))
        FUZZ_CHECK(!ran);
    if (!ran)
        FUZZ_CHECK(base.Count("select count(*) from log") == 0);
    FUZZ_CHECK(base.Snapshot() == before);
    FUZZ_CHECK(base.db.Execute("delete from log"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Database* base = new Database;
    FuzzInput in(data, size);
    CheckOpenTable(*base, in.Text(32));
    CheckValueRoundTrip(*base, in.Text(32));
    CheckOneStatement(*base, in.Text(24));
    return 0;
}
