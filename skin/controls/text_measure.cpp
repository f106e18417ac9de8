#include "skin/controls/text_measure.h"

#include <windows.h>

#include <cmath>

#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"

int MeasureTextWidth(const std::string& text, const std::string& face, int emSize, int style)
{
    HDC dc = CreateCompatibleDC(nullptr);
    float width = 0;
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(dc);
        // GDI+ under Wine makes a font of size 0; the platform's does not.
        GdipFont font;
        if (emSize > 0 && font.CreateFontFromName(face, static_cast<float>(emSize), style))
            width = graphics.MeasureString(text, font, RectF{}).width;
    }
    DeleteDC(dc);
    return static_cast<int>(std::floor(width)) + 1;
}
