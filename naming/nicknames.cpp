#include "nicknames.h"

#include <chrono>

#include "char_data.h"
#include "char_draw.h"
#include "name_lists.h"
#include "name_score.h"
#include "runtime/random.h"
#include "runtime/text.h"

namespace {

constexpr int kNicknameDrawBound = 1307;

// A seed for every draw: the clock alone repeats within one tick of a coarse clock, which would put
// one character in every row, so a count of the calls is mixed in.
unsigned long long NextNicknameSeed()
{
    static std::atomic<unsigned long long> calls{0};
    unsigned long long z = static_cast<unsigned long long>(
                               std::chrono::high_resolution_clock::now().time_since_epoch().count()) +
                           0x9E3779B97F4A7C15ULL * (calls.fetch_add(1) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

std::vector<std::string> NicknameRowCells(const NicknameRow& row)
{
    return {row.serial, row.nickname, row.reading, row.elements, row.strokes, row.meaning, row.luck};
}

NicknameRow MakeNicknameRow(const std::string& serial, const std::string& nickname,
                            const std::vector<std::string>& counted, int surnameStrokes)
{
    NicknameRow row;
    row.serial = serial;
    row.nickname = nickname;
    row.reading = GetNamePinyin(nickname, 1);
    if (counted.empty())
        return row;
    std::vector<std::string> elements;
    std::vector<std::string> counts;
    int sum = 0;
    for (const std::string& ch : counted) {
        const int count = GetKangxiStrokeCount(ch);
        elements.push_back(GetCharElement(ch));
        counts.push_back(IntToText(count));
        sum += count;
    }
    row.elements = TextJoin(elements, " ");
    row.strokes = counted.size() == 1 ? counts[0] : TextJoin(counts, "+") + "=" + IntToText(sum);
    const int total = sum + surnameStrokes;
    row.meaning = GetNumberMeaningText(total);
    std::string number = IntToText(total);
    row.luck = GetNumberLuck(number);
    return row;
}

std::string MakeNickname(NicknamePattern pattern, const std::string& a, std::vector<std::string>& counted)
{
    switch (pattern) {
    case NicknamePattern::AA: counted = {a, a}; return a + a;
    case NicknamePattern::XiaoA: counted = {"小", a}; return "小" + a;
    case NicknamePattern::AEr: counted = {a, "儿"}; return a + "儿";
    }
    return std::string();
}

int NicknameRowCount(NicknamePattern pattern)
{
    return pattern == NicknamePattern::AA ? 360 : 300;
}

std::string PickRandomNicknameChar()
{
    static const std::string chars = NicknameChars;
    SeedRandom(NextNicknameSeed());
    return TwoBytesAt(chars, DrawnBytePosition(RandomInRange(1, kNicknameDrawBound)));
}

bool ProduceNicknameRows(NicknamePattern pattern, int surnameStrokes, const std::atomic<bool>& stop,
                         const RowBatchSink& sink)
{
    RowBatcher batcher(sink);
    const int rows = NicknameRowCount(pattern);
    for (int i = 1; i <= rows; ++i) {
        if (stop.load())
            return false;
        std::vector<std::string> counted;
        const std::string nickname = MakeNickname(pattern, PickRandomNicknameChar(), counted);
        if (!batcher.Add(NicknameRowCells(MakeNicknameRow(IntToText(i), nickname, counted, surnameStrokes))))
            return false;
    }
    return batcher.Finish();
}

NicknameRow CustomTestRow(const std::string& text, int surnameStrokes)
{
    std::vector<std::string> counted;
    const size_t n = text.size();
    if (n == 0)
        counted = {};
    else if (n <= 2)
        counted = {text};
    else if (n <= 4)
        counted = {TextLeft(text, 2), TextRight(text, 2)};
    else if (n <= 6)
        counted = {TextLeft(text, 2), TextMid(text, 3, 2), TextRight(text, 2)};
    return MakeNicknameRow("1", text, counted, surnameStrokes);
}
