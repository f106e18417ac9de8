#pragma once
// Pictures of what a person sees: the screen's pixels inside the rectangles of the given windows,
// saved as PNG. The journeys run alone (no other test shows a window meanwhile), so the screen holds
// exactly the program's windows.
#include <windows.h>

#include <string>
#include <vector>

namespace journey {

// Starts and stops GDI+ for the runner's whole life.
class PictureEncoder {
public:
    PictureEncoder();
    ~PictureEncoder();
    PictureEncoder(const PictureEncoder&) = delete;
    PictureEncoder& operator=(const PictureEncoder&) = delete;
    bool Ready() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

// Waits, up to the given time, until no shown window of the list nor any shown child of theirs has
// a part left to paint.
void WaitForPaints(const std::vector<HWND>& windows, int milliseconds);

// Saves the smallest rectangle holding every given shown window (as they lie on the screen) to
// a PNG file, once they have painted (up to a second); false when nothing could be read or written.
bool SaveWindowsPicture(const std::vector<HWND>& windows, const std::string& pngPath);

// The colour of a screen pixel (COLORREF), for checks of what shows.
COLORREF ScreenPixel(POINT screen);
// The screen's pixels inside the rectangle, row by row, as COLORREFs; empty when none could be read.
std::vector<COLORREF> ScreenPixels(const RECT& area);

}  // namespace journey
