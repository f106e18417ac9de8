#pragma once
// The run-wide state of the name generators. The texts belong to the user-interface thread: a
// worker thread takes copies of what it needs when its run starts and never reads them later.
#include <string>

#include "runtime/textset.h"

extern std::string g_surname;          // the surname as the last generator or window set it
extern std::string g_lastFullName;     // the candidate of the latest generation tick
extern std::string g_lastScoreTag;     // and its score tag
extern std::string g_fixedNameChar;    // the fixed character of the latest three-character tick
extern std::string g_combinationPool;  // the pool text of the latest combination run
extern std::string g_lastCheckedPool;  // what the latest element-pool choice gave (element_pools.h)
extern int g_loopIndex;                // left behind by the favourites and poem-mode loops
extern bool g_stopGeneration;          // set by 停止; the poem-mode loop reads and resets it

// Every name and character produced in this run, by any generator: adding a present text fails.
// Nothing removes texts while the program runs.
extern TextSet g_seenTexts;

// Gives all of the above their start values (empty texts, 0, false, an empty set).
void ResetGenerationState();
