#pragma once
// The constant name lists of the generators (tables/name_lists.cpp, made by
// tools/gen/gen_name_lists.py). GBK texts.

// The characters random given names are drawn from: 540 and 431 two-byte characters, each once.
extern const char* const BoyNameChars;
extern const char* const GirlNameChars;
// BoyNameChars followed by GirlNameChars (971 characters, 778 distinct): the nickname characters.
extern const char* const NicknameChars;

// English given names in alphabetical order, one line each: the name in ASCII letters, then its
// transliteration, origin and meaning in Chinese. Lines end in CR LF; the girls' list has no line
// break after its last line.
extern const char* const BoyEnglishNames;
extern const char* const GirlEnglishNames;
