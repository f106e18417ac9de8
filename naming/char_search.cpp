#include "char_search.h"

#include "hanzi/pinyin.h"
#include "hanzi/traditional.h"
#include "runtime/text.h"

std::pair<size_t, size_t> TableValueAfter(const std::string& table, size_t matchIndex, size_t matchLength)
{
    size_t start = matchIndex + matchLength;
    int comma = TextFind(table, ",", static_cast<int>(start) + 1);
    size_t end = comma > 0 ? static_cast<size_t>(comma - 1) : table.size();
    return {start, end > start ? end - start : 0};
}

int TableCountAfter(const std::string& table, size_t matchIndex, size_t matchLength)
{
    auto value = TableValueAfter(table, matchIndex, matchLength);
    return static_cast<int>(TextToInt(table.substr(value.first, value.second)));
}

std::string SearchCharElement(const CharTableTexts& texts, const std::string& text)
{
    std::string element;
    for (const auto& table : texts.elementTables)
        if (TextFind(table.second, text) > 0)
            element = table.first;
    return element;
}

int SearchStrokeLists(const CharTableTexts& texts, const std::string& text)
{
    int count = 0;
    for (const auto& list : texts.strokeHandLists)
        if (TextFind(list.second, text) > 0)
            count = list.first;
    return count;
}

int SearchStrokeTable(const CharTableTexts& texts, const std::string& text)
{
    std::string unit = text.substr(0, 2);
    if (unit.empty() || static_cast<unsigned char>(unit[0]) < 0x7F)
        return 0;
    int at = TextFind(texts.strokeTable, unit);
    return at > 0 ? TableCountAfter(texts.strokeTable, static_cast<size_t>(at - 1), unit.size()) : 0;
}

int SearchKangxiStrokeCount(const CharTableTexts& texts, const std::string& text)
{
    // The empty text would be "found" in every list and count 33: it has no strokes.
    if (text.empty())
        return 0;
    int count = SearchStrokeLists(texts, text);
    if (count >= 1)
        return count;
    std::string traditional = text;
    ConvertToTraditional(traditional);
    return SearchStrokeTable(texts, traditional);
}

std::string SearchReading(const CharTableTexts& texts, const std::string& unit)
{
    const std::string& table = texts.pinyinTable;
    if (int at = TextFind(table, unit)) {
        auto value = TableValueAfter(table, static_cast<size_t>(at - 1), unit.size());
        return table.substr(value.first, value.second);
    }
    return GetPinyin(unit, 1);
}
