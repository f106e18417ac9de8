#pragma once
// For the tests of the skinned form's procedure rows: what reached a frame form's own procedure of one
// message sent to the form, points as mouse messages carry them, and pixels of a context to compare.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/core/skin_form_record.h"

struct Delivery {
    LRESULT result = 0;
    bool passedOn = false;  // the form's own procedure saw the message
    WPARAM wParam = 0;      // as it saw them
    LPARAM lParam = 0;
    LONG_PTR exStyle = 0;   // the form's extended style at that moment
};
// Sends the message to the frame form (CreateFrameForm) and reports what its own procedure saw of it.
Delivery Deliver(HWND form, UINT message, WPARAM wParam, LPARAM lParam);

LPARAM PointParam(int x, int y);
// The centre of caption button `button` of the form, as a mouse message's point.
LPARAM ButtonCentre(const SkinFormRecord& form, int button);
// The rectangle of the caption button less two columns at each side (a neighbour's hover look reaches
// into those).
RECT ButtonInterior(const SkinFormRecord& form, int button);

// The colour bits of the context's pixels in the rectangle, row by row.
using Pixels = std::vector<uint32_t>;
Pixels CopyPixels(HDC dc, const RECT& area);
