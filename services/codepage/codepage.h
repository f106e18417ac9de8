#pragma once
// Code page 936 (GBK) <-> Unicode, by our own table, the same on every build.
#include <string>
#include <string_view>

// Unicode value of one GBK code: a single byte below 0x80, 0x80 (the euro sign), or a lead and trail
// byte pair. Returns 0 when the code is unassigned.
char32_t GbkCodeToUnicode(unsigned char lead, unsigned char trail);

// GBK bytes of one Unicode value (1 or 2 bytes into out, the count returned), 0 when GBK lacks it.
int UnicodeToGbkCode(char32_t value, char out[2]);

// Whole-text conversions. A byte sequence that is not GBK, or a character that GBK lacks, becomes "?".
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
// True when every byte sequence of the text is an assigned GBK code.
bool IsValidGbk(std::string_view gbk);
