#pragma once
// Readings of GB2312 Chinese characters (lead byte 0xB0-0xF7, trail byte 0xA1-0xFE) in plain
// lower-case letters without tone marks (ü is written v), the common reading first, at most three;
// readings that differ only in tone count once. Any other text has no reading.
#include <string>
#include <string_view>

// Number of readings of a two-byte character, 0 to 3.
int GetPinyinCount(std::string_view character);
// Reading number index (from 1) of the character; the empty text when it does not exist.
std::string GetPinyin(std::string_view character, int index = 1);
