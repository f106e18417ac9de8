#include "traditional.h"

#include <algorithm>

#include "traditional_table.inc"

namespace {

unsigned short TraditionalCode(unsigned short simplified)
{
    const auto* begin = std::begin(kTraditionalPairs);
    const auto* end = std::end(kTraditionalPairs);
    const auto* found = std::lower_bound(begin, end, simplified,
                                         [](const unsigned short (&pair)[2], unsigned short key) { return pair[0] < key; });
    return found != end && (*found)[0] == simplified ? (*found)[1] : simplified;
}

}  // namespace

int ConvertToTraditional(std::string& text)
{
    int replaced = 0;
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x81 || i + 1 >= text.size()) {
            ++i;
            continue;
        }
        unsigned short code = static_cast<unsigned short>(lead << 8 | static_cast<unsigned char>(text[i + 1]));
        unsigned short traditional = TraditionalCode(code);
        if (traditional != code) {
            text[i] = static_cast<char>(traditional >> 8);
            text[i + 1] = static_cast<char>(traditional & 0xFF);
            ++replaced;
        }
        i += 2;
    }
    return replaced;
}
