#pragma once
// The element pools of the random-name generator: the characters of a list sorted by element into
// five texts (the main window's boxes 编辑框金, 编辑框木, 编辑框水, 编辑框火, 编辑框土), and the pool that
// the checked element radios choose.
#include <array>
#include <string>

constexpr int kPoolElementCount = 5;
// The pools and radio groups in their order: 金 木 水 火 土.
extern const char* const PoolElements[kPoolElementCount];

struct ElementPools {
    std::array<std::string, kPoolElementCount> text;
};
using ElementChecks = std::array<bool, kPoolElementCount>;

// Appends every character of list that has an element to the pool of its element, each character
// once per call. Pools are never emptied here: a second call appends the list again.
void SortCharsByElement(const std::string& list, ElementPools& pools);

// The pool of the last checked element (in the order 金 木 水 火 土). With nothing checked, what the
// previous choice gave; previous keeps the result for the next call.
std::string GetCheckedElementChars(const ElementChecks& checked, const ElementPools& pools, std::string& previous);
