#include "three_talents.h"

#include "db/database.h"
#include "runtime/text.h"

const char* const TalentElements[kTalentElementCount] = {"", "木", "火", "土", "金", "水"};

namespace {

// SQL finds the column "title" whatever the case of its name.
int TitleColumn(const DbRecordSet& rows)
{
    for (int i = 0; i < rows.FieldCount(); ++i)
        if (TextToLower(rows.FieldName(i)) == "title")
            return i;
    return -1;
}

TalentsLuck LuckOfWord(const std::string& word)
{
    if (word == "吉")
        return kTalentsGood;
    if (word == "平")
        return kTalentsFair;
    if (word == "凶")
        return kTalentsBad;
    return kTalentsOther;
}

constexpr int kTitleCount = kTalentElementCount * kTalentElementCount * kTalentElementCount;

}  // namespace

// The rows of one file, never changed once made.
struct ThreeTalentsTable::Rows {
    unsigned long generation = 0;  // the connection's generation they were read in
    std::unordered_map<std::string, ThreeTalentsResult> byTitle;
    TalentsLuck luck[kTitleCount] = {};  // by heaven * 36 + person * 6 + earth
};

ThreeTalentsTable::ThreeTalentsTable(DbConnection* connection) : connection_(connection) {}

ThreeTalentsTable::~ThreeTalentsTable() = default;

std::unique_ptr<ThreeTalentsTable::Rows> ThreeTalentsTable::Load(unsigned long generation)
{
    DbRecordSet records;
    // Rows with a NULL title can never equal a title, so they are left out here too.
    if (!records.Attach(connection_) || !records.OpenSql("select * from SC where title is not null"))
        return nullptr;
    auto rows = std::make_unique<Rows>();
    rows->generation = generation;
    int titleColumn = TitleColumn(records);
    for (bool more = records.MoveFirst(); more && !records.IsEof(); more = records.MoveNext()) {
        std::string key = records.Field(titleColumn);
        if (rows->byTitle.count(key))
            continue;  // the query of one title reads its first row
        ThreeTalentsResult result;
        result.title = records.Field(1);
        result.luck = records.Field(2);
        result.explanation = ReplaceSubstrings(records.Field(3), {{"<BR>", "\r\n"}, {"<br />", "\r\n"}});
        rows->byTitle.emplace(std::move(key), std::move(result));
    }
    for (int i = 0; i < kTitleCount; ++i) {
        const std::string title = std::string(TalentElements[i / 36]) + TalentElements[i / 6 % 6] + TalentElements[i % 6];
        auto found = rows->byTitle.find(title);
        rows->luck[i] = found == rows->byTitle.end() ? kTalentsOther : LuckOfWord(found->second.luck);
    }
    return rows;
}

const ThreeTalentsTable::Rows* ThreeTalentsTable::CurrentRows()
{
    if (!connection_)
        return nullptr;
    const Rows* rows = current_.load(std::memory_order_acquire);
    if (rows && rows->generation == connection_->Generation())
        return rows;
    std::lock_guard<std::mutex> hold(loadLock_);
    if (!connection_->IsOpen())
        return nullptr;
    // The generation is taken before the read: a file opened meanwhile makes the next lookup read again.
    const unsigned long generation = connection_->Generation();
    rows = current_.load(std::memory_order_acquire);
    if (rows && rows->generation == generation)
        return rows;  // another thread read them while this one waited
    std::unique_ptr<Rows> read = Load(generation);
    if (!read)
        return nullptr;  // nothing is kept from a failed read: the table may come later
    rows = read.get();
    kept_.push_back(std::move(read));
    current_.store(rows, std::memory_order_release);
    return rows;
}

ThreeTalentsResult ThreeTalentsTable::Lookup(const std::string& title)
{
    const Rows* rows = CurrentRows();
    if (!rows)
        return {};
    auto found = rows->byTitle.find(title);
    return found == rows->byTitle.end() ? ThreeTalentsResult() : found->second;
}

TalentsLuck ThreeTalentsTable::LuckOf(int heaven, int person, int earth)
{
    const Rows* rows = CurrentRows();
    return rows ? rows->luck[(heaven * kTalentElementCount + person) * kTalentElementCount + earth] : kTalentsOther;
}

ThreeTalentsResult LookupThreeTalents(ThreeTalentsTable& table, const std::string& heavenElement,
                                      const std::string& personElement, const std::string& earthElement)
{
    return table.Lookup(heavenElement + personElement + earthElement);
}
