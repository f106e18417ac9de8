#include "database.h"

#include <sqlite3.h>

#include <climits>
#include <functional>

#include "codepage/codepage.h"

struct DbConnection::Query {
    std::vector<std::string> columns;
    struct Row {
        long long key = 0;
        std::vector<std::string> values;
        std::vector<bool> isNull;
    };
    std::vector<Row> rows;
    bool firstColumnIsKey = false;
};

namespace {

// The UTF-8 SQL of a quoted identifier ("name" with inner quotes doubled). Converted first, then
// quoted, so no byte of a GBK character can pair with a quote; false for a name that is not GBK or holds
// NUL (neither can name a table or column of ours).
bool QuoteIdentifier(const std::string& gbkName, std::string& quoted)
{
    if (gbkName.empty() || !IsValidGbk(gbkName) || gbkName.find('\0') != std::string::npos)
        return false;
    quoted = "\"";
    for (char c : GbkToUtf8(gbkName)) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return true;
}

bool IsOnlyBlanksAndComments(sqlite3* db, const char* text, size_t length)
{
    while (length > 0) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db, text, static_cast<int>(length), &stmt, &tail);
        sqlite3_finalize(stmt);
        if (rc != SQLITE_OK || stmt || !tail || tail <= text)
            return false;  // another statement, or something that stops the reading (a NUL)
        length -= static_cast<size_t>(tail - text);
        text = tail;
    }
    return true;
}

class Statement {
public:
    // Prepares the whole text as one statement: a second statement or anything after a NUL fails it
    // rather than being left unrun.
    Statement(sqlite3* db, const std::string& utf8Sql)
    {
        if (utf8Sql.size() >= static_cast<size_t>(INT_MAX))
            return;
        const char* tail = nullptr;
        ok_ = sqlite3_prepare_v2(db, utf8Sql.data(), static_cast<int>(utf8Sql.size()), &stmt_, &tail) == SQLITE_OK &&
              stmt_ && tail && IsOnlyBlanksAndComments(db, tail, utf8Sql.size() - static_cast<size_t>(tail - utf8Sql.data()));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    bool ok() const { return ok_; }
    sqlite3_stmt* get() const { return stmt_; }
    bool Bind(const std::vector<std::string>& gbkParams)
    {
        if (static_cast<int>(gbkParams.size()) != sqlite3_bind_parameter_count(stmt_))
            return false;
        for (size_t i = 0; i < gbkParams.size(); ++i) {
            std::string utf8 = GbkToUtf8(gbkParams[i]);
            if (sqlite3_bind_text(stmt_, static_cast<int>(i + 1), utf8.data(), static_cast<int>(utf8.size()),
                                  SQLITE_TRANSIENT) != SQLITE_OK)
                return false;
        }
        return true;
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
    bool ok_ = false;
};

}  // namespace

DbConnection::DbConnection() = default;

DbConnection::~DbConnection() { Close(); }

bool DbConnection::Open(const std::string& path, const std::string& password)
{
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!password.empty()) {
        lastError_ = "password-protected databases are not supported";
        return false;
    }
    if (db_ && path == path_)
        return true;
    Close();
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(GbkToUtf8(path).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        lastError_ = Utf8ToGbk(db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return false;
    }
    // A file that is not a database only shows itself at the first read.
    if (sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        lastError_ = Utf8ToGbk(sqlite3_errmsg(db));
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, 5000);
    db_ = db;
    path_ = path;
    ++generation_;
    return true;
}

bool DbConnection::IsOpen() const
{
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return db_ != nullptr;
}

bool DbConnection::IsIntact()
{
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!db_)
        return false;
    // Each query gives one row with one text: "ok", and the number of tables.
    const auto firstText = [this](const char* sql, std::string& text) {
        sqlite3_stmt* statement = nullptr;
        bool read = false;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            const unsigned char* value = sqlite3_column_text(statement, 0);
            text = value ? reinterpret_cast<const char*>(value) : "";
            read = true;
        } else {
            lastError_ = Utf8ToGbk(sqlite3_errmsg(db_));
        }
        sqlite3_finalize(statement);
        return read;
    };
    std::string check, tables;
    return firstText("pragma quick_check(1)", check) && check == "ok" &&
           firstText("select count(*) from sqlite_master where type = 'table'", tables) && tables != "0";
}

void DbConnection::Close()
{
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!db_)
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
    path_.clear();
    ++generation_;
}

std::string DbConnection::Path() const
{
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return path_;
}

std::string DbConnection::LastError() const
{
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return lastError_;
}

bool DbConnection::SqlToUtf8(const std::string& gbkSql, std::string& utf8Sql)
{
    if (!IsValidGbk(gbkSql)) {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        lastError_ = "the statement is not GBK text";
        return false;
    }
    utf8Sql = GbkToUtf8(gbkSql);
    return true;
}

bool DbConnection::Execute(const std::string& sql, const std::vector<std::string>& params)
{
    std::string utf8Sql;
    return SqlToUtf8(sql, utf8Sql) && RunChange(utf8Sql, params, nullptr);
}

