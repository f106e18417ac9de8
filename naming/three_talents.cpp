#include "three_talents.h"

#include "db/database.h"
#include "runtime/text.h"

namespace {

// SQL finds the column "title" whatever the case of its name.
int TitleColumn(const DbRecordSet& rows)
{
    for (int i = 0; i < rows.FieldCount(); ++i)
        if (TextToLower(rows.FieldName(i)) == "title")
            return i;
    return -1;
}

}  // namespace

ThreeTalentsTable::ThreeTalentsTable(DbConnection* connection) : connection_(connection) {}

bool ThreeTalentsTable::Load()
{
    rows_.clear();
    loaded_ = false;
    DbRecordSet rows;
    // Rows with a NULL title can never equal a title, so they are left out here too.
    if (!rows.Attach(connection_) || !rows.OpenSql("select * from SC where title is not null"))
        return false;
    int titleColumn = TitleColumn(rows);
    for (bool more = rows.MoveFirst(); more && !rows.IsEof(); more = rows.MoveNext()) {
        std::string key = rows.Field(titleColumn);
        if (rows_.count(key))
            continue;  // the query of one title reads its first row
        ThreeTalentsResult result;
        result.title = rows.Field(1);
        result.luck = rows.Field(2);
        result.explanation = ReplaceSubstrings(rows.Field(3), {{"<BR>", "\r\n"}, {"<br />", "\r\n"}});
        rows_.emplace(std::move(key), std::move(result));
    }
    loaded_ = true;
    loadedPath_ = connection_->Path();
    return true;
}

ThreeTalentsResult ThreeTalentsTable::Lookup(const std::string& title)
{
    std::lock_guard<std::mutex> hold(lock_);
    if (!connection_ || !connection_->IsOpen()) {
        loaded_ = false;
        return {};
    }
    if ((!loaded_ || connection_->Path() != loadedPath_) && !Load())
        return {};
    auto found = rows_.find(title);
    return found == rows_.end() ? ThreeTalentsResult() : found->second;
}

ThreeTalentsResult LookupThreeTalents(ThreeTalentsTable& table, const std::string& heavenElement,
                                      const std::string& personElement, const std::string& earthElement)
{
    return table.Lookup(heavenElement + personElement + earthElement);
}
