#pragma once
// The three-talents luck of a title (the elements of 天格, 人格 and 地格, for example 木火土), read
// from the database table SC: the row whose column "title" equals the title, its columns 1 (title),
// 2 (luck word) and 3 (explanation, "<BR>" and "<br />" becoming line breaks), counted from 0.
#include <mutex>
#include <string>
#include <unordered_map>

class DbConnection;

struct ThreeTalentsResult {
    std::string luck;         // as stored; the score knows 吉, 平 and 凶
    std::string title;
    std::string explanation;  // lines separated by CR LF
};

// The SC rows of one database connection. The first lookup reads every row once (SC is constant
// data), later lookups answer from memory with exactly what the query of one title would give: the
// first row in table order with that title, or three empty texts. Lookups from several threads are
// safe and never use the connection at the same time. When the connection is closed nothing is
// found; when it is opened on another file the rows are read again.
class ThreeTalentsTable {
public:
    explicit ThreeTalentsTable(DbConnection* connection);
    ThreeTalentsTable(const ThreeTalentsTable&) = delete;
    ThreeTalentsTable& operator=(const ThreeTalentsTable&) = delete;

    ThreeTalentsResult Lookup(const std::string& title);

private:
    bool Load();

    std::mutex lock_;
    DbConnection* connection_;
    bool loaded_ = false;
    std::string loadedPath_;
    std::unordered_map<std::string, ThreeTalentsResult> rows_;
};

ThreeTalentsResult LookupThreeTalents(ThreeTalentsTable& table, const std::string& heavenElement,
                                      const std::string& personElement, const std::string& earthElement);
