#include "skin/core/caption_glyphs.h"

#include <cstddef>

#include "skin/core/caption_glyphs.inc"

namespace {

template <size_t N>
std::string Bytes(const unsigned char (&data)[N])
{
    return std::string(reinterpret_cast<const char*>(data), N);
}

}  // namespace

std::string CaptionGlyphPng(CaptionGlyph glyph)
{
    switch (glyph) {
    case CaptionGlyph::Help:
        return Bytes(kCaptionGlyphHelpPng);
    case CaptionGlyph::Menu:
        return Bytes(kCaptionGlyphMenuPng);
    case CaptionGlyph::Minimize:
        return Bytes(kCaptionGlyphMinimizePng);
    case CaptionGlyph::Maximize:
        return Bytes(kCaptionGlyphMaximizePng);
    case CaptionGlyph::Restore:
        return Bytes(kCaptionGlyphRestorePng);
    case CaptionGlyph::Close:
        return Bytes(kCaptionGlyphClosePng);
    }
    return {};
}
