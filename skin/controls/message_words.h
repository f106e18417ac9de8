#pragma once
// The halves of a message parameter, and the float point the gradient brushes take.
#include <cstdint>

#include "gdiplus/gdip_types.h"

// The low 16 bits, 0..65535. Mouse coordinates are signed: read them as static_cast<int16_t>.
inline int LowWord(uint32_t value)
{
    return static_cast<int>(value & 0xFFFF);
}

// The high 16 bits with the sign carried in, -32768..32767.
inline int HighWord(uint32_t value)
{
    return static_cast<int16_t>(value >> 16);
}

inline PointF MakePoint(float x, float y)
{
    return PointF{x, y};
}
