#pragma once
// The English-name lists: the lines whose English name starts with the initial of the surname's
// reading.
#include <string>
#include <vector>

// The first byte of the upper-cased reading (GetNamePinyin, join flag 1) of the surname text. A
// reading that starts with a tone-marked vowel (安, ān) gives the first byte of that two-byte
// letter, which no English name starts with; no reading gives the empty text.
std::string EnglishNameInitial(const std::string& surnameText);

// What the list shows in place of names when none matches the surname.
constexpr char kNoEnglishNameFits[] = "没有找到适合的英文名";

// The lines of a list (CR LF between lines) whose first byte is the surname's initial, in order.
std::vector<std::string> MatchEnglishNames(const std::string& list, const std::string& surnameText);
