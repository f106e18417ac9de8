#pragma once
// The constant number tables (tables/number_tables.cpp, made by tools/gen/gen_number_tables.py).

// The luck classes of the numbers: each list holds its numbers as two-digit texts separated by the
// full-width comma. The lookup searches them in this order and a later list wins (55 is 半吉).
constexpr int kLuckClassCount = 5;
extern const char* const NumberLuckWords[kLuckClassCount];  // 大吉 半吉 吉 凶 大凶
extern const char* const NumberLuckLists[kLuckClassCount];

// The text of each number 1 to 81 at index number - 1: "（" + name + "）" + a verse of four phrases.
// Some numbers share one text.
constexpr int kNumberTextCount = 81;
extern const char* const NumberMeaningTexts[kNumberTextCount];
