#pragma once
// The two halves of a message parameter, as the window procedures read them: the low word without a
// sign, the high word with one. Callers that need a signed x from a point in lParam sign-extend the low
// word themselves (static_cast<int16_t>).
#include <windows.h>

#include <cstdint>

// v AND 0xFFFF: 0..65535.
inline int LowWord(LONG_PTR v)
{
    return static_cast<int>(static_cast<uint32_t>(v) & 0xFFFFu);
}

// The upper 16 of the low 32 bits, sign copied in: -32768..32767.
inline int HighWord(LONG_PTR v)
{
    return static_cast<int>(static_cast<int32_t>(static_cast<uint32_t>(v)) >> 16);
}
