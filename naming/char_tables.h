#pragma once
// The constant character tables shipped inside the program, GBK texts made by
// tools/gen/gen_char_tables.py (tables/*.cpp). The lookups of char_data.h read them.
#include <cstddef>

// Characters of each element, a run of characters per table. The lookup searches the tables in
// this order (土 木 火 水 金); a character in two tables takes the element of the later one.
constexpr int kElementTableCount = 5;
extern const char* const ElementTableNames[kElementTableCount];
extern const char* const ElementCharTables[kElementTableCount];

// Kangxi stroke counts: one run of characters per count, the counts 1 to 30, 32 and 33 in that order.
constexpr int kStrokeHandListCount = 32;
extern const int StrokeHandListCounts[kStrokeHandListCount];
extern const char* const StrokeHandLists[kStrokeHandListCount];

// Common stroke counts: entries of a character, its decimal count and a comma.
extern const char StrokeTable[];
extern const size_t StrokeTableSize;

// Readings with tone marks: a character, its first reading and a comma, then a reading and a comma
// for each further reading.
extern const char PinyinTable[];
extern const size_t PinyinTableSize;
