#include "app/favourites_store.h"

#include "db/database.h"
#include "runtime/textset.h"

const char kFavouritesTable[] = "mz";

namespace {
const int kNameField = 1;
}

bool AppendFavouriteName(DbRecordSet& records, const std::string& name)
{
    return records.OpenTable(kFavouritesTable) && records.AddNew() && records.SetField(kNameField, name) &&
           records.Update();
}

bool ListFavourites(DbRecordSet& records, std::vector<FavouriteRecord>& out)
{
    out.clear();
    if (!records.OpenTable(kFavouritesTable) || records.FieldCount() <= kNameField)
        return false;
    for (bool more = records.MoveFirst(); more; more = records.MoveNext())
        out.push_back({records.RowKey(), records.Field(kNameField)});
    return true;
}

bool CollectUnlistedFavourites(DbRecordSet& records, TextSet& seen, std::vector<FavouriteRecord>& out)
{
    std::vector<FavouriteRecord> all;
    out.clear();
    if (!ListFavourites(records, all))
        return false;
    for (FavouriteRecord& record : all)
        if (!record.name.empty() && seen.Add(record.name))
            out.push_back(std::move(record));
    return true;
}

bool DeleteFavourite(DbRecordSet& records, long long rowKey)
{
    if (rowKey <= 0 || !records.OpenTable(kFavouritesTable))
        return false;
    for (bool more = records.MoveFirst(); more; more = records.MoveNext())
        if (records.RowKey() == rowKey)
            return records.DeleteCurrent();
    return false;
}

bool DeleteAllFavourites(DbRecordSet& records)
{
    return records.OpenTable(kFavouritesTable) && records.DeleteAll();
}
