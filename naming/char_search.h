#pragma once
// The character lookups by plain search of the table texts: the rule itself. Every lookup follows the
// text search of runtime/text.h (bytes compared exactly, a match only at a character boundary of the
// table, the empty text found in any non-empty table). CharData (char_data.h) answers one- and
// two-byte texts from indexes that give the same answers, and every other text by these.
#include <string>
#include <utility>
#include <vector>

// The texts the lookups read. The program uses the shipped tables (char_tables.h); tests may give
// their own.
struct CharTableTexts {
    std::vector<std::pair<std::string, std::string>> elementTables;  // element, characters; in search order
    std::vector<std::pair<int, std::string>> strokeHandLists;        // count, characters; in search order
    std::string strokeTable;
    std::string pinyinTable;
};

// The value after a match (0-based index and length): the bytes up to the next comma, found by a
// text search that starts right after the match, or up to the end of the table. Start and length.
std::pair<size_t, size_t> TableValueAfter(const std::string& table, size_t matchIndex, size_t matchLength);
// The value after a match read as a number.
int TableCountAfter(const std::string& table, size_t matchIndex, size_t matchLength);

// The element of the last element table holding the text, or the empty text.
std::string SearchCharElement(const CharTableTexts& texts, const std::string& text);
// The count of the last stroke list holding the text; 0 when none does.
int SearchStrokeLists(const CharTableTexts& texts, const std::string& text);
// The stroke table's count after the first occurrence of the text's first two bytes; 0 when they start
// with a byte below 0x7F, are empty or are absent.
int SearchStrokeTable(const CharTableTexts& texts, const std::string& text);
// The stroke lists' count, else the stroke table's count of the traditional form; 0 for the empty text.
int SearchKangxiStrokeCount(const CharTableTexts& texts, const std::string& text);
// The pinyin table's reading after the first occurrence of the unit, else the GB2312 reading service's.
std::string SearchReading(const CharTableTexts& texts, const std::string& unit);
