#include "char_draw.h"

#include "name_lists.h"
#include "runtime/random.h"

int DrawnBytePosition(int draw)
{
    return draw % 2 == 0 ? draw + 1 : draw + 10;
}

int DrawBytePosition(int charCount)
{
    return DrawnBytePosition(RandomInRange(1, charCount));
}

std::string TwoBytesAt(const std::string& text, int position)
{
    if (position < 1 || static_cast<size_t>(position) > text.size())
        return std::string();
    return text.substr(static_cast<size_t>(position) - 1, 2);
}

std::string DrawCharFromText(const std::string& text)
{
    return TwoBytesAt(text, DrawBytePosition(static_cast<int>(text.size() / 2)));
}

std::string PickRandomBoyChar()
{
    static const std::string chars = BoyNameChars;
    return DrawCharFromText(chars);
}

std::string PickRandomGirlChar()
{
    static const std::string chars = GirlNameChars;
    return DrawCharFromText(chars);
}
