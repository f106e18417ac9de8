// Character data and the score (naming/): every lookup against the lookup rule over the shipped tables,
// the five grids against the stroke counts they are made of, and a score out of 100 for any name.
#include <algorithm>
#include <string>

#include "fuzz_support.h"
#include "naming/char_data.h"
#include "naming/name_score.h"
#include "naming/sc_fixture.h"
#include "hanzi/pinyin.h"
#include "hanzi/traditional.h"
#include "runtime/text.h"

namespace {

// The lookup rule written out afresh: a text stands in a table where its bytes occur at a character
// start (the empty text at the start of any non-empty table); a value runs from the end of the match
// to the next comma (no comma is ever a trail byte) or the end of the table.
struct Table {
    std::string text;
    std::vector<bool> start;
    explicit Table(std::string t) : text(std::move(t)), start(text.size(), false)
    {
        for (size_t at : ReferenceStarts(text))
            start[at] = true;
    }
    size_t FirstAt(const std::string& sought) const
    {
        if (text.empty())
            return std::string::npos;
        size_t at = text.find(sought);
        while (at != std::string::npos && !start[at])
            at = text.find(sought, at + 1);
        return at;
    }
    bool Holds(const std::string& sought) const { return FirstAt(sought) != std::string::npos; }
    std::string ValueAfter(size_t end) const
    {
        size_t comma = text.find(',', end);
        return text.substr(end, (comma == std::string::npos ? text.size() : comma) - end);
    }
};

struct Reference {
    std::vector<std::pair<std::string, Table>> elements;
    std::vector<std::pair<int, Table>> lists;
    Table strokes, pinyin;

    explicit Reference(const CharTableTexts& texts) : strokes(texts.strokeTable), pinyin(texts.pinyinTable)
    {
        for (const auto& t : texts.elementTables)
            elements.emplace_back(t.first, Table(t.second));
        for (const auto& l : texts.strokeHandLists)
            lists.emplace_back(l.first, Table(l.second));
    }
    std::string Element(const std::string& text) const
    {
        std::string element;
        for (const auto& t : elements)
            element = t.second.Holds(text) ? t.first : element;
        return element;
    }
    int StrokeTable(const std::string& text) const
    {
        std::string unit = text.substr(0, 2);
        if (unit.empty() || static_cast<unsigned char>(unit[0]) < 0x7F)
            return 0;
        size_t at = strokes.FirstAt(unit);
        return at == std::string::npos ? 0 : static_cast<int>(TextToInt(strokes.ValueAfter(at + unit.size())));
    }
    int Kangxi(const std::string& text) const
    {
        if (text.empty())
            return 0;
        int count = 0;
        for (const auto& l : lists)
            count = l.second.Holds(text) ? l.first : count;
        if (count >= 1)
            return count;
        std::string traditional = text;
        ConvertToTraditional(traditional);
        return StrokeTable(traditional);
    }
    std::string Reading(const std::string& unit) const
    {
        size_t at = pinyin.FirstAt(unit);
        return at == std::string::npos ? GetPinyin(unit, 1) : pinyin.ValueAfter(at + unit.size());
    }
};

struct Shipped {
    Reference reference{ShippedCharTableTexts()};
    ScFixture fixture;
    ThreeTalentsTable talents{&fixture.db};

    // Every title with a luck word, so the three talents take part in the score.
    Shipped() { FUZZ_CHECK(fixture.Create(FuzzScratchPath("bn_fuzz_sc") + ".db", AllScTitles())); }
};

void CheckLookups(const Reference& reference, const std::string& text)
{
    const CharData& data = ShippedCharData();
    FUZZ_CHECK(data.GetCharElement(text) == reference.Element(text));
    FUZZ_CHECK(data.LookupStrokeTable(text) == reference.StrokeTable(text));
    FUZZ_CHECK(data.GetKangxiStrokeCount(text) == reference.Kangxi(text));
    if (text.size() == 2)
        FUZZ_CHECK(data.GetNamePinyin(text, 0) == reference.Reading(text));
}

bool IsScore(const std::string& text)
{
    if (text.empty() || text.size() > 3)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    long long value = TextToInt(text);
    return value >= 0 && value <= 100 && IntToText(value) == text;
}

size_t Dashes(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '-')); }

void CheckName(ThreeTalentsTable& talents, const std::string& name)
{
    FiveGrids grids = ComputeFiveGrids(name);
    size_t length = name.size();
    if (length == 4 || length == 6 || length == 8) {
        int a = GetKangxiStrokeCount(name.substr(0, 2)), b = GetKangxiStrokeCount(name.substr(2, 2));
        int c = length >= 6 ? GetKangxiStrokeCount(name.substr(4, 2)) : 0;
        int d = length == 8 ? GetKangxiStrokeCount(name.substr(6, 2)) : 0;
        // The grids by the length of the name: one surname character and one or two given ones, or two and two.
        int expected[5];  // 天 人 地 外 总
        if (length == 4)
            expected[0] = a + 1, expected[1] = a + b, expected[2] = b + 1, expected[3] = 2, expected[4] = a + b;
        else if (length == 6)
            expected[0] = a + 1, expected[1] = a + b, expected[2] = b + c, expected[3] = c + 1, expected[4] = a + b + c;
        else
            expected[0] = a + b, expected[1] = b + c, expected[2] = c + d, expected[3] = a + d, expected[4] = a + b + c + d;
        const std::string* shown[5] = {&grids.heaven, &grids.person, &grids.earth, &grids.outer, &grids.total};
        for (int g = 0; g < 5; ++g)
            FUZZ_CHECK(*shown[g] == IntToText(expected[g]));
    } else {
        FUZZ_CHECK(grids.total.empty() && grids.heaven.empty() && grids.person.empty());
    }
    std::string score = ScoreName(talents, name);
    FUZZ_CHECK(IsScore(score));

    ScoredNameRow row = MakeScoredNameRow(talents, "1", name);
    FUZZ_CHECK(row.score == score);
    FUZZ_CHECK(row.grids == grids.heaven + "," + grids.person + "," + grids.earth + "," + grids.outer + "," + grids.total);
    std::vector<std::string> chars;
    size_t count = static_cast<size_t>(SplitTextIntoChars(name, chars));
    size_t expectedDashes = count == 0 ? 0 : count - 1;
    FUZZ_CHECK(Dashes(row.elements) == expectedDashes && Dashes(row.strokes) == expectedDashes &&
               Dashes(row.kangxi) == expectedDashes);
    std::string joined;
    for (const std::string& ch : chars)
        joined += ch;
    FUZZ_CHECK(count == 0 || joined == name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Shipped* shipped = new Shipped;
    FuzzInput in(data, size);
    std::string name = in.Text(10);
    CheckName(shipped->talents, name);
    // One- and two-byte texts come from the indexes; a longer one (now and then: its plain search
    // reads whole tables) from the search.
    for (int n = 0; n < 4 && !in.Empty(); ++n)
        CheckLookups(shipped->reference, in.Text(2));
    if (in.Byte() % 8 == 1)
        CheckLookups(shipped->reference, in.Text(6));
    return 0;
}
