// Text commands (runtime/text.h): find, replace, split, trim, case, width and number reading against
// plain rules over the code page's characters.
#include <algorithm>
#include <climits>

#include "fuzz_support.h"
#include "runtime/text.h"

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchAt(const std::string& text, size_t at, const std::string& sought, bool noCase)
{
    if (at + sought.size() > text.size())
        return false;
    for (size_t k = 0; k < sought.size(); ++k)
        if (noCase ? Lower(text[at + k]) != Lower(sought[k]) : text[at + k] != sought[k])
            return false;
    return true;
}

// The first character start (of the walk from startPos) where sought stands, from 1; 0 when none.
int ReferenceFind(const std::string& text, const std::string& sought, int startPos, bool noCase)
{
    size_t from = startPos < 1 ? 0 : static_cast<size_t>(startPos - 1);
    if (text.empty() || from >= text.size())
        return 0;
    for (size_t at : ReferenceStarts(text, from))
        if (MatchAt(text, at, sought, noCase))
            return static_cast<int>(at + 1);
    return 0;
}

void CheckFindReplaceSplit(const std::string& text, const std::string& sought, const std::string& replacement,
                           int startPos, bool noCase)
{
    int found = noCase ? TextFindNoCase(text, sought, startPos) : TextFind(text, sought, startPos);
    FUZZ_CHECK(found == ReferenceFind(text, sought, startPos, noCase));

    // Replacing walks on from the end of each match.
    std::string replaced;
    if (sought.empty()) {
        replaced = text;
    } else {
        for (size_t at = 0; at < text.size();) {
            if (MatchAt(text, at, sought, noCase)) {
                replaced += replacement;
                at += sought.size();
            } else {
                size_t length = ReferenceCharLength(text, at);
                replaced.append(text, at, length);
                at += length;
            }
        }
    }
    FUZZ_CHECK(TextReplaceAll(text, sought, replacement, noCase) == replaced);
    FUZZ_CHECK(TextReplaceAll(text, sought, sought) == text);

    // Split and join give the text back, but for a delimiter at its very end.
    std::vector<std::string> pieces = TextSplit(text, sought);
    if (text.empty()) {
        FUZZ_CHECK(pieces.empty());
    } else if (sought.empty()) {
        FUZZ_CHECK(pieces.size() == 1 && pieces[0] == text);
    } else {
        std::string joined = TextJoin(pieces, sought);
        FUZZ_CHECK(joined == text || joined + sought == text);
        for (const std::string& piece : pieces)
            FUZZ_CHECK(piece.size() <= text.size());
    }
}

std::string ReferenceRemoveBlanksOnce(const std::string& text)
{
    std::string kept;
    for (size_t at : ReferenceStarts(text))
        if (!ReferenceBlankAt(text, at))
            kept.append(text, at, ReferenceCharLength(text, at));
    return kept;
}

void CheckBlanksAndCase(const std::string& text)
{
    std::vector<size_t> starts = ReferenceStarts(text);
    std::string kept;
    size_t firstKept = text.size(), endKept = 0;
    for (size_t n = 0; n < starts.size(); ++n) {
        size_t length = ReferenceCharLength(text, starts[n]);
        if (!ReferenceBlankAt(text, starts[n])) {
            kept.append(text, starts[n], length);
            firstKept = firstKept == text.size() ? starts[n] : firstKept;
            endKept = starts[n] + length;
        }
    }
    // Removal goes on until no blank is left: a lone lead byte that meets the byte after a removed
    // blank changes the characters that follow.
    std::string removed = kept;
    for (std::string again = ReferenceRemoveBlanksOnce(removed); again != removed;
         again = ReferenceRemoveBlanksOnce(removed))
        removed = again;
    FUZZ_CHECK(TextRemoveBlanks(text) == removed);
    FUZZ_CHECK(TextRemoveBlanks(removed) == removed);
    FUZZ_CHECK(TextTrim(text) == (kept.empty() ? std::string() : text.substr(firstKept, endKept - firstKept)));
    FUZZ_CHECK(TextTrimRight(text) == text.substr(0, endKept));

    // Case changes touch single-byte characters only.
    std::string upper = TextToUpper(text), lower = TextToLower(text);
    FUZZ_CHECK(upper.size() == text.size() && lower.size() == text.size());
    std::vector<bool> single(text.size(), false);
    for (size_t at : starts)
        single[at] = ReferenceCharLength(text, at) == 1;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool letter = single[i] && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
        FUZZ_CHECK(letter ? Lower(upper[i]) == Lower(c) && lower[i] == Lower(c) : upper[i] == c && lower[i] == c);
    }
    FUZZ_CHECK(TextToLower(upper) == lower);
}

void CheckWidth(const std::string& text)
{
    // Full width walks a lead byte together with the byte after it; without a full-width form of its
    // own, the text comes back from half width unchanged.
    bool holdsFullWidth = false;
    for (size_t at = 0; at < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[at]);
        if (lead >= 0x81 && lead <= 0xFE && at + 1 < text.size()) {
            unsigned char trail = static_cast<unsigned char>(text[at + 1]);
            holdsFullWidth |= (lead == 0xA1 && trail == 0xA1) || (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE);
            at += 2;
        } else {
            ++at;
        }
    }
    std::string full = TextToFullWidth(text);
    if (!holdsFullWidth)
        FUZZ_CHECK(TextToHalfWidth(full) == text);
    FUZZ_CHECK(TextToHalfWidth(text).size() <= text.size());
}

void CheckNumbers(const std::string& text, long long value)
{
    FUZZ_CHECK(TextToInt(IntToText(value)) == value);
    // Plain integers against wide arithmetic that saturates at the ends of long long.
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    size_t digitsStart = i;
    __int128 magnitude = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        magnitude = magnitude * 10 + (text[i++] - '0');
        if (magnitude > static_cast<__int128>(LLONG_MAX) + 1)
            magnitude = static_cast<__int128>(LLONG_MAX) + 1;
    }
    bool plainEnd = i == text.size() || !(text[i] == '.' || text[i] == 'e' || text[i] == 'E');
    if (i > digitsStart && plainEnd) {
        __int128 expected = negative ? -magnitude : magnitude;
        expected = expected > LLONG_MAX ? LLONG_MAX : expected;
        FUZZ_CHECK(TextToInt(text) == static_cast<long long>(expected));
    }
    double number = TextToNumber(text);
    FUZZ_CHECK(number == number);  // never NaN
    FUZZ_CHECK(!NumberToText(number).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    std::string text = in.Text(200);
    std::string sought = in.Text(8);
    std::string replacement = in.Text(8);
    int startPos = static_cast<int>(in.IntInRange(-2, 210));
    bool noCase = in.Flag();
    long long value = in.LongLong();
    CheckFindReplaceSplit(text, sought, replacement, startPos, noCase);
    CheckBlanksAndCase(text);
    CheckWidth(text);
    CheckNumbers(text, value);
    int count = static_cast<int>(in.IntInRange(-3, 300));
    FUZZ_CHECK(TextLeft(text, count).size() <= text.size());
    FUZZ_CHECK(TextMid(text, startPos, count).size() <= text.size());
    FUZZ_CHECK(TextRight(text, count) == (count <= 0 ? std::string() : text.substr(text.size() - std::min<size_t>(text.size(), count))));
    return 0;
}
