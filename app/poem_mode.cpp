#include "app/poem_mode.h"

#include "naming/char_data.h"
#include "runtime/text.h"
#include "runtime/textset.h"

const char* const kPoolElements[5] = {"金", "木", "水", "火", "土"};

void SortPoemCharsByElement(const std::string& text, const CharData& chars, TextSet& seen, ElementPools& pools)
{
    std::vector<std::string> characters;
    SplitTextIntoChars(TextRemoveBlanks(text), characters);
    for (const std::string& character : characters) {
        std::string element = chars.GetCharElement(character);
        for (size_t e = 0; e < pools.size(); ++e) {
            if (element == kPoolElements[e]) {
                if (seen.Add(character))
                    pools[e] += character;
                break;
            }
        }
    }
}

std::string JoinElementPools(const ElementPools& pools)
{
    std::string pool;
    for (const std::string& p : pools)
        pool += p;
    return pool;
}

std::vector<std::string> PoemModeGivenNames(const std::string& pool, const std::string& cleanedPool, TextSet& seen)
{
    const std::string& source = seen.Add(pool) ? pool : cleanedPool;
    std::vector<std::string> names;
    for (size_t first = 0; first + 1 < source.size(); first += 2)
        for (size_t second = 0; second + 1 < source.size(); second += 2)
            names.push_back(source.substr(first, 2) + source.substr(second, 2));
    return names;
}
