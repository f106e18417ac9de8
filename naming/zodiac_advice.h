#pragma once
// Advice on the radicals to prefer and to avoid in a name, by the year pillar of the birth. GBK.
#include <string>
#include <vector>

// 60 entries, each followed by "|" (10,410 bytes): entry n belongs to sexagenary pair n (1 甲子 ...
// 60 癸亥) and reads the pair's name, "年，" and the advice of its branch's zodiac animal, with "<br>"
// marking line breaks.
extern const char ZodiacRadicalAdviceTable[];

// The table split at "|": exactly 60 entries, element n - 1 is entry n.
std::vector<std::string> SplitZodiacRadicalAdviceTable();
