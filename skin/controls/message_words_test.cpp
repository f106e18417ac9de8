// The halves of message parameters.
#include <gtest/gtest.h>

#include "skin/controls/message_words.h"

TEST(MessageWordsTest, HalvesOfAValue)
{
    struct Case {
        uint32_t value;
        int low;
        int high;
    };
    const Case cases[] = {
        {0xFFFF0005u, 5, -1},
        {0x80000000u, 0, -32768},
        {0x0001FFFFu, 65535, 1},
        {0x7FFF0000u, 0, 32767},
        {0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LowWord(c.value), c.low) << std::hex << c.value;
        EXPECT_EQ(HighWord(c.value), c.high) << std::hex << c.value;
    }
    // A mouse position left of and above the window, as lParam carries it.
    const uint32_t packed = (static_cast<uint32_t>(static_cast<uint16_t>(-3)) << 16) | static_cast<uint16_t>(-7);
    EXPECT_EQ(static_cast<int16_t>(LowWord(packed)), -7);
    EXPECT_EQ(HighWord(packed), -3);
}
