#include "pinyin.h"

#include "gb2312_pinyin_table.inc"

namespace {

constexpr int kTrailsPerLead = 0xFE - 0xA1 + 1;

// The table row of a GB2312 character, or nullptr.
const unsigned short* ReadingsOf(std::string_view character)
{
    if (character.size() != 2)
        return nullptr;
    unsigned char lead = static_cast<unsigned char>(character[0]);
    unsigned char trail = static_cast<unsigned char>(character[1]);
    if (lead < 0xB0 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE)
        return nullptr;
    return kGb2312Readings[(lead - 0xB0) * kTrailsPerLead + (trail - 0xA1)];
}

}  // namespace

int GetPinyinCount(std::string_view character)
{
    const unsigned short* readings = ReadingsOf(character);
    int count = 0;
    while (readings && count < 3 && readings[count] != 0)
        ++count;
    return count;
}

std::string GetPinyin(std::string_view character, int index)
{
    if (index < 1 || index > GetPinyinCount(character))
        return std::string();
    return kSyllables[ReadingsOf(character)[index - 1] - 1];
}
