#pragma once
// Colours, rounded paths and glowing text: the small operations every skin painter uses.
#include <windows.h>

#include <cstdint>
#include <string>

#include "gdiplus/gdip_types.h"

class GdipGraphics;
class GdipPath;

// A COLORREF (red in the low byte; its top byte is ignored) with an alpha as a GDI+ ARGB value.
uint32_t MakeArgbColor(COLORREF colour, BYTE alpha = 255);

// Adds one closed rounded rectangle to the path. `corner` is the width and height of each corner's arc
// box (clamped to 1..100), not its radius. The path must hold a native path; the result is that of
// closing the figure.
bool AddRoundRectPath(GdipPath& path, float x, float y, float width, float height, int corner);

RectF MakeRect(float x, float y, float width = 0, float height = 0);

// How DrawTextGdiPlus lays out its text; the defaults are the skin's usual caption text.
struct GlowTextStyle {
    int blurFactor = 4;
    std::string fontName = "宋体";
    int fontStyle = 0;  // GDI+ FontStyle bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    float fontSize = 12.0f;
    int alignment = 0;      // 0 near, 1 centre, 2 far
    int lineAlignment = 0;  // the same, vertically
    bool wrap = true;
    bool ellipsis = false;
};

// Draws the text in the layout box with a soft glow: a blurred copy in the glow colour, four faint
// copies around the text, and the text itself one pixel right of and below the box's corner.
void DrawTextGdiPlus(GdipGraphics& graphics, const std::string& text, const RectF& layout, COLORREF textColour,
                     COLORREF glowColour, const GlowTextStyle& style = GlowTextStyle());
// The box the text's lines take, laid out in the layout box by the style's font and rules as
// DrawTextGdiPlus lays them out (before its one-pixel shift); zero when it cannot be measured.
RectF MeasureGlowText(const std::string& text, const RectF& layout, const GlowTextStyle& style = GlowTextStyle());
// The text alone, in the style's font and layout rules, without a glow.
void DrawUnglowedText(GdipGraphics& graphics, const std::string& text, const RectF& layout, COLORREF textColour,
                      const GlowTextStyle& style = GlowTextStyle());

// How DrawSkinText lays out its text; the defaults are those of the title and the custom controls.
struct SkinTextStyle {
    float glowOffset = 1.0f;
    std::string fontName = "宋体";
    int fontStyle = 0;  // GDI+ FontStyle bits
    float fontSize = 13.0f;
    int alignment = 0;
    int lineAlignment = 0;
    bool wrap = true;
    bool ellipsis = false;
};

// Draws the text in the layout box ringed by its glow: four copies in the glow colour at alpha 150,
// moved by the offset right, left, down and up, under the text itself.
void DrawSkinText(GdipGraphics& graphics, const std::string& text, const RectF& layout, COLORREF textColour,
                  COLORREF glowColour, const SkinTextStyle& style = SkinTextStyle());
