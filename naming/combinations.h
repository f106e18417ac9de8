#pragma once
// The combination mode: every name made of the surname and an ordered pair of the user's own pool
// characters, and the scored rows of those names. Also ExtractChineseChars, which keeps the Chinese
// characters of a text.
#include <string>
#include <vector>

#include "row_batches.h"

class ThreeTalentsTable;

// The most pool characters a run combines: 256 give 65,536 names, the rows a list can take in a
// few seconds; a longer pool is read no further.
inline constexpr size_t kMostCombinationPoolChars = 256;

// The pool's two-byte characters in order, repeats included, the first kMostCombinationPoolChars of
// them: the separators "，", "。", "；", "？", the blanks and every single byte (ASCII commas and
// letters, "\", line breaks, a lead byte without its trail byte) are dropped, so the pool never
// yields half a character.
std::string CleanCombinationPool(const std::string& pool);

// The candidate lines for a cleaned pool: for each two-byte unit X of the pool and within that each
// unit Y, the line surname + X + Y + CR LF. A pool of n units gives n x n lines.
std::string BuildCombinationLines(const std::string& surname, const std::string& cleanedPool);

// The names of the lines, split at every CR LF, also after half a character (a trailing line break
// gives no empty line).
std::vector<std::string> SplitCandidateLines(const std::string& lines);

// Scores the names and hands their ScoredNameRow cells on in order, in batches (RowBatcher), serials
// from 1. Stops early,
// returning false, when stop is set or the sink refuses a batch.
bool ProduceCombinationRows(const std::vector<std::string>& names, ThreeTalentsTable& talents,
                            const std::atomic<bool>& stop, const RowBatchSink& sink);

// Makes the names of a cleaned pool in the order of BuildCombinationLines, one at a time, scores them
// and hands their rows on in batches as ProduceCombinationRows does; nothing of the n x n names
// exists at once but the batch.
bool ProducePoolCombinationRows(const std::string& surname, const std::string& cleanedPool, ThreeTalentsTable& talents,
                                const std::atomic<bool>& stop, const RowBatchSink& sink);

// Appends to result every two-byte unit of the text (ASCII taken as its full-width form) that has a
// reading in the GB2312 pinyin service, in order and repeats included.
void ExtractChineseChars(const std::string& text, std::string& result);
