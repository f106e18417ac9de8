#pragma once
// Drawing one character from a text with the program's shared random generator. The rule: with n
// the number of two-byte units of the text, draw p in [1, n] (the generator swaps a reversed range,
// so an empty text draws p in [0, 1]); an even p becomes p + 1, an odd p becomes p + 10; the
// character is the two bytes at byte position p (fewer or none at or past the end). So the first
// character is never drawn, and of a long text only about its first half can be.
#include <string>

// The byte position (from 1) that the draw p leads to.
int DrawnBytePosition(int draw);
// A byte position drawn for a text of charCount two-byte units.
int DrawBytePosition(int charCount);
// The two bytes of text at byte position position (from 1); fewer or none at or past the end.
std::string TwoBytesAt(const std::string& text, int position);

// One character drawn from text by the rule.
std::string DrawCharFromText(const std::string& text);
// One character of BoyNameChars or GirlNameChars.
std::string PickRandomBoyChar();
std::string PickRandomGirlChar();
