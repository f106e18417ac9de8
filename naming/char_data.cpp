#include "char_data.h"

#include "char_tables.h"
#include "hanzi/pinyin.h"
#include "hanzi/traditional.h"
#include "runtime/text.h"

namespace {

// The indexes cover the two-byte units whose lead byte is 0x80 or more: only those can be found at
// a character boundary of a table as a whole character.
constexpr size_t kUnitSlots = 0x8000;
constexpr uint32_t kNoReading = 0xFFFFFFFFu;

bool IsIndexedUnit(const std::string& text)
{
    return text.size() == 2 && static_cast<unsigned char>(text[0]) >= 0x80;
}

size_t SlotOf(unsigned char lead, unsigned char trail) { return static_cast<size_t>(lead - 0x80) << 8 | trail; }

size_t SlotOf(const std::string& unit)
{
    return SlotOf(static_cast<unsigned char>(unit[0]), static_cast<unsigned char>(unit[1]));
}

// Calls visit(index, slot) at every character boundary of the table that starts a two-byte unit with
// a lead byte of 0x80 or more, walking as the text search does.
template <class Visit>
void ForEachUnit(const std::string& table, Visit visit)
{
    for (size_t i = 0; i < table.size(); i += GbkCharLengthAt(table, i)) {
        unsigned char lead = static_cast<unsigned char>(table[i]);
        if (lead >= 0x80 && i + 1 < table.size())
            visit(i, SlotOf(lead, static_cast<unsigned char>(table[i + 1])));
    }
}

// The text between a match (0-based index and length) and the next comma, or the end of the table.
std::pair<size_t, size_t> ValueAfter(const std::string& table, size_t matchIndex, size_t matchLength)
{
    size_t start = matchIndex + matchLength;
    int comma = TextFind(table, ",", static_cast<int>(start) + 1);
    size_t end = comma > 0 ? static_cast<size_t>(comma - 1) : table.size();
    return {start, end > start ? end - start : 0};
}

int CountAfter(const std::string& table, size_t matchIndex, size_t matchLength)
{
    auto value = ValueAfter(table, matchIndex, matchLength);
    return static_cast<int>(TextToInt(table.substr(value.first, value.second)));
}

std::string JoinWithDashes(const std::vector<std::string>& values)
{
    std::string out;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += '-';
        out += values[i];
    }
    return out;
}

}  // namespace

int SplitTextIntoChars(const std::string& text, std::vector<std::string>& chars)
{
    chars.clear();
    if (TextRemoveBlanks(text).empty())
        return 0;
    for (size_t i = 0; i < text.size();) {
        size_t length = static_cast<unsigned char>(text[i]) >= 123 && i + 1 < text.size() ? 2 : 1;
        chars.push_back(text.substr(i, length));
        i += length;
    }
    return static_cast<int>(chars.size());
}

struct CharData::Indexes {
    std::vector<int8_t> element = std::vector<int8_t>(kUnitSlots, -1);  // table number, -1 none
    std::vector<int32_t> strokes = std::vector<int32_t>(kUnitSlots, 0);
    std::vector<int32_t> kangxi = std::vector<int32_t>(kUnitSlots, 0);  // the whole Kangxi answer
    std::vector<uint32_t> readingAt = std::vector<uint32_t>(kUnitSlots, kNoReading);
    std::vector<uint32_t> readingLength = std::vector<uint32_t>(kUnitSlots, 0);
};

CharData::CharData(CharTableTexts texts) : texts_(std::move(texts)), indexes_(new Indexes)
{
    Indexes& ix = *indexes_;
    for (size_t t = 0; t < texts_.elementTables.size(); ++t)
        ForEachUnit(texts_.elementTables[t].second, [&](size_t, size_t slot) { ix.element[slot] = static_cast<int8_t>(t); });

    // A unit is looked up at its first occurrence.
    std::vector<bool> seen(kUnitSlots, false);
    const std::string& strokeTable = texts_.strokeTable;
    ForEachUnit(strokeTable, [&](size_t at, size_t slot) {
        if (!seen[slot]) {
            seen[slot] = true;
            ix.strokes[slot] = CountAfter(strokeTable, at, 2);
        }
    });
    const std::string& pinyinTable = texts_.pinyinTable;
    ForEachUnit(pinyinTable, [&](size_t at, size_t slot) {
        if (ix.readingAt[slot] == kNoReading) {
            auto value = ValueAfter(pinyinTable, at, 2);
            ix.readingAt[slot] = static_cast<uint32_t>(value.first);
            ix.readingLength[slot] = static_cast<uint32_t>(value.second);
        }
    });

    for (const auto& list : texts_.strokeHandLists)
        ForEachUnit(list.second, [&](size_t, size_t slot) { ix.kangxi[slot] = list.first; });
    // Units no list holds count by the stroke table, on their traditional form.
    for (size_t slot = 0; slot < kUnitSlots; ++slot) {
        if (ix.kangxi[slot] >= 1)
            continue;
        std::string unit{static_cast<char>(0x80 + (slot >> 8)), static_cast<char>(slot & 0xFF)};
        ConvertToTraditional(unit);
        ix.kangxi[slot] = ix.strokes[SlotOf(unit)];
    }
}