bool DbConnection::RunStatement(const std::string& utf8Sql, const std::vector<std::string>& params,
                                const std::function<int(sqlite3_stmt*)>& run)
{
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!db_) {
        lastError_ = "the database is not open";
        return false;
    }
    Statement statement(db_, utf8Sql);
    if (!statement.ok() || !statement.Bind(params) || run(statement.get()) != SQLITE_DONE) {
        lastError_ = statement.ok() || sqlite3_errcode(db_) != SQLITE_OK ? Utf8ToGbk(sqlite3_errmsg(db_))
                                                                         : "the text holds more than one statement, or a NUL";
        return false;
    }
    return true;
}

bool DbConnection::RunChange(const std::string& utf8Sql, const std::vector<std::string>& params, long long* newRowId)
{
    return RunStatement(utf8Sql, params, [&](sqlite3_stmt* stmt) {
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        if (rc == SQLITE_DONE && newRowId)
            *newRowId = sqlite3_last_insert_rowid(db_);
        return rc;
    });
}

bool DbConnection::RunQuery(const std::string& utf8Sql, const std::vector<std::string>& params, Query& result)
{
    return RunStatement(utf8Sql, params, [&](sqlite3_stmt* stmt) {
        int columnCount = sqlite3_column_count(stmt);
        int first = result.firstColumnIsKey ? 1 : 0;
        result.columns.clear();
        for (int c = first; c < columnCount; ++c) {
            const char* name = sqlite3_column_name(stmt, c);
            result.columns.push_back(Utf8ToGbk(name ? name : ""));
        }
        result.rows.clear();
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            Query::Row row;
            if (result.firstColumnIsKey)
                row.key = sqlite3_column_int64(stmt, 0);
            for (int c = first; c < columnCount; ++c) {
                bool isNull = sqlite3_column_type(stmt, c) == SQLITE_NULL;
                const unsigned char* text = sqlite3_column_text(stmt, c);
                int bytes = sqlite3_column_bytes(stmt, c);
                row.values.push_back(isNull || !text ? std::string() : Utf8ToGbk(std::string(reinterpret_cast<const char*>(text), bytes)));
                row.isNull.push_back(isNull);
            }
            result.rows.push_back(std::move(row));
        }
        return rc;
    });
}

// ---------------------------------------------------------------------------------------------

DbRecordSet::DbRecordSet() = default;
DbRecordSet::~DbRecordSet() = default;

bool DbRecordSet::Attach(DbConnection* connection)
{
    Close();
    connection_ = connection;
    return connection != nullptr;
}

bool DbRecordSet::ConnectionUsable() const { return connection_ && connection_->IsOpen(); }

void DbRecordSet::Close()
{
    open_ = false;
    table_.clear();
    columns_.clear();
    rows_.clear();
    current_ = -1;
    pending_ = Pending::None;
}

bool DbRecordSet::IsOpen() const { return open_; }

namespace {
template <typename QueryRows, typename Rows>
void TakeRows(QueryRows& from, Rows& to)
{
    to.clear();
    to.reserve(from.size());
    for (auto& r : from) {
        typename Rows::value_type row;
        row.key = r.key;
        row.values = std::move(r.values);
        row.isNull = std::move(r.isNull);
        to.push_back(std::move(row));
    }
}
}  // namespace

bool DbRecordSet::OpenSql(const std::string& sql, const std::vector<std::string>& params)
{
    Close();
    if (!connection_)
        return false;
    DbConnection::Query query;
    std::string utf8Sql;
    if (!connection_->SqlToUtf8(sql, utf8Sql) || !connection_->RunQuery(utf8Sql, params, query))
        return false;
    columns_ = std::move(query.columns);
    TakeRows(query.rows, rows_);
    current_ = rows_.empty() ? -1 : 0;
    open_ = true;
    return true;
}

bool DbRecordSet::OpenTable(const std::string& tableName)
{
    Close();
    std::string table;
    if (!connection_ || !QuoteIdentifier(tableName, table))
        return false;
    DbConnection::Query query;
    query.firstColumnIsKey = true;
    if (!connection_->RunQuery("select rowid, * from " + table + " order by rowid", {}, query))
        return false;
    columns_ = std::move(query.columns);
    TakeRows(query.rows, rows_);
    current_ = rows_.empty() ? -1 : 0;
    table_ = tableName;
    open_ = true;
    return true;
}

bool DbRecordSet::IsEof() const { return !open_ || current_ < 0 || current_ >= static_cast<int>(rows_.size()); }

int DbRecordSet::RecordCount() const { return open_ ? static_cast<int>(rows_.size()) : 0; }

int DbRecordSet::Position() const { return IsEof() ? 0 : current_ + 1; }

bool DbRecordSet::MoveFirst()
{
    if (!open_)
        return false;
    pending_ = Pending::None;
    current_ = rows_.empty() ? -1 : 0;
    return !rows_.empty();
}

