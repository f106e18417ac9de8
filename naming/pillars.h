#pragma once
// The eight characters of a birth: the elements of the stems and branches of its four pillars, how
// often each of the five elements occurs among them, and which do not occur. Every list, count and
// missing-element list runs in the order 金 木 水 火 土. Texts are GBK.
#include "calendar/calendar.h"

#include <array>
#include <string>
#include <vector>

// 60 entries separated by CRLF (478 bytes, no CRLF after the last): entry n belongs to sexagenary pair
// n (1 甲子 ... 60 癸亥) and reads the element of its stem, ",", the element of its branch, ",".
extern const char StemBranchElementTable[];

// The five elements in their fixed order.
extern const std::array<const char*, 5> kElementOrder;

// Counts of 金, 木, 水, 火, 土, in that order.
using ElementCounts = std::array<int, 5>;

// StemBranchElementTable split at CRLF: exactly 60 entries, element n - 1 is entry n.
std::vector<std::string> SplitStemBranchElementTable();

// Number 1-60 of a stem-branch text, found by asking the calendar service for the names of 1 to 60
// in turn and comparing bytes; 0 when no name equals the text (an empty text included).
int FindSexagenaryNumber(const std::string& stemBranch);

// The table entries of the year, month, day and hour pillar in this order; a pillar without a number
// (or whose number the split table does not reach) adds nothing.
std::string GetPillarElements(const FourPillars& pillars, const std::vector<std::string>& splitTable);

// Occurrences of each element character in a pillar element text.
ElementCounts CountPillarElements(const std::string& elementText);

// The elements whose count is 0, in the element order.
std::vector<std::string> MissingElements(const ElementCounts& counts);

// Occurrences of sought in text with the runtime's forward search (character boundaries, optionally
// ASCII case ignored), each search resuming right after the previous match. An empty sought text
// counts 0: it would be "found" at every position without ever moving on.
int CountTextOccurrences(const std::string& text, const std::string& sought, bool ignoreCase = false);

// The whole analysis of a birth's pillars, steps 2 to 4 (the caller obtains the pillars of the
// date-time its window uses).
struct PillarAnalysis {
    std::string elementText;
    ElementCounts counts{};
    std::vector<std::string> missing;
};
PillarAnalysis AnalysePillars(const FourPillars& pillars, const std::vector<std::string>& splitTable);
