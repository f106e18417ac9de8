#pragma once
// Small drawing routines shared by the control painters, the caption buttons and the custom controls.
#include <windows.h>

#include <cstdint>
#include <string>

#include "gdiplus/gdip_types.h"

class GdipPath;

// Adds an open figure to the path: the left side up from the bottom, the rounded top-left corner, the
// top side, the rounded top-right corner and the right side down. Each corner arc's box is d x d; the
// bottom edge is not part of the figure (a fill closes it, a stroke leaves it open).
void AddTopRoundedRectPath(GdipPath& path, int x, int y, int width, int height, int d);

// The neutral overlays of the painters: white and black at an alpha (its low byte), as ARGB.
inline uint32_t OverlayWhite(int alpha)
{
    return (static_cast<uint32_t>(alpha & 0xFF) << 24) | 0xFFFFFFu;
}
inline uint32_t OverlayBlack(int alpha)
{
    return static_cast<uint32_t>(alpha & 0xFF) << 24;
}

// A GDI+ ARGB value as a COLORREF (red and blue bytes exchanged, top byte 0), or a COLORREF back to
// ARGB order; the former top byte, the alpha, goes to `alpha`.
COLORREF SwapRedBlue(uint32_t colour, BYTE& alpha);

class GdipFont;
class GdipGraphics;

// Geometry of bars that run along a track and across it (track bars, scroll bars): a horizontal bar
// takes (along, across) as (x, y), a vertical one swaps the two axes.
struct BarAxes {
    bool vertical;
    RectF Rect(float along, float across, float length, float thickness) const
    {
        return vertical ? RectF{across, along, thickness, length} : RectF{along, across, length, thickness};
    }
    PointF Point(float along, float across) const
    {
        return vertical ? PointF{across, along} : PointF{along, across};
    }
};

// Makes the path hold one closed rounded rectangle (AddRoundRectPath: `corner` is the side of each
// corner's arc box).
void MakeRoundRectPath(GdipPath& path, float x, float y, float width, float height, int corner);

// A straight line of a linear gradient: colour `from` at point `start`, `to` at point `end`, ARGB.
struct LinearGradient {
    PointF start;
    PointF end;
    uint32_t from = 0;
    uint32_t to = 0;
};

// One layer of a control painter: the path filled with one solid ARGB colour, or with a linear
// gradient, or stroked with a pen of width 1; brush and pen are made and deleted here.
void FillPathSolid(GdipGraphics& graphics, const GdipPath& path, uint32_t argb);
void FillPathGradient(GdipGraphics& graphics, const GdipPath& path, const LinearGradient& gradient);
void StrokePath(GdipGraphics& graphics, const GdipPath& path, uint32_t argb);
// Fills the path with a path-gradient brush made from it: `centre` at its centre running out to
// `surround` along its outline; focus scales (the share of the path filled with the centre colour)
// only when one above 0 is given, across and down (focusY, when not below 0) apart.
void FillPathRadial(GdipGraphics& graphics, const GdipPath& path, uint32_t centre, uint32_t surround,
                    float focus = 0, float focusY = -1);

// The soft trough of track bars and progress bars: a rounded outline (0, 0, w - 1, h - 1, corner 5) in
// black at `outlineAlpha`, and inside it a face (1, 1, w - 2, h - 2, `faceCorner`) fading from white
// at alpha 160 at the top (the left of a vertical bar) to black at alpha 30 at the far edge.
void DrawSoftTrough(GdipGraphics& graphics, float width, float height, bool vertical, BYTE outlineAlpha,
                    int faceCorner);

// The white veil laid over control backgrounds: white at `alpha` over the rectangle. At alpha 0 it
// changes no pixel and nothing is drawn.
void FillVeil(GdipGraphics& graphics, float x, float y, float width, float height, int alpha);

// Strokes the path `count` times in the colour at `alpha`, with pen widths 1 to count: an edge most
// opaque along the path that fades outward. Count 0 draws nothing.
void DrawSoftOutline(GdipGraphics& graphics, const GdipPath& path, int count, COLORREF colour, BYTE alpha);

// A control's caption: the text in its font (face, em size, style bits, GDI+ unit) and colour,
// aligned in the layout box (0 near, 1 centre, 2 far) with the format flags and trimming given. An
// empty text draws nothing.
struct CaptionStyle {
    std::string face;
    float size = 12;
    int style = 0;
    int unit = 0;
    COLORREF colour = 0;
    int alignment = 0;
    int lineAlignment = 0;
    int formatFlags = 0;  // GDI+ StringFormatFlags (0x1000 no wrap, 0x2000 whole lines only)
    int trimming = -1;    // GDI+ StringTrimming (3 ellipsis); -1 keeps the format's default
    int hotkeyPrefix = 0; // GDI+ HotkeyPrefix (1 shows "&N" as an underlined N, as buttons do)
};
void DrawCaption(GdipGraphics& graphics, const std::string& text, const RectF& layout, const CaptionStyle& style);
// The same in a font made once from the style (MakeCaptionFont) for several captions of one paint:
// under Wine making the font costs about as much as drawing the text.
bool MakeCaptionFont(GdipFont& font, const CaptionStyle& style);
void DrawCaptionInFont(GdipGraphics& graphics, const std::string& text, const RectF& layout, const CaptionStyle& style,
                       const GdipFont& font);

class GdipBitmap;

// The mean colour of the pixels of the DIB selected into a memory context: what a control's text is
// drawn over. White for a context without such a DIB.
COLORREF MeanColourOf(HDC memoryDc);
// The same over a rectangle of it (clipped to the picture); white when nothing of it lies inside.
COLORREF MeanColourOfArea(HDC memoryDc, const RECT& area);
// The same for a bitmap (any format GetDIBits reads); white when it cannot be read.
COLORREF MeanColourOfBitmap(HBITMAP bitmap);
// Text over a background: the wanted colour while it stands out from the background (a contrast ratio
// of at least 4.5), else black or white, whichever stands out more: white on a dark theme.
COLORREF ReadableTextColour(COLORREF wanted, COLORREF background);
// The halo around text of that colour: white around dark text, black around light text.
COLORREF HaloColourFor(COLORREF text);

// Attaches the graphics to the pixels of the DIB selected into a memory context (through `surface`,
// which must outlive the graphics), after making every pixel opaque, so that translucent layers blend
// over the background as over a screen whatever alpha the background was copied with. Without a DIB
// the graphics draws through the context.
void AttachOpaqueGraphics(GdipGraphics& graphics, GdipBitmap& surface, HDC memoryDc);
// Makes the pixels of `area` in the memory context's 32-bpp DIB opaque again after GDI drew there
// (GDI leaves alpha 0), for a graphics attached already; nothing for a context without such a DIB.
void MakeAreaOpaque(HDC memoryDc, const RECT& area);
