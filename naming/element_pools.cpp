#include "element_pools.h"

#include <unordered_set>
#include <vector>

#include "char_data.h"

const char* const PoolElements[kPoolElementCount] = {"金", "木", "水", "火", "土"};

void SortCharsByElement(const std::string& list, ElementPools& pools)
{
    std::vector<std::string> chars;
    SplitTextIntoChars(list, chars);
    std::unordered_set<std::string> placed;
    for (const std::string& ch : chars) {
        const std::string element = GetCharElement(ch);
        if (element.empty() || !placed.insert(ch).second)
            continue;
        for (int i = 0; i < kPoolElementCount; ++i)
            if (element == PoolElements[i])
                pools.text[i] += ch;
    }
}

std::string GetCheckedElementChars(const ElementChecks& checked, const ElementPools& pools, std::string& previous)
{
    for (int i = 0; i < kPoolElementCount; ++i)
        if (checked[i])
            previous = pools.text[i];
    return previous;
}
