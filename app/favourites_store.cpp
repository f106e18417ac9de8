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

FavouriteStoreResult StoreFavouriteOnce(DbRecordSet& records, const std::string& name)
{
    if (!records.OpenTable(kFavouritesTable) || records.FieldCount() <= kNameField)
        return FavouriteStoreResult::Failed;
    for (bool more = records.MoveFirst(); more; more = records.MoveNext())
        if (records.Field(kNameField) == name)
            return FavouriteStoreResult::AlreadyStored;
    return AppendFavouriteName(records, name) ? FavouriteStoreResult::Stored : FavouriteStoreResult::Failed;
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

bool ListFavouriteNames(DbRecordSet& records, std::vector<FavouriteRecord>& out)
{
    std::vector<FavouriteRecord> all;
    out.clear();
    if (!ListFavourites(records, all))
        return false;
    TextSet listed;
    for (FavouriteRecord& record : all)
        if (!record.name.empty() && listed.Add(record.name))
            out.push_back(std::move(record));
    return true;
}

bool DeleteFavouriteName(DbRecordSet& records, const std::string& name)
{
    if (name.empty() || !records.OpenTable(kFavouritesTable) || records.FieldCount() <= kNameField)
        return false;
    bool deleted = false;
    // A delete makes the next record current, so the cursor moves on only past a kept record.
    records.MoveFirst();
    while (!records.IsEof()) {
        if (records.Field(kNameField) != name)
            records.MoveNext();
        else if (records.DeleteCurrent())
            deleted = true;
        else
            return false;
    }
    return deleted;
}

bool DeleteAllFavourites(DbRecordSet& records)
{
    return records.OpenTable(kFavouritesTable) && records.DeleteAll();
}
