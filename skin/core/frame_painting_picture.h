#pragma once
// The frame's background picture as a layer of pixels: what GDI+ draws for a picture, placement and
// client size does not change from one paint to the next, so it is drawn once over a transparent
// picture, kept, and laid over the frame at the next paints with GDI+'s own blend. Under Wine GDI+
// resamples a drawn picture pixel by pixel, which costs more than the rest of the frame together.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class GdipGraphics;
struct DibPixels;

// The pixels that the drawing left not fully transparent, in the smallest rectangle holding them.
struct PictureLayer {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;  // non-premultiplied, the top row first
};

// The layer of the picture's bytes placed by the image mode on a client of the size of `surface`: at
// the first call for these, `surface` is made transparent and `draw` draws on it with GDI+, and the
// layer is cut out and kept for the next calls (the last few layers are kept); the surface is left as
// drawn. Drawing on the frame's own pixels, which are painted over next, costs no new memory. With
// `anchoredTopLeft` the drawing does not depend on the client size (a picture at its natural size at
// (0, 0)): a layer lying wholly inside the client, clear of its right and bottom edges, serves every
// client it lies inside in the same way. 0 when the surface cannot be drawn on.
std::shared_ptr<const PictureLayer> FramePictureLayer(const std::string& picture, int mode, bool anchoredTopLeft,
                                                      const DibPixels& surface,
                                                      const std::function<void(GdipGraphics&)>& draw);
// Lays the layer over the frame's pixels: pixel for pixel what GDI+ gives drawing it there.
void LayPictureLayer(const DibPixels& pixels, const PictureLayer& layer);
