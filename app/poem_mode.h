#pragma once
// Poem-mode naming: the characters picked from poems become a pool sorted by element, without the
// characters already used in the run, and every ordered pair of pool characters becomes a given name.
// Texts GBK.
#include <array>
#include <string>
#include <vector>

class CharData;
class TextSet;

// The element pools in the order 金, 木, 水, 火, 土 (the element boxes of the poem page).
using ElementPools = std::array<std::string, 5>;
extern const char* const kPoolElements[5];

// Appends every character of the text (blanks removed first) to the pool of its element, in picking
// order, when adding it to seen succeeds; characters without an element and characters already in
// seen (from an earlier run or from another producer of the run's texts) are skipped.
void SortPoemCharsByElement(const std::string& text, const CharData& chars, TextSet& seen, ElementPools& pools);

// The pools joined in their order: the pool poem mode pairs.
std::string JoinElementPools(const ElementPools& pools);

// The given names of one run, in listing order. The pool text is added to seen; when it was there
// already the pairs come from cleanedPool (the pool reduced to its Chinese characters with a reading)
// instead. For each two-byte unit of that text, as first character, every unit as second character,
// itself included: a pool of n characters gives n x n names.
std::vector<std::string> PoemModeGivenNames(const std::string& pool, const std::string& cleanedPool, TextSet& seen);
