#pragma once
// The program's database: a connection to one SQLite file and record sets attached to it.
// Texts are GBK at this interface and stored as UTF-8 in the file (so LIKE '%...%' matches Chinese
// text); SQL text may be GBK too (table and column names are Chinese). Every value a caller supplies
// travels as a bound parameter ("?" in the SQL), never pasted into the SQL text. A statement must be
// GBK text holding one statement (a second one, or anything after a NUL, fails it); a table name must
// be GBK text without NUL.
// A connection may be used from the UI thread and a worker: its calls are serialised by a lock.
// One record set belongs to one thread at a time.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class DbConnection {
public:
    DbConnection();
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Opens an existing database file (GBK path). The password is accepted for the callers' sake and
    // must be empty. Opening again on the file already open succeeds and keeps attached record sets
    // valid; opening another file closes the first. A missing file fails.
    bool Open(const std::string& path, const std::string& password = "");
    bool IsOpen() const;
    // True when the open file holds at least one table and passes SQLite's quick check of its pages:
    // a truncated or overwritten file may open and fail only at the read of a page it lost.
    bool IsIntact();
    void Close();
    std::string Path() const;
    // Changes on every open of another file and on every close; read without the lock, so callers
    // that keep what they read from a file can tell cheaply whether it is still the same file.
    unsigned long Generation() const { return generation_.load(std::memory_order_acquire); }

    // Runs one statement that returns no rows, with parameters bound to its "?" in order.
    bool Execute(const std::string& sql, const std::vector<std::string>& params = {});
    // Text of the last error of this connection (GBK), for diagnostics.
    std::string LastError() const;

private:
    friend class DbRecordSet;
    struct Query;
    // The caller's GBK statement as UTF-8; false (recording why) when it is not GBK text.
    bool SqlToUtf8(const std::string& gbkSql, std::string& utf8Sql);
    bool RunQuery(const std::string& utf8Sql, const std::vector<std::string>& params, Query& result);
    bool RunChange(const std::string& utf8Sql, const std::vector<std::string>& params, long long* newRowId);
    // Prepares and binds the statement with the connection locked, then lets run step it; run returns
    // the last step's result, and anything but SQLITE_DONE records the error.
    bool RunStatement(const std::string& utf8Sql, const std::vector<std::string>& params,
                      const std::function<int(sqlite3_stmt*)>& run);

    mutable std::recursive_mutex lock_;
    sqlite3* db_ = nullptr;
    std::string path_;
    std::string lastError_;
    std::atomic<unsigned long> generation_{0};  // bumped on every open of a different file and on close
};

class DbRecordSet {
public:
    DbRecordSet();
    ~DbRecordSet();
    DbRecordSet(const DbRecordSet&) = delete;
    DbRecordSet& operator=(const DbRecordSet&) = delete;

    // Ties the record set to a connection (closing any open result). Fails for a null connection.
    bool Attach(DbConnection* connection);
    // Opens the rows of a query; the parameters bind to its "?" in order. Rows opened this way are
    // read-only. Replaces any previous result.
    bool OpenSql(const std::string& sql, const std::vector<std::string>& params = {});
    // Opens every row of a table in table order; such a record set can add, change and delete rows.
    bool OpenTable(const std::string& tableName);
    bool IsOpen() const;
    void Close();

    // Navigation over the rows read at open time. Positions count from 1.
    bool IsEof() const;
    int RecordCount() const;
    int Position() const;  // 0 when there is no current row
    bool MoveFirst();
    bool MoveNext();
    bool MoveTo(int position);

    // Fields of the current row, counted from 0 (a table's hidden row key is not a field).
    int FieldCount() const;
    std::string FieldName(int index) const;
    int FieldIndex(const std::string& name) const;  // -1 when absent
    // NULL, no current row and an index out of range read as the empty text.
    std::string Field(int index) const;
    std::string Field(const std::string& name) const;
    // The same, reporting whether the field could be read at all.
    bool GetField(int index, std::string& value) const;
    // The table row key of the current row (table record sets only), 0 when none.
    long long RowKey() const;

    // Editing, for record sets opened on a table: AddNew starts a new row whose fields are NULL until
    // set; SetField on an existing row starts a change of it; Update writes the pending row and makes
    // it current. DeleteCurrent removes the current row (the next row becomes current); DeleteAll
    // removes every row of the table.
    bool AddNew();
    bool SetField(int index, const std::string& value);
    bool SetField(const std::string& name, const std::string& value);
    bool Update();
    bool DeleteCurrent();
    bool DeleteAll();

private:
    struct Row {
        long long key = 0;
        std::vector<std::string> values;
        std::vector<bool> isNull;
    };
    bool ConnectionUsable() const;

    DbConnection* connection_ = nullptr;
    bool open_ = false;
    std::string table_;  // empty for query results
    std::vector<std::string> columns_;
    std::vector<Row> rows_;
    int current_ = -1;  // index into rows_, -1 = none
    enum class Pending { None, Add, Change } pending_ = Pending::None;
    Row pendingRow_;
    std::vector<bool> pendingSet_;
};
