#pragma once
// Text commands on GBK texts. A Chinese character is two bytes; lengths and positions count bytes,
// and positions start at 1 (0 means "not found").
//
// The search rule used by every find, replace and split here: compare bytes exactly, and move from
// character to character as the code page divides the text (codepage.h: a lead byte 0x81-0xFE with a
// trail byte after it is two bytes, every other byte one, 0x80 included), so a two-byte character is
// matched only at a character boundary. An empty sought text is found at the start of any non-empty
// text.
#include <string>
#include <utility>
#include <vector>

#include "codepage/codepage.h"  // GbkCharLengthAt: the character boundaries

// Position (from 1) of the first occurrence of sought at or after byte startPos, or 0.
int TextFind(const std::string& text, const std::string& sought, int startPos = 1);
// The same, comparing ASCII letters without regard to case.
int TextFindNoCase(const std::string& text, const std::string& sought, int startPos = 1);
inline bool TextContains(const std::string& text, const std::string& sought) { return TextFind(text, sought) > 0; }

// Parts of a text by byte counts; out-of-range counts are clamped.
std::string TextLeft(const std::string& text, int count);
std::string TextRight(const std::string& text, int count);
std::string TextMid(const std::string& text, int startPos, int count);

// Replaces every occurrence (character-boundary search); an empty sought text changes nothing.
std::string TextReplaceAll(const std::string& text, const std::string& sought, const std::string& replacement,
                           bool ignoreAsciiCase = false);
// Applies the pairs of sought text and replacement in order; each replaces every occurrence in the
// result of the pair before, ASCII letters compared without regard to case. An empty sought text
// changes nothing.
std::string ReplaceSubstrings(std::string text, const std::vector<std::pair<std::string, std::string>>& pairs);

// Pieces between delimiters: an empty piece before a delimiter stays, an empty piece after the last
// delimiter is dropped; the empty text gives no pieces; an empty delimiter gives the whole text.
std::vector<std::string> TextSplit(const std::string& text, const std::string& delimiter = ",");
std::string TextJoin(const std::vector<std::string>& pieces, const std::string& separator);

// Blanks are the ASCII space and the full-width blank (A1 A1).
std::string TextRemoveBlanks(const std::string& text);
std::string TextTrim(const std::string& text);
std::string TextTrimLeft(const std::string& text);
std::string TextTrimRight(const std::string& text);

// ASCII letters only; the bytes of Chinese characters are never touched.
std::string TextToUpper(const std::string& text);
std::string TextToLower(const std::string& text);
// ASCII 0x21-0x7E and the space <-> their full-width GBK forms (A3 A1-A3 FE, A1 A1), by position in
// the block: "$" becomes A3 A4 and "~" A3 FE, which GBK shows as the full-width yuan sign and macron.
// TextToHalfWidth undoes TextToFullWidth exactly for any text that holds no full-width form itself.
std::string TextToFullWidth(const std::string& text);
std::string TextToHalfWidth(const std::string& text);
std::string TextRepeat(const std::string& text, int times);

// Numbers as text: plain decimal, no sign for non-negative values, no padding.
std::string IntToText(long long value);
// Integral values print without decimals; others with up to 15 significant digits.
std::string NumberToText(double value);
// Reads a leading decimal number (blanks before it skipped); the fraction is cut off; a text that
// does not start with a number gives 0.
long long TextToInt(const std::string& text);
double TextToNumber(const std::string& text);
