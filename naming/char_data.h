#pragma once
// What the naming core knows about single characters: how a text is cut into characters, the
// element, the Kangxi and the common stroke count and the reading of a character, and the per-name
// columns built from them. Texts are GBK; a Chinese character is two bytes.
//
// Every table lookup follows the text search of runtime/text.h, as char_search.h spells out. Every
// one- and two-byte text (a Chinese character, a Latin letter, a pair of letters, a stray byte) is
// answered from indexes built once from the table texts, which give the same answers as the search;
// longer texts are searched.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "char_search.h"

// Replaces chars with the characters of text and returns their count. A text without anything but
// blanks has none. Otherwise the whole text is walked, blanks included: a byte of 122 or less is a
// one-byte character, a byte of 123 or more starts a two-byte character (so "{" to "~" and 0x7F
// lead one too), and a lead byte at the very end stands alone.
int SplitTextIntoChars(const std::string& text, std::vector<std::string>& chars);

class CharData {
public:
    explicit CharData(CharTableTexts texts);
    ~CharData();
    CharData(const CharData&) = delete;
    CharData& operator=(const CharData&) = delete;

    // "金", "木", "水", "火", "土" or the empty text. Every table that holds the character replaces the
    // result, so the last one wins; the empty text is in every table (and so takes the last element).
    std::string GetCharElement(const std::string& ch) const;
    // The count of the last stroke list holding the whole text (the highest count); else the stroke
    // table's count of its traditional form; 0 when neither has it, and for the empty text.
    int GetKangxiStrokeCount(const std::string& ch) const;
    // The same for the two-byte text lead, trail, without making it.
    int GetKangxiStrokeCount(char lead, char trail) const;
    // The stroke table's count of the first two bytes; 0 for a byte below 0x7F and for an absent one.
    int LookupStrokeTable(const std::string& ch) const;
    // The first reading of every two-byte unit of the name (the GB2312 reading service answers for
    // units the table lacks), each followed by a blank when joinFlag is 1.
    std::string GetNamePinyin(const std::string& name, int joinFlag) const;
    // The value of every character, joined by "-": elements (金-木-水), common and Kangxi counts.
    std::string GetNameElements(const std::string& name) const;
    std::string GetNameStrokeCounts(const std::string& name) const;
    std::string GetNameKangxiStrokes(const std::string& name) const;

private:
    struct Indexes;
    std::string Reading(const std::string& unit) const;

    CharTableTexts texts_;
    std::unique_ptr<Indexes> indexes_;
};

// The texts of the shipped tables (char_tables.h).
CharTableTexts ShippedCharTableTexts();

// The shipped tables, made on first use (safe when several threads come first at once) and kept
// for the run.
const CharData& ShippedCharData();

// The lookups on the shipped tables.
std::string GetCharElement(const std::string& ch);
int GetKangxiStrokeCount(const std::string& ch);
int LookupStrokeTable(const std::string& ch);
std::string GetNamePinyin(const std::string& name, int joinFlag);
std::string GetNameElements(const std::string& name);
std::string GetNameStrokeCounts(const std::string& name);
std::string GetNameKangxiStrokes(const std::string& name);
