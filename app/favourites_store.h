#pragma once
// The favourite names, kept in the database table "mz": a set of names, one record per name, the name
// in its second column (index 1). Tables written before the set rule may hold a name more than once;
// such a name is listed once and deleted as a whole. Every call opens the table afresh on the record
// set it is given, which the caller has attached to the program's database connection. Texts are GBK.
//
// Durability: each append is one committed transaction of SQLite's default rollback journal with full
// sync, so an add reported as stored survives a killed process.
#include <string>
#include <vector>

class DbRecordSet;

extern const char kFavouritesTable[];  // "mz"

struct FavouriteRecord {
    long long rowKey = 0;  // the table's row key
    std::string name;
};

// Appends a record holding the name. True only when the record was stored.
bool AppendFavouriteName(DbRecordSet& records, const std::string& name);

enum class FavouriteStoreResult { Stored, AlreadyStored, Failed };
// Appends a record for the name unless a record already holds it.
FavouriteStoreResult StoreFavouriteOnce(DbRecordSet& records, const std::string& name);

// Every record in table order, empty names included. False when the table cannot be read.
bool ListFavourites(DbRecordSet& records, std::vector<FavouriteRecord>& out);

// What the favourites list shows: each name the table holds, once, at its first record's place in
// table order; empty names left out. False when the table cannot be read (out is then empty).
bool ListFavouriteNames(DbRecordSet& records, std::vector<FavouriteRecord>& out);

// Deletes every record holding the name. False when none was deleted or a delete failed.
bool DeleteFavouriteName(DbRecordSet& records, const std::string& name);

// Deletes every record. False when the table cannot be opened or the delete failed.
bool DeleteAllFavourites(DbRecordSet& records);