CharData::~CharData() = default;

std::string CharData::GetCharElement(const std::string& ch) const
{
    if (IsIndexedUnit(ch)) {
        int table = indexes_->element[SlotOf(ch)];
        return table < 0 ? std::string() : texts_.elementTables[table].first;
    }
    std::string element;
    for (const auto& table : texts_.elementTables)
        if (TextFind(table.second, ch) > 0)
            element = table.first;
    return element;
}

int CharData::KangxiByLists(const std::string& text) const
{
    int count = 0;
    for (const auto& list : texts_.strokeHandLists)
        if (TextFind(list.second, text) > 0)
            count = list.first;
    return count;
}

int CharData::GetKangxiStrokeCount(const std::string& ch) const
{
    // The empty text would be "found" in every list and count 33: it has no strokes.
    if (ch.empty())
        return 0;
    if (IsIndexedUnit(ch))
        return indexes_->kangxi[SlotOf(ch)];
    int count = KangxiByLists(ch);
    if (count >= 1)
        return count;
    std::string traditional = ch;
    ConvertToTraditional(traditional);
    return LookupStrokeTable(traditional);
}

int CharData::LookupStrokeTable(const std::string& ch) const
{
    std::string unit = ch.substr(0, 2);
    if (unit.empty() || static_cast<unsigned char>(unit[0]) < 0x7F)
        return 0;
    if (IsIndexedUnit(unit))
        return indexes_->strokes[SlotOf(unit)];
    int at = TextFind(texts_.strokeTable, unit);
    return at > 0 ? CountAfter(texts_.strokeTable, static_cast<size_t>(at - 1), unit.size()) : 0;
}

std::string CharData::Reading(const std::string& unit) const
{
    const std::string& table = texts_.pinyinTable;
    if (IsIndexedUnit(unit)) {
        size_t slot = SlotOf(unit);
        if (indexes_->readingAt[slot] != kNoReading)
            return table.substr(indexes_->readingAt[slot], indexes_->readingLength[slot]);
    } else if (int at = TextFind(table, unit)) {
        auto value = ValueAfter(table, static_cast<size_t>(at - 1), unit.size());
        return table.substr(value.first, value.second);
    }
    return GetPinyin(unit, 1);
}

std::string CharData::GetNamePinyin(const std::string& name, int joinFlag) const
{
    std::string out;
    for (size_t i = 0; i + 1 < name.size(); i += 2) {
        out += Reading(name.substr(i, 2));
        if (joinFlag == 1)
            out += ' ';
    }
    return out;
}

std::string CharData::GetNameElements(const std::string& name) const
{
    std::vector<std::string> chars;
    SplitTextIntoChars(name, chars);
    for (std::string& ch : chars)
        ch = GetCharElement(ch);
    return JoinWithDashes(chars);
}

std::string CharData::GetNameStrokeCounts(const std::string& name) const
{
    std::vector<std::string> chars;
    SplitTextIntoChars(name, chars);
    for (std::string& ch : chars)
        ch = IntToText(LookupStrokeTable(ch));
    return JoinWithDashes(chars);
}

std::string CharData::GetNameKangxiStrokes(const std::string& name) const
{
    std::vector<std::string> chars;
    SplitTextIntoChars(name, chars);
    for (std::string& ch : chars)
        ch = IntToText(GetKangxiStrokeCount(ch));
    return JoinWithDashes(chars);
}

namespace {

CharTableTexts ShippedTexts()
{
    CharTableTexts texts;
    for (int t = 0; t < kElementTableCount; ++t)
        texts.elementTables.emplace_back(ElementTableNames[t], ElementCharTables[t]);
    for (int l = 0; l < kStrokeHandListCount; ++l)
        texts.strokeHandLists.emplace_back(StrokeHandListCounts[l], StrokeHandLists[l]);
    texts.strokeTable.assign(StrokeTable, StrokeTableSize);
    texts.pinyinTable.assign(PinyinTable, PinyinTableSize);
    return texts;
}

}  // namespace

const CharData& ShippedCharData()
{
    static const CharData data(ShippedTexts());  // initialised once, thread-safe
    return data;
}

std::string GetCharElement(const std::string& ch) { return ShippedCharData().GetCharElement(ch); }
int GetKangxiStrokeCount(const std::string& ch) { return ShippedCharData().GetKangxiStrokeCount(ch); }
int LookupStrokeTable(const std::string& ch) { return ShippedCharData().LookupStrokeTable(ch); }
std::string GetNamePinyin(const std::string& name, int joinFlag) { return ShippedCharData().GetNamePinyin(name, joinFlag); }
std::string GetNameElements(const std::string& name) { return ShippedCharData().GetNameElements(name); }
std::string GetNameStrokeCounts(const std::string& name) { return ShippedCharData().GetNameStrokeCounts(name); }
std::string GetNameKangxiStrokes(const std::string& name) { return ShippedCharData().GetNameKangxiStrokes(name); }
