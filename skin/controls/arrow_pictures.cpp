#include "skin/controls/arrow_pictures.h"

namespace {

#include "skin/controls/arrow_pictures.inc"

template <size_t N>
std::string Bytes(const unsigned char (&data)[N])
{
    return std::string(reinterpret_cast<const char*>(data), N);
}

}  // namespace

std::string PngArrowUp7x4()
{
    return Bytes(kPngArrowUp7x4);
}

std::string PngArrowDown7x4()
{
    return Bytes(kPngArrowDown7x4);
}

std::string PngArrowLeft4x7()
{
    return Bytes(kPngArrowLeft4x7);
}

std::string PngArrowRight4x7()
{
    return Bytes(kPngArrowRight4x7);
}
