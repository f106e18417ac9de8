// Birth pillars and the element tally (naming/pillars.h): sexagenary numbers only for whole names,
// occurrences counted as a plain forward walk does, and every valid birth tallying eight elements.
#include "calendar/calendar.h"
#include "fuzz_support.h"
#include "naming/pillars.h"

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Matches at character starts, each search going on right after the previous match.
int ReferenceCount(const std::string& text, const std::string& sought, bool noCase)
{
    if (sought.empty())
        return 0;
    int count = 0;
    for (size_t at = 0; at < text.size();) {
        bool match = at + sought.size() <= text.size();
        for (size_t k = 0; match && k < sought.size(); ++k)
            match = noCase ? Lower(text[at + k]) == Lower(sought[k]) : text[at + k] == sought[k];
        if (match) {
            ++count;
            at += sought.size();
        } else {
            at += ReferenceCharLength(text, at);
        }
    }
    return count;
}

void CheckAnalysis(const FourPillars& pillars, bool allValid)
{
    static const std::vector<std::string> table = SplitStemBranchElementTable();
    PillarAnalysis analysis = AnalysePillars(pillars, table);
    int sum = 0;
    for (size_t i = 0; i < kElementOrder.size(); ++i) {
        FUZZ_CHECK(analysis.counts[i] == ReferenceCount(analysis.elementText, kElementOrder[i], false));
        sum += analysis.counts[i];
    }
    std::vector<std::string> missing;
    for (size_t i = 0; i < kElementOrder.size(); ++i)
        if (analysis.counts[i] == 0)
            missing.push_back(kElementOrder[i]);
    FUZZ_CHECK(analysis.missing == missing);
    int named = 0;
    for (const std::string* pillar : {&pillars.year, &pillars.month, &pillars.day, &pillars.hour})
        named += FindSexagenaryNumber(*pillar) > 0;
    FUZZ_CHECK(sum == 2 * named);
    FUZZ_CHECK(!allValid || sum == 8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    std::string text = in.Text(24), sought = in.Text(6);
    bool noCase = in.Flag();
    FUZZ_CHECK(CountTextOccurrences(text, sought, noCase) == ReferenceCount(text, sought, noCase));

    int n = FindSexagenaryNumber(text);
    FUZZ_CHECK(n >= 0 && n <= 60);
    FUZZ_CHECK(n == 0 ? NayinName(text).empty() : StemBranchName(n) == text);

    // Pillars of names, of numbers and of stray texts.
    FourPillars pillars;
    for (std::string* pillar : {&pillars.year, &pillars.month, &pillars.day, &pillars.hour})
        *pillar = in.Flag() ? StemBranchName(static_cast<int>(in.IntInRange(0, 61))) : in.Text(6);
    CheckAnalysis(pillars, false);

    // A birth in the calendar's range has four named pillars.
    int y = static_cast<int>(in.IntInRange(1901, 2100)), mo = static_cast<int>(in.IntInRange(1, 12));
    int d = static_cast<int>(in.IntInRange(1, 28)), h = static_cast<int>(in.IntInRange(0, 23));
    int mi = static_cast<int>(in.IntInRange(0, 59));
    FourPillars birth;
    FUZZ_CHECK(FourPillarsAt(y, mo, d, h, mi, birth));
    CheckAnalysis(birth, true);
    return 0;
}
