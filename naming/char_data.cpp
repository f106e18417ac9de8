#include "char_data.h"

#include "char_tables.h"
#include "hanzi/pinyin.h"
#include "hanzi/traditional.h"
#include "runtime/text.h"

namespace {

// One slot per one- and two-byte text: a two-byte text at lead << 8 | trail, a one-byte text after
// them. Any such text can only be found at a character boundary of a table, so one walk over each
// table's boundaries finds where every one of them stands.
constexpr size_t kPairSlots = 0x10000;
constexpr size_t kSlots = kPairSlots + 0x100;
constexpr uint32_t kNoReading = 0xFFFFFFFFu;

size_t PairSlot(unsigned char lead, unsigned char trail) { return static_cast<size_t>(lead) << 8 | trail; }
size_t ByteSlot(unsigned char b) { return kPairSlots + b; }

// The slot of a one- or two-byte text; false for any other length.
bool SlotOf(const std::string& text, size_t& slot)
{
    if (text.size() == 2)
        slot = PairSlot(static_cast<unsigned char>(text[0]), static_cast<unsigned char>(text[1]));
    else if (text.size() == 1)
        slot = ByteSlot(static_cast<unsigned char>(text[0]));
    else
        return false;
    return true;
}

std::string TextOfSlot(size_t slot)
{
    if (slot >= kPairSlots)
        return std::string(1, static_cast<char>(slot - kPairSlots));
    return {static_cast<char>(slot >> 8), static_cast<char>(slot & 0xFF)};
}

// Calls visit(index, length, slot) for the one-byte and the two-byte text that start at every
// character boundary of the table, walking as the text search does.
template <class Visit>
void ForEachBoundary(const std::string& table, Visit visit)
{
    for (size_t i = 0; i < table.size(); i += GbkCharLengthAt(table, i)) {
        unsigned char lead = static_cast<unsigned char>(table[i]);
        visit(i, size_t{1}, ByteSlot(lead));
        if (i + 1 < table.size())
            visit(i, size_t{2}, PairSlot(lead, static_cast<unsigned char>(table[i + 1])));
    }
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
    std::vector<int8_t> element = std::vector<int8_t>(kSlots, -1);  // table number, -1 none
    std::vector<int32_t> strokes = std::vector<int32_t>(kSlots, 0);
    std::vector<int32_t> kangxi = std::vector<int32_t>(kSlots, 0);  // the whole Kangxi answer
    std::vector<uint32_t> readingAt = std::vector<uint32_t>(kSlots, kNoReading);
    std::vector<uint32_t> readingLength = std::vector<uint32_t>(kSlots, 0);
};

CharData::CharData(CharTableTexts texts) : texts_(std::move(texts)), indexes_(new Indexes)
{
    Indexes& ix = *indexes_;
    for (size_t t = 0; t < texts_.elementTables.size(); ++t)
        ForEachBoundary(texts_.elementTables[t].second,
                        [&](size_t, size_t, size_t slot) { ix.element[slot] = static_cast<int8_t>(t); });

    // A text is looked up at its first occurrence.
    std::vector<bool> seen(kSlots, false);
    const std::string& strokeTable = texts_.strokeTable;
    ForEachBoundary(strokeTable, [&](size_t at, size_t length, size_t slot) {
        if (!seen[slot]) {
            seen[slot] = true;
            ix.strokes[slot] = TableCountAfter(strokeTable, at, length);
        }
    });
    const std::string& pinyinTable = texts_.pinyinTable;
    ForEachBoundary(pinyinTable, [&](size_t at, size_t length, size_t slot) {
        if (ix.readingAt[slot] == kNoReading) {
            auto value = TableValueAfter(pinyinTable, at, length);
            ix.readingAt[slot] = static_cast<uint32_t>(value.first);
            ix.readingLength[slot] = static_cast<uint32_t>(value.second);
        }
    });

    for (const auto& list : texts_.strokeHandLists)
        ForEachBoundary(list.second, [&](size_t, size_t, size_t slot) { ix.kangxi[slot] = list.first; });
    // Texts no list holds count by the stroke table, on their traditional form (of the same length).
    for (size_t slot = 0; slot < kSlots; ++slot) {
        if (ix.kangxi[slot] >= 1)
            continue;
        std::string text = TextOfSlot(slot);
        ConvertToTraditional(text);
        size_t traditional = slot;
        if (SlotOf(text, traditional) && static_cast<unsigned char>(text[0]) >= 0x7F)
            ix.kangxi[slot] = ix.strokes[traditional];
    }
}

CharData::~CharData() = default;

std::string CharData::GetCharElement(const std::string& ch) const
{
    size_t slot;
    if (!SlotOf(ch, slot))
        return SearchCharElement(texts_, ch);
    int table = indexes_->element[slot];
    return table < 0 ? std::string() : texts_.elementTables[table].first;
}

int CharData::GetKangxiStrokeCount(const std::string& ch) const
{
    size_t slot;
    return SlotOf(ch, slot) ? indexes_->kangxi[slot] : SearchKangxiStrokeCount(texts_, ch);
}

int CharData::GetKangxiStrokeCount(char lead, char trail) const
{
    return indexes_->kangxi[PairSlot(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))];
}

int CharData::LookupStrokeTable(const std::string& ch) const
{
    size_t slot;
    if (!SlotOf(ch.substr(0, 2), slot) || static_cast<unsigned char>(ch[0]) < 0x7F)
        return 0;
    return indexes_->strokes[slot];
}

std::string CharData::Reading(const std::string& unit) const
{
    size_t slot;
    if (!SlotOf(unit, slot))
        return SearchReading(texts_, unit);
    if (indexes_->readingAt[slot] == kNoReading)
        return GetPinyin(unit, 1);
    return texts_.pinyinTable.substr(indexes_->readingAt[slot], indexes_->readingLength[slot]);
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

CharTableTexts ShippedCharTableTexts()
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

const CharData& ShippedCharData()
{
    static const CharData data(ShippedCharTableTexts());  // initialised once, thread-safe
    return data;
}

std::string GetCharElement(const std::string& ch) { return ShippedCharData().GetCharElement(ch); }
int GetKangxiStrokeCount(const std::string& ch) { return ShippedCharData().GetKangxiStrokeCount(ch); }
int LookupStrokeTable(const std::string& ch) { return ShippedCharData().LookupStrokeTable(ch); }
std::string GetNamePinyin(const std::string& name, int joinFlag) { return ShippedCharData().GetNamePinyin(name, joinFlag); }
std::string GetNameElements(const std::string& name) { return ShippedCharData().GetNameElements(name); }
std::string GetNameStrokeCounts(const std::string& name) { return ShippedCharData().GetNameStrokeCounts(name); }
std::string GetNameKangxiStrokes(const std::string& name) { return ShippedCharData().GetNameKangxiStrokes(name); }
