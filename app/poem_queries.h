#pragma once
// Queries of the poem table 诗词 (columns 朝代, 诗人, 诗名, 诗句) for the poem page. Every text travels
// as a bound parameter, so a name or title with an apostrophe is looked up like any other. Texts GBK.
#include <string>
#include <vector>

class DbRecordSet;

// The dynasty labels of the poem page in their order, and the dynasty text each one queries.
struct DynastyLabel {
    const char* unit;     // 透明标签_先秦
    const char* caption;  // 1.先秦
    const char* dynasty;  // 秦
};
extern const DynastyLabel kDynastyLabels[14];

// Opens records (attached to the database) on:
// - dynasty given: the poets (column 诗人) of that dynasty; when there are none, of every dynasty whose
//   text contains it (so 秦 finds 先秦);
// - else poet given and no title: the titles (column 诗名) of that poet; when there are none, of every
//   poet whose name contains it;
// - else title given: the poem records (every column) with that title by that poet; when there are none,
//   those with that title by anyone; when there are still none, those whose title starts with it by a
//   poet whose name contains the poet given.
// Poets and titles come once each, in the order of their first record in the table. Returns the
// result of the last open; with nothing given the records are closed and the result is false.
bool QueryPoetryDatabase(DbRecordSet& records, const std::string& dynasty, const std::string& poet = "",
                         const std::string& title = "");

// The values of one column of every record of the open result, from the first record.
std::vector<std::string> ColumnValues(DbRecordSet& records, const std::string& column);
