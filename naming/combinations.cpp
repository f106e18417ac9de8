#include "combinations.h"

#include <algorithm>
#include <iterator>

#include "name_score.h"
#include "runtime/text.h"
#include "services/codepage/codepage.h"
#include "services/hanzi/pinyin.h"

std::string CleanCombinationPool(const std::string& pool)
{
    // Walked character by character, so a separator is only ever matched as a whole character.
    static const char* const separators[] = {"，", "。", "；", "？"};
    std::string cleaned;
    for (size_t at = 0; at < pool.size() && cleaned.size() < 2 * kMostCombinationPoolChars;) {
        const size_t length = static_cast<size_t>(GbkCharLengthAt(pool, at));
        const std::string character = pool.substr(at, length);
        at += length;
        const bool separator = std::any_of(std::begin(separators), std::end(separators),
                                           [&](const char* mark) { return character == mark; });
        if (length == 2 && !separator && !TextRemoveBlanks(character).empty())
            cleaned += character;
    }
    return cleaned;
}

std::string BuildCombinationLines(const std::string& surname, const std::string& cleanedPool)
{
    std::vector<std::string> units;
    for (size_t at = 0; at < cleanedPool.size(); at += 2)
        units.push_back(cleanedPool.substr(at, 2));
    std::string lines;
    lines.reserve(units.size() * units.size() * (surname.size() + 6));
    for (const std::string& x : units)
        for (const std::string& y : units)
            lines.append(surname).append(x).append(y).append("\r\n");
    return lines;
}

std::vector<std::string> SplitCandidateLines(const std::string& lines)
{
    // Byte by byte: a line that ends in half a character (a pool with a one-byte character in it)
    // must not swallow the line break after it. CR is never part of a GBK character.
    std::vector<std::string> names;
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find("\r\n", start);
        if (end == std::string::npos)
            end = lines.size();
        names.push_back(lines.substr(start, end - start));
        start = end + 2;
    }
    return names;
}

bool ProduceCombinationRows(const std::vector<std::string>& names, ThreeTalentsTable& talents,
                            const std::atomic<bool>& stop, const RowBatchSink& sink)
{
    RowBatcher batcher(sink);
    for (size_t i = 0; i < names.size(); ++i) {
        if (stop.load())
            return false;
        if (!batcher.Add(ScoredNameRowCells(MakeScoredNameRow(talents, IntToText(static_cast<long long>(i + 1)), names[i]))))
            return false;
    }
    return batcher.Finish();
}

bool ProducePoolCombinationRows(const std::string& surname, const std::string& cleanedPool, ThreeTalentsTable& talents,
                                const std::atomic<bool>& stop, const RowBatchSink& sink)
{
    RowBatcher batcher(sink);
    long long serial = 0;
    for (size_t x = 0; x + 1 < cleanedPool.size(); x += 2) {
        for (size_t y = 0; y + 1 < cleanedPool.size(); y += 2) {
            if (stop.load())
                return false;
            const std::string name = surname + cleanedPool.substr(x, 2) + cleanedPool.substr(y, 2);
            if (!batcher.Add(ScoredNameRowCells(MakeScoredNameRow(talents, IntToText(++serial), name))))
                return false;
        }
    }
    return batcher.Finish();
}

void ExtractChineseChars(const std::string& text, std::string& result)
{
    const std::string wide = TextToFullWidth(text);
    const size_t end = TextTrimRight(wide).size();
    size_t at = 0;
    do {
        const std::string unit = wide.substr(at < wide.size() ? at : wide.size(), 2);
        if (GetPinyinCount(unit) > 0)
            result += TextToHalfWidth(unit);
        at += 2;
    } while (at < end);
}
