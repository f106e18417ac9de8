#pragma once
// The favourite names, kept in the database table "mz": one record per favourite, the name in its
// second column (index 1). Every call opens the table afresh on the record set it is given, which the
// caller has attached to the program's database connection. Texts are GBK.
//
// Durability: each append is one committed transaction of SQLite's default rollback journal with full
// sync, so an add reported as stored survives a killed process.
#include <string>
#include <vector>

class DbRecordSet;
class TextSet;

extern const char kFavouritesTable[];  // "mz"

struct FavouriteRecord {
    long long rowKey = 0;  // the table's row key: a list row keeps it to delete its own record
    std::string name;
};

// Appends a record holding the name. True only when the record was stored.
bool AppendFavouriteName(DbRecordSet& records, const std::string& name);

// Every record in table order, empty names included. False when the table cannot be read.
bool ListFavourites(DbRecordSet& records, std::vector<FavouriteRecord>& out);

// The records a refresh of the favourites list adds, in table order: those with a name that is not
// yet in seen (each is added to seen). A name already listed, or produced elsewhere in the run, is left
// out, and so is an empty one. False when the table cannot be read (out is then empty).
bool CollectUnlistedFavourites(DbRecordSet& records, TextSet& seen, std::vector<FavouriteRecord>& out);

// Deletes the record with this row key. False when there is no such record or the delete failed.
bool DeleteFavourite(DbRecordSet& records, long long rowKey);

// Deletes every record. False when the table cannot be opened or the delete failed.
bool DeleteAllFavourites(DbRecordSet& records);
