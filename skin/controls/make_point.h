#pragma once
// A GDI+ point from two coordinates, for the end points of gradient brushes.
#include "gdiplus/gdip_types.h"

inline PointF MakePoint(float x, float y)
{
    return PointF{x, y};
}
