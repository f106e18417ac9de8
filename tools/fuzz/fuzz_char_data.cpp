// Character data and the score (naming/): the indexes against the plain search of the shipped tables,
// the five grids against the stroke counts they are made of, and a score out of 100 for any name.
#include <algorithm>
#include <string>

#include "fuzz_support.h"
#include "naming/char_data.h"
#include "naming/name_score.h"
#include "naming/sc_fixture.h"
#include "runtime/text.h"

namespace {

struct Shipped {
    CharTableTexts texts = ShippedCharTableTexts();
    ScFixture fixture;
    ThreeTalentsTable talents{&fixture.db};

    // Every title with a luck word, so the three talents take part in the score.
    Shipped() { FUZZ_CHECK(fixture.Create(FuzzScratchPath("bn_fuzz_sc") + ".db", AllScTitles())); }
};

void CheckLookups(const CharTableTexts& texts, const std::string& text)
{
    const CharData& data = ShippedCharData();
    FUZZ_CHECK(data.GetCharElement(text) == SearchCharElement(texts, text));
    FUZZ_CHECK(data.LookupStrokeTable(text) == SearchStrokeTable(texts, text));
    FUZZ_CHECK(data.GetKangxiStrokeCount(text) == SearchKangxiStrokeCount(texts, text));
    if (text.size() == 2)
        FUZZ_CHECK(data.GetNamePinyin(text, 0) == SearchReading(texts, text));
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
    // One lookup an input: the plain search it is compared with reads whole tables.
    CheckLookups(shipped->texts, in.Text(3));
    return 0;
}
