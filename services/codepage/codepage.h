#pragma once
// Code page 936 (GBK) <-> Unicode, by our own table, the same on every build.
#include <cstddef>
#include <string>
#include <string_view>

// How GBK text divides into characters, the one rule for the code page and every text command: a lead
// byte (0x81-0xFE) followed by a trail byte (0x40-0x7E or 0x80-0xFE) is one two-byte character; every
// other byte is a character by itself (0x80 is the euro sign; a lead byte without a trail byte after
// it stands alone, so it never swallows a quote, '<', '=' or NUL that follows).
inline bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool IsGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
// Byte length (1 or 2) of the character that starts at index (0-based, inside the text).
inline int GbkCharLengthAt(std::string_view text, size_t index)
{
    return index + 1 < text.size() && IsGbkLeadByte(static_cast<unsigned char>(text[index])) &&
                   IsGbkTrailByte(static_cast<unsigned char>(text[index + 1]))
               ? 2
               : 1;
}

// Unicode value of one GBK code: a single byte below 0x80, 0x80 (the euro sign), or a lead and trail
// byte pair. Returns 0 when the code is unassigned.
char32_t GbkCodeToUnicode(unsigned char lead, unsigned char trail);

// GBK bytes of one Unicode value (1 or 2 bytes into out, the count returned), 0 when GBK lacks it.
int UnicodeToGbkCode(char32_t value, char out[2]);

// Whole-text conversions. A byte sequence that is not GBK, or a character that GBK lacks, becomes "?":
// an unassigned two-byte code gives one "?", a lone lead byte gives one "?" and the byte after it is
// read afresh. UTF-8 is read strictly: overlong forms, C0, C1 and F5-FF bytes, surrogates and values
// above U+10FFFF are not characters, and each byte of such a sequence becomes "?".
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
// True when every character of the text is an assigned GBK code (NUL included).
bool IsValidGbk(std::string_view gbk);
// True when the text is well-formed UTF-8 by the strict rule above.
bool IsValidUtf8(std::string_view utf8);
