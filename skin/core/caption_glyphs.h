#pragma once
// The pictures of the standard caption buttons: PNG with an alpha channel, 26 x 18 pixels, the close
// button 38 x 18 (made by tools/gen/gen_caption_glyphs.py).
#include <string>

enum class CaptionGlyph { Help, Menu, Minimize, Maximize, Restore, Close };

std::string CaptionGlyphPng(CaptionGlyph glyph);
