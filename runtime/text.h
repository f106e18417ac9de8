#pragma once
// Text commands on GBK texts. A Chinese character is two bytes; lengths and positions count bytes,
// and positions start at 1 (0 means "not found").
//
// The search rule used by every find, replace and split here: compare bytes exactly, and move one byte
// past a byte below 0x80 and two bytes past a byte of 0x80 or more, so a two-byte character is matched
// only at a character boundary. An empty sought text is found at the start of any non-empty text.
#include <string>
#include <utility>
#include <vector>

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
// ASCII 0x21-0x7E and the space <-> their full-width GBK forms (A3 A1-A3 FE, A1 A1).
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

// Byte length of the character that starts at index (0-based) under the search rule: 2 for a byte of
// 0x80 or more with a byte after it, else 1.
inline int GbkCharLengthAt(const std::string& text, size_t index)
{
    return static_cast<unsigned char>(text[index]) >= 0x80 && index + 1 < text.size() ? 2 : 1;
}