bool DbRecordSet::MoveNext()
{
    if (IsEof())
        return false;
    pending_ = Pending::None;
    ++current_;
    return !IsEof();
}

bool DbRecordSet::MoveTo(int position)
{
    if (!open_ || position < 1 || position > static_cast<int>(rows_.size()))
        return false;
    pending_ = Pending::None;
    current_ = position - 1;
    return true;
}

int DbRecordSet::FieldCount() const { return open_ ? static_cast<int>(columns_.size()) : 0; }

std::string DbRecordSet::FieldName(int index) const
{
    return index >= 0 && index < FieldCount() ? columns_[index] : std::string();
}

int DbRecordSet::FieldIndex(const std::string& name) const
{
    for (int i = 0; i < FieldCount(); ++i)
        if (columns_[i] == name)
            return i;
    return -1;
}

bool DbRecordSet::GetField(int index, std::string& value) const
{
    value.clear();
    if (IsEof() || index < 0 || index >= FieldCount())
        return false;
    value = rows_[current_].values[index];
    return true;
}

std::string DbRecordSet::Field(int index) const
{
    std::string value;
    GetField(index, value);
    return value;
}

std::string DbRecordSet::Field(const std::string& name) const { return Field(FieldIndex(name)); }

long long DbRecordSet::RowKey() const { return IsEof() || table_.empty() ? 0 : rows_[current_].key; }

bool DbRecordSet::AddNew()
{
    if (!open_ || table_.empty() || !ConnectionUsable())
        return false;
    pending_ = Pending::Add;
    pendingRow_ = Row();
    pendingRow_.values.assign(columns_.size(), std::string());
    pendingRow_.isNull.assign(columns_.size(), true);
    pendingSet_.assign(columns_.size(), false);
    return true;
}

bool DbRecordSet::SetField(int index, const std::string& value)
{
    if (!open_ || table_.empty() || index < 0 || index >= FieldCount())
        return false;
    if (pending_ == Pending::None) {
        if (IsEof())
            return false;
        pending_ = Pending::Change;
        pendingRow_ = rows_[current_];
        pendingSet_.assign(columns_.size(), false);
    }
    pendingRow_.values[index] = value;
    pendingRow_.isNull[index] = false;
    pendingSet_[index] = true;
    return true;
}

bool DbRecordSet::SetField(const std::string& name, const std::string& value) { return SetField(FieldIndex(name), value); }

bool DbRecordSet::Update()
{
    std::string table;
    if (!open_ || table_.empty() || pending_ == Pending::None || !ConnectionUsable() || !QuoteIdentifier(table_, table))
        return false;
    std::vector<std::string> names, params;
    for (size_t i = 0; i < columns_.size(); ++i)
        if (pendingSet_[i]) {
            std::string name;
            if (!QuoteIdentifier(columns_[i], name)) {
                pending_ = Pending::None;
                return false;
            }
            names.push_back(name);
            params.push_back(pendingRow_.values[i]);
        }
    bool ok;
    if (pending_ == Pending::Add) {
        std::string sql = "insert into " + table;
        if (names.empty()) {
            sql += " default values";
        } else {
            std::string list, marks;
            for (size_t i = 0; i < names.size(); ++i) {
                list += (i ? "," : "") + names[i];
                marks += i ? ",?" : "?";
            }
            sql += " (" + list + ") values (" + marks + ")";
        }
        long long key = 0;
        ok = connection_->RunChange(sql, params, &key);
        if (ok) {
            pendingRow_.key = key;
            rows_.push_back(pendingRow_);
            current_ = static_cast<int>(rows_.size()) - 1;
        }
    } else {
        std::string assignments;
        for (size_t i = 0; i < names.size(); ++i)
            assignments += (i ? "," : "") + names[i] + "=?";
        params.push_back(std::to_string(pendingRow_.key));
        ok = names.empty() ||
             connection_->RunChange("update " + table + " set " + assignments + " where rowid=cast(? as integer)", params, nullptr);
        if (ok)
            rows_[current_] = pendingRow_;
    }
    pending_ = Pending::None;
    return ok;
}

bool DbRecordSet::DeleteCurrent()
{
    std::string table;
    if (IsEof() || table_.empty() || !ConnectionUsable() || !QuoteIdentifier(table_, table))
        return false;
    pending_ = Pending::None;
    if (!connection_->RunChange("delete from " + table + " where rowid=cast(? as integer)",
                                {std::to_string(rows_[current_].key)}, nullptr))
        return false;
    rows_.erase(rows_.begin() + current_);
    if (current_ >= static_cast<int>(rows_.size()))
        current_ = rows_.empty() ? -1 : static_cast<int>(rows_.size());  // past the end: EOF
    return true;
}

bool DbRecordSet::DeleteAll()
{
    std::string table;
    if (!open_ || table_.empty() || !ConnectionUsable() || !QuoteIdentifier(table_, table))
        return false;
    pending_ = Pending::None;
    if (!connection_->RunChange("delete from " + table, {}, nullptr))
        return false;
    rows_.clear();
    current_ = -1;
    return true;
}
