#pragma once
// The three-talents luck of a title (the elements of 天格, 人格 and 地格, for example 木火土), read
// from the database table SC: the row whose column "title" equals the title, its columns 1 (title),
// 2 (luck word) and 3 (explanation, "<BR>" and "<br />" becoming line breaks), counted from 0.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

class DbConnection;

struct ThreeTalentsResult {
    std::string luck;         // as stored; the score knows 吉, 平 and 凶
    std::string title;
    std::string explanation;  // lines separated by CR LF
};

// The elements a title is made of, by number: 0 none (the empty text), then 木 火 土 金 水.
constexpr int kTalentElementCount = 6;
extern const char* const TalentElements[kTalentElementCount];

// The luck words the score knows, by number; kTalentsOther for any other word and for no row.
enum TalentsLuck : int8_t { kTalentsOther, kTalentsGood, kTalentsFair, kTalentsBad };  // 吉 平 凶

// The SC rows of one database connection. The first lookup reads every row once (SC is constant
// data), later lookups answer from memory with exactly what the query of one title would give: the
// first row in table order with that title, or three empty texts. Once read, the rows are looked up
// without a lock (the connection's generation tells whether they still belong to its file); reading
// them is locked, so lookups from several threads are safe and never use the connection at the same
// time. When the connection is closed nothing is found; when it is opened on another file the rows
// are read again.
class ThreeTalentsTable {
public:
    explicit ThreeTalentsTable(DbConnection* connection);
    ~ThreeTalentsTable();
    ThreeTalentsTable(const ThreeTalentsTable&) = delete;
    ThreeTalentsTable& operator=(const ThreeTalentsTable&) = delete;

    ThreeTalentsResult Lookup(const std::string& title);
    // The luck of the title made of three elements numbered as TalentElements (each 0-5).
    TalentsLuck LuckOf(int heaven, int person, int earth);

private:
    struct Rows;
    // The rows read from the connection's present file, read now if need be; null when there are none.
    const Rows* CurrentRows();
    std::unique_ptr<Rows> Load(unsigned long generation);

    DbConnection* connection_;
    std::atomic<const Rows*> current_{nullptr};
    std::mutex loadLock_;
    // Every set of rows read, kept as long as the table: a lookup on another thread may still read
    // one that a newer read replaced.
    std::vector<std::unique_ptr<Rows>> kept_;
};

ThreeTalentsResult LookupThreeTalents(ThreeTalentsTable& table, const std::string& heavenElement,
                                      const std::string& personElement, const std::string& earthElement);
