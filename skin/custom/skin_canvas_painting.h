#pragma once
// Composing the drawing board's picture: what lies behind the board, the glow along the chosen edges,
// the background picture clipped to the shape, the divider strip, the gradient, the picture and text
// elements and the two-line border. The picture is kept in the board's backgroundDC (published in
// Wxk_Cj), copied into the owning form's back buffer and shown; hosted controls, the single-element
// redraws and the animation patches start from it.
#include <windows.h>

#include <string>

#include "gdiplus/gdip_types.h"
#include "skin/custom/custom_control_records.h"

class GdipGraphics;
class GdipPath;

// The pixel size of an encoded picture; 0 x 0 when it cannot be read.
SIZE CanvasPictureSize(const std::string& picture);

// The rectangle the shape, the picture and the border occupy, leaving room for the glow; empty for a
// glowEdges value other than 0, 1, 2, 4, 8 and 15.
RectF CanvasInnerRect(int glowEdges, int glowWidth, int width, int height);
// Makes the path the board's shape on the rectangle: a rectangle, a rounded rectangle (corner size
// glowWidth), an ellipse, or nothing for the divider strips.
void MakeCanvasShapePath(GdipPath& path, const SkinCanvasRecord& board, const RectF& area);

// Everything the board draws over its background, onto an open surface of width x height whose
// pixels already hold what lies behind the board.
void ComposeSkinCanvas(const SkinCanvasRecord& board, GdipGraphics& surface, int width, int height);
// The glow: a radial fade from glowColour, shown only in bands along the chosen edges.
void PaintCanvasGlow(const SkinCanvasRecord& board, GdipGraphics& surface, int width, int height);
// Fills the path with the two-colour gradient of gradientMode.
void PaintCanvasGradient(const SkinCanvasRecord& board, GdipGraphics& surface, const GdipPath& path);
// The background picture placed by imageMode in the inner rectangle; the caller sets the clip.
void DrawCanvasPicture(const SkinCanvasRecord& board, GdipGraphics& surface, const RectF& inner);

// Full recomposition from WM_PAINT: a new backgroundDC (over a plain memory context for a board no
// skinned form owns), Wxk_Cj, the composition, the form's back buffer, the window and the animation
// patches. Records the client size.
void PaintSkinCanvas(HWND window);
// Renews the rectangle r (client pixels) of the kept picture: what lies behind the board there and the
// background picture, nothing else, and the animation patches over it. With `blit` the rectangle is
// copied to the window too. False when the window is no board or has no kept picture yet.
bool RecomposeCanvasRect(HWND window, const RECT& r, bool blit = false);
// Copies the rectangle r of the kept picture onto the window, its visible children clipped out.
void BlitCanvasRect(HWND window, const SkinCanvasRecord& board, const RECT& r);

// Elements (skin_canvas_elements.cpp). With a surface: drawn onto it (a full composition). Without:
// single-element redraw: the element's rectangle of the kept picture renewed, the element drawn there
// and the rectangle copied to the window; nothing before the first recomposition. The element number
// must be valid.
void DrawImageElement(HWND window, int element, GdipGraphics* surface = nullptr);
void DrawTextElement(HWND window, int element, GdipGraphics* surface = nullptr);
void PaintImageElement(const CanvasImageElement& element, GdipGraphics& surface);
void PaintTextElement(const CanvasTextElement& element, GdipGraphics& surface);
